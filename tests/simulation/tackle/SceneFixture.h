#pragma once
// Scene tests: a headless 800 x 600 device, fresh folders, the species
// catalogue, a fixed midsummer noon on the game clock and a fake clock for
// the timed steps. The game clock is put back afterwards.
#include "platform/Clock.h"
#include "platform/Random.h"
#include "tests/world/WorldFixture.h"
#include "world/Calendario.h"
#include "world/Meteo.h"

#include <string>

namespace scene_test {

class SceneTest : public world_test::WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        if (HasFatalFailure())
            return;
        savedClock = g_Calendario;
        SetClock(7, 12);
        plat::SetGameClock(100000);
        plat::SeedRandom(1);
    }
    void TearDown() override
    {
        g_Calendario = savedClock;
        g_Meteo.SetState(0);
        g_Meteo.SetWind(0, 0);
        WorldTest::TearDown();
    }
    static void SetClock(int month1, int hour)
    {
        g_Calendario.SetMonth(month1 - 1);
        g_Calendario.SetDayOfMonth(15);
        g_Calendario.SetHour(hour);
        g_Calendario.SetMinute(0);
        g_Calendario.Normalise();
        g_Calendario.Refresh();
    }
    static std::string ShippedVenues() { return std::string(KARVELIN_SOURCE_DIR) + "/data/Luoghi"; }

    CCalendario savedClock;
};

} // namespace scene_test
