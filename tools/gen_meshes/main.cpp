// gen_meshes <output folder>
// Writes the reel (354.x) and the spinning-rod handle (410.x) as text
// meshes, and the textures: rod colours 343..353, spools by line colour
// 356..361 and 384..390, reel parts 362..365, reel seat 411 and cork 412.
#include "platform/Image.h"
#include "platform/Mesh.h"
#include "tools/gen_meshes/Models.h"
#include "tools/gen_meshes/Textures.h"

#include <cstdio>
#include <string>

namespace {

std::string g_folder;

bool Save(int id, const plat::Image& img)
{
    const std::string path = g_folder + "/" + std::to_string(id) + ".png";
    if (plat::SavePng(path, img))
        return true;
    std::fprintf(stderr, "gen_meshes: cannot write %s\n", path.c_str());
    return false;
}

bool SaveMesh(int id, const plat::Mesh& mesh)
{
    const std::string path = g_folder + "/" + std::to_string(id) + ".x";
    const std::string text = plat::WriteMeshText(mesh);
    FILE* f = std::fopen(path.c_str(), "wb");
    bool ok = f && std::fwrite(text.data(), 1, text.size(), f) == text.size();
    if (f)
        ok = std::fclose(f) == 0 && ok;
    if (!ok)
        std::fprintf(stderr, "gen_meshes: cannot write %s\n", path.c_str());
    return ok;
}

// The line colours, by colour index, and their spool bitmaps.
struct Spool {
    int id;
    float r, g, b;
};
constexpr Spool kSpools[13] = {{356, 0.7f, 0.7f, 0.7f},  {357, 0.8f, 0.8f, 0.4f},  {358, 0.0f, 0.66f, 0.37f},
                               {359, 0.0f, 0.41f, 0.22f}, {360, 0.6f, 0.2f, 0.3f},  {361, 0.22f, 0.22f, 0.5f},
                               {384, 0.39f, 0.39f, 0.39f}, {385, 0.5f, 0.0f, 0.5f}, {386, 0.0f, 0.99f, 0.0f},
                               {387, 0.99f, 0.5f, 0.25f}, {388, 0.82f, 0.0f, 0.0f}, {389, 0.8f, 0.99f, 0.99f},
                               {390, 0.99f, 0.8f, 0.8f}};

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: gen_meshes <output folder>\n");
        return 2;
    }
    g_folder = argv[1];
    bool ok = SaveMesh(354, meshgen::BuildReel()) && SaveMesh(410, meshgen::BuildRodHandle());
    // Rod colour 1 is bitmap 343, colour 0 is 344, colours 2..10 are 345..353.
    ok = ok && Save(343, meshgen::RodTexture(1)) && Save(344, meshgen::RodTexture(0));
    for (int c = 2; ok && c <= 10; ++c)
        ok = Save(343 + c, meshgen::RodTexture(c));
    for (const Spool& s : kSpools)
        ok = ok && Save(s.id, meshgen::PlainTexture(s.r, s.g, s.b));
    // Reel parts: body gunmetal, handle champagne, spool neutral, bail steel.
    ok = ok && Save(362, meshgen::PlainTexture(0.5f, 0.52f, 0.57f)) && Save(363, meshgen::PlainTexture(0.8f, 0.66f, 0.38f)) &&
         Save(364, meshgen::PlainTexture(0.7f, 0.7f, 0.7f)) && Save(365, meshgen::PlainTexture(0.85f, 0.87f, 0.9f));
    ok = ok && Save(411, meshgen::ReelSeatTexture()) && Save(412, meshgen::CorkTexture());
    return ok ? 0 : 1;
}
