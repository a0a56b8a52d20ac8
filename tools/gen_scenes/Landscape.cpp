#include "tools/gen_scenes/Landscape.h"

#include "tools/gen_scenes/Paint.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace scenes {

namespace {

constexpr int kSamples = 3; // per axis

struct Tree {
    float x, w, h;
    int kind;
    float tint;
};

struct House {
    float x0, x1, height, roof;
    Rgb wall, roofColour;
    int tier;
};

class Painter {
public:
    explicit Painter(const LandscapeSpec& s) : s_(s), W(float(s.width)), H(float(s.height)), row_(H / 30.0f)
    {
        const int n = s.width * kSamples;
        line_.resize(std::size_t(n));
        horizon_ = H;
        for (int i = 0; i < n; ++i) {
            line_[std::size_t(i)] = WaterLine(s.levels, s.types, s.width, s.height, (float(i) + 0.5f) / kSamples);
            horizon_ = std::min(horizon_, line_[std::size_t(i)]);
        }
        for (float l : line_)
            maxDrop_ = std::max(maxDrop_, l - horizon_);
        // The reflection's mirror and the water's shading follow a smoothed
        // line, so the steps of the shore do not cut seams into the water.
        smooth_.resize(line_.size());
        const int k = std::max(1, int(W / 16.0f) * kSamples);
        for (int i = 0; i < n; ++i) {
            float sum = 0;
            int m = 0;
            for (int j = std::max(0, i - k); j <= std::min(n - 1, i + k); j += kSamples) {
                sum += line_[std::size_t(j)];
                ++m;
            }
            smooth_[std::size_t(i)] = sum / float(m);
        }
        PlaceTrees();
        PlaceHouses();
    }

    plat::Image Paint()
    {
        Layer out(s_.width, s_.height);
        for (int y = 0; y < s_.height; ++y)
            for (int x = 0; x < s_.width; ++x) {
                Rgb sum;
                for (int j = 0; j < kSamples; ++j)
                    for (int i = 0; i < kSamples; ++i) {
                        const float px = float(x) + (float(i) + 0.5f) / kSamples;
                        const float py = float(y) + (float(j) + 0.5f) / kSamples;
                        sum = sum + Shade(px, py);
                    }
                out.Over(x, y, sum * (1.0f / (kSamples * kSamples)), 1.0f);
            }
        return out.ToImage();
    }

private:
    float Line(float px) const
    {
        const int i = std::clamp(int(px * kSamples), 0, int(line_.size()) - 1);
        return line_[std::size_t(i)];
    }

    // --- layout of trees and houses along the shore -----------------------

    void PlaceTrees()
    {
        if (s_.trees == Trees::None)
            return;
        const float base = s_.treeHeight * row_;
        unsigned n = 0;
        for (float x = -20; x < W + 20;) {
            Tree t;
            const float r = Hash01(s_.seed + 11, n++);
            t.x = x;
            t.tint = Hash01(s_.seed + 12, n);
            switch (s_.trees) {
            case Trees::Conifers:
                t.kind = 0;
                t.h = base * (0.6f + 0.7f * r);
                t.w = t.h * 0.22f;
                x += t.w * (0.5f + 0.6f * Hash01(s_.seed + 13, n));
                break;
            case Trees::Broadleaf:
                t.kind = 1;
                t.h = base * (0.6f + 0.5f * r);
                t.w = t.h * 0.45f;
                x += t.w * (0.7f + 0.8f * Hash01(s_.seed + 13, n));
                break;
            case Trees::Poplars:
                // Tall poplars in a row with rounder trees between them.
                t.kind = Hash01(s_.seed + 14, n) < 0.6f ? 2 : 1;
                t.h = base * (t.kind == 2 ? 0.9f + 0.5f * r : 0.45f + 0.3f * r);
                t.w = t.h * (t.kind == 2 ? 0.13f : 0.45f);
                x += t.w * (0.9f + 1.2f * Hash01(s_.seed + 13, n)) + (t.kind == 2 ? 4 : 0);
                break;
            case Trees::Cypress:
                t.kind = Hash01(s_.seed + 14, n) < 0.35f ? 3 : 4;
                t.h = base * (t.kind == 3 ? 0.9f + 0.5f * r : 0.25f + 0.25f * r);
                t.w = t.h * (t.kind == 3 ? 0.12f : 0.7f);
                x += t.w * (0.8f + 1.5f * Hash01(s_.seed + 13, n));
                break;
            default:
                t.kind = 4;
                t.h = base * (0.3f + 0.4f * r);
                t.w = t.h * 0.9f;
                x += t.w * (0.6f + 0.8f * Hash01(s_.seed + 13, n));
                break;
            }
            trees_.push_back(t);
            maxTreeW_ = std::max(maxTreeW_, t.w);
        }
    }

