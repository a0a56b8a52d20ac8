// The sound bank on SDL's dummy audio driver (set by the test main), which
// consumes samples in real time. "Still playing" is looked at with the device
// held (HeldAudio), and "has ended" is waited for, so neither verdict depends
// on how busy the machine is.
#include "platform/Audio.h"
#include "platform/Clock.h"
#include "platform/Resources.h"
#include "shell/SoundPlayer.h"
#include "tests/support/HeldAudio.h"
#include "tests/support/ThreadCpuTime.h"

#include <gtest/gtest.h>

#include <SDL.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include <cstring>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

void Put32(Bytes& b, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<unsigned char>(v >> (8 * i)));
}
void Put16(Bytes& b, std::uint16_t v)
{
    b.push_back(static_cast<unsigned char>(v));
    b.push_back(static_cast<unsigned char>(v >> 8));
}
void PutChunk(Bytes& b, const char* id, const Bytes& payload, bool pad = true)
{
    b.insert(b.end(), id, id + 4);
    Put32(b, std::uint32_t(payload.size()));
    b.insert(b.end(), payload.begin(), payload.end());
    if (pad && payload.size() % 2)
        b.push_back(0);
}
Bytes FmtPayload(std::uint16_t channels, std::uint32_t rate, std::uint16_t bits, std::size_t size = 16)
{
    Bytes f;
    Put16(f, 1);
    Put16(f, channels);
    Put32(f, rate);
    Put32(f, rate * channels * bits / 8);
    Put16(f, std::uint16_t(channels * bits / 8));
    Put16(f, bits);
    f.resize(size, 0);
    return f;
}
// A RIFF file around the chunks; riffSize overrides the header's size field.
Bytes Riff(const Bytes& chunks, long riffSize = -1)
{
    Bytes b = {'R', 'I', 'F', 'F'};
    Put32(b, riffSize < 0 ? std::uint32_t(4 + chunks.size()) : std::uint32_t(riffSize));
    b.insert(b.end(), {'W', 'A', 'V', 'E'});
    b.insert(b.end(), chunks.begin(), chunks.end());
    return b;
}
// A mono 16-bit tone of the given length.
Bytes Tone(int ms, int rate = 22050)
{
    Bytes samples;
    const int n = rate * ms / 1000;
    for (int i = 0; i < n; ++i)
        Put16(samples, std::uint16_t(((i / 20) % 2) ? 8000 : -8000));
    Bytes chunks;
    PutChunk(chunks, "fmt ", FmtPayload(1, std::uint32_t(rate), 16));
    PutChunk(chunks, "data", samples);
    return Riff(chunks);
}

// The bound is only against a hang: a loaded machine plays slower, never wrong.
bool WaitUntilSilent(const SoundObject* sound, std::uint32_t timeoutMs = 60000)
{
    const std::uint32_t start = plat::WallMs();
    while (IsSoundPlaying(sound)) {
        if (plat::WallMs() - start > timeoutMs)
            return false;
        plat::SleepMs(5);
    }
    return true;
}

} // namespace

// ---------------------------------------------------------------------------
// Parser

TEST(WaveParser, ReadsFormatAndDataSkippingOtherChunksAndPadBytes)
{
    Bytes chunks;
    PutChunk(chunks, "LIST", Bytes(5, 'x')); // odd: a pad byte follows
    PutChunk(chunks, "fmt ", FmtPayload(2, 44100, 16));
    PutChunk(chunks, "junk", Bytes(3, 0));
    const Bytes samples = {1, 2, 3, 4, 5, 6, 7, 8};
    PutChunk(chunks, "data", samples);
    const Bytes wave = Riff(chunks);

    plat::WaveFormat format;
    const unsigned char* data = nullptr;
    std::uint32_t size = 0;
    ASSERT_TRUE(ParseWaveData(wave.data(), wave.size(), &format, &data, &size));
    EXPECT_EQ(format.formatTag, 1);
    EXPECT_EQ(format.channels, 2);
    EXPECT_EQ(format.samplesPerSec, 44100u);
    EXPECT_EQ(format.blockAlign, 4);
    EXPECT_EQ(format.bitsPerSample, 16);
    ASSERT_EQ(size, samples.size());
    EXPECT_EQ(std::memcmp(data, samples.data(), size), 0);
    EXPECT_EQ(data, wave.data() + wave.size() - samples.size()); // points into the bytes, not a copy
}

