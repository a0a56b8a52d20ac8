#pragma once
// CRetino: the landing net at the bottom of the fishing view. It rests out
// of sight below the screen, rises a pixel at a time when raised and sinks
// back when lowered; a fish swimming into the raised net is landed.
#include "shell/Sprite.h"
#include "simulation/tackle/Cerchi.h"

#include <cstdint>

constexpr std::uint32_t kBitmapLandingNet = 215;

class CRetino : public CSprite {
public:
    CRetino();

    void Reset();
    void Load(plat::Device* dev);
    void Raise();
    void Lower() { m_raised = 0; }
    void Toggle();
    bool IsUp() const { return m_raised && m_y == m_raisedY; }
    // Where the net stands beside the rod, by the landing-net setting.
    static int GetSideOffset();
    int GetRestY() const { return GetScreenHeight() + 150; }
    void RenderFront(plat::Device* dev); // the bag under water, faint
    void RenderBack(plat::Device* dev);  // rim and handle
    void OnTimer0() override;            // one pixel a firing
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);

    // Fields after the sprite, in order.
    CCerchi m_smallRings, m_bigRings; // where the rim meets the water
    std::int32_t m_raisedY;
    std::uint8_t m_raised;
    int m_rodX = 400; // the rod's x, handed in by the rig before each draw
};

extern CRetino g_Retino;
