// gen_fish <output folder> [--sheet <file.png> [first count zoom]]
// Writes <id>.png for every species photo. With --sheet it also lays the
// photos out on one contact sheet, each labelled with its species index, so
// the whole catalogue can be checked at a glance.
#include "platform/Image.h"
#include "tools/gen_fish/FishPainter.h"
#include "tools/gen_fish/PhotoIds.h"

#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

// 3 x 5 digits for the sheet labels.
constexpr unsigned short kDigits[10] = {0x7B6F, 0x2C97, 0x73E7, 0x73CF, 0x5BC9, 0x79CF, 0x79EF, 0x7249, 0x7BEF, 0x7BCF};

void DrawNumber(plat::Image& img, int x, int y, int value, int px)
{
    std::string text = std::to_string(value);
    for (int k = 0; k < int(text.size()) * 4 + 1; ++k)
        for (int j = -1; j < 6; ++j)
            for (int a = 0; a < px; ++a)
                for (int b = 0; b < px; ++b) {
                    int xx = x + (k - 1) * px + a, yy = y + j * px + b;
                    if (xx >= 0 && yy >= 0 && xx < img.width && yy < img.height)
                        img.At(xx, yy) = 0xFF000000u;
                }
    for (std::size_t c = 0; c < text.size(); ++c) {
        unsigned short glyph = kDigits[text[c] - '0'];
        for (int row = 0; row < 5; ++row)
            for (int col = 0; col < 3; ++col)
                if (glyph & (1u << (14 - (row * 3 + col))))
                    for (int a = 0; a < px; ++a)
                        for (int b = 0; b < px; ++b)
                            img.At(x + (int(c) * 4 + col) * px + a, y + row * px + b) = 0xFFFFFF40u;
    }
}

bool WriteSheet(const std::vector<plat::Image>& photos, const std::string& path, int first, int count, int zoom)
{
    const int cols = std::min(count, zoom > 1 ? 4 : 10), rows = (count + cols - 1) / cols;
    const int cw = fishphoto::kWidth * zoom + 4, ch = fishphoto::kHeight * zoom + 4;
    plat::Image sheet(cols * cw, rows * ch, 0xFF202020u);
    for (int k = 0; k < count; ++k) {
        const plat::Image& p = photos[std::size_t(first + k)];
        int ox = (k % cols) * cw + 2, oy = (k / cols) * ch + 2;
        for (int y = 0; y < p.height * zoom; ++y)
            for (int x = 0; x < p.width * zoom; ++x)
                sheet.At(ox + x, oy + y) = p.At(x / zoom, y / zoom);
        DrawNumber(sheet, ox + 2, oy + 2, first + k, zoom > 1 ? 2 : 1);
    }
    return plat::SavePng(path, sheet);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: gen_fish <output folder> [--sheet <file.png> [first count zoom]]\n");
        return 2;
    }
    const auto& table = fish::FishTable();
    if (int(table.size()) != fishphoto::kSpeciesCount) {
        std::fprintf(stderr, "gen_fish: the species table has %zu rows\n", table.size());
        return 1;
    }
    std::vector<plat::Image> photos;
    for (int i = 0; i < fishphoto::kSpeciesCount; ++i) {
        photos.push_back(fish::PaintPhoto(table[std::size_t(i)], fishphoto::kWidth, fishphoto::kHeight));
        std::string path = std::string(argv[1]) + "/" + std::to_string(fishphoto::PhotoId(i)) + ".png";
        if (!plat::SavePng(path, photos.back())) {
            std::fprintf(stderr, "gen_fish: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    if (argc >= 4 && std::string(argv[2]) == "--sheet") {
        int first = argc > 4 ? std::atoi(argv[4]) : 0;
        int count = argc > 5 ? std::atoi(argv[5]) : fishphoto::kSpeciesCount - first;
        int zoom = argc > 6 ? std::atoi(argv[6]) : 1;
        first = std::clamp(first, 0, fishphoto::kSpeciesCount - 1);
        count = std::clamp(count, 1, fishphoto::kSpeciesCount - first);
        if (!WriteSheet(photos, argv[3], first, count, std::clamp(zoom, 1, 4))) {
            std::fprintf(stderr, "gen_fish: cannot write %s\n", argv[3]);
            return 1;
        }
    }
    return 0;
}
