// The fishing session through the real application: the start panel, the
// question "end the session?", the results with their Save button, the
// statistics a session adds, and the keys and returns around a finished
// session. Pictures of every panel are written to look at.
#include "tests/app/AppHarness.h"

#include "gui/AskBox.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/Image.h"
#include "shell/GestFile.h"
#include "shell/Mouse.h"
#include "shell/Opzioni.h"
#include "simulation/tackle/CannaPesca.h"
#include "simulation/session/Gioco.h"
#include "simulation/session/Sessione.h"
#include "simulation/session/Statistiche.h"
#include "tests/support/BuildFolder.h"
#include "world/Calendario.h"
#include "world/Luogo.h"
#include "world/Meteo.h"

#include <filesystem>
#include <fstream>

namespace {

using plat::MessageKind;

class SessionTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        savedClock = g_Calendario;
    }
    void TearDown() override
    {
        g_Calendario = savedClock;
        AppTest::TearDown();
    }
    void Click(int x, int y)
    {
        plat::WindowMessage m = MakeMessage(MessageKind::MouseMove);
        m.x = x;
        m.y = y;
        Send(m);
        m.kind = MessageKind::LButtonDown;
        m.leftHeld = true;
        Send(m);
        m.kind = MessageKind::LButtonUp;
        m.leftHeld = false;
        Send(m);
    }
    // A click on a widget where the last frame placed it.
    void ClickOn(const COggetto& widget) { Click(widget.GetX() + 6, widget.GetY() + 6); }
    void Yes() { ClickOn(g_Gioco.m_ask.m_first); }
    void No() { ClickOn(g_Gioco.m_ask.m_second); }
    // Main menu to the start panel, then fishing.
    void StartFishing()
    {
        g_pApp->NewSession();
        Frame();
        ClickOn(g_Gioco.m_ok);
        ASSERT_EQ(g_Gioco.GetState(), kSessionFishing);
    }
    void Picture(const char* name)
    {
        Frame();
        plat::Image img;
        ASSERT_TRUE(g_pDevice->ReadPixels(img));
        ASSERT_TRUE(plat::SavePng(testing_support::BuildFolderFile(name), img));
    }
    std::uintmax_t StatisticsSize() const
    {
        std::error_code ec;
        return std::filesystem::file_size(folders.Data() + "/karvelin.sta", ec);
    }
    CCalendario savedClock;
};

TEST_F(SessionTest, StartPanelMonthClampsTheDayAndOkStartsFishing)
{
    ASSERT_EQ(Start(), 0);
    g_Calendario.SetMonth(0);
    g_Calendario.SetDayOfMonth(31);
    g_Calendario.SetHour(10);
    g_Calendario.Normalise();
    g_pApp->NewSession();
    ASSERT_EQ(g_Gioco.GetState(), kSessionStartPanel);
    EXPECT_EQ(g_Gioco.m_day.GetValue(), 31);
    EXPECT_EQ(g_Gioco.m_day.m_max, 31);
    EXPECT_STREQ(g_Gioco.m_month.GetValueText(), "Jan");
    Frame();

    // A press on an arrow released elsewhere changes nothing.
    const CPulsante& up = g_Gioco.m_month.m_arrowUp;
    plat::WindowMessage m = MakeMessage(MessageKind::MouseMove);
    m.x = up.GetX() + 6;
    m.y = up.GetY() + 6;
    Send(m);
    m.kind = MessageKind::LButtonDown;
    Send(m);
    m.kind = MessageKind::MouseMove;
    m.x = 600;
    m.y = 500;
    Send(m);
    m.kind = MessageKind::LButtonUp;
    Send(m);
    EXPECT_EQ(g_Calendario.GetMonth(), 0);

    ClickOn(up);
    EXPECT_EQ(g_Calendario.GetMonth(), 1);
    const int last = CCalendario::DaysInMonth(2, g_Calendario.GetYear());
    EXPECT_EQ(g_Calendario.GetDayOfMonth(), last);
    EXPECT_EQ(g_Gioco.m_day.GetValue(), last);
    EXPECT_EQ(g_Gioco.m_day.m_max, last);
    EXPECT_STREQ(g_Gioco.m_month.GetValueText(), "Feb");
    Picture("session_start_panel.png");

    ClickOn(g_Gioco.m_ok);
    EXPECT_EQ(g_Gioco.GetState(), kSessionFishing);
    EXPECT_EQ(g_Mouse.GetCursorMode(), 1u);
    EXPECT_NE(g_Sessione.m_startTime[0], 0);
    EXPECT_STREQ(g_Sessione.m_venue, g_Luogo.Record().name) << "the log names the venue fished";
    Picture("session_fishing_hud.png");
}

