// The species photo table: one row per species, in species index order.
// Each row starts from a family preset (outline, fins, head) and sets the
// species' own proportions, colours and markings.
#include "tools/gen_fish/FishLook.h"

namespace fish {
namespace {

using T = TailKind;
using M = MouthKind;
using G = Ground;

// Short builders for the table rows.
Fin F(float x0, float x1, float h, float front = 1, float peakAt = 0, float back = 0.3f, float round = 1, float lean = 0.6f)
{
    Fin f;
    f.x0 = x0; f.x1 = x1; f.h = h; f.front = front; f.peakAt = peakAt; f.back = back; f.round = round; f.lean = lean;
    return f;
}
Fin Spiny(Fin f, int spines, float notch = 0.35f) { f.spines = spines; f.notch = notch; return f; }
Fin Coloured(Fin f, std::uint32_t c) { f.colour = c; return f; }
FanFin Fan(float x, float t, float len, float angle, float spread, float front = 1, float peakAt = 0.3f, float back = 0.4f, float round = 1.5f)
{
    FanFin f;
    f.x = x; f.t = t; f.len = len; f.angle = angle; f.spread = spread; f.front = front; f.peakAt = peakAt; f.back = back; f.round = round;
    return f;
}
SpotLayer Dots(int n, float r, std::uint32_t c, float x0, float x1, float t0, float t1)
{
    SpotLayer s;
    s.count = n; s.r = r; s.colour = c; s.x0 = x0; s.x1 = x1; s.t0 = t0; s.t1 = t1;
    return s;
}
SpotLayer Haloed(SpotLayer s, std::uint32_t halo, float width) { s.halo = halo; s.haloWidth = width; return s; }
SpotLayer Stretched(SpotLayer s, float k) { s.stretch = k; return s; }
Stripe Band(float t, float width, std::uint32_t c, float alpha = 0.7f, float x0 = 0, float x1 = 1)
{
    Stripe s;
    s.t = t; s.width = width; s.colour = c; s.alpha = alpha; s.x0 = x0; s.x1 = x1;
    return s;
}
Stripe Wavy(Stripe s, float amp, float waves) { s.wave = amp; s.waves = waves; return s; }
Bars Bands(int count, std::uint32_t c, float alpha, float t1 = 0.7f, float width = 0.45f, float taper = 0.5f, float x0 = 0.22f, float x1 = 0.92f)
{
    Bars b;
    b.count = count; b.colour = c; b.alpha = alpha; b.t1 = t1; b.width = width; b.taper = taper; b.x0 = x0; b.x1 = x1;
    return b;
}
Bars Slanted(Bars b, float slant, float t0 = 0) { b.slant = slant; b.t0 = t0; return b; }
Mottle Blotches(std::uint32_t c, float alpha, float scale = 12, float threshold = 0.55f)
{
    Mottle m;
    m.colour = c; m.alpha = alpha; m.scale = scale; m.threshold = threshold;
    return m;
}
Mottle Veins(std::uint32_t c, float alpha, float scale)
{
    Mottle m = Blotches(c, alpha, scale);
    m.veins = true;
    return m;
}
Blotch Spot(float x, float t, float r, std::uint32_t c, float stretch = 1)
{
    Blotch b;
    b.x = x; b.t = t; b.r = r; b.colour = c; b.stretch = stretch;
    return b;
}
Blotch Ringed(Blotch b, std::uint32_t ring, float width) { b.ring = ring; b.ringWidth = width; return b; }
Barbel Whisker(float x, float t, float len, float angle, float curl = 0, float width = 0.008f)
{
    Barbel b;
    b.x = x; b.t = t; b.len = len; b.angle = angle; b.curl = curl; b.width = width;
    return b;
}

// Several parallel lines along the flank (mullets, salema, sea breams).
FishLook& Lines(FishLook& s, int n, float t0, float t1, float width, std::uint32_t c, float alpha)
{
    for (int i = 0; i < n; ++i)
        s.Stripes(Band(t0 + (t1 - t0) * float(i) / float(n - 1), width, c, alpha, 0.2f, 0.98f));
    return s;
}

// ---- family presets ---------------------------------------------------------

FishLook Cyprinid()
{
    FishLook s;
    s.Fresh().Body(0.25f, 0.54f, 0.4f).Eye(0.08f, 0.38f, 0.028f, 0xD8C890).Mouth(M::Terminal, 0.05f);
    s.opX = 0.22f;
    s.dorsal = F(0.42f, 0.56f, 0.14f, 1, 0, 0.3f);
    s.anal = F(0.66f, 0.77f, 0.09f, 1, 0, 0.35f, 1, 0.45f);
    s.pectoral = Fan(0.23f, 0.75f, 0.12f, 35, 28);
    s.pelvic = Fan(0.47f, 0.97f, 0.09f, 45, 24);
    s.Tail(T::Forked, 0.24f, 0.17f, 0.5f);
    s.Colours(0x4A5A50, 0xC0C4B8, 0xF2F0E6);
    return s;
}

FishLook Salmonid()
{
    FishLook s = Cyprinid();
    s.Body(0.23f, 0.52f, 0.4f).Head(1.7f, 1.1f, 1.8f, 1.2f, 0.1f).Mouth(M::Terminal, 0.1f).Eye(0.08f, 0.36f, 0.024f, 0xC8B070);
    s.dorsal = F(0.4f, 0.53f, 0.13f, 1, 0, 0.45f, 1.2f);
    s.adipose = F(0.79f, 0.85f, 0.035f, 0.3f, 0.5f, 0.6f, 2, 0.5f);
    s.anal = F(0.68f, 0.78f, 0.09f, 1, 0, 0.4f, 1.2f, 0.4f);
    s.pelvic = Fan(0.52f, 0.97f, 0.09f, 45, 24);
    s.Tail(T::Emarginate, 0.22f, 0.17f, 0.18f);
    s.scaleSize = 0.018f;
    s.scales = 0.25f;
    return s;
}

FishLook Percid()
{
    FishLook s = Cyprinid();
    s.Body(0.28f, 0.56f, 0.38f).Head(1.7f, 1.1f, 1.9f, 1.2f, 0.05f).Mouth(M::Terminal, 0.09f).Eye(0.1f, 0.33f, 0.03f, 0xD0B040);
    s.opX = 0.27f;
    s.dorsal = Spiny(F(0.28f, 0.5f, 0.15f, 0.75f, 0.2f, 0.35f, 1.3f, 0.4f), 13, 0.3f);
    s.dorsal2 = F(0.52f, 0.68f, 0.12f, 1, 0.1f, 0.35f, 1.3f);
    s.anal = F(0.67f, 0.77f, 0.1f, 1, 0, 0.35f, 1.2f, 0.45f);
    s.pectoral = Fan(0.27f, 0.62f, 0.13f, 25, 30);
    s.pelvic = Fan(0.3f, 0.97f, 0.11f, 50, 22);
    s.Tail(T::Emarginate, 0.22f, 0.17f, 0.3f);
    s.scaleSize = 0.025f;
    return s;
}

FishLook Sparid()
{
    FishLook s = Percid();
    s.Sea(G::Rock).Body(0.4f, 0.56f, 0.36f).Head(1.8f, 1.2f, 1.9f, 1.3f, 0.18f).Mouth(M::Terminal, 0.06f, 0.008f).Eye(0.12f, 0.3f, 0.032f, 0xC8C0A0);
    s.dorsal = Spiny(F(0.27f, 0.62f, 0.13f, 0.8f, 0.15f, 0.75f, 1.2f, 0.4f), 11, 0.25f);
    s.dorsal2 = F(0.61f, 0.81f, 0.11f, 0.95f, 0, 0.4f, 1.2f);
    s.anal = F(0.64f, 0.81f, 0.09f, 1, 0, 0.35f, 1.2f, 0.45f);
    s.pectoral = Fan(0.27f, 0.6f, 0.21f, 18, 18, 1, 0, 0.2f, 1);
    s.pelvic = Fan(0.32f, 0.97f, 0.11f, 55, 20);
    s.Tail(T::Forked, 0.26f, 0.21f, 0.55f);
    s.Colours(0x6A7A80, 0xC8CCD0, 0xF2F2F2);
    s.scaleSize = 0.03f;
    return s;
}

FishLook Serranid()
{
    FishLook s = Sparid();
    s.Body(0.3f, 0.54f, 0.38f).Head(1.5f, 1.1f, 1.7f, 1.1f, 0.15f).Mouth(M::Terminal, 0.12f).Eye(0.12f, 0.3f, 0.03f, 0xD0A060);
    s.dorsal = Spiny(F(0.28f, 0.6f, 0.12f, 0.7f, 0.2f, 0.85f, 1.3f, 0.4f), 10, 0.3f);
    s.dorsal2 = F(0.6f, 0.8f, 0.12f, 1, 0.3f, 0.6f, 2);
    s.anal = F(0.64f, 0.8f, 0.1f, 1, 0.3f, 0.5f, 2, 0.4f);
    s.pectoral = Fan(0.28f, 0.55f, 0.15f, 20, 50, 0.7f, 0.4f, 0.6f, 2);
    s.Tail(T::Truncate, 0.2f, 0.17f, 0);
    return s;
}

FishLook Grouper()
{
    FishLook s = Serranid();
    s.Body(0.32f, 0.52f, 0.38f).Mouth(M::Terminal, 0.15f, 0.008f).Eye(0.12f, 0.28f, 0.026f, 0xB89060);
    s.Tail(T::Rounded, 0.2f, 0.16f, 0);
    s.scaleSize = 0.02f;
    s.scales = 0.3f;
    return s;
}

FishLook Mullet()
{
    FishLook s = Cyprinid();
    s.Sea(G::Sand).Body(0.22f, 0.5f, 0.38f).Head(2.3f, 1.6f, 2, 1.4f, 0.15f).Mouth(M::Terminal, 0.045f, 0.012f).Eye(0.1f, 0.35f, 0.026f, 0xC8C0A8);
    s.opX = 0.25f;
    s.dorsal = Spiny(F(0.42f, 0.5f, 0.1f, 1, 0, 0.3f, 1, 0.5f), 4, 0.2f);
    s.dorsal2 = F(0.64f, 0.72f, 0.09f, 1, 0, 0.3f);
    s.anal = F(0.62f, 0.73f, 0.09f, 1, 0, 0.3f);
    s.pectoral = Fan(0.27f, 0.38f, 0.12f, 25, 22);
    s.pelvic = Fan(0.42f, 0.97f, 0.09f, 45, 24);
    s.Tail(T::Forked, 0.24f, 0.18f, 0.35f);
    s.Colours(0x485868, 0xB8C0C8, 0xEEF0F0);
    s.scaleSize = 0.04f;
    s.scales = 0.6f;
    s.lateralLine = 0;
    Lines(s, 6, 0.12f, 0.62f, 0.035f, 0x3A4656, 0.6f);
    return s;
}

FishLook Wrasse()
{
    FishLook s = Percid();
    s.Sea(G::Weed).Body(0.26f, 0.52f, 0.4f).Head(1.5f, 1.1f, 1.6f, 1.1f, 0.1f).Mouth(M::Terminal, 0.06f, 0.012f).Eye(0.11f, 0.3f, 0.024f, 0xD08040);
    s.dorsal = Spiny(F(0.26f, 0.86f, 0.09f, 0.7f, 0.1f, 1.1f, 1, 0.35f), 18, 0.15f);
    s.dorsal2 = Fin{};
    s.anal = F(0.56f, 0.86f, 0.08f, 0.8f, 0.2f, 1.1f, 1, 0.35f);
    s.pectoral = Fan(0.28f, 0.5f, 0.13f, 20, 40, 0.8f, 0.4f, 0.5f, 2);
    s.Tail(T::Rounded, 0.18f, 0.15f, 0);
    return s;
}

FishLook Goby()
{
    FishLook s = Percid();
    s.Sea(G::Sand).Body(0.2f, 0.5f, 0.22f).Head(2.5f, 2, 2, 1.8f, 0.05f).Rear(0.5f, 0.55f).Mouth(M::Terminal, 0.09f, 0.01f).Eye(0.1f, 0.14f, 0.032f, 0xC8A060);
    s.opX = 0.23f;
    s.dorsal = Spiny(F(0.32f, 0.44f, 0.11f, 0.9f, 0.3f, 0.4f, 2, 0.4f), 6, 0.12f);
    s.dorsal2 = F(0.5f, 0.8f, 0.09f, 0.8f, 0.5f, 0.9f, 2, 0.35f);
    s.anal = F(0.56f, 0.8f, 0.08f, 0.8f, 0.5f, 0.9f, 2, 0.35f);
    s.pectoral = Fan(0.25f, 0.5f, 0.15f, 20, 60, 0.7f, 0.5f, 0.6f, 2);
    s.pelvic = Fan(0.27f, 0.97f, 0.1f, 65, 45, 0.8f, 0.5f, 0.8f, 2);
    s.Tail(T::Rounded, 0.2f, 0.11f, 0);
    s.scaleSize = 0.03f;
    s.scales = 0.3f;
    s.lateralLine = 0;
    s.sheen = 0.2f;
    return s;
}

FishLook Blenny()
{
    FishLook s = Goby();
    s.Sea(G::Rock).Body(0.22f, 0.5f, 0.2f).Head(3, 2.4f, 2, 1.6f, 0.15f).Rear(0.6f, 0.45f).Mouth(M::Terminal, 0.06f, 0.012f);
    s.dorsal = F(0.17f, 0.9f, 0.09f, 1, 0.05f, 0.9f, 2.5f, 0.3f);
    s.dorsal2 = Fin{};
    s.anal = F(0.48f, 0.9f, 0.07f, 0.8f, 0.3f, 0.9f, 2, 0.3f);
    s.pelvic = Fan(0.17f, 0.96f, 0.08f, 85, 14);
    s.tentacles = true;
    s.scales = 0;
    return s;
}

FishLook Carangid()
{
    FishLook s = Cyprinid();
    s.Sea(G::Open).Body(0.26f, 0.52f, 0.4f).Head(1.8f, 1.2f, 1.8f, 1.2f, 0.1f).Rear(1.6f, 0.16f).Mouth(M::Terminal, 0.08f).Eye(0.1f, 0.35f, 0.028f, 0xC8C0A0);
    s.opX = 0.24f;
    s.dorsal = Spiny(F(0.3f, 0.4f, 0.05f, 1, 0, 0.6f), 6, 0.4f);
    s.dorsal2 = F(0.44f, 0.86f, 0.11f, 1, 0, 0.25f, 0.5f, 0.4f);
    s.anal = F(0.56f, 0.86f, 0.09f, 1, 0, 0.25f, 0.5f, 0.4f);
    s.pectoral = Fan(0.26f, 0.55f, 0.16f, 20, 16, 1, 0, 0.2f, 1);
    s.pelvic = Fan(0.34f, 0.97f, 0.08f, 50, 20);
    s.Tail(T::Forked, 0.3f, 0.22f, 0.62f);
    s.scales = 0.15f;
    s.scaleSize = 0.02f;
    return s;
}

FishLook Tuna()
{
    FishLook s = Carangid();
    s.Body(0.27f, 0.52f, 0.42f).Head(1.7f, 1.15f, 1.8f, 1.2f, 0.05f).Rear(1.8f, 0.1f).Mouth(M::Terminal, 0.07f);
    s.dorsal = F(0.3f, 0.48f, 0.13f, 1, 0, 0.1f, 0.8f, 0.5f);
    s.dorsal2 = F(0.54f, 0.64f, 0.1f, 1, 0, 0.3f, 0.7f, 0.6f);
    s.anal = F(0.6f, 0.7f, 0.08f, 1, 0, 0.3f, 0.7f, 0.6f);
    s.pectoral = Fan(0.26f, 0.48f, 0.15f, 15, 14, 1, 0, 0.2f, 1);
    s.Tail(T::Lunate, 0.25f, 0.28f, 0.6f);
    s.finlets = 7;
    s.keel = true;
    s.scales = 0;
    s.lateralLine = 0;
    return s;
}

FishLook Catfish()
{
    FishLook s = Cyprinid();
    s.ground = G::Mud;
    s.Body(0.2f, 0.5f, 0.28f).Head(2.4f, 2, 2, 1.8f, 0.15f).Rear(0.8f, 0.45f).Mouth(M::Terminal, 0.11f, 0.006f).Eye(0.1f, 0.28f, 0.014f, 0xB09050);
    s.opX = 0.24f;
    s.dorsal = F(0.33f, 0.42f, 0.12f, 1, 0.1f, 0.3f, 1.5f, 0.4f);
    s.adipose = F(0.74f, 0.86f, 0.04f, 0.3f, 0.5f, 0.5f, 2, 0.5f);
    s.anal = F(0.66f, 0.86f, 0.07f, 0.8f, 0.4f, 0.6f, 2, 0.3f);
    s.pectoral = Fan(0.24f, 0.75f, 0.12f, 30, 35);
    s.pelvic = Fan(0.5f, 0.97f, 0.08f, 40, 25);
    s.Tail(T::Truncate, 0.2f, 0.15f, 0);
    s.scales = 0;
    s.sheen = 0.25f;
    s.lateralLine = 0.25f;
    s.Barbels({Whisker(0.04f, 0.6f, 0.18f, 150, -40), Whisker(0.1f, 0.62f, 0.24f, 45, 25), Whisker(0.06f, 0.97f, 0.1f, 120, 10),
               Whisker(0.09f, 0.98f, 0.12f, 95, 10)});
    return s;
}

FishLook Sturgeon()
{
    FishLook s = Cyprinid();
    s.ground = G::Sand;
    s.Body(0.17f, 0.5f, 0.32f).Head(1.1f, 1, 1.6f, 1.2f, -0.1f).Rear(0.9f, 0.35f).Mouth(M::Inferior, 0.16f, 0.01f).Eye(0.15f, 0.3f, 0.013f, 0x807060);
    s.opX = 0.25f;
    s.dorsal = F(0.72f, 0.82f, 0.1f, 1, 0, 0.3f, 1, 0.5f);
    s.anal = F(0.75f, 0.84f, 0.08f, 1, 0, 0.3f, 1, 0.5f);
    s.pectoral = Fan(0.26f, 0.88f, 0.13f, 35, 20, 1, 0, 0.3f, 1);
    s.pelvic = Fan(0.6f, 0.97f, 0.08f, 40, 20);
    s.Tail(T::Heterocercal, 0.28f, 0.15f, 0);
    s.tail.lowerScale = 0.55f;
    s.scutes = true;
    s.scales = 0;
    s.lateralLine = 0;
    s.Barbels({Whisker(0.07f, 0.95f, 0.05f, 95, 0, 0.006f), Whisker(0.085f, 0.96f, 0.05f, 90, 0, 0.006f)});
    return s;
}

FishLook Shark()
{
    FishLook s = Cyprinid();
    s.Sea(G::Open).Body(0.16f, 0.5f, 0.36f).Head(1.6f, 1.1f, 2.3f, 1.6f, -0.15f).Rear(1.1f, 0.3f).Mouth(M::Inferior, 0.14f).Eye(0.1f, 0.32f, 0.018f, 0x303840);
    s.opX = 0.24f;
    s.dorsal = F(0.36f, 0.48f, 0.13f, 1, 0, 0.15f, 1.6f, 0.9f);
    s.dorsal2 = F(0.72f, 0.77f, 0.05f, 1, 0, 0.2f, 1.4f, 0.9f);
    s.anal = F(0.74f, 0.79f, 0.04f, 1, 0, 0.2f, 1.4f, 0.9f);
    s.pectoral = Fan(0.27f, 0.82f, 0.2f, 45, 24, 1, 0, 0.3f, 1);
    s.pelvic = Fan(0.6f, 0.95f, 0.07f, 35, 25);
    s.Tail(T::Heterocercal, 0.33f, 0.16f, 0);
    s.tail.lowerScale = 0.5f;
    s.gillSlits = 5;
    s.scales = 0;
    s.lateralLine = 0;
    s.sheen = 0.25f;
    return s;
}

FishLook Billfish()
{
    FishLook s = Tuna();
    s.Body(0.2f, 0.52f, 0.36f).Head(1.4f, 1, 1.8f, 1.2f, -0.05f).Rear(1.4f, 0.1f).Mouth(M::Terminal, 0.09f).Eye(0.1f, 0.36f, 0.022f, 0x404858);
    s.dorsal = F(0.2f, 0.8f, 0.22f, 1, 0, 0.2f, 0.35f, 0.35f);
    s.dorsal2 = F(0.88f, 0.92f, 0.04f, 1, 0, 0.3f);
    s.anal = F(0.66f, 0.76f, 0.09f, 1, 0, 0.25f, 0.6f, 0.5f);
    s.pectoral = Fan(0.25f, 0.7f, 0.2f, 30, 12, 1, 0, 0.2f, 1);
    s.pelvic = Fan(0.3f, 0.97f, 0.14f, 60, 6, 1, 0.2f, 0.4f, 1);
    s.finlets = 0;
    s.bill = 0.3f;
    s.Tail(T::Lunate, 0.3f, 0.32f, 0.85f);
    return s;
}

FishLook Eel()
{
    FishLook s = Cyprinid();
    s.ground = G::Mud;
    s.Body(0.075f, 0.5f, 0.3f).Head(1.6f, 1.2f, 1.8f, 1.3f, 0.1f).Rear(0.6f, 0.35f).Mouth(M::Terminal, 0.035f).Eye(0.04f, 0.3f, 0.011f, 0xC0A050);
    s.opX = 0.1f;
    s.dorsal = F(0.34f, 1.0f, 0.03f, 0.4f, 0.4f, 1, 2, 0.2f);
    s.anal = F(0.46f, 1.0f, 0.028f, 0.4f, 0.4f, 1, 2, 0.2f);
    s.pectoral = Fan(0.115f, 0.55f, 0.035f, 10, 60, 0.6f, 0.5f, 0.6f, 2);
    s.pelvic = FanFin{};
    s.Tail(T::Pointed, 0.07f, 0.03f, 0);
    s.Bend(0.035f, 1.1f);
    s.scales = 0;
    s.lateralLine = 0.2f;
    return s;
}

FishLook Flatfish()
{
    FishLook s = Cyprinid();
    s.Sea(G::Sand).Body(0.42f, 0.5f, 0.42f).Head(2, 2, 2, 2, 0.1f).Rear(0.8f, 0.2f).Mouth(M::Terminal, 0.03f).Eye(0.08f, 0.3f, 0.014f, 0xA09060);
    s.eye2X = 0.11f;
    s.eye2T = 0.42f;
    s.opX = 0.2f;
    s.dorsal = F(0.03f, 0.96f, 0.07f, 0.3f, 0.5f, 0.8f, 2, 0.15f);
    s.anal = F(0.24f, 0.96f, 0.065f, 0.4f, 0.5f, 0.8f, 2, 0.15f);
    s.pectoral = Fan(0.2f, 0.45f, 0.05f, 0, 50, 0.6f, 0.5f, 0.6f, 2);
    s.pelvic = FanFin{};
    s.Tail(T::Rounded, 0.13f, 0.09f, 0);
    s.scaleSize = 0.015f;
    s.scales = 0.3f;
    s.lateralLine = 0.5f;
    s.lateralT = 0.5f;
    s.sheen = 0.1f;
    return s;
}

FishLook Scorpionfish()
{
    FishLook s = Serranid();
    s.Body(0.34f, 0.56f, 0.3f).Head(2.2f, 1.6f, 2, 1.5f, 0.1f).Mouth(M::Superior, 0.13f, 0.008f).Eye(0.14f, 0.2f, 0.03f, 0xA05030);
    s.dorsal = Spiny(F(0.22f, 0.6f, 0.15f, 0.9f, 0.15f, 0.5f, 1.2f, 0.3f), 12, 0.5f);
    s.dorsal2 = F(0.6f, 0.8f, 0.12f, 0.9f, 0.4f, 0.6f, 2);
    s.anal = F(0.65f, 0.8f, 0.11f, 0.9f, 0.4f, 0.6f, 2, 0.3f);
    s.pectoral = Fan(0.32f, 0.55f, 0.22f, 30, 70, 0.7f, 0.5f, 0.7f, 2);
    s.pelvic = Fan(0.34f, 0.97f, 0.13f, 55, 30);
    s.Tail(T::Rounded, 0.2f, 0.15f, 0);
    s.headSpines = true;
    s.tentacles = true;
    s.scales = 0.15f;
    s.lateralLine = 0.2f;
    s.sheen = 0.15f;
    return s;
}

// ---- the table ----------------------------------------------------------------

std::vector<FishLook> Build()
{
    std::vector<FishLook> t;
    t.reserve(130);
    // 0 agone: landlocked shad, silvery with a row of dark spots behind the gill.
    t.push_back(Cyprinid().Key("agone").Fresh(G::Open).Body(0.27f, 0.46f, 0.4f).Mouth(M::Superior, 0.08f).Colours(0x3D6A78, 0xC8D0D4, 0xF4F4F0, 0.35f)
                    .Look(0.5f, 0.4f, 0).Mark(Spot(0.27f, 0.28f, 0.022f, 0x202830)).Spots(Dots(5, 0.014f, 0x283038, 0.32f, 0.55f, 0.26f, 0.32f))
                    .Tail(T::Forked, 0.26f, 0.18f, 0.7f).With([](FishLook& s) { s.scaleSize = 0.04f; }));
    // 1 alborella: bleak, slender, upturned mouth, brilliant silver.
    t.push_back(Cyprinid().Key("alborella").Fresh(G::Gravel).Body(0.2f, 0.5f, 0.42f).Mouth(M::Superior, 0.05f).Eye(0.08f, 0.38f, 0.032f, 0xD8D8C8)
                    .Colours(0x5E7464, 0xD8DCDC, 0xF8F8F6, 0.4f).Look(0.6f, 0.3f, 0.3f).Stripes(Band(0.4f, 0.05f, 0x7088A0, 0.35f, 0.25f, 0.98f))
                    .With([](FishLook& s) { s.anal = F(0.6f, 0.8f, 0.08f, 1, 0, 0.3f); s.dorsal = F(0.5f, 0.6f, 0.12f); }));
    // 2 alosaCheppia: allis shad, deep silvery body, one dark shoulder spot.
    t.push_back(Cyprinid().Key("alosaCheppia").Fresh(G::Open).Body(0.28f, 0.45f, 0.4f).Mouth(M::Superior, 0.09f).Colours(0x3A6070, 0xC8D0D8, 0xF6F6F4, 0.35f)
                    .Look(0.55f, 0.45f, 0).Mark(Spot(0.27f, 0.27f, 0.026f, 0x1E2630)).Tail(T::Forked, 0.26f, 0.19f, 0.7f)
                    .With([](FishLook& s) { s.scaleSize = 0.045f; }));
    // 3 barbo: barbel, flat belly, underslung mouth with four barbels, bronze with reddish fins.
    t.push_back(Cyprinid().Key("barbo").Body(0.2f, 0.6f, 0.4f).Head(1.5f, 1.1f, 2, 1.4f, -0.3f).Mouth(M::Inferior, 0.08f, 0.012f).Eye(0.12f, 0.3f, 0.02f, 0xC0A060)
                    .Colours(0x5A5A3A, 0xA89A6A, 0xE8E0C8, 0.55f).Look(0.35f, 0.35f, 0.4f)
                    .With([](FishLook& s) {
                        s.scaleSize = 0.025f;
                        s.pelvic.colour = s.anal.colour = s.pectoral.colour = 0xB8704A;
                        s.tail.colour = 0x8A6A48;
                    })
                    .Barbels({Whisker(0.03f, 0.72f, 0.06f, 115, 10), Whisker(0.08f, 0.92f, 0.08f, 90, 20)}));
    // 4 carassio: crucian carp, deep and rounded, bronze-gold.
    t.push_back(Cyprinid().Key("carassio").Fresh(G::Weed).Body(0.42f, 0.55f, 0.38f).Head(1.9f, 1.4f, 2, 1.4f, 0.05f).Colours(0x4E5030, 0xA89048, 0xD8C890)
                    .Fins(0x6A5A38).Look(0.35f, 0.6f, 0.4f).Tail(T::Emarginate, 0.22f, 0.18f, 0.2f)
                    .With([](FishLook& s) { s.dorsal = F(0.4f, 0.74f, 0.13f, 1, 0.1f, 0.5f, 1.8f, 0.4f); s.scaleSize = 0.04f; }));
    // 5 carpa: common carp, humped back, long dorsal, large scales, barbels.
    t.push_back(Cyprinid().Key("carpa").Fresh(G::Weed).Body(0.32f, 0.58f, 0.38f).Head(1.8f, 1.3f, 2, 1.4f, 0.05f).Mouth(M::Terminal, 0.05f, 0.012f)
                    .Colours(0x4A4A2A, 0xB09048, 0xE0D0A0).Fins(0x6A5A40).Look(0.35f, 0.75f, 0.45f).Tail(T::Forked, 0.24f, 0.18f, 0.35f)
                    .With([](FishLook& s) {
                        s.dorsal = F(0.38f, 0.8f, 0.12f, 1.3f, 0, 0.35f, 0.7f, 0.4f);
                        s.scaleSize = 0.05f;
                        s.anal.colour = 0x8A5A3A;
                        s.tail.colour = 0x7A5A3A;
                    })
                    .Barbels({Whisker(0.01f, 0.55f, 0.04f, 110), Whisker(0.05f, 0.62f, 0.05f, 80)}));
    // 6 cavedano: chub, broad head, dark-edged scales, orange lower fins.
    t.push_back(Cyprinid().Key("cavedano").Body(0.23f, 0.52f, 0.4f).Head(2.2f, 1.5f, 2, 1.4f, 0.05f).Mouth(M::Terminal, 0.08f)
                    .Colours(0x3E4A3E, 0xC0BCA8, 0xEEEADC).Fins(0x404848).Look(0.35f, 0.9f, 0.4f).Tail(T::Forked, 0.24f, 0.17f, 0.35f)
                    .With([](FishLook& s) {
                        s.scaleSize = 0.045f;
                        s.pelvic.colour = s.anal.colour = 0xD07040;
                        s.pectoral.colour = 0xC89060;
                    }));
    // 7 pesceGatto: black bullhead, eight barbels, square tail, dark.
    t.push_back(Catfish().Key("pesceGatto").Colours(0x2A2A20, 0x4A4A38, 0xB8B090).Fins(0x2A2A22).Tail(T::Truncate, 0.2f, 0.15f, 0));
    // 8 gobione: gudgeon, barbels, dark blotches along the flank, speckled fins.
    t.push_back(Cyprinid().Key("gobione").Body(0.2f, 0.55f, 0.36f).Head(1.6f, 1.2f, 2, 1.5f, -0.1f).Mouth(M::Inferior, 0.06f).Eye(0.1f, 0.3f, 0.03f, 0xC8B070)
                    .Colours(0x6A6A50, 0xB8B090, 0xECE8D8).Fins(0xA89878).Look(0.3f, 0.6f, 0.3f)
                    .Spots(Stretched(Dots(8, 0.02f, 0x3A3828, 0.25f, 0.95f, 0.45f, 0.5f), 1.3f)).Spots(Dots(30, 0.007f, 0x4A4A38, 0.2f, 0.9f, 0.05f, 0.35f))
                    .With([](FishLook& s) { s.finSpots = 0.8f; })
                    .Barbels({Whisker(0.06f, 0.93f, 0.06f, 100, 20)}));
    // 9 lasca: south European nase, underslung mouth, dark lateral band, orange fin bases.
    t.push_back(Cyprinid().Key("lasca").Body(0.22f, 0.54f, 0.4f).Head(2.2f, 1.5f, 2, 1.5f, -0.25f).Mouth(M::Inferior, 0.06f).Colours(0x4A5A48, 0xC4C8BC, 0xF0F0EA)
                    .Stripes(Band(0.45f, 0.08f, 0x404838, 0.5f, 0.1f, 0.98f)).Fins(0x909078)
                    .With([](FishLook& s) { s.pectoral.colour = s.pelvic.colour = s.anal.colour = 0xD08050; }));
    // 10 luccio: pike, long duckbill snout, dorsal far back, green with pale bean spots.
    t.push_back(Cyprinid().Key("luccio").Fresh(G::Weed).Body(0.165f, 0.5f, 0.5f).Head(1, 1.3f, 1, 1.25f, 0.1f).Rear(0.6f, 0.45f).Mouth(M::Terminal, 0.17f)
                    .Eye(0.14f, 0.3f, 0.02f, 0xC8B048).Colours(0x344424, 0x6E8040, 0xE8E6C8, 0.5f).Fins(0x8A6A40).Look(0.3f, 0.2f, 0.3f)
                    .Spots(Stretched(Dots(55, 0.01f, 0xD4D09A, 0.24f, 0.97f, 0.12f, 0.8f), 1.9f)).Tail(T::Forked, 0.22f, 0.16f, 0.35f)
                    .With([](FishLook& s) {
                        s.opX = 0.28f;
                        s.dorsal = F(0.7f, 0.84f, 0.1f, 0.6f, 0.4f, 0.7f, 2, 0.4f);
                        s.anal = F(0.72f, 0.85f, 0.09f, 0.6f, 0.4f, 0.7f, 2, 0.4f);
                        s.pelvic = Fan(0.55f, 0.97f, 0.08f, 45, 24);
                        s.pectoral = Fan(0.29f, 0.85f, 0.1f, 30, 25);
                        s.finSpots = 0.7f;
                        s.finSpotColour = 0x3A2A18;
                        s.scaleSize = 0.02f;
                    }));
    // 11 pescePersico: perch, dark bars on green-gold, red lower fins, spiny dorsal.
    t.push_back(Percid().Key("pescePersico").Fresh(G::Weed).Body(0.3f, 0.58f, 0.36f).Colours(0x3A4A28, 0x98A050, 0xE8E4C8, 0.55f).Fins(0x8A9060)
                    .Bar(Bands(6, 0x1E2616, 0.7f, 0.75f, 0.5f, 0.35f, 0.26f, 0.92f)).Look(0.3f, 0.4f, 0.3f)
                    .With([](FishLook& s) {
                        s.pelvic.colour = s.anal.colour = 0xE05A28;
                        s.tail.colour = 0xB86038;
                        s.pectoral.colour = 0xD0A040;
                        s.dorsal.colour = 0x6A7058;
                    }));
    // 12 persicoSole: pumpkinseed, round, orange belly, blue cheek lines, red-tipped ear spot.
    t.push_back(Percid().Key("persicoSole").Fresh(G::Weed).Body(0.5f, 0.52f, 0.4f).Head(1.6f, 1.2f, 1.6f, 1.2f, 0.1f).Mouth(M::Terminal, 0.05f)
                    .Colours(0x4A6A4A, 0xC89A48, 0xE8A040, 0.55f).Fins(0x7A7A50).Look(0.3f, 0.4f, 0.2f)
                    .Spots(Dots(30, 0.012f, 0xE07830, 0.3f, 0.9f, 0.1f, 0.7f))
                    .Stripes(Wavy(Band(0.5f, 0.035f, 0x40A0D0, 0.9f, 0.0f, 0.25f), 0.05f, 5))
                    .Stripes(Wavy(Band(0.66f, 0.035f, 0x40A0D0, 0.9f, 0.02f, 0.25f), 0.05f, 5))
                    .Mark(Ringed(Spot(0.25f, 0.32f, 0.022f, 0x101010, 1.4f), 0xD02020, 0.012f))
                    .With([](FishLook& s) {
                        s.dorsal = Spiny(F(0.3f, 0.6f, 0.12f, 0.7f, 0.2f, 0.8f, 1.3f, 0.4f), 10, 0.3f);
                        s.dorsal2 = F(0.6f, 0.8f, 0.13f, 1, 0.3f, 0.5f, 2);
                        s.anal = F(0.64f, 0.8f, 0.11f, 1, 0.3f, 0.5f, 2);
                        s.pelvic.colour = 0xE09040;
                        s.Tail(T::Emarginate, 0.2f, 0.18f, 0.2f);
                    }));
    // 13 persicoTrota: largemouth bass, huge mouth, dark mid-flank band.
    t.push_back(Percid().Key("persicoTrota").Fresh(G::Weed).Body(0.28f, 0.55f, 0.4f).Mouth(M::Terminal, 0.16f, 0.01f).Colours(0x3A5030, 0x8AA070, 0xF0ECD8, 0.55f)
                    .Fins(0x6A7A58).Look(0.3f, 0.5f, 0.2f).Stripes(Wavy(Band(0.5f, 0.14f, 0x2A3820, 0.75f, 0.12f, 0.98f), 0.04f, 5))
                    .Mottling(Blotches(0x2A3820, 0.35f, 10, 0.6f))
                    .With([](FishLook& s) {
                        s.dorsal = Spiny(F(0.3f, 0.5f, 0.1f, 0.8f, 0.3f, 0.3f, 1.5f, 0.4f), 10, 0.25f);
                        s.dorsal2 = F(0.5f, 0.7f, 0.13f, 0.6f, 0.3f, 0.5f, 2);
                    }));
    // 14 pigo: Danube roach, silvery, reddish fins, large scales.
    t.push_back(Cyprinid().Key("pigo").Body(0.28f, 0.56f, 0.4f).Eye(0.08f, 0.38f, 0.028f, 0xE07040).Colours(0x3E5048, 0xC8CCC0, 0xF0EEE8)
                    .Fins(0x9A7A68).Look(0.45f, 0.7f, 0.35f)
                    .With([](FishLook& s) {
                        s.scaleSize = 0.045f;
                        s.pectoral.colour = s.pelvic.colour = s.anal.colour = 0xC87050;
                    }));
    // 15 salmerino: char, pale spots on olive, red belly and red lower fins.
    t.push_back(Salmonid().Key("salmerino").Fresh(G::Open).Colours(0x3A4A50, 0x8A8A70, 0xE06030, 0.55f).Fins(0x5A5A50)
                    .Spots(Dots(40, 0.01f, 0xF0C8A0, 0.12f, 0.95f, 0.1f, 0.6f))
                    .With([](FishLook& s) { s.pectoral.colour = s.pelvic.colour = s.anal.colour = 0xD04828; }));
    // 16 sanguinerola: minnow, dark blotches along the side, red belly.
    t.push_back(Cyprinid().Key("sanguinerola").Body(0.2f, 0.5f, 0.38f).Head(2.2f, 1.6f, 2, 1.6f, 0.05f).Rear(0.9f, 0.45f).Eye(0.09f, 0.36f, 0.032f, 0xC8B880)
                    .Colours(0x5A6A48, 0xA8A878, 0xD04830, 0.6f).Look(0.3f, 0.15f, 0.3f).Bar(Bands(10, 0x2A3020, 0.65f, 0.65f, 0.5f, 1, 0.22f, 0.98f))
                    .With([](FishLook& s) { s.bars[0].t0 = 0.3f; s.Tail(T::Forked, 0.22f, 0.15f, 0.35f); }));
    // 17 savetta: Italian nase, blunt overhanging snout, silvery with pinkish fins.
    t.push_back(Cyprinid().Key("savetta").Body(0.25f, 0.54f, 0.4f).Head(2.6f, 1.8f, 2, 1.5f, -0.3f).Mouth(M::Inferior, 0.06f).Colours(0x4E5A52, 0xC8CCC4, 0xF0F0EC)
                    .Fins(0xB8A090).Look(0.5f, 0.55f, 0.35f));
    // 18 scardola: rudd, upturned mouth, golden flank, blood-red fins.
    t.push_back(Cyprinid().Key("scardola").Fresh(G::Weed).Body(0.33f, 0.55f, 0.4f).Mouth(M::Superior, 0.05f).Eye(0.08f, 0.38f, 0.03f, 0xE0A030)
                    .Colours(0x4A5838, 0xC8B070, 0xF0E8D0).Fins(0xD02818).Look(0.45f, 0.7f, 0.35f)
                    .With([](FishLook& s) { s.dorsal = F(0.52f, 0.64f, 0.13f); s.pelvic = Fan(0.45f, 0.97f, 0.09f, 45, 24); s.scaleSize = 0.045f; }));
    // 19 scazzone: bullhead, big flat head, eyes on top, mottled brown, no scales.
    t.push_back(Goby().Key("scazzone").Fresh(G::Gravel).Body(0.22f, 0.48f, 0.2f).Head(3, 2.2f, 2, 1.4f, 0.1f).Mouth(M::Terminal, 0.1f).Eye(0.11f, 0.1f, 0.028f, 0xC09050)
                    .Colours(0x4A3E2A, 0x8A7A58, 0xD8D0B0, 0.6f).Fins(0x6A5A40).Mottling(Blotches(0x2A2418, 0.8f, 10, 0.5f))
                    .With([](FishLook& s) { s.scales = 0; s.finSpots = 0.6f; s.pelvic = Fan(0.25f, 0.97f, 0.07f, 70, 15); s.Fresh(G::Gravel); }));
    // 20 spinarello: three-spined stickleback, free spines, red throat, blue-green back.
    t.push_back(Cyprinid().Key("spinarello").Fresh(G::Weed).Body(0.26f, 0.55f, 0.4f).Rear(1.5f, 0.16f).Mouth(M::Superior, 0.05f).Eye(0.1f, 0.34f, 0.035f, 0x60A8C8)
                    .Colours(0x305850, 0x98A890, 0xD84030, 0.6f).Fins(0x8AA098).Look(0.5f, 0, 0.2f).Tail(T::Truncate, 0.18f, 0.12f, 0)
                    .With([](FishLook& s) {
                        s.freeSpines = 2;
                        s.dorsal = F(0.6f, 0.76f, 0.08f, 1, 0, 0.4f);
                        s.anal = F(0.62f, 0.76f, 0.07f, 1, 0, 0.4f);
                        s.pelvic = Fan(0.38f, 0.97f, 0.11f, 40, 6);
                        s.keel = true;
                    }));
    // 21 temolo: grayling, tall purple sail dorsal, small mouth, black dots on the shoulder.
    t.push_back(Salmonid().Key("temolo").Body(0.23f, 0.55f, 0.4f).Head(1.5f, 1.1f, 2, 1.4f, -0.05f).Mouth(M::Terminal, 0.04f).Eye(0.09f, 0.34f, 0.028f, 0xD0C080)
                    .Colours(0x4A5A5A, 0xA8A8A8, 0xE8E4E0).Fins(0x6A5A5A).Look(0.5f, 0.6f, 0.2f)
                    .Spots(Dots(16, 0.008f, 0x1A1A1A, 0.24f, 0.5f, 0.25f, 0.6f)).Tail(T::Forked, 0.24f, 0.17f, 0.4f)
                    .With([](FishLook& s) {
                        s.dorsal = F(0.3f, 0.58f, 0.2f, 0.6f, 0.85f, 1, 1.5f, 0.3f);
                        s.dorsal.colour = 0x8A4A6A;
                        s.finSpots = 0.7f;
                        s.scaleSize = 0.03f;
                        s.scales = 0.6f;
                    }));
    // 22 tinca: tench, olive green, tiny scales, red eye, thick rounded fins.
    t.push_back(Cyprinid().Key("tinca").Fresh(G::Weed).Body(0.28f, 0.55f, 0.4f).Head(2, 1.5f, 2, 1.5f, 0.05f).Rear(1, 0.55f).Eye(0.09f, 0.34f, 0.02f, 0xC82818)
                    .Colours(0x263616, 0x5A6E2A, 0xB8B070, 0.55f).Fins(0x3A4220).Look(0.4f, 0.15f, 0.3f).Tail(T::Truncate, 0.2f, 0.16f, 0)
                    .With([](FishLook& s) {
                        s.scaleSize = 0.015f;
                        s.dorsal = F(0.42f, 0.58f, 0.13f, 0.8f, 0.3f, 0.5f, 2, 0.4f);
                        s.anal = F(0.66f, 0.78f, 0.1f, 0.8f, 0.3f, 0.5f, 2, 0.4f);
                        s.pelvic = Fan(0.47f, 0.97f, 0.12f, 45, 35, 0.8f, 0.4f, 0.6f, 2);
                    })
                    .Barbels({Whisker(0.05f, 0.56f, 0.03f, 100)}));
    // 23 triotto: small roach with a dark lateral band and orange fins.
    t.push_back(Cyprinid().Key("triotto").Fresh(G::Weed).Body(0.26f, 0.55f, 0.4f).Eye(0.08f, 0.38f, 0.03f, 0xE08040).Colours(0x4A5A4A, 0xC8CCC0, 0xF0F0EA)
                    .Stripes(Band(0.45f, 0.05f, 0x505848, 0.5f, 0.2f, 0.98f)).Fins(0x9A8A70)
                    .With([](FishLook& s) { s.pelvic.colour = s.anal.colour = s.pectoral.colour = 0xD88050; }));
    // 24 trotaFario: brown trout, black and haloed red spots.
    t.push_back(Salmonid().Key("trotaFario").Colours(0x5A4A2A, 0xC0A060, 0xF0E8C8, 0.5f).Fins(0x8A7A50)
                    .Spots(Haloed(Dots(45, 0.011f, 0x1A1510, 0.08f, 0.9f, 0.05f, 0.55f), 0xE8D8B0, 0.004f))
                    .Spots(Haloed(Dots(14, 0.011f, 0xD02818, 0.3f, 0.88f, 0.35f, 0.62f), 0xF0E4C8, 0.007f))
                    .With([](FishLook& s) { s.adipose.colour = 0xD05020; s.finSpots = 0.5f; }));
    // 25 trotaIridea: rainbow trout, pink band and gill cover, peppered with black dots.
    t.push_back(Salmonid().Key("trotaIridea").Colours(0x4A6050, 0xD0C8C8, 0xF4F0EE, 0.5f).Fins(0x8A8A78)
                    .Stripes(Band(0.48f, 0.16f, 0xD86878, 0.65f, 0.12f, 0.98f)).Mark(Spot(0.17f, 0.5f, 0.05f, 0xD87080, 1.0f))
                    .Spots(Dots(110, 0.006f, 0x1A1A1A, 0.1f, 0.98f, 0.02f, 0.62f))
                    .With([](FishLook& s) { s.blotches[0].alpha = 0.6f; s.finSpots = 0.9f; }));
    // 26 trotaMarmorata: marble trout, dark marbling over the whole body.
    t.push_back(Salmonid().Key("trotaMarmorata").Body(0.22f, 0.52f, 0.4f).Mouth(M::Terminal, 0.12f).Colours(0x5A5A38, 0xA8A478, 0xE8E4D0, 0.5f).Fins(0x6A6848)
                    .Mottling(Veins(0x2E3020, 0.9f, 6)).Spots(Dots(6, 0.009f, 0xC04020, 0.4f, 0.8f, 0.45f, 0.6f))
                    .With([](FishLook& s) { s.mottles[0].t1 = 0.85f; s.finSpots = 0.4f; }));
    // 27 trotaLacustre: lake trout, silvery with scattered black spots.
    t.push_back(Salmonid().Key("trotaLacustre").Fresh(G::Open).Body(0.24f, 0.52f, 0.4f).Colours(0x4A5A60, 0xC8CCC8, 0xF4F4F0, 0.45f).Fins(0x7A8080)
                    .Look(0.5f, 0.3f, 0.25f).Spots(Dots(30, 0.009f, 0x1A1A1A, 0.1f, 0.85f, 0.05f, 0.5f)));
    // 28 vairone: dark lateral band edged with a gold line.
    t.push_back(Cyprinid().Key("vairone").Body(0.21f, 0.52f, 0.4f).Head(2, 1.4f, 2, 1.4f, 0.05f).Colours(0x4A5A48, 0xB8BCB0, 0xF0EEE8)
                    .Stripes(Band(0.47f, 0.09f, 0x303830, 0.8f, 0.05f, 0.98f)).Stripes(Band(0.39f, 0.03f, 0xE0A050, 0.7f, 0.22f, 0.98f)).Fins(0x9A9080)
                    .With([](FishLook& s) { s.pectoral.colour = s.pelvic.colour = 0xD89050; }));
    // 29 barboCanino: brook barbel, small, thick lips, dark speckles all over.
    t.push_back(Cyprinid().Key("barboCanino").Fresh(G::Rock).Body(0.22f, 0.58f, 0.4f).Head(1.6f, 1.1f, 2, 1.4f, -0.25f).Mouth(M::Inferior, 0.08f, 0.014f)
                    .Eye(0.12f, 0.3f, 0.024f, 0xC0A060).Colours(0x5A5038, 0xA89870, 0xE8E0C8).Fins(0xA08860)
                    .Spots(Dots(70, 0.008f, 0x3A3020, 0.1f, 0.97f, 0.05f, 0.7f))
                    .With([](FishLook& s) { s.finSpots = 0.8f; s.scaleSize = 0.022f; })
                    .Barbels({Whisker(0.03f, 0.72f, 0.05f, 115, 10), Whisker(0.08f, 0.92f, 0.07f, 90, 20)}));
    // 30 bottatrice: burbot, long body, chin barbel, marbled yellow-brown.
    t.push_back(Cyprinid().Key("bottatrice").Fresh(G::Rock).Body(0.16f, 0.5f, 0.3f).Head(2.5f, 1.8f, 2, 1.5f, 0.05f).Rear(0.5f, 0.4f).Mouth(M::Terminal, 0.08f)
                    .Eye(0.08f, 0.26f, 0.018f, 0xB09040).Colours(0x4A4020, 0x8A7A40, 0xD8D0A8, 0.55f).Fins(0x6A5A30).Look(0.25f, 0, 0.2f)
                    .Mottling(Blotches(0x2A2410, 0.8f, 14, 0.5f)).Tail(T::Rounded, 0.15f, 0.1f, 0)
                    .With([](FishLook& s) {
                        s.dorsal = F(0.38f, 0.46f, 0.05f, 0.6f, 0.5f, 0.6f, 2, 0.3f);
                        s.dorsal2 = F(0.49f, 0.97f, 0.055f, 0.8f, 0.3f, 1, 2, 0.25f);
                        s.anal = F(0.53f, 0.97f, 0.05f, 0.8f, 0.3f, 1, 2, 0.25f);
                        s.pelvic = Fan(0.2f, 0.97f, 0.08f, 70, 15);
                        s.finSpots = 0.6f;
                    })
                    .Barbels({Whisker(0.05f, 0.97f, 0.05f, 100, 10)}));
    // 31 breme: carp bream, tall and compressed, long anal fin, bronze.
    t.push_back(Cyprinid().Key("breme").Fresh(G::Mud).Body(0.42f, 0.6f, 0.42f).Head(1.6f, 1.1f, 1.8f, 1.2f, 0.15f).Mouth(M::Inferior, 0.05f).Eye(0.08f, 0.33f, 0.026f, 0xC8B890)
                    .Colours(0x3A3A2A, 0xA89868, 0xE0D8C0).Fins(0x3E3E38).Look(0.4f, 0.55f, 0.35f).Tail(T::Forked, 0.26f, 0.2f, 0.55f)
                    .With([](FishLook& s) {
                        s.dorsal = F(0.5f, 0.6f, 0.17f, 1, 0, 0.25f);
                        s.anal = F(0.52f, 0.86f, 0.1f, 1, 0, 0.3f, 0.8f, 0.4f);
                        s.pelvic = Fan(0.42f, 0.97f, 0.09f, 45, 24);
                    }));
    // 32 carassioDorato: goldfish, orange-gold.
    t.push_back(Cyprinid().Key("carassioDorato").Fresh(G::Weed).Body(0.4f, 0.55f, 0.38f).Head(1.9f, 1.4f, 2, 1.4f, 0.05f).Eye(0.09f, 0.36f, 0.03f, 0xE8B060)
                    .Colours(0xD05810, 0xF08A20, 0xF8C070).Fins(0xF08030).Look(0.5f, 0.55f, 0.3f).Tail(T::Forked, 0.26f, 0.2f, 0.4f)
                    .With([](FishLook& s) { s.dorsal = F(0.4f, 0.74f, 0.14f, 1, 0.1f, 0.5f, 1.8f, 0.4f); s.scaleSize = 0.04f; }));
    // 33 carpaArgentata: silver carp, low-set eye, upturned mouth, tiny scales.
    t.push_back(Cyprinid().Key("carpaArgentata").Fresh(G::Open).Body(0.3f, 0.5f, 0.42f).Head(1.8f, 1.3f, 1.6f, 1.2f, 0.15f).Mouth(M::Superior, 0.07f)
                    .Eye(0.1f, 0.62f, 0.024f, 0xC8C8B8).Colours(0x5A6A70, 0xC8D0D4, 0xF4F4F4, 0.45f).Fins(0x8A9090).Look(0.55f, 0.2f, 0.35f)
                    .With([](FishLook& s) { s.opX = 0.27f; s.scaleSize = 0.015f; s.lateralT = 0.55f; }));
    // 34 carpaSpecchi: mirror carp, a few big shining scales.
    t.push_back(Cyprinid().Key("carpaSpecchi").Fresh(G::Weed).Body(0.33f, 0.58f, 0.38f).Head(1.8f, 1.3f, 2, 1.4f, 0.05f).Mouth(M::Terminal, 0.05f, 0.012f)
                    .Colours(0x4A4020, 0xA08040, 0xE0C890).Fins(0x6A5A38).Look(0.4f, 0, 0.3f)
                    .Spots(Haloed(Stretched(Dots(9, 0.03f, 0xD8B868, 0.3f, 0.9f, 0.05f, 0.18f), 1.2f), 0x5A4420, 0.004f))
                    .Spots(Haloed(Stretched(Dots(7, 0.028f, 0xC8A858, 0.32f, 0.92f, 0.45f, 0.5f), 1.2f), 0x5A4420, 0.004f))
                    .With([](FishLook& s) {
                        s.dorsal = F(0.38f, 0.8f, 0.12f, 1.3f, 0, 0.35f, 0.7f, 0.4f);
                        s.spots[0].alpha = s.spots[1].alpha = 0.75f;
                        s.Tail(T::Forked, 0.24f, 0.18f, 0.35f);
                    })
                    .Barbels({Whisker(0.01f, 0.55f, 0.04f, 110), Whisker(0.05f, 0.62f, 0.05f, 80)}));
    // 35 carpaErbivora: grass carp, long body, broad head, dark-edged scales.
    t.push_back(Cyprinid().Key("carpaErbivora").Fresh(G::Weed).Body(0.22f, 0.52f, 0.4f).Head(2, 1.7f, 2, 1.5f, 0.1f).Mouth(M::Terminal, 0.05f).Eye(0.08f, 0.45f, 0.02f, 0xC8C0A0)
                    .Colours(0x3A4A3A, 0x9AA088, 0xE8E8D8).Fins(0x5A6058).Look(0.35f, 0.95f, 0.3f).Tail(T::Forked, 0.24f, 0.17f, 0.35f)
                    .With([](FishLook& s) { s.scaleSize = 0.05f; }));
    // 36 carpaRegina: fully scaled wild carp, longer and golden.
    t.push_back(Cyprinid().Key("carpaRegina").Fresh(G::Weed).Body(0.28f, 0.56f, 0.4f).Head(1.8f, 1.3f, 2, 1.4f, 0.05f).Mouth(M::Terminal, 0.05f, 0.012f)
                    .Colours(0x5A5020, 0xC8A040, 0xE8D8A0).Fins(0x7A6040).Look(0.4f, 0.8f, 0.4f).Tail(T::Forked, 0.24f, 0.18f, 0.4f)
                    .With([](FishLook& s) {
                        s.dorsal = F(0.38f, 0.8f, 0.11f, 1.3f, 0, 0.35f, 0.7f, 0.4f);
                        s.scaleSize = 0.045f;
                        s.anal.colour = s.tail.colour = 0x9A5A30;
                    })
                    .Barbels({Whisker(0.01f, 0.55f, 0.04f, 110), Whisker(0.05f, 0.62f, 0.05f, 80)}));
    // 37 carpione: Garda trout, silvery and blue-grey with few small spots.
    t.push_back(Salmonid().Key("carpione").Fresh(G::Open).Colours(0x4A5A6A, 0xC8CCD0, 0xF4F4F4, 0.45f).Fins(0x7A8088).Look(0.55f, 0.3f, 0.25f)
                    .Spots(Dots(18, 0.007f, 0x202428, 0.1f, 0.8f, 0.1f, 0.45f)));
    // 38 cobite: spined loach, slender, tiny barbels, rows of dark spots.
    t.push_back(Cyprinid().Key("cobite").Fresh(G::Sand).Body(0.13f, 0.5f, 0.4f).Head(1.8f, 1.3f, 2, 1.4f, 0.05f).Rear(0.6f, 0.6f).Mouth(M::Inferior, 0.04f)
                    .Eye(0.09f, 0.22f, 0.016f, 0xC0A060).Colours(0x8A7A50, 0xD8C898, 0xF0E8D0, 0.45f).Fins(0xC8B890).Look(0.25f, 0, 0)
                    .Spots(Stretched(Dots(12, 0.017f, 0x3A3020, 0.15f, 0.95f, 0.55f, 0.58f), 1.4f)).Spots(Dots(40, 0.006f, 0x4A4030, 0.12f, 0.95f, 0.05f, 0.4f))
                    .Tail(T::Truncate, 0.14f, 0.1f, 0)
                    .With([](FishLook& s) {
                        s.dorsal = F(0.45f, 0.57f, 0.08f, 0.8f, 0.3f, 0.6f, 2, 0.3f);
                        s.anal = F(0.7f, 0.78f, 0.06f, 0.8f, 0.3f, 0.6f, 2, 0.3f);
                        s.pelvic = Fan(0.5f, 0.97f, 0.06f, 45, 24);
                        s.finSpots = 0.7f;
                    })
                    .Barbels({Whisker(0.03f, 0.85f, 0.03f, 110, 0, 0.005f), Whisker(0.06f, 0.92f, 0.03f, 95, 0, 0.005f)}));
    // 39 coregone: lake whitefish, small head, plain silver.
    t.push_back(Salmonid().Key("coregone").Fresh(G::Open).Body(0.25f, 0.54f, 0.42f).Head(2, 1.3f, 2, 1.4f, 0).Mouth(M::Terminal, 0.035f).Eye(0.08f, 0.38f, 0.03f, 0xD0D0C0)
                    .Colours(0x4A6070, 0xC8D0D4, 0xF4F4F4, 0.45f).Fins(0x8A9098).Look(0.55f, 0.5f, 0.3f).Tail(T::Forked, 0.24f, 0.18f, 0.5f)
                    .With([](FishLook& s) { s.scaleSize = 0.03f; }));
    // 40 gambusia: mosquitofish, tiny, upturned mouth, rounded tail, tear mark.
    t.push_back(Cyprinid().Key("gambusia").Fresh(G::Weed).Body(0.25f, 0.48f, 0.36f).Head(2, 1.4f, 2, 1.6f, -0.2f).Rear(0.6f, 0.55f).Mouth(M::Superior, 0.04f)
                    .Eye(0.1f, 0.36f, 0.04f, 0xC8C8A0).Colours(0x6A6A50, 0xB8B8A0, 0xE8E8DC).Fins(0xB0A888).Look(0.4f, 0.6f, 0)
                    .Mark(Spot(0.1f, 0.72f, 0.018f, 0x3A3A30, 0.5f)).Tail(T::Rounded, 0.22f, 0.14f, 0)
                    .With([](FishLook& s) { s.dorsal = F(0.56f, 0.66f, 0.1f, 1, 0.2f, 0.5f, 1.5f); s.scaleSize = 0.05f; s.finSpots = 0.5f; }));
    // 41 ghiozzoFiume: freshwater goby, brown with dark saddles.
    t.push_back(Goby().Key("ghiozzoFiume").Fresh(G::Rock).Colours(0x6A5A3A, 0xA89868, 0xE0D8C0, 0.55f).Fins(0x7A6A48)
                    .Bar(Bands(6, 0x3A3020, 0.55f, 0.6f, 0.45f, 0.6f, 0.28f, 0.98f)).Mottling(Blotches(0x4A3E28, 0.4f, 16, 0.6f))
                    .With([](FishLook& s) { s.dorsal.colour = 0x3A3020; s.finSpots = 0.5f; }));
    // 42 luccioPerca: pike-perch, long head with fangs, two dorsals, glassy eye.
    t.push_back(Percid().Key("luccioPerca").Fresh(G::Gravel).Body(0.2f, 0.54f, 0.42f).Head(1.3f, 1, 1.5f, 1.1f, 0.1f).Mouth(M::Terminal, 0.13f)
                    .Eye(0.12f, 0.3f, 0.03f, 0xC8C8B0).Colours(0x4A5A50, 0xB0B8A8, 0xF0F0E8, 0.5f).Fins(0x8A9080)
                    .Bar(Bands(9, 0x3A4A3A, 0.35f, 0.6f, 0.4f, 0.5f)).Tail(T::Forked, 0.22f, 0.16f, 0.35f)
                    .With([](FishLook& s) {
                        s.teeth = true;
                        s.finSpots = 0.7f;
                        s.dorsal = Spiny(F(0.3f, 0.48f, 0.12f, 0.9f, 0.2f, 0.5f, 1.3f, 0.4f), 12, 0.2f);
                        s.dorsal2 = F(0.52f, 0.72f, 0.11f, 1, 0.1f, 0.4f, 1.3f);
                    }));
    // 43 siluro: wels, huge flat head, two long barbels, tiny dorsal, long anal fin.
    t.push_back(Catfish().Key("siluro").Body(0.17f, 0.5f, 0.2f).Head(2.6f, 2.2f, 2, 1.8f, 0.1f).Rear(0.7f, 0.3f).Mouth(M::Terminal, 0.15f, 0.008f)
                    .Eye(0.1f, 0.3f, 0.011f, 0xA08040).Colours(0x2A2A22, 0x5A5A48, 0xC8C0A8, 0.6f).Fins(0x2E2E26)
                    .Mottling(Blotches(0x1E1E18, 0.6f, 16, 0.55f)).Tail(T::Rounded, 0.14f, 0.1f, 0)
                    .With([](FishLook& s) {
                        s.dorsal = F(0.3f, 0.35f, 0.05f, 1, 0.2f, 0.4f, 1.5f, 0.4f);
                        s.adipose = Fin{};
                        s.anal = F(0.45f, 0.98f, 0.06f, 0.6f, 0.3f, 0.8f, 2, 0.2f);
                        s.pectoral = Fan(0.22f, 0.8f, 0.13f, 30, 40);
                        s.pelvic = Fan(0.42f, 0.97f, 0.07f, 40, 25);
                    })
                    .Barbels({Whisker(0.05f, 0.35f, 0.42f, 200, -70, 0.009f), Whisker(0.06f, 0.97f, 0.08f, 110, 20), Whisker(0.09f, 0.98f, 0.07f, 95, 15)}));
    // 44 aguglia: garfish, needle body and long beak, green-blue back.
    t.push_back(Cyprinid().Key("aguglia").Sea(G::Open).Body(0.085f, 0.5f, 0.45f).Head(1.6f, 1.2f, 1.6f, 1.2f, 0).Rear(0.9f, 0.45f).Mouth(M::Terminal, 0.03f)
                    .Eye(0.05f, 0.35f, 0.014f, 0xD0D0C0).Colours(0x1E5A6E, 0xB8CCD0, 0xF4F4F4, 0.5f).Fins(0x4A7A80).Look(0.4f, 0, 0).Bend(0.012f, 0.8f)
                    .Tail(T::Forked, 0.14f, 0.08f, 0.5f)
                    .With([](FishLook& s) {
                        s.bill = 0.26f;
                        s.opX = 0.1f;
                        s.dorsal = F(0.78f, 0.93f, 0.05f, 1, 0, 0.4f, 1, 0.4f);
                        s.anal = F(0.76f, 0.92f, 0.05f, 1, 0, 0.4f, 1, 0.4f);
                        s.pectoral = Fan(0.12f, 0.45f, 0.05f, 20, 25);
                        s.pelvic = Fan(0.6f, 0.97f, 0.04f, 40, 20);
                    }));
    // 45 bavosaPavone: peacock blenny, domed crest, blue-ringed eye spot, greenish bars.
    t.push_back(Blenny().Key("bavosaPavone").Head(3.2f, 2.8f, 2, 1.6f, 0.2f).Colours(0x5A7A50, 0x90A878, 0xD8D8B0, 0.55f).Fins(0x7A9070)
                    .Bar(Bands(7, 0x3A5A7A, 0.5f, 0.8f, 0.4f, 0.8f, 0.25f, 0.95f)).Mark(Ringed(Spot(0.15f, 0.3f, 0.018f, 0x101418), 0x60B0E0, 0.008f))
                    .Stripes(Wavy(Band(0.4f, 0.02f, 0x70B8E0, 0.6f, 0.25f, 0.95f), 0.02f, 8)));
    // 46 bavosaRuggine: tompot blenny, rusty with dark bars and branched tentacles.
    t.push_back(Blenny().Key("bavosaRuggine").Colours(0x6A3A20, 0xA8683A, 0xD8B890, 0.55f).Fins(0x8A5030)
                    .Bar(Bands(7, 0x4A2814, 0.55f, 0.85f, 0.45f, 0.8f, 0.22f, 0.95f)).Mottling(Blotches(0x4A2814, 0.3f, 14, 0.6f)));
    // 47 boga: bogue, slim with big eye and golden lines.
    t.push_back(Sparid().Key("boga").Sea(G::Open).Body(0.24f, 0.52f, 0.4f).Head(1.9f, 1.3f, 2, 1.4f, 0.1f).Mouth(M::Terminal, 0.04f).Eye(0.1f, 0.36f, 0.036f, 0xD8D0B0)
                    .Colours(0x607858, 0xC8D0C8, 0xF4F4F0, 0.45f).Fins(0x9AA898).Mark(Spot(0.25f, 0.55f, 0.012f, 0x303830))
                    .Stripes(Band(0.3f, 0.035f, 0xD8C070, 0.55f, 0.2f, 0.98f)).Stripes(Band(0.45f, 0.035f, 0xD8C070, 0.55f, 0.2f, 0.98f))
                    .Stripes(Band(0.6f, 0.035f, 0xD8C070, 0.5f, 0.2f, 0.98f)));
    // 48 bosega: thicklip grey mullet.
    t.push_back(Mullet().Key("bosega").Body(0.24f, 0.52f, 0.38f).Mouth(M::Terminal, 0.05f, 0.028f).Colours(0x34424E, 0xA8B0B8, 0xEEF0F0, 0.55f));
    // 49 castagnola: damselfish, small oval brown body, deeply forked tail.
    t.push_back(Sparid().Key("castagnola").Body(0.42f, 0.55f, 0.4f).Mouth(M::Terminal, 0.04f).Eye(0.12f, 0.32f, 0.036f, 0x8A7A60)
                    .Colours(0x3A3020, 0x5A4A38, 0x7A6A58).Fins(0x3A3024).Look(0.3f, 0.7f, 0.2f).Tail(T::Forked, 0.34f, 0.24f, 0.8f)
                    .With([](FishLook& s) { s.scaleSize = 0.045f; }));
    // 50 cefalo: flathead grey mullet, dark longitudinal stripes.
    t.push_back(Mullet().Key("cefalo").Head(3, 2.2f, 2, 1.4f, 0.15f).Colours(0x3E5060, 0xB8C0C8, 0xEEF0F0, 0.55f)
                    .With([](FishLook& s) { s.stripes.clear(); Lines(s, 7, 0.1f, 0.66f, 0.04f, 0x2E3A48, 0.7f); }));
    // 51 cefaloCalamita: thinlip mullet, dark spot at the pectoral base.
    t.push_back(Mullet().Key("cefaloCalamita").Body(0.2f, 0.5f, 0.38f).Colours(0x56687A, 0xC0C8D0, 0xF2F4F4, 0.45f).Mark(Spot(0.27f, 0.36f, 0.016f, 0x202830))
                    .With([](FishLook& s) { s.stripes.clear(); Lines(s, 4, 0.15f, 0.5f, 0.025f, 0x4A5868, 0.45f); }));
    // 52 cefaloDorato: golden grey mullet, gold patch on the gill cover.
    t.push_back(Mullet().Key("cefaloDorato").Colours(0x4A5A60, 0xB8C0C0, 0xF0F0EC).Mark(Spot(0.19f, 0.45f, 0.03f, 0xE8C050, 1.2f))
                    .With([](FishLook& s) { s.blotches[0].alpha = 0.85f; }));
    // 53 cefaloLabbrone: boxlip mullet, very thick lips.
    t.push_back(Mullet().Key("cefaloLabbrone").Sea(G::Rock).Body(0.23f, 0.52f, 0.36f).Mouth(M::Terminal, 0.055f, 0.034f).Colours(0x5A5A50, 0xB0ACA0, 0xE8E6E0, 0.5f)
                    .With([](FishLook& s) { s.stripes.clear(); Lines(s, 5, 0.12f, 0.6f, 0.03f, 0x4A4A42, 0.5f); }));
    // 54 cefaloVerzelata: leaping mullet, slim, small gold spot.
    t.push_back(Mullet().Key("cefaloVerzelata").Body(0.19f, 0.5f, 0.38f).Colours(0x506878, 0xC8D0D8, 0xF4F6F6).Mark(Spot(0.19f, 0.42f, 0.018f, 0xE0C060)));
    // 55 corvina: brown meagre, humped, dark bronze with black pelvic and anal fins.
    t.push_back(Sparid().Key("corvina").Body(0.33f, 0.62f, 0.38f).Mouth(M::Terminal, 0.06f).Eye(0.1f, 0.3f, 0.028f, 0xC8A060)
                    .Colours(0x3A2E20, 0x7A6040, 0xC0A880, 0.55f).Fins(0x4A3A28).Tail(T::Truncate, 0.22f, 0.17f, 0)
                    .With([](FishLook& s) {
                        s.dorsal = Spiny(F(0.3f, 0.5f, 0.17f, 0.9f, 0.2f, 0.3f, 1.3f, 0.4f), 10, 0.25f);
                        s.dorsal2 = F(0.52f, 0.85f, 0.1f, 0.9f, 0.2f, 0.6f, 1.5f);
                        s.pelvic.colour = s.anal.colour = 0x141210;
                        s.pectoral = Fan(0.27f, 0.6f, 0.15f, 20, 35, 0.8f, 0.4f, 0.6f, 2);
                    }));
    // 56 donzella: rainbow wrasse, orange zigzag band, blue spot, slim.
    t.push_back(Wrasse().Key("donzella").Sea(G::Rock).Body(0.2f, 0.52f, 0.42f).Head(1.3f, 1, 1.5f, 1.1f, 0.05f).Colours(0x3A6A50, 0x5A90A0, 0xF0F0F0, 0.55f)
                    .Fins(0x6A9080).Stripes(Wavy(Band(0.5f, 0.12f, 0xE87020, 0.9f, 0.2f, 0.98f), 0.05f, 4)).Mark(Spot(0.36f, 0.5f, 0.025f, 0x203880, 1.3f))
                    .Tail(T::Truncate, 0.16f, 0.13f, 0));
    // 57 ghiozzo: common goby, pale sand colour with faint saddles.
    t.push_back(Goby().Key("ghiozzo").Colours(0x9A8A6A, 0xC8B898, 0xF0E8D8, 0.55f).Fins(0xB0A080)
                    .Bar(Bands(4, 0x6A5A40, 0.45f, 0.45f, 0.35f, 0.7f, 0.3f, 0.95f)).Mottling(Blotches(0x7A6A4A, 0.35f, 18, 0.6f)));
    // 58 ghiozzoGo: weed goby, olive with dark mottling.
    t.push_back(Goby().Key("ghiozzoGo").Sea(G::Weed).Body(0.21f, 0.5f, 0.22f).Colours(0x4A5A30, 0x8A9A60, 0xD0D0A8, 0.55f).Fins(0x5A6A40)
                    .Mottling(Blotches(0x2A3418, 0.6f, 12, 0.55f)).Spots(Dots(12, 0.012f, 0x2A3418, 0.3f, 0.9f, 0.4f, 0.6f)));
    // 59 ghiozzoNero: black goby, very dark.
    t.push_back(Goby().Key("ghiozzoNero").Sea(G::Mud).Colours(0x2A2418, 0x4A4030, 0x8A8068, 0.55f).Fins(0x2E281E)
                    .Mottling(Blotches(0x18140E, 0.5f, 14, 0.55f)).Mark(Spot(0.33f, 0.0f, 0.02f, 0x101010)));
    // 60 ghiozzoPaganello: rock goby, mottled brown, pale band on the first dorsal.
    t.push_back(Goby().Key("ghiozzoPaganello").Sea(G::Rock).Colours(0x5A4A30, 0x8A7450, 0xD0C0A0, 0.55f).Fins(0x6A5638)
                    .Mottling(Blotches(0x3A2E1C, 0.6f, 13, 0.52f)).With([](FishLook& s) { s.dorsal.colour = 0xE0A848; }));
    // 61 ghiozzoBruno: giant goby, larger, olive-brown with dark blotches.
    t.push_back(Goby().Key("ghiozzoBruno").Sea(G::Rock).Body(0.22f, 0.5f, 0.24f).Colours(0x5A5430, 0x8A8458, 0xD8D0A8, 0.55f).Fins(0x6A6440)
                    .Spots(Dots(20, 0.014f, 0x3A3420, 0.25f, 0.95f, 0.1f, 0.7f)).Mottling(Blotches(0x3A3420, 0.3f, 10, 0.6f)));
    // 62 latterino: sand smelt, translucent with a bright silver band.
    t.push_back(Cyprinid().Key("latterino").Sea(G::Sand).Body(0.16f, 0.5f, 0.4f).Mouth(M::Superior, 0.04f).Eye(0.08f, 0.38f, 0.035f, 0xD8D8D0)
                    .Colours(0x6A8A80, 0xC0D0CC, 0xF4F6F4, 0.45f).Fins(0xA0B0A8).Look(0.3f, 0.2f, 0)
                    .Stripes(Band(0.47f, 0.09f, 0xF0F6F6, 0.9f, 0.12f, 0.98f)).Stripes(Band(0.41f, 0.02f, 0x405858, 0.6f, 0.2f, 0.98f))
                    .With([](FishLook& s) {
                        s.dorsal = F(0.42f, 0.5f, 0.08f, 1, 0, 0.3f);
                        s.dorsal2 = F(0.6f, 0.7f, 0.08f, 1, 0, 0.3f);
                        s.Tail(T::Forked, 0.22f, 0.15f, 0.5f);
                    }));
    // 63 menola: blotched picarel, dark rectangular flank patch.
    t.push_back(Sparid().Key("menola").Sea(G::Open).Body(0.3f, 0.54f, 0.4f).Mouth(M::Terminal, 0.05f).Colours(0x4A5A6A, 0x9AA8B8, 0xE8ECF0, 0.5f).Fins(0x8A98A8)
                    .Mark(Spot(0.46f, 0.42f, 0.045f, 0x20242A, 1.6f)).Stripes(Band(0.3f, 0.03f, 0x6AA0C8, 0.5f, 0.2f, 0.95f)));
    // 64 mormora: striped seabream, pointed snout, thin dark vertical bars.
    t.push_back(Sparid().Key("mormora").Sea(G::Sand).Body(0.32f, 0.55f, 0.4f).Head(1.3f, 1, 1.6f, 1.2f, 0.25f).Colours(0x7A8070, 0xC8CCC4, 0xF0F0EC, 0.5f)
                    .Fins(0x9A9A8A).Bar(Bands(14, 0x3A3A38, 0.55f, 0.85f, 0.3f, 0.8f, 0.24f, 0.96f)));
    // 65 ombrina: shi drum, humped, short chin barbel, oblique golden and dark lines.
    t.push_back(Sparid().Key("ombrina").Sea(G::Sand).Body(0.3f, 0.62f, 0.38f).Head(1.8f, 1.3f, 2, 1.4f, 0.25f).Mouth(M::Inferior, 0.07f).Eye(0.1f, 0.28f, 0.026f, 0xC8A870)
                    .Colours(0x5A5A48, 0xB8A880, 0xE8E0D0, 0.55f).Fins(0x5A5040)
                    .Bar(Slanted(Bands(12, 0x4A5060, 0.45f, 0.85f, 0.25f, 1, 0.25f, 0.97f), -1.5f))
                    .Barbels({Whisker(0.05f, 0.96f, 0.035f, 100, 0, 0.007f)})
                    .With([](FishLook& s) { s.pelvic.colour = s.anal.colour = 0x2A2620; s.Tail(T::Truncate, 0.22f, 0.17f, 0); }));
    // 66 occhiata: saddled seabream, big eye, black saddle on the tail root ringed in white.
    t.push_back(Sparid().Key("occhiata").Sea(G::Rock).Body(0.33f, 0.52f, 0.4f).Eye(0.11f, 0.32f, 0.042f, 0xC8C0B0).Colours(0x5A6A78, 0xB8C0C8, 0xF0F2F4, 0.5f)
                    .Fins(0x8A98A8).Mark(Ringed(Spot(0.93f, 0.45f, 0.045f, 0x101010, 0.7f), 0xF4F4F4, 0.012f))
                    .Stripes(Band(0.3f, 0.02f, 0x4A5A68, 0.4f, 0.2f, 0.9f)).Stripes(Band(0.5f, 0.02f, 0x4A5A68, 0.4f, 0.2f, 0.9f)));
    // 67 orata: gilthead, steep forehead, gold brow band, dark shoulder spot.
    t.push_back(Sparid().Key("orata").Sea(G::Sand).Body(0.4f, 0.56f, 0.38f).Head(2.2f, 1.4f, 2, 1.4f, 0.25f).Colours(0x5A6A70, 0xC0C8C8, 0xF0F0F0, 0.5f)
                    .Fins(0x7A8490).Mark(Spot(0.08f, 0.1f, 0.016f, 0xE8C040, 2.5f)).Mark(Spot(0.24f, 0.28f, 0.024f, 0x302830, 1.3f))
                    .With([](FishLook& s) { Lines(s, 6, 0.15f, 0.7f, 0.02f, 0x5A6670, 0.35f); s.tail.colour = 0x4A5260; }));
    // 68 perchia: comber, brown bars and orange stripes.
    t.push_back(Serranid().Key("perchia").Colours(0x8A5A3A, 0xC8A070, 0xF0E0C0, 0.5f).Fins(0xB08860)
                    .Bar(Bands(8, 0x6A3A20, 0.55f, 0.7f, 0.5f, 0.8f, 0.2f, 0.96f)).Stripes(Band(0.6f, 0.04f, 0xE8B040, 0.7f, 0.1f, 0.96f))
                    .Stripes(Band(0.74f, 0.04f, 0xE8B040, 0.7f, 0.1f, 0.96f)));
    // 69 salpa: salema, oval with golden longitudinal lines.
    t.push_back(Sparid().Key("salpa").Sea(G::Weed).Body(0.33f, 0.54f, 0.4f).Mouth(M::Terminal, 0.04f).Eye(0.11f, 0.32f, 0.03f, 0xE8C840)
                    .Colours(0x6A7A80, 0xB8C0C4, 0xE8ECEC, 0.5f).Fins(0x8A9498).Mark(Spot(0.27f, 0.6f, 0.012f, 0x202428))
                    .With([](FishLook& s) { Lines(s, 9, 0.12f, 0.88f, 0.03f, 0xE8C840, 0.65f); }));
    // 70 saragoFaraone: zebra seabream, five broad black bars.
    t.push_back(Sparid().Key("saragoFaraone").Body(0.42f, 0.56f, 0.38f).Mouth(M::Terminal, 0.05f, 0.014f).Colours(0x8A8A70, 0xD0C8A8, 0xF0ECE0, 0.5f)
                    .Fins(0x7A7460).Bar(Bands(5, 0x2A2420, 0.75f, 0.88f, 0.55f, 0.8f, 0.12f, 0.98f)));
    // 71 saragoMaggiore: white seabream, faint bars and a black tail-root saddle.
    t.push_back(Sparid().Key("saragoMaggiore").Body(0.42f, 0.55f, 0.38f).Colours(0x6A7070, 0xC8CCCC, 0xF0F0F0, 0.5f).Fins(0x7A8488)
                    .Bar(Bands(9, 0x3A4040, 0.35f, 0.7f, 0.22f, 0.8f, 0.24f, 0.9f)).Mark(Spot(0.93f, 0.4f, 0.045f, 0x151515, 0.8f))
                    .With([](FishLook& s) { s.tail.colour = 0x3A4448; }));
    // 72 saragoPizzuto: sharpsnout seabream, pointed snout, dark bars, black saddle.
    t.push_back(Sparid().Key("saragoPizzuto").Body(0.4f, 0.55f, 0.4f).Head(1.25f, 1, 1.6f, 1.2f, 0.25f).Colours(0x7A7E78, 0xCACCC4, 0xF0F0EC, 0.5f).Fins(0x8A8A80)
                    .Bar(Bands(7, 0x2E3030, 0.55f, 0.8f, 0.35f, 0.9f, 0.2f, 0.9f)).Mark(Spot(0.93f, 0.42f, 0.045f, 0x151515, 0.8f)));
    // 73 sciarrano: painted comber, dark bars, blue belly patch, lined head.
    t.push_back(Serranid().Key("sciarrano").Colours(0x8A5030, 0xC89060, 0xE8D0A0, 0.5f).Fins(0xB88050)
                    .Bar(Bands(5, 0x4A2814, 0.6f, 0.7f, 0.5f, 0.8f, 0.3f, 0.95f)).Mark(Spot(0.48f, 0.84f, 0.04f, 0x4060B0, 1.3f))
                    .Stripes(Wavy(Band(0.45f, 0.02f, 0x4080C0, 0.8f, 0.0f, 0.26f), 0.08f, 6))
                    .Stripes(Wavy(Band(0.65f, 0.02f, 0xC04030, 0.8f, 0.0f, 0.26f), 0.08f, 6)));
    // 74 scorfanoNero: black scorpionfish, mottled dark brown.
    t.push_back(Scorpionfish().Key("scorfanoNero").Colours(0x3A2A1A, 0x6A4A2A, 0xB8A080, 0.55f).Fins(0x5A4028)
                    .Mottling(Blotches(0x1E160C, 0.75f, 11, 0.52f)).Mottling(Blotches(0xA08860, 0.5f, 16, 0.68f))
                    .With([](FishLook& s) { s.finSpots = 0.8f; }));
    // 75 scorfanoRosso: red scorpionfish, red with darker mottling.
    t.push_back(Scorpionfish().Key("scorfanoRosso").Body(0.36f, 0.56f, 0.3f).Colours(0xA03020, 0xD86040, 0xF0C0A0, 0.55f).Fins(0xC05038)
                    .Mottling(Blotches(0x702010, 0.6f, 10, 0.55f)).Mottling(Blotches(0xF0C8A0, 0.4f, 18, 0.7f))
                    .With([](FishLook& s) { s.finSpots = 0.6f; s.finSpotColour = 0x601810; }));
    // 76 serra: bluefish, big toothy mouth, blue-green back, black pectoral spot.
    t.push_back(Carangid().Key("serra").Body(0.24f, 0.52f, 0.4f).Mouth(M::Terminal, 0.13f).Colours(0x3A6A78, 0xB8C8CC, 0xF0F0F0, 0.45f).Fins(0x6A8088)
                    .Mark(Spot(0.26f, 0.56f, 0.016f, 0x1A2028))
                    .With([](FishLook& s) {
                        s.teeth = true;
                        s.dorsal = Spiny(F(0.32f, 0.45f, 0.07f, 1, 0.2f, 0.5f), 7, 0.3f);
                        s.dorsal2 = F(0.48f, 0.8f, 0.1f, 1, 0, 0.3f, 0.6f, 0.4f);
                        s.anal = F(0.54f, 0.8f, 0.08f, 1, 0, 0.3f, 0.6f, 0.4f);
                        s.Tail(T::Forked, 0.28f, 0.2f, 0.65f);
                    }));
    // 77 sgombro: mackerel, wavy black bars on a green-blue back, finlets.
    t.push_back(Tuna().Key("sgombro").Body(0.2f, 0.52f, 0.42f).Head(1.5f, 1.1f, 1.7f, 1.2f, 0.05f).Eye(0.09f, 0.35f, 0.026f, 0xC8C8C0)
                    .Colours(0x2E7A70, 0xC8D4D8, 0xF8F8F8, 0.45f).Fins(0x5A8888)
                    .Bar(Slanted(Bands(22, 0x0E2228, 0.85f, 0.42f, 0.4f, 1, 0.2f, 0.96f), 0.8f)).Tail(T::Forked, 0.24f, 0.2f, 0.7f)
                    .With([](FishLook& s) {
                        s.finlets = 5;
                        s.keel = false;
                        s.dorsal = Spiny(F(0.32f, 0.46f, 0.1f, 1, 0.1f, 0.3f), 9, 0.2f);
                        s.dorsal2 = F(0.58f, 0.66f, 0.07f, 1, 0, 0.4f);
                        s.anal = F(0.6f, 0.68f, 0.06f, 1, 0, 0.4f);
                    }));
    // 78 sparlo: annular seabream, yellow pelvics, black ring round the tail root.
    t.push_back(Sparid().Key("sparlo").Sea(G::Weed).Body(0.42f, 0.55f, 0.4f).Colours(0x8A9070, 0xD8D4B0, 0xF4F0E0, 0.5f).Fins(0xA8A888)
                    .Mark(Spot(0.93f, 0.42f, 0.045f, 0x181818, 0.6f)).With([](FishLook& s) { s.pelvic.colour = 0xE8C040; }));
    // 79 spigola: seabass, silver, two dorsals, dark gill-cover spot.
    t.push_back(Percid().Key("spigola").Sea(G::Rock).Body(0.25f, 0.54f, 0.4f).Head(1.6f, 1.1f, 1.8f, 1.2f, 0.1f).Mouth(M::Terminal, 0.12f).Eye(0.1f, 0.33f, 0.026f, 0xC8C8C0)
                    .Colours(0x4A5A68, 0xC8CCD0, 0xF4F4F4, 0.45f).Fins(0x7A8490).Look(0.5f, 0.5f, 0.45f).Mark(Spot(0.24f, 0.3f, 0.016f, 0x303438))
                    .With([](FishLook& s) {
                        s.dorsal = Spiny(F(0.32f, 0.48f, 0.12f, 0.9f, 0.2f, 0.3f, 1.3f, 0.4f), 9, 0.25f);
                        s.dorsal2 = F(0.53f, 0.68f, 0.1f, 1, 0, 0.4f, 1.2f);
                        s.pelvic.colour = 0xD8D8D0;
                    }));
    // 80 spigolaMaculata: spotted seabass, black spots on back and upper flank.
    t.push_back(Percid().Key("spigolaMaculata").Sea(G::Sand).Body(0.25f, 0.54f, 0.4f).Head(1.6f, 1.1f, 1.8f, 1.2f, 0.1f).Mouth(M::Terminal, 0.12f)
                    .Eye(0.1f, 0.33f, 0.026f, 0xC8C8C0).Colours(0x55646E, 0xCCD0D4, 0xF4F4F4, 0.45f).Fins(0x7A8490).Look(0.5f, 0.5f, 0.45f)
                    .Spots(Dots(60, 0.008f, 0x202428, 0.12f, 0.95f, 0.03f, 0.55f))
                    .With([](FishLook& s) {
                        s.dorsal = Spiny(F(0.32f, 0.48f, 0.12f, 0.9f, 0.2f, 0.3f, 1.3f, 0.4f), 9, 0.25f);
                        s.dorsal2 = F(0.53f, 0.68f, 0.1f, 1, 0, 0.4f, 1.2f);
                    }));
    // 81 sugarello: horse mackerel, big eye, bony lateral line, gill-cover spot.
    t.push_back(Carangid().Key("sugarello").Body(0.24f, 0.52f, 0.4f).Eye(0.1f, 0.34f, 0.036f, 0xD0D0C8).Colours(0x3A5A6A, 0xC8D0D4, 0xF0F0F0, 0.45f).Fins(0x7A8A98)
                    .Mark(Spot(0.23f, 0.28f, 0.018f, 0x1A2028))
                    .With([](FishLook& s) { s.lateralLine = 0.9f; s.lateralT = 0.38f; s.lineColour = 0x404A52; }));
    // 82 tordoMusolungo: long-snouted wrasse, pointed snout, brown-green with an eye streak.
    t.push_back(Wrasse().Key("tordoMusolungo").Body(0.27f, 0.55f, 0.42f).Head(1.1f, 1, 1.3f, 1, -0.05f).Colours(0x5A6A3A, 0x9AA070, 0xD8D8B0, 0.55f).Fins(0x7A8050)
                    .Stripes(Band(0.32f, 0.05f, 0x3A3A20, 0.6f, 0.0f, 0.3f)).Mottling(Blotches(0x4A5028, 0.35f, 12, 0.6f)));
    // 83 tordoNero: brown wrasse, dark blue-brown.
    t.push_back(Wrasse().Key("tordoNero").Sea(G::Rock).Body(0.28f, 0.54f, 0.42f).Colours(0x2A3040, 0x3A4858, 0x6A7888, 0.55f).Fins(0x2E3A50).Look(0.3f, 0.7f, 0.2f)
                    .With([](FishLook& s) { s.scaleSize = 0.04f; }));
    // 84 tordoPavone: peacock wrasse, rows of red spots on yellow-green.
    t.push_back(Wrasse().Key("tordoPavone").Colours(0x5A7A50, 0xC8C890, 0xF0E8C8, 0.5f).Fins(0x8AA070)
                    .Spots(Dots(45, 0.01f, 0xC84030, 0.25f, 0.96f, 0.2f, 0.8f)).Stripes(Wavy(Band(0.45f, 0.025f, 0x4080B0, 0.7f, 0.0f, 0.26f), 0.06f, 5)));
    // 85 tordoRosso: axillary wrasse, reddish with spots at the pectoral base and tail root.
    t.push_back(Wrasse().Key("tordoRosso").Sea(G::Rock).Colours(0x8A4A30, 0xC07050, 0xE8C0A0, 0.5f).Fins(0xA86040)
                    .Mark(Spot(0.28f, 0.52f, 0.02f, 0x101010)).Mark(Spot(0.96f, 0.45f, 0.025f, 0x1A1A1A)));
    // 86 tordoVerde: green wrasse, long head, bright green with a pale line.
    t.push_back(Wrasse().Key("tordoVerde").Body(0.25f, 0.52f, 0.42f).Head(1.3f, 1, 1.5f, 1.1f, 0.05f).Colours(0x2A6A30, 0x60A050, 0xC8E0A8, 0.55f).Fins(0x4A8040)
                    .Stripes(Band(0.52f, 0.04f, 0xE0F0D0, 0.7f, 0.2f, 0.95f)));
    // 87 zerro: picarel, slim blue-grey with a small flank blotch.
    t.push_back(Sparid().Key("zerro").Sea(G::Open).Body(0.22f, 0.52f, 0.4f).Mouth(M::Terminal, 0.045f).Colours(0x4A6070, 0xB8C8D0, 0xF4F4F4, 0.45f).Fins(0x8A9AA8)
                    .Mark(Spot(0.42f, 0.45f, 0.028f, 0x1E2428, 1.3f)));
    // 88 anguilla: eel, long snake-like body, continuous fins, olive back and yellowish belly.
    t.push_back(Eel().Key("anguilla").Colours(0x3A3A20, 0x7A7440, 0xD8D0A0, 0.55f).Fins(0x4A4828));
    // 89 acerina: ruffe, joined dorsal, speckled olive-brown.
    t.push_back(Percid().Key("acerina").Fresh(G::Sand).Body(0.26f, 0.55f, 0.36f).Head(2, 1.4f, 2, 1.4f, 0.1f).Mouth(M::Terminal, 0.05f).Eye(0.11f, 0.3f, 0.034f, 0x8A6A8A)
                    .Colours(0x6A6A3A, 0xB0A870, 0xE8E0C0, 0.55f).Fins(0xA09868).Spots(Dots(60, 0.007f, 0x3A3020, 0.15f, 0.95f, 0.05f, 0.7f))
                    .With([](FishLook& s) {
                        s.finSpots = 0.8f;
                        s.dorsal = Spiny(F(0.3f, 0.6f, 0.12f, 0.8f, 0.2f, 0.8f, 1.2f, 0.4f), 13, 0.25f);
                        s.dorsal2 = F(0.6f, 0.78f, 0.1f, 0.9f, 0, 0.4f, 1.3f);
                    }));
    // 90 cavedanoEtrusco: Etruscan chub, with a dark lateral band.
    t.push_back(Cyprinid().Key("cavedanoEtrusco").Body(0.23f, 0.52f, 0.4f).Head(2.2f, 1.5f, 2, 1.4f, 0.05f).Mouth(M::Terminal, 0.07f)
                    .Colours(0x4A5040, 0xB8B8A8, 0xEEEADC).Fins(0x6A6858).Look(0.35f, 0.7f, 0.3f).Stripes(Band(0.46f, 0.06f, 0x3A4034, 0.55f, 0.15f, 0.98f))
                    .With([](FishLook& s) { s.pelvic.colour = s.anal.colour = 0xD8A070; s.scaleSize = 0.04f; }));
    // 91 gardon: roach, blue back, red eye, reddish fins.
    t.push_back(Cyprinid().Key("gardon").Body(0.3f, 0.56f, 0.4f).Eye(0.08f, 0.38f, 0.03f, 0xD02020).Colours(0x3A4E5A, 0xD0D4D0, 0xF4F4F0, 0.45f)
                    .Fins(0x9A7068).Look(0.5f, 0.65f, 0.35f)
                    .With([](FishLook& s) { s.pelvic.colour = s.anal.colour = s.pectoral.colour = 0xD06040; s.scaleSize = 0.04f; }));
    // 92 pseudorasbora: topmouth gudgeon, upturned mouth, black stripe, netted scales.
    t.push_back(Cyprinid().Key("pseudorasbora").Fresh(G::Weed).Body(0.22f, 0.52f, 0.4f).Head(1.6f, 1.2f, 2, 1.5f, -0.15f).Mouth(M::Superior, 0.035f)
                    .Colours(0x6A6A50, 0xB8B8A0, 0xE8E8DC).Fins(0xA8A890).Look(0.35f, 1, 0).Stripes(Band(0.48f, 0.15f, 0x303430, 0.8f, 0.0f, 0.98f))
                    .With([](FishLook& s) { s.scaleSize = 0.04f; s.Tail(T::Forked, 0.22f, 0.15f, 0.3f); }));
    // 93 rovella: south European roach, dark band, orange fins.
    t.push_back(Cyprinid().Key("rovella").Body(0.27f, 0.55f, 0.4f).Eye(0.08f, 0.38f, 0.03f, 0xE09040).Colours(0x4A5A48, 0xC8CCC0, 0xF0EFE8)
                    .Stripes(Band(0.45f, 0.06f, 0x4A5444, 0.5f, 0.2f, 0.98f)).Fins(0x9A8A70).Look(0.45f, 0.6f, 0.35f)
                    .With([](FishLook& s) { s.pelvic.colour = s.anal.colour = s.pectoral.colour = 0xD8A060; }));
    // 94 storione: Adriatic sturgeon, short blunt snout, scutes, barbels.
    t.push_back(Sturgeon().Key("storione").Head(1.5f, 1.15f, 1.6f, 1.2f, -0.05f).Colours(0x5A5040, 0x9A9078, 0xE8E4D8, 0.55f).Fins(0x6A6050));
    // 95 pagello: common pandora, pink with small blue spots.
    t.push_back(Sparid().Key("pagello").Sea(G::Sand).Body(0.34f, 0.55f, 0.4f).Colours(0xC86060, 0xE8A8A0, 0xF4E8E4, 0.5f).Fins(0xD89090)
                    .Spots(Dots(25, 0.006f, 0x70A8E0, 0.25f, 0.9f, 0.05f, 0.45f)).Mark(Spot(0.27f, 0.6f, 0.012f, 0xB03030)));
    // 96 gallinella: tub gurnard, bony head, huge blue wing-like pectorals, red body.
    t.push_back(Percid().Key("gallinella").Sea(G::Sand).Body(0.24f, 0.52f, 0.22f).Head(1.3f, 1, 2, 1.5f, 0.25f).Rear(0.9f, 0.3f).Mouth(M::Inferior, 0.07f)
                    .Eye(0.13f, 0.2f, 0.028f, 0xD0A060).Colours(0xC04030, 0xE07050, 0xF4D8C8, 0.5f).Fins(0xD06048).Look(0.35f, 0.2f, 0.6f)
                    .Tail(T::Emarginate, 0.2f, 0.15f, 0.2f)
                    .With([](FishLook& s) {
                        s.opX = 0.28f;
                        s.dorsal = Spiny(F(0.3f, 0.46f, 0.1f, 1, 0.1f, 0.3f, 1, 0.4f), 9, 0.25f);
                        s.dorsal2 = F(0.48f, 0.86f, 0.07f, 1, 0, 0.8f, 1, 0.4f);
                        s.anal = F(0.5f, 0.86f, 0.06f, 1, 0, 0.8f, 1, 0.4f);
                        s.pectoral = Fan(0.3f, 0.6f, 0.36f, 32, 70, 0.8f, 0.4f, 0.6f, 2);
                        s.pectoral.colour = 0x3A70B0;
                        s.pectoral.alpha = 0.88f;
                    })
                    .Barbels({Whisker(0.26f, 0.96f, 0.07f, 110, 30, 0.007f), Whisker(0.28f, 0.97f, 0.07f, 95, 30, 0.007f),
                              Whisker(0.3f, 0.97f, 0.06f, 80, 30, 0.007f)}));
    // 97 leccia: leerfish, silver with a wavy dark lateral line.
    t.push_back(Carangid().Key("leccia").Body(0.3f, 0.52f, 0.4f).Colours(0x4A5A60, 0xC8CCD0, 0xF0F0F0, 0.45f).Fins(0x5A6A70)
                    .Stripes(Wavy(Band(0.4f, 0.025f, 0x303840, 0.8f, 0.25f, 0.98f), 0.12f, 1.3f))
                    .With([](FishLook& s) { s.lateralLine = 0; s.tail.colour = 0x3A4650; }));
    // 98 pagroComune: common seabream, steep head, pink-red with blue dots.
    t.push_back(Sparid().Key("pagroComune").Body(0.38f, 0.57f, 0.38f).Head(2, 1.4f, 2, 1.4f, 0.25f).Colours(0xC06858, 0xE0A898, 0xF4E8E0, 0.5f).Fins(0xD08878)
                    .Spots(Dots(30, 0.006f, 0x6AA0E0, 0.25f, 0.9f, 0.05f, 0.45f)));
    // 99 pescePettine: pearly razorfish, vertical forehead, pinkish with blue head lines.
    t.push_back(Wrasse().Key("pescePettine").Sea(G::Sand).Body(0.36f, 0.55f, 0.4f).Head(4, 3.2f, 2, 1.6f, 0.45f).Mouth(M::Terminal, 0.05f).Eye(0.12f, 0.2f, 0.024f, 0xD8A060)
                    .Colours(0xC88060, 0xE8B090, 0xF0D8C0, 0.5f).Fins(0xD89870).Look(0.35f, 0.3f, 0.3f)
                    .Bar(Slanted(Bands(6, 0x60A0D0, 0.7f, 0.9f, 0.15f, 1, 0.02f, 0.22f), 0.3f))
                    .With([](FishLook& s) { s.Tail(T::Truncate, 0.18f, 0.16f, 0); }));
    // 100 pesceSanPietro: John Dory, tall oval body, long dorsal spines, ringed black spot.
    t.push_back(Sparid().Key("pesceSanPietro").Body(0.62f, 0.5f, 0.44f).Head(1.9f, 1.3f, 1.8f, 1.25f, 0.05f).Rear(0.7f, 0.18f).Mouth(M::Superior, 0.16f, 0.01f)
                    .Eye(0.16f, 0.3f, 0.03f, 0xD8C060).Colours(0x6A6A50, 0xB8A878, 0xD8CCA8, 0.5f).Fins(0x7A7458).Look(0.3f, 0, 0.3f)
                    .Mark(Ringed(Spot(0.48f, 0.5f, 0.055f, 0x1A1A14), 0xE8D890, 0.014f)).Tail(T::Rounded, 0.16f, 0.12f, 0)
                    .Mottling(Blotches(0x8A8060, 0.35f, 8, 0.6f))
                    .With([](FishLook& s) {
                        s.opX = 0.3f;
                        s.dorsal = Coloured(Spiny(F(0.32f, 0.56f, 0.36f, 1, 0.15f, 0.5f, 1, 0.55f), 9, 0.85f), 0x4A4638);
                        s.dorsal2 = F(0.6f, 0.88f, 0.1f, 1, 0.2f, 0.5f, 1.5f);
                        s.anal = F(0.6f, 0.88f, 0.09f, 1, 0.2f, 0.5f, 1.5f);
                        s.pelvic = Fan(0.35f, 0.97f, 0.2f, 70, 20, 1, 0.3f, 0.6f, 1);
                        s.pectoral = Fan(0.32f, 0.55f, 0.1f, 20, 40, 0.8f, 0.4f, 0.6f, 2);
                    }));
    // 101 sogliola: common sole, oval flatfish seen from above, fringed with fins.
    t.push_back(Flatfish().Key("sogliola").Colours(0x6A5A40, 0x7E6C4E, 0x6E5E44, 0.5f).Fins(0x5A4A34)
                    .Mottling(Blotches(0x4A3E2A, 0.55f, 10, 0.55f)).Spots(Dots(20, 0.01f, 0x3A3020, 0.2f, 0.9f, 0.15f, 0.85f))
                    .With([](FishLook& s) { s.pectoral.colour = 0x1A1410; }));
    // 102 tracina: greater weever, eyes on top, black first dorsal, oblique lines.
    t.push_back(Percid().Key("tracina").Sea(G::Sand).Body(0.2f, 0.5f, 0.3f).Head(1.8f, 1.5f, 1.8f, 1.2f, 0.1f).Rear(0.8f, 0.4f).Mouth(M::Superior, 0.09f)
                    .Eye(0.1f, 0.1f, 0.026f, 0x70A060).Colours(0x8A7A50, 0xC8B880, 0xF0E8D0, 0.5f).Fins(0xB0A070).Look(0.3f, 0, 0.4f)
                    .Bar(Slanted(Bands(14, 0x3A4A70, 0.45f, 0.9f, 0.25f, 1, 0.25f, 0.98f), -1.2f, 0.1f)).Tail(T::Truncate, 0.16f, 0.13f, 0)
                    .With([](FishLook& s) {
                        s.dorsal = Coloured(Spiny(F(0.25f, 0.33f, 0.1f, 1, 0.2f, 0.5f, 1, 0.3f), 6, 0.4f), 0x101010);
                        s.dorsal2 = F(0.36f, 0.95f, 0.07f, 1, 0, 1, 1, 0.3f);
                        s.anal = F(0.38f, 0.95f, 0.07f, 1, 0, 1, 1, 0.3f);
                        s.pelvic = Fan(0.22f, 0.97f, 0.07f, 60, 20);
                    }));
    // 103 trigliaScoglio: striped red mullet, chin barbels, yellow lines.
    t.push_back(Cyprinid().Key("trigliaScoglio").Sea(G::Rock).Body(0.24f, 0.55f, 0.38f).Head(2.5f, 1.5f, 2, 1.5f, 0.35f).Mouth(M::Inferior, 0.05f).Eye(0.12f, 0.25f, 0.026f, 0xC8A060)
                    .Colours(0xB84030, 0xE08060, 0xF4E0D0, 0.5f).Fins(0xD89070).Look(0.35f, 0.6f, 0.2f)
                    .Stripes(Band(0.35f, 0.035f, 0x902820, 0.6f, 0.05f, 0.98f)).Stripes(Band(0.45f, 0.035f, 0xE8C850, 0.6f, 0.2f, 0.98f))
                    .Stripes(Band(0.58f, 0.035f, 0xE8C850, 0.6f, 0.2f, 0.98f)).Stripes(Band(0.7f, 0.03f, 0xE8C850, 0.5f, 0.2f, 0.98f))
                    .Barbels({Whisker(0.05f, 0.97f, 0.11f, 95, -30, 0.007f)})
                    .With([](FishLook& s) {
                        s.dorsal = Coloured(Spiny(F(0.3f, 0.44f, 0.13f, 1, 0.1f, 0.3f), 7, 0.2f), 0xC87858);
                        s.dorsal2 = F(0.56f, 0.68f, 0.08f, 1, 0, 0.5f);
                        s.Tail(T::Forked, 0.24f, 0.17f, 0.45f);
                    }));
    // 104 trigliaFango: red mullet, steeper forehead, plain pink-red.
    t.push_back(Cyprinid().Key("trigliaFango").Sea(G::Mud).Body(0.25f, 0.55f, 0.38f).Head(3, 1.8f, 2, 1.5f, 0.4f).Mouth(M::Inferior, 0.05f).Eye(0.13f, 0.22f, 0.028f, 0xC8A060)
                    .Colours(0xC05048, 0xE89080, 0xF6E6DC, 0.5f).Fins(0xE0A090).Look(0.4f, 0.6f, 0.2f)
                    .Barbels({Whisker(0.05f, 0.97f, 0.11f, 95, -30, 0.007f)})
                    .With([](FishLook& s) {
                        s.dorsal = Spiny(F(0.3f, 0.44f, 0.13f, 1, 0.1f, 0.3f), 7, 0.2f);
                        s.dorsal2 = F(0.56f, 0.68f, 0.08f, 1, 0, 0.5f);
                        s.Tail(T::Forked, 0.24f, 0.17f, 0.45f);
                    }));
    // 105 pesceGattoPunt: channel catfish, forked tail, scattered black spots.
    t.push_back(Catfish().Key("pesceGattoPunt").Body(0.19f, 0.52f, 0.3f).Colours(0x4A5A68, 0x9AA8B0, 0xE8ECEC, 0.5f).Fins(0x5A6470)
                    .Spots(Dots(25, 0.009f, 0x1A1A1A, 0.25f, 0.9f, 0.15f, 0.6f)).Tail(T::Forked, 0.24f, 0.16f, 0.6f));
    // 106 alletterato: little tunny, wavy stripes on the rear back, dots under the fin.
    t.push_back(Tuna().Key("alletterato").Colours(0x20506A, 0xB8C8D0, 0xF0F4F4, 0.45f).Fins(0x3A5A6A)
                    .Bar(Slanted(Bands(9, 0x102030, 0.85f, 0.32f, 0.35f, 1, 0.45f, 0.97f), 1.2f))
                    .Spots(Dots(5, 0.01f, 0x202020, 0.26f, 0.38f, 0.62f, 0.75f)));
    // 107 castagna: Ray's bream, tall, steep head, long falcate fins, dark bronze.
    t.push_back(Carangid().Key("castagna").Body(0.45f, 0.55f, 0.4f).Head(3, 2, 2, 1.5f, 0.2f).Mouth(M::Superior, 0.08f).Eye(0.12f, 0.3f, 0.04f, 0xA0A0A0)
                    .Colours(0x3A3A40, 0x6A6A70, 0xA8A8B0, 0.5f).Fins(0x3A3A44).Look(0.4f, 0.6f, 0.2f).Tail(T::Forked, 0.32f, 0.25f, 0.8f)
                    .With([](FishLook& s) {
                        s.dorsal = F(0.38f, 0.9f, 0.15f, 1, 0.05f, 0.2f, 0.5f, 0.4f);
                        s.dorsal2 = Fin{};
                        s.anal = F(0.5f, 0.9f, 0.13f, 1, 0.05f, 0.2f, 0.5f, 0.4f);
                        s.scaleSize = 0.05f;
                    }));
    // 108 cerniaBianca: white grouper, pale oblique lines on the cheek.
    t.push_back(Grouper().Key("cerniaBianca").Colours(0x6A6050, 0xA09880, 0xD8D0C0, 0.5f).Fins(0x6A6050)
                    .Bar(Bands(5, 0x4A4030, 0.3f, 0.75f, 0.5f, 0.8f, 0.3f, 0.95f))
                    .Stripes(Band(0.5f, 0.025f, 0xE8E4D8, 0.8f, 0.08f, 0.3f)).Stripes(Band(0.65f, 0.025f, 0xE8E4D8, 0.8f, 0.06f, 0.3f)));
    // 109 cerniaBruna: dusky grouper, dark brown with pale blotches.
    t.push_back(Grouper().Key("cerniaBruna").Colours(0x4A3020, 0x6A4A30, 0xC8A878, 0.5f).Fins(0x4A3424)
                    .Mottling(Blotches(0xC8B890, 0.7f, 9, 0.62f)));
    // 110 cerniaDorata: goldblotch grouper, dark stripes and a gold patch.
    t.push_back(Grouper().Key("cerniaDorata").Colours(0x5A4A30, 0x8A7048, 0xC8B080, 0.5f).Fins(0x5A4A34).Tail(T::Truncate, 0.2f, 0.17f, 0)
                    .Stripes(Band(0.35f, 0.06f, 0x3A2A1A, 0.5f, 0.2f, 0.98f)).Stripes(Band(0.55f, 0.06f, 0x3A2A1A, 0.5f, 0.2f, 0.98f))
                    .Stripes(Band(0.75f, 0.06f, 0x3A2A1A, 0.5f, 0.2f, 0.98f)).Mark(Spot(0.6f, 0.22f, 0.05f, 0xD8A830, 1.5f))
                    .With([](FishLook& s) { s.blotches[0].alpha = 0.6f; }));
    // 111 cerniaFondale: wreckfish, robust, protruding jaw, plain grey-brown.
    t.push_back(Grouper().Key("cerniaFondale").Sea(G::Open).Body(0.33f, 0.54f, 0.4f).Colours(0x4A4840, 0x7A7868, 0xB0AC9C, 0.5f).Fins(0x4A4840)
                    .Tail(T::Truncate, 0.2f, 0.17f, 0).Mottling(Blotches(0x3A3830, 0.3f, 8, 0.6f)));
    // 112 dentice: common dentex, steep profile, canine teeth, pinkish with blue dots.
    t.push_back(Sparid().Key("dentice").Body(0.36f, 0.56f, 0.38f).Head(1.8f, 1.3f, 2, 1.4f, 0.2f).Mouth(M::Terminal, 0.08f).Colours(0x9A7A80, 0xD0C0C8, 0xF0ECEC, 0.5f)
                    .Fins(0xB09098).Spots(Dots(30, 0.006f, 0x405070, 0.25f, 0.9f, 0.05f, 0.5f)).With([](FishLook& s) { s.teeth = true; }));
    // 113 gattuccio: small-spotted catshark, slender, sandy with dark dots.
    t.push_back(Shark().Key("gattuccio").Sea(G::Sand).Body(0.12f, 0.5f, 0.3f).Head(2, 1.4f, 2.2f, 1.5f, -0.1f).Eye(0.09f, 0.3f, 0.016f, 0x9AB050)
                    .Colours(0xA08058, 0xC0A078, 0xF0E8D8, 0.55f).Fins(0xA08060).Spots(Dots(120, 0.005f, 0x3A2A1A, 0.05f, 0.98f, 0.02f, 0.75f))
                    .Spots(Dots(12, 0.008f, 0xF0E8D8, 0.2f, 0.9f, 0.15f, 0.5f)).Tail(T::Heterocercal, 0.26f, 0.07f, 0).Bend(0.02f, 0.6f)
                    .With([](FishLook& s) {
                        s.tail.lowerScale = 0.9f;
                        s.dorsal = F(0.55f, 0.62f, 0.06f, 1, 0, 0.2f, 1.4f, 0.8f);
                        s.dorsal2 = F(0.7f, 0.75f, 0.04f, 1, 0, 0.2f, 1.4f, 0.8f);
                        s.anal = F(0.62f, 0.7f, 0.04f, 1, 0, 0.2f, 1.4f, 0.8f);
                        s.pectoral = Fan(0.24f, 0.85f, 0.1f, 40, 30);
                        s.pelvic = Fan(0.45f, 0.95f, 0.07f, 30, 25);
                        s.finSpots = 0.6f;
                    }));
    // 114 lampuga: dolphinfish, blunt forehead, long dorsal, gold and blue-green.
    t.push_back(Carangid().Key("lampuga").Body(0.26f, 0.55f, 0.2f).Head(3, 2.4f, 2, 1.6f, 0.25f).Rear(0.8f, 0.2f).Colours(0x1A7060, 0xC8D040, 0xF0E070, 0.45f)
                    .Fins(0x2A6A70).Spots(Dots(40, 0.007f, 0x2060A0, 0.2f, 0.9f, 0.2f, 0.7f)).Look(0.4f, 0, 0.2f).Tail(T::Forked, 0.3f, 0.22f, 0.8f)
                    .With([](FishLook& s) {
                        s.dorsal = F(0.1f, 0.92f, 0.09f, 1.2f, 0, 0.5f, 1, 0.4f);
                        s.dorsal2 = Fin{};
                        s.anal = F(0.55f, 0.92f, 0.08f, 1, 0, 0.5f, 1, 0.4f);
                        s.tail.colour = 0xC8C040;
                    }));
    // 115 lecciaStella: derbio, blunt snout, spots along the lateral line, dark fin tips.
    t.push_back(Carangid().Key("lecciaStella").Body(0.36f, 0.52f, 0.42f).Head(2.2f, 1.6f, 2, 1.5f, 0.1f).Mouth(M::Terminal, 0.05f).Colours(0x5A6A78, 0xD0D4D8, 0xF4F4F4, 0.45f)
                    .Fins(0x4A5460).Mark(Spot(0.36f, 0.42f, 0.018f, 0x202428)).Mark(Spot(0.48f, 0.42f, 0.018f, 0x202428)).Mark(Spot(0.6f, 0.43f, 0.016f, 0x202428))
                    .Tail(T::Forked, 0.32f, 0.24f, 0.8f));
    // 116 occhione: blackspot seabream, big eye, black spot at the start of the lateral line.
    t.push_back(Sparid().Key("occhione").Body(0.34f, 0.55f, 0.4f).Eye(0.12f, 0.3f, 0.045f, 0xD8C0A0).Colours(0xB07070, 0xD8B0A8, 0xF4E8E4, 0.5f).Fins(0xC89090)
                    .Mark(Spot(0.26f, 0.3f, 0.026f, 0x1A1414)));
    // 117 palamita: Atlantic bonito, dark oblique stripes on a steel-blue back.
    t.push_back(Tuna().Key("palamita").Body(0.24f, 0.52f, 0.42f).Colours(0x2A4A68, 0xC0C8D0, 0xF4F4F4, 0.45f).Fins(0x3A5068)
                    .Bar(Slanted(Bands(9, 0x102030, 0.8f, 0.5f, 0.35f, 1, 0.12f, 0.98f), 3.5f)));
    // 118 ranaPescatrice: angler, enormous flat head and mouth, fishing lure, mottled brown.
    t.push_back(Goby().Key("ranaPescatrice").Sea(G::Sand).Body(0.3f, 0.4f, 0.2f).Head(2, 1.1f, 2.5f, 2.2f, -0.6f).Rear(1.4f, 0.2f).Mouth(M::Superior, 0.24f)
                    .Eye(0.18f, 0.08f, 0.02f, 0xB09060).Colours(0x5A4430, 0x7A6040, 0xC8B898, 0.6f).Fins(0x5A4430)
                    .Mottling(Blotches(0x3A2A1A, 0.6f, 14, 0.52f)).Mottling(Blotches(0xA88A68, 0.4f, 20, 0.65f)).Tail(T::Rounded, 0.15f, 0.07f, 0)
                    .With([](FishLook& s) {
                        s.teeth = true;
                        s.lure = true;
                        s.opX = 0.32f;
                        s.dorsal = F(0.55f, 0.68f, 0.1f, 1, 0.4f, 0.6f, 2, 0.4f);
                        s.dorsal2 = Fin{};
                        s.anal = F(0.62f, 0.74f, 0.07f, 1, 0.4f, 0.6f, 2, 0.4f);
                        s.pectoral = Fan(0.34f, 0.75f, 0.16f, 40, 60, 0.8f, 0.5f, 0.8f, 2);
                        s.pelvic = Fan(0.26f, 0.97f, 0.08f, 80, 30);
                        s.finSpots = 0.5f;
                    }));
    // 119 ricciola: greater amberjack, dark band through the eye, amber side stripe.
    t.push_back(Carangid().Key("ricciola").Body(0.27f, 0.53f, 0.42f).Colours(0x4A5A70, 0xC0C4C8, 0xF0F0F0, 0.45f).Fins(0x5A6470)
                    .Bar(Slanted(Bands(1, 0x2A2418, 0.65f, 0.6f, 0.2f, 1, 0.0f, 0.6f), -0.83f)).Stripes(Band(0.5f, 0.06f, 0xD8B040, 0.6f, 0.15f, 0.98f))
                    .With([](FishLook& s) { s.tail.colour = 0xA89040; }));
    // 120 sciabola: silver scabbardfish, ribbon body, long low dorsal, fangs.
    t.push_back(Cyprinid().Key("sciabola").Sea(G::Open).Body(0.075f, 0.5f, 0.35f).Head(1.1f, 1, 1.1f, 1, 0.1f).Rear(0.7f, 0.35f).Mouth(M::Superior, 0.09f)
                    .Eye(0.07f, 0.35f, 0.018f, 0xE0E0D8).Colours(0xB8C0C8, 0xD8E0E4, 0xF0F4F4, 0.5f).Fins(0xC0C8D0).Look(0.6f, 0, 0.5f).Bend(0.015f, 0.7f)
                    .Tail(T::Forked, 0.06f, 0.035f, 0.5f)
                    .With([](FishLook& s) {
                        s.teeth = true;
                        s.opX = 0.13f;
                        s.dorsal = F(0.12f, 0.98f, 0.025f, 1, 0, 1, 1, 0.3f);
                        s.anal = F(0.7f, 0.98f, 0.015f, 1, 0, 1, 1, 0.3f);
                        s.pectoral = Fan(0.14f, 0.6f, 0.04f, 20, 25);
                        s.pelvic = FanFin{};
                    }));
    // 121 spinarolo: piked dogfish, grey with white spots, spined dorsals, no anal fin.
    t.push_back(Shark().Key("spinarolo").Sea(G::Sand).Body(0.13f, 0.5f, 0.34f).Colours(0x5A6068, 0x8A9098, 0xE8ECEC, 0.55f).Fins(0x5A6068)
                    .Spots(Dots(14, 0.01f, 0xE8E8E0, 0.25f, 0.8f, 0.2f, 0.5f))
                    .With([](FishLook& s) {
                        s.dorsal = Spiny(F(0.4f, 0.48f, 0.08f, 1, 0, 0.2f, 1.4f, 0.8f), 1, 0.1f);
                        s.dorsal2 = F(0.7f, 0.77f, 0.06f, 1, 0, 0.2f, 1.4f, 0.8f);
                        s.anal = Fin{};
                        s.freeSpines = 0;
                    }));
    // 122 tanuta: black seabream, grey with broken dark lines.
    t.push_back(Sparid().Key("tanuta").Body(0.38f, 0.56f, 0.4f).Colours(0x4A5058, 0xA8B0B4, 0xE0E4E4, 0.5f).Fins(0x4A5058)
                    .With([](FishLook& s) { Lines(s, 6, 0.15f, 0.7f, 0.025f, 0x3A4048, 0.5f); })
                    .Bar(Bands(6, 0x3A4048, 0.25f, 0.7f, 0.4f, 0.8f)));
    // 123 tombarello: bullet tuna, dark wavy bars on the rear back.
    t.push_back(Tuna().Key("tombarello").Body(0.25f, 0.52f, 0.42f).Colours(0x1A3A5A, 0xB8C4CC, 0xF0F4F4, 0.45f).Fins(0x2A4058)
                    .Bar(Slanted(Bands(14, 0x0A1A2A, 0.85f, 0.32f, 0.35f, 1, 0.45f, 0.97f), 0.8f)));
    // 124 aspio: asp, big upturned jaw, silver with dark back.
    t.push_back(Cyprinid().Key("aspio").Fresh(G::Open).Body(0.23f, 0.55f, 0.42f).Head(1.6f, 1.1f, 1.8f, 1.2f, 0).Mouth(M::Superior, 0.1f).Eye(0.09f, 0.36f, 0.024f, 0xD0C8A0)
                    .Colours(0x3A4A4A, 0xC8D0D0, 0xF4F4F4, 0.45f).Fins(0x5A6060).Look(0.5f, 0.4f, 0.3f).Tail(T::Forked, 0.26f, 0.18f, 0.5f)
                    .With([](FishLook& s) { s.pelvic.colour = s.anal.colour = 0xA87060; s.dorsal = F(0.46f, 0.58f, 0.15f, 1, 0, 0.25f); }));
    // 125 storioneLadano: the great sturgeon, stout, short pointed snout, scutes.
    t.push_back(Sturgeon().Key("storioneLadano").Body(0.19f, 0.52f, 0.32f).Head(1.2f, 1, 1.5f, 1.1f, -0.1f).Colours(0x4A5058, 0x8A9098, 0xE8E8E4, 0.55f).Fins(0x5A6068)
                    .Mouth(M::Inferior, 0.18f, 0.014f));
    // 126 agugliaImperiale: spearfish, slim, short spear, tall front dorsal lobe.
    t.push_back(Billfish().Key("agugliaImperiale").Body(0.15f, 0.52f, 0.36f).Colours(0x1A3050, 0x7A90A8, 0xE8ECF0, 0.5f).Fins(0x20385A)
                    .With([](FishLook& s) { s.bill = 0.17f; s.dorsal = F(0.2f, 0.82f, 0.16f, 1, 0, 0.35f, 0.35f, 0.35f); }));
    // 127 marlinBianco: white marlin, bill, rounded dorsal lobe, pale blue bars.
    t.push_back(Billfish().Key("marlinBianco").Body(0.23f, 0.52f, 0.36f).Colours(0x1A2A50, 0x8098B8, 0xF0F2F4, 0.5f).Fins(0x20305A)
                    .Bar(Bands(12, 0x90B0D8, 0.5f, 0.7f, 0.3f, 0.6f, 0.3f, 0.85f))
                    .With([](FishLook& s) {
                        s.bars[0].t0 = 0.15f;
                        s.dorsal = F(0.2f, 0.8f, 0.2f, 0.9f, 0.08f, 0.15f, 0.45f, 0.35f);
                        s.finSpots = 0.5f;
                    }));
    // 128 spada: swordfish, long flat sword, tall crescent dorsal, no pelvics.
    t.push_back(Billfish().Key("spada").Body(0.25f, 0.52f, 0.36f).Colours(0x2E2834, 0x6A6270, 0xC8C4C8, 0.55f).Fins(0x3A2A38)
                    .With([](FishLook& s) {
                        s.bill = 0.42f;
                        s.dorsal = F(0.22f, 0.32f, 0.26f, 1, 0, 0.1f, 0.4f, 0.5f);
                        s.anal = F(0.7f, 0.76f, 0.06f, 1, 0, 0.2f, 0.6f, 0.5f);
                        s.pelvic = FanFin{};
                        s.pectoral = Fan(0.25f, 0.8f, 0.17f, 40, 12, 1, 0, 0.2f, 1);
                        s.eyeR = 0.028f;
                    }));
    // 129 verdesca: blue shark, long snout, very long pectorals, bright blue.
    t.push_back(Shark().Key("verdesca").Body(0.14f, 0.5f, 0.36f).Head(1.2f, 1, 2, 1.4f, -0.15f).Eye(0.09f, 0.33f, 0.02f, 0x303848)
                    .Colours(0x2A4AA8, 0x4A7AC8, 0xF0F4F8, 0.55f).Fins(0x2E4E9A)
                    .With([](FishLook& s) {
                        s.pectoral = Fan(0.28f, 0.8f, 0.32f, 38, 14, 1, 0.1f, 0.15f, 0.7f);
                        s.Tail(T::Heterocercal, 0.36f, 0.18f, 0);
                        s.tail.lowerScale = 0.45f;
                    }));
    for (std::size_t i = 0; i < t.size(); ++i)
        t[i].seed = unsigned(i) * 7919u + 17u;
    return t;
}

} // namespace

const std::vector<FishLook>& FishTable()
{
    static const std::vector<FishLook> table = Build();
    return table;
}

} // namespace fish
