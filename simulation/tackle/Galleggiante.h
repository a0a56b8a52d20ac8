#pragma once
// CGalleggiante: the float catalogue and the float mounted on the line. This
// holds the data half (records, current float, photo, scene picture,
// position, stopper, exposed height, texts); the landing, drift, bobbing,
// dip and drawing build on it in the scene. Entry 0, "No float", stands for
// a bottom or spinning rig and is never drawn.
#include "shell/Sprite.h"
#include "shell/SpriteBordo.h"
#include "simulation/tackle/Cerchi.h"
#include "simulation/tackle/RigView.h"
#include "simulation/tackle/TackleFile.h"

#include <cstdint>
#include <vector>

struct GalleggianteRecord : TackleHead {
    char scenePicture[132];     // FILENAMESPRITE
    std::int32_t currentRating; // 0 still .. 3 fast water; -1 none
    std::int32_t weight;        // hundredths of a gram, 20..800 (0 for "No float")
    std::int32_t mount;         // 0 fixed, 1 sliding
};

constexpr const char* kNoFloatId = "INTERNAL_V";
constexpr std::uint32_t kBitmapFloatScene = 163;
constexpr std::uint32_t kBitmapFloatSceneLong = 175;
constexpr std::uint32_t kBitmapNoFloatScene = 378;
constexpr std::uint32_t kBitmapFloatPhoto = 168;
constexpr std::uint32_t kBitmapFloatPhotoLong = 174;
constexpr std::uint32_t kBitmapNoFloatPhoto = 379;
constexpr std::uint32_t kBitmapStopper = 381;

class CCannaPesca;

class CGalleggiante : public CSprite {
public:
    CGalleggiante();

    void Load(plat::Device* dev);
    void LoadFolder(const char* folder);
    void Reset();
    void Select(plat::Device* dev, int index);
    void SelectById(plat::Device* dev, const char* id); // unknown: "Big New"
    void SelectDefault(plat::Device* dev);               // index 1, "Big New"
    void LoadPhoto(plat::Device* dev);
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);

    bool LoadConfiguration(const CIniText& file, plat::Device* dev);
    void SaveConfiguration(CIniText& file) const;

    bool HasFloat() const;
    bool IsSliding() const { return HasFloat() && m_current.mount == 1; }
    // A sliding float's stopper stays at least 10 cm above the float and
    // within reach; a multiple of 10.
    void ClampStopper(bool rodHasReel, float lineLength);
    // The stopper for a sliding float, 0 without a float, else the depth.
    int GetDepthSetting() const;
    int GetCurrentRating() const;
    static const char* FormatWeight(int weight);
    static const char* GetMountName(int mount);
    const char* GetSuitabilityText() const;
    static const char* GetSuitabilityText(int rating, int waters);

    // The picture the scene draws: a built-in bitmap id, or 0 for the
    // float's own picture file.
    std::uint32_t GetScenePictureBitmap() const { return m_sceneBitmap; }

    int GetCount() const { return int(m_records.size()); }
    const GalleggianteRecord& GetRecord(int i) const;

    // ---- in the scene ----
    void LoadScene(plat::Device* dev);
    // Throws the float out from the rod; with raise clear it is put down
    // without a splash (a new cast).
    void Land(float elevation, float sideAngle, int rodX, bool raise);
    void ResetDisplay();
    void SetX(int x);
    void SetY(int y);
    int GetSurfaceY() const;
    void SetVisibleHeight(int h);
    int GetVisibleHeight() const { return m_frameH; }
    void SetTiltWhileMoving(float angle);
    void SetLayAngle(float angle);
    int GetDriftDirection() const;
    bool IsDriftStepDue();
    bool IsAtSurface() const;
    bool IsSinking() const { return m_sinkOffset > 0; }
    bool IsBiteReady() const;
    bool IsBottomRig() const { return !HasFloat() || m_exposedHeight == 0; }
    float DistanceOfRow(int row) const;
    float GetDistance() const;
    void OnTimer0() override; // the dip after landing, 2 pixels a poll
    void Render(plat::Device* dev);
    void DrawSubmerged(plat::Device* dev);
    // The float at its depth in the tackle box's rig view, and a sliding
    // float's stopper; each hidden when the view does not show it.
    void LoadStopper(plat::Device* dev);
    void DrawRigView(plat::Device* dev, int x, const CRigView& view);

    static const TackleKind kKind;

    // Fields, in order, after the sprite.
    CSpriteBordo m_photo; // 50 x 350
    std::int32_t m_surfaceRow;
    std::int32_t m_drawOffsetX, m_drawOffsetY;
    std::int32_t m_position;  // depth + 45, along the line
    std::int32_t m_lineAbove; // line length - position
    std::int32_t m_sinkOffset;
    std::int32_t m_exposedHeight;
    std::int32_t m_landed;
    float m_driftAccumulator;
    std::uint8_t m_submergedFlag;
    std::uint8_t m_rigFlag;
    std::int32_t m_bobOffset, m_bobStep;
    std::vector<GalleggianteRecord> m_records;
    GalleggianteRecord m_current;
    std::int32_t m_selected;
    std::int32_t m_dip;
    std::int32_t m_stopper;
    std::uint32_t m_sceneBitmap;
    std::uint8_t m_landing;    // set while Land places the float
    std::uint8_t m_bottomFlag; // the rig rests on the bottom beyond the shallowest shot
    std::int32_t m_bigRings = 0; // big rings asked of the ring pool (tests count them)
    CCannaPesca* m_rig = nullptr;
    CCerchi m_ring; // where the float pierces the surface
    CSprite m_stopperPicture; // the rig view's stopper, bitmap 381 at 11 x 5

private:
    void LoadScenePicture(plat::Device* dev);
};
