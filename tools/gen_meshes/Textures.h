#pragma once
// The flat textures of the 3D tackle.
#include "platform/Image.h"

namespace meshgen {

constexpr int kRodTextureWidth = 256, kRodTextureHeight = 16;
constexpr int kPlainTextureSize = 8;
constexpr int kSeatTextureSize = 64;
constexpr int kCorkTextureSize = 128;

// The rod blank in rod colour 0..10: u from the tip (left) to the reel seat
// (right), dark whippings at the rings; the first columns are the grip
// colour, which everything beyond the reel seat shows.
plat::Image RodTexture(int colour);
// One colour all over (reel parts and spools show only their first texel).
plat::Image PlainTexture(float r, float g, float b);
plat::Image ReelSeatTexture();
plat::Image CorkTexture();

} // namespace meshgen
