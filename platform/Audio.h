#pragma once
// The sound device: a mixer with one voice ("buffer") per playable copy of a
// sound. A buffer holds its own mixer channel and shares the sample data with
// the buffers duplicated from it, so several copies of one sound can sound at
// once and each can be started, stopped and tested on its own.
//
// Opening may fail (no audio device): every operation is then a quiet no-op
// that answers false or null. Closing the device silences every buffer; the
// handles stay valid to pass around and destroy, but play nothing until they
// are made again on a reopened device.
#include <cstddef>
#include <cstdint>

namespace plat {

// The sample format of a WAVE file's "fmt " chunk.
struct WaveFormat {
    std::uint16_t formatTag = 0;  // 1 integer PCM, 3 IEEE float
    std::uint16_t channels = 0;
    std::uint32_t samplesPerSec = 0;
    std::uint32_t avgBytesPerSec = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0; // 0 when the chunk is the short 14-byte form
};

struct AudioBuffer; // opaque

// Opens the default output device (reference counted: every successful open
// needs one close). False when no device can be opened.
bool OpenAudio();
// Starts opening the device on another thread, so that probing the sound
// back ends (slow on a machine without sound) overlaps the loading; the next
// OpenAudio() waits for it and gives its result. Does nothing while a device
// is open or the test seam below is set.
void BeginOpenAudio();
void CloseAudio();
bool IsAudioOpen();

// Test seam: while set, OpenAudio() fails as if the machine had no device.
void SetAudioUnavailable(bool unavailable);

// Sounds come from files players may exchange: the rate must be a real one
// and a converted sound is held within a bound (about four minutes of CD
// stereo), so a small file can never make the device allocate gigabytes.
constexpr std::uint32_t kMinSampleRate = 4000;
constexpr std::uint32_t kMaxSampleRate = 384000;
constexpr std::size_t kMaxConvertedBytes = 48u * 1024 * 1024;

// A buffer playing the given samples (copied now, converted to the device's
// format the first time it plays, so loading stays cheap). Null when the device is closed, the format is not one we can play
// (integer PCM of 8, 16 or 32 bits, or 32-bit float, at a rate within the
// bounds above), there are no samples, or the converted sound would pass
// kMaxConvertedBytes.
AudioBuffer* CreateAudioBuffer(const WaveFormat& format, const void* samples, std::size_t bytes);
// A second buffer on the samples of an existing one. Null when that fails.
AudioBuffer* DuplicateAudioBuffer(AudioBuffer* source);
// Stops the buffer and frees it; the samples go with their last buffer.
void DestroyAudioBuffer(AudioBuffer* buffer);

// Starts the buffer from its first sample, once or looping.
bool PlayAudioBuffer(AudioBuffer* buffer, bool loop);
// Stops it; the next play starts from the beginning again.
bool StopAudioBuffer(AudioBuffer* buffer);
bool IsAudioBufferPlaying(const AudioBuffer* buffer);

} // namespace plat
