// The tournament: setting up an event and its rivals, simulating the rivals'
// results, places and the texts the screens show. Every test seeds the
// generator and pins the fake clock, since the venue's bottom reseeds the
// generator from it.
#include "simulation/session/Gara.h"

#include "platform/Clock.h"
#include "platform/Random.h"
#include "simulation/scene/Pesce.h"
#include "simulation/session/Sessione.h"
#include "tests/simulation/tackle/SceneFixture.h"
#include "tests/world/UtcClock.h"
#include "world/Calendario.h"
#include "world/Luogo.h"

#include <ctime>
#include <set>
#include <string>
#include <vector>

namespace {

class GaraTest : public scene_test::SceneTest {
protected:
    void SetUp() override
    {
        SceneTest::SetUp();
        g_Opzioni.waters = 2;
        g_Opzioni.level = 2;
        g_Opzioni.retrieveSpeed = 2;
        g_Opzioni.tournamentTime = 60;
        g_Opzioni.tournamentFishermen = 0;
        g_Luogo.Load(dev.get());
        At(2026, 7, 15, 12, 0);
        plat::SetGameClock(100000);
        plat::SeedRandom(7);
    }
    void TearDown() override
    {
        g_Gara.m_running = 0;
        g_Gara.m_remainingSeconds = 0;
        g_Pesce.Reset();
        SceneTest::TearDown();
    }

    static void At(int year, int month, int day, int hour, int minute)
    {
        world_test::SetGameClockUtc(year, month, day, hour, minute);
    }

    // A rival fishing on every bite it gets: any fish fits hook 23.
    static void SureRival(CGara& gara, int index)
    {
        gara.m_competitors[index].skill = 100;
        gara.m_competitors[index].hookSize = 23;
    }

    // How many draws separate the generator's state now from a seed.
    static int DrawsSince(std::uint32_t seed, int limit)
    {
        const int next = plat::Random();
        plat::SeedRandom(seed);
        for (int n = 0; n <= limit; ++n)
            if (plat::Random() == next)
                return n;
        return -1;
    }
};

// ---------------------------------------------------------------- set-up

TEST_F(GaraTest, RivalCountFollowsTheSettingWithinTheRecords)
{
    struct Row {
        int setting;
        int low, high;
    };
    const Row rows[] = {{12, 12, 12}, {30, 30, 30}, {45, 30, 30}, {1, 1, 1}, {0, 5, 29}, {-3, 5, 29}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.setting);
        for (std::uint32_t seed = 1; seed <= 8; ++seed) {
            g_Opzioni.tournamentFishermen = r.setting;
            plat::SeedRandom(seed);
            g_Gara.Start();
            EXPECT_GE(g_Gara.m_competitorCount, r.low);
            EXPECT_LE(g_Gara.m_competitorCount, r.high);
            EXPECT_EQ(r.setting, g_Opzioni.tournamentFishermen); // the stored setting stays
        }
    }
}

TEST_F(GaraTest, NamesAreDistinctFromTheTableAndEmptyBeyondTheCount)
{
    std::set<std::string> table;
    for (int i = 0; i < CGara::kNameCount; ++i) {
        const std::string name = CGara::NameAt(i);
        EXPECT_FALSE(name.empty());
        EXPECT_LE(name.size(), 11u) << name;
        table.insert(name);
    }
    EXPECT_EQ(40u, table.size());
    EXPECT_STREQ("", CGara::NameAt(40));
    EXPECT_STREQ("", CGara::NameAt(-1));

    for (int count : {5, 17, 30}) {
        SCOPED_TRACE(count);
        g_Opzioni.tournamentFishermen = count;
        g_Gara.Start();
        std::set<std::string> seen;
        for (int i = 0; i < count; ++i) {
            const std::string name = g_Gara.m_competitors[i].name;
            EXPECT_EQ(1u, table.count(name)) << name;
            seen.insert(name);
        }
        EXPECT_EQ(std::size_t(count), seen.size());
        for (int i = count; i < CGara::kMaxCompetitors; ++i) {
            EXPECT_STREQ("", g_Gara.m_competitors[i].name);
            EXPECT_EQ(20, g_Gara.m_competitors[i].skill);
            EXPECT_EQ(18, g_Gara.m_competitors[i].hookSize);
        }
    }
}

