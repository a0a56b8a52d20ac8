#include "screens/MenuOpzioni.h"

#include "screens/MenuBackground.h"
#include "shell/Globals.h"

KARVELIN_GLOBAL(17) CMenuOpzioni g_MenuOpzioni;

void CMenuOpzioni::Load(plat::Device* dev) { LoadMenuBackground(m_background, dev); }

void CMenuOpzioni::Render(plat::Device* dev) { m_background.Draw(dev); }

void CMenuOpzioni::OnLostDevice() { m_background.OnLostDevice(); }

void CMenuOpzioni::OnResetDevice(plat::Device* dev) { m_background.OnResetDevice(dev); }

// The screen's controls are not built yet: a press would arm one of them and
// the release act on it.
void CMenuOpzioni::OnMouseDown() {}

void CMenuOpzioni::OnMouseUp() {}

void CMenuOpzioni::OnWheelDown() {}

void CMenuOpzioni::OnWheelUp() {}

void CMenuOpzioni::OnChar(unsigned char) {}
