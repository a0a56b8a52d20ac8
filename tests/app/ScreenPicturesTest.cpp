// Pictures of the menu screens for a person to look at (written beside the
// test program), in both languages and both layouts; and every screen and
// page checked for texts that leave their boxes.
#include "screens/MenuConfigura.h"
#include "screens/MenuEsche.h"
#include "screens/MenuGara.h"
#include "screens/MenuOpzioni.h"
#include "screens/MenuPesci.h"
#include "screens/MenuPrincipale.h"
#include "simulation/tackle/CannaPesca.h"
#include "simulation/session/Gara.h"
#include "world/Pesci.h"
#include "simulation/session/Statistiche.h"
#include "simulation/tackle/Esca.h"
#include "simulation/tackle/Pastura.h"
#include "world/Luogo.h"
#include "tests/app/GameJourney.h"
#include "tests/app/Journey.h"

#include <algorithm>
#include <cstring>
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

// Every screen and tackle box page in both languages, every species'
// details, every venue and bait, and a tournament's standings with a medal:
// no text leaves its box, its panel or the window, no two labels are drawn
// over each other and no two panels overlap.
TEST_F(ScreenPicturesTest, EveryTextStaysInsideItsBox)
{
    for (bool italian : {false, true}) {
        Stop();
        ASSERT_EQ(StartJourney({.italian = italian,
                                .settings = {{"MODOACQUE", "2"}, {"VISSTATS", "1"}, {"GIOCATORE", "Marta Bellandi"}}}),
                  0);
        const std::string language = italian ? " (it)" : " (en)";
        auto check = [&](const std::string& where, bool dialogOpen = false) {
            ProbeFrame();
            for (const std::string& problem : LayoutProblems(dialogOpen))
                ADD_FAILURE() << where << language << ": " << problem;
        };
        for (int screen : {kScreenMainMenu, kScreenOptions, kScreenRecords}) {
            g_pApp->SwitchToScreen(screen); // entered as its button enters it
            check("screen " + std::to_string(screen));
        }

        CListBox& venues = g_Luogo.VenueList();
        for (int i = 0; i < venues.GetCount(); ++i) {
            ASSERT_TRUE(g_Luogo.SelectByIndex(venues.GetItem(i)->id));
            g_pApp->GoToVenues();
            check(std::string("venue ") + venues.GetItem(i)->col0);
        }
        // A name too long for the list ends with "..." after its last whole
        // word that fits.
        EXPECT_NE(Find(italian ? "Canale di bonifica..." : "Mallero torrent..."), nullptr);

        g_pApp->GoToFishes();
        for (unsigned s = 0; s < unsigned(CPesci::kCount); ++s) {
            g_MenuPesci.m_species = int(s);
            check(std::string("species ") + g_Pesci.GetName(s));
            if (italian && std::string(g_Pesci.GetName(s)) == "Cavedano")
                Shot("fishes_long_baits_it"); // its baits line in the smaller face
        }
        // Pictures of the five longest descriptions.
        std::vector<unsigned> longest(CPesci::kCount);
        for (unsigned s = 0; s < longest.size(); ++s)
            longest[s] = s;
        std::sort(longest.begin(), longest.end(), [](unsigned a, unsigned b) {
            return std::strlen(g_Pesci.GetDescription(a)) > std::strlen(g_Pesci.GetDescription(b));
        });
        for (int i = 0; i < 5; ++i) {
            g_MenuPesci.m_species = int(longest[std::size_t(i)]);
            Shot("fishes_longest_" + std::to_string(i) + (italian ? "_it" : "_en"));
        }

        g_pApp->SetCurrentScreen(kScreenBaits);
        CListBox& baits = g_MenuEsche.m_baits;
        for (int i = 0; i < baits.GetCount(); ++i) {
            g_Esca.Select(g_pDevice, 2, g_Esca.FindById(baits.GetItem(i)->key));
            baits.SelectByKey(baits.GetItem(i)->key, true);
            check(std::string("bait ") + baits.GetItem(i)->key);
        }

        // A won tournament on the venue with the longest name.
        GaraEvento& ev = g_Gara.m_events[0];
        std::snprintf(ev.venueName, sizeof ev.venueName, "%s", italian ? "Canale di bonifica - Maremma"
                                                                       : "Secca al largo di Capo Palinuro");
        g_Gara.m_currentEvent = 0;
        g_Gara.m_competitorCount = 3;
        g_Gara.m_playerResults[0] = GaraRisultato{900, 9, 4500.0f, 1200.0f, 20};
        for (int i = 0; i < 3; ++i) {
            std::snprintf(g_Gara.m_competitors[i].name, sizeof g_Gara.m_competitors[i].name, "Rival %d", i);
            g_Gara.m_results[i][0] = GaraRisultato{100 * i, i, 300.0f * float(i), 300.0f, 20};
        }
        g_Gara.m_running = 1;
        g_pApp->GoToTournament();
        ASSERT_TRUE(g_MenuGara.m_medal.m_visible);
        check("tournament");
        Shot(std::string("tournament_medal") + (italian ? "_it" : "_en"));

        // Every tackle box page with both droppers in use, and the ruler
        // label that follows the pointer next to a fixed one.
        g_pApp->GoToTackleBox();
        CMenuConfigura& box = g_MenuConfigura;
        for (CFinale& dropper : g_CannaPesca.m_lenza.m_droppers)
            dropper.m_inUse = 1;
        for (int b = 0; b < CMenuConfigura::kBackButton; ++b) {
            Click(280, CMenuConfigura::PageButtonY(b) + 12);
            check("tackle box page " + std::to_string(box.m_page));
            if (box.m_page == CMenuConfigura::kPageLine)
                Shot(std::string("tackle_box_line") + (italian ? "_it" : "_en"));
        }
        for (int y = 125; y <= 140; y += 3) {
            MoveTo(100, y);
            check("rig view, pointer at " + std::to_string(y));
        }
        MoveTo(600, 400);
        Click(box.ToolX(CMenuConfigura::kToolLoad) + 10, CMenuConfigura::ToolY() + 10);
        check("load dialog", true);
        Click(475, 412); // its Cancel button
        EXPECT_EQ(box.m_dialog, CMenuConfigura::kNoDialog);
        g_Gara.m_running = 0;

        // The fishing session: its start panel and the water with the rig.
        g_pApp->SwitchToScreen(kScreenMainMenu);
        Click(kMainMenuButtonX, MainMenuButtonY(CMenuPrincipale::kStartFishing));
        ASSERT_EQ(Screen(), kScreenSession);
        check("session start", true);
        Click(kStartOkX, kStartOkY);
        Advance(1000);
        check("session");
        EXPECT_EQ(Screen(), kScreenSession);
        EXPECT_GT(probed.size(), 3u) << "the session's status texts";
    }
}

} // namespace
