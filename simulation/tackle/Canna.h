#pragma once
// CCanna: the rod catalogue and the rod of the rig. This holds the catalogue
// side (records, current rod, photo, types and their lengths, stiffness) and
// the rod's length and phase; the bend, the cast swing and the drawing build
// on it in the scene.
#include "shell/Oggetto.h"
#include "platform/Mesh.h"
#include "shell/SpriteBordo.h"
#include "simulation/tackle/Cerchi.h"
#include "simulation/tackle/TackleFile.h"

#include <cstdint>
#include <memory>
#include <vector>

struct CannaRecord : TackleHead {
    std::int32_t colour;    // row of the rod colour tables, 0..10
    std::int32_t stiffness; // 1 low, 2 medium, 3 high
    std::int32_t type;      // 0 pole, 1 bolognese, 2 boat rod, 3 spinning
};

enum RodType : int { kRodPole = 0, kRodBolognese = 1, kRodBoat = 2, kRodSpinning = 3 };
// The rig's phase, kept by the rod.
enum RodPhase : int { kPhaseRest = 0, kPhaseCast = 1, kPhaseFish = 2 };

constexpr std::uint32_t kBitmapRodPhotoDefault = 247;
constexpr std::uint32_t kBitmapRodPhotoOther = 246;

class CLenza;

class CCanna : public COggetto {
public:
    CCanna();

    void Init(plat::Device* dev, int x);
    void Reset(plat::Device* dev);
    void LoadFolder(const char* folder);
    void Select(plat::Device* dev, int index);
    void SelectById(plat::Device* dev, const char* id);
    void LoadPhoto(plat::Device* dev, const char* folder, const char* photo, const char* id);
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);

    // Clamped to 210..900; the main line is then held to the new length.
    void SetLength(float length);
    float GetLength() const { return m_length; }
    // The rod's type and power as the tackle box sets them.
    void SetType(int type);
    void SetStiffness(int stiffness);
    int GetPhase() const { return m_phase; }
    void SetPhase(int phase) { m_phase = phase; }

    int GetDefaultLength() const;
    int GetMinLength() const;
    int GetMaxLength() const;
    static int GetDefaultLength(int type);
    static int GetMinLength(int type);
    static int GetMaxLength(int type);
    float GetFlexFactor() const;
    bool HasReel() const { return m_current.type >= 1 && m_current.type <= 3; }
    // The row of the rod colour tables; a colour outside them draws as row 0.
    int GetColourRow() const { return m_current.colour >= 0 && m_current.colour <= 10 ? m_current.colour : 0; }
    // Any other type reads as a pole, any other power as low.
    static const char* GetTypeName(int type);
    static const char* GetStiffnessName(int stiffness);

    bool LoadConfiguration(const CIniText& file, plat::Device* dev);
    void SaveConfiguration(CIniText& file) const;

    // ---- in the scene ----
    // The scene fields back to a rod at rest: angle 45, side angle 90, no bend.
    void ResetScene();
    void SetAngle(float angle);
    // The butt's screen x, kept 135 pixels inside either edge.
    void SetX(int x);
    void StartCast();
    // The rod bent toward the line's end x; the tip walks back to the water
    // line when the bent rod dips into it.
    void UpdateShape(float endX);
    void Render(plat::Device* dev);
    void Draw2D(plat::Device* dev);
    void OnTimer0() override; // cast swing and bend easing, every 5 ms
    float GetTipHeight() const;
    // Where the line leaves the drawn rod: the top point, or the point the
    // dipped tip walked back to. The line point (m_tip) stays the tip's
    // place in the scene for every distance.
    float GetDrawnTipX() const { return m_tipInWater ? m_tip[0] : m_points[11][0]; }
    float GetDrawnTipY() const { return m_tipInWater ? m_tip[1] : m_points[11][1]; }
    int GetTipDrop() const;
    float GetSideSwing() const;
    // A rod colour's shade: part 0 the light table lightened, part 1 the dark
    // table darkened, 0.05 a step.
    static void GetShadeColour(int row, int part, float alpha, int shade, float out[4]);
    bool IsTipInWater() const { return m_tipInWater != 0; }

    // ---- the 3D rod (drawn when the scene is 3D) ----
    // The bitmap of a rod colour's 3D texture; a colour outside 1..10 takes
    // the one of colour 0.
    static int ColourTextureId(int colour);
    // The reel hangs this far along the blank (the reel mesh's smallest z,
    // 0 without one); the blank's reel seat follows it.
    void SetSeatOffset(float offset);
    void Build3DRod();
    void SetWorldTransforms(plat::Device* dev, float endX, float lengthScale);
    void ProjectTip3D(plat::Device* dev);
    void Draw3D(plat::Device* dev);
    void Load3DHandle(plat::Device* dev);
    void Release3D();
    float Get3DLength() const { return m_length3D; }
    float GetButtRadius() const { return m_buttRadius; }
    int GetTipVertex() const { return m_tipVertex; }
    int GetSeatVertex() const { return m_seatVertex; }
    const plat::Mesh& GetCylinder() const { return m_cylinder; }
    const plat::Mesh& GetHandleMesh() const { return m_handle; }
    int GetColourTextureId() const { return m_colourTextureId; }

    static constexpr float kPerspective = 0.309016994f; // sin(0.31415927)
    static constexpr int kButtMargin = 135;             // the butt keeps this far inside either edge

    // Scene fields.
    std::unique_ptr<plat::LineDrawer> m_drawer;
    float m_points[12][2];
    float m_base[2];
    float m_tip[2];      // where the main line starts
    float m_tipPoint[2]; // the tip as read by others
    float m_seatPoint[2];
    float m_limits[12];
    float m_angle;
    float m_sideAngle;
    float m_bend;
    float m_bendTarget;
    float m_swingTarget;
    float m_segments[12];
    float m_projectedSum;
    std::uint8_t m_tipInWater;
    std::uint8_t m_ringsShown; // the dipped tip shows rings this frame
    float m_restingAngle;      // the angle the cast swing returns to; 0 = not remembered
    std::uint32_t m_castSounds = 0; // swings ended with the cast sound (tests count them)
    CCerchi m_tipRings;             // ripples round a dipped tip, every 20 ms

    // 3D objects.
    plat::Device* m_device3D = nullptr; // the device the camera and the tip projection use
    plat::TexturePtr m_colourTexture;
    int m_colourTextureId = 0; // the bitmap m_colourTexture came from, 0 none
    plat::Mesh m_cylinder;     // empty while the scene is flat
    int m_tipVertex = -1;
    int m_seatVertex = -1;
    plat::Mesh m_handle; // the spinning rod's handle; empty when it could not be read
    plat::TexturePtr m_handleTextures[3];
    float m_length3D = 0.0f;
    float m_buttRadius = 0.0f;
    float m_seatOffset = 0.0f;
    float m_lastEndX = 0.0f;

    int GetCount() const { return int(m_records.size()); }
    const CannaRecord& GetRecord(int i) const;

    static const TackleKind kKind;

    // Fields, in order (scene fields come first in the rod's full form).
    float m_length;
    std::int32_t m_phase;
    std::vector<CannaRecord> m_records;
    CannaRecord m_current;
    std::int32_t m_selected;
    CSpriteBordo m_photo; // 75 x 350
    CLenza* m_line;       // the line kept within the rod's length; null on its own
};
