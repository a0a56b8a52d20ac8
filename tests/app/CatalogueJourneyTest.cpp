// Whole-game journeys through the catalogue screens: a paused session's
// visits to them, the waters mode followed by every screen, the baits chosen
// for the three hooks and kept across a restart, and a tournament whose
// clock runs out while the venues are open.
#include "tests/app/GameJourney.h"

#include "screens/MenuEsche.h"
#include "screens/MenuGara.h"
#include "screens/MenuLuogo.h"
#include "screens/MenuOpzioni.h"
#include "screens/MenuPesci.h"
#include "screens/MenuPrincipale.h"
#include "shell/Opzioni.h"
#include "simulation/session/Gara.h"
#include "simulation/session/Gioco.h"
#include "simulation/tackle/CannaPesca.h"
#include "simulation/tackle/Esca.h"
#include "world/Luogo.h"
#include "world/Pesci.h"

#include <string>

namespace {

// The venues screen's list, its first row.
constexpr int kVenueRowX = 100, kVenueRowY = 85;

// J6: a paused session visits the catalogue screens and comes back to its
// game menu each time; the venue in use cannot change under it.
TEST_F(GameJourney, PausedSession)
{
    ASSERT_EQ(StartJourney(), 0);
    ClickMainMenu(CMenuPrincipale::kStartFishing);
    Click(kStartOkX, kStartOkY);
    ASSERT_EQ(g_Gioco.GetState(), kSessionFishing);
    const std::string venue = g_Luogo.Record().id;

    Key('M');
    ClickGameMenu(kMenuBaits);
    ASSERT_EQ(Screen(), kScreenBaits);
    Click(kBaitsBackX, kBaitsBackY);
    ASSERT_EQ(Screen(), kScreenSession);
    ASSERT_EQ(g_Gioco.GetState(), kSessionGameMenu);

    ClickGameMenu(kMenuVenues);
    ASSERT_EQ(Screen(), kScreenVenues);
    ProbeFrame();
    EXPECT_NE(FindPrefix("Venue: "), nullptr);
    EXPECT_EQ(Find("Venues"), nullptr) << "no venue list";
    EXPECT_EQ(g_MenuLuogo.m_createDepth.m_shown && g_MenuLuogo.m_deleteDepth.m_shown, false);
    Click(kVenueRowX, kVenueRowY + 40);
    EXPECT_EQ(g_Luogo.Record().id, venue);
    Shot("journey_paused_venues");
    Click(kVenuesBackX, kVenuesBackY);
    ASSERT_EQ(Screen(), kScreenSession);
    ASSERT_EQ(g_Gioco.GetState(), kSessionGameMenu);

    ClickGameMenu(kMenuFishes);
    ASSERT_EQ(Screen(), kScreenFishes);
    Click(kFishesBackX, kFishesBackY);
    ASSERT_EQ(g_Gioco.GetState(), kSessionGameMenu);
    ClickGameMenu(kMenuBackToFishing);
    EXPECT_EQ(Screen(), kScreenSession);
    EXPECT_EQ(g_Gioco.GetState(), kSessionFishing);
    EXPECT_EQ(g_Luogo.Record().id, venue);
}

// J8: the waters mode chosen on the main menu rules the venues, the fishes,
// the options and the tournament's draw.
TEST_F(GameJourney, Waters)
{
    ASSERT_EQ(StartJourney({.settings = {{"MODOACQUE", "2"}}}), 0);
    Click(kWatersUpX, kWatersY); // both -> fresh water
    ASSERT_EQ(g_Opzioni.waters, 0);
    ClickMainMenu(CMenuPrincipale::kOptions);
    EXPECT_EQ(g_MenuOpzioni.m_waters.GetValue(), 0);
    Click(kOptionsCancelX, kOptionsButtonsY);

    ClickMainMenu(CMenuPrincipale::kVenues);
    EXPECT_EQ(VenueListProblem(0), "");
    EXPECT_STREQ(g_Luogo.Record().id, kVenueLake);
    Click(kVenuesBackX, kVenuesBackY);
    ClickMainMenu(CMenuPrincipale::kFishes);
    EXPECT_EQ(g_MenuPesci.m_species, 89);
    CListBox& fishes = g_Pesci.List();
    for (int i = 0; i < fishes.GetCount(); ++i) {
        const ListItem* row = fishes.GetItem(i);
        EXPECT_EQ(row->enabled, g_Pesci.LivesInFreshWater(unsigned(row->id)) ? 1 : 0) << row->col0;
    }
    Click(kFishesBackX, kFishesBackY);

    Click(kWatersUpX, kWatersY); // fresh -> sea water
    ASSERT_EQ(g_Opzioni.waters, 1);
    EXPECT_STREQ(g_Luogo.Record().id, kVenueSea);
    ClickMainMenu(CMenuPrincipale::kFishes);
    EXPECT_EQ(g_MenuPesci.m_species, 44);
    Click(kFishesBackX, kFishesBackY);

    ClickMainMenu(CMenuPrincipale::kTournament);
    ASSERT_EQ(Screen(), kScreenSession);
    EXPECT_EQ(g_Luogo.Record().TIPO, 2) << "the tournament drew " << g_Luogo.Record().name;
    Click(kStartOkX, kStartOkY);
    EndSessionByEsc();
    Click(kResultsOkX, kResultsY);
    ClickTournamentBack();

    ClickMainMenu(CMenuPrincipale::kOptions);
    EXPECT_EQ(g_MenuOpzioni.m_waters.GetValue(), 1);
    Click(kOptionsOkX, kOptionsButtonsY);
    EXPECT_NE(Settings().find("MODOACQUE=1"), std::string::npos);
}

// J9: a bait for each of the three hooks, written on Back, read again at
// the next start and shown on the start panel.
TEST_F(GameJourney, Baits)
{
    ASSERT_EQ(StartJourney(), 0);
    ClickMainMenu(CMenuPrincipale::kBaits);
    ASSERT_EQ(Screen(), kScreenBaits);
    CSpinnerAmi& hook = g_MenuEsche.m_hook;
    CListBox& baits = g_MenuEsche.m_baits;
    ASSERT_GE(baits.GetCount(), 4);
    const auto clickRow = [&](int row) { Click(100, baits.m_y + 25 + baits.RowHeight() * row + baits.RowHeight() / 2); };
    const struct {
        int slot;
        const char* caption;
        int row;
    } choices[] = {{2, "Line-hook: ", 1}, {1, "Line-hook (1): ", 2}, {0, "Line-hook (2): ", 3}};
    std::string chosen[3];
    for (const auto& c : choices) {
        SetSpinner(hook, c.slot);
        ProbeFrame();
        EXPECT_NE(FindPrefix(std::string(c.caption)), nullptr) << c.caption;
        clickRow(c.row);
        ASSERT_NE(baits.GetSelectedKey(), nullptr);
        chosen[c.slot] = baits.GetSelectedKey();
        EXPECT_EQ(chosen[c.slot], g_Esca.GetSlot(c.slot).id);
    }
    EXPECT_NE(chosen[0], chosen[1]);
    EXPECT_NE(chosen[1], chosen[2]);
    Shot("journey_baits");
    Click(kBaitsBackX, kBaitsBackY);
    ASSERT_EQ(Screen(), kScreenMainMenu);
    const std::string file = Settings();
    EXPECT_NE(file.find("ESCA_FI=" + chosen[2]), std::string::npos);
    EXPECT_NE(file.find("ESCA_B1=" + chosen[1]), std::string::npos);
    EXPECT_NE(file.find("ESCA_B2=" + chosen[0]), std::string::npos);

    ASSERT_EQ(Restart(), 0);
    for (int slot = 0; slot < 3; ++slot)
        EXPECT_EQ(chosen[slot], g_Esca.GetSlot(slot).id) << slot;
    ClickMainMenu(CMenuPrincipale::kBaits);
    for (const auto& c : choices) {
        SetSpinner(hook, c.slot);
        EXPECT_STREQ(baits.GetSelectedKey(), chosen[c.slot].c_str()) << c.caption;
    }
    Click(kBaitsBackX, kBaitsBackY);

    // The start panel shows each hook's bait for the hooks the rig uses.
    ClickMainMenu(CMenuPrincipale::kStartFishing);
    const CLenza& line = g_CannaPesca.m_lenza;
    const bool inUse[3] = {line.m_droppers[1].m_inUse != 0, line.m_droppers[0].m_inUse != 0, true};
    for (int slot = 0; slot < 3; ++slot) {
        if (!inUse[slot])
            continue;
        const EscaRecord& bait = g_Esca.GetSlot(slot);
        EXPECT_NE(std::string(g_Gioco.m_baitPhotos[slot].m_path).find(bait.photo), std::string::npos) << slot;
    }
    Shot("journey_baits_start_panel");
}

// J4's other ending: the clock runs out while the venues screen, opened
// from the game menu, is current; its Back shows the results.
TEST_F(GameJourney, TournamentEndsBehindTheVenues)
{
    ASSERT_EQ(StartJourney({.settings = {{"TEMPOGARA", "5"}, {"PESCATORIGARA", "10"}}}), 0);
    ClickMainMenu(CMenuPrincipale::kTournament);
    Click(kStartOkX, kStartOkY);
    Key('M');
    ClickGameMenu(kMenuVenues);
    ASSERT_EQ(Screen(), kScreenVenues);
    Seconds(5 * 60 + 2);
    EXPECT_EQ(Screen(), kScreenVenues);
    EXPECT_EQ(g_Gioco.GetState(), kSessionResults);
    Click(kVenuesBackX, kVenuesBackY);
    ASSERT_EQ(Screen(), kScreenSession);
    ASSERT_EQ(g_Gioco.GetState(), kSessionResults);
    Click(kResultsOkX, kResultsY);
    ASSERT_EQ(Screen(), kScreenTournament);
    ExpectStandings(10);
    ClickTournamentBack();
    EXPECT_EQ(Screen(), kScreenMainMenu);
}

} // namespace
