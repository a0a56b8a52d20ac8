#include "tools/gen_fish/FishPainter.h"

#include <algorithm>
#include <cmath>

namespace fish {
namespace {

constexpr float kPi = 3.14159265f;
constexpr int kSupersample = 4;

float Rad(float degrees) { return degrees * kPi / 180.0f; }

Rgb Darker(Rgb c, float f) { return c * f; }

// ---------------------------------------------------------------------------
// Body outline in fish-local units (body length 1, y grows downwards, the
// body axis at y = 0).
class Outline {
public:
    explicit Outline(const FishLook& s) : s_(s)
    {
        dt_ = s.depth * s.backShare;
        db_ = s.depth - dt_;
        snout_ = s.snoutY * (s.snoutY < 0 ? dt_ : db_);
    }

    float Top(float x) const { return Edge(x, -dt_, s_.topP, s_.topQ); }
    float Bottom(float x) const { return Edge(x, db_, s_.botP, s_.botQ); }
    float Y(float x, float t) const { return Top(x) + (Bottom(x) - Top(x)) * t; }
    float Snout() const { return snout_; }
    Vec2 At(float x, float t) const { return {x, Y(x, t)}; }

private:
    float Edge(float x, float full, float p, float q) const
    {
        x = std::clamp(x, 0.0f, 1.0f);
        const float xm = s_.maxAt;
        if (x < xm) {
            float s = x / xm;
            float f = std::pow(std::max(0.0f, 1 - std::pow(1 - s, p)), 1 / q);
            return snout_ + (full - snout_) * f;
        }
        float u = (x - xm) / (1 - xm);
        float g = std::pow(std::max(0.0f, 1 - u * u), s_.tailR);
        return full * (s_.ped + (1 - s_.ped) * g);
    }

    const FishLook& s_;
    float dt_, db_, snout_;
};

// Maps fish-local points to photo pixels, bending the body for eels.
struct Frame {
    const FishLook* s = nullptr;
    Vec2 origin;
    float scale = 1;

