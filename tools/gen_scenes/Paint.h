#pragma once
// Shared helpers of the scene painters: colours with alpha, an RGBA layer
// that composes "over", and the water line a venue's upper limits give.
#include "platform/Image.h"
#include "tools/gen_fish/Canvas.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace scenes {

using fish::Fbm;
using fish::Hash01;
using fish::Hex;
using fish::Mix;
using fish::Noise;
using fish::Rgb;
using fish::Smoothstep;

inline float Clamp01(float v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }

// A straight-alpha RGBA picture in floats.
struct Layer {
    int w, h;
    std::vector<Rgb> c;
    std::vector<float> a;
    Layer(int width, int height) : w(width), h(height), c(std::size_t(width) * height), a(std::size_t(width) * height, 0) {}
    void Over(int x, int y, Rgb colour, float alpha)
    {
        if (x < 0 || y < 0 || x >= w || y >= h || alpha <= 0)
            return;
        alpha = Clamp01(alpha);
        const std::size_t i = std::size_t(y) * w + x;
        const float da = a[i];
        const float oa = alpha + da * (1 - alpha);
        if (oa <= 0)
            return;
        c[i] = (colour * alpha + c[i] * (da * (1 - alpha))) * (1.0f / oa);
        a[i] = oa;
    }
    plat::Image ToImage() const
    {
        plat::Image img(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const std::size_t i = std::size_t(y) * w + x;
                auto ch = [](float v) { return std::uint32_t(std::lround(Clamp01(v) * 255.0f)); };
                std::uint32_t al = ch(a[i]);
                std::uint32_t px = al << 24 | ch(c[i].r) << 16 | ch(c[i].g) << 8 | ch(c[i].b);
                // Never the colour key by accident on an opaque pixel.
                if (px == 0xFF8603BDu)
                    px = 0xFF8604BDu;
                if (al == 0)
                    px = 0;
                img.At(x, y) = px;
            }
        return img;
    }
};

// Where the water begins at picture column x, as the game's upper limits
// put it: level L at row 13 - L of 30 (rows 6..13), shaped per slot.
inline float WaterLine(const std::string& levels, const std::string& types, int w, int h, float x)
{
    const float row = float(h) / 30.0f;
    const float slotW = float(w) / 32.0f;
    int slot = std::clamp(int(x * 32.0f / float(w)), 0, 31);
    const int level = std::clamp(levels[std::size_t(slot)] - '0', 0, 7);
    const int type = level == 7 ? 0 : std::clamp(types[std::size_t(slot)] - '0', 0, 3);
    float y = float(std::clamp(13 - level, 6, 13)) * row;
    const float left = float(slot) * slotW, right = left + slotW;
    if (type == 1)
        y -= 0.5f * row;
    else if (type == 2)
        y -= (x - left) * row / slotW;
    else if (type == 3)
        y -= (right - x) * row / slotW;
    return y;
}

} // namespace scenes