    void PlaceHouses()
    {
        if (s_.houses == Houses::None)
            return;
        const Rgb walls[] = {Hex(0xE8C07A), Hex(0xD9784A), Hex(0xF0E2C0), Hex(0xC8553D), Hex(0xE6A94E),
                             Hex(0xF2D7A6), Hex(0xB9503A), Hex(0xE9D3B8)};
        unsigned n = 0;
        const int tiers = s_.houses == Houses::Harbour ? 3 : 1;
        for (int tier = tiers - 1; tier >= 0; --tier) {
            float x = s_.houses == Houses::Village ? W * 0.55f : -10.0f;
            const float end = s_.houses == Houses::Village ? W * 0.8f : W * 0.72f;
            while (x < end) {
                House h;
                const float r = Hash01(s_.seed + 21 + unsigned(tier), n++);
                const float unit = row_ * (s_.houses == Houses::Harbour ? 1.0f : 0.7f);
                h.x0 = x;
                h.x1 = x + unit * (1.2f + 1.3f * r);
                h.height = unit * (1.3f + 1.2f * Hash01(s_.seed + 23, n)) * (s_.houses == Houses::Village ? 0.8f : 1.0f);
                h.roof = unit * 0.35f;
                h.wall = walls[unsigned(Hash01(s_.seed + 24, n) * 8) % 8];
                h.roofColour = Mix(Hex(0x9A4A2E), Hex(0xB86B45), Hash01(s_.seed + 25, n));
                h.tier = tier;
                houses_.push_back(h);
                x = h.x1 + (Hash01(s_.seed + 26, n) < 0.2f ? unit * 0.8f : 0.5f);
            }
        }
    }

    // The ground a house or tree stands on.
    float Ground(float x) const
    {
        if (!s_.sea)
            return Line(x) - BankHeight();
        return std::min(Line(x) - BankHeight(), Line(x));
    }
    float BankHeight() const { return s_.bank == Bank::Concrete ? row_ * 0.45f : row_ * 0.3f; }

    // --- shading ----------------------------------------------------------

    Rgb Shade(float px, float py) const
    {
        const float wl = Line(px);
        if (py >= wl)
            return Water(px, py, wl);
        return Land(px, py);
    }

    Rgb Sky(float px, float py) const
    {
        const float t = Clamp01(py / std::max(1.0f, horizon_ + row_));
        Rgb c = Mix(s_.skyTop, s_.skyLow, std::pow(t, 0.8f));
        // Fair-weather clouds: soft-edged, lit from above.
        const float cx = px / W * 5.0f, cy = py / H * 11.0f;
        const float n = Fbm(cx, cy, s_.seed + 1, 5);
        const float band = 1.0f - Smoothstep(0.0f, 0.45f, std::abs(t - 0.45f));
        const float cover = Smoothstep(0.56f, 0.72f, n) * band;
        if (cover > 0) {
            const float shade = Fbm(cx * 1.5f, cy * 1.5f - 0.3f, s_.seed + 2, 3);
            const Rgb cloud = Mix(Hex(0xFFFFFF), Hex(0xC9D3DF), Clamp01(shade * 0.9f + (n - 0.6f)));
            c = Mix(c, cloud, cover * 0.9f);
        }
        return c;
    }

    float FarTop(float px) const
    {
        switch (s_.far) {
        case Far::Alps: {
            // Ridged peaks of three sizes.
            auto ridge = [&](float f, unsigned k) {
                const float n = 1.0f - std::abs(Noise(px / W * f, 0.5f + float(k), s_.seed + k) * 2.0f - 1.0f);
                return std::pow(n, 1.6f);
            };
            const float h = 0.6f * ridge(2.2f, 3) + 0.28f * ridge(6.0f, 4) + 0.12f * ridge(15.0f, 5);
            const float base = s_.farTop * H;
            const float low = horizon_ - row_ * 1.2f;
            return low - (low - base) * std::pow(h, 1.3f);
        }
        case Far::Hills: {
            const float base = s_.farTop * H;
            return base + Fbm(px / W * 3.0f, 2.5f, s_.seed + 3, 4) * row_ * 3.0f;
        }
        case Far::Coast: {
            const float n = Fbm(px / W * 4.0f, 3.5f, s_.seed + 3, 4);
            // A far coast: low headlands fading into the haze.
            return horizon_ - row_ * 0.1f - Smoothstep(0.4f, 0.75f, n) * row_ * 1.6f;
        }
        default: return H * 2;
        }
    }