    float Bend(float x) const { return s->bendAmp * std::sin(2 * kPi * s->bendWaves * x + 0.6f) * std::clamp(x + 0.3f, 0.0f, 1.0f); }
    Vec2 ToPhoto(Vec2 p) const { return {origin.x + p.x * scale, origin.y + (p.y + Bend(p.x)) * scale}; }
    Vec2 ToLocal(Vec2 p) const
    {
        float x = (p.x - origin.x) / scale;
        return {x, (p.y - origin.y) / scale - Bend(x)};
    }
    Polygon ToPhoto(const Polygon& poly) const
    {
        Polygon out;
        out.reserve(poly.size());
        for (Vec2 p : poly)
            out.push_back(ToPhoto(p));
        return out;
    }
};

// ---------------------------------------------------------------------------
// Fin and tail outlines, in local units.

float Profile(float u, float front, float peakAt, float back, float round)
{
    if (u < peakAt) {
        float s = u / peakAt;
        return front + (1 - front) * (1 - std::pow(1 - s, round));
    }
    float s = peakAt < 1 ? (u - peakAt) / (1 - peakAt) : 0;
    return 1 + (back - 1) * std::pow(s, round);
}

float FinHeight(const Fin& f, float u)
{
    float h = Profile(u, f.front, f.peakAt, f.back, f.round);
    if (f.spines > 0) {
        float between = 0.5f - 0.5f * std::cos(2 * kPi * u * float(f.spines));
        h *= 1 - f.notch * std::pow(std::max(0.0f, between), 0.6f);
    }
    return f.h * h;
}

// A fin on the back (up = true) or on the belly.
Polygon BaseFin(const Outline& o, const Fin& f, bool up)
{
    const int n = 72;
    const float side = up ? -1.0f : 1.0f, inset = 0.012f;
    auto edge = [&](float x) { return up ? o.Top(x) : o.Bottom(x); };
    Polygon poly;
    for (int i = 0; i <= n; ++i) {
        float u = float(i) / n, x = f.x0 + (f.x1 - f.x0) * u, l = FinHeight(f, u);
        poly.push_back({x + f.lean * l, edge(x) + side * l});
    }
    for (int i = n; i >= 0; --i) {
        float x = f.x0 + (f.x1 - f.x0) * float(i) / n;
        poly.push_back({x, edge(x) - side * inset});
    }
    return poly;
}

Polygon FanFinPolygon(const Outline& o, const FanFin& f)
{
    const int n = 40;
    Vec2 root = o.At(f.x, f.t);
    Polygon poly{{root.x - 0.01f, root.y - 0.008f}};
    for (int i = 0; i <= n; ++i) {
        float v = float(i) / n;
        float a = Rad(f.angle - f.spread / 2 + f.spread * v);
        float l = f.len * Profile(v, f.front, f.peakAt, f.back, f.round);
        poly.push_back({root.x + std::cos(a) * l, root.y + std::sin(a) * l});
    }
    poly.push_back({root.x - 0.01f, root.y + 0.008f});
    return poly;
}

Vec2 Bezier(Vec2 a, Vec2 c, Vec2 b, float t)
{
    return Lerp(Lerp(a, c, t), Lerp(c, b, t), t);
}

Polygon TailPolygon(const Outline& o, const TailFin& tf)
{
    const float rootX = 0.96f;
    const Vec2 rootTop{rootX, o.Top(rootX)}, rootBottom{rootX, o.Bottom(rootX)};
    const float len = tf.len, sp = tf.spread, low = tf.lowerScale;
    Vec2 up{1 + len, -sp}, lo{1 + len * low, sp * low};
    const int n = 48;
    Polygon trailing;
    auto along = [&](auto&& fx) {
        for (int i = 0; i <= n; ++i) {
            float v = float(i) / n;
            Vec2 p = Lerp(up, lo, v);
            p.x += fx(v, 1 - std::abs(2 * v - 1));
            trailing.push_back(p);
        }
    };
    switch (tf.kind) {
    case TailKind::Forked:
    case TailKind::Lunate:
        along([&](float, float mid) { return -tf.fork * len * mid; });
        break;
    case TailKind::Emarginate:
        along([&](float, float mid) { return -tf.fork * len * std::pow(mid, 0.7f); });
        break;
    case TailKind::Truncate:
        along([&](float, float mid) { return 0.04f * len * std::sqrt(mid); });
        break;
    case TailKind::Rounded:
        up.x = lo.x = 1 + len * 0.55f;
        along([&](float v, float) { return 0.45f * len * std::sqrt(std::max(0.0f, 1 - (2 * v - 1) * (2 * v - 1))); });
        break;
    case TailKind::Pointed:
        up = {1 + len * 0.05f, -sp};
        lo = {1 + len * 0.05f, sp};
        along([&](float, float mid) { return len * 0.95f * mid; });
        break;
    case TailKind::Heterocercal: {
        // Long upper lobe with a notch under its tip, short lower lobe.
        Vec2 notch{1 + len * 0.55f, -sp * 0.12f}, sub{1 + len * 0.82f, -sp * 0.62f};
        lo = {1 + len * 0.5f * low, sp * low};
        for (Vec2 p : {up, sub, notch, lo})
            trailing.push_back(p);
        break;
    }
    }
    Polygon poly;
    const int m = 16;
    // Lunate tails are broad crescents; other lobes flare out from a narrow root.
    const float flare = tf.kind == TailKind::Lunate ? 0.75f : 0.3f;
    Vec2 cu{rootTop.x + (up.x - rootTop.x) * 0.55f, rootTop.y + (up.y - rootTop.y) * flare};
    for (int i = 0; i < m; ++i)
        poly.push_back(Bezier(rootTop, cu, up, float(i) / m));
    poly.insert(poly.end(), trailing.begin(), trailing.end());
    Vec2 cl{rootBottom.x + (lo.x - rootBottom.x) * 0.55f, rootBottom.y + (lo.y - rootBottom.y) * flare};
    for (int i = 1; i <= m; ++i)
        poly.push_back(Bezier(lo, cl, rootBottom, float(i) / m));
    poly.push_back({rootX - 0.02f, 0});
    return poly;
}

// ---------------------------------------------------------------------------

struct SpotInstance {
    float x, y, r;
};

class Painter {
public:
    Painter(const FishLook& s, int w, int h) : s_(s), o_(s), canvas_(w, h, kSupersample), w_(w), h_(h)
    {
        fins_ = s.finColour ? Hex(s.finColour) : Mix(Hex(s.back), Hex(s.flank), 0.45f);
        PlaceSpots();
    }

    plat::Image Paint()
    {
        Layout();
        Background();
        BackFins();
        Body();
        HeadDetails();
        FrontFins();
        Extras();
        return canvas_.Resolve();
    }

private:
    Rgb FinColour(std::uint32_t c) const { return c ? Hex(c) : fins_; }

