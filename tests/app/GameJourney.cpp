#include "tests/app/GameJourney.h"

#include "platform/Clock.h"
#include "platform/Window.h"
#include "screens/MenuConfigura.h"
#include "screens/MenuGara.h"
#include "screens/MenuOpzioni.h"
#include "screens/MenuPrincipale.h"
#include "shell/GestFile.h"
#include "shell/Opzioni.h"
#include "simulation/scene/Pesce.h"
#include "simulation/scene/Retino.h"
#include "simulation/session/Gara.h"
#include "simulation/session/Gioco.h"
#include "simulation/session/Sessione.h"
#include "simulation/tackle/CannaPesca.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

// The game menu's buttons by row (CGioco's kMenu... order).
constexpr int kGameMenuY[] = {110, 145, 180, 250, 215, 300};

} // namespace

void GameJourney::TearDown()
{
    // The rig and the tournament are globals the next test starts with.
    g_Gara.m_running = 0;
    g_CannaPesca.m_canna.SetPhase(0);
    g_CannaPesca.m_strike = 0;
    JourneyTest::TearDown();
}

void GameJourney::ClickMainMenu(int button) { Click(kMainMenuButtonX, MainMenuButtonY(button)); }

void GameJourney::ClickGameMenu(int button) { Click(400, kGameMenuY[button] + 12); }

void GameJourney::ClickButton(const CPulsante& b) { Click(b.m_x - OffsetX() + 10, b.m_y - OffsetY() + 10); }

void GameJourney::ClickOptionsArrow(int spinner, bool up)
{
    int x = 0, y = 0;
    ASSERT_TRUE(CMenuOpzioni::SpinnerPlace(spinner, x, y));
    Click(x + (up ? 165 : 185), y + 10);
}

void GameJourney::ClickTournamentBack() { Click(115, 522); }

void GameJourney::ClickTackleBack() { Click(280, CMenuConfigura::PageButtonY(CMenuConfigura::kBackButton) + 12); }

void GameJourney::ClickTackleTool(int tool)
{
    Click(g_MenuConfigura.ToolX(tool) + 10, CMenuConfigura::ToolY() + 10);
}

void GameJourney::ClickTacklePage(int page)
{
    for (int b = 0; b < CMenuConfigura::kBackButton; ++b)
        if (CMenuConfigura::PageOfButton(b) == page)
            Click(280, CMenuConfigura::PageButtonY(b) + 12);
}

void GameJourney::StepRodType(bool up)
{
    ClickTacklePage(CMenuConfigura::kPageRod);
    // The type spinner, 160 wide at 350, 360: its arrows right of its box.
    Click(up ? 515 : 535, 370);
}

void GameJourney::SetSpinner(const CSpinner& spinner, int value)
{
    for (int i = 0; i < 60 && spinner.GetValue() != value; ++i)
        ClickButton(spinner.GetValue() < value ? spinner.m_arrowUp : spinner.m_arrowDown);
    EXPECT_EQ(spinner.GetValue(), value);
}

void GameJourney::EndSessionByEsc()
{
    Key(plat::kKeyEscape);
    ASSERT_TRUE(g_Gioco.IsAsking());
    Click(kYesX, kAskY);
    ASSERT_EQ(g_Gioco.GetState(), kSessionResults);
}

void GameJourney::Seconds(int count)
{
    // Every game frame runs; only the last of each second is drawn, as a
    // machine catching up would, so minutes of game time pass quickly. A
    // once-a-second operation fires when more than a second has passed, so
    // on 10 ms frames its second is 101 frames long.
    for (int i = 0; i < count; ++i)
        Steps(1000 / int(plat::kGameStepMs) + 1);
}

void GameJourney::Steps(int frames)
{
    for (int i = 1; i < frames; ++i)
        g_pApp->Step();
    Frame();
}

void GameJourney::ExpectStandings(int rivals)
{
    CListBox& list = g_MenuGara.m_results;
    ASSERT_EQ(list.GetCount(), rivals + 2);
    EXPECT_EQ(list.GetItem(0)->id, CMenuGara::kHeaderRow);
    int player = -1;
    for (int i = 1; i < list.GetCount(); ++i) {
        const ListItem* row = list.GetItem(i);
        if (row->id == CMenuGara::kPlayerRow)
            player = i;
        EXPECT_EQ(row->highlighted, row->id == CMenuGara::kPlayerRow ? 1 : 0) << i;
        if (i > 1) {
            EXPECT_GE(std::atoi(list.GetItem(i - 1)->col1), std::atoi(row->col1)) << i;
        }
    }
    ASSERT_GE(player, 1);
    EXPECT_STREQ(list.GetItem(player)->col0, g_Opzioni.playerName);
    ProbeFrame();
    EXPECT_EQ(Find("0."), nullptr) << "the header has no number";
    for (int n = 1; n <= rivals + 1 && n < list.m_visibleRows; ++n)
        EXPECT_NE(Find(std::to_string(n) + "."), nullptr) << n;
    const int place = g_Gara.GetPlace(g_Gara.m_currentEvent);
    EXPECT_EQ(g_MenuGara.m_medal.m_visible, place >= 1 && place <= 3 ? 1 : 0) << "place " << place;
    if (place >= 1 && place <= 3) {
        EXPECT_EQ(g_MenuGara.m_medal.m_column, place - 1);
    }
}