TEST_F(SessionTest, EscAsksAndNoReturnsToFishingFromEveryPanel)
{
    ASSERT_EQ(Start(), 0);
    struct Case {
        const char* name;
        int key; // 0: the start panel itself
        int state;
    };
    for (Case c : {Case{"start panel", 0, kSessionStartPanel}, Case{"game menu", 'M', kSessionGameMenu},
                   Case{"catch list", 'P', kSessionCatchList}, Case{"fishing", -1, kSessionFishing}}) {
        g_pApp->NewSession();
        if (c.key != 0)
            ClickOn(g_Gioco.m_ok), Frame(), ClickOn(g_Gioco.m_ok);
        if (c.key > 0)
            Key(c.key);
        Frame();
        ASSERT_EQ(g_Gioco.GetState(), c.state) << c.name;
        Key(plat::kKeyEscape);
        ASSERT_TRUE(g_Gioco.IsAsking()) << c.name;
        Frame();
        No();
        EXPECT_FALSE(g_Gioco.IsAsking()) << c.name;
        EXPECT_EQ(g_Gioco.GetState(), kSessionFishing) << c.name;
        EXPECT_EQ(Screen(), kScreenSession) << c.name;
    }
}

TEST_F(SessionTest, QuestionBoxTakesEveryClickWhileShown)
{
    ASSERT_EQ(Start(), 0);
    StartFishing();
    g_Gioco.ShowCatchDetails();
    EXPECT_EQ(g_Mouse.GetCursorMode(), 0u);
    Picture("session_catch_details.png");
    ClickOn(g_Gioco.m_ok);
    EXPECT_EQ(g_Gioco.GetState(), kSessionFishing);
    Key('M');
    Picture("session_game_menu.png");
    Key(plat::kKeyEscape);
    Frame();
    Picture("session_question.png");
    ClickOn(g_Gioco.m_menuButtons[kMenuCatches]);
    EXPECT_EQ(g_Gioco.GetState(), kSessionGameMenu);
    EXPECT_TRUE(g_Gioco.IsAsking());
}

TEST_F(SessionTest, SessionWithoutACatchEndsWithSaveDisabledAndCountsInTheStatistics)
{
    ASSERT_EQ(Start(), 0);
    const int sessionsBefore = g_Statistiche.m_sessions;
    const float minutesBefore = g_Statistiche.m_minutes;
    StartFishing();
    // Forty game minutes pass.
    g_Calendario.AddSeconds(40 * 60);
    Key(plat::kKeyEscape);
    Frame();
    Yes();
    ASSERT_EQ(g_Gioco.GetState(), kSessionResults);
    EXPECT_EQ(g_Gioco.m_save.m_state, CPulsante::kDisabled);
    EXPECT_EQ(g_Mouse.GetCursorMode(), 0u);
    EXPECT_EQ(g_Statistiche.m_sessions, sessionsBefore + 1);
    EXPECT_NEAR(g_Statistiche.m_minutes - minutesBefore, 40.0f, 1.0f);
    EXPECT_EQ(StatisticsSize(), 301u);
    Picture("session_results_empty.png");

    // A finished session stays finished: Esc, M and P leave it alone, and
    // ending it again counts nothing more.
    Key(plat::kKeyEscape);
    EXPECT_FALSE(g_Gioco.IsAsking());
    Key('M');
    EXPECT_EQ(g_Gioco.GetState(), kSessionResults);
    Key('P');
    EXPECT_EQ(g_Gioco.GetState(), kSessionResults);
    Key('X');
    g_Gioco.EndSession();
    EXPECT_EQ(g_Statistiche.m_sessions, sessionsBefore + 1);
}

