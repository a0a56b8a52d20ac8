// The window procedure's routing, hot keys, the help-overlay regime, the
// frame's screen order, screen switching and the device-loss orders.
#include "app/Program.h"
#include "app/WndProc.h"
#include "shell/Graphics.h"
#include "shell/Mouse.h"
#include "simulation/session/Gioco.h"
#include "simulation/session/Help.h"
#include "tests/app/AppHarness.h"

#include <algorithm>

using plat::MessageKind;
using Trace = std::vector<std::string>;

namespace {

plat::WindowMessage Wheel(int delta)
{
    plat::WindowMessage m = MakeMessage(MessageKind::MouseWheel);
    m.wheel = delta;
    return m;
}

plat::WindowMessage Char(unsigned char c)
{
    plat::WindowMessage m = MakeMessage(MessageKind::Char);
    m.ch = c;
    return m;
}

} // namespace

TEST_F(AppTest, BeforeLoadingOnlyCloseAndEscQuit)
{
    ASSERT_EQ(g_pApp, nullptr);
    EXPECT_FALSE(Key('Q'));
    EXPECT_FALSE(Key(plat::kKeyF1));
    EXPECT_FALSE(Send(MakeMessage(MessageKind::LButtonDown)));
    EXPECT_TRUE(Key(plat::kKeyEscape));
    EXPECT_EQ(quitCode, 0);
    EXPECT_TRUE(Send(MakeMessage(MessageKind::Close)));

    // The same while the application exists but loading has not ended.
    ASSERT_EQ(Start(), 0);
    g_pApp->SetCurrentScreen(kScreenNone);
    TakeTrace();
    EXPECT_FALSE(Send(MakeMessage(MessageKind::LButtonDown)));
    EXPECT_FALSE(Send(Wheel(-120)));
    EXPECT_FALSE(Key('Q'));
    EXPECT_TRUE(TakeTrace().empty());
    EXPECT_TRUE(Key(plat::kKeyEscape));
}

TEST_F(AppTest, InputGoesToTheCurrentScreenOnly)
{
    ASSERT_EQ(Start(), 0);
    // One frame places the main menu's buttons, so a click at the corner
    // lands on none of them.
    Frame();
    TakeTrace();
    struct Case {
        int screen;
        plat::WindowMessage message;
        Trace expected;
    } cases[] = {
        // A press only reaches the screen's press test; the release is a call of its own.
        {1, MakeMessage(MessageKind::LButtonDown), {"down 1"}},
        {1, MakeMessage(MessageKind::LButtonUp), {"up 1"}},
        {10, MakeMessage(MessageKind::LButtonDown), {"down 10"}},
        {8, MakeMessage(MessageKind::LButtonDown), {}},
        {1, MakeMessage(MessageKind::RButtonDown), {}},
        {9, MakeMessage(MessageKind::RButtonDown), {"right down 9"}},
        {9, MakeMessage(MessageKind::RButtonUp), {"right up 9"}},
        {1, MakeMessage(MessageKind::MouseMove), {}},
        {2, MakeMessage(MessageKind::MouseMove), {"move 2"}},
        {9, MakeMessage(MessageKind::MouseMove), {"move 9"}},
        {1, Wheel(-120), {}},
        {4, Wheel(-120), {"wheel down 4"}},
        {4, Wheel(120), {"wheel up 4"}},
        {9, Wheel(120), {"wheel up 9"}},
        {1, Char('a'), {}},
        {2, Char('a'), {"char 2"}},
        {3, Char(8), {"char 3"}},
        {9, Char('a'), {}},
    };
    for (const Case& c : cases) {
        g_pApp->SetCurrentScreen(c.screen);
        Send(c.message);
        EXPECT_EQ(TakeTrace(), c.expected) << "screen " << c.screen << " message " << int(c.message.kind);
        EXPECT_EQ(Screen(), c.screen);
    }
}

TEST_F(AppTest, HotKeys)
{
    ASSERT_EQ(Start(), 0);

    // Q quits from the main menu only.
    g_pApp->SetCurrentScreen(kScreenTackleBox);
    EXPECT_FALSE(Key('Q'));
    g_pApp->SetCurrentScreen(kScreenMainMenu);

    // Esc does nothing on the main menu and resets the cursor elsewhere.
    g_Mouse.SetCursorMode(2);
    EXPECT_FALSE(Key(plat::kKeyEscape));
    EXPECT_EQ(g_Mouse.GetCursorMode(), 2u);
    g_pApp->SetCurrentScreen(kScreenTackleBox);
    EXPECT_FALSE(Key(plat::kKeyEscape));
    EXPECT_EQ(g_Mouse.GetCursorMode(), 0u);

    // The session's keys act only on the session screen.
    g_Gioco.m_state = kSessionFishing;
    EXPECT_FALSE(Key('M'));
    EXPECT_EQ(g_Gioco.GetState(), kSessionFishing);
    g_pApp->SetCurrentScreen(kScreenSession);
    EXPECT_FALSE(Key('m' - 'a' + 'A'));
    EXPECT_EQ(g_Gioco.GetState(), kSessionGameMenu);
    EXPECT_FALSE(Key('P'));
    EXPECT_EQ(g_Gioco.GetState(), kSessionCatchList);
    EXPECT_FALSE(Key('Q'));
}

