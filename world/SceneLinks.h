#pragma once
// The world's calls up into the fishing scene. The world library sits below
// the simulation, so it cannot name the rod assembly, the ring pool or the
// venue background; each of those registers a small table of functions here
// once it exists. Until a table is registered the world behaves as if the
// scene had nothing to offer: no rig point (no fish test passes there), no
// depth labels, no rain rings, no picture hand-off.
namespace plat {
class Device;
}
struct LuogoRecord;

// What the bottom and the fish-zone overlay need from the rod assembly.
struct RigLink {
    // The rig's screen point (where the line ends in the water); false when
    // there is no rig in the scene.
    bool (*GetRigPoint)(int& x, int& y);
    // False when the float slot holds the "no float" entry.
    bool (*IsFloatMounted)();
    // 0 pole, 1 bolognese, 2 boat rod, 3 spinning.
    int (*GetRodType)();
    // Scene distance in centimetres of a screen row; false when there is no
    // rig to ask (the overlay then draws no depth labels).
    bool (*GetDepthAt)(int y, float& centimetres);
};

// The ring pool: the weather's rain drops ring the water at once.
struct WaterRingLink {
    void (*SpawnSmallNow)(int x, int y);
};

// The venue background: a selected venue's picture follows the venue.
struct VenuePictureLink {
    void (*LoadVenuePicture)(plat::Device* dev, const LuogoRecord& venue);
};

// Null unregisters. The registered tables must outlive their use.
void SetRigLink(const RigLink* link);
const RigLink* GetRigLink();
void SetWaterRingLink(const WaterRingLink* link);
const WaterRingLink* GetWaterRingLink();
void SetVenuePictureLink(const VenuePictureLink* link);
const VenuePictureLink* GetVenuePictureLink();