TEST_F(SessionTest, StatusBarShowsInEveryStateButTheResults)
{
    ASSERT_EQ(Start(), 0);
    g_Opzioni.weather = -2;
    StartFishing();
    g_Meteo.SetState(kWeatherClear);
    Key('P');
    Frame();
    const plat::Argb withBar = Pixel(400, 7);
    Picture("session_catch_list.png");
    g_Gioco.EndSession();
    Frame();
    EXPECT_NE(withBar, Pixel(400, 7));
    Key('M');
    Picture("session_results.png");
}

TEST_F(SessionTest, EndingTheSessionClosesTheOpenQuestion)
{
    ASSERT_EQ(Start(), 0);
    StartFishing();
    Key(plat::kKeyEscape);
    ASSERT_TRUE(g_Gioco.IsAsking());
    g_Gioco.EndSession(); // the tournament clock runs out meanwhile
    EXPECT_FALSE(g_Gioco.IsAsking());
    EXPECT_EQ(g_Gioco.GetState(), kSessionResults);
    Frame();
    No(); // where No was: nothing there now
    EXPECT_EQ(g_Gioco.GetState(), kSessionResults);
}

TEST_F(SessionTest, BackAfterTheSessionEndedOnAnotherScreenShowsTheResults)
{
    ASSERT_EQ(Start(), 0);
    StartFishing();
    Key('M');
    g_pApp->GoToFishes();
    g_Gioco.EndSession(); // the tournament clock, polled by the frame
    g_pApp->ReturnFromScreen(false);
    EXPECT_EQ(Screen(), kScreenSession);
    EXPECT_EQ(g_Gioco.GetState(), kSessionResults);

    // Once the results are left, Back from any screen no longer leads there,
    // and nothing can end the old session again.
    Frame();
    ClickOn(g_Gioco.m_resultsOk);
    EXPECT_EQ(g_Gioco.GetState(), kSessionIdle);
    EXPECT_EQ(Screen(), kScreenMainMenu);
    g_pApp->SetCurrentScreen(kScreenOptions);
    g_pApp->ReturnFromScreen(false);
    EXPECT_EQ(Screen(), kScreenMainMenu);
    const int sessions = g_Statistiche.m_sessions;
    g_Gioco.EndSession();
    g_Gioco.AskQuit();
    EXPECT_FALSE(g_Gioco.IsAsking());
    EXPECT_EQ(g_Statistiche.m_sessions, sessions);
}

TEST_F(SessionTest, FailedSaveKeepsSaveEnabledAndSaysSo)
{
    ASSERT_EQ(Start(), 0);
    StartFishing();
    g_Sessione.AddCatch(3, 850.0f, 38);
    g_Sessione.UpdateTotals();
    g_Gioco.EndSession();
    ASSERT_EQ(g_Gioco.m_save.m_state, CPulsante::kNormal);
    Frame();

    // The catch folder is taken by a file: nothing can be written there.
    const std::string folder = g_GestFile.GetDataSubfolder(CGestFile::D_CATTURE);
    std::filesystem::remove_all(folder);
    std::ofstream(folder) << "x";
    ClickOn(g_Gioco.m_save);
    EXPECT_TRUE(g_Gioco.IsAsking());
    EXPECT_EQ(g_Gioco.m_ask.GetTag(), CGioco::kAskSaveFailed);
    EXPECT_FALSE(g_Gioco.m_ask.HasFirstButton());
    EXPECT_NE(g_Gioco.m_save.m_state, CPulsante::kDisabled);
    Picture("session_save_failed.png");
    ClickOn(g_Gioco.m_ask.m_second);
    EXPECT_FALSE(g_Gioco.IsAsking());
    EXPECT_EQ(g_Gioco.GetState(), kSessionResults) << "closing the notice neither ends nor resumes";

    // Room again: one click saves one log, a second click nothing more.
    std::filesystem::remove(folder);
    std::filesystem::create_directories(folder);
    Frame();
    ClickOn(g_Gioco.m_save);
    EXPECT_EQ(g_Gioco.m_save.m_state, CPulsante::kDisabled);
    Frame();
    ClickOn(g_Gioco.m_save);
    int logs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        ++logs;
        EXPECT_EQ(std::filesystem::file_size(entry.path()), 253u);
    }
    EXPECT_EQ(logs, 1);
}

