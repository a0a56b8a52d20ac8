#pragma once
// CPesce: the fish on the line. One object, refilled for every fish offered
// to the rig and for every catch a tournament rival makes: its size drawn
// from the species' size classes, its weight and strength, the 100 ms fight
// (stamina, runs toward and away from the rod, jumps, exhaustion), its
// drawing with the surface rings and the stamina bar, and the landing into
// the raised net.
#include "shell/Sprite.h"
#include "simulation/tackle/Cerchi.h"
#include "simulation/scene/Effetti.h"
#include "world/Pesci.h"

#include <cstdint>

constexpr std::uint32_t kBitmapStaminaBar = 237;

class CPesce : public CSprite {
public:
    CPesce();
    explicit CPesce(plat::Device* dev);

    void Load(plat::Device* dev);
    void Reset();
    // Makes the fish from the species record: length from the size classes
    // (capped when lengthCap > 0; a cap below the species' smallest size
    // turns the fish into species 1), whether it nibbles, weight, stamina,
    // run and position.
    void Hook(const PesceRecord& record, int x, int y, int run, int lengthCap, bool withPhoto);
    static float ComputeWeight(const PesceRecord& record, int length, bool withRandom);
    // The pull of a fish of this weight: min(weight / 100, 4), plus the
    // whole thousands of grams unless only the pull is asked.
    float GetStrength(bool pullOnly) const;
    // A sideways shift of the line end: 0 for a spent or tired fish.
    int GetRandomShift(int axis, int range);
    void SetHeading(float angle);
    // Whether this fish nibbles before it pulls.
    bool IsNibbler() const { return m_species.biteKind == 1 || m_species.biteKind == 2; }
    bool IsSpent() const { return m_exhaustion > 300; }
    float GetScale() const;
    // The stamina bar's second frame, 1 (spent) .. 10.
    int GetStaminaFrame() const;
    void Render(plat::Device* dev);
    void OnTimer0() override; // the fight tick, every 100 ms while drawn
    void Jump();
    void CheckLanding();
    // The landing box around the raised net's point: left, right, above,
    // below.
    static constexpr int kLandLeft = 50, kLandRight = 60, kLandAbove = 30, kLandBelow = 75;
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);

    struct SizeClass {
        std::int32_t cumulative;
        float low;
        float width;
    };

    // Fields after the sprite, in order.
    PesceRecord m_species;
    float m_weight;
    float m_stamina;
    float m_maxStamina;
    std::int32_t m_length;
    std::int32_t m_run;
    std::uint8_t m_jumping;
    std::int32_t m_exhaustion;
    CCerchi m_rings;
    CSprite m_bar;
    SizeClass m_classes[7];
    float m_heading;

private:
    void DrawBar(plat::Device* dev);
};

extern CPesce g_Pesce;
