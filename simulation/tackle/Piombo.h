#pragma once
// CPiombo: the lead of the rig: the catalogue of shots and sinkers, the 20
// shot slots of the line, and the judgement of the shotting (balanced or
// not, balance class, weight class, texts, sink time). The rig view's icons,
// markers and dragging build on it in the tackle box.
#include "shell/SpriteBordo.h"
#include "simulation/tackle/RigView.h"
#include "simulation/tackle/TackleFile.h"

#include <cstdint>
#include <memory>
#include <vector>

struct PiomboRecord : TackleHead {
    std::int32_t position;       // slot only: cm up the line from the hook; -1 empty
    std::int32_t weight;         // hundredths of a gram, 10..12000; 0 empty
    std::int32_t kind;           // 0 shot, 1 torpille; -1 empty slot
    std::int32_t attachment;     // 0 fixed, 1 sliding on a link to the swivel
    std::int32_t shape;          // 0 or 1
    std::int32_t swivelDistance; // slot only: a sliding shot's link; -1 fixed
};

constexpr int kShotSlots = 20;
constexpr std::uint32_t kBitmapShotPhoto = 171;
constexpr std::uint32_t kBitmapTorpillePhoto = 244;
constexpr std::uint32_t kBitmapShotIcons = 162;
constexpr std::uint32_t kBitmapShotMarkers = 380;

class CCannaPesca;

class CPiombo {
public:
    CPiombo();

    void Init(plat::Device* dev);
    void LoadFolder(const char* folder);
    void Clear();

    void AddShot(int index, int position, int swivelDistance, bool recalculate);
    void AddShotById(const char* id, int position, int swivelDistance, bool recalculate);
    void RemoveShot(int slot);
    void ClearSlot(int slot);
    void ClearSlots();
    void SetDefault();
    void ClampShotPosition(int slot, int position);
    void ClampSwivelDistance(int slot, int distance);
    void ClampAll();
    bool SettleTorpilles();
    void Recalculate();

    bool IsOccupied(int slot) const;
    bool IsSliding(int slot) const;
    int GetSlotPosition(int slot) const;
    int GetSlotEffectivePosition(int slot) const;
    int GetSlotSwivelDistance(int slot) const;
    int GetSlotWeight(int slot) const;
    int GetMaxPosition() const;
    int GetMinPosition() const;
    void GetNeighbourPositions(int position, int& above, int& below) const;
    int GetWeightBetween(int upper, int lower) const;
    int GetTotalWeight();
    int GetBalanceClass() const;
    int GetWeightClass() const;
    bool HasNoSlidingShot() const;
    bool HasNoShapeOne() const;
    bool IsBalanceClass0() const { return m_balanced && m_balanceClass == 0; }
    bool IsBalanceClass1() const { return m_balanced && m_balanceClass == 1; }
    bool IsBalanceClass2() const { return m_balanced && m_balanceClass == 2; }
    bool IsBalanceClass3() const { return m_balanced && m_balanceClass == 3; }
    int GetSinkTime(int extraWeight);

    void Classify(int depthSetting);
    void ClassifyBalance(int depthSetting);
    void ClassifyWeight();
    void ResetSelection();

    static const char* FormatWeight(int weight);
    const char* GetTotalWeightText();
    static const char* GetReferenceText(int reference);
    static const char* GetAttachmentText(int attachment);
    const char* GetUsageText() const;
    const char* GetWeightClassText() const;

    void SelectShotInfo(plat::Device* dev, const PiomboRecord& record);
    void LoadPhoto(plat::Device* dev, const PiomboRecord& record);
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);

    // ---- in the tackle box's rig view ----
    void LoadRigView(plat::Device* dev);
    void DrawRigView(plat::Device* dev, int x, const CRigView& view);
    void DrawShotIcon(plat::Device* dev, int slot, int x, int y);
    // A sliding shot: its link from the line to the sinker, the sinker's
    // marker, and its icon on the line.
    void DrawSlidingShot(plat::Device* dev, int slot, int x, const CRigView& view);
    // The first slot whose icon or marker takes the press: removed when its
    // icon is hit in remove mode, else its shot shown in the details.
    bool HitTest(bool removeMode);
    // A held icon moves its shot, a held marker sets a sliding shot's link;
    // true when a slot was dragged.
    bool UpdatePress(const CRigView& view, int mouseY);
    // The icon frame and a sliding shot's marker frame of a slot.
    int IconFrame(int slot) const;
    int MarkerFrame(int slot) const;

    // noteUnknown: whether an id the catalogue lacks is logged.
    bool LoadConfiguration(const CIniText& file, bool noteUnknown = true);
    void SaveConfiguration(CIniText& file) const;

    int GetCount() const { return int(m_records.size()); }
    static const TackleKind kKind;

    // Fields, in order.
    std::vector<PiomboRecord> m_records;
    PiomboRecord m_slots[kShotSlots];
    PiomboRecord m_detail;
    std::int32_t m_totalWeight; // 0 = not computed
    std::uint8_t m_balanced;
    std::int32_t m_balanceClass; // 0..3, -1 none
    std::int32_t m_weightClass;  // 0..3, -1 none
    CSpriteBordo m_photo;        // 100 x 100
    CCannaPesca* m_rig;          // the rig the lead hangs on; null on its own
    CSprite m_icons[kShotSlots];   // rig view: 6 x 9 frames of bitmap 162
    CSprite m_markers[kShotSlots]; // rig view: 11 x 15 frames of bitmap 380
    std::unique_ptr<plat::LineDrawer> m_line; // the sliding shots' links

private:
    // What the lead needs of the rest of the rig.
    bool RigHasFloat() const;
    int RigFloatDepth() const;
    bool RigIsSpinning() const;
    float RigLineLength() const;
    int RigJunctionAbove(int position) const;
    int RigJunctionBelow(int position) const;
};
