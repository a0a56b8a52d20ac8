// Water: splashes, the brook and the sea.
#include "tools/gen_sounds/Sounds.h"

#include <algorithm>
#include <cmath>

namespace sounds {

using namespace dsp;

namespace {

// A bubble ringing as it forms; its pitch rises as it closes up. rise is the
// fractional pitch gain over the bubble's life (six decay times).
Buffer Bubble(float hz, float decay, float rise)
{
    Buffer b(std::size_t(Samples(decay * 6)));
    Osc osc;
    for (std::size_t i = 0; i < b.size(); ++i) {
        const float t = Seconds(int(i));
        b[i] = osc.Sine(hz * (1 + rise * t / (decay * 6))) * AttackDecay(t, 0.001f, decay);
    }
    return b;
}

// Bigger (lower) bubbles ring longer.
float BubbleDecay(float hz) { return 0.02f * std::sqrt(1000 / hz); }

// Something hitting the water: a burst of spray noise whose centre falls as
// the sheet of water collapses, the air cavity closing behind it with a
// plop, bubbles ringing out and spray pattering back down.
struct Burst {
    float at;        // seconds
    float gain;
    float centreHz;  // where the spray is loudest
    float decay;     // seconds
    float plopHz;    // 0: no cavity plop
    float plopGain;
    int bubbles;
    int droplets;
};

struct SplashSpec {
    std::uint32_t seed;
    float length;
    std::vector<Burst> bursts;
};

void AddBurst(Buffer& b, const Burst& s, Rng& rng)
{
    const int at = Samples(s.at);
    Svf spray;
    OnePole thud(220);
    for (int i = at; i < int(b.size()); ++i) {
        const float t = Seconds(i - at);
        const float env = AttackDecay(t, 0.003f, s.decay) + 0.15f * AttackDecay(t, 0.01f, s.decay * 3);
        spray.Set(s.centreHz * (0.55f + 0.45f * std::exp(-t / s.decay)), 0.7f);
        const float n = rng.Bipolar();
        b[std::size_t(i)] += s.gain * env * (spray.BandPass(n) + 1.5f * thud.LowPass(n));
    }
    if (s.plopHz > 0)
        MixInto(b, Bubble(s.plopHz, 0.045f, 0.8f), at + Samples(0.025f), s.plopGain);
    for (int k = 0; k < s.bubbles; ++k) {
        const float hz = rng.PitchRange(s.centreHz * 0.35f, s.centreHz * 1.6f);
        const float when = s.decay * 0.3f + 0.4f * rng.Unit() * rng.Unit();
        MixInto(b, Bubble(hz, BubbleDecay(hz), rng.Range(0.2f, 1.0f)), at + Samples(when),
                s.gain * rng.Range(0.08f, 0.3f));
    }
    for (int k = 0; k < s.droplets; ++k) {
        const float hz = rng.PitchRange(1800, 4800);
        const float when = 0.07f + 0.5f * rng.Unit();
        MixInto(b, Bubble(hz, rng.Range(0.003f, 0.008f), 0.4f), at + Samples(when),
                s.gain * rng.Range(0.05f, 0.2f) * std::exp(-when / 0.4f));
    }
}

Buffer MakeSplash(const SplashSpec& s)
{
    Rng rng(s.seed);
    Buffer b = Silence(s.length);
    for (const Burst& burst : s.bursts)
        AddBurst(b, burst, rng);
    return b;
}

// Waves on a shore: a bed of low water noise that brightens and swells as each
// wave breaks, and foam fizzing as it runs back.
struct SeaSpec {
    std::uint32_t seed;
    float length;
    std::vector<float> waves; // seconds at which each wave breaks
    float rise, fall;         // wave envelope (seconds)
    float calmHz, breakHz;    // noise cutoff between waves and at the break
    float bedGain, waveGain, foamGain;
};

Buffer MakeSea(const SeaSpec& s)
{
    Rng rng(s.seed);
    PinkNoise pink(rng);
    BrownNoise brown(rng);
    Svf wash, foam(4500, 0.7f);
    OnePole fizz(40);
    Buffer b = Silence(s.length);
    for (std::size_t i = 0; i < b.size(); ++i) {
        const float t = Seconds(int(i));
        float wave = 0, runBack = 0;
        for (float w : s.waves) {
            const float d = t - w;
            if (d < 0)
                wave += Smoothstep((d + s.rise) / s.rise);
            else {
                wave += std::exp(-d / s.fall);
                runBack += (1 - std::exp(-d / 0.2f)) * std::exp(-d / (s.fall * 1.3f));
            }
        }
        wave = std::min(wave, 1.2f);
        wash.Set(PitchLerp(s.calmHz, s.breakHz, Clamp01(wave)), 0.6f);
        const float water = wash.LowPass(0.6f * pink.Next() + 0.4f * brown.Next());
        const float sparkle = 0.5f + 4 * std::fabs(fizz.LowPass(rng.Bipolar()));
        b[i] = water * (s.bedGain + s.waveGain * wave) + s.foamGain * runBack * sparkle * foam.BandPass(rng.Bipolar());
    }
    return b;
}

} // namespace

Buffer GroundbaitSplash()
{
    // A heavy ball: a dull plop, little spray.
    return MakeSplash({0x5B1, 0.75f, {{0.0f, 0.6f, 900, 0.05f, 240, 1.0f, 10, 5}}});
}

Buffer Splash()
{
    return MakeSplash({0x5B2, 0.85f, {{0.0f, 1.0f, 1500, 0.085f, 380, 0.5f, 16, 14}}});
}

Buffer FishJump()
{
    // The fish breaks the surface, then falls back with a bigger splash.
    return MakeSplash({0x5B3,
                       1.25f,
                       {{0.0f, 0.45f, 2000, 0.05f, 0, 0, 5, 10}, {0.32f, 1.0f, 1200, 0.13f, 300, 0.6f, 20, 20}}});
}

Buffer Brook()
{
    // Water running over stones: a soft rushing bed and a steady babble of
    // small bubbles that comes and goes in clusters.
    Rng rng(0xB200C);
    PinkNoise pink(rng);
    Svf bed(900, 0.5f);
    Buffer b = Silence(3.0f);
    for (std::size_t i = 0; i < b.size(); ++i) {
        const float t = Seconds(int(i));
        const float swell = 0.75f + 0.25f * std::sin(2 * kPi * 0.6f * t) * std::sin(2 * kPi * 0.23f * t + 1);
        b[i] = 0.5f * swell * bed.BandPass(pink.Next());
    }
    const int count = 330;
    for (int k = 0; k < count; ++k) {
        const int at = rng.Below(int(b.size()));
        const float t = Seconds(at);
        const float cluster = 0.4f + 0.6f * std::pow(std::sin(2 * kPi * 1.3f * t) * 0.5f + 0.5f, 2.0f);
        const float hz = rng.PitchRange(350, 2600);
        MixInto(b, Bubble(hz, BubbleDecay(hz) * 0.6f, rng.Range(0.2f, 1.2f)), at, 0.25f * cluster * rng.Unit());
    }
    return b;
}

Buffer RoughSea()
{
    return MakeSea({.seed = 0x5EA1,
                    .length = 3.6f,
                    .waves = {0.5f, 2.3f},
                    .rise = 0.45f,
                    .fall = 1.1f,
                    .calmHz = 450,
                    .breakHz = 3500,
                    .bedGain = 0.45f,
                    .waveGain = 1.0f,
                    .foamGain = 0.5f});
}

Buffer CalmSea()
{
    // Small waves lapping at the shore.
    return MakeSea({.seed = 0x5EA2,
                    .length = 3.4f,
                    .waves = {0.45f, 1.6f, 2.6f},
                    .rise = 0.25f,
                    .fall = 0.45f,
                    .calmHz = 250,
                    .breakHz = 1300,
                    .bedGain = 0.2f,
                    .waveGain = 0.8f,
                    .foamGain = 0.25f});
}

} // namespace sounds
