#include "tools/gen_fish/Canvas.h"

#include <algorithm>

namespace fish {

float Clamp01(float v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }

float Smoothstep(float e0, float e1, float v)
{
    float t = Clamp01((v - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

static unsigned Mix32(unsigned h)
{
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

float Hash01(unsigned seed, unsigned n) { return float(Mix32(seed * 0x9E3779B9u ^ Mix32(n)) >> 8) / 16777216.0f; }

static float Lattice(int x, int y, unsigned seed)
{
    return float(Mix32(unsigned(x) * 0x8DA6B343u ^ unsigned(y) * 0xD8163841u ^ Mix32(seed)) >> 8) / 16777216.0f;
}

float Noise(float x, float y, unsigned seed)
{
    int xi = int(std::floor(x)), yi = int(std::floor(y));
    float fx = x - float(xi), fy = y - float(yi);
    fx = fx * fx * (3 - 2 * fx);
    fy = fy * fy * (3 - 2 * fy);
    float a = Lattice(xi, yi, seed), b = Lattice(xi + 1, yi, seed);
    float c = Lattice(xi, yi + 1, seed), d = Lattice(xi + 1, yi + 1, seed);
    return (a + (b - a) * fx) + ((c + (d - c) * fx) - (a + (b - a) * fx)) * fy;
}

float Fbm(float x, float y, unsigned seed, int octaves)
{
    float sum = 0, amp = 0.5f, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += Noise(x, y, seed + unsigned(o) * 101u) * amp;
        norm += amp;
        x *= 2.03f;
        y *= 2.03f;
        amp *= 0.5f;
    }
    return sum / norm;
}

Canvas::Canvas(int width, int height, int supersample)
    : width_(width), height_(height), ss_(supersample), sw_(width * supersample), sh_(height * supersample),
      samples_(std::size_t(sw_) * sh_)
{
}

void Canvas::FillPolygon(const Polygon& poly, Rgb colour, float alpha)
{
    ShadePolygon(poly, [&](Vec2, Rgb& dst) { dst = Mix(dst, colour, alpha); });
}

void Canvas::FillCircle(Vec2 c, float r, Rgb colour, float alpha)
{
    FillEllipse(c, r, r, 0, colour, alpha);
}

void Canvas::FillEllipse(Vec2 c, float rx, float ry, float angle, Rgb colour, float alpha)
{
    const float ca = std::cos(angle), sa = std::sin(angle), r = std::max(rx, ry);
    ShadeRect(c.x - r, c.y - r, c.x + r, c.y + r, [&](Vec2 p, Rgb& dst) {
        Vec2 d = p - c;
        float u = (d.x * ca + d.y * sa) / rx, v = (-d.x * sa + d.y * ca) / ry;
        if (u * u + v * v <= 1)
            dst = Mix(dst, colour, alpha);
    });
}

void Canvas::Stroke(const std::vector<Vec2>& pts, float width, Rgb colour, float alpha)
{
    if (pts.empty())
        return;
    const float r = width * 0.5f;
    float x0 = pts[0].x, x1 = x0, y0 = pts[0].y, y1 = y0;
    for (Vec2 p : pts) {
        x0 = std::min(x0, p.x);
        x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y);
        y1 = std::max(y1, p.y);
    }
    // Each sample is painted once even where segments overlap.
    ShadeRect(x0 - r, y0 - r, x1 + r, y1 + r, [&](Vec2 p, Rgb& dst) {
        for (std::size_t k = 0; k < pts.size(); ++k) {
            Vec2 a = pts[k], b = pts[std::min(k + 1, pts.size() - 1)];
            Vec2 ab = b - a, ap = p - a;
            float len2 = ab.x * ab.x + ab.y * ab.y;
            float t = len2 > 0 ? Clamp01((ap.x * ab.x + ap.y * ab.y) / len2) : 0;
            if (Length(p - (a + ab * t)) <= r) {
                dst = Mix(dst, colour, alpha);
                return;
            }
        }
    });
}

plat::Image Canvas::Resolve() const
{
    plat::Image img(width_, height_, 0xFF000000u);
    const float norm = 1.0f / float(ss_ * ss_);
    auto to8 = [](float v) { return std::uint32_t(std::lround(Clamp01(v) * 255.0f)); };
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            Rgb sum;
            for (int j = 0; j < ss_; ++j)
                for (int i = 0; i < ss_; ++i)
                    sum = sum + samples_[std::size_t(y * ss_ + j) * sw_ + (x * ss_ + i)];
            sum = sum * norm;
            img.At(x, y) = 0xFF000000u | (to8(sum.r) << 16) | (to8(sum.g) << 8) | to8(sum.b);
        }
    return img;
}

} // namespace fish