TEST_F(GaraTest, SkillsTakeOnlyTheLevelsThreeValues)
{
    struct Row {
        int level;
        std::set<int> skills;
    };
    const Row rows[] = {{0, {20, 35, 50}}, {1, {28, 43, 58}}, {2, {35, 50, 65}}, {7, {35, 50, 65}}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.level);
        g_Opzioni.level = r.level;
        g_Opzioni.tournamentFishermen = 30;
        std::set<int> seen;
        for (std::uint32_t seed = 1; seed <= 10; ++seed) {
            plat::SeedRandom(seed);
            g_Gara.m_competitorCount = 30;
            g_Gara.AssignSkills();
            for (int i = 0; i < 30; ++i)
                seen.insert(g_Gara.m_competitors[i].skill);
        }
        EXPECT_EQ(r.skills, seen);
    }
}

TEST_F(GaraTest, HookSizesFollowTheSkillAndTheWaters)
{
    struct Row {
        const char* venue;
        int skill;
        int low, high;
    };
    const Row rows[] = {
        {kVenueLake, 20, 18, 23}, {kVenueLake, 28, 18, 23}, {kVenueLake, 35, 10, 23}, {kVenueLake, 43, 10, 23},
        {kVenueLake, 50, 1, 9},   {kVenueLake, 65, 1, 9},   {kVenueSea, 50, -7, 9},   {kVenueSea, 20, 18, 23},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.venue) + " skill " + std::to_string(r.skill));
        g_Luogo.LoadVenue("", r.venue);
        std::set<int> seen;
        for (std::uint32_t seed = 1; seed <= 20; ++seed) {
            plat::SeedRandom(seed);
            g_Gara.m_competitorCount = 30;
            for (int i = 0; i < 30; ++i)
                g_Gara.m_competitors[i].skill = r.skill;
            g_Gara.AssignHooks();
            for (int i = 0; i < 30; ++i)
                seen.insert(g_Gara.m_competitors[i].hookSize);
        }
        EXPECT_EQ(r.low, *seen.begin());
        EXPECT_EQ(r.high, *seen.rbegin());
    }
}

TEST_F(GaraTest, EventDateHourAndLengthAreDrawnAndBounded)
{
    struct Row {
        int setting;
        int minutes;
    };
    const Row rows[] = {{60, 60}, {5, 5}, {180, 180}, {4, 5}, {0, 5}, {-10, 5}, {181, 180}, {1000000, 180}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.setting);
        g_Opzioni.tournamentTime = r.setting;
        g_Gara.Start();
        const GaraEvento& ev = g_Gara.m_events[0];
        EXPECT_EQ(r.minutes, ev.minutes);
        EXPECT_EQ(r.minutes * 60, g_Gara.m_remainingSeconds);
        EXPECT_EQ(1, g_Gara.m_running);
        EXPECT_EQ(0, g_Gara.m_currentEvent);
        EXPECT_EQ(r.setting, g_Opzioni.tournamentTime);
    }

    std::set<int> days, months, hours;
    for (std::uint32_t clock = 1000; clock < 1150; ++clock) {
        plat::SetGameClock(clock);
        g_Gara.Start();
        const GaraEvento& ev = g_Gara.m_events[0];
        days.insert(ev.day);
        months.insert(ev.month);
        hours.insert(ev.startHour);
        EXPECT_EQ(2026, ev.year);
        EXPECT_STREQ(g_Luogo.Record().name, ev.venueName);
        EXPECT_STREQ(g_Luogo.VenueList().GetSelectedKey(), ev.venueId);
    }
    EXPECT_EQ(1, *days.begin());
    EXPECT_EQ(30, *days.rbegin());
    EXPECT_EQ(3, *months.begin());
    EXPECT_EQ(10, *months.rbegin());
    EXPECT_EQ((std::set<int>{8, 14}), hours);
}

