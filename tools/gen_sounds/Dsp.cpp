#include "tools/gen_sounds/Dsp.h"

#include <algorithm>

namespace dsp {

void Svf::Set(float hz, float q)
{
    hz = std::clamp(hz, 10.0f, kNyquist * 0.95f);
    const float g = std::tan(kPi * hz / kRate);
    k_ = 1 / q;
    a1_ = 1 / (1 + g * (g + k_));
    a2_ = g * a1_;
    a3_ = g * a2_;
}

void Svf::Tick(float x)
{
    const float v3 = x - ic2_;
    band_ = a1_ * ic1_ + a2_ * v3;
    low_ = ic2_ + a2_ * ic1_ + a3_ * v3;
    ic1_ = 2 * band_ - ic1_;
    ic2_ = 2 * low_ - ic2_;
}

void Osc::Advance(float hz)
{
    phase_ += double(hz) / kRate;
    phase_ -= std::floor(phase_);
}

float Osc::Sine(float hz)
{
    const float v = std::sin(2 * kPi * float(phase_));
    Advance(hz);
    return v;
}

// A harmonic's weight by its frequency: full up to 3/4 of the Nyquist limit,
// fading to nothing at 9/10, so a gliding pitch never switches one on or off
// with a click.
static float BandEdge(float hz)
{
    return Clamp01((kNyquist * 0.9f - hz) / (kNyquist * 0.15f));
}

float Osc::Saw(float hz)
{
    float v = 0;
    const float p = 2 * kPi * float(phase_);
    for (int k = 1; k <= 512 && k * hz < kNyquist * 0.9f; ++k)
        v += BandEdge(k * hz) * std::sin(k * p) / float(k);
    Advance(hz);
    return -2 / kPi * v; // rising ramp from -1 to 1, like a plain sawtooth
}

float Osc::Harmonics(float hz, const float* amps, int n)
{
    float v = 0;
    const float p = 2 * kPi * float(phase_);
    for (int k = 1; k <= n && k * hz < kNyquist * 0.9f; ++k)
        v += BandEdge(k * hz) * amps[k - 1] * std::sin(k * p);
    Advance(hz);
    return v;
}

float Swell(float u, float a, float r)
{
    float g = 1;
    if (u < a)
        g *= 0.5f - 0.5f * std::cos(kPi * Clamp01(u / a));
    if (u > 1 - r)
        g *= 0.5f + 0.5f * std::cos(kPi * Clamp01((u - (1 - r)) / r));
    return u < 0 || u > 1 ? 0 : g;
}

Buffer Ping(float hz, float decay, float length)
{
    Buffer b(std::size_t(Samples(length)));
    Osc osc;
    for (std::size_t i = 0; i < b.size(); ++i) {
        // The last tenth tapers to silence so a cut-short ring never clicks.
        const float u = float(i) / float(b.size());
        b[i] = osc.Sine(hz) * AttackDecay(Seconds(int(i)), 0.0005f, decay) * Swell(u, 0, 0.1f);
    }
    return b;
}

void MixInto(Buffer& dst, const Buffer& src, int at, float gain, bool wrap)
{
    const int n = int(dst.size());
    if (n == 0)
        return;
    for (std::size_t i = 0; i < src.size(); ++i) {
        int j = at + int(i);
        if (wrap)
            j = ((j % n) + n) % n;
        else if (j < 0 || j >= n)
            continue;
        dst[std::size_t(j)] += gain * src[i];
    }
}

float LoopHz(float hz, int len)
{
    const float base = float(kRate) / float(len);
    return std::max(1.0f, std::round(hz / base)) * base;
}

void AddReflections(Buffer& b, const std::vector<Reflection>& taps)
{
    int longest = 0;
    for (const Reflection& t : taps)
        longest = std::max(longest, Samples(t.delay));
    const Buffer dry = b;
    b.resize(b.size() + std::size_t(longest), 0.0f);
    for (const Reflection& t : taps) {
        OnePole dull(t.lowHz);
        const std::size_t d = std::size_t(Samples(t.delay));
        for (std::size_t i = 0; i < dry.size(); ++i)
            b[i + d] += t.gain * dull.LowPass(dry[i]);
    }
}

void HighPass(Buffer& b, float hz)
{
    OnePole filter(hz);
    for (float& v : b)
        v = filter.HighPass(v);
}

void FadeEdges(Buffer& b, float inSeconds, float outSeconds)
{
    const int n = int(b.size());
    const int in = std::min(n, Samples(inSeconds));
    const int out = std::min(n, Samples(outSeconds));
    for (int i = 0; i < in; ++i)
        b[std::size_t(i)] *= Smoothstep(float(i) / float(in));
    for (int i = 0; i < out; ++i)
        b[std::size_t(n - 1 - i)] *= Smoothstep(float(i) / float(out));
}

float Peak(const Buffer& b)
{
    float p = 0;
    for (float v : b)
        p = std::max(p, std::fabs(v));
    return p;
}

void Normalise(Buffer& b, float peakDb)
{
    const float p = Peak(b);
    if (p <= 0)
        return;
    const float g = DbToGain(peakDb) / p;
    for (float& v : b)
        v *= g;
}

} // namespace dsp
