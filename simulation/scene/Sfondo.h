#pragma once
// The venue's picture behind the whole fishing view, tinted by the game
// clock's light, its lower part rippling like water: each row of the lower
// band is drawn again from a row shifted by a moving sine. It also keeps
// the framed photo of the venue the venues screen shows.
#include "shell/SpriteBordo.h"

#include <cstdint>

struct LuogoRecord;

constexpr std::uint32_t kBitmapLakeBackground = 182;
constexpr std::uint32_t kBitmapSeaBackground = 322;

class CSfondo : public CSprite {
public:
    CSfondo();
    ~CSfondo() override;

    void Reset();
    void Load(plat::Device* dev);
    void LoadVenuePicture(plat::Device* dev, LuogoRecord venue);
    void SetRipple(LuogoRecord venue);
    void Render(plat::Device* dev);
    void OnTimer0() override;
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);

    // The rippling band of a picture of height t: its row count, and the
    // shift of its row i for a phase 0..11.
    static int BandRows(int t) { return t / 2 + 30; }
    int RowShift(int i, int bandRows) const;
    // The built-in picture for a venue without a usable photo.
    static std::uint32_t FallbackBitmap(const LuogoRecord& venue);

    // Fields after the sprite, in order.
    std::int32_t m_ripplePhase;
    float m_rippleAmplitude;
    float m_ripplePeriod;
    float m_rippleFactor;
    CSpriteBordo m_venuePhoto;

private:
    std::uint32_t m_fallback = kBitmapLakeBackground;
};

extern CSfondo g_Sfondo;
