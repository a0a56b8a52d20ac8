// The whole game played end to end through the real program, every step a
// click, a key or the wheel where the player would make it: a free session,
// a tournament, a catch log fished, saved, browsed and deleted, the options,
// and a way back from every screen.
#include "tests/app/GameJourney.h"

#include "screens/MenuCatture.h"
#include "screens/MenuGara.h"
#include "screens/MenuOpzioni.h"
#include "screens/MenuPrincipale.h"
#include "shell/Opzioni.h"
#include "shell/SoundPlayer.h"
#include "simulation/session/Gara.h"
#include "simulation/session/Gioco.h"
#include "simulation/session/Sessione.h"
#include "simulation/session/Statistiche.h"
#include "simulation/tackle/CannaPesca.h"
#include "world/Luogo.h"
#include "world/Pesci.h"

#include <filesystem>
#include <initializer_list>
#include <regex>

namespace fs = std::filesystem;

namespace {

// J1: a free session from the main menu to its end and back.
TEST_F(GameJourney, FreeSession)
{
    ASSERT_EQ(StartJourney(), 0);
    ClickMainMenu(CMenuPrincipale::kStartFishing);
    ASSERT_EQ(Screen(), kScreenSession);
    ASSERT_EQ(g_Gioco.GetState(), kSessionStartPanel);
    EXPECT_STREQ(g_Luogo.Record().id, kVenueLake) << "both waters: the built-in lake";
    ExpectShownAndFitting({std::string("Venue: ") + g_Luogo.Record().name});
    Shot("journey_free_start_panel");
    Click(kStartOkX, kStartOkY);
    ASSERT_EQ(g_Gioco.GetState(), kSessionFishing);

    Key(plat::kKeyEscape);
    ASSERT_TRUE(g_Gioco.IsAsking());
    Click(kNoX, kAskY);
    EXPECT_EQ(g_Gioco.GetState(), kSessionFishing);
    EndSessionByEsc();
    EXPECT_EQ(g_Gioco.m_save.m_state, CPulsante::kDisabled) << "nothing caught, nothing to save";
    Shot("journey_free_results");
    Click(kResultsOkX, kResultsY);
    ASSERT_EQ(Screen(), kScreenMainMenu);

    ExpectShownAndFitting({"Sessions:  1"});
    EXPECT_EQ(fs::file_size(folders.Data() + "/karvelin.sta"), 301u);
    CStatistiche read;
    EXPECT_TRUE(read.Load()) << "the file reads back with a valid checksum";
    EXPECT_EQ(read.m_sessions, 1);
}

// J4: a tournament set up in the options, played until its clock runs out,
// and its standings.
TEST_F(GameJourney, Tournament)
{
    ASSERT_EQ(StartJourney({.settings = {{"GIOCATORE", "Ann"}}}), 0);
    const int tournaments = g_Statistiche.m_tournaments;
    ClickMainMenu(CMenuPrincipale::kOptions);
    ASSERT_EQ(Screen(), kScreenOptions);
    EXPECT_EQ(g_Opzioni.tournamentTime, 5);
    ClickOptionsArrow(1, true); // fishermen 0 -> 5
    ClickOptionsArrow(1, true); // -> 10
    Click(kOptionsOkX, kOptionsButtonsY);
    ASSERT_EQ(Screen(), kScreenMainMenu);
    EXPECT_NE(Settings().find("PESCATORIGARA=10"), std::string::npos);

    ClickMainMenu(CMenuPrincipale::kTournament);
    ASSERT_EQ(Screen(), kScreenSession);
    ASSERT_EQ(g_Gioco.GetState(), kSessionStartPanel);
    for (const CSpinner* s : std::initializer_list<const CSpinner*>{&g_Gioco.m_hour, &g_Gioco.m_minute, &g_Gioco.m_day, &g_Gioco.m_month})
        EXPECT_EQ(s->m_enabled, 0);
    Click(kStartOkX, kStartOkY);
    ASSERT_EQ(g_Gioco.GetState(), kSessionFishing);
    Seconds(5 * 60 + 2);
    // A fish that bit the idle rig holds the end until it is lost.
    for (int s = 0; s < 180 && g_Gioco.GetState() == kSessionFishing && g_CannaPesca.GetPhase() != 0; ++s)
        Seconds(1);
    ASSERT_EQ(g_Gioco.GetState(), kSessionResults) << "the clock ran out";
    Click(kResultsOkX, kResultsY);
    ASSERT_EQ(Screen(), kScreenTournament);
    ExpectStandings(10);
    EXPECT_EQ(g_Statistiche.m_tournaments, tournaments + 1);
    Shot("journey_tournament_standings");

    ClickTournamentBack();
    EXPECT_EQ(Screen(), kScreenMainMenu);
}

// J5: a fish hooked, fought and landed by the player's own hand, the log
// saved, found on the records screen and deleted.
TEST_F(GameJourney, CatchLog)
{
    // A returning player's bolognese rig, with a reel to bring the fish in.
    UseShippedRig("Bolognese_6_m");
    ASSERT_EQ(StartJourney({.settings = {{"LENZA", "Bolognese_6_m"}}, .seed = kLandingSeed}), 0);
    ASSERT_TRUE(g_CannaPesca.m_canna.HasReel());
    ClickMainMenu(CMenuPrincipale::kStartFishing);
    // A June morning, whatever day the test runs on.
    SetSpinner(g_Gioco.m_month, 6);
    SetSpinner(g_Gioco.m_hour, 7);
    Click(kStartOkX, kStartOkY);
    ASSERT_EQ(g_Gioco.GetState(), kSessionFishing);
    ASSERT_TRUE(PlayUntilLanded());
    Shot("journey_catch_landed");
    const int species = g_Sessione.GetCatch(0).speciesId;
    Click(kDetailsOkX, kDetailsOkY);
    ASSERT_EQ(g_Gioco.GetState(), kSessionFishing);

    EndSessionByEsc();
    Click(kSaveX, kResultsY);
    const std::vector<std::string> logs = CatchLogs();
    ASSERT_EQ(logs.size(), 1u);
    EXPECT_TRUE(std::regex_match(logs[0], std::regex("CT[0-9]{12}00\\.kvc"))) << logs[0];
    EXPECT_EQ(fs::file_size(CatchFolder() + "/" + logs[0]), 253u);
    EXPECT_EQ(g_Gioco.m_save.m_state, CPulsante::kDisabled);
    Click(kResultsOkX, kResultsY);
    ASSERT_EQ(Screen(), kScreenMainMenu);

    ClickMainMenu(CMenuPrincipale::kRecords);
    ASSERT_EQ(Screen(), kScreenRecords);
    EXPECT_STREQ(g_MenuCatture.m_sessions.GetSelectedKey(), logs[0].c_str());
    ASSERT_EQ(g_MenuCatture.m_fishes.GetCount(), 1);
    const ListItem* row = g_MenuCatture.m_fishes.GetItem(0);
    EXPECT_STREQ(row->col0, g_Pesci.GetName(unsigned(species)));
    EXPECT_EQ(std::string(row->col1).rfind("Weight: ", 0), 0u) << row->col1;
    EXPECT_EQ(std::string(row->col2).rfind("Length: ", 0), 0u) << row->col2;
    ExpectShownAndFitting({"Total fishes:  1", std::string("Venue: ") + g_Sessione.m_venue});
    Shot("journey_catch_records");

    Click(kRecordsDeleteX, kRecordsButtonsY);
    Click(kYesX, kAskY);
    EXPECT_TRUE(CatchLogs().empty());
    Frame();
    EXPECT_EQ(g_MenuCatture.m_sessions.GetCount(), 0);
    EXPECT_EQ(g_MenuCatture.m_fishes.GetCount(), 0);
    EXPECT_EQ(g_MenuCatture.m_delete.m_state, CPulsante::kDisabled);
    ProbeFrame();
    EXPECT_EQ(FindPrefix("Total fishes:"), nullptr);
}

// J7: the options written, cancelled and the statistics cleared.
TEST_F(GameJourney, Options)
{
    ASSERT_EQ(StartJourney({.settings = {{"SOUNDS", "1"}, {"LIVELLO", "1"}}}), 0);
    // A session played first, so there are statistics to clear.
    ClickMainMenu(CMenuPrincipale::kStartFishing);
    Click(kStartOkX, kStartOkY);
    EndSessionByEsc();
    Click(kResultsOkX, kResultsY);
    const std::string sta = folders.Data() + "/karvelin.sta";
    ASSERT_TRUE(fs::exists(sta));

    ClickMainMenu(CMenuPrincipale::kOptions);
    ClickOptionsArrow(2, true); // sounds: yes -> no
    Click(kOptionsNameX, kOptionsNameY);
    Type(std::string(45, '\b') + "Ann");
    Click(kOptionsOkX, kOptionsButtonsY);
    ASSERT_EQ(Screen(), kScreenMainMenu);
    EXPECT_NE(Settings().find("SOUNDS=0"), std::string::npos);
    EXPECT_NE(Settings().find("GIOCATORE=Ann"), std::string::npos);
    for (int i = 0; i < CSndPlayer::kSlotCount; ++i)
        EXPECT_EQ(g_SndPlayer.Slot(i).enabled, 0) << CSndPlayer::SlotName(i);
    ExpectShownAndFitting({"Ann", "Sessions:  1"});

    // The main menu's waters, then a level changed and cancelled.
    const int waters = g_Opzioni.waters;
    Click(kWatersUpX, kWatersY);
    const int chosen = g_Opzioni.waters;
    EXPECT_NE(chosen, waters);
    ClickMainMenu(CMenuPrincipale::kOptions);
    ClickOptionsArrow(4, true); // level 1 -> 2
    EXPECT_EQ(g_Opzioni.level, 2);
    Click(kOptionsCancelX, kOptionsButtonsY);
    ASSERT_EQ(Screen(), kScreenMainMenu);
    EXPECT_EQ(g_Opzioni.level, 1);
    EXPECT_EQ(g_Opzioni.waters, chosen);
    EXPECT_EQ(g_MenuPrincipale.m_waters.GetValue(), chosen);

    ClickMainMenu(CMenuPrincipale::kOptions);
    Click(kOptionsClearX, kOptionsClearY);
    Click(kNoX, kAskY);
    EXPECT_TRUE(fs::exists(sta));
    EXPECT_EQ(g_Statistiche.m_sessions, 1);
    Click(kOptionsClearX, kOptionsClearY);
    Click(kYesX, kAskY);
    EXPECT_FALSE(fs::exists(sta));
    Click(kOptionsOkX, kOptionsButtonsY);
    ASSERT_EQ(Screen(), kScreenMainMenu);
    ExpectShownAndFitting({"Sessions:  0", "Total fishes:  0"});
}

// J10: no screen is a dead end. From the main menu each button and that
// screen's way back; from a paused session each game-menu button and back.
TEST_F(GameJourney, EveryScreenHasAWayBack)
{
    ASSERT_EQ(StartJourney({.settings = {{"TEMPOGARA", "5"}}}), 0);
    for (const WayBack& w : MainMenuWaysBack()) {
        SCOPED_TRACE(w.name);
        ClickMainMenu(w.button);
        EXPECT_EQ(Screen(), w.screen);
        w.back(*this);
        EXPECT_EQ(Screen(), kScreenMainMenu);
        EXPECT_FALSE(g_Gara.IsRunning());
    }
    ClickMainMenu(CMenuPrincipale::kStartFishing);
    Click(kStartOkX, kStartOkY);
    for (const WayBack& w : GameMenuWaysBack()) {
        SCOPED_TRACE(w.name);
        Key('M');
        ASSERT_EQ(g_Gioco.GetState(), kSessionGameMenu);
        ClickGameMenu(w.button);
        EXPECT_EQ(Screen(), w.screen);
        w.back(*this);
        EXPECT_EQ(Screen(), kScreenSession);
        if (g_Gioco.GetState() == kSessionGameMenu)
            ClickGameMenu(kMenuBackToFishing);
        EXPECT_EQ(g_Gioco.GetState(), kSessionFishing);
    }
}

} // namespace
