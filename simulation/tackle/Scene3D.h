#pragma once
// Whether the fishing scene draws its rod, reel and line in 3D. Every 3D
// branch of the rig asks this one question. The answer is the application's
// 3D-ready flag (the setting is on and the device passed the 3D check, at
// start-up and after each device reset); the application registers it, and
// without it the scene draws flat.
#include "platform/Device.h"

struct Scene3DLink {
    bool (*ready)() = nullptr;
    // The material the application set up for the scene (plain white).
    const plat::Material* (*material)() = nullptr;
};

void SetScene3DLink(const Scene3DLink& link);
void ClearScene3DLink();
bool IsScene3DInUse();
// The application's material, or plain white when nothing is registered.
plat::Material Scene3DMaterial();
