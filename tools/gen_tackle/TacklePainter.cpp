#include "tools/gen_tackle/TacklePainter.h"

#include <cmath>
#include <functional>

namespace tackle {

using fish::Canvas;
using fish::Clamp01;
using fish::Fbm;
using fish::Hash01;
using fish::Hex;
using fish::Mix;
using fish::Polygon;
using fish::Smoothstep;
using fish::Vec2;

namespace {

constexpr int kSS = 4;
constexpr float kPi = 3.14159265f;
const Rgb kWhite{1, 1, 1};

// sin(x)^p, with the tiny negative sines near pi taken as 0 (no NaN).
float SinPow(float x, float p) { return std::pow(std::max(0.0f, std::sin(x)), p); }
Rgb Scale(Rgb c, float k) { return {c.r * k, c.g * k, c.b * k}; }
Rgb Lighten(Rgb c, float t) { return Mix(c, kWhite, t); }
Vec2 Rot(Vec2 p, float a) { return {p.x * std::cos(a) - p.y * std::sin(a), p.x * std::sin(a) + p.y * std::cos(a)}; }

// A soft studio backdrop: warm light grey, lighter at the top, a faint
// grain so flat areas do not band.
void Backdrop(Canvas& c, unsigned seed, Rgb top = Hex(0xEDEAE3), Rgb bottom = Hex(0xC9C4BA))
{
    const float w = float(c.Width()), h = float(c.Height());
    c.ShadeRect(0, 0, w, h, [&](Vec2 p, Rgb& dst) {
        float t = p.y / h;
        float dx = (p.x - w * 0.5f) / w, dy = (p.y - h * 0.45f) / h;
        float vignette = 1.0f - 0.18f * (dx * dx + dy * dy) * 2.0f;
        float grain = (Fbm(p.x * 0.15f, p.y * 0.15f, seed, 3) - 0.5f) * 0.03f;
        dst = Scale(Mix(top, bottom, t), vignette + grain);
    });
}

void SoftShadow(Canvas& c, Vec2 centre, float rx, float ry, float strength = 0.22f)
{
    for (int k = 0; k < 6; ++k) {
        float s = 1.0f + float(k) * 0.12f;
        c.FillEllipse(centre, rx * s, ry * s, 0, Hex(0x5A5248), strength / 6.0f);
    }
}

// A tube along the points: dark edge, body, and a light streak, so wire and
// rods read as round.
void Tube(Canvas& c, const std::vector<Vec2>& pts, float width, Rgb base, Vec2 light = {-0.3f, -0.3f})
{
    c.Stroke(pts, width, Scale(base, 0.5f), 1.0f);
    c.Stroke(pts, width * 0.72f, base, 1.0f);
    std::vector<Vec2> hi;
    for (Vec2 p : pts)
        hi.push_back(p + light * (width * 0.5f));
    c.Stroke(hi, std::max(0.6f, width * 0.25f), Lighten(base, 0.65f), 0.75f);
}

// Fills a shape with a shade that depends on the distance across an axis:
// u = -1 at one edge, +1 at the other. Gives cylinders and spheres their
// roundness.
void CylinderFill(Canvas& c, const Polygon& poly, Vec2 axisPoint, Vec2 axisDir, float halfWidth,
                  const std::function<Rgb(float u, Vec2 p)>& colour)
{
    Vec2 n{-axisDir.y, axisDir.x};
    c.ShadePolygon(poly, [&](Vec2 p, Rgb& dst) {
        Vec2 d = p - axisPoint;
        float u = (d.x * n.x + d.y * n.y) / std::max(0.01f, halfWidth);
        dst = colour(std::clamp(u, -1.0f, 1.0f), p);
    });
}

// Shade of a round surface at u in -1..1 lit from the upper left.
Rgb RoundShade(Rgb base, float u, float gloss = 0.5f)
{
    float lambert = 0.62f + 0.38f * std::cos((u + 0.35f) * kPi * 0.5f);
    float spec = std::exp(-((u + 0.45f) * (u + 0.45f)) / 0.02f) * gloss;
    return Lighten(Scale(base, lambert), spec);
}

void Sphere(Canvas& c, Vec2 centre, float r, Rgb base, float gloss = 0.6f)
{
    c.ShadeRect(centre.x - r, centre.y - r, centre.x + r, centre.y + r, [&](Vec2 p, Rgb& dst) {
        Vec2 d = (p - centre) * (1.0f / r);
        float d2 = d.x * d.x + d.y * d.y;
        if (d2 > 1)
            return;
        float z = std::sqrt(1 - d2);
        float lambert = std::max(0.0f, -0.45f * d.x - 0.55f * d.y + 0.70f * z);
        float h = std::max(0.0f, -0.40f * d.x - 0.50f * d.y + 0.77f * z);
        float spec = std::pow(h, 40.0f) * gloss;
        Rgb col = Lighten(Scale(base, 0.35f + 0.75f * lambert), spec);
        // Anti-aliased rim comes from the supersampling.
        dst = col;
    });
}

void Ellipsoid(Canvas& c, Vec2 centre, float rx, float ry, float angle, Rgb base, float gloss = 0.5f)
{
    const float ca = std::cos(angle), sa = std::sin(angle), r = std::max(rx, ry);
    c.ShadeRect(centre.x - r, centre.y - r, centre.x + r, centre.y + r, [&](Vec2 p, Rgb& dst) {
        Vec2 d = p - centre;
        float u = (d.x * ca + d.y * sa) / rx, v = (-d.x * sa + d.y * ca) / ry;
        float d2 = u * u + v * v;
        if (d2 > 1)
            return;
        float z = std::sqrt(1 - d2);
        // Back to screen directions for the light.
        float sx = u * ca - v * sa, sy = u * sa + v * ca;
        float lambert = std::max(0.0f, -0.45f * sx - 0.55f * sy + 0.70f * z);
        float h = std::max(0.0f, -0.40f * sx - 0.50f * sy + 0.77f * z);
        dst = Lighten(Scale(base, 0.35f + 0.75f * lambert), std::pow(h, 30.0f) * gloss);
    });
}

Polygon EllipsePoly(Vec2 c, float rx, float ry, float angle, int n = 48)
{
    Polygon p;
    for (int k = 0; k < n; ++k) {
        float t = 2 * kPi * float(k) / float(n);
        p.push_back(c + Rot({rx * std::cos(t), ry * std::sin(t)}, angle));
    }
    return p;
}

// The outline of a polygon as a closed stroke path.
std::vector<Vec2> Closed(Polygon p)
{
    if (!p.empty())
        p.push_back(p.front());
    return p;
}

std::vector<Vec2> Transform(const std::vector<Vec2>& pts, Vec2 origin, float scale, float angle)
{
    std::vector<Vec2> out;
    for (Vec2 p : pts)
        out.push_back(origin + Rot(p * scale, angle));
    return out;
}

Rgb HookColour(int colour)
{
    switch (colour) {
    case 1: return Hex(0xB07A3A);
    case 2: return Hex(0x4E3A2A);
    case 3: return Hex(0xC21E18);
    case 4: return Hex(0xE2B448);
    case 5: return Hex(0x4C7A36);
    default: return Hex(0x858A92);
    }
}

// A hook drawn in a local frame (eye at the top, point on the right) and
// placed with a slight tilt. Larger numbers are drawn smaller.
void DrawHook(Canvas& c, const HookLook& k, Vec2 origin, float scale, float angle)
{
    const float r = k.bend == 2 ? 15.0f : k.bend == 1 ? 12.5f : 11.0f;
    const float shank = k.shank == 2 ? 56.0f : k.shank == 1 ? 46.0f : 38.0f;
    const float top = -(shank + r) * 0.5f;
    const float yb = top + shank;
    std::vector<Vec2> wire{{0, top}, {0, yb}};
    for (int i = 1; i <= 24; ++i) {
        float t = kPi * float(i) / 24.0f;
        float depth = k.bend == 0 ? SinPow(t, 0.55f) : std::sin(t);
        wire.push_back({r - r * std::cos(t), yb + r * depth * (k.bend == 2 ? 1.1f : 1.0f)});
    }
    const Vec2 tip{2 * r - r * 0.22f, yb - r * 1.25f};
    wire.push_back(tip);
    const float w = (k.heavyWire ? 3.6f : 2.8f);
    const Rgb col = HookColour(k.colour);
    auto place = [&](const std::vector<Vec2>& pts) { return Transform(pts, origin, scale, angle); };
    // Shadow first, offset down and right.
    std::vector<Vec2> shadow = place(wire);
    for (Vec2& p : shadow)
        p = p + Vec2{2.5f, 3.5f};
    c.Stroke(shadow, w * scale * 1.3f, Hex(0x6B6358), 0.25f);
    Tube(c, place(wire), w * scale, col);
    // Barb on the inside of the point.
    Vec2 barbBase = tip + Vec2{-0.25f * r, 0.55f * r};
    Tube(c, place({tip, barbBase + Vec2{-0.32f * r, 0.1f * r}}), w * scale * 0.55f, col);
    // Eye: a ring for lure hooks, a small turned-down eye otherwise.
    const float er = k.lure ? 5.2f : 3.6f;
    std::vector<Vec2> eye;
    for (int i = 0; i <= 28; ++i) {
        float t = 2 * kPi * float(i) / 28.0f;
        eye.push_back({er * std::cos(t) - (k.lure ? 0.0f : er * 0.6f), top - er + er * std::sin(t)});
    }
    Tube(c, place(eye), w * scale * 0.8f, col);
}

} // namespace

plat::Image PaintHook(const HookLook& look)
{
    Canvas c(kSquare, kSquare, kSS);
    Backdrop(c, 11u + unsigned(look.size + 10));
    float t = float(24 - look.size) / 31.0f;
    float scale = 0.9f + 0.28f * t;
    DrawHook(c, look, {47, 50}, scale * (look.shank == 2 ? 0.92f : 1.0f), -0.32f);
    return c.Resolve();
}

// --- rods ------------------------------------------------------------------

plat::Image PaintRod(const RodLook& k)
{
    Canvas c(kRodW, kRodH, kSS);
    Backdrop(c, k.seed);
    const Vec2 butt{46, 344}, tip{28, 5};
    const Vec2 axis = (tip - butt) * (1.0f / fish::Length(tip - butt));
    const Vec2 n{-axis.y, axis.x};
    const float len = fish::Length(tip - butt);
    const float wb = k.type == 2 ? 8.5f : k.type == 0 ? 7.0f : 6.2f, wt = 1.2f;
    auto at = [&](float s) { return butt + axis * (s * len); };
    auto halfWidth = [&](float s) { return (wb + (wt - wb) * std::pow(s, 0.8f)) * 0.5f; };
    SoftShadow(c, {butt.x + 6, butt.y - 2}, 16, 4, 0.25f);
    // The blank, shaded across its width; the dark colour of the pair is the
    // butt section, the light one runs to the tip.
    Polygon blank;
    for (int i = 0; i <= 40; ++i) {
        float s = float(i) / 40.0f;
        blank.push_back(at(s) + n * halfWidth(s));
    }
    for (int i = 40; i >= 0; --i) {
        float s = float(i) / 40.0f;
        blank.push_back(at(s) - n * halfWidth(s));
    }
    c.ShadePolygon(blank, [&](Vec2 p, Rgb& dst) {
        Vec2 d = p - butt;
        float s = (d.x * axis.x + d.y * axis.y) / len;
        float u = (d.x * n.x + d.y * n.y) / std::max(0.4f, halfWidth(s));
        Rgb base = s < 0.3f ? k.dark : k.light;
        dst = RoundShade(base, std::clamp(u, -1.0f, 1.0f), 0.55f);
    });
    auto band = [&](float s0, float s1, Rgb col, float grow, float gloss) {
        Polygon p;
        for (int i = 0; i <= 6; ++i) {
            float s = s0 + (s1 - s0) * float(i) / 6.0f;
            p.push_back(at(s) + n * (halfWidth(s) + grow));
        }
        for (int i = 6; i >= 0; --i) {
            float s = s0 + (s1 - s0) * float(i) / 6.0f;
            p.push_back(at(s) - n * (halfWidth(s) + grow));
        }
        c.ShadePolygon(p, [&](Vec2 q, Rgb& dst) {
            Vec2 d = q - butt;
            float s = (d.x * axis.x + d.y * axis.y) / len;
            float u = (d.x * n.x + d.y * n.y) / (halfWidth(s) + grow);
            Rgb tex = col;
            if (gloss < 0) // cork: speckled
                tex = Scale(col, 0.82f + 0.3f * Fbm(q.x * 1.3f, q.y * 1.3f, k.seed + 7u, 3));
            dst = RoundShade(tex, std::clamp(u, -1.0f, 1.0f), std::abs(gloss));
        });
    };
    if (k.type == 0) {
        band(0.0f, 0.018f, Hex(0x2A2A2A), 0.6f, 0.3f); // rubber butt cap
        for (float s : {0.22f, 0.40f, 0.55f, 0.68f, 0.79f, 0.88f})
            band(s - 0.004f, s + 0.004f, Lighten(k.light, 0.45f), 0.35f, 0.6f);
        band(0.93f, 1.0f, Hex(0xF2F2F2), 0.0f, 0.4f); // white tip section
    } else {
        const Rgb grip = k.type == 2 ? Hex(0x2B2B2E) : Hex(0xC79A62);
        const float gloss = k.type == 2 ? 0.25f : -0.2f;
        band(0.0f, 0.02f, Hex(0x303030), 0.8f, 0.3f);
        band(0.02f, k.type == 3 ? 0.13f : 0.17f, grip, 1.2f, gloss);
        band(k.type == 3 ? 0.13f : 0.17f, k.type == 3 ? 0.19f : 0.23f, Hex(0x8F959C), 1.0f, 0.7f); // reel seat
        if (k.type == 3)
            band(0.19f, 0.25f, grip, 0.9f, gloss); // fore grip
        band(0.30f, 0.305f, Hex(0xD8C07A), 0.3f, 0.6f);     // a gold winding
        // Guides: a ring standing off the blank on a little foot.
        const int guides = k.type == 1 ? 8 : k.type == 2 ? 5 : 6;
        for (int g = 0; g < guides; ++g) {
            float s = 0.34f + 0.62f * std::pow(float(g) / float(guides - 1), 0.8f);
            float size = (k.type == 2 ? 5.5f : 4.5f) * (1.0f - 0.55f * s);
            Vec2 base = at(s) + n * halfWidth(s);
            Vec2 ring = base + n * (size + 1.5f);
            c.Stroke({base, ring}, 1.0f, Hex(0x5F646A), 1.0f);
            c.Stroke(Closed(EllipsePoly(ring, size, size * 0.45f, std::atan2(n.y, n.x) + kPi / 2, 20)),
                     0.9f, Hex(0x3E4246), 1.0f);
        }
        band(0.985f, 1.0f, Hex(0x4A4E52), 0.6f, 0.5f); // tip ring
    }
    return c.Resolve();
}

// --- reels -----------------------------------------------------------------

plat::Image PaintReel(const ReelLook& k)
{
    Canvas c(kSquare, kSquare, kSS);
    Backdrop(c, 31u);
    const float s = k.size;
    auto P = [&](float x, float y) { return Vec2{50 + (x - 50) * s, 52 + (y - 52) * s}; };
    SoftShadow(c, P(52, 88), 30 * s, 5 * s);
    // A piece of rod across the top and the reel foot under it.
    Polygon rod{{0, 12}, {100, 9}, {100, 16}, {0, 19}};
    CylinderFill(c, rod, {50, 13.5f}, {1, -0.03f}, 3.5f, [&](float u, Vec2) { return RoundShade(Hex(0x3A3D42), u); });
    Polygon foot{P(38, 17), P(62, 17), P(56, 22), P(54, 40), P(48, 40), P(44, 22)};
    CylinderFill(c, foot, P(51, 30), {0, 1}, 6 * s, [&](float u, Vec2) { return RoundShade(k.trim, u, 0.6f); });
    // Body.
    Ellipsoid(c, P(58, 54), (k.boat ? 22.0f : 20.0f) * s, (k.boat ? 17.0f : 14.5f) * s, 0.05f, k.body, 0.6f);
    // Rear drag knob.
    Polygon knob{P(76, 48), P(84, 47), P(84, 61), P(76, 60)};
    CylinderFill(c, knob, P(80, 54), {1, 0}, 7 * s, [&](float u, Vec2) { return RoundShade(k.trim, u, 0.6f); });
    // Spool with wound line, seen from the side, then the rotor cup.
    Polygon spool{P(16, 40), P(36, 40), P(36, 68), P(16, 68)};
    CylinderFill(c, spool, P(26, 54), {1, 0}, 14 * s, [&](float u, Vec2 p) {
        // Wound line: fine turns across the spool.
        float lines = 0.8f + 0.2f * std::sin(p.x * 9.0f + p.y * 0.4f);
        return Scale(RoundShade(Hex(0xC9D6C2), u, 0.45f), lines);
    });
    Polygon lip{P(13, 38), P(18, 38), P(18, 70), P(13, 70)};
    CylinderFill(c, lip, P(15.5f, 54), {1, 0}, 16 * s, [&](float u, Vec2) { return RoundShade(k.trim, u, 0.7f); });
    Polygon rotor{P(36, 42), P(44, 38), P(44, 70), P(36, 66)};
    CylinderFill(c, rotor, P(40, 54), {1, 0}, 15 * s, [&](float u, Vec2) { return RoundShade(Scale(k.body, 0.8f), u, 0.5f); });
    // Front drag knob on the spool.
    Polygon front{P(7, 46), P(13, 45), P(13, 63), P(7, 62)};
    CylinderFill(c, front, P(10, 54), {1, 0}, 9 * s, [&](float u, Vec2) { return RoundShade(Scale(k.trim, 0.85f), u, 0.6f); });
    // Bail wire.
    Tube(c, {P(40, 38), P(30, 33), P(18, 35), P(12, 44)}, 1.6f * s, Hex(0xC8CCD0));
    // Handle arm and knob.
    Tube(c, {P(62, 56), P(72, 64), P(80, 74)}, 3.2f * s, k.trim);
    Ellipsoid(c, P(83, 78), 6.5f * s, 4.5f * s, 0.5f, Hex(0x2C2C2C), 0.4f);
    Sphere(c, P(62, 56), 4.0f * s, k.trim, 0.8f);
    return c.Resolve();
}

// --- baits -----------------------------------------------------------------

namespace {

void Maggot(Canvas& c, Vec2 centre, float angle, Rgb col, float len = 17.0f)
{
    Ellipsoid(c, centre, len, len * 0.38f, angle, col, 0.35f);
    for (int i = -3; i <= 3; ++i) {
        Vec2 a = centre + Rot({float(i) * len * 0.25f, -len * 0.34f}, angle);
        Vec2 b = centre + Rot({float(i) * len * 0.25f, len * 0.34f}, angle);
        c.Stroke({a, b}, 0.5f, Scale(col, 0.7f), 0.45f);
    }
    c.FillCircle(centre + Rot({len * 0.88f, 0}, angle), len * 0.06f, Hex(0x2A2018), 0.9f);
}

std::vector<Vec2> Wiggle(Vec2 from, Vec2 to, float amp, float waves, int n = 60)
{
    std::vector<Vec2> pts;
    Vec2 d = to - from;
    Vec2 nrm{-d.y / fish::Length(d), d.x / fish::Length(d)};
    for (int i = 0; i <= n; ++i) {
        float t = float(i) / float(n);
        pts.push_back(from + d * t + nrm * (amp * std::sin(t * waves * 2 * kPi)));
    }
    return pts;
}

void Worm(Canvas& c, const std::vector<Vec2>& path, float width, Rgb col, bool legs)
{
    std::vector<Vec2> shadow;
    for (Vec2 p : path)
        shadow.push_back(p + Vec2{2.5f, 3.5f});
    c.Stroke(shadow, width * 1.1f, Hex(0x6B6358), 0.22f);
    if (legs)
        for (std::size_t i = 2; i + 2 < path.size(); i += 2) {
            Vec2 d = path[i + 1] - path[i - 1];
            Vec2 nrm = Vec2{-d.y, d.x} * (1.0f / std::max(0.01f, fish::Length(d)));
            c.Stroke({path[i] + nrm * (width * 0.85f), path[i] - nrm * (width * 0.85f)}, 0.8f, Scale(col, 0.75f), 0.9f);
        }
    Tube(c, path, width, col, {-0.2f, -0.35f});
    // Segment rings.
    for (std::size_t i = 1; i + 1 < path.size(); i += 2) {
        Vec2 d = path[i + 1] - path[i - 1];
        Vec2 nrm = Vec2{-d.y, d.x} * (1.0f / std::max(0.01f, fish::Length(d)));
        c.Stroke({path[i] + nrm * (width * 0.36f), path[i] - nrm * (width * 0.36f)}, 0.35f, Scale(col, 0.72f), 0.5f);
    }
}

// An irregular blob whose radius wanders with noise.
Polygon Blob(Vec2 centre, float r, float rough, unsigned seed, float squash = 1.0f)
{
    Polygon p;
    for (int k = 0; k < 64; ++k) {
        float t = 2 * kPi * float(k) / 64.0f;
        float rr = r * (1.0f + rough * (Fbm(std::cos(t) * 1.6f + 5, std::sin(t) * 1.6f + 5, seed, 3) - 0.5f) * 2);
        p.push_back(centre + Vec2{rr * std::cos(t), rr * std::sin(t) * squash});
    }
    return p;
}

void TexturedBlob(Canvas& c, const Polygon& p, Vec2 centre, float r, Rgb col, unsigned seed, float pores)
{
    c.ShadePolygon(p, [&](Vec2 q, Rgb& dst) {
        Vec2 d = (q - centre) * (1.0f / r);
        float shade = 1.0f - 0.25f * (d.x + d.y) * 0.5f - 0.12f * (d.x * d.x + d.y * d.y);
        float n = Fbm(q.x * 0.6f, q.y * 0.6f, seed, 3);
        float hole = pores > 0 ? Smoothstep(0.62f, 0.70f, Fbm(q.x * 0.35f, q.y * 0.35f, seed + 3u, 2)) * pores : 0;
        dst = Scale(col, shade * (0.9f + 0.2f * n) * (1.0f - hole * 0.35f));
    });
}

void Cube(Canvas& c, Vec2 centre, float s, Rgb col, unsigned seed, bool holes)
{
    // Seen from above a corner: a rhombus on top, two sides below it.
    const float a = s * 0.87f, b = s * 0.5f;
    const Vec2 top = centre + Vec2{0, -s};
    Polygon faceTop{top, top + Vec2{a, b}, top + Vec2{0, 2 * b}, top + Vec2{-a, b}};
    Polygon faceL{top + Vec2{-a, b}, top + Vec2{0, 2 * b}, top + Vec2{0, 2 * b + s}, top + Vec2{-a, b + s}};
    Polygon faceR{top + Vec2{0, 2 * b}, top + Vec2{a, b}, top + Vec2{a, b + s}, top + Vec2{0, 2 * b + s}};
    SoftShadow(c, centre + Vec2{4, s * 0.95f}, s * 1.1f, s * 0.3f);
    auto face = [&](const Polygon& p, float k) {
        c.ShadePolygon(p, [&](Vec2 q, Rgb& dst) {
            float n = Fbm(q.x * 0.5f, q.y * 0.5f, seed, 3);
            float hole = holes ? Smoothstep(0.64f, 0.69f, Fbm(q.x * 0.22f, q.y * 0.22f, seed + 9u, 2)) : 0;
            dst = Scale(col, k * (0.92f + 0.16f * n) * (1.0f - 0.3f * hole));
        });
    };
    face(faceTop, 1.08f);
    face(faceL, 0.82f);
    face(faceR, 0.66f);
}

void SmallFish(Canvas& c, Vec2 centre, float len, float angle, Rgb back, Rgb flank)
{
    SoftShadow(c, centre + Vec2{3, len * 0.35f}, len * 0.9f, len * 0.12f);
    // Tail fork.
    Polygon tail{centre + Rot({len * 0.78f, 0}, angle), centre + Rot({len * 1.05f, -len * 0.2f}, angle),
                 centre + Rot({len * 0.97f, 0}, angle), centre + Rot({len * 1.05f, len * 0.2f}, angle)};
    c.FillPolygon(tail, Scale(back, 0.9f), 0.95f);
    Polygon body;
    for (int i = 0; i <= 40; ++i) {
        float t = float(i) / 40.0f, x = -len + 1.8f * len * t;
        body.push_back(centre + Rot({x, -len * 0.2f * SinPow((kPi * t), 0.8f)}, angle));
    }
    for (int i = 40; i >= 0; --i) {
        float t = float(i) / 40.0f, x = -len + 1.8f * len * t;
        body.push_back(centre + Rot({x, len * 0.17f * SinPow((kPi * t), 0.8f)}, angle));
    }
    c.ShadePolygon(body, [&](Vec2 p, Rgb& dst) {
        Vec2 l = Rot(p - centre, -angle);
        float v = l.y / (len * 0.2f);
        Rgb col = v < -0.25f ? Mix(back, flank, Smoothstep(-0.9f, -0.25f, v)) : Mix(flank, Hex(0xF4F4F0), Smoothstep(0.2f, 0.9f, v));
        float spec = std::exp(-(v + 0.15f) * (v + 0.15f) / 0.03f) * 0.35f;
        dst = Lighten(col, spec);
    });
    c.FillCircle(centre + Rot({-len * 0.8f, -len * 0.02f}, angle), len * 0.07f, Hex(0xF0E8C8), 1);
    c.FillCircle(centre + Rot({-len * 0.8f, -len * 0.02f}, angle), len * 0.04f, Hex(0x101010), 1);
    c.Stroke({centre + Rot({-len * 0.62f, -len * 0.12f}, angle), centre + Rot({-len * 0.58f, len * 0.1f}, angle)}, 0.7f,
             Scale(flank, 0.7f), 0.7f);
}

void LureHook(Canvas& c, Vec2 eye, float scale, float angle, int colour = 0)
{
    HookLook h;
    h.size = 8;
    h.lure = true;
    h.bend = 2;
    h.colour = colour;
    DrawHook(c, h, eye + Rot({0, 27 * scale}, angle), scale, angle);
}

void SplitRing(Canvas& c, Vec2 at, float r) { Tube(c, Closed(EllipsePoly(at, r, r, 0, 20)), 1.1f, Hex(0xB8BCC2)); }

void Spoon(Canvas& c, Vec2 centre, float len, float width, float angle, Rgb metal, Rgb stripe)
{
    SoftShadow(c, centre + Vec2{4, len * 0.7f}, len * 0.7f, 4);
    c.ShadePolygon(EllipsePoly(centre, width, len, angle), [&](Vec2 p, Rgb& dst) {
        Vec2 l = Rot(p - centre, -angle);
        float u = l.x / width, v = l.y / len;
        Rgb col = RoundShade(metal, u * 0.9f, 0.8f);
        if (std::abs(u) < 0.28f && std::abs(v) < 0.7f)
            col = Mix(col, stripe, 0.85f);
        dst = Lighten(col, 0.25f * Smoothstep(0.2f, 1.0f, -v - u * 0.3f));
    });
}

} // namespace

plat::Image PaintBait(Bait b)
{
    Canvas c(kSquare, kSquare, kSS);
    Backdrop(c, 100u + unsigned(b));
    switch (b) {
    case Bait::Maggot:
    case Bait::RedMaggot: {
        const Rgb col = b == Bait::Maggot ? Hex(0xEFE6C8) : Hex(0xC8463A);
        SoftShadow(c, {52, 72}, 34, 6);
        Maggot(c, {38, 40}, 0.35f, col);
        Maggot(c, {62, 56}, -0.5f, Scale(col, 0.97f));
        Maggot(c, {44, 70}, 0.1f, Scale(col, 1.02f), 15);
        break;
    }
    case Bait::Caster:
        SoftShadow(c, {52, 70}, 30, 6);
        Ellipsoid(c, {40, 45}, 14, 7, 0.4f, Hex(0xA8572A), 0.8f);
        Ellipsoid(c, {62, 55}, 14, 7, -0.6f, Hex(0x8E4522), 0.8f);
        Ellipsoid(c, {46, 68}, 13, 6.5f, 0.1f, Hex(0xB9692E), 0.8f);
        break;
    case Bait::Worm: Worm(c, Wiggle({14, 60}, {86, 38}, 9, 1.3f), 7, Hex(0xB8525A), false); break;
    case Bait::Lobworm: {
        const std::vector<Vec2> body = Wiggle({10, 70}, {90, 30}, 14, 1.1f);
        Worm(c, body, 10.5f, Hex(0x8E3A44), false);
        // The saddle, a paler band a third of the way from the head.
        c.Stroke(std::vector<Vec2>(body.begin() + 16, body.begin() + 23), 9.5f, Hex(0xC07478), 0.6f);
        break;
    }
    case Bait::Ragworm: Worm(c, Wiggle({12, 62}, {88, 40}, 10, 1.6f), 6.5f, Hex(0xA8503A), true); break;
    case Bait::KingRagworm: Worm(c, Wiggle({10, 66}, {90, 34}, 13, 1.2f), 9.5f, Hex(0x6E6A48), true); break;
    case Bait::Bread: {
        SoftShadow(c, {52, 74}, 30, 6);
        Polygon p = Blob({50, 50}, 28, 0.22f, 5u, 0.8f);
        TexturedBlob(c, p, {50, 50}, 28, Hex(0xF2ECDC), 5u, 1.0f);
        c.Stroke(std::vector<Vec2>(p.begin() + 40, p.begin() + 60), 3.0f, Hex(0xB77A3C), 0.9f);
        break;
    }
    case Bait::Polenta: Cube(c, {50, 48}, 24, Hex(0xF1C232), 9u, false); break;
    case Bait::Cheese: Cube(c, {50, 48}, 24, Hex(0xF4E2A0), 13u, true); break;
    case Bait::Corn:
        SoftShadow(c, {50, 74}, 32, 6);
        for (int i = 0; i < 6; ++i) {
            Vec2 p{26.0f + float(i % 3) * 22.0f + (i / 3) * 8.0f, 42.0f + float(i / 3) * 20.0f};
            Ellipsoid(c, p, 9, 7.5f, 0.3f * float(i), Hex(0xF2C21E), 0.7f);
            c.FillEllipse(p + Vec2{-2, 3}, 3.5f, 2.2f, 0.3f * float(i), Hex(0xFFF2C0), 0.8f);
        }
        break;
    case Bait::Cherry:
        SoftShadow(c, {50, 78}, 24, 5);
        Sphere(c, {50, 58}, 22, Hex(0xA0101C), 0.9f);
        c.Stroke({{52, 38}, {56, 24}, {64, 12}}, 2.2f, Hex(0x4C6A22), 1);
        c.FillEllipse({70, 16}, 9, 4, -0.5f, Hex(0x4F8A2A), 1);
        break;
    case Bait::Grasshopper: {
        SoftShadow(c, {50, 70}, 34, 5);
        Rgb g = Hex(0x5E8C2E);
        c.Stroke({{40, 56}, {62, 34}, {80, 62}}, 4.0f, Scale(g, 0.8f), 1); // hind leg
        c.Stroke({{30, 58}, {26, 72}}, 1.6f, Scale(g, 0.7f), 1);
        c.Stroke({{44, 58}, {46, 72}}, 1.6f, Scale(g, 0.7f), 1);
        Ellipsoid(c, {50, 52}, 30, 8, -0.05f, g, 0.4f);
        c.FillEllipse({46, 48}, 20, 5, -0.06f, Hex(0x86A84A), 0.6f); // wing
        Ellipsoid(c, {20, 54}, 8, 7, 0, Scale(g, 1.05f), 0.5f);
        c.FillCircle({16, 52}, 2, Hex(0x2A2A1A), 1);
        c.Stroke({{14, 50}, {4, 30}}, 0.8f, Scale(g, 0.6f), 1);
        c.Stroke({{16, 49}, {10, 28}}, 0.8f, Scale(g, 0.6f), 1);
        break;
    }
    case Bait::Caddis: {
        SoftShadow(c, {50, 70}, 34, 5);
        for (int i = 0; i < 22; ++i) {
            Vec2 p{50 + 26 * (Hash01(3, unsigned(i)) - 0.5f) * 1.4f, 48 + 12 * (Hash01(4, unsigned(i)) - 0.5f)};
            Sphere(c, p + Vec2{14, 0}, 3.0f + 2.5f * Hash01(5, unsigned(i)), Mix(Hex(0x8A7B66), Hex(0xC2B49A), Hash01(6, unsigned(i))), 0.3f);
        }
        Maggot(c, {30, 52}, 0.1f, Hex(0xE8E0C4), 16);
        Sphere(c, {15, 50}, 4.5f, Hex(0x3A2A1A), 0.6f);
        break;
    }
    case Bait::Shrimp:
    case Bait::SeaShrimp: {
        Rgb col = b == Bait::Shrimp ? Hex(0xA8A890) : Hex(0xE8A088);
        SoftShadow(c, {50, 74}, 34, 6);
        std::vector<Vec2> arc;
        for (int i = 0; i <= 8; ++i) {
            float t = float(i) / 8.0f;
            arc.push_back({26 + 50 * t, 40 + 26 * std::sin(t * kPi * 0.9f)});
        }
        for (int i = 0; i < 8; ++i)
            Ellipsoid(c, arc[std::size_t(i)], 8.5f - 0.6f * float(i), 7.5f - 0.5f * float(i), 0.5f, Scale(col, 0.95f + 0.02f * float(i)), 0.6f);
        c.FillPolygon({{76, 62}, {90, 58}, {88, 72}}, Scale(col, 0.85f), 0.9f);
        c.Stroke({{22, 38}, {6, 14}}, 0.8f, Scale(col, 0.6f), 1);
        c.Stroke({{22, 40}, {4, 30}}, 0.8f, Scale(col, 0.6f), 1);
        for (int i = 1; i < 6; ++i)
            c.Stroke({arc[std::size_t(i)] + Vec2{0, 6}, arc[std::size_t(i)] + Vec2{-3, 14}}, 0.8f, Scale(col, 0.7f), 0.9f);
        c.FillCircle({20, 42}, 1.8f, Hex(0x101010), 1);
        break;
    }
    case Bait::Crab: {
        Rgb col = Hex(0x6F6A3A);
        SoftShadow(c, {50, 74}, 36, 6);
        for (int s : {-1, 1})
            for (int i = 0; i < 4; ++i) {
                Vec2 a{50.0f + float(s) * 14.0f, 52.0f + float(i) * 4.0f};
                c.Stroke({a, a + Vec2{float(s) * 16.0f, -4.0f + float(i) * 3.0f}, a + Vec2{float(s) * 24.0f, 10.0f + float(i) * 3.0f}}, 2.2f,
                         Scale(col, 0.8f), 1);
            }
        c.Stroke({{38, 44}, {28, 30}}, 3.2f, Scale(col, 0.85f), 1);
        c.Stroke({{62, 44}, {72, 30}}, 3.2f, Scale(col, 0.85f), 1);
        Ellipsoid(c, {26, 26}, 7, 4.5f, -0.6f, Scale(col, 0.95f), 0.5f);
        Ellipsoid(c, {74, 26}, 7, 4.5f, 0.6f, Scale(col, 0.95f), 0.5f);
        Ellipsoid(c, {50, 52}, 20, 15, 0, col, 0.5f);
        c.FillCircle({45, 39}, 1.8f, Hex(0x111111), 1);
        c.FillCircle({55, 39}, 1.8f, Hex(0x111111), 1);
        break;
    }
    case Bait::SmallFish: SmallFish(c, {52, 50}, 34, -0.12f, Hex(0x5E7A6A), Hex(0xCBD3D2)); break;
    case Bait::Sardine: SmallFish(c, {52, 50}, 36, -0.1f, Hex(0x2E5A8A), Hex(0xD2D8DE)); break;
    case Bait::Fly: {
        HookLook h;
        h.size = 12;
        h.colour = 2;
        h.bend = 1;
        h.shank = 1;
        DrawHook(c, h, {50, 50}, 1.0f, -1.57f);
        for (int i = 0; i < 26; ++i) {
            float a = -1.2f + 2.4f * float(i) / 25.0f;
            Vec2 base{38 + 3 * Hash01(8, unsigned(i)), 44};
            c.Stroke({base, base + Vec2{std::sin(a) * 14, -std::cos(a) * 12}}, 0.6f, Mix(Hex(0x6A4020), Hex(0xC09050), Hash01(9, unsigned(i))), 0.9f);
        }
        c.Stroke({{40, 47}, {66, 47}}, 5.0f, Hex(0x3A3A2A), 1);
        for (int i = 0; i < 6; ++i)
            c.Stroke({{42.0f + float(i) * 4, 44.5f}, {44.0f + float(i) * 4, 49.5f}}, 0.8f, Hex(0xC8B060), 1);
        c.FillPolygon({{46, 44}, {74, 30}, {70, 42}}, Hex(0x9A9488), 0.75f);
        break;
    }
    case Bait::Liver: {
        SoftShadow(c, {52, 74}, 30, 6);
        Polygon p = Blob({50, 52}, 26, 0.3f, 21u, 0.7f);
        c.ShadePolygon(p, [&](Vec2 q, Rgb& dst) {
            float n = Fbm(q.x * 0.3f, q.y * 0.3f, 21u, 3);
            float spec = Smoothstep(0.62f, 0.75f, n) * 0.35f * Smoothstep(70, 30, q.y);
            dst = Lighten(Scale(Hex(0x6E1A1E), 0.75f + 0.45f * n), spec);
        });
        break;
    }
    case Bait::Paste:
    case Bait::SeaPaste: {
        Rgb col = b == Bait::Paste ? Hex(0xE4C890) : Hex(0xB8AE9A);
        SoftShadow(c, {50, 76}, 26, 5);
        Sphere(c, {50, 52}, 24, col, 0.2f);
        c.ShadeRect(26, 28, 74, 76, [&](Vec2 q, Rgb& dst) {
            Vec2 d = q - Vec2{50, 52};
            if (d.x * d.x + d.y * d.y > 23.5f * 23.5f)
                return;
            float ridge = std::sin(fish::Length(q - Vec2{44, 46}) * 1.6f) * 0.5f + 0.5f;
            dst = Scale(dst, 0.95f + 0.06f * ridge + 0.06f * (Fbm(q.x * 0.8f, q.y * 0.8f, 33u, 2) - 0.5f));
        });
        break;
    }
    case Bait::Mussel:
    case Bait::RiverMussel: {
        Rgb shell = b == Bait::Mussel ? Hex(0x1E2436) : Hex(0x4A4A2A);
        SoftShadow(c, {50, 74}, 36, 6);
        Polygon s1 = EllipsePoly({46, 54}, 36, 15, -0.35f);
        c.ShadePolygon(s1, [&](Vec2 q, Rgb& dst) {
            float band = 0.85f + 0.15f * std::sin(fish::Length(q - Vec2{14, 66}) * 0.9f);
            dst = Lighten(Scale(shell, band), 0.12f * Smoothstep(60, 40, q.y));
        });
        c.FillPolygon(EllipsePoly({48, 48}, 28, 9, -0.35f), Hex(0xE08A3A), 1);
        c.FillPolygon(EllipsePoly({50, 46}, 20, 5, -0.35f), Hex(0xF0A85A), 0.8f);
        break;
    }
    case Bait::Squid: {
        SoftShadow(c, {50, 76}, 36, 6);
        for (int i = 0; i < 7; ++i)
            c.Stroke(Wiggle({56, 56.0f + float(i) * 2.0f}, {90, 60.0f + float(i) * 5.0f - 10}, 2.0f, 1.2f, 20), 2.2f, Hex(0xE8C8C4), 1);
        Polygon mantle{{12, 50}, {30, 38}, {58, 44}, {60, 62}, {30, 66}};
        c.ShadePolygon(mantle, [&](Vec2 q, Rgb& dst) {
            float spots = Smoothstep(0.58f, 0.66f, Fbm(q.x * 0.5f, q.y * 0.5f, 44u, 2));
            dst = Mix(Lighten(Hex(0xE6D6D0), 0.2f * Smoothstep(60, 40, q.y)), Hex(0x9A5A6A), spots * 0.6f);
        });
        c.FillCircle({54, 52}, 3, Hex(0x202020), 1);
        break;
    }
    case Bait::Seaweed:
        SoftShadow(c, {50, 80}, 30, 5);
        for (int i = 0; i < 6; ++i) {
            float x = 30.0f + float(i) * 8.0f;
            c.Stroke(Wiggle({x, 84}, {x + 10 * (Hash01(12, unsigned(i)) - 0.5f), 18}, 4, 1.5f + 0.3f * float(i), 30), 5.0f,
                     Mix(Hex(0x2E7A2A), Hex(0x7ABA3A), Hash01(13, unsigned(i))), 0.95f);
        }
        break;
    case Bait::SardineStrip: {
        SoftShadow(c, {50, 70}, 36, 5);
        Polygon strip{{12, 60}, {34, 40}, {90, 36}, {70, 58}};
        c.ShadePolygon(strip, [&](Vec2 q, Rgb& dst) {
            float v = (q.y - 38) / 22.0f;
            dst = v < 0.45f ? Lighten(Hex(0x5A7EA8), 0.5f * (1 - v)) : Hex(0xC88A80);
        });
        break;
    }
    case Bait::RubberSquid: {
        SoftShadow(c, {52, 78}, 30, 5);
        for (int i = 0; i < 8; ++i)
            c.Stroke(Wiggle({50.0f + float(i) * 1.5f - 5, 56}, {40.0f + float(i) * 3.5f, 90}, 2.0f, 1.0f, 16), 2.4f, Hex(0xF08A3A), 1);
        Ellipsoid(c, {52, 38}, 9, 22, 0, Hex(0xF07A50), 0.8f);
        c.FillCircle({48, 50}, 2.5f, Hex(0x101010), 1);
        c.FillCircle({56, 50}, 2.5f, Hex(0x101010), 1);
        break;
    }
    case Bait::Spinner: {
        Tube(c, {{50, 8}, {50, 62}}, 1.3f, Hex(0xB8BCC2));
        Sphere(c, {50, 40}, 3.2f, Hex(0xD82020), 0.8f);
        Sphere(c, {50, 46}, 3.2f, Hex(0xE8C030), 0.8f);
        Ellipsoid(c, {50, 52}, 4.5f, 10, 0, Hex(0x9A9EA6), 0.8f);
        Spoon(c, {62, 26}, 14, 7, -0.35f, Hex(0xE0B040), Hex(0xE0B040));
        LureHook(c, {50, 62}, 0.6f, 0.0f);
        break;
    }
    case Bait::Spoon:
    case Bait::SeaSpoon: {
        const bool sea = b == Bait::SeaSpoon;
        Spoon(c, {50, 40}, sea ? 28.0f : 24.0f, sea ? 10.0f : 13.0f, 0.25f, Hex(0xC8CCD2), sea ? Hex(0x2A5AB0) : Hex(0xD02020));
        SplitRing(c, {43, 14}, 3.2f);
        SplitRing(c, {57, 67}, 3.2f);
        LureHook(c, {58, 70}, 0.55f, 0.1f);
        break;
    }
    case Bait::Minnow:
    case Bait::SeaMinnow: {
        const bool sea = b == Bait::SeaMinnow;
        c.FillPolygon({{10, 44}, {2, 58}, {14, 54}}, Hex(0xD8E8F0), 0.55f); // clear lip
        SmallFish(c, {52, 46}, 36, 0.05f, sea ? Hex(0x2A3A8A) : Hex(0x3A6A2A), Hex(0xD8DCE0));
        LureHook(c, {44, 54}, 0.45f, 0.2f);
        LureHook(c, {74, 54}, 0.45f, 0.1f);
        break;
    }
    case Bait::SoftShad: {
        SoftShadow(c, {50, 66}, 38, 5);
        Polygon body;
        for (int i = 0; i <= 30; ++i) {
            float t = float(i) / 30.0f;
            body.push_back({26 + 52 * t, 46 - 11 * std::sin(kPi * std::pow(t, 0.8f)) * (1 - 0.5f * t)});
        }
        for (int i = 30; i >= 0; --i) {
            float t = float(i) / 30.0f;
            body.push_back({26 + 52 * t, 46 + 10 * std::sin(kPi * std::pow(t, 0.8f)) * (1 - 0.5f * t)});
        }
        c.ShadePolygon(body, [&](Vec2 q, Rgb& dst) {
            float v = (q.y - 46) / 11.0f;
            dst = Lighten(Mix(Hex(0x7A9A3A), Hex(0xE8E0A0), Smoothstep(-0.6f, 0.4f, v)), 0.2f * std::exp(-(v + 0.3f) * (v + 0.3f) / 0.05f));
        });
        Ellipsoid(c, {84, 46}, 5, 9, 0, Hex(0x7A9A3A), 0.4f); // paddle tail
        Sphere(c, {20, 46}, 9, Hex(0xC01A1A), 0.8f);
        c.FillCircle({17, 43}, 2.2f, Hex(0xF0E040), 1);
        c.FillCircle({17, 43}, 1.1f, Hex(0x101010), 1);
        Tube(c, {{26, 48}, {48, 50}, {52, 62}, {46, 70}}, 2.0f, Hex(0x9EA3AA));
        break;
    }
    case Bait::Spinnerbait: {
        Tube(c, {{60, 80}, {30, 50}, {70, 18}}, 1.4f, Hex(0xB8BCC2));
        Spoon(c, {76, 22}, 12, 6, -0.4f, Hex(0xE0B040), Hex(0xE0B040));
        for (int i = 0; i < 14; ++i)
            c.Stroke({{64, 80}, {78.0f + float(i) * 0.7f, 84.0f + float(i) * 0.6f - 4}}, 1.2f, i % 2 ? Hex(0xE8E8E8) : Hex(0x2A6A2A), 1);
        Sphere(c, {62, 80}, 6.5f, Hex(0xE8E8E8), 0.8f);
        c.FillCircle({59, 78}, 1.6f, Hex(0x101010), 1);
        break;
    }
    case Bait::Popper: {
        SoftShadow(c, {52, 66}, 38, 5);
        Polygon body{{18, 38}, {70, 42}, {84, 46}, {70, 52}, {18, 58}};
        CylinderFill(c, body, {50, 48}, {1, 0.02f}, 10, [&](float u, Vec2 q) {
            return RoundShade(q.x < 40 ? Hex(0xF0F0F0) : Mix(Hex(0xF0F0F0), Hex(0x2A4AA0), Smoothstep(-0.2f, -0.8f, u)), u, 0.8f);
        });
        c.FillEllipse({18, 48}, 4, 10, 0, Hex(0xB02020), 1);
        c.FillCircle({26, 44}, 2.5f, Hex(0xF0D020), 1);
        LureHook(c, {44, 58}, 0.5f, 0.1f);
        break;
    }
    case Bait::Jig:
    case Bait::DeepJig: {
        const bool deep = b == Bait::DeepJig;
        Polygon body;
        const float len = deep ? 36.0f : 28.0f, wid = deep ? 8.0f : 6.0f;
        for (int i = 0; i <= 30; ++i) {
            float t = float(i) / 30.0f;
            body.push_back(Vec2{50, 50} + Rot({-len + 2 * len * t, -wid * std::sin(kPi * t)}, -0.5f));
        }
        for (int i = 30; i >= 0; --i) {
            float t = float(i) / 30.0f;
            body.push_back(Vec2{50, 50} + Rot({-len + 2 * len * t, wid * 0.8f * std::sin(kPi * t)}, -0.5f));
        }
        SoftShadow(c, {52, 82}, 30, 5);
        c.ShadePolygon(body, [&](Vec2 q, Rgb& dst) {
            Vec2 l = Rot(q - Vec2{50, 50}, 0.5f);
            float v = l.y / wid;
            Rgb back = deep ? Hex(0xE0508A) : Hex(0x2A6AD0);
            Rgb col = Mix(back, Hex(0xD8DCE2), Smoothstep(-0.3f, 0.1f, v));
            float glitter = Hash01(77, unsigned(q.x * 8) * 131u + unsigned(q.y * 8)) > 0.93f ? 0.5f : 0.0f;
            dst = Lighten(col, glitter + 0.3f * std::exp(-(v + 0.1f) * (v + 0.1f) / 0.02f));
        });
        Vec2 head = Vec2{50, 50} + Rot({len, 0}, -0.5f);
        SplitRing(c, head + Vec2{2, -3}, 2.8f);
        c.Stroke({head + Vec2{2, -3}, head + Vec2{-8, 4}}, 1.2f, Hex(0xE8D040), 1);
        LureHook(c, head + Vec2{-10, 2}, 0.45f, 2.4f);
        break;
    }
    case Bait::OffshoreLure: {
        SoftShadow(c, {52, 70}, 40, 5);
        for (int i = 0; i < 24; ++i) {
            float y = 38.0f + float(i) * 1.0f;
            c.Stroke({{40, y}, {92, y + 6 * (Hash01(15, unsigned(i)) - 0.5f) + (y - 50) * 0.5f}}, 1.4f,
                     i % 3 == 0 ? Hex(0x1A8AE0) : i % 3 == 1 ? Hex(0xF0F0F0) : Hex(0x2AC0A0), 1);
        }
        Polygon head{{8, 50}, {20, 38}, {44, 38}, {44, 62}, {20, 62}};
        CylinderFill(c, head, {26, 50}, {1, 0}, 12, [&](float u, Vec2) { return RoundShade(Hex(0xD8E4EC), u, 0.9f); });
        c.FillCircle({26, 46}, 4, Hex(0xF0D020), 1);
        c.FillCircle({26, 46}, 2, Hex(0x101010), 1);
        break;
    }
    }
    return c.Resolve();
}

// --- floats ----------------------------------------------------------------

namespace {

struct FloatGeometry {
    float top, tipEnd, bodyTop, bodyBottom, bottom, maxHalf, stemHalf, antennaHalf;
};

// Body half-width at t in 0 (top of the body) .. 1 (bottom of the body).
float BodyProfile(FloatShape s, float t)
{
    switch (s) {
    case FloatShape::Drop: return SinPow((kPi * std::pow(t, 1.6f)), 0.8f) * (0.35f + 0.65f * t);
    case FloatShape::Slim: return SinPow((kPi * t), 0.7f) * (0.55f + 0.45f * std::sin(kPi * t * 0.9f));
    case FloatShape::Spindle: return SinPow((kPi * t), 0.9f);
    case FloatShape::Pear: return SinPow((kPi * std::pow(t, 0.6f)), 0.8f);
    case FloatShape::Ball: return std::sqrt(std::max(0.0f, 1 - (2 * t - 1) * (2 * t - 1)));
    case FloatShape::Sea: return SinPow((kPi * std::pow(t, 0.75f)), 0.7f);
    case FloatShape::Slider: return SinPow((kPi * t), 0.5f) * 0.9f;
    }
    return 0;
}

void DrawFloat(Canvas& c, const FloatLook& k, float cx, float top, float height, float width, bool photo)
{
    // Proportions along the float: antenna, body, stem.
    const bool ball = k.shape == FloatShape::Ball;
    float antennaFrac = ball ? 0.42f : k.shape == FloatShape::Sea ? 0.30f : 0.36f;
    float bodyFrac = ball ? 0.32f : k.shape == FloatShape::Slim ? 0.40f : 0.34f;
    bodyFrac *= std::clamp(k.bodyScale, 0.7f, 1.25f);
    if (ball) // as tall as it is wide
        bodyFrac = width * 1.1f * std::clamp(k.bodyScale, 0.75f, 1.15f) / height;
    const float yBody = top + height * antennaFrac, yStem = yBody + height * bodyFrac, yEnd = top + height;
    const float half = width * 0.5f * (k.shape == FloatShape::Slim ? 0.62f : 1.0f) * std::clamp(k.bodyScale, 0.75f, 1.15f);
    const float antenna = std::max(0.75f, width * (k.shape == FloatShape::Sea ? 0.17f : 0.1f));
    const float stem = std::max(0.5f, width * 0.05f);
    // Stem.
    if (k.shape == FloatShape::Slider) {
        c.Stroke({{cx, yStem}, {cx, yEnd - width * 0.25f}}, stem * 2.2f, Hex(0x2A2A2A), 1);
        std::vector<Vec2> eye;
        for (Vec2 p : EllipsePoly({cx, yEnd - width * 0.14f}, width * 0.11f, width * 0.11f, 0, 20))
            eye.push_back(p);
        eye.push_back(eye.front());
        c.Stroke(eye, stem * 1.4f, Hex(0x9EA3AA), 1);
    } else {
        c.Stroke({{cx, yStem}, {cx, yEnd}}, stem * 2, photo ? Hex(0x4A4238) : Hex(0x3A342C), 1);
    }
    // Body.
    Polygon body;
    for (int i = 0; i <= 40; ++i) {
        float t = float(i) / 40.0f;
        body.push_back({cx + half * BodyProfile(k.shape, t), yBody + (yStem - yBody) * t});
    }
    for (int i = 40; i >= 0; --i) {
        float t = float(i) / 40.0f;
        body.push_back({cx - half * BodyProfile(k.shape, t), yBody + (yStem - yBody) * t});
    }
    c.ShadePolygon(body, [&](Vec2 p, Rgb& dst) {
        float t = (p.y - yBody) / (yStem - yBody);
        float w = std::max(0.3f, half * BodyProfile(k.shape, std::clamp(t, 0.0f, 1.0f)));
        float u = (p.x - cx) / w;
        // Coloured top band over a darker lower body, as painted floats are.
        Rgb col = t < 0.28f ? Mix(k.tip, k.body, Smoothstep(0.22f, 0.28f, t)) : k.body;
        dst = RoundShade(col, std::clamp(u, -1.0f, 1.0f), 0.7f);
    });
    // Antenna: fluorescent tip, a black ring, then white.
    auto antennaPart = [&](float y0, float y1, Rgb col) {
        Polygon p{{cx - antenna, y0}, {cx + antenna, y0}, {cx + antenna, y1}, {cx - antenna, y1}};
        CylinderFill(c, p, {cx, y0}, {0, 1}, antenna, [&](float u, Vec2) { return RoundShade(col, -u, 0.6f); });
    };
    const float ya = yBody - top;
    antennaPart(top + antenna * 0.5f, top + ya * 0.45f, k.tip);
    antennaPart(top + ya * 0.45f, top + ya * 0.52f, Hex(0x202020));
    antennaPart(top + ya * 0.52f, yBody + 0.5f, Hex(0xF2F2EE));
    c.FillEllipse({cx, top + antenna * 0.5f}, antenna, antenna * 0.6f, 0, Lighten(k.tip, 0.3f), 1);
}

} // namespace

plat::Image PaintFloatPhoto(const FloatLook& k)
{
    Canvas c(kFloatW, kFloatH, kSS);
    Backdrop(c, 200u + unsigned(k.shape));
    SoftShadow(c, {27, 342}, 14, 3, 0.2f);
    DrawFloat(c, k, 25, 12, 328, k.shape == FloatShape::Ball ? 34.0f : 30.0f, true);
    return c.Resolve();
}

plat::Image PaintFloatScene(const FloatLook& k)
{
    // Painted once on black and once on white: the difference is the
    // coverage, so edges keep their own alpha instead of a fringe.
    Canvas dark(kSceneW, kSceneH, 8), light(kSceneW, kSceneH, 8);
    light.ShadeRect(0, 0, kSceneW, kSceneH, [](Vec2, Rgb& d) { d = kWhite; });
    // Above the water (rows 0..14) the antenna and the shoulder of the body.
    FloatLook scene = k;
    scene.bodyScale = 1.0f;
    for (Canvas* c : {&dark, &light})
        DrawFloat(*c, scene, 7.5f, 1.0f, 43.5f, k.shape == FloatShape::Ball ? 12.0f : 10.0f, false);
    plat::Image a = dark.Resolve(), b = light.Resolve(), out(kSceneW, kSceneH, 0);
    for (std::size_t i = 0; i < out.pixels.size(); ++i) {
        auto ch = [](std::uint32_t v, int s) { return float((v >> s) & 0xFF) / 255.0f; };
        float cover = 0;
        for (int s : {16, 8, 0})
            cover += 1.0f - (ch(b.pixels[i], s) - ch(a.pixels[i], s));
        cover = Clamp01(cover / 3.0f);
        std::uint32_t px = 0;
        if (cover > 0.004f) {
            px = std::uint32_t(std::lround(cover * 255)) << 24;
            for (int s : {16, 8, 0})
                px |= std::uint32_t(std::lround(Clamp01(ch(a.pixels[i], s) / cover) * 255)) << s;
        }
        out.pixels[i] = px;
    }
    return out;
}

plat::Image PaintNoFloatPhoto()
{
    Canvas c(kFloatW, kFloatH, kSS);
    Backdrop(c, 299u);
    // A faint dashed float outline struck through: the rig has no float.
    for (int i = 0; i < 26; ++i) {
        float y0 = 20.0f + float(i) * 12.0f;
        float x = 25;
        c.Stroke({{x, y0}, {x, y0 + 6}}, 1.2f, Hex(0x8A8478), 0.7f);
    }
    std::vector<Vec2> outline;
    for (int i = 0; i <= 40; ++i) {
        float t = float(i) / 40.0f;
        outline.push_back({25 + 11 * BodyProfile(FloatShape::Drop, t), 130 + 110 * t});
    }
    for (std::size_t i = 0; i + 1 < outline.size(); i += 2)
        c.Stroke({outline[i], outline[i + 1]}, 1.2f, Hex(0x8A8478), 0.8f);
    for (std::size_t i = 0; i + 1 < outline.size(); i += 2)
        c.Stroke({outline[i] * 1.0f + Vec2{-2 * (outline[i].x - 25), 0}, outline[i + 1] + Vec2{-2 * (outline[i + 1].x - 25), 0}}, 1.2f,
                 Hex(0x8A8478), 0.8f);
    c.Stroke({{8, 250}, {42, 110}}, 3.0f, Hex(0xB03020), 0.85f);
    return c.Resolve();
}

// --- shots -----------------------------------------------------------------

plat::Image PaintShot(const ShotLook& k)
{
    Canvas c(kSquare, kSquare, kSS);
    Backdrop(c, 400u + unsigned(k.kind));
    const Rgb lead = Hex(0x7C8088);
    // Size grows with the cube root of the weight, so 0.1 g and 120 g both fit.
    const float g = float(k.weight) / 100.0f;
    switch (k.kind) {
    case Lead::Shot: {
        float r = 5.0f + 11.0f * std::cbrt(g / 2.0f);
        SoftShadow(c, {52, 52 + r * 0.9f}, r * 1.1f, r * 0.25f);
        Sphere(c, {50, 50}, r, lead, 0.55f);
        c.Stroke({{50 - r * 0.95f, 50 + r * 0.05f}, {50 + r * 0.95f, 50 - r * 0.05f}}, std::max(0.7f, r * 0.12f), Hex(0x2A2C30), 0.9f);
        break;
    }
    case Lead::Torpille: {
        float ry = 12.0f + 18.0f * std::cbrt(g / 15.0f), rx = ry * 0.32f;
        SoftShadow(c, {54, 52 + ry}, ry * 0.6f, 4);
        c.Stroke({{50, 6}, {50, 94}}, 0.9f, Hex(0xA8A8A0), 0.9f); // the line through it
        Ellipsoid(c, {50, 50}, rx, ry, 0, lead, 0.6f);
        c.Stroke({{50, 50 - ry}, {50, 50 - ry - 4}}, 2.4f, Hex(0xC8D0C8), 0.9f); // silicone tube ends
        c.Stroke({{50, 50 + ry}, {50, 50 + ry + 4}}, 2.4f, Hex(0xC8D0C8), 0.9f);
        break;
    }
    case Lead::Pear: {
        float r = 8.0f + 16.0f * std::cbrt(g / 120.0f);
        SoftShadow(c, {52, 56 + r * 1.3f}, r * 1.1f, r * 0.25f);
        Polygon pear;
        for (int i = 0; i < 60; ++i) {
            float t = 2 * kPi * float(i) / 60.0f;
            float y = std::sin(t), w = std::cos(t) * (0.55f + 0.45f * (y + 1) * 0.5f);
            pear.push_back({50 + r * w, 56 + r * 1.3f * y});
        }
        CylinderFill(c, pear, {50, 56}, {0, 1}, r, [&](float u, Vec2) { return RoundShade(lead, -u, 0.5f); });
        // Brass swivel on top.
        Tube(c, Closed(EllipsePoly({50, 56 - r * 1.3f - 4}, 3, 3, 0, 16)),
             1.3f, Hex(0xC8A040));
        Tube(c, {{50, 56 - r * 1.3f - 7}, {50, 56 - r * 1.3f - 14}}, 3.2f, Hex(0xC8A040));
        Tube(c, Closed(EllipsePoly({50, 56 - r * 1.3f - 17}, 3, 3, 0, 16)),
             1.3f, Hex(0xC8A040));
        break;
    }
    case Lead::Barrel: {
        float r = 9.0f + 14.0f * std::cbrt(g / 60.0f);
        SoftShadow(c, {52, 52 + r * 0.8f}, r * 1.6f, r * 0.25f);
        c.Stroke({{6, 50}, {94, 50}}, 0.9f, Hex(0xA8A8A0), 0.9f);
        Ellipsoid(c, {50, 50}, r * 1.55f, r * 0.75f, 0, lead, 0.5f);
        c.FillEllipse({50 - r * 1.5f, 50}, 1.6f, 1.6f, 0, Hex(0x2A2C30), 1);
        break;
    }
    }
    return c.Resolve();
}

// --- the line photo strip --------------------------------------------------

plat::Image PaintLineStrip()
{
    // The colour table of the line material, as the tackle box names them.
    static const float kRgb[kLineColours][3] = {
        {0.7f, 0.7f, 0.7f}, {0.8f, 0.8f, 0.4f}, {0.0f, 0.66f, 0.37f}, {0.0f, 0.41f, 0.22f}, {0.6f, 0.2f, 0.3f},
        {0.22f, 0.22f, 0.5f}, {0.39f, 0.39f, 0.39f}, {0.5f, 0.0f, 0.5f}, {0.0f, 0.99f, 0.0f}, {0.99f, 0.5f, 0.25f},
        {0.82f, 0.0f, 0.0f}, {0.8f, 0.99f, 0.99f}, {0.99f, 0.8f, 0.8f}};
    plat::Image strip(kLineFrame * kLineColours, kLineFrame, 0xFF000000u);
    for (int f = 0; f < kLineColours; ++f) {
        Canvas c(kLineFrame, kLineFrame, kSS);
        Backdrop(c, 500u);
        const Rgb line{kRgb[f][0], kRgb[f][1], kRgb[f][2]};
        const Vec2 ctr{50, 50};
        SoftShadow(c, {54, 86}, 36, 5);
        // A spool: rim, wound line with fine turns, hub with a hole.
        c.FillCircle(ctr, 40, Hex(0x2C2F34), 1);
        c.ShadeRect(12, 12, 88, 88, [&](Vec2 p, Rgb& dst) {
            float d = fish::Length(p - ctr);
            if (d > 36 || d < 15)
                return;
            float turns = 0.86f + 0.14f * std::sin(d * 5.5f + std::atan2(p.y - ctr.y, p.x - ctr.x) * 2.0f);
            float light = 0.85f + 0.25f * ((ctr.y - p.y) - (p.x - ctr.x)) / 72.0f;
            dst = Scale(line, turns * light);
        });
        c.FillCircle(ctr, 15, Hex(0xD8DADC), 1);
        c.FillCircle(ctr, 5, Hex(0x2C2F34), 1);
        // A loose end of line across the front.
        c.Stroke(Wiggle({20, 70}, {92, 84}, 3, 0.8f, 30), 1.4f, Scale(line, 0.9f), 1);
        plat::Image frame = c.Resolve();
        for (int y = 0; y < kLineFrame; ++y)
            for (int x = 0; x < kLineFrame; ++x)
                strip.At(f * kLineFrame + x, y) = frame.At(x, y);
    }
    return strip;
}

} // namespace tackle
