#pragma once
// CMulinello: the reel catalogue and the reel mounted on the rod. This holds
// the data half (records, current reel, photo, capacity for the main line,
// drag, texts); retrieving, back-reeling, the drag giving line, the gauge
// and the 3D reel build on it in the scene.
#include "platform/Mesh.h"
#include "shell/Oggetto.h"
#include "shell/Sprite.h"
#include "shell/SpriteBordo.h"
#include "simulation/tackle/TackleFile.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct MulinelloRecord : TackleHead {
    std::int32_t capacityMin; // cm for the thickest line, 10000..35000
    std::int32_t capacityMax; // cm for the thinnest line, not below capacityMin
    float ratio;              // 3.0..8.0
    // The file it was read from (empty for the built-ins): its own part
    // pictures are in the folder named after it, even when the id lost the
    // blanks at the name's ends.
    char fileName[129];
};

constexpr std::uint32_t kBitmapReelPhoto = 355;
constexpr float kDragLocked = 9999.9f;

class CCannaPesca;

class CMulinello : public COggetto {
public:
    CMulinello();

    void Free();
    void Load(plat::Device* dev);
    void LoadFolder(const char* folder);
    void Select(plat::Device* dev, int index);
    void SelectById(plat::Device* dev, const char* id);
    void SelectFirst(plat::Device* dev) { Select(dev, 0); }
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);

    // noteUnknown: whether an id the catalogue lacks is logged.
    bool LoadConfiguration(const CIniText& file, plat::Device* dev, bool noteUnknown = true);
    void SaveConfiguration(CIniText& file) const;

    // Spool capacity in cm for a main line of that diameter (hundredths of mm).
    void ComputeCapacity(int lineDiameter);
    int GetCapacity() const { return m_capacity; }
    void ChangeDrag(float delta);
    const char* GetCapacityText(int lineDiameter) const;
    const char* GetRatioText() const;

    // ---- in the scene ----
    void LoadScene(plat::Device* dev);
    void OnTimer0() override; // retrieve, every 20 ms while the reel is drawn
    void OnTimer1() override; // back-reel, one poll per L key press
    void OnTimer2() override; // the drag gives line, polled by the fight step
    void Retrieve();
    void GiveLine();
    void Render(plat::Device* dev);
    void DrawDragGauge(plat::Device* dev);
    // ---- the 3D reel (drawn when the scene is 3D) ----
    // Reads the reel mesh; an unreadable one leaves the reel undrawn.
    void LoadMesh(plat::Device* dev);
    // The part textures of the current reel: its own folder first (the
    // folder beside the reel file named as the file without its extension),
    // then the built-in ones; the spool always in the line's colour.
    void LoadPartTextures(plat::Device* dev);
    void LoadDefaultTextures(plat::Device* dev);
    void LoadSpoolTexture(plat::Device* dev);
    void Draw3D(plat::Device* dev);
    void ComputeMatrices(plat::Device* dev, int material);
    void Release3D();
    // The folder of a reel's own part textures; empty when the id is too
    // short to have an extension to drop.
    static std::string PartFolder(const char* folder, const char* id);
    static int SpoolTextureId(int lineColour);
    bool HasMesh3D() const { return !m_mesh.Empty(); }
    // The drag as a percentage of its range, 0..100.
    float GetDragPercent() const;

    int GetCount() const { return int(m_records.size()); }
    const MulinelloRecord& GetRecord(int i) const;

    static const TackleKind kKind;

    // Fields, in order.
    std::int32_t m_handleAngle;
    float m_drag;
    std::int32_t m_capacity;
    std::vector<MulinelloRecord> m_records;
    MulinelloRecord m_current;
    std::int32_t m_selected;
    CSpriteBordo m_photo; // 100 x 100
    std::uint8_t m_retrieving;
    std::uint32_t m_ticks;
    std::int32_t m_gaugeCountdown;
    std::int32_t m_lineDiameter; // the main line the capacity was computed for
    CSprite m_gauge;             // the drag gauge: dial, needle, and both while the drag holds
    CCannaPesca* m_rig = nullptr;
    // 3D objects.
    plat::Device* m_device3D = nullptr;
    plat::Mesh m_mesh; // empty while the scene is flat or the mesh is unreadable
    std::vector<plat::TexturePtr> m_textures; // one per mesh material
    std::vector<int> m_textureIds;            // the bitmap each came from, 0 a file or none
    std::unique_ptr<plat::LineDrawer> m_lineDrawer;
    int m_bail = -1, m_handle = -1, m_body = -1, m_spool = -1;
    int m_exitVertex = -1;
    float m_smallestZ = 0.0f;
    float m_exitPoint[2] = {0, 0}; // where the line leaves the bail on screen, last drawn
    std::uint8_t m_lineRelease = 0; // a boat rod's cast lets line run until the next retrieve
};