    float HillTop(float px) const
    {
        if (!s_.hills)
            return H * 2;
        const float n = Fbm(px / W * 4.0f, 7.5f, s_.seed + 5, 4);
        return horizon_ - row_ * (1.0f + 2.6f * n);
    }

    // The headland of a sea venue: land rises wherever the water line
    // drops below the horizon.
    float HeadlandTop(float px) const
    {
        if (!s_.sea)
            return H * 2;
        const float drop = Line(px) - horizon_;
        if (drop < 0.5f)
            return H * 2;
        // Rounded, not a straight ramp: its height grows fast near the sea.
        const float k = std::sqrt(drop / std::max(maxDrop_, 1.0f));
        return Line(px) - maxDrop_ * 2.4f * k - Fbm(px / W * 12.0f, 9.5f, s_.seed + 6, 3) * drop * 0.8f;
    }

    // Height of the vegetation above its ground at px, 0 where none.
    float TreeAt(float px, float py, Rgb& colour) const
    {
        float best = -1;
        auto first = std::lower_bound(trees_.begin(), trees_.end(), px - maxTreeW_ * 1.2f,
                                      [](const Tree& t, float v) { return t.x < v; });
        for (auto it = first; it != trees_.end() && it->x <= px + maxTreeW_ * 1.2f; ++it) {
            const Tree& t = *it;
            const float dx = px - t.x;
            if (std::abs(dx) > t.w * 1.2f)
                continue;
            const float g = Ground(t.x) + row_ * 0.15f;
            const float u = std::abs(dx) / t.w;
            float top = 0;
            switch (t.kind) {
            case 0: { // conifer: tiers of branches
                if (u > 1)
                    continue;
                const float tier = std::fmod((g - py) / (t.h * 0.16f), 1.0f);
                top = g - t.h * (1.0f - u) - t.h * 0.08f * (1.0f - tier) * (1.0f - u);
                break;
            }
            case 1: { // broadleaf: round crown of lumps
                if (u > 1)
                    continue;
                const float lump = Fbm(px * 0.08f, py * 0.08f, s_.seed + 7, 3);
                top = g - t.h * 0.35f - t.h * 0.65f * std::sqrt(std::max(0.0f, 1.0f - u * u)) * (0.8f + 0.4f * lump);
                if (u < 0.1f)
                    top = std::min(top, g - t.h * 0.35f);
                break;
            }
            case 2: // poplar: tall and narrow
            case 3: { // cypress: a dark flame
                if (u > 1)
                    continue;
                const float e = t.kind == 2 ? 2.0f : 1.4f;
                top = g - t.h * std::pow(std::max(0.0f, 1.0f - std::pow(u, e)), t.kind == 2 ? 0.5f : 0.9f);
                break;
            }
            default: { // scrub
                if (u > 1.1f)
                    continue;
                const float lump = Fbm(px * 0.05f, 3.0f, s_.seed + 8, 3);
                top = g - t.h * std::sqrt(std::max(0.0f, 1.0f - u * u / 1.21f)) * (0.7f + 0.5f * lump);
                break;
            }
            }
            if (py >= top && (best < 0 || top < best)) {
                best = top;
                const float light = Clamp01(0.55f + 0.45f * (-dx / t.w) * 0.6f + 0.3f * (1.0f - (py - top) / t.h));
                const float grain = Fbm(px * 0.35f, py * 0.35f, s_.seed + 9, 2);
                Rgb base = s_.treeColour;
                if (t.kind == 3)
                    base = base * 0.7f;
                base = Mix(base, base * 1.25f, t.tint);
                colour = base * (0.55f + 0.6f * light * (0.7f + 0.6f * grain));
            }
        }
        return best;
    }

