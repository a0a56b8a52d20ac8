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
    // Makes the fish of an offered species: its length drawn from the
    // species' size classes (at most lengthCap when that is above 0), its
    // weight and strength, the run and position given; withPhoto loads the
    // species photo into the catalogue's photo sprite. A cap below the
    // species' smallest size turns the fish into species 1.
    void Hook(const PesceRecord& record, int x, int y, int run, int lengthCap, bool withPhoto);
    // The weight law for a fish of that length, in grams.
    static float ComputeWeight(const PesceRecord& record, int length, bool withRandom);
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