TEST(WaveParser, OddDataChunkIsFollowedByItsPadByte)
{
    Bytes chunks;
    PutChunk(chunks, "data", Bytes(7, 0x55));
    PutChunk(chunks, "fmt ", FmtPayload(1, 8000, 8));
    const Bytes wave = Riff(chunks);
    plat::WaveFormat format;
    std::uint32_t size = 0;
    ASSERT_TRUE(ParseWaveData(wave.data(), wave.size(), &format, nullptr, &size));
    EXPECT_EQ(size, 7u);
    EXPECT_EQ(format.samplesPerSec, 8000u);
}

TEST(WaveParser, ShortFourteenByteFormatIsAcceptedAndOnlyWantedPartsAreNeeded)
{
    Bytes chunks;
    PutChunk(chunks, "fmt ", FmtPayload(1, 11025, 16, 14));
    const Bytes wave = Riff(chunks);
    plat::WaveFormat format;
    ASSERT_TRUE(ParseWaveData(wave.data(), wave.size(), &format, nullptr, nullptr));
    EXPECT_EQ(format.samplesPerSec, 11025u);
    EXPECT_EQ(format.bitsPerSample, 0); // not in the short form
    const unsigned char* data = reinterpret_cast<const unsigned char*>(1);
    EXPECT_FALSE(ParseWaveData(wave.data(), wave.size(), &format, &data, nullptr)); // no "data"
    EXPECT_EQ(data, nullptr); // wanted outs are cleared even on failure
}

TEST(WaveParser, RefusesMalformedAndTruncatedFiles)
{
    const Bytes good = Tone(10);
    struct Case {
        const char* what;
        Bytes bytes;
    };
    std::vector<Case> cases;
    {
        Bytes b = good;
        b[0] = 'X';
        cases.push_back({"not RIFF", b});
    }
    {
        Bytes b = good;
        b[8] = 'A';
        cases.push_back({"not WAVE", b});
    }
    cases.push_back({"header only", Bytes(good.begin(), good.begin() + 12)});
    cases.push_back({"shorter than a header", Bytes(good.begin(), good.begin() + 7)});
    cases.push_back({"data cut short", Bytes(good.begin(), good.end() - 3)});
    cases.push_back({"cut inside the fmt chunk", Bytes(good.begin(), good.begin() + 30)});
    {
        Bytes chunks;
        PutChunk(chunks, "fmt ", FmtPayload(1, 22050, 16, 12));
        PutChunk(chunks, "data", Bytes(8, 0));
        cases.push_back({"fmt of 12 bytes", Riff(chunks)});
    }
    {
        Bytes chunks;
        PutChunk(chunks, "fmt ", FmtPayload(1, 22050, 16));
        cases.push_back({"no data chunk", Riff(chunks)});
    }
    {
        Bytes chunks;
        PutChunk(chunks, "data", Bytes(8, 0));
        cases.push_back({"no fmt chunk", Riff(chunks)});
    }
    {
        // A data chunk claiming far more than the file holds.
        Bytes chunks;
        PutChunk(chunks, "fmt ", FmtPayload(1, 22050, 16));
        chunks.insert(chunks.end(), {'d', 'a', 't', 'a'});
        Put32(chunks, 0xFFFFFFF0u);
        chunks.insert(chunks.end(), 16, 0);
        cases.push_back({"over-long data chunk", Riff(chunks)});
    }
    {
        // A skipped chunk whose size would jump the walk past the end.
        Bytes chunks;
        chunks.insert(chunks.end(), {'L', 'I', 'S', 'T'});
        Put32(chunks, 0x7FFFFFFFu);
        PutChunk(chunks, "fmt ", FmtPayload(1, 22050, 16));
        PutChunk(chunks, "data", Bytes(8, 0));
        cases.push_back({"over-long skipped chunk", Riff(chunks)});
    }
    {
        // The RIFF size ends the chunk area before the data chunk does.
        Bytes chunks;
        PutChunk(chunks, "fmt ", FmtPayload(1, 22050, 16));
        PutChunk(chunks, "data", Bytes(8, 0));
        cases.push_back({"data past the RIFF size", Riff(chunks, 4 + 24 + 8 + 4)});
    }

    for (const Case& c : cases) {
        plat::WaveFormat format;
        const unsigned char* data = nullptr;
        std::uint32_t size = 0;
        EXPECT_FALSE(ParseWaveData(c.bytes.data(), c.bytes.size(), &format, &data, &size)) << c.what;
        EXPECT_EQ(size, 0u) << c.what;
        EXPECT_EQ(CreateSoundObjectFromWave(c.bytes.data(), c.bytes.size(), 1), nullptr) << c.what;
    }
    EXPECT_FALSE(ParseWaveData(nullptr, 100, nullptr, nullptr, nullptr));
}

