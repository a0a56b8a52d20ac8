// Sounds from far across the water: thunder and passing ships.
#include "tools/gen_sounds/Sounds.h"

#include <algorithm>
#include <cmath>

namespace sounds {

using namespace dsp;

namespace {

// Thunder: low-passed brown noise driven by a handful of rolls (the sound
// arriving from farther and farther parts of the bolt), brighter while loud,
// with a rattle of crackles over it and optionally opened by the ripping
// crack of a near strike.
struct ThunderSpec {
    std::uint32_t seed;
    float length;
    float crack;      // strength of the crack; 0 for a distant roll
    float cutoffHz;   // brightness of the rumble
    int rolls;
    float firstRoll, lastRoll;
    float rollRise;   // seconds for a roll to swell
    float rattle;     // strength of the crackling over the rumble
    float rattleHz;   // highest pitch of a crackle
};

// One crackle of the rattle: a short burst of band-passed noise.
Buffer Crackle(float hz, float decay, Rng& rng)
{
    Buffer b(std::size_t(Samples(decay * 5)));
    Svf band(hz, 1.2f);
    for (std::size_t i = 0; i < b.size(); ++i)
        b[i] = band.BandPass(rng.Bipolar()) * AttackDecay(Seconds(int(i)), 0.002f, decay);
    return b;
}

Buffer Thunder(const ThunderSpec& s)
{
    Rng rng(s.seed);
    Buffer b = Silence(s.length);
    std::vector<float> env(b.size(), 0.0f);
    for (int r = 0; r < s.rolls; ++r) {
        const float at = Lerp(s.firstRoll, s.lastRoll, (float(r) + 0.8f * rng.Unit()) / float(s.rolls));
        const float strength = rng.Range(0.5f, 1.0f) * std::exp(-(at - s.firstRoll) / 2.5f);
        const float rise = s.rollRise * rng.Range(0.6f, 1.4f), decay = rng.Range(0.35f, 0.9f);
        for (std::size_t i = 0; i < env.size(); ++i)
            env[i] += strength * AttackDecay(Seconds(int(i)) - at, rise, decay);
    }
    BrownNoise brown(rng);
    Svf body, sub;
    sub.Set(s.cutoffHz * 0.35f, 0.8f);
    for (std::size_t i = 0; i < b.size(); ++i) {
        const float e = env[i];
        body.Set(s.cutoffHz * (0.5f + 0.8f * std::min(e, 1.0f)), 0.7f);
        const float n = brown.Next();
        b[i] = e * (body.LowPass(n) + 0.8f * sub.LowPass(n));
    }
    // The rattle: crackles in the middle register, thickest where the roll is
    // loudest. Small speakers that cannot play the rumble still carry the
    // storm through them.
    const float envPeak = *std::max_element(env.begin(), env.end());
    for (int k = 0; k < int(250 * s.length); ++k) {
        const int at = rng.Below(int(b.size()));
        const float level = env[std::size_t(at)] / envPeak;
        if (rng.Unit() > level)
            continue;
        const float hz = rng.PitchRange(180, s.rattleHz * std::sqrt(level));
        MixInto(b, Crackle(hz, rng.Range(0.015f, 0.07f), rng), at, s.rattle * level * rng.Range(0.3f, 1.0f));
    }
    if (s.crack > 0) {
        // A sharp tearing burst with a shower of crackles trailing off.
        Svf tear(2500, 0.6f);
        OnePole crackle(1500);
        const int start = Samples(0.03f);
        const float span = 0.7f;
        for (int i = 0; i < Samples(span); ++i) {
            const float t = Seconds(i);
            const float burst = AttackDecay(t, 0.002f, 0.035f) + 0.3f * AttackDecay(t, 0.01f, 0.22f);
            const float spark = rng.Unit() < 0.03f * std::exp(-t / 0.25f) ? rng.Bipolar() * 6 : 0;
            const float n = rng.Bipolar();
            b[std::size_t(start + i)] += s.crack * Swell(t / span, 0, 0.3f) * (burst * (0.6f * n + tear.BandPass(n)) + crackle.HighPass(spark));
        }
    }
    return b;
}

} // namespace

Buffer NearThunder()
{
    return Thunder({.seed = 0x7A1,
                    .length = 4.6f,
                    .crack = 0.6f,
                    .cutoffHz = 320,
                    .rolls = 7,
                    .firstRoll = 0.05f,
                    .lastRoll = 3.0f,
                    .rollRise = 0.08f,
                    .rattle = 4.0f,
                    .rattleHz = 1400});
}

Buffer FarThunder()
{
    // Duller and slower to swell: the crackles come from miles away.
    return Thunder({.seed = 0x7A2,
                    .length = 4.4f,
                    .crack = 0,
                    .cutoffHz = 240,
                    .rolls = 6,
                    .firstRoll = 0.3f,
                    .lastRoll = 3.0f,
                    .rollRise = 0.4f,
                    .rattle = 3.2f,
                    .rattleHz = 700});
}

Buffer ShipHorn()
{
    // One long blast from a ship's horn, two slightly mistuned reeds, echoing
    // back off the harbour walls. The pitch scoops up as the air pressure builds.
    Rng rng(0x5A1);
    const float blast = 2.3f, f0 = 92;
    Buffer b = Silence(blast);
    Osc reedA, reedB, tremolo;
    Svf tone(1000, 0.7f), bell(380, 1.2f);
    OnePole breath(800);
    for (std::size_t i = 0; i < b.size(); ++i) {
        const float t = Seconds(int(i));
        const float hz = f0 * (1 - 0.06f * std::exp(-t / 0.09f));
        const float s = reedA.Saw(hz) + 0.8f * reedB.Saw(hz * 1.0065f) + 0.15f * breath.LowPass(rng.Bipolar());
        const float env = Swell(t / blast, 0.08f, 0.15f) * (1 + 0.03f * tremolo.Sine(5));
        b[i] = env * (tone.LowPass(s) + 0.6f * bell.BandPass(s));
    }
    AddReflections(b, {{0.38f, 0.35f, 600}, {0.83f, 0.2f, 450}, {1.3f, 0.1f, 300}});
    return b;
}

Buffer ShipEngine()
{
    // A slow diesel thudding past: firing knocks with a rolling accent,
    // the hull's hum and the propeller's wash, all swelling and fading as the
    // boat goes by.
    Rng rng(0x5A2);
    BrownNoise brown(rng);
    const float length = 4.0f, firingHz = 7.3f;
    static const float kAccent[] = {1.0f, 0.6f, 0.8f, 0.55f};
    Buffer b = Silence(length);
    for (int k = 0; k * (1 / firingHz) < length; ++k) {
        Buffer knock = Ping(52 * rng.Range(0.97f, 1.03f), 0.07f, 0.35f);
        MixInto(knock, Ping(150, 0.03f, 0.2f), 0, 0.5f);
        // The valves' clatter: what is left of the engine on small speakers.
        Svf clatter(750, 0.9f);
        for (int i = 0; i < Samples(0.15f); ++i)
            knock[std::size_t(i)] += 1.6f * clatter.BandPass(rng.Bipolar()) * AttackDecay(Seconds(i), 0.002f, 0.03f);
        const float at = (float(k) + 0.05f * rng.Bipolar()) / firingHz;
        MixInto(b, knock, Samples(std::max(0.0f, at)), kAccent[k % 4] * rng.Range(0.9f, 1.0f));
    }
    const float hum[] = {1, 0.5f, 0.35f, 0.25f, 0.2f, 0.15f, 0.12f, 0.1f};
    Osc hull;
    Svf wash(300, 0.7f);
    for (std::size_t i = 0; i < b.size(); ++i) {
        const float t = Seconds(int(i));
        const float blades = 0.6f + 0.4f * std::sin(2 * kPi * 2.4f * t);
        b[i] += 0.25f * hull.Harmonics(44, hum, 8) + 0.5f * blades * wash.LowPass(brown.Next());
        b[i] *= Swell(t / length, 0.3f, 0.35f);
    }
    return b;
}

} // namespace sounds
