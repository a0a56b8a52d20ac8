#pragma once
// CSessione: the catch log of the current fishing session (who fished,
// where, on which day, from when to when, every fish landed and the totals),
// and the "kvc" files the player saves it to. The records screen reuses the
// same object to list, show and delete saved logs.
//
// A log file is little-endian, 241 + 12 * n bytes:
//   0 player (41)   41 venue (129)   170 date (17)   187 start (17)
//   204 end (17)    221 total weight f32   225 biggest weight f32
//   229 longest length i32   233 count n i32   237 n CatchEntry records
//   237 + 12n tournament place i32
// Texts are terminated and zero-padded.
#include <cstdint>
#include <vector>

class CListBox;

// One catch, in memory and on disk.
struct CatchEntry {
    std::int32_t speciesId; // 0..129
    float weight;           // grams
    std::int32_t length;    // centimetres
};
static_assert(sizeof(CatchEntry) == 12, "a catch is 12 bytes on disk");

// What the log needs from the tournament when it is saved: the player's place
// in the current event while a tournament runs, else 0. The tournament
// registers its link once it exists; without one every log carries place 0.
struct GaraLink {
    int (*GetPlayerPlace)();
};

class CSessione {
public:
    static constexpr int kPlayerMax = 40;
    static constexpr int kVenueMax = 128;
    static constexpr int kShortTextMax = 16;
    static constexpr int kFileHeaderSize = 237;
    static constexpr int kNameCounters = 100;
    // A session's length is counted within one day of the game clock, and
    // after each fish the next is offered no sooner than 3 s later: no
    // session lands more than a day's seconds over 3. A log holds at most
    // that many; a file claiming more is not read.
    static constexpr int kMaxCatches = 24 * 60 * 60 / 3;
    static constexpr std::uintmax_t kMaxFileSize = 241 + 12 * std::uintmax_t(kMaxCatches);

    CSessione();
    ~CSessione();
    CSessione(const CSessione&) = delete;
    CSessione& operator=(const CSessione&) = delete;

    void Clear();
    // A new log: the player from the settings, the current venue, the game
    // clock's date and time as the start.
    void Start();
    // A catch past kMaxCatches is not kept.
    void AddCatch(int speciesId, float weight, int length);
    void UpdateTotals();
    // The end time and the session length from the game clock; a session
    // across midnight counts the minutes up to it and after.
    void Finish();

    // "Weight: ..." / "Length: ..." of catch i in the unit setting; the
    // returned buffer is overwritten by the next call. Empty for an index
    // the log does not hold.
    const char* GetWeightText(int index);
    const char* GetLengthText(int index);
    // Adds a row per catch to the list: species, weight, length (in one
    // pass; a row that could not be added gets no length).
    void ListCatches(CListBox& list);

    // Writes the log as <name>.kvc in the catch folder. No name: nothing is
    // written, success. False when the file could not be written whole; an
    // earlier file of that name then stays as it was.
    bool Save(const char* name);
    // Saves under the first free name for the game clock's minute; false,
    // with nothing written, when all of them are taken.
    bool SaveNew();
    // The file name (without extension) SaveNew would use with counter n.
    static const char* MakeFileName(int counter);
    // Reads a log from the catch folder (the name carries its extension).
    // A file longer than kMaxFileSize is refused (one error-log line), the
    // log left empty.
    bool Load(const char* fileName);
    // The player, venue and date of a saved log without loading it; the
    // buffers hold 41, 129 and 17 bytes. Read whatever the file's size, so
    // a log too big to show is still listed by its header.
    static bool ReadHeader(const char* fileName, char* player, char* venue, char* date);
    static bool Delete(const char* fileName);

    int GetCount() const { return m_count; }
    const CatchEntry& GetCatch(int index) const { return m_catches[static_cast<std::size_t>(index)]; }

    // The tournament registers here; null unregisters.
    static void SetGaraLink(const GaraLink* link);
    static const GaraLink* GetGaraLink();

    // Fields, in order. Texts stay zero-filled past their terminator, so no
    // bytes of an earlier, longer text can reach a file.
    std::vector<CatchEntry> m_catches;
    std::int32_t m_count;
    float m_totalWeight;
    float m_biggestWeight;
    std::int32_t m_longestLength;
    std::int32_t m_minutes; // minute of day at the start; after Finish the length
    std::int32_t m_place;
    char m_player[kPlayerMax + 1];
    char m_venue[kVenueMax + 1];
    char m_date[kShortTextMax + 1];
    char m_startTime[kShortTextMax + 1];
    char m_endTime[kShortTextMax + 1];
    char m_weightText[513];
    char m_lengthText[513];

private:
    static const char* CatchFolder();
};

extern CSessione g_Sessione;
