#include "platform/Clock.h"

#include <gtest/gtest.h>

TEST(Clock, RealClockNeverReadsZeroAndFakeClockIsExact)
{
    EXPECT_NE(plat::NowMs(), 0u);
    plat::SetFakeClock(1000);
    EXPECT_EQ(plat::NowMs(), 1000u);
    plat::AdvanceFakeClock(50);
    plat::SleepMs(25); // sleeping moves the fake clock instead of waiting
    EXPECT_EQ(plat::NowMs(), 1075u);
    plat::SetFakeClock(0xFFFFFFFFu);
    plat::AdvanceFakeClock(2);
    EXPECT_EQ(plat::NowMs(), 1u); // wraps like a 32-bit millisecond counter
    plat::ClearFakeClock();
}
