#pragma once
// Scene tests: a headless 800 x 600 device, fresh folders, the species
// catalogue, a fixed midsummer noon on the game clock and a fake clock for
// the timed steps. The game clock is put back afterwards.
#include "platform/Clock.h"
#include "platform/Random.h"
#include "shell/GestFile.h"
#include "tests/shell/GfxFixture.h"
#include "tests/support/TempFolders.h"
#include "world/Calendario.h"
#include "world/Meteo.h"
#include "world/Pesci.h"

#include <string>

namespace scene_test {

class SceneTest : public gfx_test::GfxTest {
protected:
    void SetUp() override
    {
        GfxTest::SetUp();
        g_Opzioni.italian = false;
        ASSERT_TRUE(g_GestFile.Init());
        g_Pesci.Load(dev.get());
        savedClock = g_Calendario;
        SetClock(7, 12);
        plat::SetFakeClock(100000);
        plat::SeedRandom(1);
    }
    void TearDown() override
    {
        g_Calendario = savedClock;
        g_Meteo.SetState(0);
        g_Meteo.SetWind(0, 0);
        GfxTest::TearDown();
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
    std::string ErrorLog() const { return tmp.Read("appdata/Karvelin/norva_error.log"); }
    static std::string ShippedVenues() { return std::string(KARVELIN_SOURCE_DIR) + "/data/Luoghi"; }

    testing_support::TempFolders tmp;
    CCalendario savedClock;
};

} // namespace scene_test
