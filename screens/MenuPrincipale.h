#pragma once
// The main menu (screen 1), the screen shown when loading ends and the one
// most screens come back to. Its picture also stands in the loading frames.
// So far it shows its background and picture; the menu window, the buttons,
// the waters spinner and the statistics page come with the menu itself.
#include "shell/Sprite.h"

constexpr std::uint32_t kBitmapMainMenuPicture = 216;

class CMenuPrincipale {
public:
    void Load(plat::Device* dev);
    void Render(plat::Device* dev);
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);
    void OnMouseDown();
    void OnMouseUp();

    // Members, in order.
    CSprite m_background; // bitmap 217 stretched to the back buffer, centred
    CSprite m_picture;    // bitmap 216, 415 x 560, placed in the layout
};

extern CMenuPrincipale g_MenuPrincipale;
