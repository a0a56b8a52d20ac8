#pragma once
// The sound bank. Every sound is a WAVE resource embedded in the program,
// loaded once at start-up and kept for the whole run. A sound object has one
// or more buffers on the sound device: with one, a sound still playing is not
// started again; with several, each play takes the next buffer in turn, so
// copies overlap and the oldest one is cut off when all are busy.
//
// Without a sound device nothing is loaded and every play, stop and test is
// a quiet no-op: the game simply runs silent.
#include "platform/Audio.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Play flag: loop until stopped (allowed only for one-buffer sounds).
constexpr int kSoundLooping = 1;

struct SoundObject {
    const unsigned char* data = nullptr; // the samples inside the resource (not copied)
    std::uint32_t size = 0;              // sample bytes
    int bufferCount = 0;                 // at least 1
    int current = 0;                     // the buffer used last
    std::vector<plat::AudioBuffer*> buffers; // 0 made from the samples, the rest duplicates of it
};

// Walks the RIFF chunks of a WAVE file held in `length` bytes: the first
// "fmt " chunk (at least 14 bytes) gives the format, the first "data" chunk
// the samples; other chunks are skipped, odd payloads are followed by a pad
// byte. Each out may be null when not wanted; the wanted outs are filled on
// success and left empty on failure. A file whose chunks run past its end
// (or past its RIFF size) is refused.
bool ParseWaveData(const void* bytes, std::size_t length, plat::WaveFormat* format, const unsigned char** data,
                   std::uint32_t* size);
// The same for the embedded WAVE resource of that name.
bool FindWaveResource(const char* name, plat::WaveFormat* format, const unsigned char** data, std::uint32_t* size);

// A device buffer with the named resource's samples; null when the resource
// is missing or malformed or the device cannot make the buffer.
plat::AudioBuffer* LoadWaveBuffer(const char* name);

// A sound of `buffers` buffers (at least 1) from the named resource, or from
// WAVE bytes kept alive by the caller. Null when the WAVE cannot be read or a
// further buffer cannot be made; a sound whose first buffer cannot be made is
// still returned and plays nothing.
SoundObject* CreateSoundObject(const char* name, int buffers);
SoundObject* CreateSoundObjectFromWave(const void* bytes, std::size_t length, int buffers);
void DestroySoundObject(SoundObject* sound);

// The buffer the next play should use, or null when the sound is busy (one
// buffer, still playing) or has no buffer.
plat::AudioBuffer* GetFreeSoundBuffer(SoundObject* sound);
bool IsSoundPlaying(const SoundObject* sound);
// Starts the sound from its beginning; flags 0 or kSoundLooping.
bool PlaySoundObject(SoundObject* sound, int flags);
// Stops every buffer and rewinds it; false only for a null sound.
bool StopSoundObject(SoundObject* sound);

// Owner of the sound device; the derived bank loads its sounds once the
// device is open.
class CSoundPlayer {
public:
    CSoundPlayer();
    virtual ~CSoundPlayer();
    CSoundPlayer(const CSoundPlayer&) = delete;
    CSoundPlayer& operator=(const CSoundPlayer&) = delete;

    // Opens the sound device and loads the sounds; false (and nothing
    // loaded) when there is no device.
    bool Init();
    void Release();
    bool HasDevice() const { return m_device; }

    virtual void LoadSounds() = 0;

protected:
    bool m_device; // we hold the sound device open
};

// One named sound of the bank.
class CSndSlot {
public:
    CSndSlot();

    void Load(const char* name, int buffers); // enabled becomes 1 even when the sound cannot be made
    // Plays the sound when the slot is enabled.
    bool Play(int flags = 0);
    bool IsPlaying() const { return IsSoundPlaying(sound); }
    // Whether the sound is still going by game time: played while enabled,
    // looping or not yet as long as its samples, and not stopped since. The
    // mixer plays in real time, so a rule that draws a chance only while a
    // sound is silent asks this, and plays the same on every machine.
    bool IsSoundingInGameTime() const;
    void Stop();
    void Release();

    // Fields, in order.
    SoundObject* sound;   // null until loaded
    std::uint8_t enabled; // 1: owners may play the sound
    std::uint32_t lengthMs;  // the samples' length, from the resource
    std::uint32_t playedAt;  // game time of the last play
    std::uint8_t sounding;   // 0 silent, 1 once, 2 looping
};

class CSndPlayer : public CSoundPlayer {
public:
    static constexpr int kSlotCount = 31;

    CSndPlayer();
    ~CSndPlayer() override;

    void LoadSounds() override;

    // Slot 0..30 in the order below; the resource name of each.
    CSndSlot& Slot(int index);
    static const char* SlotName(int index);
    void StopAll();
    void SetAllEnabled(bool enabled);

    // The 31 slots, in slot order.
    CSndSlot cast;       // "CAST"
    CSndSlot splash1;    // "SPLASH1"
    CSndSlot splash2;    // "SPLASH2"
    CSndSlot splash3;    // "SPLASH3"
    CSndSlot mulinello;  // "MULINELLO"
    CSndSlot ruscello;   // "RUSCELLO"
    CSndSlot frizione;   // "FRIZIONE"
    CSndSlot campanello; // "CAMPANELLO"
    CSndSlot aU1, aU2, aU3, aU4, aU5, aU6, aU7, aU8, aU9, aU10, aU11, aU12; // "A_U1".."A_U12"
    CSndSlot aAnatra;    // "A_ANATRA"
    CSndSlot aCicale;    // "A_CICALE"
    CSndSlot aCorvo;     // "A_CORVO"
    CSndSlot aGrillo;    // "A_GRILLO"
    CSndSlot aGabbiano;  // "A_GABBIANO"
    CSndSlot temporale1; // "TEMPORALE1"
    CSndSlot temporale2; // "TEMPORALE2"
    CSndSlot mareMosso;  // "MARE_MOSSO"
    CSndSlot mareCalmo;  // "MARE_CALMO"
    CSndSlot nave1;      // "NAVE1"
    CSndSlot nave2;      // "NAVE2"
};

extern CSndPlayer g_SndPlayer;