bool GameJourney::PlayUntilLanded(int gameMinutes)
{
    const std::uint32_t end = plat::NowMs() + std::uint32_t(gameMinutes) * 60000u;
    bool reeling = false;
    int castAt = -1000000;
    int aimX = 400;
    int ms = 0;
    auto reel = [this, &reeling](bool on) {
        // The reel stops by itself when the line can come in no further.
        if (on == reeling && (!on || g_CannaPesca.m_mulinello.m_retrieving))
            return;
        plat::WindowMessage m = MakeMessage(on ? plat::MessageKind::RButtonDown : plat::MessageKind::RButtonUp);
        m.x = 400 + OffsetX();
        m.y = 300 + OffsetY();
        m.rightHeld = on;
        Send(m);
        reeling = on;
    };
    while (plat::NowMs() < end) {
        if (g_Gioco.GetState() == kSessionCatchDetails) {
            reel(false);
            return true;
        }
        if (g_Gioco.GetState() != kSessionFishing)
            return false;
        CCannaPesca& rig = g_CannaPesca;
        if (rig.GetPhase() == 2) {
            // A fish on: a move of the mouse is the strike; then reel while
            // the line holds, let it run when the tension nears its limit.
            // A tired fish is led to the raised net, the tip turned toward
            // it and the rod's height swept slowly: high shortens the line
            // to the fish, lower swings the tip out toward the net.
            const bool tired = g_Pesce.m_stamina <= 1.5f;
            if (tired && !g_Retino.m_raised)
                Key('R');
            if (tired && g_Retino.m_raised)
                aimX = std::clamp(aimX + (g_Pesce.m_x < g_Retino.m_x ? 4 : -4), 0, 799);
            const int phase = (ms / 40) % 100;
            const int sweep = 100 + 4 * (phase < 50 ? phase : 100 - phase);
            MoveTo(aimX, (tired ? sweep : 300) + (ms / 20) % 2);
            const float max = rig.m_lenza.GetMaxTension(rig.GetRigKind());
            reel(rig.m_lenza.m_tension < 0.9f * max);
            Steps(20 / int(plat::kGameStepMs));
            ms += 20;
        } else {
            if (g_Retino.m_raised)
                Key('R');
            aimX = 400;
            // A reel's line is wound in before the next cast.
            const bool due = rig.GetPhase() == 0 && ms - castAt > 60000;
            reel(due && !rig.CanCast());
            if (due && rig.CanCast()) {
                MoveTo(400, 300);
                Click(400, 300);
                castAt = ms;
            }
            Steps(100 / int(plat::kGameStepMs));
            ms += 100;
        }
    }
    reel(false);
    return false;
}

void GameJourney::UseShippedRig(const std::string& name)
{
    const fs::path shipped = fs::path(KARVELIN_SOURCE_DIR) / "data" / "Lenze";
    fs::create_directories(folders.Data() + "/Lenze");
    fs::copy_file(shipped / (name + ".kvz"), folders.Data() + "/Lenze/" + name + ".kvz",
                  fs::copy_options::overwrite_existing);
}

std::string GameJourney::CatchFolder() const { return g_GestFile.GetDataSubfolder(CGestFile::D_CATTURE); }

std::vector<std::string> GameJourney::CatchLogs() const
{
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(CatchFolder()))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<WayBack> GameJourney::MainMenuWaysBack()
{
    auto endSession = [](GameJourney& j) {
        j.Click(kStartOkX, kStartOkY);
        j.EndSessionByEsc();
        j.Click(kResultsOkX, kResultsY);
    };
    return {
        {"start fishing", CMenuPrincipale::kStartFishing, kScreenSession, endSession},
        {"tournament", CMenuPrincipale::kTournament, kScreenSession,
         [endSession](GameJourney& j) {
             endSession(j);
             EXPECT_EQ(j.Screen(), kScreenTournament);
             j.ClickTournamentBack();
         }},
        {"tackle box", CMenuPrincipale::kTackleBox, kScreenTackleBox,
         [](GameJourney& j) { j.ClickTackleBack(); }},
        {"options", CMenuPrincipale::kOptions, kScreenOptions,
         [](GameJourney& j) { j.Click(kOptionsCancelX, kOptionsButtonsY); }},
        {"records", CMenuPrincipale::kRecords, kScreenRecords,
         [](GameJourney& j) { j.Click(kRecordsBackX, kRecordsButtonsY); }},
        {"venues", CMenuPrincipale::kVenues, kScreenVenues,
         [](GameJourney& j) { j.Click(kVenuesBackX, kVenuesBackY); }},
        {"fishes", CMenuPrincipale::kFishes, kScreenFishes,
         [](GameJourney& j) { j.Click(kFishesBackX, kFishesBackY); }},
        {"baits", CMenuPrincipale::kBaits, kScreenBaits, [](GameJourney& j) { j.Click(kBaitsBackX, kBaitsBackY); }},
    };
}

std::vector<WayBack> GameJourney::GameMenuWaysBack()
{
    return {
        {"caught fishes", kMenuCatches, kScreenSession,
         [](GameJourney& j) { j.Click(400, 492); }},
        {"tackle box", kMenuTackleBox, kScreenTackleBox, [](GameJourney& j) { j.ClickTackleBack(); }},
        {"baits", kMenuBaits, kScreenBaits, [](GameJourney& j) { j.Click(kBaitsBackX, kBaitsBackY); }},
        {"venues", kMenuVenues, kScreenVenues, [](GameJourney& j) { j.Click(kVenuesBackX, kVenuesBackY); }},
        {"fishes", kMenuFishes, kScreenFishes, [](GameJourney& j) { j.Click(kFishesBackX, kFishesBackY); }},
        {"start fishing", kMenuBackToFishing, kScreenSession, [](GameJourney&) {}},
    };
}
