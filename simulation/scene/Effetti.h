#pragma once
// The ambient life of the fishing view: a fish jumping out of the water, a
// small fish swimming at the surface, and the fish-zone overlay the player
// calls with V (markers over the bottom's fish cells, fading out, with the
// depth of each water row written down the left edge).
#include "gui/Testo.h"
#include "shell/Sprite.h"

#include <cstdint>

constexpr std::uint32_t kBitmapFishSheet = 137;
constexpr std::uint32_t kBitmapSurfaceFish = 275;

class CEffetti : public COggetto {
public:
    CEffetti();
    explicit CEffetti(plat::Device* dev) : CEffetti() { Load(dev); }

    void Reset();
    void Clear();
    void Load(plat::Device* dev);
    void Render(plat::Device* dev);
    void ToggleOverlay();
    void OnTimer0() override; // effects step, 120 ms
    void OnTimer1() override; // overlay fade, 1000 ms
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);

    void StartJump();
    void StartSurfaceFish();

    // Fields, in order.
    CSprite m_jump;
    std::uint8_t m_jumpActive = 0;
    CSprite m_surface;
    std::uint8_t m_surfaceActive = 0;
    std::int32_t m_surfacePhase = 0; // 0 none, 1 appearing, 2 swimming, 3 fading
    std::int8_t m_surfaceDirection = 1;
    CSprite m_marker;
    std::uint8_t m_overlayShown = 0;
    std::int32_t m_overlay[33][33] = {}; // [column][row]: pixel offset, 0 = no marker
    CTesto m_label;

private:
    void DrawOverlay(plat::Device* dev);
    void SetRange(CSprite& sprite, int top, int bottom, float start, float end, float maximum);
    // A random point of the near water (13q .. 27q).
    void DrawPoint(CSprite& sprite);
};

extern CEffetti g_Effetti;
