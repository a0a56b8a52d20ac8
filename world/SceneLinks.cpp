#include "world/SceneLinks.h"

namespace {

// Plain pointers, zero before any constructor runs, so a global of a higher
// library may register from its own constructor whatever the order.
const RigLink* g_rigLink = nullptr;
const WaterRingLink* g_ringLink = nullptr;
const VenuePictureLink* g_pictureLink = nullptr;

} // namespace

void SetRigLink(const RigLink* link) { g_rigLink = link; }
const RigLink* GetRigLink() { return g_rigLink; }
void SetWaterRingLink(const WaterRingLink* link) { g_ringLink = link; }
const WaterRingLink* GetWaterRingLink() { return g_ringLink; }
void SetVenuePictureLink(const VenuePictureLink* link) { g_pictureLink = link; }
const VenuePictureLink* GetVenuePictureLink() { return g_pictureLink; }
