#pragma once
// Resources embedded into the executable at build time (see resources/manifest.txt).
#include <cstddef>
#include <span>
#include <string_view>

namespace plat {

enum class ResourceKind : int { Bitmap = 0, Wave = 1, Cursor = 2, Icon = 3, Mesh = 4 };

struct Resource {
    ResourceKind kind;
    int id;              // numeric id (bitmaps, cursors, icon, meshes); slot for waves
    const char* name;    // symbolic name ("CAST", "progress", ...) or ""
    const unsigned char* data;
    std::size_t size;
    int width, height;   // picture size as listed in the manifest (0 when not a picture)
    int frameCols, frameRows;
    int hotX, hotY;      // cursor hotspot
};

// Null when the manifest has no such resource.
const Resource* FindResource(ResourceKind kind, int id);
const Resource* FindResourceByName(ResourceKind kind, std::string_view name);
std::span<const Resource> AllResources();

} // namespace plat
