#pragma once
// The tournament screen (screen 10).
// Follows the screen protocol of the application object: Load once while
// loading, Render every frame while current, the device-loss pair, and the
// input handlers while current. So far it shows its background only; its
// panels and controls come with the screen itself.
#include "shell/Sprite.h"

class CMenuGara {
public:
    void Load(plat::Device* dev);
    void Render(plat::Device* dev);
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);
    void OnMouseDown();
    void OnMouseUp();
    void OnWheelDown();
    void OnWheelUp();
    void Activate();

    // Members, in order.
    CSprite m_background; // bitmap 217 stretched to the back buffer, centred
};

extern CMenuGara g_MenuGara;
