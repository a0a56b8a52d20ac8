// gen_tackle <output folder> [--data <program folder>] [--sheet <file.png>]
// Writes every built-in tackle picture as <output>/<bitmap id>.png and every
// shipped photo under <output>/data/<folder>/<name>.png. With --data the
// shipped photos also go into that program folder (how data/ is refreshed
// after a change here). With --sheet it lays every picture out on one
// contact sheet, each named, the float scene pictures enlarged on water.
#include "platform/Device.h"
#include "platform/Files.h"
#include "platform/Font.h"
#include "platform/Image.h"
#include "tools/gen_tackle/TacklePainter.h"
#include "tools/gen_tackle/TackleTable.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

bool Save(const std::string& root, const std::string& file, const plat::Image& img)
{
    std::string path = root + "/" + file;
    std::size_t slash = path.find_last_of('/');
    plat::MakeFolder(path.substr(0, slash));
    if (!plat::SavePng(path, img)) {
        std::fprintf(stderr, "gen_tackle: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

std::uint32_t Over(std::uint32_t dst, std::uint32_t src)
{
    const unsigned a = src >> 24;
    std::uint32_t out = 0xFF000000u;
    for (int s : {16, 8, 0}) {
        unsigned d = (dst >> s) & 0xFF, c = (src >> s) & 0xFF;
        out |= ((c * a + d * (255 - a) + 127) / 255) << s;
    }
    return out;
}

bool WriteSheet(const std::vector<plat::Image>& pics, const std::string& path)
{
    const auto& table = tackle::TacklePictures();
    constexpr int kSheetW = 1560, kCellW = 195, kLabel = 34, kZoom = 3;
    struct Cell { int x, y, w, h; };
    std::vector<Cell> cells;
    int x = 0, y = 0, rowH = 0;
    for (const plat::Image& p : pics) {
        const bool scene = p.width == tackle::kSceneW && p.height == tackle::kSceneH;
        const int w = std::max(kCellW, (scene ? p.width * kZoom : p.width) + 10);
        const int h = (scene ? p.height * kZoom : p.height) + kLabel + 10;
        if (x + w > kSheetW) {
            x = 0;
            y += rowH;
            rowH = 0;
        }
        cells.push_back({x, y, w, h});
        x += w;
        rowH = std::max(rowH, h);
    }
    const int sheetH = y + rowH;
    plat::Image sheet(kSheetW, sheetH, 0xFF262626u);
    for (std::size_t i = 0; i < pics.size(); ++i) {
        const plat::Image& p = pics[i];
        const Cell& c = cells[i];
        const bool scene = p.width == tackle::kSceneW && p.height == tackle::kSceneH;
        const int zoom = scene ? kZoom : 1;
        const int ox = c.x + (c.w - p.width * zoom) / 2, oy = c.y + 5;
        for (int j = 0; j < p.height * zoom; ++j)
            for (int k = 0; k < p.width * zoom; ++k) {
                // Scene pictures sit on water, the first 15 rows above it.
                std::uint32_t under = sheet.At(ox + k, oy + j);
                if (scene)
                    under = j / zoom < 15 ? 0xFF9DB8C8u : 0xFF3E6A7Au;
                sheet.At(ox + k, oy + j) = Over(under, p.At(k / zoom, j / zoom));
            }
    }
    int st = 0;
    auto dev = plat::Device::CreateHeadless(kSheetW, sheetH, &st);
    if (!dev) {
        std::fprintf(stderr, "gen_tackle: no drawing device (%s)\n", plat::StatusName(st));
        return false;
    }
    auto tex = dev->CreateTextureFromImage(sheet, kSheetW, sheetH, &st);
    auto drawer = dev->CreateSpriteDrawer(&st);
    // The detail font of the tackle box.
    auto font = dev->CreateFont("Arial", 14, 0, 400, &st);
    if (!tex || !drawer || !font)
        return false;
    dev->Clear(0xFF000000u);
    dev->BeginScene();
    drawer->Draw(tex.get(), nullptr, {0, 0, 0.5f}, 0xFFFFFFFFu);
    for (std::size_t i = 0; i < pics.size(); ++i) {
        const Cell& c = cells[i];
        plat::Rect r{c.x + 4, c.y + c.h - kLabel + 2, c.x + c.w - 4, c.y + c.h};
        font->DrawText(table[i].label.c_str(), -1, r, plat::kTextCentre | plat::kTextWordBreak, 0xFFF0F0F0u);
    }
    dev->EndScene();
    plat::Image out;
    return dev->ReadPixels(out) && plat::SavePng(path, out);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: gen_tackle <output folder> [--data <program folder>] [--sheet <file.png>]\n");
        return 2;
    }
    std::string dataRoot, sheetPath;
    for (int i = 2; i + 1 < argc; i += 2) {
        std::string opt = argv[i];
        if (opt == "--data")
            dataRoot = argv[i + 1];
        else if (opt == "--sheet")
            sheetPath = argv[i + 1];
    }
    const std::string out = argv[1];
    std::vector<plat::Image> pics;
    for (const auto& item : tackle::TacklePictures()) {
        pics.push_back(item.paint());
        if (!Save(out, item.embedded ? item.file : "data/" + item.file, pics.back()))
            return 1;
        if (!item.embedded && !dataRoot.empty() && !Save(dataRoot, item.file, pics.back()))
            return 1;
    }
    if (!sheetPath.empty()) {
        // The sheet needs a drawing device for its labels; it runs headless.
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        setenv("SDL_RENDER_DRIVER", "software", 0);
        if (!WriteSheet(pics, sheetPath)) {
            std::fprintf(stderr, "gen_tackle: cannot write %s\n", sheetPath.c_str());
            return 1;
        }
    }
    return 0;
}
