#include "screens/MenuEsche.h"

#include "screens/MenuBackground.h"
#include "shell/Globals.h"

KARVELIN_GLOBAL(14) CMenuEsche g_MenuEsche;

void CMenuEsche::Load(plat::Device* dev) { LoadMenuBackground(m_background, dev); }

void CMenuEsche::Render(plat::Device* dev) { m_background.Draw(dev); }

void CMenuEsche::OnLostDevice() { m_background.OnLostDevice(); }

void CMenuEsche::OnResetDevice(plat::Device* dev) { m_background.OnResetDevice(dev); }

// The screen's controls are not built yet: a press would arm one of them and
// the release act on it.
void CMenuEsche::OnMouseDown() {}

void CMenuEsche::OnMouseUp() {}

void CMenuEsche::OnWheelDown() {}

void CMenuEsche::OnWheelUp() {}
