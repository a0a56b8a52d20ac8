#pragma once
// Painters for the tackle photos, the float scene pictures and the line
// strip. Every picture is drawn on the supersampled canvas of the species
// photos; the same painter makes the built-in pictures embedded in the game
// and the photos shipped beside the tackle files, so they look alike.
#include "platform/Image.h"
#include "tools/gen_fish/Canvas.h"

namespace tackle {

using fish::Rgb;

// Photo sizes the tackle box asks for.
constexpr int kSquare = 100;                      // hooks, baits, reels, shots
constexpr int kRodW = 75, kRodH = 350;            // rods
constexpr int kFloatW = 50, kFloatH = 350;        // float photos
constexpr int kSceneW = 15, kSceneH = 45;         // floats on the water
constexpr int kLineFrame = 100, kLineColours = 13; // the line photo strip

struct HookLook {
    int size = 18;      // hook number: larger is smaller, 0 and below are x/0
    int colour = 0;     // 0 grey, 1 bronze, 2 brown, 3 red, 4 gold, 5 green
    int bend = 0;       // 0 crystal, 1 round, 2 wide
    int shank = 0;      // 0 short, 1 medium, 2 long
    bool heavyWire = false;
    bool lure = false;  // straight ringed eye, for lures
};

struct RodLook {
    int type = 0;       // 0 pole, 1 bolognese, 2 boat rod, 3 spinning
    Rgb light, dark;    // the rod's colour pair
    unsigned seed = 1;
};

struct ReelLook {
    Rgb body, trim;
    float size = 1.0f;  // 0.8 small .. 1.2 large
    bool boat = false;  // a heavier, rounder body
};

enum class Bait {
    Maggot, RedMaggot, Caster, Worm, Lobworm, Ragworm, KingRagworm, Bread, Polenta, Corn, Cheese, Cherry,
    Grasshopper, Caddis, Shrimp, SeaShrimp, Crab, SmallFish, Sardine, Fly, Liver, Paste, SeaPaste, Mussel,
    RiverMussel, Squid, Seaweed, SardineStrip, RubberSquid, Spinner, Spoon, SeaSpoon, Minnow, SeaMinnow, SoftShad,
    Spinnerbait, Popper, Jig, DeepJig, OffshoreLure
};

enum class FloatShape { Drop, Slim, Spindle, Pear, Ball, Sea, Slider };
struct FloatLook {
    FloatShape shape = FloatShape::Drop;
    float bodyScale = 1.0f; // relative body size (weight)
    Rgb tip;                // antenna colour
    Rgb body;
};

enum class Lead { Shot, Torpille, Pear, Barrel };
struct ShotLook {
    Lead kind = Lead::Shot;
    int weight = 25;    // hundredths of a gram
};

plat::Image PaintHook(const HookLook& look);
plat::Image PaintRod(const RodLook& look);
plat::Image PaintReel(const ReelLook& look);
plat::Image PaintBait(Bait bait);
plat::Image PaintFloatPhoto(const FloatLook& look);
// With real alpha: transparent round the float. The top 15 rows are the
// part above the water, so the coloured tip sits there.
plat::Image PaintFloatScene(const FloatLook& look);
plat::Image PaintNoFloatPhoto();
plat::Image PaintShot(const ShotLook& look);
// Thirteen 100 x 100 frames, one coil of line per line colour.
plat::Image PaintLineStrip();

} // namespace tackle