TEST(WaveParser, RiffSizeLargerThanTheFileIsBoundedByTheBytes)
{
    // A writer that never patched its RIFF size: the chunks themselves are
    // complete, so the file still plays.
    Bytes chunks;
    PutChunk(chunks, "fmt ", FmtPayload(1, 22050, 16));
    PutChunk(chunks, "data", Bytes(8, 0));
    const Bytes wave = Riff(chunks, 0x7FFFFFFF);
    std::uint32_t size = 0;
    EXPECT_TRUE(ParseWaveData(wave.data(), wave.size(), nullptr, nullptr, &size));
    EXPECT_EQ(size, 8u);
}

// ---------------------------------------------------------------------------
// Sound objects on the device

class SoundDevice : public ::testing::Test {
protected:
    // Playback runs in real time: with a fake wall clock left set, sleeping would
    // not wait and WaitUntilSilent would give up at once.
    void SetUp() override
    {
        plat::ClearFakeWallClock();
        ASSERT_TRUE(plat::OpenAudio()) << "dummy audio driver did not open";
    }
    void TearDown() override { plat::CloseAudio(); }
};

TEST_F(SoundDevice, BusyOneBufferSoundIsNotRestartedAndReplaysAfterItEnds)
{
    const Bytes wave = Tone(200);
    SoundObject* bell = CreateSoundObjectFromWave(wave.data(), wave.size(), 1);
    ASSERT_NE(bell, nullptr);
    ASSERT_NE(bell->buffers[0], nullptr);
    EXPECT_FALSE(IsSoundPlaying(bell));
    {
        HeldAudio held;
        ASSERT_TRUE(held.Holds());
        EXPECT_TRUE(PlaySoundObject(bell, 0));
        EXPECT_TRUE(IsSoundPlaying(bell));
        EXPECT_EQ(GetFreeSoundBuffer(bell), nullptr);
        EXPECT_FALSE(PlaySoundObject(bell, 0)) << "a busy one-buffer sound must not restart";
        EXPECT_EQ(bell->current, 0);
    }
    ASSERT_TRUE(WaitUntilSilent(bell));
    HeldAudio held;
    ASSERT_TRUE(held.Holds());
    EXPECT_TRUE(PlaySoundObject(bell, 0));
    EXPECT_TRUE(IsSoundPlaying(bell));

    EXPECT_TRUE(StopSoundObject(bell));
    EXPECT_FALSE(IsSoundPlaying(bell));
    EXPECT_TRUE(PlaySoundObject(bell, 0)) << "a stopped sound plays again at once";
    DestroySoundObject(bell);
}