    bool HouseAt(float px, float py, Rgb& colour) const
    {
        for (const House& h : houses_) {
            if (px < h.x0 || px >= h.x1)
                continue;
            const float g = Ground((h.x0 + h.x1) * 0.5f) - float(h.tier) * row_ * 1.7f;
            const float top = g - h.height;
            const float mid = (h.x0 + h.x1) * 0.5f;
            const float roofTop = top - h.roof * (1.0f - std::abs(px - mid) / ((h.x1 - h.x0) * 0.5f));
            if (py < roofTop || py > g)
                continue;
            if (py < top) {
                colour = h.roofColour * (px < mid ? 1.05f : 0.85f);
                return true;
            }
            // Walls with shuttered windows in rows.
            Rgb c = h.wall * (0.92f + 0.1f * Noise(px * 0.3f, py * 0.3f, s_.seed + 30));
            const float wx = std::fmod(px - h.x0, row_ * 0.55f), wy = std::fmod(py - top, row_ * 0.6f);
            if (wx > row_ * 0.2f && wx < row_ * 0.38f && wy > row_ * 0.18f && wy < row_ * 0.42f &&
                px - h.x0 > row_ * 0.15f && h.x1 - px > row_ * 0.15f && g - py > row_ * 0.2f)
                c = Mix(Hex(0x3C5A3A), Hex(0x2A2A2A), 0.4f);
            if (px > h.x1 - (h.x1 - h.x0) * 0.18f)
                c = c * 0.82f;
            colour = c;
            return true;
        }
        return false;
    }

    Rgb BankColour(float px, float py) const
    {
        const float n = Fbm(px * 0.12f, py * 0.3f, s_.seed + 40, 3);
        switch (s_.bank) {
        case Bank::Stones: return Mix(Hex(0x8D8A82), Hex(0xC9C4B8), n) * (0.8f + 0.3f * Noise(px * 0.5f, py * 0.5f, 41));
        case Bank::Sand: return Mix(Hex(0xD8C38F), Hex(0xEADBB0), n);
        case Bank::Rock: return Mix(Hex(0x6F6A63), Hex(0xA59D8E), n);
        case Bank::Concrete: return Mix(Hex(0xA8A49A), Hex(0xC8C3B6), n * 0.5f);
        default: return Mix(Hex(0x5E7F35), Hex(0x86A048), n);
        }
    }

    Rgb Land(float px, float py) const
    {
        const float wl = Line(px);
        Rgb c = Sky(px, py);
        const float far = FarTop(px);
        if (py >= far) {
            if (s_.far == Far::Alps) {
                // Light from the left: slopes facing it are bright.
                // Ridges and gullies: a 2D relief lit from the left, so the
                // rock does not fall in vertical curtains.
                const float slope = FarTop(px + 3.0f) - FarTop(px - 3.0f);
                const float rx = px * 0.015f, ry = py * 0.02f;
                const float relief = Fbm(rx + 0.1f, ry, s_.seed + 12, 4) - Fbm(rx - 0.1f, ry, s_.seed + 12, 4);
                const float light = Clamp01(0.55f + slope * 0.03f + relief * 6.0f);
                const float low = horizon_ - row_ * 1.2f;
                const float snowLine = s_.farTop * H + (low - s_.farTop * H) * 0.35f +
                                       row_ * 1.6f * (Fbm(px / W * 20.0f, py / H * 30.0f, s_.seed + 10, 3) - 0.5f);
                const float depth = Clamp01((py - far) / std::max(1.0f, low - far));
                const float streak = Fbm(px * 0.02f, py * 0.02f, s_.seed + 11, 3);
                Rgb rock = Mix(s_.farColour, Hex(0x5F6F62), depth * 0.8f) * (0.8f + 0.35f * streak);
                Rgb snow = Mix(Hex(0xB4C3D6), Hex(0xFFFFFF), light);
                c = (py < snowLine && streak > 0.3f) ? snow : rock * (0.65f + 0.6f * light);
                c = Mix(c, s_.skyLow, 0.3f * (1.0f - depth)); // distance haze
            } else {
                const float depth = Clamp01((py - far) / (row_ * 3.0f));
                c = Mix(Mix(s_.farColour, s_.skyLow, 0.35f), s_.farColour, depth);
            }
        }
        if (py >= HillTop(px)) {
            const float n = Fbm(px * 0.02f, py * 0.05f, s_.seed + 42, 4);
            c = Mix(s_.hillColour * 0.8f, s_.hillColour * 1.15f, n);
        }
        if (py >= HeadlandTop(px)) {
            // Rock faces with scrub over the gentler ground.
            const float n = Fbm(px * 0.02f, py * 0.02f, s_.seed + 43, 4);
            const float green = Smoothstep(0.35f, 0.65f, Fbm(px * 0.012f, py * 0.02f, s_.seed + 44, 3));
            const float light = Clamp01(0.5f + (HeadlandTop(px + 3) - HeadlandTop(px - 3)) * 0.05f);
            c = Mix(Mix(Hex(0x8A7F6C), Hex(0xC0B296), n), Mix(Hex(0x47622B), Hex(0x6E8A3E), n), green * 0.85f) *
                (0.75f + 0.4f * light);
        }
        Rgb house;
        const bool inHouse = HouseAt(px, py, house);
        if (inHouse)
            c = house;
        Rgb tree;
        // At sea only the headland carries vegetation.
        const float top = (s_.sea && Line(px) - horizon_ < row_ * 0.5f) ? -1.0f : TreeAt(px, py, tree);
        // Trees in front of the back rows of houses, not of the front row.
        if (top >= 0 && (!inHouse || (s_.houses == Houses::Harbour && Ground(px) - py > row_ * 1.6f)))
            c = tree;
        // Open sea meets the sky at the horizon: no bank there.
        const bool openSea = s_.sea && wl - horizon_ < row_ * 0.5f;
        if (py >= wl - BankHeight() && !inHouse && !openSea)
            c = BankColour(px, py);
        // A darker wet strip and a thin shadow where the bank meets the water.
        if (py >= wl - row_ * 0.08f && !openSea)
            c = c * 0.75f;
        return c;
    }

