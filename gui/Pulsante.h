#pragma once
// CPulsante: the game's one button. Either a text button (a caption on a
// bar-shaped picture, at most 130 x 25) or a 20 x 20 icon button showing one
// of the 18 icons of the shared strip. States: normal, pressed, disabled;
// owners set the toggled look to mark the chosen button of a group. A click
// is a press and a release on the button; only the release reports it.
//
// CToolBox: the horizontal bar of 14 icon buttons of the tackle box, whose
// third button becomes clickable only while the pending flag is set.
#include "gui/Testo.h"
#include "shell/Bordo.h"
#include "shell/Sprite.h"

#include <cstdint>

constexpr std::uint32_t kBitmapButton = 156;
constexpr std::uint32_t kBitmapButtonToggled = 173;
constexpr std::uint32_t kBitmapIcons = 157;

// Icon columns of the strip that the widgets themselves draw.
enum : int {
    kIconListUp = 4,
    kIconListDown = 5,
    kIconSpinUp = 14,
    kIconSpinDown = 15,
    kIconClose = 17,
    kIconCount = 18,
};

class CPulsante : public COggetto {
public:
    enum State : std::uint32_t { kNormal = 0, kPressed = 1, kDisabled = 2 };

    CPulsante();
    CPulsante(const CPulsante&) = delete;
    CPulsante& operator=(const CPulsante&) = delete;

    int Create(plat::Device* dev);
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);

    // Sizes the button, paints its look and frame and records where it is
    // (layout offset included) for the hit test.
    int Place(plat::Device* dev, int x, int y, int width, int height, bool iconButton);
    int DrawCaptionRect(plat::Device* dev, int x, int y, int width, int height, const char* caption);
    int DrawCaptionW(plat::Device* dev, int x, int y, int width, const char* caption);
    int DrawCaption(plat::Device* dev, int x, int y, const char* caption);
    int DrawIcon(plat::Device* dev, int x, int y, int icon);
    int DrawIcon0(plat::Device* dev, int x, int y) { return DrawIcon(dev, x, y, 0); }
    int DrawIcon1(plat::Device* dev, int x, int y) { return DrawIcon(dev, x, y, 1); }
    int DrawIcon2(plat::Device* dev, int x, int y) { return DrawIcon(dev, x, y, 2); }
    int DrawIcon3(plat::Device* dev, int x, int y) { return DrawIcon(dev, x, y, 3); }
    int DrawIcon4(plat::Device* dev, int x, int y) { return DrawIcon(dev, x, y, 4); }
    int DrawIcon5(plat::Device* dev, int x, int y) { return DrawIcon(dev, x, y, 5); }
    int DrawIcon6(plat::Device* dev, int x, int y) { return DrawIcon(dev, x, y, 6); }
    int DrawIcon7(plat::Device* dev, int x, int y) { return DrawIcon(dev, x, y, 7); }
    int DrawIcon8(plat::Device* dev, int x, int y) { return DrawIcon(dev, x, y, 8); }
    int DrawIcon9(plat::Device* dev, int x, int y) { return DrawIcon(dev, x, y, 9); }
    int DrawIcon10(plat::Device* dev, int x, int y) { return DrawIcon(dev, x, y, 10); }
    int DrawIcon11(plat::Device* dev, int x, int y) { return DrawIcon(dev, x, y, 11); }
    int DrawIcon12(plat::Device* dev, int x, int y) { return DrawIcon(dev, x, y, 12); }
    int DrawIcon13(plat::Device* dev, int x, int y) { return DrawIcon(dev, x, y, 13); }
    int DrawIcon14(plat::Device* dev, int x, int y) { return DrawIcon(dev, x, y, 14); }
    int DrawIcon15(plat::Device* dev, int x, int y) { return DrawIcon(dev, x, y, 15); }
    int DrawIcon16(plat::Device* dev, int x, int y) { return DrawIcon(dev, x, y, 16); }
    int DrawIcon17(plat::Device* dev, int x, int y) { return DrawIcon(dev, x, y, 17); }

    // Arms the button when the press is on it (and it is shown and enabled).
    bool OnMouseDown();
    // True when the button was armed and the release is on it; disarms.
    bool OnMouseUp();
    // false: disabled; true: a disabled button becomes normal (a pressed one stays pressed).
    void Enable(bool enable);

    bool IsMouseInside() const;
    // The size a requested width and height give: 20 below 20 (21 for the
    // height), else capped at 130 x 25 and rounded down to multiples of 5.
    static int SizeW(int width);
    static int SizeH(int height);

    // Fields, in order.
    std::uint8_t m_shown;
    CSprite m_normalLook;
    CSprite m_toggledLook;
    CBordo m_frame;
    CSprite m_icons;
    CTesto m_caption;
    std::uint32_t m_state;
    std::uint8_t m_toggled;
};

class CToolBox : public COggetto {
public:
    enum { kButtons = 14, kPendingButton = 2 };

    CToolBox();
    CToolBox(const CToolBox&) = delete;
    CToolBox& operator=(const CToolBox&) = delete;

    int Create(plat::Device* dev);
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);
    // The shown buttons left to right from x, 20 pixels apart.
    int Draw(plat::Device* dev, int x, int y);
    // Presses every button (the pending one only while the flag is set);
    // true when any was hit.
    bool OnMouseDown();
    // A click on the pending button clears the flag and gives true.
    bool OnToggleMouseUp();
    static int IconOf(int button, bool pending);

    // Fields, in order.
    CPulsante m_buttons[kButtons];
    std::uint8_t m_pending;
};
