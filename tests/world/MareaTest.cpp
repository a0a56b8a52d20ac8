#include "world/Marea.h"

#include "shell/Opzioni.h"
#include "tests/support/LanguageGuard.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using testing_support::Language;

} // namespace

TEST(MareaWindow, OpenAtTheStartClosedAtTheEnd)
{
    struct Case {
        int minute, from, to, expected;
    } const cases[] = {
        {100, 100, 460, -1}, {101, 100, 460, 1}, {460, 100, 460, 360}, {461, 100, 460, -1},
        // past midnight the minutes after 0:00 count from 1439
        {1220, 1220, 140, -1}, {1400, 1220, 140, 180}, {0, 1220, 140, 219},
        {100, 1220, 140, 319}, {140, 1220, 140, 359}, {141, 1220, 140, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CMarea::MinutesInto(c.minute, c.from, c.to), c.expected)
            << c.minute << " in (" << c.from << ", " << c.to << "]";
}

TEST(MareaTide, FlagAndLevelThroughTheDay)
{
    // Cycle day 0: tides at 140, 500, 860, 1220.
    struct Case {
        int day, minute;
        int flag, level, minutesInto;
    } const cases[] = {
        {0, 1220, 0, 0, -1},  // rising window not begun yet
        {0, 1400, 1, 10, 180},
        {0, 100, 1, 17, 319}, // counted as 1539
        {0, 140, 1, 19, 359}, // the wrap counts 1439
        {7, 360, 1, 20, 360}, // (0, 360] does not cross midnight
        {7, 180, 1, 10, 180},
        // the level follows the tide in the other windows too
        {0, 141, 0, 20, -1},  // falling from the top
        {0, 320, 0, 10, -1},
        {0, 500, 0, 0, -1},
        {0, 501, 1, 0, -1},   // rising again
        {0, 680, 1, 10, -1},
        {0, 860, 1, 20, -1},
        {0, 861, 0, 20, -1},  // falling to the next low
        {0, 1040, 0, 10, -1},
        {29, 1400, 1, 10, 180}, // day 29 is cycle day 0 again
    };
    CMarea tide;
    EXPECT_EQ(tide.GetAmplitude(), 20);
    for (const Case& c : cases) {
        tide.Update(c.day, c.minute);
        EXPECT_EQ(tide.GetTideFlag(), c.flag) << "day " << c.day << " minute " << c.minute;
        EXPECT_EQ(tide.GetTideLevel(), c.level) << "day " << c.day << " minute " << c.minute;
        EXPECT_EQ(tide.GetMinutesIntoWindow(), c.minutesInto) << "day " << c.day << " minute " << c.minute;
    }
}

TEST(MareaTide, LevelNeverJumpsAndStaysInRange)
{
    CMarea tide;
    for (int day = 0; day < 29; ++day) {
        tide.Update(day, 0);
        int last = tide.GetTideLevel();
        for (int m = 1; m < 1440; ++m) {
            tide.Update(day, m);
            const int level = tide.GetTideLevel();
            ASSERT_GE(level, 0);
            ASSERT_LE(level, 20);
            // at most one centimetre per minute, also from window to window
            ASSERT_LE(std::abs(level - last), 1) << "day " << day << " minute " << m;
            last = level;
        }
    }
}

TEST(MareaMoon, QuartersAndNames)
{
    struct Case {
        int day, cycle, quarter;
        const char* italian;
        const char* english;
    } const cases[] = {
        {29, 0, 0, "piena", "full"},       {44, 15, 2, "nuova", "new"},
        {10, 10, 1, "calante", "declining"}, {7, 7, 0, "calante", "declining"},
        {8, 8, 1, "calante", "declining"}, {21, 21, 2, "crescente", "growing"},
        {22, 22, 3, "crescente", "growing"}, {365, 17, 2, "crescente", "growing"},
    };
    CMarea moon;
    for (const Case& c : cases) {
        moon.UpdateMoonQuarter(c.day);
        EXPECT_EQ(moon.GetCycleDay(), c.cycle) << c.day;
        EXPECT_EQ(moon.GetMoonQuarter(), c.quarter) << c.day;
        {
            Language italian(true);
            EXPECT_STREQ(moon.GetMoonPhaseName(), c.italian) << c.day;
        }
        Language english(false);
        EXPECT_STREQ(moon.GetMoonPhaseName(), c.english) << c.day;
    }
}

TEST(MareaTide, Names)
{
    CMarea tide;
    tide.Update(0, 1400); // flag 1
    {
        Language italian(true);
        EXPECT_STREQ(tide.GetTideName(), "in diminuzione");
    }
    {
        Language english(false);
        EXPECT_STREQ(tide.GetTideName(), "low");
    }
    tide.Update(0, 1220); // flag 0
    {
        Language italian(true);
        EXPECT_STREQ(tide.GetTideName(), "in aumento");
    }
    Language english(false);
    EXPECT_STREQ(tide.GetTideName(), "high");
}