    // -- layout ------------------------------------------------------------
    std::vector<Polygon> LocalShapes() const
    {
        std::vector<Polygon> shapes;
        Polygon body;
        for (int i = 0; i <= 40; ++i) {
            float x = float(i) / 40;
            body.push_back({x, o_.Top(x)});
            body.push_back({x, o_.Bottom(x)});
        }
        shapes.push_back(body);
        for (const Fin* f : {&s_.dorsal, &s_.dorsal2, &s_.adipose})
            if (f->On())
                shapes.push_back(BaseFin(o_, *f, true));
        if (s_.anal.On())
            shapes.push_back(BaseFin(o_, s_.anal, false));
        for (const FanFin* f : {&s_.pectoral, &s_.pelvic})
            if (f->On())
                shapes.push_back(FanFinPolygon(o_, *f));
        shapes.push_back(TailPolygon(o_, s_.tail));
        if (s_.bill > 0)
            shapes.push_back({{-s_.bill, o_.Snout()}});
        for (const Barbel& b : s_.barbels)
            shapes.push_back(BarbelLine(b));
        return shapes;
    }

    void Layout()
    {
        frame_.s = &s_;
        frame_.scale = 1;
        float x0 = 1e9f, x1 = -1e9f, y0 = 1e9f, y1 = -1e9f;
        for (const Polygon& p : LocalShapes())
            for (Vec2 v : p) {
                Vec2 q = frame_.ToPhoto(v);
                x0 = std::min(x0, q.x);
                x1 = std::max(x1, q.x);
                y0 = std::min(y0, q.y);
                y1 = std::max(y1, q.y);
            }
        const float mx = 5, my = 7;
        float scale = std::min((float(w_) - 2 * mx) / (x1 - x0), (float(h_) - 2 * my) / (y1 - y0));
        frame_.scale = scale;
        frame_.origin = {float(w_) / 2 - (x0 + x1) / 2 * scale, float(h_) / 2 - (y0 + y1) / 2 * scale + 1};
    }

    // -- background ----------------------------------------------------------
    void Background()
    {
        const bool sea = s_.water == Water::Sea;
        const Rgb top = Hex(sea ? 0x5E9CC8 : 0x8A9A6A), bottom = Hex(sea ? 0x0E2F58 : 0x2C3522);
        const unsigned seed = s_.seed * 31u + 7u;
        const float W = float(w_), H = float(h_);
        float rayX[5], rayW[5];
        for (int i = 0; i < 5; ++i) {
            rayX[i] = W * (0.1f + 0.9f * Hash01(seed, unsigned(i)));
            rayW[i] = 4 + 9 * Hash01(seed, unsigned(i) + 10);
        }
        canvas_.ShadeRect(0, 0, W, H, [&](Vec2 p, Rgb& c) {
            float v = p.y / H;
            c = Mix(top, bottom, std::pow(v, 0.8f));
            float rays = 0;
            for (int i = 0; i < 5; ++i) {
                float d = (p.x - (rayX[i] - p.y * 0.45f)) / rayW[i];
                rays += std::exp(-d * d);
            }
            c = Mix(c, Hex(sea ? 0xC8E8FF : 0xE0E8B8), 0.16f * rays * std::pow(1 - v, 1.6f));
            float haze = Fbm(p.x / 30, p.y / 22, seed, 3);
            c = c * (0.9f + 0.2f * haze);
        });
        Ground();
        // Suspended particles.
        for (unsigned i = 0; i < 26; ++i) {
            Vec2 p{W * Hash01(seed + 5, i), H * Hash01(seed + 6, i)};
            canvas_.FillCircle(p, 0.25f + 0.45f * Hash01(seed + 7, i), Hex(sea ? 0xDDEEFF : 0xE8E8C8), 0.35f);
        }
        // Vignette.
        canvas_.ShadeRect(0, 0, W, H, [&](Vec2 p, Rgb& c) {
            float dx = (p.x / W - 0.5f) * 2, dy = (p.y / H - 0.5f) * 2;
            c = c * (1 - 0.32f * std::pow((dx * dx + dy * dy) / 2, 1.3f));
        });
    }

