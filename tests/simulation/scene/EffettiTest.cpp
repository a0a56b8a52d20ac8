#include "simulation/scene/Effetti.h"

#include "simulation/tackle/Cerchi.h"
#include "tests/simulation/tackle/SceneFixture.h"
#include "world/Fondale.h"
#include "world/Luogo.h"
#include "world/SceneLinks.h"

#include <gtest/gtest.h>

namespace {

using scene_test::SceneTest;

class EffettiTest : public SceneTest {
protected:
    void SetUp() override
    {
        SceneTest::SetUp();
        g_Luogo.LoadVenue("", kVenueLake);
        g_GestCerchi.Load(dev.get());
        fx.Load(dev.get());
        g_Fondale.Clear();
        AllFish(true);
    }
    static void AllFish(bool on)
    {
        for (int c = 0; c < 33; ++c)
            for (int r = 0; r < 33; ++r)
                g_Fondale.SetFishCell(c, r, on);
    }
    // Steps the effects n times; how many steps started a jump.
    int Jumps(int n)
    {
        int started = 0;
        for (int i = 0; i < n; ++i) {
            const bool before = fx.m_jumpActive;
            fx.OnTimer0();
            if (!before && fx.m_jumpActive)
                ++started;
            fx.m_jumpActive = 0;
        }
        return started;
    }
    // A seed whose first draw % 1000 lies in [lo, hi).
    static std::uint32_t SeedFor(int lo, int hi)
    {
        for (std::uint32_t seed = 1;; ++seed) {
            plat::SeedRandom(seed);
            const int r = plat::Random() % 1000;
            if (r >= lo && r < hi)
                return seed;
        }
    }
    CEffetti fx;
};

TEST_F(EffettiTest, JumpsNeedDaylightWarmAirAndAFishCell)
{
    EXPECT_GT(Jumps(3000), 0);
    SetClock(7, 23); // night
    EXPECT_EQ(Jumps(3000), 0);
    SetClock(1, 12); // an alpine January noon: far below 10 degrees
    EXPECT_EQ(Jumps(3000), 0);
    SetClock(7, 12);
    AllFish(false);
    EXPECT_EQ(Jumps(3000), 0);
}

TEST_F(EffettiTest, RainTriplesTheChanceOfAJump)
{
    const std::uint32_t seed = SeedFor(5, 15);
    plat::SeedRandom(seed);
    EXPECT_EQ(Jumps(1), 0);
    g_Meteo.SetState(kWeatherRain);
    plat::SeedRandom(seed);
    EXPECT_EQ(Jumps(1), 1);
    plat::SeedRandom(SeedFor(15, 16));
    EXPECT_EQ(Jumps(1), 0);
}

TEST_F(EffettiTest, JumpRunsSevenFramesAndTheLastShowsNothing)
{
    plat::SeedRandom(SeedFor(0, 5));
    fx.OnTimer0();
    ASSERT_TRUE(fx.m_jumpActive);
    EXPECT_GE(fx.m_jump.GetY(), 13 * 20);
    EXPECT_LE(fx.m_jump.GetY(), 27 * 20);
    int frames = 1;
    while (fx.m_jumpActive) {
        fx.OnTimer0();
        frames += fx.m_jumpActive ? 1 : 0;
    }
    EXPECT_EQ(frames, 7);
    // The seventh frame lies past the sheet: nothing may show.
    for (int column : {2, 6}) {
        fx.m_jump.m_visible = 1;
        fx.m_jump.m_column = column;
        fx.m_jump.m_scale = 1.0f;
        fx.m_jump.SetX(400);
        fx.m_jump.SetY(400);
        dev->Clear(kBlack);
        dev->BeginScene();
        fx.m_jump.Draw(dev.get());
        dev->EndScene();
        EXPECT_EQ(AnyInk(340, 340, 460, 460), column == 2) << column;
    }
}

TEST_F(EffettiTest, NoSurfaceFishInCloudyWater)
{
    auto surfaced = [&](int steps) {
        for (int i = 0; i < steps; ++i) {
            fx.OnTimer0();
            if (fx.m_surfaceActive)
                return true;
        }
        return false;
    };
    EXPECT_TRUE(surfaced(3000));
    fx.Clear();
    g_Luogo.Record().ACQUA = 1;
    EXPECT_FALSE(surfaced(5000));
    g_Luogo.Record().ACQUA = 0;
    SetClock(7, 23);
    EXPECT_FALSE(surfaced(5000));
}

TEST_F(EffettiTest, SurfaceFishFadesInSwimsAndFadesOut)
{
    plat::SeedRandom(SeedFor(0, 5)); // no jump draw < 5 with warm noon: the jump goes first
    fx.StartSurfaceFish();
    ASSERT_TRUE(fx.m_surfaceActive);
    EXPECT_EQ(fx.m_surfacePhase, 1);
    const int x0 = fx.m_surface.GetX();
    const float rotation = fx.m_surface.m_rotation;
    EXPECT_TRUE((rotation >= 161 && rotation <= 199) || (rotation >= -19 && rotation <= 19));
    int steps = 0;
    while (fx.m_surfaceActive && steps < 20000) {
        fx.OnTimer0();
        fx.m_jumpActive = 0;
        ++steps;
    }
    EXPECT_FALSE(fx.m_surfaceActive);
    EXPECT_EQ(fx.m_surfacePhase, 0);
    EXPECT_NE(fx.m_surface.GetX(), x0);
}

TEST_F(EffettiTest, OverlayHidesAtOnceAndFadesInAboutNineSeconds)
{
    fx.ToggleOverlay();
    EXPECT_TRUE(fx.m_overlayShown);
    fx.ToggleOverlay();
    EXPECT_FALSE(fx.m_overlayShown);
    fx.ToggleOverlay();
    // Polled every game frame; each run of the one-second timer is a second.
    int seconds = 0, frames = 0;
    while (fx.m_overlayShown && frames < 3100) {
        const float alpha = fx.m_marker.m_alpha;
        plat::StepGameClock(plat::kGameStepMs);
        fx.RunTimer1();
        ++frames;
        if (fx.m_marker.m_alpha != alpha || !fx.m_overlayShown)
            ++seconds;
    }
    EXPECT_GE(seconds, 9);
    EXPECT_LE(seconds, 10);
    EXPECT_LE(frames, 10 * 101) << "a run every 101 game frames";
    EXPECT_EQ(fx.m_marker.m_visible, 0);
}

TEST_F(EffettiTest, OverlayMarksAShareOfTheCellsByLevel)
{
    struct Case {
        int level;
        int low, high;
    };
    for (const Case& c : {Case{2, 25, 95}, Case{1, 70, 160}, Case{0, 270, 390}, Case{7, 270, 390}}) {
        g_Opzioni.level = c.level;
        if (fx.m_overlayShown)
            fx.ToggleOverlay();
        fx.ToggleOverlay();
        int marked = 0;
        for (int col = 0; col < 33; ++col)
            for (int r = 0; r < 33; ++r) {
                const int v = fx.m_overlay[col][r];
                marked += v != 0;
                EXPECT_GE(v, -5);
                EXPECT_LE(v, 6);
            }
        EXPECT_GE(marked, c.low) << c.level;
        EXPECT_LE(marked, c.high) << c.level;
    }
}

struct DepthRig {
    static bool Depth(int y, float& cm)
    {
        cm = float(2000 - y);
        return true;
    }
};
const RigLink kDepthRig = {nullptr, nullptr, nullptr, DepthRig::Depth};

TEST_F(EffettiTest, OverlayMarkersOnlyOverEvenRowsOfFishBelowTheWaterLine)
{
    AllFish(false);
    g_Opzioni.level = 0;
    fx.ToggleOverlay();
    for (int c = 0; c < 33; ++c)
        for (int r = 0; r < 33; ++r)
            fx.m_overlay[c][r] = 0;
    // Row 8 lies below the lake's water line (row 10 of 30 = y 200), row 2 above it.
    fx.m_overlay[10][2] = 3;
    fx.m_overlay[12][8] = 3;
    fx.m_overlay[14][9] = 3;
    fx.m_overlay[16][8] = 3;
    g_Fondale.SetFishCell(10, 2, true);
    g_Fondale.SetFishCell(12, 8, true);
    g_Fondale.SetFishCell(14, 9, true);
    auto inkAt = [&](int c, int r) {
        const int x = g_Fondale.XOfColumn(c) + 3, y = g_Fondale.YOfRow(r) + 3;
        return AnyInk(x - 8, y - 4, x + 8, y + 4);
    };
    SetRigLink(nullptr);
    dev->Clear(kBlack);
    dev->BeginScene();
    fx.Render(dev.get());
    dev->EndScene();
    EXPECT_FALSE(inkAt(10, 2)); // above the water line
    EXPECT_TRUE(inkAt(12, 8));
    EXPECT_FALSE(inkAt(14, 9)); // odd row
    EXPECT_FALSE(inkAt(16, 8)); // no fish there
    EXPECT_FALSE(AnyInk(0, 100, 60, 560)); // no depth labels without a rig

    SetRigLink(&kDepthRig);
    dev->Clear(kBlack);
    dev->BeginScene();
    fx.Render(dev.get());
    dev->EndScene();
    EXPECT_TRUE(AnyInk(0, 120, 60, 140));
    SetRigLink(nullptr);
}

} // namespace
