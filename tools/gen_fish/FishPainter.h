#pragma once
// Paints one species photo: a water background and the fish described by a
// FishLook, facing left and filling most of the frame.
#include "platform/Image.h"
#include "tools/gen_fish/FishLook.h"

namespace fish {

plat::Image PaintPhoto(const FishLook& look, int width, int height);

} // namespace fish