    void Ground()
    {
        const unsigned seed = s_.seed * 17u + 3u;
        const float W = float(w_), H = float(h_);
        switch (s_.ground) {
        case Ground::Gravel:
        case Ground::Rock: {
            const bool rock = s_.ground == Ground::Rock;
            const int n = rock ? 9 : 70;
            for (int i = 0; i < n; ++i) {
                float fx = Hash01(seed, unsigned(i)), fy = Hash01(seed + 1, unsigned(i));
                float r = rock ? 10 + 14 * Hash01(seed + 2, unsigned(i)) : 1.5f + 2.5f * Hash01(seed + 2, unsigned(i));
                Vec2 c{W * fx, H * (rock ? 0.9f + 0.15f * fy : 0.84f + 0.18f * fy)};
                Rgb col = Hex(rock ? (s_.water == Water::Sea ? 0x2A3A48 : 0x3A3A2E) : 0x6A6248) *
                          (0.6f + 0.5f * Hash01(seed + 3, unsigned(i)));
                canvas_.FillEllipse(c, r * 1.3f, r, 0.3f * (fx - 0.5f), col, rock ? 0.55f : 0.45f);
            }
            break;
        }
        case Ground::Weed:
            for (int i = 0; i < 9; ++i) {
                float x = W * Hash01(seed, unsigned(i)), hgt = H * (0.35f + 0.4f * Hash01(seed + 1, unsigned(i)));
                std::vector<Vec2> pts;
                for (int k = 0; k <= 12; ++k) {
                    float v = float(k) / 12;
                    pts.push_back({x + 4 * std::sin(v * 5 + float(i)), H + 2 - hgt * v});
                }
                canvas_.Stroke(pts, 2.2f, Hex(s_.water == Water::Sea ? 0x2E5A3A : 0x3E5A22), 0.4f);
            }
            break;
        case Ground::Sand:
        case Ground::Mud: {
            const Rgb col = Hex(s_.ground == Ground::Sand ? (s_.water == Water::Sea ? 0xA89A78 : 0x8A8060) : 0x4A4030);
            canvas_.ShadeRect(0, H * 0.78f, W, H, [&](Vec2 p, Rgb& c) {
                float ridge = H * (0.84f + 0.03f * std::sin(p.x / 11 + float(seed % 7)));
                float a = Smoothstep(ridge - 3, ridge + 6, p.y) * (0.45f + 0.2f * Fbm(p.x / 6, p.y / 3, seed));
                c = Mix(c, col, a);
            });
            break;
        }
        case Ground::Open:
            break;
        }
    }

    // -- body ----------------------------------------------------------------
    void PlaceSpots()
    {
        for (std::size_t li = 0; li < s_.spots.size(); ++li) {
            const SpotLayer& l = s_.spots[li];
            std::vector<SpotInstance> placed;
            const unsigned seed = s_.seed * 131u + unsigned(li) * 7919u;
            for (unsigned k = 0; k < unsigned(l.count) * 12 && placed.size() < std::size_t(l.count); ++k) {
                float x = l.x0 + (l.x1 - l.x0) * Hash01(seed, k * 3);
                float t = l.t0 + (l.t1 - l.t0) * Hash01(seed, k * 3 + 1);
                float r = l.r * (1 + l.jitter * (2 * Hash01(seed, k * 3 + 2) - 1));
                float y = o_.Y(x, t);
                bool clear = std::all_of(placed.begin(), placed.end(), [&](const SpotInstance& q) {
                    return Length(Vec2{(x - q.x) / l.stretch, y - q.y}) > (r + q.r) * 1.25f + l.haloWidth * 2;
                });
                if (clear)
                    placed.push_back({x, y, r});
            }
            spotsPlaced_.push_back(std::move(placed));
        }
    }

