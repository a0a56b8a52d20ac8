#pragma once
// Whether the fishing scene draws its rod, reel and line in 3D. Every 3D
// branch of the rig asks this one question; until the 3D rig is wired in the
// scene draws flat, whatever the settings and the device offer.
inline bool IsScene3DInUse() { return false; }