TEST_F(AppTest, HelpOverlayTakesTheClicksAndOnlyF1)
{
    ASSERT_EQ(Start(), 0);
    // F1 opens the help on the session screen only.
    EXPECT_FALSE(Key(plat::kKeyF1));
    EXPECT_FALSE(g_Help.IsShown());

    g_pApp->BeginFishing();
    EXPECT_EQ(g_Mouse.GetCursorMode(), 1u);
    Key(plat::kKeyF1);
    ASSERT_TRUE(g_Help.IsShown());
    EXPECT_EQ(g_Mouse.GetCursorMode(), 0u);
    TakeTrace();

    Send(MakeMessage(MessageKind::LButtonDown));
    Send(MakeMessage(MessageKind::LButtonUp));
    Send(MakeMessage(MessageKind::RButtonDown));
    Send(MakeMessage(MessageKind::MouseMove));
    Send(Wheel(120));
    Send(Char('x'));
    Key('M');
    Key(plat::kKeyEscape);
    EXPECT_EQ(TakeTrace(), (Trace{"down help", "up help"}));
    EXPECT_EQ(g_Gioco.GetState(), kSessionFishing);
    EXPECT_EQ(g_Mouse.GetCursorMode(), 0u);

    Frame();
    Trace frame = TakeTrace();
    EXPECT_EQ(frame.back(), "render help");

    // F1 closes it on any screen; the fishing cursor comes back.
    g_pApp->SetCurrentScreen(kScreenRecords);
    Key(plat::kKeyF1);
    EXPECT_FALSE(g_Help.IsShown());
    EXPECT_EQ(g_Mouse.GetCursorMode(), 1u);

    // Closing the window is honoured while it is shown.
    g_pApp->SetCurrentScreen(kScreenSession);
    Key(plat::kKeyF1);
    EXPECT_TRUE(Send(MakeMessage(MessageKind::Close)));
}

TEST_F(AppTest, MouseButtonsAreStoredFromEveryMouseMessage)
{
    ASSERT_EQ(Start(), 0);
    plat::WindowMessage m = MakeMessage(MessageKind::MouseMove);
    m.x = 120;
    m.y = 80;
    m.leftHeld = true;
    Send(m);
    EXPECT_EQ(g_Mouse.GetX(), 120);
    EXPECT_EQ(g_Mouse.GetY(), 80);
    EXPECT_TRUE(g_Mouse.LeftHeld());
    EXPECT_EQ(g_pointer.left, 1u);
    plat::WindowMessage up = MakeMessage(MessageKind::LButtonUp);
    up.x = 500; // buttons use the position of the last move
    Send(up);
    EXPECT_FALSE(g_Mouse.LeftHeld());
    EXPECT_EQ(g_pointer.x, 120);
}

TEST_F(AppTest, FrameTestsTheScreensInOrder)
{
    ASSERT_EQ(Start(), 0);
    int switchTo = 0;
    std::string at;
    CAppFish::SetTraceHook([&](const char* step) {
        trace.emplace_back(step);
        if (at == step)
            g_pApp->SetCurrentScreen(switchTo);
    });
    struct Case {
        int screen;
        const char* at;
        int switchTo;
        Trace expected;
    } cases[] = {
        {1, "", 0, {"render 1"}},
        {9, "", 0, {"update 9", "render 9"}},
        {10, "", 0, {"render 10"}},
        {8, "", 0, {}},
        // A screen that switches to a later-tested one is followed by it in the same frame...
        {3, "render 3", 9, {"render 3", "update 9", "render 9"}},
        {1, "render 1", 7, {"render 1", "render 7"}},
        {9, "render 9", 10, {"update 9", "render 9", "render 10"}},
        // ... and one that switches to an earlier-tested one is not.
        {9, "render 9", 2, {"update 9", "render 9"}},
    };
    for (const Case& c : cases) {
        TakeTrace();
        g_pApp->SetCurrentScreen(c.screen);
        at = c.at;
        switchTo = c.switchTo;
        Frame();
        EXPECT_EQ(TakeTrace(), c.expected) << "screen " << c.screen;
    }
}