TEST_F(SoundDevice, ThreeBuffersPlayedFourTimesGoRoundAndCutTheOldestCopy)
{
    const Bytes wave = Tone(2000);
    SoundObject* splash = CreateSoundObjectFromWave(wave.data(), wave.size(), 3);
    ASSERT_NE(splash, nullptr);
    ASSERT_EQ(splash->bufferCount, 3);
    for (plat::AudioBuffer* b : splash->buffers)
        ASSERT_NE(b, nullptr);

    const int expectedCurrent[] = {0, 1, 2, 0};
    HeldAudio held;
    ASSERT_TRUE(held.Holds());
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(PlaySoundObject(splash, 0)) << "play " << i;
        EXPECT_EQ(splash->current, expectedCurrent[i]) << "play " << i;
    }
    for (plat::AudioBuffer* b : splash->buffers)
        EXPECT_TRUE(plat::IsAudioBufferPlaying(b));

    // Looping is only for one-buffer sounds.
    EXPECT_FALSE(PlaySoundObject(splash, kSoundLooping));

    EXPECT_TRUE(StopSoundObject(splash));
    for (plat::AudioBuffer* b : splash->buffers)
        EXPECT_FALSE(plat::IsAudioBufferPlaying(b));
    DestroySoundObject(splash);
}

TEST_F(SoundDevice, OneBufferSoundLoopsUntilStopped)
{
    const Bytes wave = Tone(40);
    SoundObject* crickets = CreateSoundObjectFromWave(wave.data(), wave.size(), 1);
    ASSERT_NE(crickets, nullptr);
    // A sound five times its length, started after the loop, ends only once
    // the mixer has played the loop round several times.
    const Bytes longer = Tone(200);
    SoundObject* clock = CreateSoundObjectFromWave(longer.data(), longer.size(), 1);
    ASSERT_NE(clock, nullptr);
    EXPECT_TRUE(PlaySoundObject(crickets, kSoundLooping));
    EXPECT_TRUE(PlaySoundObject(clock, 0));
    ASSERT_TRUE(WaitUntilSilent(clock));
    EXPECT_TRUE(IsSoundPlaying(crickets));
    DestroySoundObject(clock);
    StopSoundObject(crickets);
    EXPECT_FALSE(IsSoundPlaying(crickets));
    DestroySoundObject(crickets);
}

TEST_F(SoundDevice, SamplesOfOtherFormatsAreConvertedAndUnplayableOnesGiveASilentSound)
{
    struct Case {
        std::uint16_t tag, channels, bits;
        std::uint32_t rate;
        bool playable;
    };
    const Case cases[] = {{1, 1, 8, 8000, true},   {1, 2, 16, 8000, true}, {1, 2, 32, 8000, true},
                          {3, 1, 32, 8000, true},  {1, 1, 24, 8000, false}, {2, 1, 4, 8000, false},
                          // Converting this many samples up from 8 Hz would overflow the converter.
                          {1, 1, 16, 8, false}};
    for (const Case& c : cases) {
        Bytes fmt = FmtPayload(c.channels, c.rate, c.bits);
        fmt[0] = std::uint8_t(c.tag);
        Bytes chunks;
        PutChunk(chunks, "fmt ", fmt);
        PutChunk(chunks, "data", Bytes(std::size_t(c.channels) * 3200 * 20, 0));
        const Bytes wave = Riff(chunks);
        SoundObject* s = CreateSoundObjectFromWave(wave.data(), wave.size(), 1);
        ASSERT_NE(s, nullptr) << c.tag << "/" << c.bits;
        EXPECT_EQ(s->buffers[0] != nullptr, c.playable) << c.tag << "/" << c.bits;
        EXPECT_EQ(PlaySoundObject(s, 0), c.playable) << c.tag << "/" << c.bits;
        DestroySoundObject(s);
    }
}

