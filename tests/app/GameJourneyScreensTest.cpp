// Whole-game journeys through the menu screens: a paused session's visits
// to them, a rig built, saved, saved over and found again after a restart,
// unsaved changes in the tackle box, the waters mode followed by every
// screen, and a tournament whose clock runs out while the venues are open. (The three hooks' baits
// kept across a restart are the catalogue journey's.)
#include "tests/app/GameJourney.h"

#include "screens/MenuConfigura.h"
#include "screens/MenuGara.h"
#include "screens/MenuLuogo.h"
#include "screens/MenuOpzioni.h"
#include "screens/MenuPesci.h"
#include "screens/MenuPrincipale.h"
#include "shell/Opzioni.h"
#include "simulation/session/Gara.h"
#include "simulation/session/Gioco.h"
#include "simulation/tackle/CannaPesca.h"
#include "world/Luogo.h"
#include "world/Pesci.h"

#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

// The venues screen's list, its first row.
constexpr int kVenueRowX = 100, kVenueRowY = 85;
// The tackle box's lists of the reel, line, shots and float pages, and the
// shots page's add button.
constexpr ListPlace kReels = {350, 50, 180}, kLineColours = {350, 50, 180};
constexpr ListPlace kShots = {350, 50, 370}, kFloats = {350, 50, 370};
constexpr int kAddShotX = 360, kAddShotY = 225;
// A point of the rig view, on the terminal part of the line.
constexpr int kRigViewX = 170, kRigViewY = 200;

int RiggedShots()
{
    int n = 0;
    for (int i = 0; i < kShotSlots; ++i)
        n += g_CannaPesca.m_piombo.IsOccupied(i) ? 1 : 0;
    return n;
}

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
    ClickGameMenu(kMenuTackleBox);
    ASSERT_EQ(Screen(), kScreenTackleBox);
    ClickTackleBack();
    ASSERT_EQ(Screen(), kScreenSession);
    ASSERT_EQ(g_Gioco.GetState(), kSessionGameMenu);
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

// J2: a rig built page by page is saved under a new name, saved over after
// one more change, and is the rig of the next start, in every detail.
TEST_F(GameJourney, TackleBoxRoundTrip)
{
    ASSERT_EQ(StartJourney(), 0);
    CMenuConfigura& box = g_MenuConfigura;
    ClickMainMenu(CMenuPrincipale::kTackleBox);
    ASSERT_EQ(Screen(), kScreenTackleBox);
    while (box.m_type.GetValue() < kRodBolognese)
        StepRodType(true);
    ASSERT_STREQ(box.m_type.GetValueText(), "Bolo-rod");
    Frame();
    EXPECT_NE(box.m_pageButtons[1].m_state, CPulsante::kDisabled) << "a bolo-rod has a reel";

    ClickTacklePage(CMenuConfigura::kPageReel);
    ASSERT_EQ(box.m_page, CMenuConfigura::kPageReel);
    ClickRow(box.m_reels, kReels, box.m_reels.GetSelectedIndex() == 1 ? 2 : 1);
    const int reel = g_CannaPesca.m_mulinello.m_selected;
    EXPECT_EQ(box.m_reels.GetSelectedId(), reel);
    ClickTacklePage(CMenuConfigura::kPageLine);
    ClickRow(box.m_lineColours, kLineColours, 5);
    EXPECT_EQ(g_CannaPesca.m_lenza.m_material.m_colour, 5);
    ClickTacklePage(CMenuConfigura::kPageFloat);
    ClickRow(box.m_floats, kFloats, box.m_floats.GetSelectedIndex() == 2 ? 3 : 2);
    const int floatId = g_CannaPesca.m_galleggiante.m_selected;
    EXPECT_EQ(box.m_floats.GetSelectedId(), floatId);
    ClickTacklePage(CMenuConfigura::kPageShots);
    const int shots = RiggedShots() + 1;
    ClickRow(box.m_shots, kShots, 0);
    Click(kAddShotX, kAddShotY);
    Click(kRigViewX, kRigViewY);
    ASSERT_EQ(RiggedShots(), shots);
    ASSERT_TRUE(box.IsModified());

    ClickTackleTool(CMenuConfigura::kToolSave);
    ASSERT_EQ(box.m_dialog, CMenuConfigura::kSaveDialog);
    Click(kRigNameX, kRigNameY);
    Type(std::string(200, '\b') + "Journey_1");
    Shot("journey_tackle_save_dialog");
    Click(kRigOkX, kRigDialogY);
    EXPECT_EQ(box.m_dialog, CMenuConfigura::kNoDialog);
    const std::string file = folders.Data() + "/Lenze/Journey_1.kvz";
    EXPECT_TRUE(fs::exists(file));
    EXPECT_NE(Settings().find("LENZA=Journey_1"), std::string::npos);
    EXPECT_FALSE(box.IsModified());
    ClickTackleTool(CMenuConfigura::kToolSave);
    EXPECT_EQ(box.m_dialog, CMenuConfigura::kNoDialog) << "nothing to save: the tool does nothing";

    // One more change, saved over the same name.
    ClickTacklePage(CMenuConfigura::kPageLine);
    ClickRow(box.m_lineColours, kLineColours, 6);
    ClickTackleTool(CMenuConfigura::kToolSave);
    ASSERT_EQ(box.m_dialog, CMenuConfigura::kSaveDialog);
    EXPECT_STREQ(box.m_nameBox.GetText(), "Journey_1");
    Click(kRigOkX, kRigDialogY);
    ASSERT_EQ(box.m_ask.GetTag(), CMenuConfigura::kAskOverwrite);
    ASSERT_TRUE(box.m_ask.IsShown());
    Shot("journey_tackle_overwrite");
    Click(kYesX, kAskY);
    EXPECT_EQ(box.m_dialog, CMenuConfigura::kNoDialog);
    EXPECT_FALSE(box.IsModified());
    ClickTackleBack();
    ASSERT_EQ(Screen(), kScreenMainMenu) << "saved: Back asks nothing";

    ASSERT_EQ(Restart(), 0);
    EXPECT_NE(Settings().find("LENZA=Journey_1"), std::string::npos);
    ClickMainMenu(CMenuPrincipale::kTackleBox);
    ASSERT_EQ(Screen(), kScreenTackleBox);
    ClickTacklePage(CMenuConfigura::kPageRod);
    ProbeFrame();
    EXPECT_NE(Find("Bolo-rod"), nullptr);
    EXPECT_EQ(box.m_type.GetValue(), kRodBolognese);
    EXPECT_EQ(box.m_reels.GetSelectedId(), reel);
    EXPECT_EQ(box.m_lineColours.GetSelectedId(), 6);
    EXPECT_EQ(box.m_floats.GetSelectedId(), floatId);
    EXPECT_EQ(RiggedShots(), shots);
    EXPECT_FALSE(box.IsModified());
    ClickTacklePage(CMenuConfigura::kPageLine);
    Shot("journey_tackle_after_restart");
}

