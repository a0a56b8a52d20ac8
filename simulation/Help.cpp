#include "simulation/Help.h"

#include "shell/Globals.h"
#include "shell/Mouse.h"

KARVELIN_GLOBAL(9) CHelp g_Help;

CHelp::CHelp() : m_shown(0) {}

void CHelp::Load(plat::Device*) { InitScreen(); }

// The panel with the command lines and the close button are not built yet.
void CHelp::Render(plat::Device*) {}

void CHelp::OnLostDevice() {}

void CHelp::OnResetDevice(plat::Device*) {}

// The close button's press and release come with the button.
void CHelp::OnMouseDown() {}

void CHelp::OnMouseUp() {}

void CHelp::Toggle()
{
    m_shown = m_shown ? 0 : 1;
    if (m_shown) {
        g_Mouse.savedMode = g_Mouse.GetCursorMode();
        g_Mouse.SetCursorMode(0);
    } else {
        g_Mouse.SetCursorMode(g_Mouse.savedMode);
    }
}