    Rgb BodyColour(float x, float y, float t) const
    {
        const Rgb back = Hex(s_.back), flank = Hex(s_.flank), belly = Hex(s_.belly);
        Rgb c = t < s_.flankAt ? Mix(back, flank, Smoothstep(0, s_.flankAt, t))
                               : Mix(flank, belly, Smoothstep(s_.flankAt, 1, t));
        for (std::size_t i = 0; i < s_.mottles.size(); ++i) {
            const Mottle& m = s_.mottles[i];
            if (t < m.t0 || t > m.t1)
                continue;
            const float k = m.scale * 1.8f;
            float n = Fbm(x * k, y * k * 1.3f, s_.seed * 13u + unsigned(i));
            float a = m.veins ? 1 - Smoothstep(0.2f, 0.45f, std::abs(std::sin(n * 16)))
                              : Smoothstep(m.threshold - 0.07f, m.threshold + 0.07f, n);
            c = Mix(c, Hex(m.colour), a * m.alpha);
        }
        for (const Stripe& st : s_.stripes) {
            if (x < st.x0 || x > st.x1)
                continue;
            float centre = st.t + st.wave * std::sin(x * st.waves * 2 * kPi);
            float d = std::abs(t - centre) / (st.width / 2);
            float fade = Smoothstep(st.x0, st.x0 + 0.05f, x) * (1 - Smoothstep(st.x1 - 0.05f, st.x1, x));
            c = Mix(c, Hex(st.colour), st.alpha * (1 - Smoothstep(0.7f, 1.1f, d)) * fade);
        }
        for (const Bars& b : s_.bars) {
            if (x < b.x0 || x > b.x1 || t < b.t0 || t > b.t1 + 0.1f)
                continue;
            float q = (x - b.x0) / (b.x1 - b.x0) * float(b.count) - b.slant * t;
            float frac = q - std::floor(q);
            float along = Clamp01((t - b.t0) / (b.t1 - b.t0));
            float half = b.width / 2 * (1 + (b.taper - 1) * along);
            float a = 1 - Smoothstep(half - 0.06f, half + 0.06f, std::abs(frac - 0.5f));
            a *= 1 - Smoothstep(b.t1 - 0.08f, b.t1 + 0.08f, t);
            c = Mix(c, Hex(b.colour), a * b.alpha);
        }
        for (std::size_t li = 0; li < s_.spots.size(); ++li) {
            const SpotLayer& l = s_.spots[li];
            for (const SpotInstance& sp : spotsPlaced_[li]) {
                float d = Length(Vec2{(x - sp.x) / l.stretch, y - sp.y});
                if (l.haloWidth > 0 && d < sp.r + l.haloWidth)
                    c = Mix(c, Hex(l.halo), l.alpha * (1 - Smoothstep(sp.r + l.haloWidth * 0.6f, sp.r + l.haloWidth, d)));
                if (d < sp.r)
                    c = Mix(c, Hex(l.colour), l.alpha * (1 - Smoothstep(sp.r * 0.75f, sp.r, d)));
            }
        }
        for (const Blotch& b : s_.blotches) {
            float d = Length(Vec2{(x - b.x) / b.stretch, y - o_.Y(b.x, b.t)});
            if (b.ringWidth > 0)
                c = Mix(c, Hex(b.ring), b.alpha * (1 - Smoothstep(b.r + b.ringWidth * 0.7f, b.r + b.ringWidth, d)));
            c = Mix(c, Hex(b.colour), b.alpha * (1 - Smoothstep(b.r * 0.8f, b.r, d)));
        }
        return c;
    }

    // Overlapping scales: each one is covered by its neighbour towards the
    // head, so only its rear rim shows. 0 inside a scale, 1 on a rim.
    float ScaleEdge(float x, float y) const
    {
        const float sz = s_.scaleSize, R = 0.72f;
        const float gx = x / sz, gy = y / (sz * 0.9f);
        for (int i = int(std::floor(gx - R)) + 1; i <= int(std::floor(gx + R)); ++i) {
            const float off = (i & 1) ? 0.5f : 0.0f;
            for (int j = int(std::floor(gy - off - R)) + 1; j <= int(std::floor(gy - off + R)); ++j) {
                float dx = gx - float(i), dy = gy - (float(j) + off);
                float d = std::sqrt(dx * dx + dy * dy) / R;
                if (d < 1)
                    return Smoothstep(0.55f, 0.95f, d) * Smoothstep(-0.2f, 0.3f, dx);
            }
        }
        return 0;
    }

    float GillX(float t) const { return s_.opX + 0.025f * std::sin(kPi * Clamp01(t)); }

