#pragma once
// A small software rasteriser for the species photos. Everything is drawn on
// a supersampled colour buffer and box-filtered down at the end, which gives
// anti-aliased edges to every filled shape without coverage arithmetic.
#include "platform/Image.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace fish {

struct Vec2 {
    float x = 0, y = 0;
};
inline Vec2 operator+(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
inline Vec2 operator-(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
inline Vec2 operator*(Vec2 a, float s) { return {a.x * s, a.y * s}; }
inline float Length(Vec2 a) { return std::sqrt(a.x * a.x + a.y * a.y); }
inline Vec2 Lerp(Vec2 a, Vec2 b, float t) { return a + (b - a) * t; }

struct Rgb {
    float r = 0, g = 0, b = 0;
};
inline Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Rgb operator*(Rgb a, float s) { return {a.r * s, a.g * s, a.b * s}; }
inline Rgb Mix(Rgb a, Rgb b, float t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }
// 0xRRGGBB to linear-ish 0..1 channels.
inline Rgb Hex(std::uint32_t c)
{
    return {float((c >> 16) & 0xFF) / 255.0f, float((c >> 8) & 0xFF) / 255.0f, float(c & 0xFF) / 255.0f};
}

float Clamp01(float v);
float Smoothstep(float e0, float e1, float v);
// Deterministic value noise in [0, 1] and its fractal sum.
float Noise(float x, float y, unsigned seed);
float Fbm(float x, float y, unsigned seed, int octaves = 4);
// Deterministic pseudo-random number in [0, 1) for (seed, n).
float Hash01(unsigned seed, unsigned n);

using Polygon = std::vector<Vec2>;

class Canvas {
public:
    Canvas(int width, int height, int supersample);

    int Width() const { return width_; }
    int Height() const { return height_; }

    // Calls shade(point, colour&) for every sample whose centre lies in the
    // rectangle; points are in output pixels.
    template <class F>
    void ShadeRect(float x0, float y0, float x1, float y1, F&& shade);
    // Calls shade(point, colour&) for every sample inside the polygon (non-zero rule).
    template <class F>
    void ShadePolygon(const Polygon& poly, F&& shade);

    void FillPolygon(const Polygon& poly, Rgb colour, float alpha);
    void FillCircle(Vec2 centre, float radius, Rgb colour, float alpha);
    void FillEllipse(Vec2 centre, float rx, float ry, float angle, Rgb colour, float alpha);
    // A round-capped line of the given width through the points.
    void Stroke(const std::vector<Vec2>& points, float width, Rgb colour, float alpha);

    plat::Image Resolve() const;

private:
    Rgb& Sample(int i, int j) { return samples_[std::size_t(j) * sw_ + i]; }
    template <class F>
    void Spans(const Polygon& poly, F&& span);

    int width_, height_, ss_, sw_, sh_;
    std::vector<Rgb> samples_;
};

template <class F>
void Canvas::ShadeRect(float x0, float y0, float x1, float y1, F&& shade)
{
    const float s = float(ss_);
    int i0 = std::max(0, int(std::floor(x0 * s - 0.5f)));
    int i1 = std::min(sw_ - 1, int(std::ceil(x1 * s - 0.5f)));
    int j0 = std::max(0, int(std::floor(y0 * s - 0.5f)));
    int j1 = std::min(sh_ - 1, int(std::ceil(y1 * s - 0.5f)));
    for (int j = j0; j <= j1; ++j)
        for (int i = i0; i <= i1; ++i) {
            Vec2 p{(float(i) + 0.5f) / s, (float(j) + 0.5f) / s};
            if (p.x >= x0 && p.x <= x1 && p.y >= y0 && p.y <= y1)
                shade(p, Sample(i, j));
        }
}

template <class F>
void Canvas::Spans(const Polygon& poly, F&& span)
{
    if (poly.size() < 3)
        return;
    const float s = float(ss_);
    float ymin = poly[0].y, ymax = poly[0].y;
    for (const Vec2& v : poly) {
        ymin = std::min(ymin, v.y);
        ymax = std::max(ymax, v.y);
    }
    int j0 = std::max(0, int(std::floor(ymin * s - 0.5f)));
    int j1 = std::min(sh_ - 1, int(std::ceil(ymax * s - 0.5f)));
    struct Cross { float x; int dir; };
    std::vector<Cross> xs;
    for (int j = j0; j <= j1; ++j) {
        const float y = (float(j) + 0.5f) / s;
        xs.clear();
        for (std::size_t k = 0; k < poly.size(); ++k) {
            Vec2 a = poly[k], b = poly[(k + 1) % poly.size()];
            if ((a.y <= y) == (b.y <= y))
                continue;
            float t = (y - a.y) / (b.y - a.y);
            xs.push_back({a.x + (b.x - a.x) * t, b.y > a.y ? 1 : -1});
        }
        std::sort(xs.begin(), xs.end(), [](const Cross& a, const Cross& b) { return a.x < b.x; });
        int wind = 0;
        for (std::size_t k = 0; k + 1 < xs.size(); ++k) {
            wind += xs[k].dir;
            if (wind == 0)
                continue;
            int i0 = std::max(0, int(std::ceil(xs[k].x * s - 0.5f)));
            int i1 = std::min(sw_ - 1, int(std::floor(xs[k + 1].x * s - 0.5f)));
            for (int i = i0; i <= i1; ++i)
                span(i, j, Vec2{(float(i) + 0.5f) / s, y});
        }
    }
}

template <class F>
void Canvas::ShadePolygon(const Polygon& poly, F&& shade)
{
    Spans(poly, [&](int i, int j, Vec2 p) { shade(p, Sample(i, j)); });
}

} // namespace fish
