#pragma once
// CBordo: a thin rectangular frame made of four 5 x 5 corner pieces and
// four edge pieces cut to length from one strip picture (bitmap 146).
#include "shell/Sprite.h"

class CBordo : public CSprite {
public:
    int Create(plat::Device* dev);
    int Draw(plat::Device* dev, int x, int y, int width, int height);
    // The inset moves only the left corners and the left edge.
    int DrawInset(plat::Device* dev, int x, int y, int width, int height, unsigned inset);
};

constexpr std::uint32_t kBitmapFrameStrip = 146;
