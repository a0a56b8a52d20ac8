#include "tests/app/AppHarness.h"

#include "app/Program.h"
#include "app/WndProc.h"
#include "platform/Locale.h"
#include "shell/Graphics.h"
#include "shell/Mouse.h"
#include "shell/Opzioni.h"
#include "simulation/session/Gioco.h"
#include "simulation/session/Help.h"
#include "tests/app/FreshProgram.h"

void AppTest::SetUp()
{
    // Each start as in a new process: every game object as built before the
    // program's entry.
    testing_support::FreshProgram();
    g_Mouse.Reset();
    g_Gioco.m_state = kSessionIdle;
    g_Help.m_shown = 0;
    plat::ClearWindowMessages();
    CAppFish::SetTraceHook([this](const char* step) { trace.emplace_back(step); });
}

void AppTest::TearDown()
{
    CAppFish::SetTraceHook(nullptr);
    if (started)
        ShutDownProgram();
    plat::ClearWindowMessages();
    plat::SetUserLanguageForTests(0);
    g_Help.m_shown = 0;
}

int AppTest::Start()
{
    int status = StartProgram();
    started = status == 0;
    return status;
}

bool AppTest::Dispatch()
{
    plat::WindowMessage m;
    while (plat::PeekWindowMessage(m)) {
        if (m.kind == plat::MessageKind::Quit) {
            quitCode = m.code;
            return true;
        }
        WndProc(m);
    }
    return false;
}

bool AppTest::Send(const plat::WindowMessage& m)
{
    plat::PostWindowMessage(m);
    return Dispatch();
}

bool AppTest::Key(int key)
{
    plat::WindowMessage m = MakeMessage(plat::MessageKind::KeyDown);
    m.key = key;
    return Send(m);
}

void AppTest::Frame(int count)
{
    for (int i = 0; i < count; ++i)
        g_pApp->Render();
}

int AppTest::Screen() const { return g_pApp ? g_pApp->GetCurrentScreen() : -100; }

plat::Argb AppTest::Pixel(int x, int y) const { return g_pDevice->ReadPixel(x, y); }

std::string AppTest::Settings() const { return folders.Read("appdata/Karvelin/Karvelin.ini"); }

std::vector<std::string> AppTest::TakeTrace()
{
    std::vector<std::string> out;
    out.swap(trace);
    return out;
}

plat::WindowMessage MakeMessage(plat::MessageKind kind)
{
    plat::WindowMessage m;
    m.kind = kind;
    return m;
}