    void Body()
    {
        Polygon outline;
        for (int i = 0; i <= 120; ++i) {
            float x = float(i) / 120;
            outline.push_back(frame_.ToPhoto({x, o_.Top(x)}));
        }
        for (int i = 120; i >= 0; --i) {
            float x = float(i) / 120;
            outline.push_back(frame_.ToPhoto({x, o_.Bottom(x)}));
        }
        const Rgb lineCol = s_.lineColour ? Hex(s_.lineColour) : Darker(Hex(s_.flank), 0.6f);
        canvas_.ShadePolygon(outline, [&](Vec2 p, Rgb& dst) {
            Vec2 l = frame_.ToLocal(p);
            float top = o_.Top(l.x), bottom = o_.Bottom(l.x);
            float t = Clamp01((l.y - top) / std::max(1e-4f, bottom - top));
            Rgb c = BodyColour(l.x, l.y, t);
            // Scales behind the gill cover.
            if (s_.scales > 0 && l.x > GillX(t))
                c = c * (1 - s_.scales * 0.3f * ScaleEdge(l.x, l.y));
            // Lateral line.
            if (s_.lateralLine > 0 && l.x > GillX(t) && l.x < 0.99f) {
                float ly = o_.Y(l.x, s_.lateralT + 0.05f * std::sin(kPi * Clamp01((l.x - s_.opX) / (1 - s_.opX))));
                float d = std::abs(l.y - ly);
                c = Mix(c, lineCol, s_.lateralLine * (1 - Smoothstep(0.002f, 0.0045f, d)));
            }
            // Gill cover edge and a slightly darker head.
            float gd = l.x - GillX(t);
            if (t > 0.12f && t < 0.97f && std::abs(gd) < 0.006f)
                c = c * 0.72f;
            else if (gd < 0)
                c = c * 0.95f;
            // Volume: rounded shading and a soft highlight on the upper flank.
            float shade = 0.72f + 0.36f * std::sqrt(std::max(0.0f, std::sin(kPi * t)));
            c = c * shade;
            float hl = std::exp(-std::pow((t - 0.3f) / 0.12f, 2.0f)) * Smoothstep(0.0f, 0.25f, l.x) * (1 - Smoothstep(0.75f, 1.0f, l.x));
            c = Mix(c, Rgb{1, 1, 1}, s_.sheen * 0.45f * hl);
            dst = c;
        });
    }

    // -- fins ----------------------------------------------------------------
    float FinSpeckle(Vec2 l) const
    {
        if (s_.finSpots <= 0)
            return 0;
        float n = Noise(l.x * 70, l.y * 70, s_.seed * 3u + 11u);
        return s_.finSpots * Smoothstep(0.66f, 0.74f, n);
    }

    // Fills a fin with ray stripes given by rays(local point) in 0..1.
    template <class R>
    void PaintFin(const Polygon& local, Rgb colour, float alpha, bool speckled, R&& rays)
    {
        const Rgb speck = Hex(s_.finSpotColour);
        canvas_.ShadePolygon(frame_.ToPhoto(local), [&](Vec2 p, Rgb& dst) {
            Vec2 l = frame_.ToLocal(p);
            float ray = rays(l);
            Rgb c = colour * (0.82f + 0.22f * ray);
            if (speckled)
                c = Mix(c, speck, FinSpeckle(l));
            dst = Mix(dst, c, alpha);
        });
    }

    void PaintBaseFin(const Fin& f, bool up)
    {
        if (!f.On())
            return;
        const float spacing = 0.016f;
        PaintFin(BaseFin(o_, f, up), FinColour(f.colour), f.alpha, up, [&](Vec2 l) {
            float edge = up ? o_.Top(l.x) : o_.Bottom(l.x);
            float dist = std::abs(l.y - edge);
            float u = (l.x - f.lean * dist - f.x0) / spacing;
            return 0.5f + 0.5f * std::cos(2 * kPi * u);
        });
    }

    void PaintFanFin(const FanFin& f)
    {
        if (!f.On())
            return;
        Vec2 root = o_.At(f.x, f.t);
        PaintFin(FanFinPolygon(o_, f), FinColour(f.colour), f.alpha, false, [&](Vec2 l) {
            float a = std::atan2(l.y - root.y, l.x - root.x);
            return 0.5f + 0.5f * std::cos(a * 70);
        });
    }

    void BackFins()
    {
        const TailFin& tf = s_.tail;
        PaintFin(TailPolygon(o_, tf), FinColour(tf.colour), tf.alpha, true, [&](Vec2 l) {
            float a = std::atan2(l.y, l.x - 0.9f);
            return 0.5f + 0.5f * std::cos(a * 45);
        });
        PaintBaseFin(s_.dorsal, true);
        PaintBaseFin(s_.dorsal2, true);
        PaintBaseFin(s_.adipose, true);
        PaintBaseFin(s_.anal, false);
        if (s_.pelvic.On()) {
            FanFin far = s_.pelvic;
            far.x += 0.015f;
            far.angle -= 8;
            PaintFanFin(far);
        }
    }

    void FrontFins()
    {
        PaintFanFin(s_.pelvic);
        PaintFanFin(s_.pectoral);
    }