// Sound files come from players too: a rate no recording has, or a sound
// that would grow past the bound once converted to the device's rate, gives
// a silent sound at once instead of a buffer of gigabytes.
TEST_F(SoundDevice, RatesAndConvertedSizesAreBounded)
{
    struct Case {
        std::uint32_t rate;
        std::size_t bytes; // 8-bit mono samples
        bool playable;
    };
    const Case cases[] = {
        {1, 3000, false},         // a 3 KB file at 1 Hz asked the device for 2 GB
        {3999, 4000, false},
        {4000, 4000, true},
        {384000, 4000, true},
        {384001, 4000, false},
        {4000, 8u << 20, false}, // 8 MB at 4 kHz is far more than the bound once at the device's rate
        {44100, 1u << 20, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.rate) + " Hz, " + std::to_string(c.bytes) + " bytes");
        plat::WaveFormat f;
        f.formatTag = 1;
        f.channels = 1;
        f.samplesPerSec = c.rate;
        f.avgBytesPerSec = c.rate;
        f.blockAlign = 1;
        f.bitsPerSample = 8;
        const Bytes samples(c.bytes, 0x80);
        const double start = ThreadCpuSeconds();
        plat::AudioBuffer* b = plat::CreateAudioBuffer(f, samples.data(), samples.size());
        EXPECT_EQ(b != nullptr, c.playable);
        // This thread's own time, which other work on the machine does not stretch.
        EXPECT_LT(ThreadCpuSeconds() - start, 2.0);
        plat::DestroyAudioBuffer(b);
    }
}

TEST_F(SoundDevice, ManyBuffersEachGetTheirOwnChannel)
{
    // Far more than the mixer's default of 8 channels.
    const Bytes wave = Tone(1000);
    std::vector<SoundObject*> sounds;
    HeldAudio held;
    ASSERT_TRUE(held.Holds());
    for (int i = 0; i < 40; ++i) {
        sounds.push_back(CreateSoundObjectFromWave(wave.data(), wave.size(), 3));
        ASSERT_NE(sounds.back(), nullptr);
        ASSERT_TRUE(PlaySoundObject(sounds.back(), 0));
    }
    for (SoundObject* s : sounds)
        EXPECT_TRUE(IsSoundPlaying(s));
    for (SoundObject* s : sounds)
        DestroySoundObject(s);
}

TEST_F(SoundDevice, ClosingTheDeviceSilencesSoundsThatOutliveIt)
{
    const Bytes wave = Tone(1000);
    SoundObject* s = CreateSoundObjectFromWave(wave.data(), wave.size(), 2);
    ASSERT_NE(s, nullptr);
    EXPECT_TRUE(PlaySoundObject(s, 0));
    plat::CloseAudio();
    EXPECT_FALSE(plat::IsAudioOpen());
    EXPECT_FALSE(IsSoundPlaying(s));
    EXPECT_FALSE(PlaySoundObject(s, 0));
    StopSoundObject(s);
    DestroySoundObject(s);
    ASSERT_TRUE(plat::OpenAudio()); // for TearDown
}

// ---------------------------------------------------------------------------
// The bank

namespace {

// A bank over test sounds instead of the embedded ones.
class TestBank : public CSoundPlayer {
public:
    explicit TestBank(const Bytes& wave) : m_wave(wave) {}
    ~TestBank() override
    {
        slot.Release();
        Release();
    }
    void LoadSounds() override
    {
        ++loads;
        slot.sound = CreateSoundObjectFromWave(m_wave.data(), m_wave.size(), 1);
        slot.enabled = 1;
    }
    CSndSlot slot;
    int loads = 0;

private:
    Bytes m_wave;
};

struct Unavailable {
    Unavailable() { plat::SetAudioUnavailable(true); }
    ~Unavailable() { plat::SetAudioUnavailable(false); }
};

} // namespace

// Opening the real back ends on a machine without a sound card made the
// audio libraries print a screenful of errors; the game plays silent and
// says so in one line of its own (the sound bank's), nothing else.
TEST(SoundBank, NoSoundCardLeavesStderrClean)
{
    char path[] = "/tmp/karvelin-stderr-XXXXXX";
    const int file = mkstemp(path);
    ASSERT_GE(file, 0);
    std::fflush(stderr);
    const int saved = dup(2);
    dup2(file, 2);
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "pulseaudio,alsa", SDL_HINT_OVERRIDE);
    const bool opened = plat::OpenAudio();
    if (opened)
        plat::CloseAudio();
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    std::fflush(stderr);
    dup2(saved, 2);
    close(saved);
    std::string captured(4096, '\0');
    captured.resize(std::size_t(std::max<ssize_t>(pread(file, captured.data(), captured.size(), 0), 0)));
    close(file);
    unlink(path);
    EXPECT_EQ(captured, "") << (opened ? "a sound device opened" : "no sound device");
}

