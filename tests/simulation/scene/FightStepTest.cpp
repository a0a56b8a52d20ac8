// The fight frame by frame: the pull toward the rod by the fish's weight,
// the run's approach, the rod's bend, the float following a nibbler; the
// fish's own tick (run walk, sideways shift, heading); and the faults a
// player met: a struck nibbler's float, line given that the fish never took,
// a fish carried out of the net's reach, a loss within a tick.
#include "simulation/scene/RigFacts.h"
#include "simulation/session/Gioco.h"
#include "simulation/session/Sessione.h"
#include "tests/simulation/scene/RigSceneFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

namespace rig_test {
namespace {

class FightStepTest : public RigSceneTest {
protected:
    void SetUp() override
    {
        RigSceneTest::SetUp();
        FightSettings();
    }
    void Cast(int rodType)
    {
        rig.m_canna.m_current.type = rodType;
        rig.NewCast();
        rig.Cast();
        Frames(600);
    }
    // A fish of this weight and stamina on the leader, struck unless said.
    void FishOn(float weight, float stamina, bool struck = true, int biteKind = 0)
    {
        g_Pesce.m_species = PesceRecord{};
        g_Pesce.m_species.speciesIndex = 5;
        g_Pesce.m_species.minHook = 2;
        g_Pesce.m_species.maxHook = 20;
        g_Pesce.m_species.biteKind = biteKind;
        g_Pesce.m_weight = weight;
        g_Pesce.m_stamina = g_Pesce.m_maxStamina = stamina;
        g_Pesce.m_length = 30;
        g_Pesce.m_run = 0;
        g_Pesce.m_exhaustion = 0;
        g_Pesce.m_jumping = 0;
        rig.m_canna.m_phase = kPhaseFish;
        rig.m_hookInUse = 2;
        rig.m_strike = struck ? 1 : 0;
        rig.m_noStrikeTicks = 0;
        rig.m_overLimitTicks = 0;
        rig.m_lossReason = 0;
        rig.m_lineOwed = 0.0f;
    }
    // The fish's and the checks' clocks held, so a frame runs the rig only.
    void FightFrame()
    {
        g_Pesce.m_timer[0].last = plat::NowMs() + 10;
        rig.m_timer[0].last = plat::NowMs() + 10;
        Frame();
    }
    // A row where the bolognese's free line to the fish is just over 0 and
    // at most 100: close enough to be pulled.
    int RowWithFreeLineUpTo100()
    {
        for (int y = rig.m_bottom; y > rig.m_top; --y) {
            rig.m_lenza.m_points[1][1] = float(y);
            const float free = rig.m_lenza.m_length - rig.GetDepthDistance();
            if (free > 0.0f && free <= 100.0f)
                return y;
        }
        return -1;
    }
    float FishDistance() { return rig.GetDepthDistance(); }
    // Fishing with the default pole on the lake, the net rising by itself
    // for a tired fish, a catch log open.
    void PoleWithTheNet()
    {
        g_Pesci.Load(dev.get());
        g_Opzioni.netMode = 1;
        g_Gioco.m_state = kSessionFishing;
        g_Sessione.Start();
        WithBackground();
        Cast(kRodPole);
    }
    void TearDown() override
    {
        g_Gioco.m_state = kSessionIdle;
        RigSceneTest::TearDown();
    }
};

// ---- the fight step --------------------------------------------------------------

TEST_F(FightStepTest, PullChanceFallsWithTheFishWeight)
{
    Cast(kRodBolognese);
    struct Case {
        float weight;
        int percent;
    } cases[] = {{99, 75}, {100, 60}, {149, 60}, {150, 50}, {199, 50}, {200, 40},
                 {399, 40}, {400, 30}, {999, 30}, {1000, 20}, {5000, 20}};
    for (const Case& c : cases) {
        for (int draw : {c.percent - 1, c.percent}) {
            FishOn(c.weight, 1.0f);
            g_Pesce.m_exhaustion = 301; // spent: no sideways shift
            const int y = RowWithFreeLineUpTo100();
            ASSERT_GT(y, 0);
            rig.m_lenza.m_tension = 0.0f; // no pull by tension either
            rig.m_lenza.SetEndPoint(300.0f, float(y));
            rig.m_galleggiante.SetY(y);
            rig.m_galleggiante.SetX(340);
            plat::SeedRandom(SeedDrawing({{100, draw}}));
            rig.UpdateFight();
            // Pulled, the fish leaves its point for the float's, a step
            // toward the rod; else it stays where the line ends.
            const bool pulled = rig.m_lenza.m_points[1][0] != 300.0f;
            EXPECT_EQ(pulled, draw < c.percent) << c.weight << " g, draw " << draw;
            if (pulled) {
                EXPECT_NEAR(rig.m_lenza.m_points[1][0], 340.0f, 3.0f);
            }
        }
    }
}

TEST_F(FightStepTest, RunApproachesTheFreeLineBendFollowsThePull)
{
    Cast(kRodBolognese);
    // A spent fish closes half its run on the free line every frame, never
    // passing it.
    FishOn(800.0f, 1.0f);
    g_Pesce.m_exhaustion = 301;
    rig.SetLineLength(3000.0f);
    rig.m_lenza.SetEndPoint(400.0f, 500.0f);
    const int free = int(std::trunc(rig.m_lenza.m_length - FishDistance()));
    ASSERT_GT(free, 300);
    g_Pesce.m_run = 200;
    rig.UpdateFight();
    EXPECT_EQ(g_Pesce.m_run, 300);
    rig.UpdateFight();
    EXPECT_EQ(g_Pesce.m_run, std::min(free, 450));
    for (int i = 0; i < 10; ++i)
        rig.UpdateFight();
    EXPECT_EQ(g_Pesce.m_run, free);

    // A fighting fish moves its run a unit at a time, now and then.
    FishOn(800.0f, 5.0f);
    rig.m_lenza.SetEndPoint(400.0f, 500.0f);
    g_Pesce.m_run = 5000;
    int moves = 0;
    for (int i = 0; i < 400; ++i) {
        const int before = g_Pesce.m_run;
        rig.UpdateFight();
        ASSERT_LE(std::abs(g_Pesce.m_run - before), 1);
        moves += g_Pesce.m_run != before;
    }
    EXPECT_GT(moves, 30);
    EXPECT_LT(moves, 100);

    // The rod bends by the fish's strength, and further when the line is
    // past half its limit.
    FishOn(2500.0f, 5.0f); // strength 4 + 2
    rig.m_mulinello.m_drag = 9999.9f;
    const float maxT = rig.m_lenza.GetMaxTension(2);
    for (float tension : {0.0f, maxT * 0.5f, maxT}) {
        rig.m_lenza.m_tension = tension;
        g_Pesce.m_run = 100000; // holds the tension up
        rig.UpdateFight();
        const float t = rig.m_lenza.m_tension;
        const float extra = t >= maxT * 0.5f ? (t - maxT * 0.5f) / ((maxT - maxT * 0.5f) / 5.0f) : 0.0f;
        EXPECT_NEAR(rig.m_canna.m_bendTarget, -6.0f - extra, 1e-4f) << tension;
    }
    EXPECT_NEAR(rig.m_canna.m_bendTarget, -11.0f, 1e-4f);
}

TEST_F(FightStepTest, UnstruckNibblerMovesTheFloatOnOneFrameInTwenty)
{
    Cast(kRodPole);
    for (bool struck : {false, true}) {
        for (int draw : {4, 5}) {
            FishOn(300.0f, 3.0f, struck, 1);
            rig.m_lenza.SetEndPoint(420.0f, 400.0f);
            rig.m_galleggiante.SetY(400);
            rig.m_galleggiante.SetX(430);
            plat::SeedRandom(SeedDrawing({{100, draw}}));
            rig.UpdateFight();
            const bool followed = rig.m_galleggiante.GetX() != 430;
            EXPECT_EQ(followed, struck || draw < 5) << "struck " << struck << ", draw " << draw;
        }
    }
}

// ---- the fish's tick ----------------------------------------------------------------

TEST_F(FightStepTest, RunWalkStopsGrowingPastTensionLimitAndKeepsItsBounds)
{
    Cast(kRodBolognese);
    rig.m_lenza.m_material.m_diameter = 90; // a limit of 240
    rig.m_lenza.m_leader.m_material.m_diameter = 90;
    rig.m_lenza.m_maxTensionCache[2] = 0.0f; // measured again
    ASSERT_GT(rig.m_lenza.GetMaxTension(2), 218.0f);
    struct Case {
        float tension;
        bool grows;
    } cases[] = {{216.0f, true}, {std::nextafter(216.0f, 1000.0f), true}, {216.1f, false}};
    for (const Case& c : cases) {
        FishOn(1500.0f, 5.0f);
        g_Pesce.m_run = 1000;
        int most = g_Pesce.m_run;
        for (int tick = 0; tick < 200; ++tick) {
            rig.m_lenza.m_tension = c.tension;
            g_Pesce.m_jumping = 0;
            g_Pesce.OnTimer0();
            most = std::max(most, g_Pesce.m_run);
        }
        EXPECT_EQ(most > 1000, c.grows) << c.tension;
    }
    // Never beyond 15000 nor below -100; a spent fish drifts out a unit a tick.
    FishOn(1500.0f, 5.0f);
    rig.m_lenza.m_tension = 0.0f;
    g_Pesce.m_run = 14990;
    for (int tick = 0; tick < 50; ++tick)
        g_Pesce.OnTimer0();
    EXPECT_EQ(g_Pesce.m_run, 15000);
    FishOn(300.0f, 1.0f);
    g_Pesce.m_exhaustion = 301;
    g_Pesce.m_run = 40;
    plat::SeedRandom(SeedDrawing({{1000, 999}})); // no late jump
    g_Pesce.OnTimer0();
    EXPECT_EQ(g_Pesce.m_run, 41);
}

TEST_F(FightStepTest, SidewaysShiftAndHeading)
{
    FishOn(300.0f, 3.0f);
    struct Case {
        int axis, range, r, m, sign, expect;
    } cases[] = {
        {0, 3, 29, 2, 45, 2}, {0, 3, 29, 2, 46, -2}, {1, 3, 29, 2, 50, 2}, {1, 3, 29, 2, 51, -2},
        {0, 2, 10, 1, 0, 1},  {0, 3, 30, 2, 0, 0}, // stamina x 10 <= r: still
    };
    for (const Case& c : cases) {
        plat::SeedRandom(SeedDrawing({{100, c.r}, {c.range, c.m}, {100, c.sign}}));
        EXPECT_EQ(g_Pesce.GetRandomShift(c.axis, c.range), c.expect)
            << "axis " << c.axis << " r " << c.r << " sign draw " << c.sign;
    }
    g_Pesce.m_exhaustion = 301;
    plat::SeedRandom(SeedDrawing({{100, 0}, {3, 2}, {100, 0}}));
    EXPECT_EQ(g_Pesce.GetRandomShift(0, 3), 0) << "a spent fish shifts nothing";

    // A fighting fish takes the float's angle; a spent one turns a degree a
    // call toward lying on its side, by the angle and the current.
    g_Pesce.m_exhaustion = 0;
    g_Pesce.SetHeading(37.0f);
    EXPECT_FLOAT_EQ(g_Pesce.m_heading, 37.0f);
    g_Pesce.m_exhaustion = 301;
    g_Pesce.m_heading = 0.0f;
    for (int i = 0; i < 5; ++i)
        g_Pesce.SetHeading(40.0f);
    EXPECT_FLOAT_EQ(g_Pesce.m_heading, 5.0f);
    for (int i = 0; i < 200; ++i)
        g_Pesce.SetHeading(40.0f);
    EXPECT_FLOAT_EQ(g_Pesce.m_heading, 80.0f);
    g_Pesce.SetHeading(-40.0f);
    EXPECT_FLOAT_EQ(g_Pesce.m_heading, 79.0f);
    // At exactly 2 degrees the current decides: the lake's runs one way.
    g_Pesce.m_heading = 0.0f;
    g_Pesce.SetHeading(2.0f);
    EXPECT_FLOAT_EQ(g_Pesce.m_heading, g_Luogo.GetCurrentDirection() != 0 ? 1.0f : -1.0f);
}

// ---- faults met in play -----------------------------------------------------------

// A struck fish no longer nibbles whatever its kind: its float goes under
// with the line like any other's. Only an unstruck nibbler leaves it flat.
TEST_F(FightStepTest, StruckNibblerPullsTheFloatUnder)
{
    Cast(kRodPole);
    struct Case {
        int biteKind;
        bool struck;
        bool nibbling;
    } cases[] = {{0, false, false}, {0, true, false}, {1, false, true}, {1, true, false}, {2, true, false}};
    for (const Case& c : cases) {
        Cast(kRodPole);
        FishOn(300.0f, 3.0f, c.struck, c.biteKind);
        g_Pesce.m_run = rig.m_galleggiante.m_position;
        plat::SeedRandom(4);
        for (int f = 0; f < 150; ++f)
            FightFrame();
        const CGalleggiante& g = rig.m_galleggiante;
        EXPECT_EQ(rig.IsNibbling(), c.nibbling) << c.biteKind << " " << c.struck;
        if (c.nibbling) {
            EXPECT_TRUE(g.IsAtSurface());
            EXPECT_EQ(g.m_rotation, 0.0f);
            EXPECT_EQ(g.GetVisibleHeight(), g.m_exposedHeight - 2);
        } else {
            EXPECT_FALSE(g.IsAtSurface()) << c.biteKind << " " << c.struck;
            EXPECT_NEAR(g.m_rotation, rig.m_lenza.GetAngle(), 0.01f);
            EXPECT_EQ(g.GetVisibleHeight(), 0);
        }
        rig.SetLossReason(0);
    }
    // The strike itself, to look at: the nibbler's flat float tips over to
    // the line and goes under a pixel a frame.
    WithBackground();
    Cast(kRodPole);
    FishOn(300.0f, 3.0f, false, 1);
    g_Pesce.m_run = rig.m_galleggiante.m_position;
    for (int f = 0; f < 150; ++f)
        FightFrame();
    const int flat = rig.m_galleggiante.GetVisibleHeight();
    rig.Strike();
    for (int f = 0; f < 3; ++f)
        FightFrame();
    EXPECT_EQ(rig.m_galleggiante.GetVisibleHeight(), flat - 3);
    EXPECT_NEAR(rig.m_galleggiante.m_rotation, rig.m_lenza.GetAngle(), 0.01f);
    SavePicture("fight_struck_nibbler.png");
    // And four times as large around the float.
    plat::Image shot;
    dev->ReadPixels(shot);
    const int cx = rig.m_galleggiante.GetX(), cy = rig.m_galleggiante.GetY();
    plat::Image zoom(240, 160, 0);
    for (int y = 0; y < zoom.height; ++y)
        for (int x = 0; x < zoom.width; ++x)
            zoom.At(x, y) = shot.At(std::clamp(cx - 30 + x / 4, 0, 799), std::clamp(cy - 20 + y / 4, 0, 599));
    plat::SavePng(testing_support::BuildFolderFile("fight_struck_nibbler_zoom.png"), zoom);
}

// The fish swims off with the line the drag gives: on the river, with a
// bolognese and the loosest drag, a strong fish takes line and its distance
// grows by as much; before, the line ran out while the fish stayed put.
TEST_F(FightStepTest, LineGivenByTheDragTakesTheFishOut)
{
    g_Luogo.LoadVenue((std::string(KARVELIN_SOURCE_DIR) + "/data/Luoghi").c_str(), "FiumePianura.kvl");
    Cast(kRodBolognese);
    FishOn(6000.0f, 10.0f);
    rig.m_mulinello.m_drag = 1.0f;
    rig.m_lenza.SetEndPoint(560.0f, 400.0f);
    // Just past the fish, the line holding hard.
    rig.SetLineLength(FishDistance() + 10.0f);
    rig.m_lenza.m_tension = rig.m_lenza.GetMaxTension(2);
    g_Pesce.m_run = 3000;
    const float line0 = rig.m_lenza.m_length, fish0 = FishDistance();
    plat::SeedRandom(3);
    int frames = 0;
    for (; frames < 200 && rig.m_lenza.m_length < line0 + 200.0f; ++frames) {
        FightFrame();
        ASSERT_EQ(rig.GetPhase(), kPhaseFish);
    }
    ASSERT_GE(rig.m_lenza.m_length, line0 + 200.0f) << "the drag gave line";
    const float given = rig.m_lenza.m_length - line0, out = FishDistance() - fish0;
    EXPECT_NEAR(out, given, 40.0f) << frames << " frames";
    EXPECT_LT(rig.m_lenza.m_length - FishDistance(), 60.0f) << "free line";
}

// Where the water ends the fish can go no further, and the drag gives no
// line beyond it: neither at once, nor over a long fight on the shipped
// canal in which the fish's shifts keep carrying its end a row or two off
// the far water's edge.
TEST_F(FightStepTest, NoLineGivenPastTheFarWater)
{
    Cast(kRodBolognese);
    FishOn(6000.0f, 10.0f);
    const float top = float(rig.m_lenza.GetSurfaceYAtEnd(400.0f));
    rig.m_lenza.SetEndPoint(400.0f, top);
    rig.SetLineLength(FishDistance());
    const float line0 = rig.m_lenza.m_length;
    rig.SetLineLength(line0 + 300.0f); // as the drag gives it
    rig.TakeLineOut(300.0f);
    EXPECT_EQ(rig.m_lenza.m_points[1][1], top);
    EXPECT_FLOAT_EQ(rig.m_lenza.m_length, line0) << "the line given is taken back";
    EXPECT_EQ(rig.m_lineOwed, 0.0f);

    g_Luogo.LoadVenue((std::string(KARVELIN_SOURCE_DIR) + "/data/Luoghi").c_str(), "Canale.kvl");
    Cast(kRodBolognese);
    FishOn(6000.0f, 10.0f);
    rig.m_mulinello.m_drag = 1.0f;
    const float edge = float(rig.m_lenza.GetSurfaceYAtEnd(400.0f));
    rig.m_lenza.SetEndPoint(400.0f, edge);
    const float far = FishDistance();
    rig.m_lenza.SetEndPoint(400.0f, edge + 2.0f);
    rig.SetLineLength(FishDistance() + 10.0f);
    rig.m_lenza.m_tension = rig.m_lenza.GetMaxTension(2);
    g_Pesce.m_run = 3000;
    plat::SeedRandom(3);
    int gives = 0, lowest = 1000;
    for (int frame = 0; frame < 1500; ++frame) { // 15 s
        const float before = rig.m_lenza.m_length;
        FightFrame();
        ASSERT_EQ(rig.GetPhase(), kPhaseFish);
        lowest = std::min(lowest, int(rig.m_lenza.m_points[1][1]));
        if (rig.m_lenza.m_length > before) {
            ++gives;
            // A give of this fish against this drag is 20.
            ASSERT_LE(rig.m_lenza.m_length - FishDistance(), 20.01f) << "frame " << frame;
        }
    }
    EXPECT_EQ(lowest, int(edge)) << "the fish reached the far water";
    EXPECT_GT(gives, 20) << "the drag kept giving";
    EXPECT_LE(rig.m_lenza.m_length, far + 20.0f);
}

// The sideways shifts lean left; over a long fight they carried a fish to
// the screen's edge, where no swing of the rod brought the net to it. It
// now stays where the net, beside the rod at the rod's own limit, lands it.
TEST_F(FightStepTest, ALongFightKeepsTheFishWhereTheNetReaches)
{
    for (int net : {3, 2}) {
        g_Opzioni.netMode = net;
        Cast(kRodBolognese);
        int left = 0, right = 0;
        rig.GetLandingSpan(left, right);
        EXPECT_EQ(left, net == 3 ? 175 : 0);
        EXPECT_EQ(right, net == 3 ? 800 : 800 - 135 - 90 + 60);
        FishOn(1500.0f, 5.0f);
        rig.m_mulinello.m_drag = 9999.9f;
        rig.SetLineLength(8000.0f); // far too much line for any pull
        rig.m_lenza.SetEndPoint(float(left + 2), 360.0f);
        plat::SeedRandom(11);
        int lowest = 1000;
        for (int f = 0; f < 3000; ++f) {
            FightFrame();
            lowest = std::min(lowest, int(rig.m_lenza.m_points[1][0]));
        }
        EXPECT_GE(lowest, left) << "net mode " << net;
        // With the rod at its left limit the net's box takes in the span's
        // left end.
        rig.m_canna.SetX(0);
        const int netX = rig.m_canna.GetX() + CRetino::GetSideOffset();
        EXPECT_LE(netX - CPesce::kLandLeft, std::max(left, 0));
    }
}

// A fish lost on a dropper within a second's checks leaves the rest of that
// second to the hook now in use, the leader: a dropper's pointless hook no
// longer turns a slow reaction or a line lost over the limit into an
// unhooked fish, nor its nylon an unhooked fish into a bitten-through line
// when the leader is steel.
TEST_F(FightStepTest, LossWithinATickReadsTheHookNowInUse)
{
    Cast(kRodPole);
    CFinale& dropper = rig.m_lenza.m_droppers[0];
    CFinale& leader = rig.m_lenza.m_leader;
    dropper.m_inUse = 1;
    dropper.m_hook.m_current.point = 0; // would unhook: reason 4
    dropper.m_material.m_kind = 0;      // nylon, bitten through
    leader.m_hook.m_current.point = 1;
    leader.m_hook.m_current.barb = 0;
    leader.m_hook.m_current.size = 12;
    leader.m_material.m_kind = 3;       // steel
    const struct {
        const char* what;
        bool struck;
        int overLimitTicks;
        float tension, distance;
        int species;
        std::uint32_t seed;
        int reason;
    } cases[] = {
        // Lost for the slow reaction, then an unhook roll that passes.
        {"slow reaction", false, 0, 50.0f, 0.0f, 5, SeedDrawing({{100, 3}, {1000, 1}}), 1},
        // The fourth second too far, then an unhook roll that passes.
        {"over the limit", true, 3, 50.0f, 1e6f, 5, SeedDrawing({{1000, 1}}), 3},
        // Unhooked at full tension, then a pike's teeth on the line.
        {"unhooked", true, 0, 1e6f, 0.0f, 10, SeedDrawing({{1000, 1}, {100, 0}}), 4},
    };
    for (const auto& c : cases) {
        FishOn(300.0f, 5.0f, c.struck);
        g_Pesce.m_species.speciesIndex = c.species;
        rig.m_overLimitTicks = c.overLimitTicks;
        rig.m_hookInUse = 1; // the first dropper
        FishOnFacts f = rig.GatherFishOnFacts();
        ASSERT_EQ(f.hookPoint, 0);
        ASSERT_EQ(f.terminalLineKind, 0);
        f.tension = c.tension;
        f.maxTension = 200.0f;
        f.breakingLoad = 100.0f;
        f.distance = c.distance;
        f.lineOut = 500.0f;
        plat::SeedRandom(c.seed);
        rig.CheckFishOn(f);
        EXPECT_EQ(rig.GetLossReason(), c.reason) << c.what;
        EXPECT_EQ(rig.GetRigKind(), 2) << c.what;
    }
}

// The default pole at 800 x 600: a spent fish is led over the raised net by
// swinging the rod toward it. The box the landing reads is where the net's
// ring and the fish are drawn; what keeps the fish waiting there is its run:
// it is drawn toward the rod only while its free line is within 100, and
// landed only below 99, so the player takes up line by raising the rod.
TEST_F(FightStepTest, SpentFishOverTheNetLandsOnceTheRodTakesUpTheLine)
{
    PoleWithTheNet();
    FishOn(300.0f, 1.2f);
    g_Pesce.m_exhaustion = 301;
    rig.m_canna.SetAngle(45.0f);
    rig.m_canna.m_sideAngle = 60.0f; // swung toward the net on the right
    plat::SeedRandom(5);
    bool waited = false;
    int frames = 0;
    for (; frames < 6000 && g_Gioco.GetState() == kSessionFishing; ++frames) {
        Frame();
        // The fish and the place the landing reads are one.
        ASSERT_EQ(g_Pesce.m_x, int(rig.m_lenza.m_points[1][0]));
        ASSERT_EQ(g_Pesce.m_y, int(rig.m_lenza.m_points[1][1]));
        const bool inBox = g_Retino.IsUp() && g_Pesce.m_x >= g_Retino.m_x - CPesce::kLandLeft &&
                           g_Pesce.m_x <= g_Retino.m_x + CPesce::kLandRight &&
                           g_Pesce.m_y >= g_Retino.m_y - CPesce::kLandAbove &&
                           g_Pesce.m_y <= g_Retino.m_y + CPesce::kLandBelow;
        if (inBox && g_Pesce.m_run >= 99)
            waited = true;
        if (frames == 3000) {
            ASSERT_TRUE(waited) << "over the net, the line slack";
            ASSERT_EQ(g_Gioco.GetState(), kSessionFishing);
            rig.m_canna.SetAngle(80.0f); // raised: the line comes up
        }
    }
    EXPECT_EQ(g_Gioco.GetState(), kSessionCatchDetails) << "run " << g_Pesce.m_run;
    EXPECT_EQ(g_Sessione.GetCount(), 1);
}

// A picture to look at: the default pole at 800 x 600, a spent fish
// lying in the raised net's ring with its back out of the water; its next
// tick lands it.
TEST_F(FightStepTest, PictureOfASpentFishLandedInTheNet)
{
    PoleWithTheNet();
    FishOn(900.0f, 1.0f);
    g_Pesce.m_length = 40;
    g_Pesce.m_exhaustion = 301;
    g_Pesce.m_heading = 80.0f;
    g_Retino.Raise();
    Frames(2);
    g_Retino.m_y = g_Retino.m_raisedY;
    rig.m_canna.SetAngle(80.0f);
    rig.m_canna.m_sideAngle = 55.0f;
    const float x = float(g_Retino.m_x), y = float(g_Retino.m_y + 40);
    for (int f = 0; f < 3; ++f) {
        g_Pesce.m_run = 4;
        rig.m_lenza.SetEndPoint(x, y);
        FightFrame();
    }
    ASSERT_EQ(g_Gioco.GetState(), kSessionFishing);
    EXPECT_NEAR(g_Pesce.m_x, x, 3.0f);
    SavePicture("landing_spent_fish.png");
    g_Pesce.m_run = 4;
    g_Pesce.OnTimer0();
    EXPECT_EQ(g_Gioco.GetState(), kSessionCatchDetails);
    EXPECT_EQ(g_Sessione.GetCount(), 1);
}

} // namespace
} // namespace rig_test
