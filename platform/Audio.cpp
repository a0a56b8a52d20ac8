#include "platform/Audio.h"

#include "platform/QuietStderr.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cstring>
#include <thread>
#include <vector>

namespace plat {
namespace {

// The samples of one sound, shared by its buffers. They are kept as read and
// converted to the device's format when first played, so loading every
// sound of the game costs a copy each, not a conversion. The mixer chunk
// points into pcm and does not own it.
struct Sample {
    std::vector<Uint8> pcm;
    SDL_AudioFormat sourceFormat = 0;
    Uint8 sourceChannels = 0;
    int sourceRate = 0;
    bool converted = false;
    Mix_Chunk* chunk = nullptr;
    int users = 0;
};

} // namespace

struct AudioBuffer {
    Sample* sample = nullptr; // null once the device it was made on is closed
    int channel = -1;
};

namespace {

constexpr int kFirstChannelCount = 64;

struct State {
    int openCount = 0;
    bool unavailable = false;
    int deviceRate = 0;
    Uint16 deviceFormat = 0;
    int deviceChannels = 0;
    std::vector<bool> channelUsed; // one entry per allocated mixer channel
    std::vector<AudioBuffer*> buffers; // every buffer holding a channel
};

// Never destroyed: the sound bank is a global whose destructor closes the
// device at process exit, possibly after this file's own globals are gone.
State& S()
{
    static State* state = new State;
    return *state;
}

// The device is usable only while we hold it open and SDL's audio is still
// up (a program that shuts SDL down before its globals are destroyed takes
// the device away under us).
bool Live()
{
    return S().openCount > 0 && SDL_WasInit(SDL_INIT_AUDIO) != 0;
}

void ReleaseSample(Sample* sample)
{
    if (!sample || --sample->users > 0)
        return;
    if (sample->chunk)
        Mix_FreeChunk(sample->chunk); // halts every channel still playing it
    delete sample;
}

int TakeChannel()
{
    State& s = S();
    auto it = std::find(s.channelUsed.begin(), s.channelUsed.end(), false);
    if (it == s.channelUsed.end()) {
        const int want = std::max(kFirstChannelCount, int(s.channelUsed.size()) * 2);
        const int got = Mix_AllocateChannels(want);
        if (got <= int(s.channelUsed.size()))
            return -1;
        s.channelUsed.resize(std::size_t(got), false);
        // Keep every channel ours: nothing may pick one of them for an
        // unassigned play.
        Mix_ReserveChannels(got);
        it = std::find(s.channelUsed.begin(), s.channelUsed.end(), false);
    }
    *it = true;
    return int(it - s.channelUsed.begin());
}

AudioBuffer* MakeBuffer(Sample* sample)
{
    const int channel = TakeChannel();
    if (channel < 0)
        return nullptr;
    auto* buffer = new AudioBuffer;
    buffer->sample = sample;
    buffer->channel = channel;
    ++sample->users;
    S().buffers.push_back(buffer);
    return buffer;
}

// Stops the buffer, gives its channel back and lets go of its samples; the
// handle itself stays for its owner to destroy.
void Detach(AudioBuffer* buffer)
{
    State& s = S();
    if (!buffer->sample)
        return;
    if (buffer->channel >= 0 && buffer->channel < int(s.channelUsed.size())) {
        Mix_HaltChannel(buffer->channel);
        s.channelUsed[std::size_t(buffer->channel)] = false;
    }
    ReleaseSample(buffer->sample);
    buffer->sample = nullptr;
    buffer->channel = -1;
    s.buffers.erase(std::remove(s.buffers.begin(), s.buffers.end(), buffer), s.buffers.end());
}

// SDL's name for a WAVE sample format; 0 when we cannot play it.
SDL_AudioFormat SourceFormat(const WaveFormat& f, int& frameBytes)
{
    if (f.channels < 1 || f.channels > 8 || f.samplesPerSec == 0)
        return 0;
    int bits = f.bitsPerSample;
    if (bits == 0)
        bits = f.blockAlign * 8 / f.channels;
    SDL_AudioFormat format = 0;
    if (f.formatTag == 1) {
        if (bits == 8)
            format = AUDIO_U8;
        else if (bits == 16)
            format = AUDIO_S16LSB;
        else if (bits == 32)
            format = AUDIO_S32LSB;
    } else if (f.formatTag == 3 && bits == 32) {
        format = AUDIO_F32LSB;
    }
    frameBytes = f.channels * bits / 8;
    if (format == 0 || (f.blockAlign != 0 && f.blockAlign != frameBytes))
        return 0;
    return format;
}

} // namespace

namespace {

// An open begun in the background, and what it came to.
struct Opening {
    std::thread thread;
    bool result = false;
    ~Opening()
    {
        if (thread.joinable())
            thread.join();
    }
};

Opening& Pending()
{
    static Opening opening;
    return opening;
}

bool OpenDevice();

} // namespace

void BeginOpenAudio()
{
    Opening& o = Pending();
    if (S().unavailable || S().openCount > 0 || o.thread.joinable())
        return;
    o.thread = std::thread([&o] { o.result = OpenDevice(); });
}

bool OpenAudio()
{
    State& s = S();
    if (Pending().thread.joinable()) {
        Pending().thread.join();
        if (Pending().result) // that open counts as this one
            return true;
    }
    if (s.unavailable)
        return false;
    if (s.openCount > 0) {
        if (!Live())
            return false;
        ++s.openCount;
        return true;
    }
    return OpenDevice();
}

namespace {

bool OpenDevice()
{
    State& s = S();
    {
        // Without a sound card the audio libraries print a line for every
        // back end they try; the caller says in one line that sound is off.
        QuietStderr quiet;
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            return false;
        if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            return false;
        }
    }
    int rate = 0, channels = 0;
    Uint16 format = 0;
    Mix_QuerySpec(&rate, &format, &channels);
    s.deviceRate = rate;
    s.deviceFormat = format;
    s.deviceChannels = channels;
    // The mixer starts with 8 channels; every buffer needs one of its own.
    const int got = Mix_AllocateChannels(kFirstChannelCount);
    Mix_ReserveChannels(got);
    s.channelUsed.assign(std::size_t(std::max(got, 0)), false);
    s.buffers.clear();
    s.openCount = 1;
    return true;
}

} // namespace