// A full disk at the session's end: the statistics file keeps the record
// from before the session, and the player reads so over the results.
TEST_F(SessionTest, StatisticsThatCannotBeSavedAreToldOverTheResults)
{
    ASSERT_EQ(Start(), 0);
    ASSERT_TRUE(g_Statistiche.Save());
    const std::string before = folders.Read("appdata/Karvelin/karvelin.sta");
    StartFishing();
    g_Sessione.AddCatch(3, 850.0f, 38);
    Key(plat::kKeyEscape);
    Frame();
    {
        testing_support::FileSizeLimit full(100);
        Yes();
    }
    ASSERT_EQ(g_Gioco.GetState(), kSessionResults);
    EXPECT_EQ(folders.Read("appdata/Karvelin/karvelin.sta"), before);
    ASSERT_TRUE(g_Gioco.IsAsking());
    EXPECT_EQ(g_Gioco.m_ask.GetTag(), CGioco::kAskStatisticsFailed);
    EXPECT_FALSE(g_Gioco.m_ask.HasFirstButton());
    EXPECT_STREQ(g_Gioco.m_ask.m_text,
                 "The statistics could not be saved: the file on disk was kept as it was, without this session.");
    Picture("session_statistics_failed.png");
    No(); // the notice's lone OK
    EXPECT_FALSE(g_Gioco.IsAsking());
    EXPECT_EQ(g_Gioco.GetState(), kSessionResults);
    EXPECT_EQ(g_Gioco.m_save.m_state, CPulsante::kNormal) << "the catch log can still be saved";
}

TEST_F(SessionTest, WideScreenCentresThePanelsAndStretchesTheStatusBar)
{
    folders.Write("appdata/Karvelin/Karvelin.ini", "[KARVELIN]\nBUILD=232005\nRISOLUZIONE=7\n");
    ASSERT_EQ(Start(), 0);
    ASSERT_EQ(g_nViewportW, 1440);
    g_pApp->NewSession();
    Picture("session_start_panel_1440.png");
    // The OK button sits in the centred layout: 320 and 150 to the right and down.
    EXPECT_EQ(g_Gioco.m_ok.GetX(), 335 + 320);
    EXPECT_EQ(g_Gioco.m_ok.GetY(), 340 + 150);
    ClickOn(g_Gioco.m_ok);
    ASSERT_EQ(g_Gioco.GetState(), kSessionFishing);
    // The bar's frame reaches across the width, at the corner.
    EXPECT_EQ(g_Gioco.m_statusWindow.m_relative, 0);
    Key(plat::kKeyEscape);
    Frame();
    Yes();
    Picture("session_results_1440.png");
}

