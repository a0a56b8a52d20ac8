#include "simulation/tackle/Cerchi.h"

#include "tests/simulation/tackle/SceneFixture.h"
#include "world/SceneLinks.h"

#include <gtest/gtest.h>

namespace {

using scene_test::SceneTest;

class CerchiTest : public SceneTest {
protected:
    void SetUp() override
    {
        SceneTest::SetUp();
        pool.Load(dev.get());
    }
    // Steps one ring at its own pace until it has grown out; the count of steps.
    int GrowOut(CCerchi& ring)
    {
        int steps = 0;
        while (!ring.HasEnded() && steps < 100) {
            plat::StepGameClock(ring.m_timer[0].interval + 1);
            ring.RunTimer0();
            ++steps;
        }
        return steps;
    }
    CGestCerchi pool;
};

TEST_F(CerchiTest, ARingNearALiveOneIsRefusedAndPlacedOnceItEnded)
{
    pool.SpawnBig(100, 300, true);
    pool.SpawnBig(103, 298, true);
    EXPECT_EQ(pool.CountLive(), 1);
    pool.SpawnBig(106, 300, true); // 6 pixels away is not near
    EXPECT_EQ(pool.CountLive(), 2);
    GrowOut(pool.m_rings[0]);
    EXPECT_EQ(pool.CountLive(), 1);
    pool.SpawnBig(100, 300, true);
    EXPECT_EQ(pool.CountLive(), 2);
}

TEST_F(CerchiTest, FullPoolPlacesNothing)
{
    for (int i = 0; i < CGestCerchi::kRings; ++i)
        pool.SpawnSmall(10 + (i % 20) * 20, 150 + (i / 20) * 20, true);
    EXPECT_EQ(pool.CountLive(), 200);
    pool.SpawnSmall(790, 590, true);
    EXPECT_EQ(pool.CountLive(), 200);
}

TEST_F(CerchiTest, RequestsArePacedAtAQuarterSecond)
{
    pool.SpawnMedium(100, 300, false);
    EXPECT_EQ(pool.CountLive(), 1);
    plat::StepGameClock(200);
    pool.SpawnMedium(400, 300, false); // too early: dropped
    EXPECT_EQ(pool.CountLive(), 1);
    plat::StepGameClock(51);
    pool.SpawnMedium(500, 300, false);
    EXPECT_EQ(pool.CountLive(), 2);
    EXPECT_FLOAT_EQ(pool.m_rings[1].m_limit, 1.2f);
}

TEST_F(CerchiTest, BigRingGrowsFromAQuarterToItsLimitIn24StepsAndIsFreed)
{
    pool.SpawnBig(200, 400, true);
    CCerchi& ring = pool.m_rings[0];
    EXPECT_FLOAT_EQ(ring.m_scale, 0.4f);
    EXPECT_EQ(ring.m_timer[0].interval, 30u);
    EXPECT_EQ(ring.m_visible, 1);
    EXPECT_EQ(GrowOut(ring), 24);
    EXPECT_EQ(ring.m_visible, 0);
    EXPECT_EQ(pool.CountLive(), 0);
    // Alpha falls as the ring grows.
    pool.SpawnBig(200, 400, true);
    plat::StepGameClock(31);
    ring.RunTimer0();
    EXPECT_NEAR(ring.m_alpha, 0.75f, 1e-5);
}

TEST_F(CerchiTest, RepeatingRingStartsAgainAtAQuarter)
{
    CCerchi ring(dev.get());
    ring.SetSmall();
    ring.m_scale = 0.2f;
    for (int i = 0; i < 11; ++i)
        ring.OnTimer0();
    EXPECT_NEAR(ring.m_scale, 0.75f, 1e-5);
    ring.OnTimer0(); // reaches 0.8: back to a quarter instead of ending
    EXPECT_FLOAT_EQ(ring.m_scale, 0.2f);
    EXPECT_FALSE(ring.HasEnded());
}

TEST_F(CerchiTest, RainRingsReachTheGamePool)
{
    const WaterRingLink* link = GetWaterRingLink();
    ASSERT_NE(link, nullptr);
    g_GestCerchi.Load(dev.get());
    const int before = g_GestCerchi.CountLive();
    link->SpawnSmallNow(321, 456);
    EXPECT_EQ(g_GestCerchi.CountLive(), before + 1);
}

TEST_F(CerchiTest, RingsAreDrawnSmallerFarAway)
{
    pool.SpawnBig(200, 130, true);
    pool.SpawnBig(600, 560, true);
    // The first frame takes the first growth step (the ring fades in from
    // alpha 0); the second shows it.
    for (int frame = 0; frame < 2; ++frame) {
        dev->Clear(kBlack);
        dev->BeginScene();
        pool.Render(dev.get());
        dev->EndScene();
        plat::StepGameClock(5);
    }
    auto width = [&](int cx, int cy) {
        int w = 0;
        for (int x = cx - 60; x <= cx + 60; ++x)
            for (int y = cy - 20; y <= cy + 20; ++y)
                if (!gfx_test::Near(Px(x, y), kBlack, 20)) {
                    ++w;
                    break;
                }
        return w;
    };
    const int far = width(200, 130), near = width(600, 560);
    EXPECT_GT(far, 0);
    EXPECT_GT(near, far);
}

} // namespace
