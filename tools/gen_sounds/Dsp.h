#pragma once
// A small synthesis toolkit for the sound generator: deterministic noise,
// oscillators, filters, envelopes and buffer helpers. Everything runs at one
// fixed rate and in float, mono.
#include <cmath>
#include <cstdint>
#include <vector>

namespace dsp {

inline constexpr int kRate = 22050;
inline constexpr float kPi = 3.14159265358979f;
inline constexpr float kNyquist = kRate * 0.5f;

using Buffer = std::vector<float>;

inline int Samples(float seconds) { return int(std::lround(seconds * kRate)); }
inline float Seconds(int samples) { return float(samples) / kRate; }
inline Buffer Silence(float seconds) { return Buffer(std::size_t(Samples(seconds)), 0.0f); }

inline float Clamp01(float x) { return x < 0 ? 0 : (x > 1 ? 1 : x); }
inline float Lerp(float a, float b, float u) { return a + (b - a) * u; }
// Interpolates between two frequencies evenly in pitch rather than in hertz.
inline float PitchLerp(float a, float b, float u) { return a * std::pow(b / a, u); }
inline float Smoothstep(float u)
{
    u = Clamp01(u);
    return u * u * (3 - 2 * u);
}
inline float DbToGain(float db) { return std::pow(10.0f, db / 20.0f); }

// xorshift32: a fixed seed gives the same files on every build.
class Rng {
public:
    explicit Rng(std::uint32_t seed) : s_(seed ? seed : 0x9E3779B9u) {}
    std::uint32_t Next()
    {
        s_ ^= s_ << 13;
        s_ ^= s_ >> 17;
        s_ ^= s_ << 5;
        return s_;
    }
    float Unit() { return float(Next() >> 8) * (1.0f / 16777216.0f); } // [0, 1)
    float Bipolar() { return Unit() * 2 - 1; }                         // [-1, 1)
    float Range(float lo, float hi) { return Lerp(lo, hi, Unit()); }
    float PitchRange(float lo, float hi) { return PitchLerp(lo, hi, Unit()); }
    int Below(int n) { return int(Next() % std::uint32_t(n)); }

private:
    std::uint32_t s_;
};

// Integrated white noise: most of its energy sits in the lowest octaves.
class BrownNoise {
public:
    explicit BrownNoise(Rng& rng) : rng_(rng) {}
    float Next()
    {
        y_ = 0.996f * y_ + 0.05f * rng_.Bipolar();
        return y_ * 3.5f;
    }

private:
    Rng& rng_;
    float y_ = 0;
};

// Roughly -3 dB per octave (three-pole approximation).
class PinkNoise {
public:
    explicit PinkNoise(Rng& rng) : rng_(rng) {}
    float Next()
    {
        const float w = rng_.Bipolar();
        b0_ = 0.99765f * b0_ + w * 0.0990460f;
        b1_ = 0.96300f * b1_ + w * 0.2965164f;
        b2_ = 0.57000f * b2_ + w * 1.0526913f;
        return (b0_ + b1_ + b2_ + w * 0.1848f) * 0.25f;
    }

private:
    Rng& rng_;
    float b0_ = 0, b1_ = 0, b2_ = 0;
};

// One-pole smoother: low pass, and high pass as its complement.
class OnePole {
public:
    explicit OnePole(float hz = 1000) { Set(hz); }
    void Set(float hz) { a_ = std::exp(-2 * kPi * hz / kRate); }
    float LowPass(float x) { return z_ = x + a_ * (z_ - x); }
    float HighPass(float x) { return x - LowPass(x); }

private:
    float a_ = 0, z_ = 0;
};

// Two-pole state-variable filter in trapezoidal form; it stays well behaved
// when its cutoff is moved every sample, which sweeps and swells rely on.
class Svf {
public:
    Svf() { Set(1000, 0.707f); }
    Svf(float hz, float q) { Set(hz, q); }
    void Set(float hz, float q);
    float LowPass(float x)
    {
        Tick(x);
        return low_;
    }
    float BandPass(float x) // unity gain at the centre
    {
        Tick(x);
        return band_ * k_;
    }
    float HighPass(float x)
    {
        Tick(x);
        return x - k_ * band_ - low_;
    }

private:
    void Tick(float x);
    float k_ = 1, a1_ = 0, a2_ = 0, a3_ = 0;
    float ic1_ = 0, ic2_ = 0, band_ = 0, low_ = 0;
};

// A phase accumulator; the frequency may change on every sample.
class Osc {
public:
    float Sine(float hz);
    // Sawtooth for buzzy voiced sources, summed from its harmonics so that
    // nothing folds back from above the Nyquist limit, even on high calls.
    float Saw(float hz);
    // Sum of harmonics 1..n with the given amplitudes; those near the Nyquist
    // limit fade out and those above it are left out.
    float Harmonics(float hz, const float* amps, int n);
    float Phase() const { return float(phase_); }

private:
    void Advance(float hz);
    double phase_ = 0;
};

// Attack/decay shapes on time t in seconds.
inline float AttackDecay(float t, float attack, float decay)
{
    if (t < 0)
        return 0;
    if (t < attack)
        return Smoothstep(t / attack);
    return std::exp(-(t - attack) / decay);
}
// Raised-cosine rise over [0, a], fall over [1 - r, 1] of a unit interval.
float Swell(float u, float a, float r);

// A resonant ping: a sine at hz dying away with time constant decay, faded
// out by the end of length.
Buffer Ping(float hz, float decay, float length);

// Adds src into dst at sample offset at. With wrap, what runs past the end
// comes back in at the start, so the buffer stays a seamless loop.
void MixInto(Buffer& dst, const Buffer& src, int at, float gain = 1, bool wrap = false);

// Nearest frequency that completes a whole number of cycles in len samples.
float LoopHz(float hz, int len);

struct Reflection {
    float delay;  // seconds
    float gain;
    float lowHz;  // reflections come back duller
};
// Adds a few late copies (open-air reflections); lengthens the buffer.
void AddReflections(Buffer& b, const std::vector<Reflection>& taps);

// A gentle one-pole high pass over the whole buffer.
void HighPass(Buffer& b, float hz);
void FadeEdges(Buffer& b, float inSeconds, float outSeconds);
void Normalise(Buffer& b, float peakDb);
float Peak(const Buffer& b);

} // namespace dsp
