#pragma once
// The background every menu screen shares: bitmap 217 stretched to the back
// buffer and centred on it. A screen with a picture of its own stretches
// that one the same way.
#include "shell/Sprite.h"

constexpr std::uint32_t kBitmapMenuBackground = 217;

void LoadMenuBackground(CSprite& background, plat::Device* dev);
void LoadScreenBackground(CSprite& background, plat::Device* dev, std::uint32_t bitmap);
