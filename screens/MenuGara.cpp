#include "screens/MenuGara.h"

#include "screens/MenuBackground.h"
#include "shell/Globals.h"

KARVELIN_GLOBAL(15) CMenuGara g_MenuGara;

void CMenuGara::Load(plat::Device* dev) { LoadMenuBackground(m_background, dev); }

void CMenuGara::Render(plat::Device* dev) { m_background.Draw(dev); }

void CMenuGara::OnLostDevice() { m_background.OnLostDevice(); }

void CMenuGara::OnResetDevice(plat::Device* dev) { m_background.OnResetDevice(dev); }

// The screen's controls are not built yet: a press would arm one of them and
// the release act on it.
void CMenuGara::OnMouseDown() {}

void CMenuGara::OnMouseUp() {}

void CMenuGara::OnWheelDown() {}

void CMenuGara::OnWheelUp() {}

void CMenuGara::Activate() {}
