#include "platform/Clock.h"

#include <gtest/gtest.h>

TEST(Clock, GameTimeMovesOnlyByStepsAndWallTimeFakesExactly)
{
    plat::SetGameClock(1000);
    plat::SetFakeWallClock(5000);
    plat::SleepMs(25); // sleeping moves the fake wall clock instead of waiting
    plat::AdvanceFakeWallClock(50);
    EXPECT_EQ(plat::WallMs(), 5075u);
    EXPECT_EQ(plat::NowMs(), 1000u) << "wall time never moves game time";
    plat::StepGameClock(plat::kGameStepMs);
    EXPECT_EQ(plat::NowMs(), 1010u);

    // Both wrap like 32-bit millisecond counters; game time skips 0, which
    // a timed operation reads as "never ran".
    plat::SetGameClock(0xFFFFFFF6u);
    plat::StepGameClock(plat::kGameStepMs);
    EXPECT_EQ(plat::NowMs(), 1u);
    plat::StepGameClock(plat::kGameStepMs);
    EXPECT_EQ(plat::NowMs(), 11u);
    plat::SetGameClock(0);
    EXPECT_NE(plat::NowMs(), 0u);

    plat::ClearFakeWallClock();
    EXPECT_NE(plat::WallMs(), 0u);
}