TEST_F(GaraTest, GameClockLandsOnTheEventsDateWhateverItsMonthWas)
{
    // The bottom reseeds the generator from the clock before the date is
    // drawn, so each fake clock value draws its own day: find some that
    // draw the last days, then start from every awkward date with them.
    std::vector<std::uint32_t> lateDays;
    for (std::uint32_t clock = 2000; clock < 2200 && lateDays.size() < 4; ++clock) {
        plat::SetGameClock(clock);
        g_Gara.Start();
        if (g_Gara.m_events[0].day >= 29)
            lateDays.push_back(clock);
    }
    ASSERT_FALSE(lateDays.empty());
    lateDays.push_back(2000);

    struct Row {
        const char* name;
        int month, day;
    };
    const Row rows[] = {{"February", 2, 10}, {"31 January", 1, 31}, {"31 December", 12, 31}, {"29 February", 2, 29}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        int day30 = 0;
        for (std::uint32_t clock : lateDays) {
            At(2028, r.month, r.day, 17, 45);
            plat::SetGameClock(clock);
            g_Gara.Start();
            const GaraEvento& ev = g_Gara.m_events[0];
            EXPECT_EQ(ev.day, g_Calendario.GetDayOfMonth()) << "clock " << clock;
            EXPECT_EQ(ev.month, g_Calendario.GetMonth() + 1);
            EXPECT_EQ(ev.startHour, g_Calendario.GetHour());
            EXPECT_EQ(0, g_Calendario.GetMinute());
            EXPECT_EQ(2028, g_Calendario.GetYear());
            day30 += ev.day == 30;
        }
        EXPECT_GT(day30, 0);
    }
}

TEST_F(GaraTest, SameSeedAndClockGiveTheSameTournament)
{
    // The game clock's own date counts too: each date change draws the day's
    // temperature.
    auto play = [this] {
        At(2026, 11, 2, 9, 30);
        plat::SeedRandom(99);
        plat::SetGameClock(4242);
        g_Opzioni.tournamentTime = 30;
        g_Gara.Start();
        g_Gara.SetPlayerResult(CGara::MakeScore(2, 900), 2, 900.0f, 600.0f, 35);
        g_Gara.SimulateCompetitors();
        std::vector<int> standings;
        for (int c = 0; c < g_Gara.m_competitorCount; ++c) {
            standings.push_back(g_Gara.m_competitors[c].hookSize);
            standings.push_back(g_Gara.m_results[c][0].score);
        }
        standings.push_back(g_Gara.GetPlace(0));
        standings.push_back(g_Gara.m_events[0].day);
        return std::make_pair(std::string(g_Gara.m_competitors[0].name), standings);
    };
    EXPECT_EQ(play(), play());
}

// ------------------------------------------------------------ simulation

TEST_F(GaraTest, RivalsFishTheBoundedMinutesOneMinuteBiteAtATime)
{
    // With no fish at the venue every bite is one empty minute of a fixed
    // number of draws: the bite, four length-cap draws for hook 23, the gate.
    g_Luogo.LoadVenue("", kVenueLake);
    for (int& w : g_Luogo.Record().presence)
        w = 0;
    struct Row {
        int setting;
        int minutes;
    };
    const Row rows[] = {{5, 5}, {60, 60}, {0, 5}, {-2, 5}, {1000000, 180}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.setting);
        g_Opzioni.tournamentTime = r.setting;
        CGara gara;
        gara.m_competitorCount = 1;
        SureRival(gara, 0);
        plat::SeedRandom(5);
        gara.SimulateCompetitors();
        EXPECT_EQ(6 * r.minutes, DrawsSince(5, 6 * 200));
        EXPECT_EQ(0, gara.m_results[0][0].count);
        EXPECT_EQ(0, gara.m_results[0][0].score);
    }
}

TEST_F(GaraTest, NoPresenceGivesEveryRivalNothing)
{
    g_Luogo.LoadVenue("", kVenueLake);
    for (int& w : g_Luogo.Record().presence)
        w = -5;
    g_Opzioni.tournamentTime = 120;
    CGara gara;
    gara.m_competitorCount = 30;
    for (int c = 0; c < 30; ++c)
        SureRival(gara, c);
    gara.SimulateCompetitors();
    for (int c = 0; c < 30; ++c) {
        EXPECT_EQ(0, gara.m_results[c][0].count);
        EXPECT_EQ(0.0f, gara.m_results[c][0].totalWeight);
    }
}

TEST_F(GaraTest, ResultsScoreCountAndWholeGrams)
{
    g_Luogo.LoadVenue("", kVenueLake);
    g_Opzioni.level = 0; // the widest gate
    g_Opzioni.tournamentTime = 5;
    CGara gara;
    gara.m_competitorCount = 30;
    for (int c = 0; c < 30; ++c)
        SureRival(gara, c);
    gara.SimulateCompetitors();
    int caught = 0;
    for (int c = 0; c < 30; ++c) {
        const GaraRisultato& r = gara.m_results[c][0];
        SCOPED_TRACE(c);
        EXPECT_LE(r.count, 5); // at most one bite a minute
        EXPECT_EQ(r.count * 100 + static_cast<int>(r.totalWeight), r.score);
        EXPECT_LE(r.biggestWeight, r.totalWeight);
        if (r.count > 0) {
            EXPECT_GT(r.biggestWeight, 0.0f);
            EXPECT_GT(r.longestLength, 0);
        }
        caught += r.count;
    }
    EXPECT_GT(caught, 0);
}

