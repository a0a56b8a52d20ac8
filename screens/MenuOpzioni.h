#pragma once
// The options screen (screen 3).
// Follows the screen protocol of the application object: Load once while
// loading, Render every frame while current, the device-loss pair, and the
// input handlers while current. So far it shows its background only; its
// panels and controls come with the screen itself.
#include "shell/Sprite.h"

class CMenuOpzioni {
public:
    void Load(plat::Device* dev);
    void Render(plat::Device* dev);
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);
    void OnMouseDown();
    void OnMouseUp();
    void OnWheelDown();
    void OnWheelUp();
    void OnChar(unsigned char ch);

    // Members, in order.
    CSprite m_background; // bitmap 217 stretched to the back buffer, centred
};

extern CMenuOpzioni g_MenuOpzioni;
