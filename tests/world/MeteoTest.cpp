#include "world/Meteo.h"

#include "platform/Clock.h"
#include "platform/Random.h"
#include "tests/world/WorldFixture.h"
#include "world/Calendario.h"
#include "world/Luogo.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using world_test::WorldTest;

class MeteoTest : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        plat::SetGameClock(1000);
        g_Meteo.Init(dev.get());
        g_Luogo.LoadVenue("", kVenueLake);
    }
    void TearDown() override
    {
        g_Meteo.SetState(0);
        g_Meteo.SetWind(0, 0);
        WorldTest::TearDown();
    }
    // A seed whose first draw % 100 gives the wind r.
    static std::uint32_t SeedForWind(int lo, int hi)
    {
        for (std::uint32_t seed = 1;; ++seed) {
            plat::SeedRandom(seed);
            const int r = plat::Random() % 100;
            if (r >= lo && r <= hi)
                return seed;
        }
    }
};

TEST(MeteoDraw, WindThresholds)
{
    const int cases[][2] = {{0, 3}, {5, 3}, {6, 2}, {20, 2}, {21, 1}, {40, 1}, {41, 0}, {99, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(CMeteo::WindOfDraw(c[0]), c[1]) << c[0];
}

TEST(MeteoDraw, MonthThresholdsAtTheirEdges)
{
    struct Case {
        int month, r2, t, wind, hour, state;
    };
    const Case cases[] = {
        {0, 8, 5, 0, 8, kWeatherFog},     {0, 8, 5, 0, 12, kWeatherClear}, {0, 10, 5, 0, 16, kWeatherFog},
        {0, 10, 10, 0, 8, kWeatherClear}, {0, 10, 5, 1, 8, kWeatherClear}, {0, 11, 5, 0, 8, kWeatherRain},
        {0, 40, 1, 0, 8, kWeatherSnow},   {0, 40, 2, 0, 8, kWeatherRain},  {0, 41, 2, 0, 8, kWeatherCloudy},
        {0, 70, 2, 0, 8, kWeatherCloudy}, {0, 71, 2, 0, 8, kWeatherClear}, {11, 70, 20, 0, 12, kWeatherCloudy},
        {1, 5, 0, 0, 6, kWeatherFog},     {1, 6, 0, 0, 6, kWeatherSnow},   {10, 60, 15, 0, 12, kWeatherCloudy},
        {2, 0, 5, 0, 8, kWeatherFog},     {2, 1, 5, 0, 8, kWeatherRain},   {4, 25, 15, 0, 12, kWeatherRain},
        {4, 51, 15, 0, 12, kWeatherClear}, {6, 10, 25, 0, 12, kWeatherRain}, {6, 11, 25, 0, 12, kWeatherCloudy},
        {8, 31, 25, 0, 12, kWeatherClear}, {9, 20, 15, 0, 12, kWeatherRain}, {9, 50, 15, 0, 12, kWeatherCloudy},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CMeteo::StateOfDraw(c.month, c.r2, c.t, c.wind, c.hour), c.state)
            << "month " << c.month << " r2 " << c.r2 << " t " << c.t << " hour " << c.hour;
}

TEST_F(MeteoTest, ForcedRainOnAStrongWindDaySlantsWithTheWind)
{
    g_Opzioni.weather = 2;
    plat::SeedRandom(SeedForWind(0, 5));
    g_Meteo.NewDay();
    EXPECT_EQ(g_Meteo.GetState(), kWeatherRain);
    EXPECT_EQ(g_Meteo.GetWind(), 3);
    EXPECT_EQ(g_Meteo.m_drop.m_column, g_Meteo.GetDirection() == 1 ? 2 : 0);
    for (int i = 0; i < CMeteo::kParticles; ++i) {
        EXPECT_GE(g_Meteo.m_speeds[i], 32);
        EXPECT_LE(g_Meteo.m_speeds[i], 63);
    }
    const CMeteo::Particle p = g_Meteo.m_particles[0];
    g_Meteo.MoveParticles();
    const CMeteo::Particle q = g_Meteo.m_particles[0];
    if (q.y != 0) { // not started again
        EXPECT_EQ(q.y, p.y + g_Meteo.m_speeds[0]);
        EXPECT_EQ(q.x, p.x + (g_Meteo.GetDirection() == 1 ? 3 : -3));
    }
    EXPECT_STREQ(g_Meteo.GetWindText(), g_Meteo.GetDirection() == 1 ? "strong >" : "strong <");
}

TEST_F(MeteoTest, WeatherSwitchedOff)
{
    g_Opzioni.weather = -2;
    g_Meteo.SetState(kWeatherFog);
    g_Meteo.NewDay();
    EXPECT_EQ(g_Meteo.GetState(), kWeatherClear);
    EXPECT_EQ(g_Meteo.GetWind(), 0);
    g_Meteo.SetState(kWeatherFog);
    float r = 0.9f, g = 0.8f, b = 0.7f;
    g_Meteo.LimitLight(r, g, b);
    EXPECT_FLOAT_EQ(r, 0.9f);
    EXPECT_FLOAT_EQ(b, 0.7f);
    dev->Clear(kBlack);
    dev->BeginScene();
    g_Meteo.DrawIcon(dev.get());
    g_Meteo.Draw(dev.get());
    dev->EndScene();
    EXPECT_FALSE(AnyInk(0, 0, 800, 600));

    // Switched on, the fog (made when first drawn) covers the whole screen.
    g_Opzioni.weather = -1;
    g_Meteo.SetState(kWeatherFog);
    dev->Clear(kBlack);
    dev->BeginScene();
    g_Meteo.Draw(dev.get());
    dev->EndScene();
    EXPECT_TRUE(AnyInk(0, 0, 10, 10));
    EXPECT_TRUE(AnyInk(790, 590, 800, 600));
}

TEST_F(MeteoTest, LightCapsByState)
{
    g_Opzioni.weather = -1;
    struct Case {
        int state;
        float expected;
    };
    for (const Case& c : {Case{kWeatherClear, -1}, Case{kWeatherCloudy, 0.7f}, Case{kWeatherRain, 0.6f},
                          Case{kWeatherSnow, 0.6f}, Case{kWeatherFog, 0.5f}}) {
        g_Meteo.SetState(c.state);
        float r = 0.9f, g = 0.8f, b = 0.75f;
        g_Meteo.LimitLight(r, g, b);
        if (c.expected < 0) {
            EXPECT_FLOAT_EQ(r, 0.9f);
            EXPECT_FLOAT_EQ(g, 0.8f);
        } else {
            EXPECT_FLOAT_EQ(r, c.expected);
            EXPECT_FLOAT_EQ(g, c.expected);
            EXPECT_FLOAT_EQ(b, c.expected);
        }
    }
    // Through the clock: a foggy day is never brighter than 0.5.
    g_Calendario.SetHour(12);
    g_Calendario.Normalise();
    g_Meteo.SetState(kWeatherFog);
    float colour[4];
    g_Calendario.GetAmbientColour(colour);
    EXPECT_LE(colour[0], 0.5f);
    EXPECT_FLOAT_EQ(colour[0], colour[2]);
}

TEST_F(MeteoTest, RainMakesTheClocksAirColder)
{
    g_Meteo.SetState(kWeatherClear);
    const int clear = g_Calendario.GetAirTemperature(1);
    g_Meteo.SetState(kWeatherRain);
    EXPECT_EQ(g_Calendario.GetAirTemperature(1), clear - 4); // +1 clear, -3 rain
}

TEST_F(MeteoTest, WindDrift)
{
    g_Meteo.SetWind(2, 0);
    EXPECT_EQ(g_Meteo.GetWindDrift(), -20);
    g_Meteo.SetWind(3, 1);
    EXPECT_EQ(g_Meteo.GetWindDrift(), 40);
    g_Meteo.SetWind(0, 1);
    EXPECT_EQ(g_Meteo.GetWindDrift(), 0);
    EXPECT_STREQ(g_Meteo.GetWindText(), "absent");
}

TEST_F(MeteoTest, SettingOutOfRangeCountsAsChanceAndLogsOnce)
{
    g_Opzioni.weather = 9;
    for (int day = 0; day < 20; ++day) {
        plat::SeedRandom(std::uint32_t(day + 1));
        g_Meteo.NewDay();
        EXPECT_GE(g_Meteo.GetState(), 0);
        EXPECT_LE(g_Meteo.GetState(), 4);
    }
    const std::string log = ErrorLog();
    const auto first = log.find("CONDIZIONEMETEO");
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(log.find("CONDIZIONEMETEO", first + 1), std::string::npos);
}

TEST_F(MeteoTest, RainDrawsDropsAndRingsTheWater)
{
    g_Opzioni.weather = 2;
    plat::SeedRandom(SeedForWind(41, 99));
    g_Meteo.NewDay();
    ASSERT_EQ(g_Meteo.GetState(), kWeatherRain);
    EXPECT_EQ(g_Meteo.m_drop.m_column, 1); // straight without wind
    dev->Clear(kBlack);
    dev->BeginScene();
    g_Meteo.Draw(dev.get());
    dev->EndScene();
    EXPECT_TRUE(AnyInk(0, 0, 800, 600));
}

} // namespace