// The game begins opening the device before loading and takes it after:
// the open begun in the background is the one the next open returns, and
// one close ends it, also when it was never taken.
TEST(SoundBank, AnOpenBegunInTheBackgroundIsTakenByTheNextOpen)
{
    plat::BeginOpenAudio();
    ASSERT_TRUE(plat::OpenAudio());
    EXPECT_TRUE(plat::IsAudioOpen());
    plat::CloseAudio();
    EXPECT_FALSE(plat::IsAudioOpen());

    plat::BeginOpenAudio();
    plat::CloseAudio();
    EXPECT_FALSE(plat::IsAudioOpen());

    plat::SetAudioUnavailable(true);
    plat::BeginOpenAudio();
    EXPECT_FALSE(plat::OpenAudio());
    plat::SetAudioUnavailable(false);
}

TEST(SoundBank, DisabledSlotIsNotPlayedButCanStillBeStoppedAndTested)
{
    TestBank bank(Tone(1000));
    ASSERT_TRUE(bank.Init());
    EXPECT_EQ(bank.loads, 1);
    ASSERT_NE(bank.slot.sound, nullptr);
    HeldAudio held;
    ASSERT_TRUE(held.Holds());

    bank.slot.enabled = 0;
    EXPECT_FALSE(bank.slot.Play());
    EXPECT_FALSE(bank.slot.IsPlaying());

    EXPECT_TRUE(PlaySoundObject(bank.slot.sound, 0)); // started directly, as a stop-all would find it
    EXPECT_TRUE(bank.slot.IsPlaying());
    bank.slot.Stop();
    EXPECT_FALSE(bank.slot.IsPlaying());

    bank.slot.enabled = 1;
    EXPECT_TRUE(bank.slot.Play());
}

TEST(SoundBank, WithoutADeviceEveryOperationIsAQuietNoOp)
{
    Unavailable noDevice;
    TestBank bank(Tone(100));
    EXPECT_FALSE(bank.Init());
    EXPECT_FALSE(bank.HasDevice());
    EXPECT_EQ(bank.loads, 0);
    EXPECT_EQ(bank.slot.sound, nullptr);
    EXPECT_FALSE(bank.slot.Play());
    EXPECT_FALSE(bank.slot.IsPlaying());
    bank.slot.Stop();
    bank.slot.Release();

    CSndPlayer player;
    EXPECT_FALSE(player.Init());
    player.SetAllEnabled(true);
    for (int i = 0; i < CSndPlayer::kSlotCount; ++i) {
        CSndSlot& s = player.Slot(i);
        EXPECT_EQ(s.sound, nullptr);
        EXPECT_FALSE(s.Play());
        EXPECT_FALSE(s.Play(kSoundLooping));
        EXPECT_FALSE(s.IsPlaying());
        EXPECT_FALSE(StopSoundObject(s.sound));
        EXPECT_EQ(GetFreeSoundBuffer(s.sound), nullptr);
    }
    player.StopAll();

    // Made without a device, a sound has no buffer and plays nothing.
    const Bytes wave = Tone(100);
    SoundObject* s = CreateSoundObjectFromWave(wave.data(), wave.size(), 1);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->buffers[0], nullptr);
    EXPECT_FALSE(PlaySoundObject(s, 0));
    EXPECT_FALSE(IsSoundPlaying(s));
    DestroySoundObject(s);
    EXPECT_EQ(CreateSoundObjectFromWave(wave.data(), wave.size(), 3), nullptr);
}