void CloseAudio()
{
    if (Pending().thread.joinable()) {
        Pending().thread.join();
        if (!Pending().result)
            return;
    }
    State& s = S();
    if (s.openCount == 0)
        return;
    if (--s.openCount > 0 && Live())
        return;
    s.openCount = 0;
    // Every buffer goes silent and lets go of its samples while the mixer is
    // still there; the handles live on, empty, until their owners destroy them.
    while (!s.buffers.empty())
        Detach(s.buffers.back());
    s.channelUsed.clear();
    Mix_CloseAudio();
    if (SDL_WasInit(SDL_INIT_AUDIO))
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool IsAudioOpen() { return Live(); }

void SetAudioUnavailable(bool unavailable) { S().unavailable = unavailable; }

AudioBuffer* CreateAudioBuffer(const WaveFormat& format, const void* samples, std::size_t bytes)
{
    if (!Live() || !samples)
        return nullptr;
    State& s = S();
    int frameBytes = 0;
    const SDL_AudioFormat source = SourceFormat(format, frameBytes);
    if (source == 0 || frameBytes <= 0)
        return nullptr;
    bytes -= bytes % std::size_t(frameBytes); // a partial last frame is dropped
    // Below this rate nothing is a real recording, and the rate conversion
    // would blow a tiny file up into gigabytes.
    if (bytes == 0 || format.samplesPerSec < kMinSampleRate || format.samplesPerSec > kMaxSampleRate)
        return nullptr;

    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, source, Uint8(format.channels), int(format.samplesPerSec), s.deviceFormat,
                          Uint8(s.deviceChannels), s.deviceRate) < 0)
        return nullptr;
    // The converter works in place on a buffer len_mult times the input;
    // the converted sound must stay within the bound as well.
    const double converted = double(bytes) * double(s.deviceRate) / double(format.samplesPerSec) *
                             double(SDL_AUDIO_BITSIZE(s.deviceFormat) / 8 * s.deviceChannels) / double(frameBytes);
    if (bytes > kMaxConvertedBytes / std::size_t(std::max(cvt.len_mult, 1)) || converted > double(kMaxConvertedBytes))
        return nullptr;
    auto* sample = new Sample;
    const auto* in = static_cast<const Uint8*>(samples);
    sample->pcm.assign(in, in + bytes);
    sample->sourceFormat = source;
    sample->sourceChannels = Uint8(format.channels);
    sample->sourceRate = int(format.samplesPerSec);
    AudioBuffer* buffer = MakeBuffer(sample);
    if (!buffer)
        ReleaseSample(sample);
    return buffer;
}

