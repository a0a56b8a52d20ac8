#include "tools/gen_scenes/Sprites.h"

#include "tools/gen_scenes/Paint.h"

#include <cmath>

namespace scenes {

namespace {

constexpr float kPi = 3.14159265f;

struct Ink {
    Rgb c;
    float a = 0;
};

// Fills a rectangle of a layer from a shader of points, 4 x 4 samples a
// pixel, so every edge is smooth.
template <class F>
void Render(Layer& layer, int x0, int y0, int x1, int y1, F shade)
{
    constexpr int n = 4;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            Rgb sum;
            float alpha = 0;
            for (int j = 0; j < n; ++j)
                for (int i = 0; i < n; ++i) {
                    Ink ink = shade(float(x) + (i + 0.5f) / n, float(y) + (j + 0.5f) / n);
                    sum = sum + ink.c * ink.a;
                    alpha += ink.a;
                }
            if (alpha > 0)
                layer.Over(x, y, sum * (1.0f / alpha), alpha / (n * n));
        }
}

// A fish seen from the side, its nose toward +u, centred on (cx, cy), of
// length len, turned by angle (radians, clockwise on screen). bend curves
// the body (the tail swings); pale draws a spent fish.
struct SideFish {
    float cx, cy, len, angle, bend = 0;
    bool pale = false;
    float clipBelow = 1e9f; // nothing of the fish below this row (under water)

    Ink At(float px, float py) const
    {
        Ink none;
        if (py > clipBelow)
            return none;
        const float dx = px - cx, dy = py - cy;
        const float ca = std::cos(angle), sa = std::sin(angle);
        float u = (dx * ca + dy * sa) / len;  // -0.5 tail .. 0.5 nose
        float v = (-dx * sa + dy * ca) / len; // + toward the belly
        v -= bend * (u - 0.5f) * (u - 0.5f) * 0.35f;
        const float body = 0.5f - 0.05f;
        Ink ink;
        if (u > -0.38f && u < body) {
            const float t = (u + 0.38f) / (body + 0.38f); // 0 tail root .. 1 nose
            const float half = 0.13f * std::pow(std::sin(kPi * std::pow(t, 0.8f)), 0.75f) + 0.025f * (1 - t);
            if (std::abs(v) <= half) {
                const float s = (v / half + 1) * 0.5f; // 0 back .. 1 belly
                Rgb back = pale ? Hex(0x7D8C86) : Hex(0x2C4636);
                Rgb side = pale ? Hex(0xC8D0CC) : Hex(0x8FA596);
                Rgb belly = Hex(0xF1F1EA);
                // A dark back over a third of the flank, silver sides, a pale belly.
                Rgb c = s < 0.55f ? Mix(back, side, Smoothstep(0.2f, 0.6f, s))
                                  : Mix(side, belly, Smoothstep(0.55f, 0.85f, s));
                // Scales and a lateral line.
                c = c * (0.93f + 0.1f * Noise(u * 60, v * 60, 7));
                if (std::abs(s - 0.48f) < 0.025f)
                    c = c * 0.8f;
                // The eye and the gill line.
                const float eu = u - 0.39f, ev = v + 0.025f;
                if (eu * eu + ev * ev < 0.00055f)
                    c = (eu * eu + ev * ev < 0.00018f) ? Hex(0x101010) : Hex(0xE8D9A0);
                if (std::abs(u - 0.3f + 0.06f * std::abs(v) / half) < 0.006f && std::abs(v) < half * 0.8f)
                    c = c * 0.75f;
                ink.c = c;
                ink.a = 1;
                return ink;
            }
            // Dorsal fin on the back, a small anal fin under the belly.
            if (v < 0 && t > 0.35f && t < 0.62f && -v < half + 0.07f * std::sin(kPi * (t - 0.35f) / 0.27f)) {
                ink.c = pale ? Hex(0x8D9993) : Hex(0x4C6457);
                ink.a = 0.95f;
                return ink;
            }
            if (v > 0 && t > 0.18f && t < 0.3f && v < half + 0.04f * std::sin(kPi * (t - 0.18f) / 0.12f)) {
                ink.c = Hex(0xB9A48A);
                ink.a = 0.9f;
                return ink;
            }
        }
        // A forked tail.
        if (u <= -0.36f && u > -0.5f) {
            const float k = (-0.36f - u) / 0.14f; // 0 root .. 1 tip
            const float spread = 0.03f + 0.16f * k;
            const float notch = 0.07f * k * k;
            if (std::abs(v) < spread && std::abs(v) > notch * 0.9f - 0.0f) {
                ink.c = pale ? Hex(0x8D9993) : Hex(0x46604F);
                ink.a = 0.95f;
                return ink;
            }
        }
        return none;
    }
};

// Droplets and a crown of spray on the water line of a jump frame.
Ink Splash(float px, float py, float cx, float waterY, float size, unsigned seed)
{
    Ink ink;
    // The crown: a rough bright mound.
    const float dx = (px - cx) / size;
    const float crown = waterY - size * 0.35f * std::max(0.0f, 1 - dx * dx) * (0.7f + 0.6f * Noise(px * 0.3f, 1, seed));
    if (py >= crown && py <= waterY + 2 && std::abs(dx) < 1) {
        ink.c = Mix(Hex(0xFFFFFF), Hex(0xBFD6E2), Noise(px * 0.4f, py * 0.4f, seed + 1));
        ink.a = 0.9f;
        return ink;
    }
    // Droplets above it.
    for (unsigned k = 0; k < 14; ++k) {
        const float ox = cx + (Hash01(seed, k) - 0.5f) * size * 1.6f;
        const float oy = waterY - size * (0.3f + 0.9f * Hash01(seed + 1, k));
        const float r = 0.8f + 1.2f * Hash01(seed + 2, k);
        if ((px - ox) * (px - ox) + (py - oy) * (py - oy) < r * r) {
            ink.c = Hex(0xE8F2F8);
            ink.a = 0.85f;
            return ink;
        }
    }
    return ink;
}

} // namespace

