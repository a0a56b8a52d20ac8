#include "shell/SoundPlayer.h"

#include "platform/Clock.h"
#include "platform/Resources.h"
#include "shell/Globals.h"
#include "shell/Utility.h"

#include <algorithm>
#include <cstring>

KARVELIN_GLOBAL(31) CSndPlayer g_SndPlayer;

namespace {

std::uint32_t Le32(const unsigned char* p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

std::uint16_t Le16(const unsigned char* p) { return std::uint16_t(p[0] | p[1] << 8); }

plat::WaveFormat DecodeFormat(const unsigned char* p, std::uint32_t size)
{
    plat::WaveFormat f;
    f.formatTag = Le16(p);
    f.channels = Le16(p + 2);
    f.samplesPerSec = Le32(p + 4);
    f.avgBytesPerSec = Le32(p + 8);
    f.blockAlign = Le16(p + 12);
    f.bitsPerSample = size >= 16 ? Le16(p + 14) : 0;
    return f;
}

// The WAVE bytes of the embedded resource of that name.
bool WaveResourceBytes(const char* name, const unsigned char** bytes, std::size_t* length)
{
    if (!name)
        return false;
    const plat::Resource* res = plat::FindResourceByName(plat::ResourceKind::Wave, name);
    if (!res || !res->data)
        return false;
    *bytes = res->data;
    *length = res->size;
    return true;
}

plat::AudioBuffer* MakeBuffer(const plat::WaveFormat& format, const unsigned char* data, std::uint32_t size)
{
    if (!data || size == 0)
        return nullptr;
    return plat::CreateAudioBuffer(format, data, size);
}

} // namespace

bool ParseWaveData(const void* bytes, std::size_t length, plat::WaveFormat* format, const unsigned char** data,
                   std::uint32_t* size)
{
    if (format)
        *format = plat::WaveFormat{};
    if (data)
        *data = nullptr;
    if (size)
        *size = 0;

    const auto* p = static_cast<const unsigned char*>(bytes);
    if (!p || length < 12 || std::memcmp(p, "RIFF", 4) != 0 || std::memcmp(p + 8, "WAVE", 4) != 0)
        return false;
    // The RIFF size may claim more than there is: the chunks never run past
    // the bytes we were actually given.
    const std::size_t end = std::min<std::size_t>(std::size_t(8) + Le32(p + 4), length);

    // Found parts are handed out only when the whole walk succeeds.
    plat::WaveFormat foundFormat;
    const unsigned char* foundData = nullptr;
    std::uint32_t foundSize = 0;
    bool wantFormat = format != nullptr;
    bool wantData = data != nullptr || size != nullptr;
    std::size_t pos = 12;
    for (;;) {
        if (pos + 8 > end)
            return false;
        const unsigned char* id = p + pos;
        const std::uint32_t chunkSize = Le32(p + pos + 4);
        const std::size_t payload = pos + 8;
        if (chunkSize > end - payload)
            return false; // a truncated or lying chunk
        if (wantFormat && std::memcmp(id, "fmt ", 4) == 0) {
            if (chunkSize < 14)
                return false;
            foundFormat = DecodeFormat(p + payload, chunkSize);
            wantFormat = false;
        } else if (wantData && std::memcmp(id, "data", 4) == 0) {
            foundData = p + payload;
            foundSize = chunkSize;
            wantData = false;
        }
        if (!wantFormat && !wantData)
            break;
        pos = payload + chunkSize + (chunkSize & 1u);
        if (pos >= end)
            return false;
    }
    if (format)
        *format = foundFormat;
    if (data)
        *data = foundData;
    if (size)
        *size = foundSize;
    return true;
}

bool FindWaveResource(const char* name, plat::WaveFormat* format, const unsigned char** data, std::uint32_t* size)
{
    const unsigned char* bytes = nullptr;
    std::size_t length = 0;
    if (!WaveResourceBytes(name, &bytes, &length))
        return false;
    return ParseWaveData(bytes, length, format, data, size);
}

plat::AudioBuffer* LoadWaveBuffer(const char* name)
{
    plat::WaveFormat format;
    const unsigned char* data = nullptr;
    std::uint32_t size = 0;
    if (!FindWaveResource(name, &format, &data, &size))
        return nullptr;
    return MakeBuffer(format, data, size);
}

SoundObject* CreateSoundObjectFromWave(const void* bytes, std::size_t length, int buffers)
{
    plat::WaveFormat format;
    const unsigned char* data = nullptr;
    std::uint32_t size = 0;
    if (!ParseWaveData(bytes, length, &format, &data, &size))
        return nullptr;

    auto* sound = new SoundObject;
    sound->data = data;
    sound->size = size;
    sound->bufferCount = std::max(buffers, 1);
    sound->buffers.assign(std::size_t(sound->bufferCount), nullptr);
    sound->buffers[0] = MakeBuffer(format, data, size); // may fail: the sound then plays nothing
    for (int i = 1; i < sound->bufferCount; ++i) {
        plat::AudioBuffer* copy = plat::DuplicateAudioBuffer(sound->buffers[0]);
        if (!copy)
            copy = MakeBuffer(format, data, size);
        if (!copy) {
            DestroySoundObject(sound);
            return nullptr;
        }
        sound->buffers[std::size_t(i)] = copy;
    }
    return sound;
}

SoundObject* CreateSoundObject(const char* name, int buffers)
{
    const unsigned char* bytes = nullptr;
    std::size_t length = 0;
    if (!WaveResourceBytes(name, &bytes, &length))
        return nullptr;
    return CreateSoundObjectFromWave(bytes, length, buffers);
}

void DestroySoundObject(SoundObject* sound)
{
    if (!sound)
        return;
    for (plat::AudioBuffer* buffer : sound->buffers)
        plat::DestroyAudioBuffer(buffer);
    delete sound;
}

plat::AudioBuffer* GetFreeSoundBuffer(SoundObject* sound)
{
    if (!sound || sound->buffers.empty() || !sound->buffers[std::size_t(sound->current)])
        return nullptr;
    plat::AudioBuffer* buffer = sound->buffers[std::size_t(sound->current)];
    if (plat::IsAudioBufferPlaying(buffer)) {
        if (sound->bufferCount == 1)
            return nullptr; // busy: a one-buffer sound is not restarted
        sound->current = (sound->current + 1) % sound->bufferCount;
        buffer = sound->buffers[std::size_t(sound->current)];
        // Every copy is busy: the oldest one is cut off and starts over.
        if (buffer && plat::IsAudioBufferPlaying(buffer))
            plat::StopAudioBuffer(buffer);
    }
    return buffer;
}

bool IsSoundPlaying(const SoundObject* sound)
{
    if (!sound || sound->buffers.empty())
        return false;
    return plat::IsAudioBufferPlaying(sound->buffers[std::size_t(sound->current)]);
}

bool PlaySoundObject(SoundObject* sound, int flags)
{
    if (!sound)
        return false;
    const bool loop = (flags & kSoundLooping) != 0;
    if (loop && sound->bufferCount > 1)
        return false; // only a single-buffer sound may loop
    plat::AudioBuffer* buffer = GetFreeSoundBuffer(sound);
    if (!buffer)
        return false;
    return plat::PlayAudioBuffer(buffer, loop);
}

bool StopSoundObject(SoundObject* sound)
{
    if (!sound)
        return false;
    for (plat::AudioBuffer* buffer : sound->buffers)
        if (buffer)
            plat::StopAudioBuffer(buffer);
    return true;
}

// ---------------------------------------------------------------------------

CSoundPlayer::CSoundPlayer() : m_device(false) {}

CSoundPlayer::~CSoundPlayer() { Release(); }

bool CSoundPlayer::Init()
{
    Release();
    if (!plat::OpenAudio()) {
        DebugOut(Tr("karvelin: nessun dispositivo audio, si gioca senza suoni.",
                    "karvelin: no sound device, playing without sound."));
        return false;
    }
    m_device = true;
    LoadSounds();
    return true;
}

void CSoundPlayer::Release()
{
    if (m_device) {
        m_device = false;
        plat::CloseAudio();
    }
}

// ---------------------------------------------------------------------------

CSndSlot::CSndSlot() : sound(nullptr), enabled(0), lengthMs(0), playedAt(0), sounding(0) {}

void CSndSlot::Load(const char* name, int buffers)
{
    Release();
    sound = CreateSoundObject(name, buffers);
    enabled = 1;
    plat::WaveFormat format;
    std::uint32_t size = 0;
    lengthMs = 0;
    if (FindWaveResource(name, &format, nullptr, &size) && format.avgBytesPerSec > 0)
        lengthMs = std::uint32_t(std::uint64_t(size) * 1000u / format.avgBytesPerSec);
}

bool CSndSlot::Play(int flags)
{
    if (enabled != 1)
        return false;
    // The game hears it from now on, whatever the mixer makes of it.
    sounding = (flags & kSoundLooping) ? 2 : 1;
    playedAt = plat::NowMs();
    return PlaySoundObject(sound, flags);
}

bool CSndSlot::IsSoundingInGameTime() const
{
    if (sounding == 2)
        return true;
    return sounding == 1 && plat::NowMs() - playedAt < lengthMs;
}

void CSndSlot::Stop()
{
    sounding = 0;
    StopSoundObject(sound);
}

void CSndSlot::Release()
{
    sounding = 0;
    if (!sound)
        return;
    StopSoundObject(sound);
    DestroySoundObject(sound);
    sound = nullptr;
}

// ---------------------------------------------------------------------------

namespace {

constexpr const char* kSlotNames[CSndPlayer::kSlotCount] = {
    "CAST",     "SPLASH1",  "SPLASH2",   "SPLASH3",    "MULINELLO",  "RUSCELLO",   "FRIZIONE",   "CAMPANELLO",
    "A_U1",     "A_U2",     "A_U3",      "A_U4",       "A_U5",       "A_U6",       "A_U7",       "A_U8",
    "A_U9",     "A_U10",    "A_U11",     "A_U12",      "A_ANATRA",   "A_CICALE",   "A_CORVO",    "A_GRILLO",
    "A_GABBIANO", "TEMPORALE1", "TEMPORALE2", "MARE_MOSSO", "MARE_CALMO", "NAVE1",  "NAVE2",
};

constexpr CSndSlot CSndPlayer::*kSlotMembers[CSndPlayer::kSlotCount] = {
    &CSndPlayer::cast,       &CSndPlayer::splash1,    &CSndPlayer::splash2,   &CSndPlayer::splash3,
    &CSndPlayer::mulinello,  &CSndPlayer::ruscello,   &CSndPlayer::frizione,  &CSndPlayer::campanello,
    &CSndPlayer::aU1,        &CSndPlayer::aU2,        &CSndPlayer::aU3,       &CSndPlayer::aU4,
    &CSndPlayer::aU5,        &CSndPlayer::aU6,        &CSndPlayer::aU7,       &CSndPlayer::aU8,
    &CSndPlayer::aU9,        &CSndPlayer::aU10,       &CSndPlayer::aU11,      &CSndPlayer::aU12,
    &CSndPlayer::aAnatra,    &CSndPlayer::aCicale,    &CSndPlayer::aCorvo,    &CSndPlayer::aGrillo,
    &CSndPlayer::aGabbiano,  &CSndPlayer::temporale1, &CSndPlayer::temporale2, &CSndPlayer::mareMosso,
    &CSndPlayer::mareCalmo,  &CSndPlayer::nave1,      &CSndPlayer::nave2,
};

} // namespace

CSndPlayer::CSndPlayer() = default;

// At process exit: every sound stopped, then the device let go. The sound
// objects are freed too, so nothing holds a buffer of a closed device.
CSndPlayer::~CSndPlayer()
{
    StopAll();
    for (int i = 0; i < kSlotCount; ++i)
        Slot(i).Release();
    Release();
}

void CSndPlayer::LoadSounds()
{
    for (int i = 0; i < kSlotCount; ++i)
        Slot(i).Load(kSlotNames[i], 1);
}

CSndSlot& CSndPlayer::Slot(int index)
{
    if (index < 0 || index >= kSlotCount)
        index = 0;
    return this->*kSlotMembers[index];
}

const char* CSndPlayer::SlotName(int index)
{
    if (index < 0 || index >= kSlotCount)
        return "";
    return kSlotNames[index];
}

void CSndPlayer::StopAll()
{
    for (int i = 0; i < kSlotCount; ++i)
        Slot(i).Stop();
}

void CSndPlayer::SetAllEnabled(bool enabled)
{
    for (int i = 0; i < kSlotCount; ++i)
        Slot(i).enabled = enabled ? 1 : 0;
}
