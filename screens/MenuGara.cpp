#include "screens/MenuGara.h"

#include "screens/MenuBackground.h"
#include "shell/Globals.h"
#include "simulation/session/Gara.h"

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

// Entering the screen shows a fished tournament's results once; the results
// list and the medal come with the screen's panels. Clearing the flag here
// ends the tournament: later returns go to the main menu and a new session
// has no countdown.
void CMenuGara::Activate() { g_Gara.m_running = 0; }