plat::Image PaintRing()
{
    Layer l(50, 17);
    Render(l, 0, 0, 50, 17, [](float px, float py) {
        const float dx = (px - 25.0f) / 23.0f, dy = (py - 8.5f) / 7.0f;
        const float r = std::sqrt(dx * dx + dy * dy);
        Ink ink;
        const float d = std::abs(r - 1.0f) * 7.0f; // in pixels, roughly
        if (d < 1.0f) {
            // The near half of the ring catches more light than the far one.
            const float front = dy > 0 ? 1.0f : 0.7f;
            ink.c = Mix(Hex(0xDCEAF2), Hex(0xFFFFFF), front - 0.3f);
            ink.a = (1.0f - d) * front;
        }
        return ink;
    });
    return l.ToImage();
}

plat::Image PaintFishSheet()
{
    Layer l(600, 200);
    // Row 0: lying on the side (facing left, then right), then swimming.
    for (int col = 0; col < 6; ++col) {
        const float ox = col * 100.0f, oy = 0;
        SideFish f{ox + 50, oy + 50, 84, 0};
        if (col == 0) {
            f.angle = kPi + 0.15f;
            f.pale = true;
        } else if (col == 1) {
            f.angle = -0.15f;
            f.pale = true;
        } else {
            f.bend = std::sin(float(col - 2) * kPi / 2) * 0.5f;
        }
        Render(l, int(ox), int(oy), int(ox) + 100, int(oy) + 100, [&](float px, float py) { return f.At(px, py); });
    }
    // Row 1: the jump, from the first break of the surface to the splash.
    struct Pose {
        float x, y, angle, bend;
        bool splash;
        float clip;
    };
    const Pose poses[6] = {{46, 74, -1.0f, 0.2f, true, 84},  {48, 50, -0.6f, -0.2f, false, 84},
                           {50, 36, 0.0f, -0.3f, false, 84}, {52, 50, 0.6f, -0.2f, false, 84},
                           {54, 74, 1.0f, 0.2f, true, 84},   {50, 200, 0, 0, true, 84}};
    for (int col = 0; col < 6; ++col) {
        const float ox = col * 100.0f, oy = 100;
        const Pose& p = poses[col];
        SideFish f{ox + p.x, oy + p.y, 74, p.angle, p.bend};
        f.clipBelow = oy + p.clip;
        Render(l, int(ox), int(oy), int(ox) + 99, int(oy) + 100, [&](float px, float py) {
            Ink ink = f.At(px, py);
            if (ink.a > 0)
                return ink;
            if (p.splash)
                return Splash(px, py, ox + 50, oy + 86, col == 5 ? 24.0f : 18.0f, 60u + unsigned(col));
            return ink;
        });
    }
    plat::Image img = l.ToImage();
    // The jump's last step reads past the sheet, where the drawer repeats
    // the edge column: that column stays empty so the step shows nothing.
    for (int y = 0; y < img.height; ++y)
        img.At(img.width - 1, y) = 0;
    return img;
}