// J3: a changed rig is never lost unasked: Back, a new rig and loading
// another each ask first; leaving with Yes keeps the change in use, and
// from a paused session returns to its game menu with the rod at rest.
TEST_F(GameJourney, UnsavedChanges)
{
    ASSERT_EQ(StartJourney(), 0);
    CMenuConfigura& box = g_MenuConfigura;
    ClickMainMenu(CMenuPrincipale::kTackleBox);
    ASSERT_EQ(Screen(), kScreenTackleBox);
    const int type = g_CannaPesca.m_canna.m_current.type;
    StepRodType(true);
    const int changed = g_CannaPesca.m_canna.m_current.type;
    ASSERT_NE(changed, type);
    ASSERT_TRUE(box.IsModified());

    ClickTackleBack();
    ASSERT_EQ(box.m_ask.GetTag(), CMenuConfigura::kAskLeave);
    ProbeFrame();
    EXPECT_NE(Find("The configuration is changed. Exit without saving?"), nullptr);
    Click(kNoX, kAskY);
    EXPECT_EQ(Screen(), kScreenTackleBox);
    EXPECT_TRUE(box.IsModified());

    ClickTackleTool(CMenuConfigura::kToolNew);
    ASSERT_EQ(box.m_ask.GetTag(), CMenuConfigura::kAskNewRig);
    Click(kNoX, kAskY);
    EXPECT_EQ(g_CannaPesca.m_canna.m_current.type, changed) << "the rig is unchanged";
    ClickTackleTool(CMenuConfigura::kToolLoad);
    ASSERT_EQ(box.m_ask.GetTag(), CMenuConfigura::kAskLoad);
    Click(kYesX, kAskY);
    EXPECT_EQ(box.m_dialog, CMenuConfigura::kLoadDialog);
    Click(kRigCancelX, kRigDialogY);
    EXPECT_EQ(box.m_dialog, CMenuConfigura::kNoDialog);
    ClickTackleBack();
    Click(kYesX, kAskY);
    ASSERT_EQ(Screen(), kScreenMainMenu);
    EXPECT_EQ(g_CannaPesca.m_canna.m_current.type, changed) << "the changed rig stays in use";

    // The same from a paused session: back to its game menu, rod at rest.
    ClickMainMenu(CMenuPrincipale::kStartFishing);
    Click(kStartOkX, kStartOkY);
    Key('M');
    ClickGameMenu(kMenuTackleBox);
    ASSERT_EQ(Screen(), kScreenTackleBox);
    StepRodType(false);
    ClickTackleBack();
    Click(kYesX, kAskY);
    EXPECT_EQ(Screen(), kScreenSession);
    EXPECT_EQ(g_Gioco.GetState(), kSessionGameMenu);
    EXPECT_EQ(g_CannaPesca.GetPhase(), 0);
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
