#pragma once
// The rig global rebuilt as the program first builds it. Tests in one
// process share it; each fixture that builds the rig starts from this, so
// nothing an earlier test left (pictures made on a device now gone, a fish
// on, a mesh of a 3D start) reaches the next.
#include "simulation/tackle/CannaPesca.h"

#include <memory>

namespace testing_support {

inline void FreshRig()
{
    std::destroy_at(&g_CannaPesca);
    std::construct_at(&g_CannaPesca);
}

} // namespace testing_support