    Rgb Water(float px, float py, float edge) const
    {
        const int si = std::clamp(int(px * kSamples), 0, int(smooth_.size()) - 1);
        const float wl = std::min(smooth_[std::size_t(si)], edge);
        // Shading by the distance from the horizon, the same in every column.
        const float t = Clamp01((py - horizon_) / std::max(1.0f, H - horizon_));
        Rgb c = Mix(s_.waterFar, s_.waterNear, std::pow(t, 0.7f));
        // Ripples: long horizontal streaks that grow toward the viewer.
        // Rows are measured in perspective (waves grow toward the viewer);
        // columns keep one scale, so the noise's lattice never fans into rays.
        const float v = std::log(std::max(1.0f, py - horizon_ + 8.0f)) * 30.0f;
        const float streak = Fbm(px / 90.0f, v * 0.35f, s_.seed + 50, 4);
        const float wobble = (streak - 0.5f) * (3.0f + 14.0f * t) * (0.4f + s_.ripple);
        // Reflection of the shore and sky, strongest near the far bank.
        const float ry = wl - (py - wl) * 1.15f - wobble * 0.6f;
        if (ry > 0) {
            const Rgb refl = Land(px + wobble, ry) * 0.85f;
            const float k = (0.7f - 0.35f * s_.ripple) * std::pow(1.0f - t, 2.5f);
            c = Mix(c, refl, Clamp01(k));
        } else {
            c = Mix(c, s_.skyTop, 0.25f * (1.0f - t));
        }
        const float light = (streak - 0.5f) * (0.18f + 0.25f * s_.ripple);
        c = c * (1.0f + light);
        // Sun glints on lively water.
        if (s_.ripple > 0.3f) {
            const float g = Fbm(px * 0.03f, v * 1.2f, s_.seed + 51, 2);
            if (g > 0.72f)
                c = Mix(c, Hex(0xF4F8FF), Clamp01((g - 0.72f) * 2.5f) * s_.ripple * (1.0f - t * 0.5f));
        }
        // Foam along stones and beaches.
        if ((s_.bank == Bank::Stones || s_.bank == Bank::Sand || s_.bank == Bank::Rock) && py - edge < row_ * 0.18f) {
            const float f = Noise(px * 0.2f, py * 0.8f, s_.seed + 52);
            c = Mix(c, Hex(0xEEF3F4), Clamp01(f - 0.35f) * 0.9f);
        }
        return c;
    }

    const LandscapeSpec& s_;
    float W, H, row_;
    float horizon_;
    float maxDrop_ = 0;
    std::vector<float> line_;
    std::vector<float> smooth_;
    std::vector<Tree> trees_; // in increasing x
    float maxTreeW_ = 0;
    std::vector<House> houses_;
};

} // namespace

plat::Image PaintLandscape(const LandscapeSpec& spec)
{
    Painter p(spec);
    return p.Paint();
}

} // namespace scenes
