#pragma once
// CGara: the tournament. The player fishes one timed session against
// simulated rivals on a venue and date drawn at random; when the session
// ends the player's result is stored and each rival's result for the same
// event is simulated from the venue's fish presence. The frame, the session
// screen, the screens' return logic, the catch log and the statistics read
// its running flag, remaining seconds and current event.
//
// Every chance draws from plat::Random in a fixed order that interleaves
// with the venue pick, the bottom's reseed, the game clock's temperature
// draw and the hooked fish's draws: the order below is behaviour.
#include <cstdint>

// One rival (52 bytes).
struct GaraConcorrente {
    char name[44];             // at most 40 characters; "" = empty
    std::int32_t skill;        // percent chance that a simulated bite is landed
    std::int32_t hookSize;     // hook number, -7..23
};
static_assert(sizeof(GaraConcorrente) == 52, "a competitor is 52 bytes");

// One result of a rival or of the player in one event (20 bytes).
struct GaraRisultato {
    std::int32_t score;        // count * 100 + whole grams
    std::int32_t count;
    float totalWeight;         // grams
    float biggestWeight;       // grams
    std::int32_t longestLength; // centimetres
};
static_assert(sizeof(GaraRisultato) == 20, "a result is 20 bytes");

// One event (280 bytes).
struct GaraEvento {
    char venueId[129];         // key of the venue's list row
    char venueName[131];
    std::int32_t day;          // 1..30
    std::int32_t month;        // 1..12 (drawn 3..10)
    std::int32_t year;
    std::int32_t startHour;    // 8 or 14
    std::int32_t minutes;      // length of the event
};
static_assert(sizeof(GaraEvento) == 280, "an event is 280 bytes");

class CGara {
public:
    static constexpr int kMaxCompetitors = 30;
    static constexpr int kEvents = 8;
    static constexpr int kNameCount = 40;
    // The options screen's ranges; the settings file is read without bounds,
    // so the tournament keeps itself inside them.
    static constexpr int kMinMinutes = 5;
    static constexpr int kMaxMinutes = 180;

    CGara();
    ~CGara();
    CGara(const CGara&) = delete;
    CGara& operator=(const CGara&) = delete;

    // Every rival cleared with its results, the player's results and the
    // accumulator zeroed; a new rival count drawn (5..29).
    void ResetCompetitors();
    void ClearEvents();
    void ClearEvent(int event);
    void ClearAccumulators();
    void ClearPlayerResults();
    void ClearCompetitorResults(int competitor);

    // A new tournament: the event, the rivals, their skills and hooks, the
    // clock armed, and the fishing session opened on the drawn venue.
    void Start();
    void SetupEvent(int event);
    void AssignNames();
    void AssignSkills();
    void AssignHooks();

    void SetPlayerResult(int score, int count, float totalWeight, float biggestWeight, int longestLength);
    void SetResult(int event, int score, int count, float totalWeight, float biggestWeight, int longestLength);
    static int MakeScore(int count, int wholeGrams) { return count * 100 + wholeGrams; }

    // Every rival in play fishes the current event's minutes.
    void SimulateCompetitors();
    // One simulated bite of a rival; returns the minutes it took.
    int SimulateCatch(int competitor);
    // The minutes a simulated bite on a fish of this weight takes at the
    // level and retrieve speed set.
    static int MinutesForWeight(float grams);

    // The player's place in an event: 0 without a catch; equal scores share
    // the better place.
    int GetPlace(int event) const;

    // Buffers of 16 bytes.
    void FormatDate(char* buffer) const;
    void FormatHour(char* buffer) const;
    void FormatRemaining(char* buffer) const;

    // The tournament's length in minutes: the setting kept within 5..180.
    static int PlayedMinutes();
    // The number of rivals the setting asks for, kept within 0..30
    // (0: drawn at random).
    static int SettingCompetitors();

    static const char* NameAt(int index); // "" outside 0..39

    bool IsRunning() const { return m_running == 1; }
    int CompetitorCount() const { return m_competitorCount; }
    int InPlay() const; // competitorCount kept within 0..30

    // Fields, in order.
    GaraConcorrente m_competitors[kMaxCompetitors];
    GaraRisultato m_results[kMaxCompetitors][kEvents];
    GaraRisultato m_playerResults[kEvents];
    struct Accumulator {
        std::int32_t count;
        float weight;
        float biggest;
        std::int32_t longest;
    } m_accumulator;
    std::int32_t m_competitorCount;
    std::int32_t m_running;
    GaraEvento m_events[kEvents];
    std::int32_t m_currentEvent;
    std::int32_t m_remainingSeconds;
};

extern CGara g_Gara;