TEST_F(SessionTest, GameMenuButtonsOpenTheirScreensAndBackReturnsToTheMenu)
{
    ASSERT_EQ(Start(), 0);
    StartFishing();
    struct Case {
        int button;
        int screen;
    };
    for (Case c : {Case{kMenuTackleBox, kScreenTackleBox}, Case{kMenuBaits, kScreenBaits},
                   Case{kMenuVenues, kScreenVenues}, Case{kMenuFishes, kScreenFishes}}) {
        Key('M');
        Frame();
        ClickOn(g_Gioco.m_menuButtons[c.button]);
        EXPECT_EQ(Screen(), c.screen) << c.button;
        g_pApp->ReturnFromScreen(false);
        EXPECT_EQ(Screen(), kScreenSession) << c.button;
        EXPECT_EQ(g_Gioco.GetState(), kSessionGameMenu) << c.button;
    }
    Frame();
    ClickOn(g_Gioco.m_menuButtons[kMenuCatches]);
    EXPECT_EQ(g_Gioco.GetState(), kSessionCatchList);
    Frame();
    ClickOn(g_Gioco.m_menuButtons[kMenuBackToFishing]);
    EXPECT_EQ(g_Gioco.GetState(), kSessionFishing);
    EXPECT_EQ(g_Mouse.GetCursorMode(), 1u);

    // The results' OK leaves for the main menu.
    g_Gioco.EndSession();
    Frame();
    ClickOn(g_Gioco.m_resultsOk);
    EXPECT_EQ(Screen(), kScreenMainMenu);
}

TEST_F(SessionTest, KeyCastOnlyWhileFishingWithNoFishOnOrQuestionOpen)
{
    ASSERT_EQ(Start(), 0);
    StartFishing();
    CCanna& rod = g_CannaPesca.m_canna;
    struct Case {
        const char* name;
        int state;
        int phase;
        bool asking;
        bool casts;
    };
    for (Case c : {Case{"fishing", kSessionFishing, 0, false, true},
                   Case{"fish on", kSessionFishing, 2, false, false},
                   Case{"question open", kSessionFishing, 0, true, false},
                   Case{"game menu", kSessionGameMenu, 0, false, false},
                   Case{"results", kSessionResults, 0, false, false}}) {
        g_CannaPesca.NewCast();
        g_Gioco.m_state = c.state;
        rod.SetPhase(c.phase);
        g_CannaPesca.m_lossReason = 5;
        if (c.asking)
            g_Gioco.AskQuit();
        Key('X');
        EXPECT_EQ(rod.GetPhase(), c.casts ? 1 : c.phase) << c.name;
        EXPECT_EQ(g_CannaPesca.m_lossReason, 5) << c.name << ": the fight goes on untouched";
        g_Gioco.m_ask.Hide();
    }
    rod.SetPhase(0);
}

TEST_F(SessionTest, MouseAimsTheRodStrikesAndTheRightButtonWinds)
{
    ASSERT_EQ(Start(), 0);
    StartFishing();
    g_Opzioni.mouseSensitivity = 2; // divisor 2: the span is the middle half
    g_Opzioni.verticalInverted = 0;
    CCanna& rod = g_CannaPesca.m_canna;
    plat::WindowMessage m = MakeMessage(MessageKind::MouseMove);
    m.x = 100; // left of the span: aimed fully left
    m.y = 100; // above the span: tip up
    Send(m);
    EXPECT_NEAR(rod.m_angle, 90.0f, 3.5f); // 3 less when the rod is drawn in 3D
    EXPECT_FLOAT_EQ(rod.m_sideAngle, 180.0f);
    EXPECT_EQ(g_CannaPesca.m_strike, 0);
    rod.SetPhase(2);
    m.x = 700;
    m.y = 590;
    Send(m);
    EXPECT_NEAR(rod.m_angle, 18.0f, 3.5f) << "the rod keeps its lowest angle";
    EXPECT_FLOAT_EQ(rod.m_sideAngle, 0.0f);
    EXPECT_EQ(g_CannaPesca.m_strike, 1) << "moving the mouse with a fish on strikes";
    rod.SetPhase(0);

    Send(MakeMessage(MessageKind::RButtonDown));
    EXPECT_EQ(g_CannaPesca.m_mulinello.m_retrieving, 1);
    Send(MakeMessage(MessageKind::RButtonUp));
    EXPECT_EQ(g_CannaPesca.m_mulinello.m_retrieving, 0);
    // Not behind a question.
    Key(plat::kKeyEscape);
    Send(MakeMessage(MessageKind::RButtonDown));
    EXPECT_EQ(g_CannaPesca.m_mulinello.m_retrieving, 0);
}

} // namespace