TEST_F(AppTest, ScreenSwitching)
{
    ASSERT_EQ(Start(), 0);
    g_pApp->GoToVenues();
    EXPECT_EQ(Screen(), kScreenVenues);
    g_pApp->ReturnFromScreen(false);
    EXPECT_EQ(Screen(), kScreenMainMenu);

    // Back from a screen entered from a paused session returns to its game menu.
    g_pApp->NewSession();
    EXPECT_EQ(Screen(), kScreenSession);
    EXPECT_EQ(g_Gioco.GetState(), kSessionStartPanel);
    g_pApp->BeginFishing();
    Key('M');
    g_pApp->GoToVenues();
    g_pApp->ReturnFromScreen(true);
    EXPECT_EQ(Screen(), kScreenSession);
    EXPECT_EQ(g_Gioco.GetState(), kSessionGameMenu);

    g_pApp->GoToRecords();
    EXPECT_EQ(Screen(), kScreenRecords);
    g_pApp->GoToTackleBox();
    EXPECT_EQ(Screen(), kScreenTackleBox);
    g_pApp->GoToFishes();
    EXPECT_EQ(Screen(), kScreenFishes);
    g_pApp->GoToTournament();
    EXPECT_EQ(Screen(), kScreenTournament);
}

TEST_F(AppTest, LostDeviceReleasesAndRecreatesInOrder)
{
    ASSERT_EQ(Start(), 0);
    Frame();
    plat::Image before;
    ASSERT_TRUE(g_pDevice->ReadPixels(before));
    TakeTrace();

    g_pDevice->SimulateLoss();
    Frame(); // the present finds the device lost
    EXPECT_TRUE(g_pApp->IsDeviceLost());
    TakeTrace();

    Frame(); // still lost: nothing is drawn
    EXPECT_TRUE(TakeTrace().empty());

    Frame(); // can be reset: release, reset, recreate, nothing drawn
    Trace steps = TakeTrace();
    Trace released(steps.begin(), std::find(steps.begin(), steps.end(), "reset scene 3d"));
    Trace recreated(std::find(steps.begin(), steps.end(), "reset scene 3d"), steps.end());
    EXPECT_EQ(released, (Trace{"lost progress bar", "lost species catalogue", "lost venue catalogue", "lost fishing session",
                               "lost weather", "lost venue background", "lost bait catalogue", "lost rod assembly",
                               "lost fish on the line", "lost landing net", "lost water effects", "lost ring pool",
                               "lost main menu", "lost tackle box",
                               "lost options", "lost venues", "lost fishes", "lost baits", "lost records",
                               "lost tournament", "lost help"}));
    EXPECT_EQ(recreated,
              (Trace{"reset scene 3d", "reset progress bar", "reset species catalogue",
                     "reset venue catalogue", "reset fishing session", "reset weather", "reset venue background",
                     "reset rod assembly", "reset bait catalogue", "reset fish on the line", "reset landing net",
                     "reset ring pool", "reset water effects", "reset main menu",
                     "reset tackle box", "reset options", "reset venues", "reset fishes", "reset baits",
                     "reset records", "reset tournament", "reset cursor", "reset help"}));
    EXPECT_TRUE(g_pApp->Is3DReady());
    EXPECT_FALSE(g_pDevice->Scene().cullNone); // the 3D scene is set up again in full
    EXPECT_TRUE(g_pApp->IsDeviceLost());

    Frame(); // good again: draws
    EXPECT_FALSE(g_pApp->IsDeviceLost());
    EXPECT_EQ(TakeTrace(), (Trace{"render 1"}));
    plat::Image after;
    ASSERT_TRUE(g_pDevice->ReadPixels(after));
    ASSERT_EQ(after.pixels.size(), before.pixels.size());
    EXPECT_TRUE(after.pixels == before.pixels);
}

TEST_F(AppTest, FailedResetIsRetriedOnTheNextFrame)
{
    ASSERT_EQ(Start(), 0);
    g_pDevice->SimulateLoss();
    Frame(2);
    g_pDevice->FailNextResets(1);
    Frame();
    EXPECT_TRUE(g_pApp->IsDeviceLost());
    TakeTrace();
    Frame();
    Trace steps = TakeTrace();
    EXPECT_NE(std::find(steps.begin(), steps.end(), "reset main menu"), steps.end());
    Frame();
    EXPECT_FALSE(g_pApp->IsDeviceLost());
}

TEST_F(AppTest, No3DSceneWithout3DCaps)
{
    ASSERT_EQ(Start(), 0);
    plat::Caps3D weak;
    weak.maxBlendMatrices = 1;
    g_pDevice->OverrideCaps3D(weak);
    EXPECT_EQ(g_pApp->CheckCaps3D(), 1);
    g_pDevice->SimulateLoss();
    g_pApp->m_3dReady = 0;
    Frame(4);
    EXPECT_FALSE(g_pApp->Is3DReady());
    g_pDevice->OverrideCaps3D(std::nullopt);
    EXPECT_EQ(g_pApp->CheckCaps3D(), 0);
}
