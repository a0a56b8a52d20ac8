// The rig made live: bands, the default pole's cast, sinking, drift,
// bobbing, the net, determinism and a device lost mid-cast.
#include "tests/simulation/scene/RigSceneFixture.h"

#include <cmath>
#include <sstream>

namespace {

using rig_test::RigSceneTest;

TEST_F(RigSceneTest, BandsAndDistanceProfileOfTheLake)
{
    EXPECT_EQ(rig.m_bands[0], 120);
    EXPECT_EQ(rig.m_bands[1], 280);
    EXPECT_EQ(rig.m_bands[2], 300);
    EXPECT_EQ(rig.m_bands[3], 320);
    const struct {
        int row;
        float cm;
    } rows[] = {{120, 15906.1f}, {280, 4000.0f}, {300, 2406.1f}, {320, 906.1f}, {200, 9953.05f}, {349, 812.25f}};
    for (const auto& r : rows)
        EXPECT_NEAR(rig.GetDepthAt(r.row), r.cm, 0.5f) << "row " << r.row;
    EXPECT_EQ(rig.m_galleggiante.m_position, 75);
    EXPECT_EQ(rig.GetFloatDepth(), 30);
    EXPECT_EQ(rig.m_galleggiante.m_exposedHeight, 8);
    rig.NewCast();
    EXPECT_EQ(rig.m_timer[1].interval, 60u);
}

TEST_F(RigSceneTest, DefaultPoleCastSwingsAndLandsWithoutDip)
{
    rig.NewCast();
    EXPECT_FLOAT_EQ(rig.m_canna.m_angle, 30.0f);
    EXPECT_EQ(rig.m_galleggiante.m_lineAbove, 375);
    EXPECT_EQ(rig.m_galleggiante.GetY(), 349);
    rig.Cast();
    EXPECT_EQ(rig.GetPhase(), kPhaseCast);
    EXPECT_EQ(rig.m_galleggiante.GetY(), 349);
    EXPECT_EQ(rig.m_galleggiante.m_dip, 0);
    const std::uint32_t sounds = rig.m_canna.m_castSounds;
    float last = rig.m_canna.m_angle;
    int ticks = 0;
    while (rig.GetPhase() == kPhaseCast && ticks < 100) {
        Frame();
        if (rig.GetPhase() == kPhaseCast) {
            EXPECT_FLOAT_EQ(rig.m_canna.m_angle - last, 2.0f);
            last = rig.m_canna.m_angle;
        }
        ++ticks;
    }
    EXPECT_FLOAT_EQ(last, 90.0f);
    EXPECT_EQ(rig.GetPhase(), kPhaseRest);
    EXPECT_FLOAT_EQ(rig.m_canna.m_angle, 30.0f);
    EXPECT_EQ(rig.m_canna.m_castSounds, sounds + 1);
}

// The default pole thrown at the built-in lake comes to rest as it was
// rigged: the float 30 cm above the bait, 8 pixels of it above the water.
TEST_F(RigSceneTest, DefaultPoleCastSettlesAtItsDepth)
{
    rig.NewCast();
    rig.Cast();
    for (int i = 0; i < 200 && rig.GetPhase() == kPhaseCast; ++i)
        Frame();
    ASSERT_EQ(rig.GetPhase(), kPhaseRest);
    Frames(400);
    EXPECT_EQ(rig.GetFloatDepth(), 30);
    EXPECT_EQ(rig.m_galleggiante.m_exposedHeight, 8);
    EXPECT_TRUE(rig.m_galleggiante.m_visible);
    EXPECT_GE(rig.m_galleggiante.GetY(), rig.m_galleggiante.m_surfaceRow);
}

// A rod pulled down into the water ripples where its tip meets it; lifted
// out again, the rings go.
TEST_F(RigSceneTest, DippedTipShowsRingsAtTheWaterLine)
{
    rig.NewCast();
    CCanna& rod = rig.m_canna;
    rod.m_angle = 18.0f;
    rod.m_phase = kPhaseFish;
    rod.m_bend = rod.m_bendTarget = -12.0f;
    Frames(3);
    ASSERT_TRUE(rod.IsTipInWater());
    EXPECT_TRUE(rod.m_ringsShown);
    EXPECT_TRUE(rod.m_tipRings.m_visible);
    EXPECT_EQ(rod.m_tipRings.GetX(), int(rod.m_tip[0]));
    EXPECT_EQ(rod.m_tipRings.GetY(), int(rod.m_tip[1]));
    const float scale = rod.m_tipRings.m_scale;
    Frames(5); // 50 ms: the rings grow every 20
    EXPECT_NE(rod.m_tipRings.m_scale, scale);
    rod.m_angle = 45.0f;
    rod.m_phase = kPhaseRest;
    rod.m_bend = rod.m_bendTarget = 0.0f;
    Frames(2);
    EXPECT_FALSE(rod.IsTipInWater());
    EXPECT_FALSE(rod.m_tipRings.m_visible);
}

TEST_F(RigSceneTest, BologneseLandingBetweenBandsRisesAndSinksBack)
{
    rig.m_canna.m_current.type = kRodBolognese;
    rig.m_canna.SetLength(500.0f);
    rig.NewCast();
    // Thrown so that it comes down between band 0 and band 2.
    rig.m_lenza.m_length = 3000.0f;
    rig.m_galleggiante.m_lineAbove = 3000;
    rig.m_galleggiante.Land(30.0f, 90.0f, 400, true);
    CGalleggiante& g = rig.m_galleggiante;
    ASSERT_EQ(g.m_dip, 70);
    const int landed = g.GetY() + 70;
    EXPECT_GE(landed, rig.m_bands[0]);
    EXPECT_LE(landed, rig.m_bands[2]);
    for (int i = 1; i <= 35; ++i) {
        plat::StepGameClock(10);
        g.RunTimer0();
        EXPECT_EQ(g.GetY(), landed - 70 + 2 * i);
    }
    EXPECT_EQ(g.m_dip, 0);
}

TEST_F(RigSceneTest, SinkingStepsToTheFloatDepthAndNeverLeavesTheWater)
{
    rig.NewCast();
    Frames(200); // the float settles against the pole's line
    const int sinkTime = rig.m_piombo.GetSinkTime(rig.GetBaitWeight());
    ASSERT_GT(sinkTime, 0);
    const float step = 20.0f * 100.0f / float(sinkTime);
    // Line to spare below the float: the first step is a whole one.
    ASSERT_GT(rig.GetFreeLine(), step);
    ASSERT_GT(float(rig.GetFloatDepth()), step);
    rig.m_sinkDepth = 0.0f;
    rig.SinkRig();
    EXPECT_NEAR(rig.m_sinkDepth, step, 0.01f);
    for (int i = 0; i < 500; ++i) {
        rig.SinkRig();
        ASSERT_GE(rig.m_sinkDepth, 0.0f);
        ASSERT_LE(rig.m_sinkDepth, rig.GetBottomDepth());
        ASSERT_LE(rig.m_sinkDepth, float(rig.GetFloatDepth()) + 0.01f);
    }
    // No free line at all: the target lies above the water; the bait stays
    // at the surface instead of rising out of it.
    rig.m_lenza.m_length = 1.0f;
    rig.m_sinkDepth = 5.0f;
    rig.SinkRig();
    EXPECT_EQ(rig.m_sinkDepth, 0.0f);
}

TEST_F(RigSceneTest, NetRisesPixelByPixelAndReverses)
{
    CRetino& net = g_Retino;
    EXPECT_EQ(net.GetY(), 750);
    EXPECT_EQ(net.m_raisedY, 485);
    EXPECT_FALSE(net.m_visible);
    net.Raise();
    int firings = 0;
    while (!net.IsUp() && firings < 1000) {
        EXPECT_TRUE(net.m_raised);
        plat::StepGameClock(10);
        net.RenderBack(dev.get());
        ++firings;
    }
    EXPECT_EQ(firings, 265);
    EXPECT_EQ(net.GetY(), 485);
    // R twice: it sinks from where it had risen to, then rises again.
    net.Toggle();
    for (int i = 0; i < 10; ++i) {
        plat::StepGameClock(10);
        net.RenderBack(dev.get());
    }
    EXPECT_EQ(net.GetY(), 495);
    EXPECT_FALSE(net.IsUp());
    net.Toggle();
    plat::StepGameClock(10);
    net.RenderBack(dev.get());
    EXPECT_EQ(net.GetY(), 494);
    // Lowered all the way it hides below the screen and stays there.
    net.Lower();
    for (int i = 0; i < 300; ++i) {
        plat::StepGameClock(10);
        net.RenderBack(dev.get());
    }
    EXPECT_EQ(net.GetY(), 750);
    EXPECT_FALSE(net.m_visible);
}

TEST_F(RigSceneTest, NetSideByMode)
{
    // The lake's current runs the forward way: in the automatic modes the net
    // stands on that side.
    const struct {
        int mode, offset;
    } cases[] = {{0, 90}, {1, 90}, {2, -90}, {3, 90}, {4, -90}, {5, 90}, {9, -90}};
    for (const auto& c : cases) {
        g_Opzioni.netMode = c.mode;
        EXPECT_EQ(CRetino::GetSideOffset(), c.offset) << "mode " << c.mode;
    }
}

std::string Trace(RigSceneTest*, CCannaPesca& rig, const std::function<void()>& frame)
{
    std::ostringstream out;
    rig.NewCast();
    for (int i = 0; i < 300; ++i) {
        if (i == 20)
            rig.Cast();
        frame();
        out << rig.m_galleggiante.GetX() << ',' << rig.m_galleggiante.GetY() << ',' << rig.m_sinkDepth << ','
            << rig.m_lenza.m_length << ',' << rig.m_lenza.m_tension << ';';
    }
    return out.str();
}

TEST_F(RigSceneTest, SameSeedAndFramesGiveTheSameTrace)
{
    rig.m_canna.m_current.type = kRodBolognese;
    plat::SeedRandom(11);
    const std::string a = Trace(this, rig, [this] { Frame(); });
    rig.Reset(dev.get());
    rig.m_canna.m_current.type = kRodBolognese;
    plat::SetGameClock(1000);
    plat::SeedRandom(11);
    const std::string b = Trace(this, rig, [this] { Frame(); });
    EXPECT_EQ(a, b);
}

TEST_F(RigSceneTest, NoFloatRigCastsSinksAndIsNeverDrawn)
{
    rig.m_galleggiante.SelectById(dev.get(), kNoFloatId);
    rig.SetFloatPosition(60.0f + 45.0f);
    EXPECT_EQ(rig.m_galleggiante.m_exposedHeight, 0);
    EXPECT_EQ(rig.GetFloatDepth(), 30); // the leader's 10 cm, at least 30
    rig.NewCast();
    EXPECT_EQ(rig.m_timer[1].interval, 180u);
    rig.Cast();
    for (int i = 0; i < 6000; ++i) {
        Frame();
        ASSERT_GE(rig.m_sinkDepth, 0.0f);
        ASSERT_LE(rig.m_sinkDepth, rig.GetBottomDepth());
    }
    EXPECT_FALSE(rig.m_galleggiante.m_visible);
}

TEST_F(RigSceneTest, DeviceLostMidCastComesBack)
{
    rig.NewCast();
    rig.Cast();
    Frames(5);
    const float angle = rig.m_canna.m_angle;
    rig.OnLostDevice();
    g_Retino.OnLostDevice();
    rig.OnResetDevice(dev.get());
    g_Retino.OnResetDevice(dev.get());
    EXPECT_EQ(rig.GetPhase(), kPhaseCast);
    EXPECT_FLOAT_EQ(rig.m_canna.m_angle, angle);
    Frames(100);
    EXPECT_EQ(rig.GetPhase(), kPhaseRest);
    EXPECT_TRUE(rig.m_canna.m_drawer && rig.m_lenza.m_drawer);
    EXPECT_TRUE(AnyInk(380, 300, 420, 600, 0xFF204060));
}

} // namespace
