// A fish on the real rig: the once-a-second checks that lose it (each loss
// reason), the warning marker, and the hooked fish's own numbers (size
// classes, stamina, landing box).
#include "simulation/scene/RigFacts.h"
#include "simulation/session/Gioco.h"
#include "simulation/session/Sessione.h"
#include "tests/simulation/scene/RigSceneFixture.h"
#include "tests/support/LanguageGuard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

namespace rig_test {
namespace {

PesceRecord Species(int index)
{
    PesceRecord r{};
    r.speciesIndex = index;
    r.minSize = 10;
    r.maxSize = 110;
    r.weightK = 1;
    r.weightB = 2.0f;
    r.weightM = 0.01f;
    r.minHook = 2;
    r.maxHook = 20;
    r.biteKind = 1;
    return r;
}

class FightTest : public RigSceneTest {
protected:
    void SetUp() override
    {
        RigSceneTest::SetUp();
        FightSettings();
        rig.m_canna.m_current.type = kRodBolognese;
        rig.NewCast();
        rig.Cast();
        Frames(200);
    }
    // A fish of this weight and stamina takes the leader.
    void FishOn(float weight, float stamina, int species = 5)
    {
        g_Pesce.m_species = Species(species);
        g_Pesce.m_weight = weight;
        g_Pesce.m_stamina = g_Pesce.m_maxStamina = stamina;
        g_Pesce.m_length = 30;
        g_Pesce.m_run = 0;
        g_Pesce.m_exhaustion = 0;
        rig.m_canna.m_phase = kPhaseFish;
        rig.m_hookInUse = 2;
        rig.m_strike = 0;
        rig.m_noStrikeTicks = 0;
        rig.m_overLimitTicks = 0;
        rig.m_lossReason = 0;
    }
    // The rig's own facts with a good hook and a fish far out.
    FishOnFacts Facts()
    {
        FishOnFacts f = rig.GatherFishOnFacts();
        f.hookPoint = 1;
        f.hookBarb = 0;
        f.hookSize = 12;
        f.maxTension = 200.0f;
        f.tension = 100.0f;
        f.breakingLoad = 1000.0f;
        f.distance = 0.0f;
        f.lineOut = 1000.0f;
        f.lineEndY = float(f.bandTop - 5); // beyond the bands that forgive tension
        return f;
    }
    bool On() const { return rig.GetPhase() == kPhaseFish; }
};

TEST_F(FightTest, NoStrikeLosesOnlyInTheFirstThreeSeconds)
{
    int lost = 0, kept = 0;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        FishOn(300.0f, 1.0f); // a tired fish: only the strike rule applies
        plat::SeedRandom(seed);
        for (int tick = 1; tick <= 6; ++tick) {
            Frames(101); // the check runs once more than a second has passed
            if (!On()) {
                EXPECT_LE(tick, 3) << "seed " << seed;
                EXPECT_EQ(rig.GetLossReason(), 1);
                break;
            }
        }
        if (On()) {
            ++kept;
            EXPECT_EQ(g_Pesce.m_species.biteKind, 0) << "after three seconds it stops nibbling";
        } else {
            ++lost;
        }
    }
    // About half survive three 21 % chances.
    EXPECT_GT(lost, 10);
    EXPECT_GT(kept, 10);
}

TEST_F(FightTest, LossReasonsOfTheChecks)
{
    struct Case {
        const char* name;
        float weight;
        void (*change)(FishOnFacts&);
        int ticks;
        int reason;
    } cases[] = {
        {"over tension, heavy fish", 2000.0f, [](FishOnFacts& f) { f.tension = f.maxTension; }, 4, 2},
        {"over distance only", 2000.0f,
         [](FishOnFacts& f) {
             f.distance = 1300.0f;
             f.drag = 9.0f;
         },
         4, 3},
        {"over tension, light fish", 500.0f, [](FishOnFacts& f) { f.tension = f.maxTension; }, 4, 7},
        {"over tension, three ticks", 2000.0f, [](FishOnFacts& f) { f.tension = f.maxTension; }, 3, 0},
        {"far but the fish outpulls the drag", 2000.0f,
         [](FishOnFacts& f) {
             f.distance = 1300.0f;
             f.drag = 2.0f;
         },
         6, 0},
        {"tension forgiven near the angler", 2000.0f,
         [](FishOnFacts& f) {
             f.tension = f.maxTension;
             f.lineEndY = float(f.bandTop + 10);
         },
         6, 0},
    };
    for (const Case& c : cases) {
        FishOn(c.weight, 5.0f);
        rig.m_strike = 1;
        FishOnFacts f = Facts();
        c.change(f);
        plat::SeedRandom(3);
        for (int t = 0; t < c.ticks; ++t)
            rig.CheckFishOn(f);
        EXPECT_EQ(rig.GetLossReason(), c.reason) << c.name;
        EXPECT_EQ(On(), c.reason == 0) << c.name;
    }
}

TEST_F(FightTest, UnhookRollsAndTheirReasons)
{
    const std::uint32_t pass = SeedDrawing({{1000, 2}});
    struct Case {
        int point, barb, size, reason;
    } cases[] = {
        {0, 0, 12, 4}, {1, 1, 12, 5}, {1, 0, 30, 6}, {0, 0, 30, 6}, {0, 1, 1, 6}, {1, 0, 12, 0},
    };
    for (const Case& c : cases) {
        FishOn(300.0f, 5.0f);
        rig.m_strike = 1;
        FishOnFacts f = Facts();
        f.hookPoint = c.point;
        f.hookBarb = c.barb;
        f.hookSize = c.size;
        plat::SeedRandom(pass);
        rig.CheckFishOn(f);
        EXPECT_EQ(rig.GetLossReason(), c.reason) << "point " << c.point << " barb " << c.barb << " size " << c.size;
    }
    // A failed roll keeps even a pointless hook in.
    FishOn(300.0f, 5.0f);
    rig.m_strike = 1;
    FishOnFacts f = Facts();
    f.hookPoint = 0;
    plat::SeedRandom(SeedDrawing({{1000, 500}}));
    rig.CheckFishOn(f);
    EXPECT_TRUE(On());
}

TEST_F(FightTest, PikeBitesThroughNylonNeverSteel)
{
    for (int kind : {0, 3}) {
        int bitten = 0;
        for (std::uint32_t seed = 1; seed <= 60; ++seed) {
            FishOn(300.0f, 5.0f, 10);
            rig.m_strike = 1;
            FishOnFacts f = Facts();
            f.tension = f.maxTension;
            f.lineEndY = float(f.bandTop + 10); // no over-tension count
            f.terminalLineKind = kind;
            plat::SeedRandom(seed);
            rig.CheckFishOn(f);
            if (!On()) {
                EXPECT_EQ(rig.GetLossReason(), 2);
                ++bitten;
            }
        }
        if (kind == 3)
            EXPECT_EQ(bitten, 0) << "steel";
        else
            EXPECT_GT(bitten, 8) << "nylon";
    }
}

TEST_F(FightTest, WarningShowsThreeLevelsThenTheLineBreaks)
{
    for (int level : {0, 2}) {
        FishOn(2000.0f, 5.0f);
        rig.m_strike = 1;
        FishOnFacts f = Facts();
        f.tension = f.maxTension;
        f.level = level;
        plat::SeedRandom(SeedDrawing({{1000, 900}}));
        for (int tick = 0; tick < 3; ++tick) {
            rig.CheckFishOn(f);
            EXPECT_TRUE(On());
            EXPECT_EQ(rig.m_warning.m_column, tick);
            EXPECT_EQ(rig.m_warning.m_visible, level == 2 ? 0 : 1) << "level " << level;
        }
        rig.CheckFishOn(f);
        EXPECT_FALSE(On());
        EXPECT_EQ(rig.m_warning.m_visible, 0);
    }
    // Each tick starts hidden: an easy second clears the marker.
    FishOn(2000.0f, 5.0f);
    rig.m_strike = 1;
    FishOnFacts f = Facts();
    f.tension = f.maxTension;
    rig.CheckFishOn(f);
    ASSERT_EQ(rig.m_warning.m_visible, 1);
    f.tension = 50.0f;
    rig.CheckFishOn(f);
    EXPECT_EQ(rig.m_warning.m_visible, 0);
    EXPECT_EQ(rig.m_overLimitTicks, 0);
}

TEST_F(FightTest, LossTextsInBothLanguages)
{
    const char* english[8] = {"", "slow reaction", "line broken", "line broken",
                              "fish unhooked", "fish unhooked", "fish unhooked", "fish unhooked"};
    const char* italian[8] = {"", "reazione lenta all'abboccata", "rottura lenza", "rottura lenza",
                              "pesce slamato", "pesce slamato", "pesce slamato", "pesce slamato"};
    for (int reason = 0; reason < 9; ++reason) {
        rig.SetLossReason(reason);
        {
            testing_support::Language en(false);
            EXPECT_STREQ(rig.GetLossReasonText(), reason < 8 ? english[reason] : "");
        }
        {
            testing_support::Language it(true);
            EXPECT_STREQ(rig.GetLossReasonText(), reason < 8 ? italian[reason] : "");
        }
        EXPECT_EQ(rig.GetRigKind(), 2);
    }
}

// ---- the hooked fish ---------------------------------------------------------

TEST_F(FightTest, StaminaStartsTiresAndRecovers)
{
    g_Pesce.m_weight = 50.0f;
    EXPECT_FLOAT_EQ(g_Pesce.GetStrength(false), 0.5f);
    g_Pesce.m_weight = 1500.0f;
    EXPECT_FLOAT_EQ(g_Pesce.GetStrength(false), 5.0f);

    // Slack line and a fish far out: it recovers, never past 1.2 times.
    FishOn(1500.0f, 5.0f);
    rig.m_lenza.m_tension = 0.0f;
    for (int i = 0; i < 200; ++i) {
        g_Pesce.m_run = 500;
        g_Pesce.OnTimer0();
    }
    EXPECT_FLOAT_EQ(g_Pesce.m_stamina, 6.0f);

    // Under tension at retrieve speed 2 every tick costs 0.016.
    FishOn(1500.0f, 5.0f);
    rig.m_lenza.m_tension = rig.m_lenza.GetMaxTension(2);
    g_Pesce.OnTimer0();
    EXPECT_NEAR(g_Pesce.m_stamina, 5.0f - 0.016f, 1e-5f);
}

TEST_F(FightTest, LandingBoxAroundTheRaisedNet)
{
    g_Opzioni.netMode = 1;
    struct Case {
        int dx, dy;
        bool lands;
    } cases[] = {
        {-50, 0, true}, {-51, 0, false}, {60, 0, true}, {61, 0, false},
        {0, -30, true}, {0, -31, false}, {0, 75, true}, {0, 76, false},
    };
    for (const Case& c : cases) {
        g_Sessione.Clear();
        g_Gioco.m_state = kSessionFishing;
        FishOn(800.0f, 1.0f);
        g_Retino.Raise();
        g_Retino.m_y = g_Retino.m_raisedY;
        g_Pesce.m_run = 10;
        g_Pesce.m_x = g_Retino.m_x + c.dx;
        rig.m_lenza.m_points[1][1] = float(g_Retino.m_y + c.dy);
        g_Pesce.CheckLanding();
        EXPECT_EQ(g_Sessione.GetCount(), c.lands ? 1 : 0) << c.dx << ", " << c.dy;
        EXPECT_EQ(g_Gioco.GetState(), c.lands ? kSessionCatchDetails : kSessionFishing);
        if (c.lands) {
            EXPECT_FLOAT_EQ(g_Sessione.GetCatch(0).weight, 800.0f);
            EXPECT_FALSE(On());
        }
    }
    // A tired fish raises the net by itself.
    g_Retino.Lower();
    FishOn(800.0f, 1.0f);
    g_Pesce.m_run = 500;
    g_Pesce.CheckLanding();
    EXPECT_TRUE(g_Retino.m_raised);
    g_Gioco.m_state = kSessionIdle;
}

// Pictures of a fight near the angler: the fish's shadow with its back out
// of the water, and a jump; both with the stamina bar and the warning.
TEST_F(FightTest, PicturesOfTheFight)
{
    WithBackground();
    struct Shot {
        const char* file;
        bool jump;
    } shots[] = {{"fight_shadow.png", false}, {"fight_jump.png", true}};
    for (const Shot& shot : shots) {
        FishOn(900.0f, 3.5f);
        g_Pesce.m_length = 45;
        g_Pesce.m_heading = 20.0f;
        rig.m_strike = 1;
        rig.m_lenza.SetEndPoint(430.0f, 440.0f);
        rig.m_warning.m_column = 1;
        rig.m_warning.m_visible = 1;
        rig.m_lenza.m_tension = 150.0f;
        for (int f = 0; f < 3; ++f) {
            g_Pesce.m_run = 4;
            if (shot.jump) {
                g_Pesce.Jump();
                g_Pesce.m_column = 2;
            }
            // Hold the fish's and the checks' clocks so the pose stays.
            g_Pesce.m_timer[0].last = plat::NowMs() + 10;
            rig.m_timer[0].last = plat::NowMs() + 10;
            Frame();
        }
        SavePicture(shot.file);
        ASSERT_TRUE(On());
        EXPECT_EQ(g_Pesce.GetStaminaFrame(), 8);
    }
}

} // namespace
} // namespace rig_test
