// Edge cases of the rig's parts in the scene: the line's tension per
// terminal and its measures, the rod's geometry and swing, the float's
// landing, lay and surface tests, the reel's retrieve and drag.
#include "tests/simulation/scene/RigSceneFixture.h"

#include <cmath>

namespace {

using rig_test::RigSceneTest;

TEST_F(RigSceneTest, MaxTensionIsKeptPerTerminal)
{
    CLenza& line = rig.m_lenza;
    line.ResetForCast();
    line.m_material.SetDiameter(14);
    line.m_leader.m_material.SetDiameter(10);
    line.m_droppers[0].m_material.SetDiameter(30);
    line.m_droppers[1].m_material.SetDiameter(6);
    // The leader asked first no longer fixes the answer for the droppers.
    EXPECT_NEAR(line.GetMaxTension(2), 173.333f, 0.01f);
    EXPECT_NEAR(line.GetMaxTension(1), 176.667f, 0.01f); // main line 0.14 is the thinner
    EXPECT_NEAR(line.GetMaxTension(0), 170.0f, 0.01f);
    EXPECT_NEAR(line.GetMaxTension(7), 173.333f, 0.01f); // any other number is the leader
    // A new cast forgets them all.
    line.m_leader.m_material.SetDiameter(90);
    line.ResetForCast();
    EXPECT_NEAR(line.GetMaxTension(2), 176.667f, 0.01f);
}

TEST_F(RigSceneTest, TensionColoursAndStep)
{
    CLenza& line = rig.m_lenza;
    line.ResetForCast();
    line.m_material.SetDiameter(14);
    line.m_leader.m_material.SetDiameter(10);
    const struct {
        float tension, red, green;
    } cases[] = {{50.0f, 0.5769f, 1.0f}, {150.0f, 1.0f, 0.2692f}, {0.0f, 0.0f, 1.0f}};
    for (const auto& c : cases) {
        line.m_tension = c.tension;
        line.UpdateColour(false, 2);
        EXPECT_NEAR(line.m_colour[0], c.red, 0.001f) << c.tension;
        EXPECT_NEAR(line.m_colour[1], c.green, 0.001f) << c.tension;
    }
    line.m_tension = 170.0f;
    line.StepTension(400.0f, 2);
    EXPECT_NEAR(line.m_tension, 173.333f, 0.01f);
    line.StepTension(-50.0f, 2);
    EXPECT_NEAR(line.m_tension, 168.333f, 0.01f);
}

TEST_F(RigSceneTest, LineMeasures)
{
    CLenza& line = rig.m_lenza;
    const struct {
        float x0, y0, x1, y1, angle, heading;
    } cases[] = {
        {500, 300, 400, 300, -90.0f, 90.0f},  // level, tip right of the end
        {400, 300, 500, 300, 90.0f, 270.0f},  // level, tip left of the end
        {400, 500, 400, 300, 0.0f, 180.0f},   // end straight above the tip
        {400, 300, 500, 400, -45.0f, -45.0f}, // end below the tip
    };
    for (const auto& c : cases) {
        line.m_points[0][0] = c.x0;
        line.m_points[0][1] = c.y0;
        line.m_points[1][0] = c.x1;
        line.m_points[1][1] = c.y1;
        EXPECT_NEAR(line.GetAngle(), c.angle, 0.01f);
        EXPECT_NEAR(line.GetHeading(), c.heading, 0.01f);
    }
    EXPECT_NEAR(line.GetLength(), std::sqrt(20000.0f), 0.01f);
}

TEST_F(RigSceneTest, LineEndStaysInTheWater)
{
    CLenza& line = rig.m_lenza;
    rig.NewCast();
    // A pole's end keeps to the float's water line and the band's bottom.
    line.SetEndPoint(300.0f, 10.0f);
    EXPECT_EQ(line.m_points[1][1], float(rig.m_galleggiante.m_surfaceRow));
    line.SetEndPoint(300.0f, 900.0f);
    EXPECT_EQ(line.m_points[1][1], 540.0f);
    line.SetEndPoint(-50.0f, 400.0f);
    EXPECT_EQ(line.m_points[1][0], 0.0f);
}

TEST_F(RigSceneTest, RodGeometryAndControls)
{
    CCanna& rod = rig.m_canna;
    const struct {
        float asked, stored, firstSegment;
    } lengths[] = {{150, 210, 75.4f}, {1000, 900, 234.0f}, {270, 270, 75.4f}, {500, 500, 130.0f}};
    for (const auto& l : lengths) {
        rod.SetLength(l.asked);
        EXPECT_EQ(rod.GetLength(), l.stored);
        EXPECT_NEAR(rod.m_segments[0], l.firstSegment, 0.01f) << l.asked;
    }
    const struct {
        int x, stored;
    } xs[] = {{50, 135}, {790, 665}, {400, 400}};
    for (const auto& c : xs) {
        rod.SetX(c.x);
        EXPECT_EQ(rod.GetX(), c.stored);
    }
    rod.SetAngle(10.0f);
    EXPECT_EQ(rod.m_angle, 18.0f);
    const struct {
        int type;
        float angle, target;
    } swings[] = {{kRodBoat, 75, 90}, {kRodBoat, 50, 80}, {kRodPole, 50, 90}, {kRodSpinning, 75, 90}};
    for (const auto& s : swings) {
        rod.m_current.type = s.type;
        rod.m_angle = s.angle;
        rod.StartCast();
        EXPECT_EQ(rod.m_swingTarget, s.target);
        EXPECT_EQ(rod.m_phase, kPhaseCast);
        rod.m_phase = kPhaseRest;
    }
}

TEST_F(RigSceneTest, BendEasesTowardItsTargetButNeverAboveZero)
{
    CCanna& rod = rig.m_canna;
    rod.m_phase = kPhaseFish;
    const struct {
        float bend, target, after;
    } cases[] = {{0.0f, 0.5f, 0.0f}, {-1.0f, -0.95f, -1.0f}, {-1.0f, 0.0f, -0.9f}, {0.0f, -0.8f, -0.1f}};
    for (const auto& c : cases) {
        rod.m_bend = c.bend;
        rod.m_bendTarget = c.target;
        rod.OnTimer0();
        EXPECT_NEAR(rod.m_bend, c.after, 0.0001f) << c.bend << " to " << c.target;
    }
}

TEST_F(RigSceneTest, DippedTipWalksBackToTheWaterLine)
{
    CCanna& rod = rig.m_canna;
    rod.SetLength(500.0f);
    rod.m_angle = 45.0f;
    rod.UpdateShape(400.0f);
    EXPECT_FALSE(rod.IsTipInWater());
    EXPECT_NEAR(rod.m_tip[1], 620.0f - rod.m_projectedSum * CCanna::kPerspective, 0.01f);
    rod.m_angle = 18.0f;
    rod.m_bend = -12.0f; // bent hard down by a fish
    rod.m_current.stiffness = 1;
    rod.UpdateShape(400.0f);
    EXPECT_TRUE(rod.IsTipInWater());
}

TEST_F(RigSceneTest, FloatLayAndSurfaceTests)
{
    CGalleggiante& g = rig.m_galleggiante;
    const struct {
        int exposed;
        float asked, laid;
    } lays[] = {{19, 10, 90}, {16, 0, 90}, {8, 120, 90}, {8, -5, 0}, {8, 40, 40}};
    for (const auto& l : lays) {
        g.m_exposedHeight = l.exposed;
        g.SetLayAngle(l.asked);
        EXPECT_EQ(g.m_rotation, l.laid);
    }
    g.m_scale = 1.0f;
    const struct {
        int offset;
        bool surface, sinking;
    } offsets[] = {{-1, false, false}, {0, true, false}, {15, true, true}, {16, false, true}};
    for (const auto& o : offsets) {
        g.m_sinkOffset = o.offset;
        EXPECT_EQ(g.IsAtSurface(), o.surface) << o.offset;
        EXPECT_EQ(g.IsSinking(), o.sinking) << o.offset;
    }
    for (int h : {-4, 0, 30, 45, 60}) {
        g.SetVisibleHeight(h);
        EXPECT_EQ(g.GetVisibleHeight(), std::clamp(h, 0, 45));
    }
    // "No float" is bite-ready on its dip alone.
    g.SelectById(dev.get(), kNoFloatId);
    g.m_dip = 0;
    g.m_sinkOffset = 99;
    EXPECT_TRUE(g.IsBiteReady());
    g.m_dip = 4;
    EXPECT_FALSE(g.IsBiteReady());
}

TEST_F(RigSceneTest, ReelRetrievesAndGivesLine)
{
    CMulinello& reel = rig.m_mulinello;
    rig.m_canna.m_current.type = kRodBolognese;
    rig.SetLineLength(1000.0f);
    ASSERT_EQ(rig.m_lenza.m_length, 1000.0f);
    reel.m_retrieving = 1;
    reel.Retrieve();
    EXPECT_EQ(rig.m_lenza.m_length, 990.0f); // 2 x 5.0 cm a tick
    EXPECT_EQ(reel.m_handleAngle, 20);
    EXPECT_FLOAT_EQ(rig.m_canna.m_bendTarget, -0.8f);
    // Fully in: the retrieve stops by itself.
    rig.SetLineLength(0.0f);
    reel.Retrieve();
    EXPECT_EQ(reel.m_retrieving, 0);
    // A fish pulling harder than the drag takes line.
    rig.SetLineLength(1000.0f);
    rig.m_canna.m_phase = kPhaseFish;
    rig.m_lenza.m_tension = 150.0f;
    const struct {
        float stamina, drag, given;
    } pulls[] = {{9.5f, 6.5f, 15.0f}, {12.0f, 6.5f, 20.0f}, {12.0f, kDragLocked, 0.0f}, {3.0f, 6.5f, 0.0f}};
    for (const auto& p : pulls) {
        const float before = rig.m_lenza.m_length;
        g_Pesce.m_stamina = p.stamina;
        reel.m_drag = p.drag;
        reel.GiveLine();
        EXPECT_NEAR(rig.m_lenza.m_length - before, p.given, 0.001f) << p.stamina << " against " << p.drag;
    }
    // Back-reeling only while waiting.
    const float before = rig.m_lenza.m_length;
    reel.OnTimer1();
    EXPECT_EQ(rig.m_lenza.m_length, before);
    rig.m_canna.m_phase = kPhaseRest;
    reel.OnTimer1();
    EXPECT_EQ(rig.m_lenza.m_length, before + 40.0f);
}

TEST_F(RigSceneTest, DragGaugeShowsAfterAChange)
{
    CMulinello& reel = rig.m_mulinello;
    rig.m_canna.m_current.type = kRodBolognese;
    const struct {
        float drag, percent;
    } cases[] = {{1.0f, 0.0f}, {6.5f, 50.0f}, {12.0f, 100.0f}, {kDragLocked, 100.0f}};
    for (const auto& c : cases) {
        reel.m_drag = c.drag;
        EXPECT_NEAR(reel.GetDragPercent(), c.percent, 0.01f);
    }
    reel.m_drag = 6.5f;
    reel.ChangeDrag(0.43333334f);
    EXPECT_EQ(reel.m_gaugeCountdown, 600);
    for (int i = 0; i < 30; ++i) {
        plat::StepGameClock(21);
        reel.Render(dev.get());
    }
    EXPECT_EQ(reel.m_gaugeCountdown, 0);
}

TEST_F(RigSceneTest, FloatPlacementSurvivesTheFloatAtTheLinePoint)
{
    rig.NewCast();
    // The float right at the rod's line point: no distance to share out.
    rig.m_canna.UpdateShape(400.0f);
    rig.m_lenza.m_points[1][0] = rig.m_canna.m_tip[0];
    rig.m_lenza.m_points[1][1] = rig.m_canna.m_tip[1];
    rig.m_canna.m_points[11][1] = rig.m_canna.m_tip[1];
    rig.PlaceFloatOnLine();
    EXPECT_LT(std::abs(rig.m_galleggiante.m_drawOffsetX), 100);
    EXPECT_LT(std::abs(rig.m_galleggiante.m_drawOffsetY), 100);
}

} // namespace
