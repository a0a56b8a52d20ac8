#pragma once
// CStatistiche: the player's lifetime record: sessions and tournaments
// played, podium places, time fished, weight and number of fish, and the five
// heaviest catches. Read from "karvelin.sta" at start-up, updated and written
// at the end of every session, reset from the options screen.
//
// "karvelin.sta" is little-endian, 301 bytes:
//   0 name (41, "ND" when empty)   41..61 six i32 counters
//   65 minutes f32   69 weight f32   73 fish count f32
//   77 five StatCatch records (44 bytes each)   297 checksum u32
#include <cstdint>

// One of the five best catches, in memory and on disk.
struct StatCatch {
    std::int32_t id;       // species index; -1 = empty slot
    char name[33];         // species name, at most 32 characters
    char reserved[3];      // zeros
    float weight;          // grams
};
static_assert(sizeof(StatCatch) == 44, "a best catch is 44 bytes on disk");

class CStatistiche {
public:
    static constexpr int kBest = 5;
    static constexpr int kNameMax = 40;
    static constexpr int kCatchNameMax = 32;
    static constexpr int kFileSize = 301;
    // The limits every stored number is kept within. The totals stay below
    // 2^31 so the checksum can always add their whole parts.
    static constexpr std::int32_t kMaxCount = 1000000000;
    static constexpr float kMaxTotal = 1.0e9f;

    CStatistiche();

    void Clear();
    // False for a missing file (the record is then empty with the player's
    // name from the settings) and for a damaged one (empty, no name).
    bool Load();
    // Replaces the file whole; on failure the old file stays and the error
    // log gets a line.
    bool Save();
    // Deletes the file and clears the record; false only when a file is
    // there and cannot be deleted.
    bool Reset();

    // Offers a catch to the five best: a free slot takes it, else it must
    // beat the lightest.
    void AddCatch(int speciesId, const char* name, float weight);
    void SetCatch(int speciesId, const char* name, float weight, int slot);
    // One ended session: its minutes, weight and fish, each sum saturating.
    void AddSession(float minutes, float weight, int fish);
    // One more in a counter, saturating.
    static void AddToCounter(std::int32_t& counter);
    // "-" for an empty slot, else "<name>: <weight> gr"; overwritten by the
    // next call.
    const char* GetCatchText(int slot);
    // Used slots in ascending weight, empty slots where they are.
    void SortCatches();
    std::uint32_t Checksum() const;

    static const char* FileName() { return "karvelin.sta"; }

    // Fields, in order.
    char m_name[kNameMax + 1];
    std::int32_t m_sessions;
    std::int32_t m_tournaments;
    std::int32_t m_firsts;
    std::int32_t m_seconds;
    std::int32_t m_thirds;
    std::int32_t m_tournamentsWithoutCatch;
    float m_minutes;
    float m_weight;
    float m_fishCount;
    StatCatch m_best[kBest];
    char m_catchText[8193];
};

extern CStatistiche g_Statistiche;
