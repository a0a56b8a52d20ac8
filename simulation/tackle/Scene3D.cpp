#include "simulation/tackle/Scene3D.h"

namespace {
Scene3DLink g_link;
}

void SetScene3DLink(const Scene3DLink& link) { g_link = link; }
void ClearScene3DLink() { g_link = Scene3DLink{}; }

bool IsScene3DInUse() { return g_link.ready && g_link.ready(); }

plat::Material Scene3DMaterial()
{
    if (g_link.material)
        if (const plat::Material* m = g_link.material())
            return *m;
    plat::Material white;
    white.diffuse = white.ambient = {1, 1, 1, 1};
    return white;
}
