#include "shell/Oggetto.h"
#include "platform/Clock.h"
#include "tests/support/SharedState.h"

#include <gtest/gtest.h>

namespace {

struct Counter : COggetto {
    int runs[5] = {};
    void OnTimer0() override { ++runs[0]; RunTimer0(); } // polling itself must not run twice
    void OnTimer1() override { ++runs[1]; }
    void OnTimer2() override { ++runs[2]; }
    void OnTimer3() override { ++runs[3]; }
    void OnTimer4() override { ++runs[4]; }
};

class OggettoTest : public ::testing::Test {};

TEST_F(OggettoTest, FiringRule)
{
    Counter c;
    plat::SetGameClock(5000);
    c.RunTimer1();
    EXPECT_EQ(c.runs[1], 0); // interval 0: off
    c.m_timer[1].last = 1;
    c.RunTimer1();
    EXPECT_EQ(c.runs[1], 0); // still off, whatever "last" says

    c.m_timer[0].interval = 100;
    c.RunTimer0();
    EXPECT_EQ(c.runs[0], 1); // never ran: fires at the first poll
    EXPECT_EQ(c.m_timer[0].last, 5000u);

    c.m_timer[2] = {100, 1000};
    const struct {
        std::uint32_t now;
        int runs;
    } polls[] = {{1050, 0}, {1100, 0}, {1101, 1}, {1150, 1}, {1202, 2}};
    for (const auto& p : polls) {
        plat::SetGameClock(p.now);
        c.RunTimer2();
        EXPECT_EQ(c.runs[2], p.runs) << p.now;
    }
    EXPECT_EQ(c.m_timer[2].last, 1202u); // stamped with the firing time, not last + interval
}

TEST_F(OggettoTest, WrapOfTheMillisecondClock)
{
    Counter c;
    plat::SetGameClock(10);
    c.m_timer[3] = {20, 4294967290u};
    c.RunTimer3();
    EXPECT_EQ(c.runs[3], 0); // 16 ms passed
    c.m_timer[4] = {15, 4294967290u};
    c.RunTimer4();
    EXPECT_EQ(c.runs[4], 1);
}

TEST_F(OggettoTest, ResetTimersHoldsEveryTimerForItsInterval)
{
    Counter c;
    plat::SetGameClock(2000);
    for (auto& t : c.m_timer)
        t.interval = 50;
    c.ResetTimers();
    plat::SetGameClock(2050);
    c.RunTimer1();
    c.RunTimer2();
    EXPECT_EQ(c.runs[1] + c.runs[2], 0);
    plat::SetGameClock(2051);
    c.RunTimer1();
    EXPECT_EQ(c.runs[1], 1);
}

TEST(Oggetto, ClampingAndLayoutOffset)
{
    testing_support::SharedState restoreScreen;
    g_nScreenW = g_nScreenH = 0;
    COggetto o;
    o.SetX(500);
    EXPECT_EQ(o.GetX(), 0); // before InitScreen the box is empty
    g_nScreenW = 800;
    g_nScreenH = 600;
    o.InitScreen();
    o.SetX(-5);
    EXPECT_EQ(o.GetX(), 0);
    o.SetX(900);
    EXPECT_EQ(o.GetX(), 800); // the right edge itself is allowed
    o.SetY(601);
    EXPECT_EQ(o.GetY(), 600);
    EXPECT_EQ(o.m_offsetX, 0);

    EXPECT_EQ(GuiOffsetX(1024), 112);
    EXPECT_EQ(GuiOffsetY(768), 84);
    EXPECT_EQ(GuiOffsetX(801), 0);
    EXPECT_EQ(GuiOffsetX(640), 0);
}

} // namespace
