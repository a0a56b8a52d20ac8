#pragma once
// The parameters of one species photo. Lengths are fractions of the body
// length (snout to the root of the tail), positions along the body run from
// 0 at the snout to 1 at the tail root, and "t" is a height across the body:
// 0 on the back, 1 on the belly. Rows are written with the chained setters
// below, starting from one of the family presets in FishTable.cpp.
#include "tools/gen_fish/Canvas.h"

#include <cstdint>
#include <vector>

namespace fish {

enum class TailKind { Forked, Emarginate, Truncate, Rounded, Lunate, Heterocercal, Pointed };
enum class MouthKind { Terminal, Superior, Inferior };
enum class Water { Fresh, Sea };
enum class Ground { Gravel, Weed, Sand, Rock, Open, Mud };

// A fin standing on the back or the belly, from x0 to x1.
struct Fin {
    float x0 = 0, x1 = 0, h = 0;
    // Outline: relative height at the front, 1 at peakAt, back at the end;
    // round > 1 keeps the outline full (rounded fins), < 1 makes it falcate.
    float front = 1, peakAt = 0, back = 0.3f, round = 1;
    float lean = 0.6f;  // how far the rays slope backwards
    int spines = 0;     // > 0: a spiny edge notched between this many spines
    float notch = 0.35f;
    std::uint32_t colour = 0;  // 0: the species' fin colour
    float alpha = 0.85f;
    bool On() const { return x1 > x0 && h > 0; }
};

// A fin fanning out from one root point (pectoral, pelvic).
struct FanFin {
    float x = 0, t = 0, len = 0;
    float angle = 20, spread = 40;  // degrees; 0 points straight back, positive downwards
    float front = 1, peakAt = 0.3f, back = 0.4f, round = 1.5f;
    std::uint32_t colour = 0;
    float alpha = 0.8f;
    bool On() const { return len > 0; }
};

struct TailFin {
    TailKind kind = TailKind::Forked;
    float len = 0.22f;     // length of the upper lobe
    float spread = 0.17f;  // half height at the tips
    float lowerScale = 1;  // lower lobe relative to the upper (heterocercal < 1)
    float fork = 0.45f;    // depth of the notch for forked, lunate, emarginate tails
    std::uint32_t colour = 0;
    float alpha = 0.9f;
};

struct SpotLayer {
    int count = 0;
    float r = 0.012f, jitter = 0.3f;
    float x0 = 0.1f, x1 = 0.95f, t0 = 0.05f, t1 = 0.6f;
    std::uint32_t colour = 0;
    float alpha = 1;
    std::uint32_t halo = 0;
    float haloWidth = 0;  // 0: no halo
    float stretch = 1;    // > 1 elongates the spots along the body
};

// Dark vertical bands, from t0 down to t1, narrowing by taper towards t1.
struct Bars {
    int count = 0;
    float x0 = 0.2f, x1 = 0.9f, width = 0.45f, t0 = 0, t1 = 0.7f, taper = 0.5f, slant = 0;
    std::uint32_t colour = 0;
    float alpha = 0.6f;
};

struct Stripe {
    float t = 0.5f, width = 0.06f, x0 = 0, x1 = 1, wave = 0, waves = 0;
    std::uint32_t colour = 0;
    float alpha = 0.7f;
};

// Noise-driven blotches (mottling) or, with veins set, vermiculation.
struct Mottle {
    float scale = 12, threshold = 0.55f, alpha = 0.6f;
    std::uint32_t colour = 0;
    bool veins = false;
    float t0 = 0, t1 = 1;
};

// One single mark: the dory's thumbprint, a tail-root saddle, a gill spot.
struct Blotch {
    float x = 0.5f, t = 0.5f, r = 0.05f;
    std::uint32_t colour = 0, ring = 0;
    float ringWidth = 0, alpha = 1, stretch = 1;
};

struct Barbel {
    float x = 0.02f, t = 0.6f, len = 0.1f, angle = 60, curl = 0;  // angle in degrees, 0 = backwards
    float width = 0.008f;
};

struct FishLook {
    const char* key = "";
    unsigned seed = 1;  // set from the species index by the table
    Water water = Water::Fresh;
    Ground ground = Ground::Gravel;

    // Body outline.
    float depth = 0.25f, backShare = 0.52f, maxAt = 0.38f;
    float topP = 2, topQ = 1.3f, botP = 2, botQ = 1.3f;
    float tailR = 1.2f, ped = 0.36f, snoutY = 0.05f;
    float bendAmp = 0, bendWaves = 1;

