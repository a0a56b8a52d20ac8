#pragma once
// CMouse: the one record of the mouse. The window procedure stores the
// pointer, converted from window-client pixels to back-buffer pixels, and
// the held buttons; every press and hover test reads them from here (and
// from g_pointer, which this object keeps equal). It also shows one of four
// cursors: 0 arrow (104), 1 fishing (180), 2 and 3 the tackle box's add and
// remove shot (181, 182).
#include "shell/Oggetto.h"

#include <cstdint>

namespace plat {
struct Cursor;
}

constexpr int kCursorArrow = 104;
constexpr int kCursorFishing = 180;
constexpr int kCursorAddShot = 181;
constexpr int kCursorRemoveShot = 182;

class CMouse : public COggetto {
public:
    CMouse();
    ~CMouse() override;
    CMouse(const CMouse&) = delete;
    CMouse& operator=(const CMouse&) = delete;

    void Reset();
    // Makes the four cursors from the embedded pictures; one that cannot be
    // made shows the system arrow instead.
    void LoadCursors();
    void FreeCursors();
    // Stores the mode and shows its cursor: 1, 2, 3 their own, anything else
    // the arrow.
    void SetCursorMode(std::uint32_t mode);
    // Scales a client position to the viewport, each axis on its own. Nothing
    // changes before the viewport is known or when the client area is empty.
    void SetPosition(int clientLeft, int clientTop, int clientRight, int clientBottom, int clientX, int clientY);
    void SetButtons(bool left, bool right);

    int GetX() const { return x; }
    int GetY() const { return y; }
    bool LeftHeld() const { return left != 0; }
    std::uint32_t GetCursorMode() const { return mode; }

    // Fields, in order.
    std::int32_t x;
    std::int32_t y;
    std::uint32_t left;
    std::uint32_t right;
    std::uint32_t savedMode; // put aside while the help overlay is shown
    std::uint32_t mode;
    plat::Cursor* cursors[4];
};

extern CMouse g_Mouse;
