#pragma once
// The main window's procedure: the mouse into CMouse, the input to the
// application object, the hot keys, closing.
#include "platform/Window.h"

// False when the message was left to the platform's default handling.
bool WndProc(const plat::WindowMessage& message);