    // Head.
    float eyeX = 0.09f, eyeT = 0.35f, eyeR = 0.025f;
    std::uint32_t iris = 0xC8B070;
    float eye2X = 0, eye2T = 0;  // a second eye (flatfish), 0 for none
    float opX = 0.24f;           // rear edge of the gill cover
    MouthKind mouth = MouthKind::Terminal;
    float mouthLen = 0.06f, lips = 0;
    bool teeth = false;

    // Colours.
    std::uint32_t back = 0x505848, flank = 0xB0B4A8, belly = 0xF0F0E8;
    float flankAt = 0.5f;
    std::uint32_t finColour = 0, lineColour = 0;
    float sheen = 0.35f;   // soft highlight along the upper flank
    float scales = 0.5f;   // strength of the scale pattern
    float scaleSize = 0.035f;
    float lateralLine = 0.35f;  // strength; 0 hides it
    float lateralT = 0.42f;
    std::vector<SpotLayer> spots;
    std::vector<Bars> bars;
    std::vector<Stripe> stripes;
    std::vector<Mottle> mottles;
    std::vector<Blotch> blotches;
    float finSpots = 0;  // dark speckles on dorsal and tail fins
    std::uint32_t finSpotColour = 0x201810;

    // Fins.
    Fin dorsal, dorsal2, adipose, anal;
    FanFin pectoral, pelvic;
    TailFin tail;

    // Extras.
    std::vector<Barbel> barbels;
    float bill = 0;          // length of the sword or spear
    int gillSlits = 0;
    bool scutes = false;
    int finlets = 0;
    bool keel = false;
    bool headSpines = false;  // scorpionfish spines and skin flaps
    bool tentacles = false;   // blenny eye tentacles
    bool lure = false;        // angler's fishing rod on the head
    int freeSpines = 0;       // stickleback spines before the dorsal

    // Chained setters used by the table.
    FishLook& Key(const char* k) { key = k; return *this; }
    FishLook& Sea(Ground g = Ground::Rock) { water = Water::Sea; ground = g; return *this; }
    FishLook& Fresh(Ground g = Ground::Gravel) { water = Water::Fresh; ground = g; return *this; }
    FishLook& Body(float d, float share, float at) { depth = d; backShare = share; maxAt = at; return *this; }
    FishLook& Head(float tp, float tq, float bp, float bq, float sy) { topP = tp; topQ = tq; botP = bp; botQ = bq; snoutY = sy; return *this; }
    FishLook& Rear(float r, float p) { tailR = r; ped = p; return *this; }
    FishLook& Eye(float x, float t, float r, std::uint32_t c) { eyeX = x; eyeT = t; eyeR = r; iris = c; return *this; }
    FishLook& Mouth(MouthKind k, float len, float lip = 0) { mouth = k; mouthLen = len; lips = lip; return *this; }
    FishLook& Colours(std::uint32_t b, std::uint32_t f, std::uint32_t l, float at = 0.5f) { back = b; flank = f; belly = l; flankAt = at; return *this; }
    FishLook& Fins(std::uint32_t c) { finColour = c; return *this; }
    FishLook& Look(float sh, float sc, float line) { sheen = sh; scales = sc; lateralLine = line; return *this; }
    FishLook& Spots(SpotLayer s) { spots.push_back(s); return *this; }
    FishLook& Bar(Bars b) { bars.push_back(b); return *this; }
    FishLook& Stripes(Stripe s) { stripes.push_back(s); return *this; }
    FishLook& Mottling(Mottle m) { mottles.push_back(m); return *this; }
    FishLook& Mark(Blotch b) { blotches.push_back(b); return *this; }
    FishLook& Barbels(std::vector<Barbel> b) { barbels = std::move(b); return *this; }
    FishLook& Tail(TailKind k, float len, float spread, float fork) { tail.kind = k; tail.len = len; tail.spread = spread; tail.fork = fork; return *this; }
    FishLook& Bend(float amp, float waves) { bendAmp = amp; bendWaves = waves; return *this; }
    // Any other adjustment: .With([](FishLook& s) { s.dorsal.h = 0.2f; })
    template <class F>
    FishLook& With(F&& f) { f(*this); return *this; }
};

// The 130 rows, in species index order.
const std::vector<FishLook>& FishTable();

} // namespace fish
