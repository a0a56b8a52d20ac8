#include "screens/MenuConfigura.h"

#include "screens/MenuBackground.h"
#include "shell/Globals.h"

KARVELIN_GLOBAL(13) CMenuConfigura g_MenuConfigura;

void CMenuConfigura::Load(plat::Device* dev) { LoadMenuBackground(m_background, dev); }

void CMenuConfigura::Render(plat::Device* dev) { m_background.Draw(dev); }

void CMenuConfigura::OnLostDevice() { m_background.OnLostDevice(); }

void CMenuConfigura::OnResetDevice(plat::Device* dev) { m_background.OnResetDevice(dev); }

// The screen's controls are not built yet: a press would arm one of them and
// the release act on it.
void CMenuConfigura::OnMouseDown() {}

void CMenuConfigura::OnMouseUp() {}

void CMenuConfigura::OnWheelDown() {}

void CMenuConfigura::OnWheelUp() {}

void CMenuConfigura::OnChar(unsigned char) {}

void CMenuConfigura::OnMouseMove() {}

void CMenuConfigura::Activate() {}
