#pragma once
// The venue landscapes: daylight pictures whose far shore meets the water
// exactly where the venue's upper limits put the water line.
#include "platform/Image.h"
#include "tools/gen_fish/Canvas.h"

#include <string>

namespace scenes {

enum class Far { None, Alps, Hills, Coast };
enum class Trees { None, Conifers, Broadleaf, Poplars, Cypress, Scrub };
enum class Houses { None, Village, Harbour };
enum class Bank { Grass, Stones, Sand, Rock, Concrete };

struct LandscapeSpec {
    std::string file;
    int width, height;
    std::string levels, types; // the venue's LIMITI_SUPERIORI and TIPO_LIMITI_SUPERIORI
    unsigned seed;
    fish::Rgb skyTop, skyLow;
    Far far;
    float farTop;      // highest peak, fraction of the height
    fish::Rgb farColour;
    bool hills;        // a green middle ridge in front of the far layer
    fish::Rgb hillColour;
    Trees trees;
    fish::Rgb treeColour;
    float treeHeight;  // in rows of height / 30
    Houses houses;
    Bank bank;
    bool sea;          // open water to a flat horizon; land only where the line drops below it
    fish::Rgb waterFar, waterNear;
    float ripple;      // 0 still .. 1 lively
};

plat::Image PaintLandscape(const LandscapeSpec& spec);

} // namespace scenes
