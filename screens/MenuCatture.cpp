#include "screens/MenuCatture.h"

#include "screens/MenuBackground.h"
#include "shell/Globals.h"

KARVELIN_GLOBAL(12) CMenuCatture g_MenuCatture;

void CMenuCatture::Load(plat::Device* dev) { LoadMenuBackground(m_background, dev); }

void CMenuCatture::Render(plat::Device* dev) { m_background.Draw(dev); }

void CMenuCatture::OnLostDevice() { m_background.OnLostDevice(); }

void CMenuCatture::OnResetDevice(plat::Device* dev) { m_background.OnResetDevice(dev); }

// The screen's controls are not built yet: a press would arm one of them and
// the release act on it.
void CMenuCatture::OnMouseDown() {}

void CMenuCatture::OnMouseUp() {}

void CMenuCatture::OnWheelDown() {}

void CMenuCatture::OnWheelUp() {}

void CMenuCatture::Activate() {}
