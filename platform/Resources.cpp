#include "platform/Resources.h"

// Defined by the generated ResourceIndex.cpp.
extern "C" const plat::Resource karvelin_resource_table[];
extern "C" const std::size_t karvelin_resource_count;

namespace plat {

std::span<const Resource> AllResources()
{
    return {karvelin_resource_table, karvelin_resource_count};
}

const Resource* FindResource(ResourceKind kind, int id)
{
    for (const Resource& r : AllResources())
        if (r.kind == kind && r.id == id)
            return &r;
    return nullptr;
}

const Resource* FindResourceByName(ResourceKind kind, std::string_view name)
{
    for (const Resource& r : AllResources())
        if (r.kind == kind && name == r.name)
            return &r;
    return nullptr;
}

} // namespace plat
