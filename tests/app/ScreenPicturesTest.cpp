// Pictures of the menu screens for a person to look at (written beside the
// test program), in both languages and both layouts.
// The checks are only that each picture was written and the screen drew.
#include "screens/MenuEsche.h"
#include "screens/MenuOpzioni.h"
#include "screens/MenuPrincipale.h"
#include "simulation/session/Statistiche.h"
#include "simulation/tackle/Esca.h"
#include "simulation/tackle/Pastura.h"
#include "world/Luogo.h"
#include "tests/app/Journey.h"

#include <filesystem>

namespace {

using ScreenPicturesTest = JourneyTest;

TEST_F(ScreenPicturesTest, MainMenuAndOptions)
{
    const struct {
        const char* name;
        bool italian;
        int resolution;
        const char* stats;
        int screen;
        bool question;
    } cases[] = {
        {"main_menu_it", true, 0, "1", kScreenMainMenu, false},
        {"main_menu_en", false, 0, "1", kScreenMainMenu, false},
        {"main_menu_no_stats", false, 0, "0", kScreenMainMenu, false},
        {"main_menu_1024", true, 1, "1", kScreenMainMenu, false},
        {"options_it", true, 0, "1", kScreenOptions, false},
        {"options_en", false, 0, "1", kScreenOptions, false},
        {"options_question", false, 1, "1", kScreenOptions, true},
    };
    const CStatistiche saved = g_Statistiche;
    for (const auto& c : cases) {
        Stop();
        ASSERT_EQ(StartJourney({.italian = c.italian,
                                .resolution = c.resolution,
                                .settings = {{"VISSTATS", c.stats}, {"GIOCATORE", "Marta Bellandi"}}}),
                  0);
        // A full page: every counter and five best catches.
        g_Statistiche.Clear();
        g_Statistiche.m_sessions = 42;
        g_Statistiche.m_minutes = 3150.0f;
        g_Statistiche.m_weight = 48250.0f;
        g_Statistiche.m_fishCount = 97.0f;
        g_Statistiche.m_tournaments = 9;
        g_Statistiche.m_firsts = 2;
        g_Statistiche.m_seconds = 3;
        g_Statistiche.m_thirds = 1;
        g_Statistiche.m_tournamentsWithoutCatch = 1;
        const char* names[] = {"Tinca", "Cavedano", "Spigola", "Luccio", "Carpa"};
        for (int slot = 0; slot < CStatistiche::kBest; ++slot)
            g_Statistiche.SetCatch(slot, names[slot], 800.0f + 1700.0f * float(slot), slot);
        g_pApp->SetCurrentScreen(c.screen);
        if (c.question)
            Click(500, 150); // clear statistics
        const std::string path = Shot(c.name);
        EXPECT_TRUE(std::filesystem::exists(path)) << path;
        EXPECT_EQ(Screen(), c.screen);
    }
    g_Statistiche = saved;
}

// The venues screen on a river with its current indicator, the fishes
// screen, and the baits screen with a lure's eight lines and a groundbait's
// fishes.
TEST_F(ScreenPicturesTest, VenuesFishesAndBaits)
{
    for (int resolution : {0, 1})
    for (bool italian : {true, false}) {
        if (resolution == 1 && !italian)
            continue;
        const std::string language = std::string(italian ? "_it" : "_en") + (resolution == 1 ? "_1024" : "");
        Stop();
        ASSERT_EQ(StartJourney({.italian = italian, .resolution = resolution, .settings = {{"MODOACQUE", "2"}}}),
                  0);
        const ListItem* river = g_Luogo.VenueList().FindByKey("FiumePianura.kvl");
        ASSERT_NE(river, nullptr);
        ASSERT_TRUE(g_Luogo.SelectByIndex(river->id));
        g_pApp->GoToVenues();
        EXPECT_TRUE(std::filesystem::exists(Shot("venues" + language)));

        g_pApp->GoToFishes();
        EXPECT_TRUE(std::filesystem::exists(Shot("fishes" + language)));

        g_pApp->SetCurrentScreen(kScreenBaits);
        g_Esca.Select(g_pDevice, 2, g_Esca.FindById("minnow7.kve"));
        g_MenuEsche.m_baits.SelectByKey("minnow7.kve", true);
        for (int i = 0; i < g_Pastura.GetCount(); ++i)
            if (std::string(g_Pastura.GetRecord(i).id) == "carpa.kvt")
                g_Pastura.m_selected = i;
        g_MenuEsche.m_groundbaits.SelectById(g_Pastura.m_selected, true);
        g_MenuEsche.FillGroundbaitSpecies();
        EXPECT_TRUE(std::filesystem::exists(Shot("baits" + language)));
        // The bread type's Italian name holds a tab.
        g_Esca.Select(g_pDevice, 2, g_Esca.FindById("polenta.kve"));
        g_MenuEsche.m_baits.SelectByKey("polenta.kve", true);
        EXPECT_TRUE(std::filesystem::exists(Shot("baits_bread" + language)));
        EXPECT_EQ(Screen(), kScreenBaits);
    }
}

} // namespace
