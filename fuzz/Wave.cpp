// WAVE data as the sound bank reads it, then into the sound device. A parse
// that fails hands out nothing; one that succeeds points inside the bytes.
#include "fuzz/FuzzSupport.h"
#include "platform/Audio.h"
#include "shell/SoundPlayer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const fuzz::TimeBound bound(data, size);
    static const bool audio = plat::OpenAudio();
    fuzz::Check(audio, "the dummy sound device opens");

    plat::WaveFormat format;
    format.channels = 9;
    const unsigned char* samples = data;
    std::uint32_t length = 7;
    if (!ParseWaveData(data, size, &format, &samples, &length)) {
        fuzz::Check(samples == nullptr && length == 0 && format.channels == 0 && format.samplesPerSec == 0,
                    "a refused file hands out nothing");
        fuzz::Check(CreateSoundObjectFromWave(data, size, 1) == nullptr, "a refused file makes no sound");
        return 0;
    }
    fuzz::Check(samples != nullptr && samples >= data + 12 && samples <= data + size &&
                    length <= std::size_t(data + size - samples),
                "the samples lie inside the file");
    // One buffer always gives an object (silent when the format cannot be
    // played); several give none when the copies cannot be made.
    SoundObject* sound = CreateSoundObjectFromWave(data, size, 1);
    fuzz::Check(sound != nullptr, "a parsed file makes a sound object");
    PlaySoundObject(sound, int(size % 2));
    StopSoundObject(sound);
    DestroySoundObject(sound);
    if (SoundObject* copies = CreateSoundObjectFromWave(data, size, 2 + int(size % 2))) {
        PlaySoundObject(copies, 0);
        PlaySoundObject(copies, 0);
        DestroySoundObject(copies);
    }
    return 0;
}
