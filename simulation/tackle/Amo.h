#pragma once
// CAmo: the hook catalogue with the hook in use. Every leader and dropper
// holds its own copy of the catalogue and its own current hook.
#include "shell/SpriteBordo.h"
#include "simulation/tackle/RigView.h"
#include "simulation/tackle/TackleFile.h"

#include <cstdint>
#include <vector>

struct AmoRecord : TackleHead {
    std::int32_t wire;     // 0 fine, 1 double
    std::int32_t shank;    // 0 short, 1 medium, 2 long
    std::int32_t bend;     // 0 crystal, 1 round, 2 large
    std::int32_t point;    // 0 inwards, 1 straight, 2 reversed
    std::int32_t barb;     // 0 small, 1 micro
    std::int32_t colour;   // 0..5
    std::int32_t size;     // hook number -7..24; 0 and below are 1/0 .. 8/0
    std::int32_t baitKind; // 0..13, -1 any bait, 13 spinning lure
};

constexpr std::uint32_t kBitmapHookPhoto = 170;
constexpr std::uint32_t kBitmapLureHookPhoto = 413;
constexpr std::uint32_t kBitmapHookMarker = 161;
constexpr int kBaitKindSpinning = 13;

class CAmo {
public:
    CAmo();

    void Reset();
    void Init(plat::Device* dev);
    void LoadFolder(const char* folder);
    void Select(plat::Device* dev, int index);
    void SelectById(plat::Device* dev, const char* id);
    void LoadPhoto(plat::Device* dev, const char* folder, const char* photo, int baitKind);
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);
    // The marker at x and the view's row of that line position; hidden and
    // 0 when the view does not show the position.
    void LoadMarker(plat::Device* dev);
    int DrawMarker(plat::Device* dev, int x, int position, const CRigView& view);

    // Size class: 6 for a spinning-lure hook, else 0 (22 and above) .. 5 (below 6).
    static int GetSizeClass(int size, int baitKind);
    // The rig view's marker frame: column by hook colour (0 outside the six
    // colours), row by size class.
    int GetMarkerColumn() const { return m_markerColumn; }
    int GetMarkerRow() const { return m_markerRow; }

    const char* GetWireText() const;
    const char* GetShankText() const;
    const char* GetBendText() const;
    const char* GetPointText() const;
    const char* GetBarbText() const;
    const char* GetColourText() const;
    const char* GetBaitText() const;
    static const char* GetSizeText(int size);

    int GetCount() const { return int(m_records.size()); }
    const AmoRecord& GetRecord(int i) const; // i clamped into the catalogue

    static const TackleKind kKind;

    // Fields, in order.
    std::vector<AmoRecord> m_records;
    AmoRecord m_current;
    std::int32_t m_selected;
    CSpriteBordo m_photo; // 100 x 100
    std::int32_t m_markerColumn;
    std::int32_t m_markerRow;
    CSprite m_marker; // the rig view's hook, 15 x 12 frames of bitmap 161
};
