#pragma once
// CEsca: the bait catalogue and the three baits in use, one per hook (slot 0
// the second dropper, 1 the first dropper, 2 the leader), with the texts of
// the baits screen and the lure questions of the bite decision.
#include "shell/SpriteBordo.h"
#include "simulation/tackle/TackleFile.h"

#include <cstdint>
#include <vector>

struct EscaRecord : TackleHead {
    std::int32_t kind;       // 0..13, 13 spinning lure
    std::int32_t hookColour; // 0..5, -1 none
    std::int32_t hookBend;   // 0..2, -1 none
    std::int32_t venueKind;  // 0 river, 1 lake, 2 sea, other anywhere
    std::int32_t weight;     // lures: hundredths of a gram, 200..20000; else 0
    std::int32_t maxDepth;   // working depth, cm, 0..10000
};

constexpr std::uint32_t kBitmapBaitPhoto = 213;

class CListBox;

class CEsca {
public:
    CEsca();

    void Load(plat::Device* dev);
    void LoadFolder(const char* folder);
    void Select(plat::Device* dev, int slot, int index);
    // Puts the bait of that id on the hook and selects its row in the baits
    // list. An id the catalogue no longer has takes the list's selected row;
    // without a list or a row the hook keeps its bait.
    void SelectByName(plat::Device* dev, CListBox* list, const char* name, int slot);
    void SelectFromSettings(plat::Device* dev, CListBox* list);
    void LoadPhoto(plat::Device* dev, const char* folder, const char* photo);
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);

    float GetLureDepth(int slot) const;
    bool IsLineSuitable(int slot, int diameter) const;
    static bool GetIdealLineRange(int weight, int& low, int& high);

    static const char* GetBaitTypeName(int kind);
    static const char* GetHookColourName(int colour);
    static const char* GetHookBendName(int bend);
    static const char* GetVenueTypeName(int venueKind);
    const char* GetIdealLineText(int slot) const;
    const char* FormatMaxDepth(int slot) const;
    const char* FormatWeight(int slot) const;

    int GetCount() const { return int(m_records.size()); }
    int FindById(const char* id) const; // -1 when none
    const EscaRecord& GetSlot(int slot) const;

    static const TackleKind kKind;

    // Fields, in order.
    std::vector<EscaRecord> m_records;
    EscaRecord m_slots[3];
    float m_depthOffset;
    CSpriteBordo m_photo; // 100 x 100
};

extern CEsca g_Esca;
