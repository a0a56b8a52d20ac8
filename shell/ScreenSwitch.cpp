#include "shell/ScreenSwitch.h"

namespace {

ScreenSwitch* g_screens = nullptr;

} // namespace

void SetScreenSwitch(ScreenSwitch* screens) { g_screens = screens; }

ScreenSwitch* GetScreenSwitch() { return g_screens; }

void SwitchToScreen(int screen)
{
    if (g_screens)
        g_screens->SwitchToScreen(screen);
}

void ResumeFishing()
{
    if (g_screens)
        g_screens->ResumeFishing();
}

int CurrentScreen() { return g_screens ? g_screens->CurrentScreen() : kScreenNone; }

void ReturnFromScreen(bool resetRod)
{
    if (g_screens)
        g_screens->ReturnFromScreen(resetRod);
}

void PostQuit(int code)
{
    if (g_screens)
        g_screens->PostQuit(code);
}
