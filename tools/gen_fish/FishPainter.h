#pragma once
// Paints one species photo: a water background and the fish described by a
// FishSpec, facing left and filling most of the frame.
#include "platform/Image.h"
#include "tools/gen_fish/FishSpec.h"

namespace fish {

plat::Image PaintPhoto(const FishSpec& spec, int width, int height);

} // namespace fish
