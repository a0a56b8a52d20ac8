#pragma once
// The small scene sprites: the water ring, the fish sheet, the surface fish,
// the weather icons, the rain and snow drops and the fog.
#include "platform/Image.h"

namespace scenes {

plat::Image PaintRing();        // 50 x 17
plat::Image PaintFishSheet();   // 600 x 200: row 0 swimming and lying, row 1 the jump
plat::Image PaintSurfaceFish(); // 480 x 18: 12 frames of 40 x 18
plat::Image PaintWeatherIcons(); // 175 x 28: clear, cloudy, rain, snow, fog
plat::Image PaintDrops();       // 12 x 5: rain one way, straight, the other way, snow
plat::Image PaintFog();         // 800 x 600, its own alpha

} // namespace scenes
