#pragma once
// CHelp: the list of the fishing session's commands, shown over the current
// screen. While it is shown it takes the left button and, among the keys,
// only F1. So far it keeps its shown flag and the cursor change; the panel,
// its texts and the close button come with the overlay itself.
#include "shell/Oggetto.h"

#include <cstdint>

namespace plat {
class Device;
}

class CHelp : public COggetto {
public:
    CHelp();

    void Load(plat::Device* dev);
    void Render(plat::Device* dev);
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);
    void OnMouseDown();
    void OnMouseUp();
    // Shows or hides the overlay: the arrow while shown, the cursor of
    // before once hidden.
    void Toggle();
    bool IsShown() const { return m_shown != 0; }

    // Members, in order (the panel, texts and close button come first once built).
    std::uint8_t m_shown;
};

extern CHelp g_Help;
