#pragma once
// CPesce: the fish on the line. One object, refilled for every fish that
// takes the bait. So far it holds what the rig reads while a fish is on
// (stamina, strength, run, bite kind, visibility, heading); making the fish,
// its fight tick, its drawing and the landing build on these fields.
#include "shell/Sprite.h"
#include "world/Pesci.h"

#include <cstdint>

class CPesce : public CSprite {
public:
    CPesce();

    void Load(plat::Device* dev);
    void Reset();
    // The pull of a fish of this weight: min(weight / 100, 4), plus the
    // whole thousands of grams unless only the pull is asked.
    float GetStrength(bool pullOnly) const;
    void SetHeading(float angle) { m_heading = angle; }
    // Whether this fish nibbles before it pulls.
    bool IsNibbler() const { return m_species.biteKind == 1; }
    void Render(plat::Device* dev);
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);

    // Fields after the sprite, in order.
    PesceRecord m_species;
    float m_weight;
    float m_stamina;
    float m_maxStamina;
    std::int32_t m_length;
    std::int32_t m_run;
    std::uint8_t m_jumping;
    std::int32_t m_exhaustion;
    float m_heading;
};

extern CPesce g_Pesce;
