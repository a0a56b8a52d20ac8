#pragma once
// The background every menu screen shares: bitmap 217 stretched to the back
// buffer and centred on it.
#include "shell/Sprite.h"

constexpr std::uint32_t kBitmapMenuBackground = 217;

void LoadMenuBackground(CSprite& background, plat::Device* dev);
