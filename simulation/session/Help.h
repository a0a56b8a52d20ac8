#pragma once
// CHelp: the list of the fishing session's commands, shown over the current
// screen. While it is shown it takes the left button and, among the keys,
// only F1; F1 again or its close button hides it.
#include "gui/Finestra.h"
#include "gui/Pulsante.h"
#include "gui/Testo.h"
#include "shell/Oggetto.h"

#include <cstdint>

namespace plat {
class Device;
}

class CHelp : public COggetto {
public:
    static constexpr int kLines = 16;

    CHelp();

    void Load(plat::Device* dev);
    void Render(plat::Device* dev);
    void RenderPanel(plat::Device* dev);
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);
    void OnMouseDown();
    void OnMouseUp();
    // Shows or hides the overlay: the arrow while shown, the cursor of
    // before once hidden.
    void Toggle();
    bool IsShown() const { return m_shown != 0; }

    // Command line i (0..15) in the language of the moment; "" outside.
    static const char* GetLine(int i);
    static int LineY(int i) { return 164 + 17 * i; }

    // Members, in order.
    CFinestra m_panel;
    CTesto m_title;
    CTesto m_line;
    CPulsante m_close;
    std::uint8_t m_shown;
    std::uint8_t m_closePlaced; // the close button has been drawn once
};

extern CHelp g_Help;