namespace {

// The sound in the device's format, made the first time it is played; false
// (and the sound stays silent) when the conversion fails.
bool Convert(Sample* sample)
{
    if (sample->converted)
        return sample->chunk != nullptr;
    sample->converted = true;
    State& s = S();
    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, sample->sourceFormat, sample->sourceChannels, sample->sourceRate, s.deviceFormat,
                          Uint8(s.deviceChannels), s.deviceRate) < 0) {
        sample->pcm.clear();
        return false;
    }
    if (cvt.needed) {
        const std::size_t bytes = sample->pcm.size();
        sample->pcm.resize(bytes * std::size_t(std::max(cvt.len_mult, 1)));
        cvt.buf = sample->pcm.data();
        cvt.len = int(bytes);
        if (SDL_ConvertAudio(&cvt) != 0) {
            sample->pcm.clear();
            return false;
        }
        sample->pcm.resize(std::size_t(cvt.len_cvt));
    }
    const int outFrame = SDL_AUDIO_BITSIZE(s.deviceFormat) / 8 * s.deviceChannels;
    sample->pcm.resize(sample->pcm.size() - sample->pcm.size() % std::size_t(std::max(outFrame, 1)));
    sample->pcm.shrink_to_fit();
    if (sample->pcm.empty())
        return false;
    sample->chunk = Mix_QuickLoad_RAW(sample->pcm.data(), Uint32(sample->pcm.size()));
    return sample->chunk != nullptr;
}

} // namespace

AudioBuffer* DuplicateAudioBuffer(AudioBuffer* source)
{
    if (!Live() || !source || !source->sample)
        return nullptr;
    return MakeBuffer(source->sample);
}

void DestroyAudioBuffer(AudioBuffer* buffer)
{
    if (!buffer)
        return;
    // A buffer still holding samples implies the mixer is still open: closing
    // the device detaches every buffer.
    if (buffer->sample)
        Detach(buffer);
    delete buffer;
}

bool PlayAudioBuffer(AudioBuffer* buffer, bool loop)
{
    if (!Live() || !buffer || !buffer->sample || !Convert(buffer->sample))
        return false;
    return Mix_PlayChannel(buffer->channel, buffer->sample->chunk, loop ? -1 : 0) >= 0;
}

bool StopAudioBuffer(AudioBuffer* buffer)
{
    if (!Live() || !buffer || !buffer->sample)
        return false;
    Mix_HaltChannel(buffer->channel);
    return true;
}

bool IsAudioBufferPlaying(const AudioBuffer* buffer)
{
    if (!Live() || !buffer || !buffer->sample)
        return false;
    return Mix_Playing(buffer->channel) != 0;
}

} // namespace plat
