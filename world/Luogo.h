#pragma once
// The venue catalogue and the current venue: the two built-in venues and
// every venue file of the program's and the user's venue folders in a list,
// the selected venue's record with its fish presence, the species that live
// there, and the water line of the scene (the far shore's upper limits).
#include "gui/ListBox.h"

#include <cstdint>
#include <string>
#include <vector>

struct LuogoRecord {
    char name[129];
    char description[513];
    char folder[513];   // empty for the built-in venues
    char id[129];       // the venue file's name, or "INTERNAL_0" / "INTERNAL_1"
    char photoFile[129];
    std::int32_t presence[130];
    std::int32_t TIPO;              // 0 river or torrent, 1 lake, 2 sea
    std::int32_t GEOGRAFIA;         // region 0..6, also the climate zone
    std::int32_t CORRENTE;          // 0 motionless .. 3 fast
    std::int32_t GRADOLENTEZZA;     // 1 very slow, 2 ultra slow
    std::int32_t VERSOCORRENTE;     // 1: the current runs the negative way
    std::int32_t CORRENTEVERTICALE;
    std::int32_t FONDALE;           // 0 grass, 1 sand, 2 mud, 3 gravel, 4 stones
    std::int32_t ACQUA;             // 0 clear, 1 cloudy, 2 both
    std::int32_t PROFONDITA;        // cm of a bottom cell of value 100
    std::int32_t PENDENZA;          // bottom slope 5..50
    std::int32_t MAX_METRI;         // 20..70
    std::int32_t upperLimits[32];
    std::int32_t upperLimitTypes[32];
    std::int32_t seaState;          // -1 before any venue is loaded
};

static_assert(sizeof(LuogoRecord) == 2240, "venue records keep their size");

// One key of a fish-presence (or groundbait) file: section 0 "PESCI",
// section 1 "PESCI_MARE".
struct PresenceKey {
    const char* key;
    int species;
};
const PresenceKey* PresenceKeys(int section, int& count);
const char* PresenceSectionName(int section);

constexpr const char* kVenueLake = "INTERNAL_0";
constexpr const char* kVenueSea = "INTERNAL_1";

class CLuogo {
public:
    CLuogo();

    void Load(plat::Device* dev);
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);

    void AddVenues(int typeFilter, int currentFilter, const char* folder, bool withBuiltins);
    void FilterVenueList();
    void LoadSelectedVenue(plat::Device* dev);
    void LoadVenue(const char* folder, const char* id);
    void SelectDefaultVenue();
    bool SelectByIndex(int rowId);
    void PickRandomVenue();
    int CountEnabledVenues() const;

    void ApplyBottom();
    bool CreateDepthFile();
    bool DeleteDepthFile();
    bool DepthFileExists();
    bool IsNotUserVenue() const;

    void PickSeaState();
    int GetSignedCurrent() const;
    int GetCurrentDirection() const;
    int GetVerticalCurrent() const { return m_record.CORRENTEVERTICALE; }
    int GetSlownessGrade() const { return m_record.GRADOLENTEZZA; }
    int GetWaveLevel() const;

    int SlotOfX(int x) const;
    int GetSlotLeft(int slot) const;
    int GetSlotRight(int slot) const;
    int GetUpperLimitAt(int x, bool shaped) const;
    int GetUpperLimitType(int x) const;

    const char* GetVenueTypeName() const;
    const char* GetRegionName() const;
    const char* GetCurrentName() const;
    const char* GetBottomName() const;
    const char* GetWaterName() const;
    const char* GetSeaStateName() const;

    const LuogoRecord& Record() const { return m_record; }
    LuogoRecord& Record() { return m_record; }
    CListBox& VenueList() { return m_venues; }
    CListBox& SpeciesList() { return m_species; }
    float RowHeight() const { return m_rowHeight; }
    float SlotWidth() const { return m_slotWidth; }

    // Parses an upper-limit text with the file's rules into out[32]; the
    // levels are needed to zero the types of level-7 slots (null for the
    // levels themselves). True when nothing had to be corrected.
    static bool ParseLimits(const char* text, int maxValue, const std::int32_t* levels, std::int32_t out[32]);

private:
    // Where a list row's venue is read from, kept whole: the list's own key
    // and note fields are shorter than a file name and a folder may be.
    struct RowSource {
        int rowId;
        std::string folder;
        std::string id;
    };

    void SetBuiltIn(int which);
    bool ReadPresence(const char* fileName);
    void DefaultPresence();
    void FillSpeciesList();
    void UpdateScales();
    const RowSource* SourceOf(int rowId) const;

    LuogoRecord m_record;
    float m_rowHeight;
    float m_slotWidth;
    CListBox m_venues;
    CListBox m_species;
    int m_screenW = 0;
    std::vector<RowSource> m_sources;
};

extern CLuogo g_Luogo;