plat::Image PaintSurfaceFish()
{
    Layer l(480, 18);
    for (int f = 0; f < 12; ++f) {
        const float ox = f * 40.0f;
        const float phase = float(f) * 2 * kPi / 12;
        Render(l, int(ox), 0, int(ox) + 40, 18, [&](float px, float py) {
            Ink ink;
            const float u = (px - ox - 20) / 34.0f; // -0.5 tail .. 0.5 nose (facing right)
            const float wave = std::sin(phase - u * 5.0f) * 2.2f * (0.5f - u);
            const float v = py - 9.0f - wave;
            const float t = u + 0.5f;
            if (u > -0.36f && u < 0.5f) {
                const float half = 3.4f * std::pow(std::sin(kPi * std::pow((u + 0.36f) / 0.86f, 0.8f)), 0.7f);
                if (std::abs(v) < half) {
                    ink.c = Mix(Hex(0x2F4038), Hex(0x6E8478), std::abs(v) / std::max(half, 0.1f));
                    ink.a = 0.95f;
                    return ink;
                }
                // Pectoral fins.
                if (std::abs(u - 0.18f) < 0.05f && std::abs(v) < half + 2.0f) {
                    ink.c = Hex(0x4A5E53);
                    ink.a = 0.6f;
                    return ink;
                }
            }
            if (u <= -0.34f && u > -0.5f) {
                const float k = (-0.34f - u) / 0.16f;
                if (std::abs(v) < 1.0f + 4.0f * k && std::abs(v) > 2.2f * k * k) {
                    ink.c = Hex(0x3A4D43);
                    ink.a = 0.9f;
                }
            }
            (void)t;
            return ink;
        });
    }
    return l.ToImage();
}