TEST_F(GaraTest, BiteMinutesFollowWeightLevelAndRetrieveSpeed)
{
    struct Row {
        float grams;
        int level, speed;
        int minutes;
    };
    const Row rows[] = {
        {1500, 2, 2, 3}, {1500, 0, 2, 1}, {1500, 1, 2, 2}, {1500, 2, 1, 2}, {1500, 2, 0, 1},
        {200, 2, 2, 1},  {200.5f, 2, 2, 2}, {1000, 2, 2, 2}, {2001, 2, 2, 4}, {3001, 2, 2, 5},
        {5000, 2, 2, 5}, {5001, 2, 2, 6}, {9000, 0, 0, 4}, {0, 2, 2, 1},    {50, 0, 0, 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.grams) + " g level " + std::to_string(r.level));
        g_Opzioni.level = r.level;
        g_Opzioni.retrieveSpeed = r.speed;
        EXPECT_EQ(r.minutes, CGara::MinutesForWeight(r.grams));
    }
}

// ---------------------------------------------------------------- places

TEST_F(GaraTest, PlacesCountOnlyStrictlyBetterRivals)
{
    struct Row {
        const char* name;
        int playerCount, playerScore;
        std::vector<int> rivals;
        int place;
    };
    const std::vector<Row> rows = {
        {"no catch", 0, 0, {0, 0, 0}, 0},
        {"no catch, rivals caught", 0, 0, {500, 900}, 0},
        {"no rival", 1, 300, {}, 1},
        {"equal to the best", 2, 1200, {1200, 300, 0}, 1},
        {"one better", 2, 1200, {1201, 1200, 0}, 2},
        {"all better", 1, 100, {200, 300, 400}, 4},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        CGara gara;
        gara.m_competitorCount = static_cast<int>(r.rivals.size());
        for (std::size_t c = 0; c < r.rivals.size(); ++c)
            gara.m_results[c][0].score = r.rivals[c];
        gara.SetPlayerResult(r.playerScore, r.playerCount, 0.0f, 0.0f, 0);
        EXPECT_EQ(r.place, gara.GetPlace(0));
    }
    CGara gara;
    EXPECT_EQ(0, gara.GetPlace(8));
    EXPECT_EQ(0, gara.GetPlace(-1));
}

TEST_F(GaraTest, TextsOfRemainingTimeDateAndHour)
{
    struct Row {
        int seconds;
        const char* text;
    };
    const Row rows[] = {{3725, "01:02:05"}, {0, "00:00:00"}, {-3, "00:00:00"}, {-3600, "00:00:00"},
                        {59, "00:00:59"},   {10800, "03:00:00"}};
    CGara gara;
    char buffer[16];
    for (const Row& r : rows) {
        gara.m_remainingSeconds = r.seconds;
        gara.FormatRemaining(buffer);
        EXPECT_STREQ(r.text, buffer) << r.seconds;
    }
    gara.m_events[0].startHour = 8;
    gara.FormatHour(buffer);
    EXPECT_STREQ("08:00", buffer);
    gara.m_events[0].startHour = 14;
    gara.FormatHour(buffer);
    EXPECT_STREQ("14:00", buffer);
    gara.m_events[0].day = 3;
    gara.m_events[0].month = 9;
    gara.m_events[0].year = 2026;
    gara.FormatDate(buffer);
    EXPECT_STREQ("03/09/2026", buffer);
}

TEST_F(GaraTest, SavedCatchLogHoldsThePlaceOnlyWhileRunning)
{
    g_GestFile.CreateFolders();
    g_Gara.m_competitorCount = 2;
    g_Gara.m_currentEvent = 0;
    g_Gara.m_results[0][0].score = 900;
    g_Gara.m_results[1][0].score = 100;
    g_Gara.SetPlayerResult(CGara::MakeScore(1, 500), 1, 500.0f, 500.0f, 30);
    for (int running : {1, 0}) {
        SCOPED_TRACE(running);
        g_Gara.m_running = running;
        CSessione log;
        log.Start();
        ASSERT_TRUE(log.Save("placed"));
        ASSERT_TRUE(log.Load("placed.kvc"));
        EXPECT_EQ(running ? 2 : 0, log.m_place);
    }
}

} // namespace
