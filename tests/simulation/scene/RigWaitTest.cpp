// The rig while the player waits: the line a cast pays out (and pays out
// again when the float lands far from it), a reel rod refused a cast, the
// glide of a slack line and the easing of a taut one, the drift with the
// current, and the sea's bobbing.
#include "tests/simulation/scene/RigSceneFixture.h"

#include "simulation/tackle/Cerchi.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

namespace rig_test {
namespace {

class RigWaitTest : public RigSceneTest {
protected:
    void Rod(int type, float length)
    {
        rig.m_canna.m_current.type = type;
        rig.m_canna.SetLength(length);
        rig.NewCast();
    }
    // The float left at rest at this point, the rig shown at rest.
    void FloatAt(int x, int y)
    {
        CGalleggiante& g = rig.m_galleggiante;
        g.m_dip = 0;
        g.SetY(y);
        g.SetX(x);
        rig.m_targetX = float(g.GetX());
        rig.m_targetY = float(g.GetY());
    }
    // A bolognese settled after its cast.
    CGalleggiante& SettledBolognese()
    {
        Rod(kRodBolognese, 500.0f);
        Frames(300);
        return rig.m_galleggiante;
    }
    static std::string ShippedVenues() { return std::string(KARVELIN_SOURCE_DIR) + "/data/Luoghi"; }
};

// What a cast pays out: a boat rod its length, a bolognese or spinning rod
// its throw with a spread of up to a fifth, a pole nothing of its own. The
// same rule pays out again when the float lands far off the line.
TEST_F(RigWaitTest, CastLineOutByRodType)
{
    struct Case {
        int type;
        float rod;
        float requested;
    } cases[] = {{kRodBoat, 300.0f, 2000.0f}, {kRodBolognese, 600.0f, 200.0f}, {kRodBolognese, 400.0f, 900.0f},
                 {kRodSpinning, 300.0f, 1500.0f}, {kRodPole, 500.0f, 520.0f}};
    for (const Case& c : cases) {
        Rod(c.type, c.rod);
        const float weight = float(rig.m_piombo.GetTotalWeight() + rig.GetBaitWeight());
        float low = c.requested;
        if (c.type == kRodBoat)
            low = c.rod;
        else if (c.type != kRodPole && c.rod >= c.requested)
            low = std::min(std::max(c.rod, 2.3f * weight), rig.GetDepthAt(rig.m_bands[0]));
        std::set<int> seen;
        for (std::uint32_t seed = 1; seed <= 20; ++seed) {
            plat::SeedRandom(seed);
            rig.PayOutCast(c.requested);
            const float l = rig.m_lenza.m_length;
            if (c.type == kRodBolognese || c.type == kRodSpinning) {
                EXPECT_GE(l, low) << c.type << " " << c.requested;
                EXPECT_LT(l, low + std::trunc(low * 0.2f)) << c.type << " " << c.requested;
            } else {
                EXPECT_FLOAT_EQ(l, low) << c.type;
            }
            seen.insert(int(l));
        }
        EXPECT_EQ(seen.size() > 5, c.type == kRodBolognese || c.type == kRodSpinning) << c.type;
    }
    // A boat rod's cast frees the line to run out.
    Rod(kRodBoat, 300.0f);
    rig.Cast();
    EXPECT_EQ(rig.m_mulinello.m_lineRelease, 1);
}

TEST_F(RigWaitTest, FloatLandingFarFromTheLinePaysOutAgainByTheCastsRule)
{
    for (int type : {kRodBoat, kRodBolognese, kRodPole}) {
        Rod(type, 400.0f);
        CGalleggiante& g = rig.m_galleggiante;
        rig.SetLineLength(type == kRodPole ? 450.0f : 6000.0f);
        g.m_lineAbove = 20;
        plat::SeedRandom(9);
        g.Land(80.0f, 90.0f, 400, false);
        const float row = g.GetDistance();
        const float l = rig.m_lenza.m_length;
        if (type == kRodBoat) {
            EXPECT_FLOAT_EQ(l, 400.0f) << "its own length, not the row's " << row;
        } else if (type == kRodBolognese) {
            ASSERT_GT(row, 400.0f);
            EXPECT_GE(l, row);
            EXPECT_LT(l, row * 1.2f);
            EXPECT_NE(l, row) << "with the throw's spread";
        } else {
            EXPECT_LE(std::fabs(l - 450.0f), 50.0f) << "a pole's line stays by its length";
        }
    }
}

TEST_F(RigWaitTest, ReelRodCastsOnlyWithTheLineIn)
{
    Rod(kRodBolognese, 400.0f);
    rig.SetLineLength(390.0f);
    EXPECT_TRUE(rig.CanCast());
    rig.SetLineLength(400.0f);
    EXPECT_FALSE(rig.CanCast());
    Rod(kRodPole, 400.0f);
    rig.SetLineLength(450.0f);
    EXPECT_TRUE(rig.CanCast());
}

// A slack line lets the rig glide toward the rod, faster near the angler;
// a taut one draws the float in a pixel a frame at the surface.
TEST_F(RigWaitTest, SlackLineGlidesTautLineEases)
{
    CGalleggiante& g = SettledBolognese();
    // Slack: far more line above the float than the float's distance.
    FloatAt(560, rig.m_bands[3] + 60);
    g.m_lineAbove = 5000;
    rig.m_glide[0] = rig.m_glide[1] = 0.0f;
    rig.m_sinkDepth = 0.0f;
    ASSERT_GT(rig.GetLineSlack(), 0.0f);
    float before = rig.m_targetX;
    for (int i = 1; i <= 5; ++i) {
        rig.UpdateIdle();
        EXPECT_FLOAT_EQ(rig.m_glide[0], float(i)) << "the speed ramps up below the last band";
    }
    EXPECT_LT(rig.m_targetX, before);
    EXPECT_EQ(rig.m_lenza.m_rigFlags[0], 1);
    // Between the last two bands the speed falls back to 2.
    FloatAt(560, rig.m_bands[2] + 5);
    rig.m_glide[0] = rig.m_glide[1] = 6.0f;
    for (int i = 0; i < 10; ++i)
        rig.UpdateIdle();
    EXPECT_FLOAT_EQ(rig.m_glide[0], 2.0f);

    // Taut: no line to spare. At the surface a pixel a frame toward the rod.
    FloatAt(560, rig.m_bands[3] + 60);
    g.m_lineAbove = 10;
    ASSERT_LT(rig.GetLineSlack(), 0.0f);
    ASSERT_TRUE(g.IsAtSurface());
    before = float(g.GetX());
    rig.UpdateIdle();
    EXPECT_FLOAT_EQ(float(g.GetX()), before - 1.0f);
    EXPECT_EQ(rig.m_lenza.m_rigFlags[0], 0);
}

// The drift goes with the venue's current: the built-in lake has a slow one
// (its table's "ultra slow"), so the float travels with it until the line
// holds it; a motionless venue never moves it. On the bottom beyond the
// shallowest shot most drift steps are dropped.
TEST_F(RigWaitTest, DriftFollowsTheCurrentUntilTheLineHolds)
{
    struct Case {
        const char* venue;
        bool drifts;
    } cases[] = {{kVenueLake, true}, {"Bacino.kvl", false}};
    for (const Case& c : cases) {
        if (std::string(c.venue) == kVenueLake)
            Venue(kVenueLake);
        else
            g_Luogo.LoadVenue(ShippedVenues().c_str(), c.venue);
        g_Meteo.SetWind(0, 0);
        Rod(kRodPole, 500.0f);
        const int x0 = rig.m_galleggiante.GetX();
        for (int f = 0; f < 6000; ++f)
            Frame();
        const int moved = rig.m_galleggiante.GetX() - x0;
        if (c.drifts) {
            EXPECT_GT(moved, 100) << "with the lake's current";
            // It rests where the line above it no longer lets it go on.
            EXPECT_LE(rig.GetLineSlack(), 10.0f);
            const int held = rig.m_galleggiante.GetX();
            Frames(1000);
            EXPECT_EQ(rig.m_galleggiante.GetX(), held);
        } else {
            EXPECT_EQ(moved, 0) << c.venue;
        }
    }
}

TEST_F(RigWaitTest, DriftOnTheBottomDropsFourStepsInFive)
{
    CGalleggiante& g = SettledBolognese();
    int steps[2] = {0, 0};
    for (int bottom : {0, 1}) {
        for (int i = 0; i < 1000; ++i) {
            FloatAt(200, rig.m_bands[3] + 60); // the rod's right of it: the current runs to the rod
            g.m_sinkOffset = 0;
            g.m_bottomFlag = std::uint8_t(bottom);
            g.m_driftAccumulator = 0.99f;
            rig.DriftRig();
            steps[bottom] += g.GetX() != 200;
        }
    }
    EXPECT_GT(steps[0], 950);
    EXPECT_NEAR(double(steps[1]) / 1000.0, 0.2, 0.05);
}

TEST_F(RigWaitTest, DriftRingsVerticalCurrentAndTheLeadOnTheBottom)
{
    CGalleggiante& g = SettledBolognese();
    // A strong drive rings the water where the float moves.
    FloatAt(200, rig.m_bands[3] + 60);
    g.m_sinkOffset = 0;
    g.m_bottomFlag = 0;
    g.m_driftAccumulator = 0.99f;
    g.SetVisibleHeight(10);
    g_GestCerchi.Load(dev.get());
    ASSERT_EQ(g_GestCerchi.CountLive(), 0);
    plat::StepGameClock(300); // the pool takes one new ring per 250 ms
    rig.DriftRig();
    EXPECT_EQ(g_GestCerchi.CountLive(), 1);
    EXPECT_EQ(g_GestCerchi.m_requestX, 200);
    EXPECT_EQ(g_GestCerchi.m_requestY, g.GetY());

    // A vertical current of 2 carries the float a pixel down a step; 1
    // up, unless the line then runs short.
    for (int vertical : {2, 1}) {
        g_Luogo.Record().CORRENTEVERTICALE = vertical;
        FloatAt(400, rig.m_bands[3] + 60);
        g.m_lineAbove = 5000;
        g.m_bottomFlag = 0;
        const int y = g.GetY();
        rig.DriftRig();
        EXPECT_EQ(g.GetY(), vertical == 2 ? y + 1 : y - 1) << vertical;
    }
    g.m_lineAbove = 0;
    const int y = g.GetY();
    rig.DriftRig();
    EXPECT_EQ(g.GetY(), y) << "no line to rise on";
    g_Luogo.Record().CORRENTEVERTICALE = 0;

    // No float and the lead on the bottom: only six times in a thousand,
    // and never with a torpille.
    g.SelectById(nullptr, "INTERNAL_V");
    rig.m_sinkDepth = rig.GetBottomDepth();
    auto movesIn3000 = [&] {
        int moves = 0;
        for (int i = 0; i < 3000; ++i) {
            FloatAt(200, rig.m_bands[3] + 60);
            g.m_sinkOffset = 0;
            g.m_driftAccumulator = 0.99f;
            rig.DriftRig();
            moves += g.GetX() != 200;
        }
        return moves;
    };
    ASSERT_TRUE(rig.m_piombo.HasNoShapeOne());
    const int moves = movesIn3000();
    EXPECT_GT(moves, 5);
    EXPECT_LT(moves, 40);
    rig.m_piombo.AddShotById("INTERNAL_1", 30, 0, true);
    ASSERT_FALSE(rig.m_piombo.HasNoShapeOne());
    EXPECT_EQ(movesIn3000(), 0) << "a torpille holds the lead on the bottom";
}

// At sea the float bobs: by 3 every 120 ms when its rating and the lead's
// weight class suit the water, else by the wave level at the sea state's
// pace. On the built-in harbour (no current) with a rough sea the two
// branches part.
TEST_F(RigWaitTest, SeaBobbingByWhatSuitsTheWater)
{
    Venue(kVenueSea);
    Rod(kRodBolognese, 500.0f);
    CGalleggiante& g = rig.m_galleggiante;
    g_Luogo.Record().seaState = 2; // wave level 8, 60 ms
    struct Case {
        int rating, weightClass;
        bool suits;
    } cases[] = {{2, 2, true}, {-1, 2, true}, {-1, -1, true}, {0, 2, false}, {2, 0, false}, {-1, 3, false}};
    for (const Case& c : cases) {
        g.m_current.currentRating = c.rating;
        rig.m_piombo.m_weightClass = c.weightClass;
        g.m_sinkOffset = 0;
        g.m_bobOffset = g.m_bobStep = 0;
        int most = 0;
        for (int i = 0; i < 40; ++i) {
            rig.OnTimer3();
            most = std::max(most, g.m_bobOffset);
        }
        EXPECT_EQ(most, c.suits ? 3 : 8) << c.rating << " " << c.weightClass;
        EXPECT_EQ(rig.m_timer[3].interval, c.suits ? 120u : 60u) << c.rating << " " << c.weightClass;
    }
    // Off the sea, or with a fish on, nothing bobs.
    Venue(kVenueLake);
    rig.OnTimer3();
    EXPECT_EQ(g.m_bobOffset, 0);
    EXPECT_EQ(g.m_bobStep, 0);
}

} // namespace
} // namespace rig_test