TEST(SoundBank, SlotsAreInOrderAndFollowTheirNames)
{
    CSndPlayer player;
    // Slot i is the i-th member in declaration order, so the two never drift apart.
    const auto* first = reinterpret_cast<const char*>(&player.cast);
    for (int i = 0; i < CSndPlayer::kSlotCount; ++i)
        EXPECT_EQ(reinterpret_cast<const char*>(&player.Slot(i)) - first, std::ptrdiff_t(i * sizeof(CSndSlot))) << i;
    EXPECT_EQ(&player.Slot(21), &player.aCicale);
    EXPECT_EQ(&player.Slot(30), &player.nave2);
    EXPECT_STREQ(CSndPlayer::SlotName(0), "CAST");
    EXPECT_STREQ(CSndPlayer::SlotName(19), "A_U12");
    EXPECT_STREQ(CSndPlayer::SlotName(23), "A_GRILLO");
    EXPECT_STREQ(CSndPlayer::SlotName(30), "NAVE2");
    for (int i = 0; i < CSndPlayer::kSlotCount; ++i) {
        EXPECT_EQ(player.Slot(i).sound, nullptr);
        EXPECT_EQ(player.Slot(i).enabled, 0);
    }
}

TEST(SoundBank, AllThirtyOneSoundsLoadFromTheEmbeddedResources)
{
    if (!plat::FindResourceByName(plat::ResourceKind::Wave, "CAST"))
        GTEST_SKIP() << "the sounds are not embedded in this build";

    CSndPlayer player;
    ASSERT_TRUE(player.Init());
    for (int i = 0; i < CSndPlayer::kSlotCount; ++i) {
        const char* name = CSndPlayer::SlotName(i);
        const plat::Resource* res = plat::FindResourceByName(plat::ResourceKind::Wave, name);
        ASSERT_NE(res, nullptr) << name;
        EXPECT_EQ(res->id, i) << name << " is embedded at the wrong slot";
        CSndSlot& slot = player.Slot(i);
        EXPECT_EQ(slot.enabled, 1) << name;
        ASSERT_NE(slot.sound, nullptr) << name;
        EXPECT_EQ(slot.sound->bufferCount, 1) << name;
        ASSERT_NE(slot.sound->buffers[0], nullptr) << name << " has a format the device cannot play";

        const unsigned char* data = nullptr;
        std::uint32_t size = 0;
        ASSERT_TRUE(FindWaveResource(name, nullptr, &data, &size)) << name;
        EXPECT_EQ(slot.sound->data, data) << name;
        EXPECT_GT(size, 0u) << name;
    }

    // The bite bell is not restarted while it rings.
    HeldAudio held;
    ASSERT_TRUE(held.Holds());
    ASSERT_TRUE(player.campanello.Play());
    EXPECT_TRUE(player.campanello.IsPlaying());
    EXPECT_FALSE(player.campanello.Play());
    player.StopAll();
    EXPECT_FALSE(player.campanello.IsPlaying());
    EXPECT_EQ(CreateSoundObject("NO_SUCH_SOUND", 1), nullptr);
}

TEST(SoundBank, GameTimeDecidesWhetherASoundIsStillGoing)
{
    if (!plat::FindResourceByName(plat::ResourceKind::Wave, "CAMPANELLO"))
        GTEST_SKIP() << "the sounds are not embedded in this build";
    const std::uint32_t savedClock = plat::NowMs();
    CSndPlayer player;
    ASSERT_TRUE(player.Init());
    CSndSlot& bell = player.campanello;
    ASSERT_GT(bell.lengthMs, 0u) << "the length comes from the resource";

    plat::SetGameClock(5000);
    EXPECT_FALSE(bell.IsSoundingInGameTime());
    bell.Play();
    EXPECT_TRUE(bell.IsSoundingInGameTime());
    plat::StepGameClock(bell.lengthMs - 1);
    EXPECT_TRUE(bell.IsSoundingInGameTime());
    plat::StepGameClock(1);
    EXPECT_FALSE(bell.IsSoundingInGameTime()) << "over by game time, whatever the mixer still plays";

    // A loop goes on until it is stopped; a disabled slot is never heard.
    bell.Play(kSoundLooping);
    plat::StepGameClock(10 * bell.lengthMs);
    EXPECT_TRUE(bell.IsSoundingInGameTime());
    player.StopAll();
    EXPECT_FALSE(bell.IsSoundingInGameTime());
    bell.enabled = 0;
    EXPECT_FALSE(bell.Play());
    EXPECT_FALSE(bell.IsSoundingInGameTime());
    plat::SetGameClock(savedClock);
}
