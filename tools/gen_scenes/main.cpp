// gen_scenes <output folder> [--venues <folder> | --preview <folder>]
// Writes the built-in backgrounds (182 lake, 322 harbour) and the small
// scene sprites into the output folder. With --venues it also paints the
// photos of the shipped venues into that folder (data/Luoghi); they are
// committed, so the build does not repaint them every time.
#include "platform/Image.h"
#include "tools/gen_scenes/Landscape.h"
#include "tools/gen_scenes/Sprites.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

using namespace scenes;
using fish::Hex;

namespace {

// The upper limits of each picture: the same texts its venue file holds.
LandscapeSpec Lake()
{
    return {"182.png", 800, 600, "33333333333333333333333333333333", "00000000000000000000000000000000", 182,
            Hex(0x3F7FCB), Hex(0xBFD9EE), Far::Alps, 0.07f, Hex(0x7C8794), true, Hex(0x3F6B3C),
            Trees::Conifers, Hex(0x2C5430), 3.2f, Houses::Village, Bank::Stones, false,
            Hex(0x5E8FA6), Hex(0x22475E), 0.15f};
}

LandscapeSpec Harbour()
{
    return {"322.png", 800, 600, "33211111111111112222222211111000", "30311000000000020000000011100111", 322,
            Hex(0x4C8ED6), Hex(0xCFE4F4), Far::Hills, 0.12f, Hex(0x5F7D62), true, Hex(0x4F7A3A),
            Trees::Cypress, Hex(0x3E6230), 2.6f, Houses::Harbour, Bank::Concrete, false,
            Hex(0x3C8CA6), Hex(0x14506A), 0.35f};
}

std::vector<LandscapeSpec> Venues()
{
    return {
        {"FiumePianura.png", 1024, 768, "44444444555555555555555544444444", "00000002000000000000000030000000", 11,
         Hex(0x5E93CF), Hex(0xD8E6EE), Far::Hills, 0.2f, Hex(0x8FA3A8), false, Hex(0x5A7A3A), Trees::Poplars,
         Hex(0x4E6E2E), 4.5f, Houses::None, Bank::Sand, false, Hex(0x8C8A66), Hex(0x4D4B34), 0.5f},
        {"TorrenteAlpino.png", 1024, 768, "22223333333322222222333333332222", "00020000000030000002000000003000", 12,
         Hex(0x2F6FC0), Hex(0xB7D3EC), Far::Alps, 0.03f, Hex(0x6E7784), false, Hex(0x3E6B3A), Trees::Conifers,
         Hex(0x24482A), 3.6f, Houses::None, Bank::Stones, false, Hex(0x6FA3A0), Hex(0x2E5E5A), 0.9f},
        {"Canale.png", 1024, 768, "44444444444444444444444444444444", "00000000000000000000000000000000", 13,
         Hex(0x5A8FD0), Hex(0xDCE8EF), Far::Hills, 0.25f, Hex(0x8C9C8E), true, Hex(0x6C8A44), Trees::Broadleaf,
         Hex(0x46692C), 3.5f, Houses::None, Bank::Grass, false, Hex(0x6F7D55), Hex(0x39442A), 0.1f},
        {"Bacino.png", 1024, 768, "55555554444444444444445555555555", "00000003000000000000020000000000", 14,
         Hex(0x3E83D4), Hex(0xC9E0F2), Far::Hills, 0.17f, Hex(0x7E8E96), true, Hex(0x6E7F42), Trees::Scrub,
         Hex(0x4F6630), 1.6f, Houses::None, Bank::Rock, false, Hex(0x5C94B0), Hex(0x1E4E68), 0.3f},
        {"Spiaggia.png", 1024, 768, "33345666666666666666666666666666", "00222000000000000000000000000000", 15,
         Hex(0x3A86DA), Hex(0xD6EAF7), Far::None, 0.2f, Hex(0x8FA3A8), false, Hex(0x6E7F42), Trees::Scrub,
         Hex(0x5A6E34), 1.2f, Houses::None, Bank::Rock, true, Hex(0x4FA6C4), Hex(0x157093), 0.6f},
        {"Secca.png", 1024, 768, "77777777777777777777777777777777", "00000000000000000000000000000000", 16,
         Hex(0x2D78D2), Hex(0xCDE3F5), Far::Coast, 0.2f, Hex(0x8497A6), false, Hex(0x6E7F42), Trees::None,
         Hex(0x5A6E34), 1.0f, Houses::None, Bank::Rock, true, Hex(0x2F7FB2), Hex(0x0B3F68), 0.75f},
    };
}

bool Save(const std::string& folder, const std::string& name, const plat::Image& img)
{
    const std::string path = folder + "/" + name;
    if (!plat::SavePng(path, img)) {
        std::fprintf(stderr, "gen_scenes: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

// The sprites enlarged over a water colour, for a person to check.
plat::Image Preview(const plat::Image& img, int zoom)
{
    plat::Image out(img.width * zoom, img.height * zoom);
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x) {
            const std::uint32_t p = img.At(x / zoom, y / zoom);
            const float a = float(p >> 24) / 255.0f;
            auto ch = [&](int shift, int bg) {
                return std::uint32_t(float((p >> shift) & 0xFF) * a + float(bg) * (1 - a)) << shift;
            };
            out.At(x, y) = 0xFF000000u | ch(16, 40) | ch(8, 90) | ch(0, 120);
        }
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: gen_scenes <output folder> [--venues <folder>]\n");
        return 2;
    }
    const std::string out = argv[1];
    bool ok = true;
    ok &= Save(out, "136.png", PaintRing());
    ok &= Save(out, "137.png", PaintFishSheet());
    ok &= Save(out, "240.png", PaintWeatherIcons());
    ok &= Save(out, "241.png", PaintFog());
    ok &= Save(out, "242.png", PaintDrops());
    ok &= Save(out, "275.png", PaintSurfaceFish());
    ok &= Save(out, "182.png", PaintLandscape(Lake()));
    ok &= Save(out, "322.png", PaintLandscape(Harbour()));
    if (argc >= 4 && std::strcmp(argv[2], "--preview") == 0) {
        ok &= Save(argv[3], "136_preview.png", Preview(PaintRing(), 8));
        ok &= Save(argv[3], "137_preview.png", Preview(PaintFishSheet(), 2));
        ok &= Save(argv[3], "240_preview.png", Preview(PaintWeatherIcons(), 4));
        ok &= Save(argv[3], "242_preview.png", Preview(PaintDrops(), 20));
        ok &= Save(argv[3], "275_preview.png", Preview(PaintSurfaceFish(), 3));
    }
    if (argc >= 4 && std::strcmp(argv[2], "--venues") == 0)
        for (const LandscapeSpec& s : Venues())
            ok &= Save(argv[3], s.file, PaintLandscape(s));
    return ok ? 0 : 1;
}
