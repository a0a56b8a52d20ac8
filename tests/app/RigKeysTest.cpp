// The fishing session's keys and wheel reach the rig: the rod moves, the
// drag changes only with a reel, L lets line off, R raises and lowers the
// net; a new session puts the rig back at rest and the scene draws it.
#include "tests/app/AppHarness.h"
#include "simulation/tackle/CannaPesca.h"
#include "simulation/scene/Retino.h"

namespace {

plat::WindowMessage WheelBy(int delta)
{
    plat::WindowMessage m = MakeMessage(plat::MessageKind::MouseWheel);
    m.wheel = delta;
    return m;
}

TEST_F(AppTest, SessionKeysReachTheRig)
{
    ASSERT_EQ(Start(), 0);
    g_pApp->NewSession();
    g_pApp->BeginFishing();
    ASSERT_EQ(Screen(), kScreenSession);
    CCannaPesca& rig = g_CannaPesca;
    EXPECT_EQ(rig.GetPhase(), kPhaseRest);
    // The new cast's 30 degrees, lowered by 3 for the 3D rod the default
    // settings and the headless device give.
    ASSERT_TRUE(g_pApp->Is3DReady());
    EXPECT_EQ(rig.m_canna.m_angle, 27.0f);

    const int x = rig.m_canna.GetX();
    Key(plat::kKeyLeft);
    EXPECT_EQ(rig.m_canna.GetX(), x - 10);
    Key(plat::kKeyRight);
    Key(plat::kKeyRight);
    EXPECT_EQ(rig.m_canna.GetX(), x + 10);

    // The pole has no reel: the drag and the back-reel stay as they are.
    rig.m_canna.m_current.type = kRodPole;
    const float drag = rig.m_mulinello.m_drag;
    Key(plat::kKeyUp);
    Send(WheelBy(120));
    EXPECT_EQ(rig.m_mulinello.m_drag, drag);
    const float length = rig.m_lenza.m_length;
    Key('L');
    EXPECT_EQ(rig.m_lenza.m_length, length);

    rig.m_canna.m_current.type = kRodBolognese;
    Key(plat::kKeyUp);
    EXPECT_NEAR(rig.m_mulinello.m_drag, drag + kDragStep, 1e-5f);
    Send(WheelBy(-120));
    EXPECT_NEAR(rig.m_mulinello.m_drag, drag, 1e-5f);

    EXPECT_FALSE(g_Retino.m_raised);
    Key('R');
    EXPECT_TRUE(g_Retino.m_raised);
    Key('R');
    EXPECT_FALSE(g_Retino.m_raised);

    Frame(3); // the scene draws the rig without trouble
    EXPECT_EQ(Screen(), kScreenSession);
}

} // namespace
