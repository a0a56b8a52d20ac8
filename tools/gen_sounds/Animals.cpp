// Animal calls around the water: twelve songbirds from a table, the duck, crow
// and gull from a voiced source through formants, and the insects as loops.
#include "tools/gen_sounds/Sounds.h"

#include <algorithm>
#include <cmath>

namespace sounds {

using namespace dsp;

namespace {

// The open air around the caller sends back a few dull, late copies.
void AddOpenAir(Buffer& b)
{
    AddReflections(b, {{0.043f, 0.16f, 3000}, {0.071f, 0.1f, 2200}, {0.118f, 0.06f, 1500}});
}

// ---- Songbirds ----------------------------------------------------------

// One whistled note of a song: a pitch glide through three points, optional
// vibrato and trill (fast loudness pulses), and a few overtones. A note may
// repeat, each repeat a step higher or lower, faster or softer.
struct Note {
    float dur, gap;        // seconds
    float f0, fMid, f1;    // pitch at start, middle and end
    float h2 = 0, h3 = 0;  // overtones relative to the fundamental
    float vibHz = 0, vibDepth = 0;
    float trillHz = 0;
    float attack = 0.3f;   // fraction of the note spent rising
    int repeat = 1;
    float pitchStep = 1, tempoStep = 1, gainStep = 1;
};

struct Song {
    std::uint32_t seed;
    int phrases;
    float phraseGap;
    std::vector<Note> notes;
};

// clang-format off
const Song kSongs[kBirdCalls] = {
    // 1: a mellow fluted warble.
    {0xB1, 1, 0, {
        {.dur = 0.18f, .gap = 0.03f, .f0 = 1700, .fMid = 2100, .f1 = 1900, .h2 = 0.15f},
        {.dur = 0.12f, .gap = 0.02f, .f0 = 2300, .fMid = 2600, .f1 = 2000, .h2 = 0.1f},
        {.dur = 0.22f, .gap = 0.05f, .f0 = 1500, .fMid = 1800, .f1 = 1400, .h2 = 0.2f, .vibHz = 18, .vibDepth = 0.02f},
        {.dur = 0.07f, .gap = 0.025f, .f0 = 2800, .fMid = 3200, .f1 = 2600, .repeat = 3, .pitchStep = 0.95f},
        {.dur = 0.26f, .gap = 0, .f0 = 2100, .fMid = 2400, .f1 = 1600, .h2 = 0.12f, .vibHz = 9, .vibDepth = 0.03f}}},
    // 2: a descending, accelerating trill ending in a flourish.
    {0xB2, 1, 0, {
        {.dur = 0.05f, .gap = 0.025f, .f0 = 4200, .fMid = 4600, .f1 = 3300, .attack = 0.15f, .repeat = 8,
         .pitchStep = 0.96f, .tempoStep = 0.97f},
        {.dur = 0.04f, .gap = 0.02f, .f0 = 3000, .fMid = 3300, .f1 = 2600, .repeat = 4, .pitchStep = 0.97f},
        {.dur = 0.18f, .gap = 0, .f0 = 2500, .fMid = 4200, .f1 = 2900, .h2 = 0.1f}}},
    // 3: a soft two-note call, high then low, twice.
    {0xB3, 2, 0.45f, {
        {.dur = 0.22f, .gap = 0.12f, .f0 = 680, .fMid = 690, .f1 = 660, .h2 = 0.08f, .h3 = 0.03f, .attack = 0.15f},
        {.dur = 0.32f, .gap = 0, .f0 = 560, .fMid = 555, .f1 = 535, .h2 = 0.08f, .h3 = 0.03f, .attack = 0.15f}}},
    // 4: a see-saw "tee-chu" three times.
    {0xB4, 3, 0.02f, {
        {.dur = 0.09f, .gap = 0.03f, .f0 = 5200, .fMid = 5300, .f1 = 5000, .attack = 0.1f},
        {.dur = 0.10f, .gap = 0.07f, .f0 = 3300, .fMid = 3250, .f1 = 3150, .h2 = 0.06f, .attack = 0.1f}}},
    // 5: a long, ringing high trill that drops into slower notes.
    {0xB5, 1, 0, {
        {.dur = 0.025f, .gap = 0.012f, .f0 = 5200, .fMid = 6200, .f1 = 4800, .attack = 0.2f, .repeat = 26},
        {.dur = 0.05f, .gap = 0.02f, .f0 = 3800, .fMid = 4400, .f1 = 3600, .repeat = 6, .pitchStep = 0.98f}}},
    // 6: a scratchy, chattering reed-bed song.
    {0xB6, 1, 0, {
        {.dur = 0.07f, .gap = 0.03f, .f0 = 2200, .fMid = 2900, .f1 = 2000, .h2 = 0.4f, .h3 = 0.25f, .trillHz = 90, .repeat = 3},
        {.dur = 0.05f, .gap = 0.02f, .f0 = 3400, .fMid = 3600, .f1 = 3100, .h2 = 0.2f, .repeat = 4},
        {.dur = 0.09f, .gap = 0.05f, .f0 = 1900, .fMid = 2500, .f1 = 1700, .h2 = 0.45f, .h3 = 0.3f, .trillHz = 60, .repeat = 2},
        {.dur = 0.06f, .gap = 0.03f, .f0 = 3000, .fMid = 3300, .f1 = 2700, .h2 = 0.2f, .repeat = 3, .gainStep = 0.85f}}},
    // 7: sharp piping whistles over the water.
    {0xB7, 1, 0, {
        {.dur = 0.14f, .gap = 0.16f, .f0 = 6500, .fMid = 7200, .f1 = 6000, .attack = 0.1f, .repeat = 4, .gainStep = 0.9f}}},
    // 8: deep, breathy coos.
    {0xB8, 1, 0, {
        {.dur = 0.35f, .gap = 0.08f, .f0 = 420, .fMid = 500, .f1 = 440, .h2 = 0.25f, .h3 = 0.1f, .attack = 0.4f},
        {.dur = 0.25f, .gap = 0.06f, .f0 = 430, .fMid = 470, .f1 = 420, .h2 = 0.25f, .h3 = 0.1f, .attack = 0.4f, .repeat = 2},
        {.dur = 0.4f, .gap = 0, .f0 = 440, .fMid = 480, .f1 = 400, .h2 = 0.25f, .h3 = 0.1f, .attack = 0.4f}}},
    // 9: thin, high glissandi in a tumbling run.
    {0xB9, 1, 0, {
        {.dur = 0.12f, .gap = 0.04f, .f0 = 6000, .fMid = 7500, .f1 = 4200},
        {.dur = 0.08f, .gap = 0.03f, .f0 = 3200, .fMid = 3400, .f1 = 3300, .trillHz = 45},
        {.dur = 0.15f, .gap = 0.05f, .f0 = 4800, .fMid = 3600, .f1 = 5400},
        {.dur = 0.05f, .gap = 0.025f, .f0 = 7000, .fMid = 7600, .f1 = 6400, .repeat = 4, .pitchStep = 0.97f},
        {.dur = 0.2f, .gap = 0, .f0 = 2900, .fMid = 3800, .f1 = 3300, .vibHz = 30, .vibDepth = 0.05f}}},
    // 10: a fast, bubbling warble.
    {0xBA, 1, 0, {
        {.dur = 0.5f, .gap = 0.05f, .f0 = 3000, .fMid = 3600, .f1 = 3200, .vibHz = 22, .vibDepth = 0.12f, .trillHz = 15},
        {.dur = 0.35f, .gap = 0.04f, .f0 = 3800, .fMid = 3400, .f1 = 4200, .vibHz = 28, .vibDepth = 0.1f},
        {.dur = 0.4f, .gap = 0, .f0 = 3300, .fMid = 3900, .f1 = 3500, .vibHz = 19, .vibDepth = 0.14f, .trillHz = 11}}},
    // 11: a rich fluting up-and-down phrase, twice.
    {0xBB, 2, 0.35f, {
        {.dur = 0.16f, .gap = 0.01f, .f0 = 1500, .fMid = 2200, .f1 = 1900, .h2 = 0.3f, .h3 = 0.1f},
        {.dur = 0.14f, .gap = 0.01f, .f0 = 1900, .fMid = 1700, .f1 = 2400, .h2 = 0.25f, .h3 = 0.1f},
        {.dur = 0.22f, .gap = 0, .f0 = 2400, .fMid = 2000, .f1 = 1400, .h2 = 0.3f, .h3 = 0.1f, .attack = 0.2f}}},
    // 12: rising "twee" notes, each a little higher and softer.
    {0xBC, 1, 0, {
        {.dur = 0.09f, .gap = 0.07f, .f0 = 2600, .fMid = 3400, .f1 = 4200, .h2 = 0.05f, .attack = 0.2f, .repeat = 5,
         .pitchStep = 1.02f, .gainStep = 0.88f}}},
};
// clang-format on

float Glide(float a, float mid, float b, float u)
{
    return u < 0.5f ? PitchLerp(a, mid, Smoothstep(2 * u)) : PitchLerp(mid, b, Smoothstep(2 * u - 1));
}

void SingNote(Buffer& b, int at, const Note& n, float pitch, float durScale, float gain, Rng& rng)
{
    const int len = Samples(n.dur * durScale);
    const float amps[3] = {1, n.h2, n.h3};
    const float level = gain / (1 + n.h2 + n.h3);
    const float wobble = 1 + 0.015f * rng.Bipolar(); // no two notes quite alike
    Osc osc, vib;
    for (int i = 0; i < len && at + i < int(b.size()); ++i) {
        const float u = float(i) / float(len);
        float hz = Glide(n.f0, n.fMid, n.f1, u) * pitch * wobble;
        if (n.vibDepth > 0)
            hz *= 1 + n.vibDepth * vib.Sine(n.vibHz);
        float env = Swell(u, n.attack, 1 - n.attack);
        if (n.trillHz > 0)
            env *= 0.5f - 0.5f * std::cos(2 * kPi * n.trillHz * Seconds(i));
        b[std::size_t(at + i)] += level * env * osc.Harmonics(hz, amps, 3);
    }
}

// Walks the song once, calling sing(at, note, repeat) for every note sung, and
// returns where it ends (samples).
template <typename Sing>
int WalkSong(const Song& s, Sing&& sing)
{
    float t = 0.02f;
    for (int p = 0; p < s.phrases; ++p) {
        for (const Note& n : s.notes)
            for (int r = 0; r < n.repeat; ++r) {
                sing(Samples(t), n, r);
                t += (n.dur + n.gap) * std::pow(n.tempoStep, float(r));
            }
        t += s.phraseGap;
    }
    return Samples(t);
}

// ---- Voiced calls ---------------------------------------------------------

// A buzzing syrinx: a sawtooth source with a pitch contour, random wander and
// a period-doubling rasp, shaped by a bank of formant resonances.
struct Utterance {
    float at, dur;          // seconds
    float f0, fPeak, f1;    // pitch at start, at its peak and at the end
    float peakAt;           // fraction of the utterance
    float gain;
};

struct Formant {
    float hz, q, gain;
};

struct VoiceSpec {
    std::uint32_t seed;
    std::vector<Utterance> utterances;
    std::vector<Formant> formants;
    float jitter;           // random pitch wander (fraction)
    float roughness;        // rasp (0..1)
    float breath;           // noise in the source
    float attack, release;  // seconds
};

Buffer Voice(const VoiceSpec& v)
{
    float end = 0;
    for (const Utterance& u : v.utterances)
        end = std::max(end, u.at + u.dur);
    Buffer source = Silence(end + 0.05f);
    Rng rng(v.seed);
    OnePole wander(20);
    Osc saw, sub;
    for (const Utterance& u : v.utterances) {
        const int at = Samples(u.at), len = Samples(u.dur);
        for (int i = 0; i < len; ++i) {
            const float x = float(i) / float(len);
            float hz = x < u.peakAt ? PitchLerp(u.f0, u.fPeak, Smoothstep(x / u.peakAt))
                                    : PitchLerp(u.fPeak, u.f1, Smoothstep((x - u.peakAt) / (1 - u.peakAt)));
            hz *= 1 + v.jitter * 4 * wander.LowPass(rng.Bipolar());
            float s = saw.Saw(hz) * (1 - v.roughness * (0.5f + 0.5f * sub.Sine(hz * 0.5f)));
            s += v.breath * rng.Bipolar();
            const float env = Swell(x, v.attack / u.dur, v.release / u.dur);
            source[std::size_t(at + i)] += u.gain * env * s;
        }
    }
    std::vector<Svf> bank;
    for (const Formant& f : v.formants)
        bank.emplace_back(f.hz, f.q);
    Buffer b(source.size());
    for (std::size_t i = 0; i < b.size(); ++i)
        for (std::size_t k = 0; k < bank.size(); ++k)
            b[i] += v.formants[k].gain * bank[k].BandPass(source[i]);
    AddOpenAir(b);
    return b;
}

// ---- Insects ----------------------------------------------------------------

// Insects repeat one pattern for ever. Each loop holds a whole number of
// patterns and every pulse wraps around the end of the buffer, so the file
// joins itself without a seam.

// A cricket chirp pulse: a pure tone (the file-and-scraper's rate) falling a
// touch in pitch, with a faint second harmonic.
Buffer CricketPulse(float hz, float length)
{
    Buffer b(std::size_t(Samples(length)));
    const float amps[2] = {1, 0.12f};
    Osc osc;
    for (std::size_t i = 0; i < b.size(); ++i) {
        const float u = float(i) / float(b.size());
        b[i] = Swell(u, 0.3f, 0.5f) * osc.Harmonics(hz * (1 - 0.02f * u), amps, 2);
    }
    return b;
}

// A cicada's tymbal click: a short burst of noisy ringing.
Buffer TymbalClick(float hz, Rng& rng)
{
    Buffer b(std::size_t(Samples(0.006f)));
    Osc osc;
    Svf band(hz, 4);
    for (std::size_t i = 0; i < b.size(); ++i) {
        const float env = AttackDecay(Seconds(int(i)), 0.0003f, 0.0011f);
        b[i] = env * (0.7f * osc.Sine(hz) + 0.8f * band.BandPass(rng.Bipolar()));
    }
    return b;
}

} // namespace

Buffer BirdCall(int index)
{
    const Song& song = kSongs[index];
    Rng rng(song.seed);
    Buffer b(std::size_t(WalkSong(song, [](int, const Note&, int) {}) + Samples(0.03f)));
    WalkSong(song, [&](int at, const Note& n, int r) {
        const float k = float(r);
        SingNote(b, at, n, std::pow(n.pitchStep, k), std::pow(n.tempoStep, k), std::pow(n.gainStep, k), rng);
    });
    AddOpenAir(b);
    return b;
}

Buffer Duck()
{
    // Four nasal quacks, the first the loudest.
    return Voice({.seed = 0xD0C,
                  .utterances = {{0.02f, 0.21f, 250, 300, 225, 0.25f, 1.0f},
                                 {0.30f, 0.17f, 245, 290, 220, 0.25f, 0.85f},
                                 {0.54f, 0.16f, 240, 285, 215, 0.25f, 0.7f},
                                 {0.76f, 0.16f, 235, 275, 210, 0.25f, 0.55f}},
                  .formants = {{950, 3.5f, 1.0f}, {1650, 5, 0.9f}, {2750, 6, 0.45f}},
                  .jitter = 0.02f,
                  .roughness = 0.35f,
                  .breath = 0.1f,
                  .attack = 0.015f,
                  .release = 0.06f});
}

Buffer Crow()
{
    // Three harsh caws.
    return Voice({.seed = 0xC20,
                  .utterances = {{0.02f, 0.38f, 520, 610, 470, 0.3f, 1.0f},
                                 {0.57f, 0.36f, 510, 600, 460, 0.3f, 0.95f},
                                 {1.07f, 0.42f, 500, 590, 440, 0.35f, 0.9f}},
                  .formants = {{1300, 3, 1.0f}, {2200, 4, 0.7f}, {3400, 5, 0.3f}},
                  .jitter = 0.05f,
                  .roughness = 0.6f,
                  .breath = 0.35f,
                  .attack = 0.03f,
                  .release = 0.12f});
}

Buffer Gull()
{
    // One long mewing cry, then a run of shorter "kyow"s.
    return Voice({.seed = 0x6A1,
                  .utterances = {{0.02f, 0.45f, 900, 1500, 1100, 0.25f, 1.0f},
                                 {0.60f, 0.15f, 1000, 1450, 1150, 0.4f, 0.8f},
                                 {0.80f, 0.15f, 1000, 1450, 1150, 0.4f, 0.75f},
                                 {0.98f, 0.15f, 980, 1420, 1120, 0.4f, 0.7f},
                                 {1.15f, 0.17f, 960, 1400, 1080, 0.4f, 0.6f}},
                  .formants = {{1400, 1.2f, 0.8f}, {2300, 1.5f, 1.0f}, {3600, 2, 0.4f}},
                  .jitter = 0.01f,
                  .roughness = 0.1f,
                  .breath = 0.05f,
                  .attack = 0.02f,
                  .release = 0.05f});
}

Buffer Crickets()
{
    // Two crickets chirping at their own pace, and a faint trill further off.
    struct Singer {
        float hz;
        int chirps;      // per loop
        int pulses;      // per chirp
        float pulseLen, pulseEvery, offset, gain;
    };
    static const Singer kSingers[] = {
        {4600, 6, 4, 0.016f, 0.034f, 0.05f, 1.0f},
        {4150, 8, 3, 0.018f, 0.040f, 0.21f, 0.55f},
        {5050, 72, 1, 0.02f, 0, 0, 0.1f},
    };
    Rng rng(0x6E1);
    Buffer b = Silence(3.0f);
    for (const Singer& s : kSingers) {
        const Buffer pulse = CricketPulse(s.hz, s.pulseLen);
        for (int c = 0; c < s.chirps; ++c) {
            const float chirpAt = s.offset + 3.0f * float(c) / float(s.chirps);
            const float gain = s.gain * rng.Range(0.8f, 1.0f);
            for (int p = 0; p < s.pulses; ++p)
                MixInto(b, pulse, Samples(chirpAt + s.pulseEvery * float(p)), gain * (p ? 1 : 0.7f), true);
        }
    }
    return b;
}

Buffer Cicadas()
{
    // A chorus in the summer heat: one cicada swelling slowly, one throbbing
    // close by and a distant, steady buzz.
    struct Singer {
        float hz;
        int clicks;         // tymbal clicks per loop
        int swellCycles;    // slow swells per loop
        float swellDepth, swellPhase;
        int throbCycles;    // fast pulsing per loop
        float throbDepth, gain;
    };
    static const Singer kSingers[] = {
        {5200, 920, 1, 0.6f, 0, 0, 0, 1.0f},
        {6300, 1240, 2, 0.3f, 1.5f, 28, 0.8f, 0.7f},
        {4500, 760, 1, 0.2f, 3.0f, 0, 0, 0.35f},
    };
    Rng rng(0xC1C);
    Buffer b = Silence(4.0f);
    for (const Singer& s : kSingers) {
        for (int k = 0; k < s.clicks; ++k) {
            const float phase = float(k) / float(s.clicks);
            const float swell = 1 - s.swellDepth * (0.5f + 0.5f * std::cos(2 * kPi * float(s.swellCycles) * phase + s.swellPhase));
            const float throb = 1 - s.throbDepth * (0.5f + 0.5f * std::cos(2 * kPi * float(s.throbCycles) * phase));
            const int at = int(std::lround(phase * float(b.size())));
            MixInto(b, TymbalClick(s.hz * rng.Range(0.97f, 1.03f), rng), at, s.gain * swell * throb * rng.Range(0.8f, 1.0f), true);
        }
    }
    return b;
}

} // namespace sounds
