// Sounds the angler's own tackle makes: the cast, the reel, the drag and the
// bite bell.
#include "tools/gen_sounds/Sounds.h"

#include <cmath>

namespace sounds {

using namespace dsp;

namespace {

// A bump in time with separate rise and fall widths.
float Bump(float t, float centre, float rise, float fall)
{
    const float d = (t - centre) / (t < centre ? rise : fall);
    return std::exp(-d * d);
}

struct Partial {
    float hz, decay, gain;
};

// One tooth of a ratchet or clicker snapping past its pawl: a tick of noise
// and the ringing of the metal parts it strikes.
struct ClickSpec {
    std::vector<Partial> partials;
    float noiseHz, noiseDecay, noiseGain;
};

Buffer Click(const ClickSpec& c, Rng& rng)
{
    float longest = c.noiseDecay;
    for (const Partial& p : c.partials)
        longest = std::fmax(longest, p.decay);
    Buffer b(std::size_t(Samples(longest * 7)));
    for (const Partial& p : c.partials)
        MixInto(b, Ping(p.hz * rng.Range(0.98f, 1.02f), p.decay, Seconds(int(b.size()))), 0, p.gain);
    Svf tick(c.noiseHz, 0.8f);
    for (std::size_t i = 0; i < b.size(); ++i)
        b[i] += c.noiseGain * tick.BandPass(rng.Bipolar()) * AttackDecay(Seconds(int(i)), 0.0002f, c.noiseDecay);
    return b;
}

// A train of clicks laid out on a circle: the last click's ring runs on into
// the start, so the clip joins itself seamlessly when replayed back to back.
struct ClickTrainSpec {
    std::uint32_t seed;
    float length;      // seconds
    int clicks;        // in one clip
    float jitter;      // timing wobble as a fraction of the click spacing
    float accent;      // every other click is this much weaker (two pawls)
    int wobbleCycles;  // slow loudness wobble (spool turns) per clip
    float wobbleDepth;
    ClickSpec click;
};

Buffer ClickTrain(const ClickTrainSpec& s)
{
    Rng rng(s.seed);
    Buffer b = Silence(s.length);
    const float spacing = float(b.size()) / float(s.clicks);
    for (int k = 0; k < s.clicks; ++k) {
        // The clip's ends fall late in a gap, so it also starts and stops quietly.
        const float at = (float(k) + 0.2f + s.jitter * rng.Bipolar()) * spacing;
        const float phase = float(k) / float(s.clicks);
        float gain = (k % 2 ? 1 - s.accent : 1) * rng.Range(0.85f, 1.0f);
        gain *= 1 - s.wobbleDepth * (0.5f + 0.5f * std::cos(2 * kPi * float(s.wobbleCycles) * phase));
        MixInto(b, Click(s.click, rng), int(std::lround(at)), gain, true);
    }
    return b;
}

// One strike of a small cup bell: inharmonic partials, the high ones dying
// first, each doubled with a slight detune so the ring shimmers. Harder
// strikes are brighter.
Buffer BellStrike(float f0, float velocity, Rng& rng)
{
    // Frequencies here are ratios to the fundamental.
    static const Partial kModes[] = {
        {1.0f, 0.60f, 1.0f}, {2.32f, 0.30f, 0.6f}, {4.25f, 0.16f, 0.38f}, {6.63f, 0.08f, 0.22f}};
    const float length = 1.6f;
    Buffer b = Silence(length);
    int mode = 0;
    for (const Partial& m : kModes) {
        const float hz = f0 * m.hz;
        const float gain = m.gain * std::pow(velocity, 1.0f + 0.4f * float(mode++));
        for (float detune : {1.0f, 1.0023f})
            MixInto(b, Ping(hz * detune, m.decay * rng.Range(0.9f, 1.1f), length), 0, 0.5f * gain);
    }
    OnePole clapper(2500);
    for (int i = 0; i < Samples(0.004f); ++i)
        b[std::size_t(i)] += 0.4f * velocity * clapper.HighPass(rng.Bipolar()) * AttackDecay(Seconds(i), 0.0002f, 0.001f);
    return b;
}

} // namespace

Buffer Cast()
{
    // The rod tip whips past the ear, then the line hisses out through the guides.
    Rng rng(0xCA57);
    Buffer b = Silence(0.6f);
    Svf air, whistle, guides(5200, 1.2f);
    for (std::size_t i = 0; i < b.size(); ++i) {
        const float t = Seconds(int(i));
        const float swing = Bump(t, 0.17f, 0.09f, 0.05f);
        const float centre = PitchLerp(450, 3000, swing);
        air.Set(centre, 1.1f);
        whistle.Set(centre * 1.6f, 9);
        const float n = rng.Bipolar();
        float v = swing * (air.BandPass(n) + 0.5f * whistle.BandPass(n));
        const float flutter = 0.7f + 0.3f * std::sin(2 * kPi * 37 * t);
        v += 0.22f * flutter * AttackDecay(t - 0.16f, 0.03f, 0.12f) * guides.BandPass(rng.Bipolar());
        b[i] = v;
    }
    return b;
}

Buffer ReelRatchet()
{
    // The gears turning and the anti-reverse pawl ticking, about 60 ticks a second.
    return ClickTrain({.seed = 0x3E1,
                       .length = 0.16f,
                       .clicks = 10,
                       .jitter = 0.04f,
                       .accent = 0.35f,
                       .wobbleCycles = 1,
                       .wobbleDepth = 0.15f,
                       .click = {.partials = {{950, 0.004f, 0.45f}, {2700, 0.0025f, 1.0f}, {4300, 0.0016f, 0.7f},
                                              {6100, 0.001f, 0.45f}},
                                 .noiseHz = 5000,
                                 .noiseDecay = 0.0008f,
                                 .noiseGain = 0.8f}});
}

Buffer DragBuzz()
{
    // The drag clicker screaming as the spool turns backwards under a pulling fish.
    return ClickTrain({.seed = 0xD7A6,
                       .length = 0.4f,
                       .clicks = 72,
                       .jitter = 0.05f,
                       .accent = 0.2f,
                       .wobbleCycles = 4,
                       .wobbleDepth = 0.25f,
                       .click = {.partials = {{1800, 0.002f, 0.8f}, {3300, 0.0015f, 1.0f}, {5200, 0.001f, 0.6f}},
                                 .noiseHz = 6000,
                                 .noiseDecay = 0.0012f,
                                 .noiseGain = 0.9f}});
}

Buffer BiteBell()
{
    // A pair of little bells on the rod tip, jingling as the tip jerks.
    struct Strike {
        float at, hz, velocity;
    };
    static const Strike kStrikes[] = {
        {0.00f, 1320, 1.0f}, {0.06f, 1395, 0.7f}, {0.21f, 1320, 0.8f}, {0.29f, 1395, 0.55f}, {0.47f, 1320, 0.45f}};
    Rng rng(0xBE11);
    Buffer b = Silence(2.1f);
    for (const Strike& s : kStrikes)
        MixInto(b, BellStrike(s.hz, s.velocity, rng), Samples(s.at));
    return b;
}

} // namespace sounds
