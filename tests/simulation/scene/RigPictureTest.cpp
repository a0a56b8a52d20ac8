// Pictures of the rig to look at: a waiting pole rig with the net up, a
// bolognese with its drag gauge, and a fish on with the tension colours.
#include "tests/simulation/scene/RigSceneFixture.h"

namespace {

using rig_test::RigSceneTest;

TEST_F(RigSceneTest, PictureWaitingPoleWithTheNetUp)
{
    rig.m_canna.m_sideAngle = 75.0f; // aimed a little to the right
    rig.NewCast();
    g_Retino.Raise();
    Frames(400);
    ASSERT_TRUE(g_Retino.IsUp());
    const CGalleggiante& g = rig.m_galleggiante;
    // The float is on the water, the line runs from the rod tip to it.
    EXPECT_GE(g.GetY(), g.m_surfaceRow);
    EXPECT_TRUE(AnyInk(g.GetX() - 8, g.GetY() - 30, g.GetX() + 8, g.GetY() + 4, 0xFF204060));
    const int midY = int((rig.m_canna.GetDrawnTipY() + float(g.GetY())) / 2);
    const int midX = int((rig.m_canna.GetDrawnTipX() + float(g.GetX())) / 2);
    EXPECT_TRUE(AnyInk(midX - 3, midY - 1, midX + 4, midY + 2, 0xFF204060));
    WithBackground();
    Frame();
    SavePicture("rig_pole_waiting.png");
}

TEST_F(RigSceneTest, PictureBologneseWithDragGauge)
{
    Venue(kVenueSea);
    rig.m_canna.m_current.type = kRodBolognese;
    rig.m_canna.m_sideAngle = 75.0f; // aimed a little to the right
    rig.NewCast();
    rig.Cast();
    Frames(200);
    rig.m_mulinello.ChangeDrag(0.43333334f);
    Frames(2);
    EXPECT_TRUE(AnyInk(rig.m_canna.GetX() + 30, 560, rig.m_canna.GetX() + 70, 585, 0xFF204060));
    WithBackground();
    Frame();
    SavePicture("rig_bolognese_drag.png");
}

TEST_F(RigSceneTest, PictureFishOnWithTensionColours)
{
    WithBackground();
    rig.m_canna.m_current.type = kRodBolognese;
    rig.m_canna.m_sideAngle = 75.0f; // aimed a little to the right
    rig.NewCast();
    rig.Cast();
    Frames(200);
    rig.m_canna.m_phase = kPhaseFish;
    g_Pesce.m_stamina = 5.0f;
    g_Pesce.m_run = 15000; // far out and pulling: the line stays tight
    rig.m_strike = 1;
    rig.m_lenza.m_tension = 150.0f;
    rig.m_warning.m_visible = 1;
    rig.m_warning.m_column = 1;
    Frames(12);
    SavePicture("rig_fish_on.png");
    EXPECT_FLOAT_EQ(rig.m_lenza.m_colour[0], 1.0f);
    EXPECT_LT(rig.m_lenza.m_colour[1], 0.5f);
    EXPECT_GT(rig.m_lenza.m_gauge.m_column, 0);
}

} // namespace