    // -- head ----------------------------------------------------------------
    void Eye(float x, float t)
    {
        Vec2 c = frame_.ToPhoto(o_.At(x, t));
        float r = s_.eyeR * frame_.scale;
        canvas_.FillCircle(c, r * 1.15f, Darker(Hex(s_.back), 0.55f), 0.6f);
        canvas_.FillCircle(c, r, Hex(s_.iris), 1);
        canvas_.FillCircle(c, r * 0.58f, Rgb{0.03f, 0.03f, 0.04f}, 1);
        canvas_.FillCircle({c.x - r * 0.28f, c.y - r * 0.3f}, std::max(0.35f, r * 0.2f), Rgb{1, 1, 1}, 0.85f);
    }

    void Line(std::vector<Vec2> local, float width, Rgb colour, float alpha)
    {
        for (Vec2& p : local)
            p = frame_.ToPhoto(p);
        canvas_.Stroke(local, std::max(0.5f, width * frame_.scale), colour, alpha);
    }

    void HeadDetails()
    {
        const float sy = o_.Snout(), ml = s_.mouthLen;
        const Rgb dark = Darker(Hex(s_.back), 0.35f);
        std::vector<Vec2> mouth;
        switch (s_.mouth) {
        case MouthKind::Terminal:
            mouth = {{0.004f, sy}, {ml * 0.5f, sy + ml * 0.1f}, {ml, sy + ml * 0.22f}};
            break;
        case MouthKind::Superior:
            mouth = {{0.004f, sy}, {ml * 0.35f, sy + ml * 0.35f}, {ml * 0.6f, sy + ml * 0.75f}};
            break;
        case MouthKind::Inferior: {
            float x0 = 0.35f * ml + 0.01f;
            mouth = {{x0, o_.Bottom(x0) - 0.004f}, {ml, o_.Bottom(ml) - 0.012f}};
            break;
        }
        }
        if (s_.lips > 0)
            Line(mouth, s_.lips, Mix(Hex(s_.back), Hex(s_.belly), 0.6f), 0.95f);
        Line(mouth, 0.005f + 0.03f * ml, dark, 0.85f);
        if (s_.teeth)
            for (std::size_t k = 0; k + 1 < mouth.size(); ++k)
                for (int i = 0; i < 4; ++i) {
                    Vec2 a = Lerp(mouth[k], mouth[k + 1], (float(i) + 0.5f) / 4.0f);
                    Vec2 p = frame_.ToPhoto(a);
                    float r = 0.006f * frame_.scale;
                    canvas_.FillPolygon({{p.x - r, p.y}, {p.x + r, p.y}, {p.x, p.y - 2.2f * r}}, Rgb{0.95f, 0.95f, 0.9f}, 0.95f);
                }
        Eye(s_.eyeX, s_.eyeT);
        if (s_.eye2X > 0)
            Eye(s_.eye2X, s_.eye2T);
    }

    // -- extras --------------------------------------------------------------
    Polygon BarbelLine(const Barbel& b) const
    {
        Polygon pts;
        Vec2 p = o_.At(b.x, b.t);
        float a = Rad(b.angle);
        const int n = 14;
        for (int i = 0; i <= n; ++i) {
            pts.push_back(p);
            p = p + Vec2{std::cos(a), std::sin(a)} * (b.len / n);
            a += Rad(b.curl) / n;
        }
        return pts;
    }

