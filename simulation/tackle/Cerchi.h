#pragma once
// Rings on the water. CCerchi is one expanding ring drawn smaller higher up
// the water (further away); its scale is its radius and its alpha its
// strength, and it fades as it grows. Owners with rings of their own (the
// landing net, tackle) keep repeating rings; CGestCerchi is the shared pool
// of 200 one-shot rings any part of the scene asks for at a point: a float
// landing, groundbait, a fish on the line, a jumping fish, rain.
#include "shell/Sprite.h"

#include <cstdint>

constexpr std::uint32_t kBitmapRing = 136;

class CCerchi : public CSprite {
public:
    CCerchi() = default;
    explicit CCerchi(plat::Device* dev) { Load(dev); }

    void Load(plat::Device* dev);
    void SetBig() { SetPreset(1.6f, 30); }
    void SetMedium() { SetPreset(1.2f, 35); }
    void SetSmall() { SetPreset(0.8f, 40); }
    void OnTimer0() override;

    // A ring that has grown to its limit is over (and free in the pool).
    // Steps of 0.05 in single precision land a hair short of the limit, so
    // reaching it allows for that.
    bool HasEnded() const { return m_scale >= m_limit - kSlack; }

    static constexpr float kSlack = 0.001f;

    // Fields after the sprite, in order.
    float m_limit = 1.6f;
    std::uint8_t m_oneShot = 0;

private:
    void SetPreset(float limit, std::uint32_t interval)
    {
        m_limit = limit;
        m_timer[0].interval = interval;
    }
};

class CGestCerchi : public COggetto {
public:
    static constexpr int kRings = 200;
    enum Kind : std::int32_t { kBig = 0, kMedium = 1, kSmall = 2 };

    CGestCerchi();
    explicit CGestCerchi(plat::Device* dev) : CGestCerchi() { Load(dev); }
    ~CGestCerchi() override;

    void Load(plat::Device* dev);
    void SpawnBig(int x, int y, bool force) { Spawn(x, y, kBig, force); }
    void SpawnMedium(int x, int y, bool force) { Spawn(x, y, kMedium, force); }
    void SpawnSmall(int x, int y, bool force) { Spawn(x, y, kSmall, force); }
    void SpawnSmallNow(int x, int y) { Spawn(x, y, kSmall, true); }
    void Render(plat::Device* dev);
    void OnTimer0() override;
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);

    int CountLive() const;

    // Fields, in order.
    CCerchi m_rings[kRings];
    std::int32_t m_requestX = 0;
    std::int32_t m_requestY = 0;
    std::int32_t m_requestKind = kBig;

private:
    void Spawn(int x, int y, int kind, bool force);
};

extern CGestCerchi g_GestCerchi;