plat::Image PaintWeatherIcons()
{
    Layer l(175, 28);
    auto cloud = [](float px, float py, float cx, float cy, float s, Rgb top, Rgb bottom) {
        Ink ink;
        const float blobs[4][3] = {{-7, 2, 5.5f}, {0, -2, 7.5f}, {7, 1, 6}, {2, 4, 5}};
        for (const auto& b : blobs) {
            const float dx = px - (cx + b[0] * s), dy = py - (cy + b[1] * s);
            if (dx * dx + dy * dy < b[2] * b[2] * s * s) {
                ink.c = Mix(top, bottom, Clamp01((py - (cy - 9 * s)) / (16 * s)));
                ink.a = 1;
            }
        }
        if (ink.a == 0 && py < cy + 6 * s && py > cy + 1 * s && px > cx - 10 * s && px < cx + 11 * s) {
            ink.c = bottom;
            ink.a = 1;
        }
        return ink;
    };
    for (int f = 0; f < 5; ++f) {
        const float ox = f * 35.0f;
        Render(l, int(ox), 0, int(ox) + 35, 28, [&](float px, float py) {
            Ink ink;
            const float x = px - ox, y = py;
            switch (f) {
            case 0: {
                const float dx = x - 17.5f, dy = y - 14;
                const float r = std::sqrt(dx * dx + dy * dy);
                if (r < 7) {
                    ink.c = Mix(Hex(0xFFF3A0), Hex(0xFFC21A), r / 7);
                    ink.a = 1;
                } else if (r > 8.5f && r < 12.5f) {
                    const float a = std::atan2(dy, dx);
                    if (std::abs(std::sin(a * 4)) > 0.8f) {
                        ink.c = Hex(0xFFB400);
                        ink.a = 1;
                    }
                }
                break;
            }
            case 1: ink = cloud(x, y, 17.5f, 14, 1.1f, Hex(0xFFFFFF), Hex(0xB8C2CC)); break;
            case 2:
            case 3: {
                ink = cloud(x, y, 17.5f, 10, 0.9f, Hex(0xD5DBE1), Hex(0x7E8A96));
                if (ink.a > 0)
                    break;
                for (int k = 0; k < 4; ++k) {
                    const float bx = 9 + k * 5.5f, by = 21 + (k % 2) * 3;
                    if (f == 2) {
                        // Slanted streaks of rain.
                        const float t = (y - (by - 3)) / 6;
                        if (t >= 0 && t <= 1 && std::abs(x - (bx + 1.5f - t * 3)) < 0.8f) {
                            ink.c = Hex(0x4FA3F0);
                            ink.a = 1;
                        }
                    } else {
                        const float dx = x - bx, dy = y - by;
                        if (dx * dx + dy * dy < 2.6f) {
                            ink.c = Hex(0xFFFFFF);
                            ink.a = 1;
                        } else if (dx * dx + dy * dy < 10) {
                            ink.c = Hex(0x6C8FB3);
                            ink.a = 0.5f;
                        }
                    }
                }
                break;
            }
            default: {
                for (int k = 0; k < 4; ++k) {
                    const float cy = 7 + k * 5 + std::sin(x * 0.45f + k) * 1.2f;
                    const float x0 = 4 + (k % 2) * 4, x1 = 31 - ((k + 1) % 2) * 4;
                    if (std::abs(y - cy) < 1.4f && x > x0 && x < x1) {
                        ink.c = Mix(Hex(0xE4E8EC), Hex(0xA9B2BA), k / 3.0f);
                        ink.a = 1;
                    }
                }
                break;
            }
            }
            return ink;
        });
    }
    return l.ToImage();
}

plat::Image PaintDrops()
{
    plat::Image img(12, 5, 0);
    auto put = [&](int x, int y, std::uint32_t argb) { img.At(x, y) = argb; };
    const std::uint32_t hi = 0xF0E2EEF8u, lo = 0x90C8DDF0u;
    // 0: falling toward decreasing x, 1: straight, 2: toward increasing x.
    put(2, 0, lo), put(2, 1, hi), put(1, 2, hi), put(1, 3, hi), put(0, 4, lo);
    put(4, 0, lo), put(4, 1, hi), put(4, 2, hi), put(4, 3, hi), put(4, 4, lo);
    put(6, 0, lo), put(6, 1, hi), put(7, 2, hi), put(7, 3, hi), put(8, 4, lo);
    // 3: a snow flake.
    put(10, 1, 0xB0FFFFFFu), put(9, 2, 0xB0FFFFFFu), put(10, 2, 0xFFFFFFFFu), put(11, 2, 0xB0FFFFFFu),
        put(10, 3, 0xB0FFFFFFu);
    return img;
}

plat::Image PaintFog()
{
    Layer l(800, 600);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) {
            // Banks of mist, thickest over the far water.
            const float band = std::exp(-std::pow((float(y) - 220.0f) / 260.0f, 2.0f));
            const float wisps = Fbm(float(x) / 180.0f, float(y) / 60.0f, 77, 5);
            const float a = Clamp01(0.5f + 0.3f * band + 0.25f * (wisps - 0.5f));
            l.Over(x, y, Mix(Hex(0xDCE2E6), Hex(0xF4F6F7), wisps), a);
        }
    return l.ToImage();
}

} // namespace scenes
