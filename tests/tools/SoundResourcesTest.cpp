// The synthesised sound bank as it is embedded in the program.
#include "platform/Resources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

const char* const kSlotNames[] = {
    "CAST",     "SPLASH1",  "SPLASH2",  "SPLASH3",    "MULINELLO",  "RUSCELLO",   "FRIZIONE",   "CAMPANELLO",
    "A_U1",     "A_U2",     "A_U3",     "A_U4",       "A_U5",       "A_U6",       "A_U7",       "A_U8",
    "A_U9",     "A_U10",    "A_U11",    "A_U12",      "A_ANATRA",   "A_CICALE",   "A_CORVO",    "A_GRILLO",
    "A_GABBIANO", "TEMPORALE1", "TEMPORALE2", "MARE_MOSSO", "MARE_CALMO", "NAVE1", "NAVE2"};
constexpr int kSlots = 31;
static_assert(std::size(kSlotNames) == kSlots);

// Loops and clips replayed back to back: their ends are not faded.
bool IsSeamless(const std::string& name)
{
    return name == "A_CICALE" || name == "A_GRILLO" || name == "MULINELLO" || name == "FRIZIONE";
}

std::uint32_t Le32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t(p[3]) << 24; }
std::uint16_t Le16(const unsigned char* p) { return std::uint16_t(p[0] | p[1] << 8); }

struct Wave {
    const unsigned char* fmt = nullptr;
    std::uint32_t fmtSize = 0;
    std::vector<std::int16_t> samples;
};

// Walks the RIFF chunks the way the sound bank does, failing (with a gtest
// failure) on anything out of bounds.
Wave ParseWave(const plat::Resource& r)
{
    Wave w;
    const unsigned char* p = r.data;
    EXPECT_GE(r.size, 12u);
    if (r.size < 12 || std::memcmp(p, "RIFF", 4) != 0 || std::memcmp(p + 8, "WAVE", 4) != 0) {
        ADD_FAILURE() << r.name << ": not RIFF/WAVE";
        return w;
    }
    const std::size_t riffEnd = 8 + std::size_t(Le32(p + 4));
    EXPECT_LE(riffEnd, r.size) << r.name;
    const std::size_t end = std::min(riffEnd, std::size_t(r.size));
    bool haveData = false;
    for (std::size_t at = 12; at + 8 <= end;) {
        const std::uint32_t size = Le32(p + at + 4);
        if (at + 8 + size > end) {
            ADD_FAILURE() << r.name << ": chunk runs past the end";
            return w;
        }
        if (!w.fmt && std::memcmp(p + at, "fmt ", 4) == 0) {
            w.fmt = p + at + 8;
            w.fmtSize = size;
        } else if (!haveData && std::memcmp(p + at, "data", 4) == 0) {
            haveData = true;
            w.samples.resize(size / 2);
            for (std::size_t i = 0; i < w.samples.size(); ++i)
                w.samples[i] = std::int16_t(Le16(p + at + 8 + 2 * i));
        }
        at += 8 + size + (size & 1);
    }
    EXPECT_TRUE(w.fmt) << r.name << ": no fmt chunk";
    EXPECT_TRUE(haveData) << r.name << ": no data chunk";
    return w;
}

const plat::Resource* Slot(int slot) { return plat::FindResource(plat::ResourceKind::Wave, slot); }

} // namespace

TEST(SoundResources, AllSlotsAreEmbeddedInOrderUnderTheirNames)
{
    for (int slot = 0; slot < kSlots; ++slot) {
        const plat::Resource* r = Slot(slot);
        ASSERT_NE(r, nullptr) << "slot " << slot;
        EXPECT_STREQ(r->name, kSlotNames[slot]) << "slot " << slot;
        EXPECT_EQ(plat::FindResourceByName(plat::ResourceKind::Wave, kSlotNames[slot]), r);
    }
    EXPECT_EQ(Slot(kSlots), nullptr);
}

TEST(SoundResources, EveryWaveIsPlayablePcmAtAModestSize)
{
    std::size_t total = 0;
    for (int slot = 0; slot < kSlots; ++slot) {
        const plat::Resource* r = Slot(slot);
        ASSERT_NE(r, nullptr);
        SCOPED_TRACE(r->name);
        total += r->size;
        const Wave w = ParseWave(*r);
        ASSERT_TRUE(w.fmt);
        ASSERT_GE(w.fmtSize, 16u);
        EXPECT_EQ(Le16(w.fmt), 1);      // PCM
        EXPECT_EQ(Le16(w.fmt + 2), 1);  // mono
        EXPECT_EQ(Le16(w.fmt + 14), 16);
        const std::uint32_t rate = Le32(w.fmt + 4);
        ASSERT_GT(rate, 0u);
        const double seconds = double(w.samples.size()) / rate;
        EXPECT_GT(seconds, 0.1);
        EXPECT_LT(seconds, 5.0);

        // Levelled a little below full scale, never silent or clipped.
        int peak = 0;
        for (std::int16_t s : w.samples)
            peak = std::max(peak, std::abs(int(s)));
        EXPECT_GT(peak, 16000);
        EXPECT_LT(peak, 32000);

        // One-shots fade in and out, so starting or ending them never clicks.
        if (!IsSeamless(r->name) && !w.samples.empty()) {
            EXPECT_LT(std::abs(int(w.samples.front())), 300);
            EXPECT_LT(std::abs(int(w.samples.back())), 300);
        }
    }
    EXPECT_LT(total, 3u * 1024 * 1024);
}

TEST(SoundResources, LoopsAndRetriggeredClipsJoinWithoutAClick)
{
    for (const char* name : {"A_CICALE", "A_GRILLO", "MULINELLO", "FRIZIONE"}) {
        SCOPED_TRACE(name);
        const plat::Resource* r = plat::FindResourceByName(plat::ResourceKind::Wave, name);
        ASSERT_NE(r, nullptr);
        const std::vector<std::int16_t> s = ParseWave(*r).samples;
        ASSERT_GT(s.size(), 400u);
        // The step from the last sample back to the first must look like the
        // steps around it (a few milliseconds either side of the join).
        int local = 16;
        for (std::size_t i = 0; i < 100; ++i) {
            local = std::max(local, std::abs(s[i + 1] - s[i]));
            local = std::max(local, std::abs(s[s.size() - 1 - i] - s[s.size() - 2 - i]));
        }
        EXPECT_LE(std::abs(s.front() - s.back()), local);
    }
}
