#pragma once
// The drawing device the game draws on, and the pointer state that the press
// and hover tests read. The application object creates the device and keeps
// both up to date; tests set them directly.
#include "platform/Device.h"
#include "platform/Font.h"

#include <cstdint>

// The game's device; null before the application object creates it.
extern plat::Device* g_pDevice;

// The mouse as the press and hover tests see it: back-buffer pixels and
// the left button (non-zero while held).
struct PointerState {
    int x = 0;
    int y = 0;
    std::uint32_t left = 0;
};
extern PointerState g_pointer;
