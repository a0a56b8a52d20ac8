// Pictures of the main menu and the options screen for a person to look at
// (written beside the test program), in both languages and both layouts.
// The checks are only that each picture was written and the screen drew.
#include "screens/MenuOpzioni.h"
#include "screens/MenuPrincipale.h"
#include "simulation/session/Statistiche.h"
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

} // namespace
