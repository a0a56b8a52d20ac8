#include "screens/MenuPesci.h"

#include "screens/MenuBackground.h"
#include "shell/Globals.h"

KARVELIN_GLOBAL(18) CMenuPesci g_MenuPesci;

void CMenuPesci::Load(plat::Device* dev) { LoadMenuBackground(m_background, dev); }

void CMenuPesci::Render(plat::Device* dev) { m_background.Draw(dev); }

void CMenuPesci::OnLostDevice() { m_background.OnLostDevice(); }

void CMenuPesci::OnResetDevice(plat::Device* dev) { m_background.OnResetDevice(dev); }

// The screen's controls are not built yet: a press would arm one of them and
// the release act on it.
void CMenuPesci::OnMouseDown() {}

void CMenuPesci::OnMouseUp() {}

void CMenuPesci::OnWheelDown() {}

void CMenuPesci::OnWheelUp() {}

void CMenuPesci::Activate() {}
