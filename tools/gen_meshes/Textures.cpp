#include "tools/gen_meshes/Textures.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace meshgen {
namespace {

struct Rgb {
    float r, g, b;
};

// The rod colour tables: light (the blank) and dark (the trim), by colour.
constexpr Rgb kLight[11] = {{0.7f, 0.7f, 0.7f},    {0.5f, 0.5f, 0.5f},   {0.35f, 0.35f, 0.35f}, {0.97f, 0.73f, 0.23f},
                            {0.74f, 0.46f, 0.24f}, {0.54f, 0.15f, 0.15f}, {0.0f, 0.25f, 0.5f},   {0.35f, 0.67f, 1.0f},
                            {0.0f, 0.72f, 0.75f},  {0.0f, 0.66f, 0.37f},  {0.0f, 0.41f, 0.22f}};
constexpr Rgb kDark[11] = {{0.55f, 0.55f, 0.55f}, {0.4f, 0.4f, 0.4f},   {0.25f, 0.25f, 0.25f}, {0.63f, 0.3f, 0.12f},
                           {0.3f, 0.3f, 0.3f},    {0.37f, 0.37f, 0.37f}, {0.3f, 0.3f, 0.3f},    {0.13f, 0.6f, 1.0f},
                           {0.1f, 0.31f, 0.31f},  {0.0f, 0.26f, 0.37f},  {0.3f, 0.3f, 0.3f}};
constexpr Rgb kGrip{0.23f, 0.22f, 0.21f};
constexpr Rgb kGuideFoot{0.72f, 0.74f, 0.77f};
constexpr Rgb kGold{0.85f, 0.68f, 0.3f};

std::uint32_t Pack(Rgb c)
{
    auto ch = [](float v) { return std::uint32_t(std::clamp(v, 0.0f, 1.0f) * 255.0f + 0.5f); };
    return 0xFF000000u | ch(c.r) << 16 | ch(c.g) << 8 | ch(c.b);
}

Rgb Scale(Rgb c, float s) { return {c.r * s, c.g * s, c.b * s}; }
Rgb Mix(Rgb a, Rgb b, float t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }

// Deterministic lattice noise in 0..1, wrapping every `period` cells so the
// texture joins itself round the grip.
float Hash(int x, int y, unsigned seed)
{
    std::uint32_t h = std::uint32_t(x) * 374761393u + std::uint32_t(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return float((h ^ (h >> 16)) & 0xFFFF) / 65535.0f;
}

float Noise(float x, float y, int period, unsigned seed)
{
    const int x0 = int(std::floor(x)), y0 = int(std::floor(y));
    const float fx = x - float(x0), fy = y - float(y0);
    auto at = [&](int i, int j) { return Hash(((i % period) + period) % period, ((j % period) + period) % period, seed); };
    const float sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    const float a = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * sx;
    const float b = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * sx;
    return a + (b - a) * sy;
}

} // namespace

plat::Image RodTexture(int colour)
{
    colour = std::clamp(colour, 0, 10);
    const Rgb blank = kLight[colour];
    const Rgb thread = Scale(kDark[colour], 0.45f);
    plat::Image img(kRodTextureWidth, kRodTextureHeight);
    // Rings closer together toward the tip, as on a real blank.
    const float rings[] = {0.035f, 0.08f, 0.14f, 0.21f, 0.29f, 0.38f, 0.48f, 0.59f, 0.71f, 0.84f};
    for (int x = 0; x < img.width; ++x) {
        const float u = (float(x) + 0.5f) / float(img.width);
        for (int y = 0; y < img.height; ++y) {
            Rgb c = blank;
            for (float r : rings) {
                const float half = 1.5f + 2.0f * r; // wider whippings toward the butt, in texels
                const float d = std::fabs(u - r) * float(img.width);
                if (d <= half) {
                    c = thread;
                    // The ring's foot lies along one side of the blank.
                    if (d <= 0.6f + r && y >= 5 && y <= 10)
                        c = kGuideFoot;
                }
            }
            // The decorative wrap ahead of the reel seat, with gold trims.
            if (u > 0.925f) {
                c = thread;
                if (std::fabs(u - 0.93f) * float(img.width) < 1.0f || std::fabs(u - 0.99f) * float(img.width) < 1.0f)
                    c = kGold;
            }
            if (x < 3) // the grip colour, which the handle's vertices take
                c = kGrip;
            img.At(x, y) = Pack(c);
        }
    }
    return img;
}

plat::Image PlainTexture(float r, float g, float b)
{
    return plat::Image(kPlainTextureSize, kPlainTextureSize, Pack({r, g, b}));
}

plat::Image ReelSeatTexture()
{
    // Dark graphite with a fine woven look.
    plat::Image img(kSeatTextureSize, kSeatTextureSize);
    const Rgb base{0.2f, 0.21f, 0.23f};
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) {
            const int cx = x / 4, cy = y / 4;
            const bool warp = ((cx + cy) & 1) == 0;
            const float along = warp ? float(x % 4) / 3.0f : float(y % 4) / 3.0f;
            const float sheen = 0.95f + 0.12f * std::sin(along * 3.14159f);
            img.At(x, y) = Pack(Scale(base, sheen * (warp ? 1.03f : 0.96f)));
        }
    return img;
}

plat::Image CorkTexture()
{
    // Cork: a warm tan, mottled, with dark pores and the rings' faint joints.
    plat::Image img(kCorkTextureSize, kCorkTextureSize);
    const Rgb light{0.84f, 0.7f, 0.5f}, dark{0.55f, 0.4f, 0.25f}, pore{0.32f, 0.22f, 0.13f};
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) {
            const float fx = float(x) / 8.0f, fy = float(y) / 8.0f;
            float n = 0.55f * Noise(fx, fy, 16, 1) + 0.3f * Noise(fx * 2, fy * 2, 32, 2) + 0.15f * Noise(fx * 4, fy * 4, 64, 3);
            Rgb c = Mix(dark, light, std::clamp((n - 0.25f) * 1.6f, 0.0f, 1.0f));
            const float p = Noise(float(x) / 2.0f, float(y) / 2.0f, 64, 4);
            if (p > 0.8f)
                c = Mix(c, pore, std::min(1.0f, (p - 0.8f) * 6.0f));
            if (y % 16 == 0) // joints between the cork rings, across the grip
                c = Scale(c, 0.85f);
            img.At(x, y) = Pack(c);
        }
    return img;
}

} // namespace meshgen