    void Extras()
    {
        const Rgb back = Hex(s_.back), flank = Hex(s_.flank);
        for (const Barbel& b : s_.barbels)
            Line(BarbelLine(b), b.width, Mix(back, flank, 0.3f) * 0.8f, 0.95f);
        if (s_.bill > 0) {
            const float sy = o_.Snout();
            // The longer the bill, the broader its root (a swordfish's sword is flat and wide).
            const float w = 0.012f + 0.025f * s_.bill;
            Polygon bill{{0.05f, sy - w}, {-s_.bill * 0.5f, sy - w * 0.4f}, {-s_.bill, sy}, {-s_.bill * 0.5f, sy + w * 0.2f}, {0.05f, sy + w * 0.6f}};
            canvas_.FillPolygon(frame_.ToPhoto(bill), Darker(back, 0.85f), 1);
        }
        for (int k = 0; k < s_.gillSlits; ++k) {
            float x = s_.opX - 0.012f * float(s_.gillSlits - 1 - k);
            Line({o_.At(x, 0.32f), o_.At(x + 0.006f, 0.5f), o_.At(x, 0.68f)}, 0.004f, Darker(flank, 0.55f), 0.8f);
        }
        if (s_.scutes) {
            const Rgb bone = Hex(0xD8CFB0);
            for (float t : {0.03f, 0.42f, 0.9f})
                for (float x = s_.opX + 0.03f; x < 0.95f; x += 0.042f) {
                    if (t < 0.1f && x > s_.dorsal.x0 - 0.02f)
                        break;
                    Vec2 c = frame_.ToPhoto(o_.At(x, t));
                    float r = 0.014f * frame_.scale * (t > 0.8f ? 0.8f : 1.0f);
                    canvas_.FillEllipse(c, r, r * 0.75f, 0, Darker(bone, 0.6f), 0.9f);
                    canvas_.FillEllipse(c, r * 0.75f, r * 0.5f, 0, bone, 0.95f);
                }
        }
        for (int k = 0; k < s_.finlets; ++k) {
            float x = 0.8f + 0.16f * (float(k) + 0.5f) / float(s_.finlets);
            for (bool up : {true, false}) {
                float e = up ? o_.Top(x) : o_.Bottom(x), side = up ? -1.0f : 1.0f;
                Polygon tri{{x - 0.01f, e - side * 0.004f}, {x + 0.012f, e + side * 0.022f}, {x + 0.01f, e - side * 0.004f}};
                canvas_.FillPolygon(frame_.ToPhoto(tri), FinColour(s_.dorsal2.colour), 0.95f);
            }
        }
        if (s_.keel)
            canvas_.FillPolygon(frame_.ToPhoto(Polygon{{0.9f, -0.004f}, {1.0f, -0.012f}, {1.02f, 0}, {1.0f, 0.012f}, {0.9f, 0.004f}}),
                                Darker(back, 0.6f), 0.8f);
        if (s_.headSpines)
            for (int k = 0; k < 6; ++k) {
                float x = 0.05f + 0.035f * float(k);
                Vec2 b = o_.At(x, 0);
                Line({b, {b.x + 0.012f, b.y - 0.02f - 0.01f * float(k % 2)}}, 0.005f, Darker(back, 0.8f), 0.9f);
                Vec2 f = o_.At(x + 0.02f, 0.55f + 0.08f * float(k % 3));
                canvas_.FillEllipse(frame_.ToPhoto(f), 0.01f * frame_.scale, 0.006f * frame_.scale, 0.5f, Mix(back, flank, 0.5f), 0.8f);
            }
        if (s_.tentacles) {
            Vec2 e = o_.At(s_.eyeX, 0);
            Line({e, {e.x - 0.005f, e.y - 0.045f}}, 0.006f, Darker(back, 0.9f), 0.9f);
            Line({{e.x - 0.004f, e.y - 0.025f}, {e.x - 0.018f, e.y - 0.04f}}, 0.004f, Darker(back, 0.9f), 0.9f);
            Line({{e.x - 0.004f, e.y - 0.03f}, {e.x + 0.01f, e.y - 0.045f}}, 0.004f, Darker(back, 0.9f), 0.9f);
        }
        if (s_.lure) {
            Vec2 b = o_.At(0.07f, 0);
            Line({b, {b.x - 0.01f, b.y - 0.06f}, {b.x - 0.03f, b.y - 0.1f}}, 0.006f, Darker(back, 0.8f), 0.95f);
            canvas_.FillCircle(frame_.ToPhoto({b.x - 0.032f, b.y - 0.105f}), 0.012f * frame_.scale, Hex(0xC8B8A0), 0.95f);
        }
        for (int k = 0; k < s_.freeSpines; ++k) {
            float x = 0.3f + 0.12f * float(k);
            Vec2 b = o_.At(x, 0);
            Polygon spine{{b.x - 0.008f, b.y + 0.005f}, {b.x + 0.01f, b.y - 0.09f}, {b.x + 0.01f, b.y + 0.005f}};
            canvas_.FillPolygon(frame_.ToPhoto(spine), Darker(back, 0.9f), 0.95f);
        }
    }

    const FishLook& s_;
    Outline o_;
    Canvas canvas_;
    int w_, h_;
    Frame frame_;
    Rgb fins_;
    std::vector<std::vector<SpotInstance>> spotsPlaced_;
};

} // namespace

plat::Image PaintPhoto(const FishLook& look, int width, int height)
{
    return Painter(look, width, height).Paint();
}

} // namespace fish
