#include "screens/MenuLuogo.h"

#include "screens/MenuBackground.h"
#include "shell/Globals.h"

KARVELIN_GLOBAL(16) CMenuLuogo g_MenuLuogo;

void CMenuLuogo::Load(plat::Device* dev) { LoadMenuBackground(m_background, dev); }

void CMenuLuogo::Render(plat::Device* dev) { m_background.Draw(dev); }

void CMenuLuogo::OnLostDevice() { m_background.OnLostDevice(); }

void CMenuLuogo::OnResetDevice(plat::Device* dev) { m_background.OnResetDevice(dev); }

// The screen's controls are not built yet: a press would arm one of them and
// the release act on it.
void CMenuLuogo::OnMouseDown() {}

void CMenuLuogo::OnMouseUp() {}

void CMenuLuogo::OnWheelDown() {}

void CMenuLuogo::OnWheelUp() {}
