// Rasterises every svg: entry of the manifest at its listed size.
//   karvelin_rasterise <manifest> <resources dir> <output dir>
#include "platform/Image.h"
#include "tools/embed/Manifest.h"

#include <cstdio>
#include <fstream>
#include <iterator>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: karvelin_rasterise <manifest> <resources dir> <output dir>\n");
        return 2;
    }
    std::string error;
    auto entries = manifest::Read(argv[1], error);
    if (!error.empty()) {
        std::fprintf(stderr, "karvelin_rasterise: %s\n", error.c_str());
        return 1;
    }
    const std::string buildRes = std::string(argv[3]) + "/..";
    for (const auto& e : entries) {
        if (e.source.rfind("svg:", 0) != 0)
            continue;
        std::string src = std::string(argv[2]) + "/" + e.source.substr(4);
        std::ifstream in(src, std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        plat::Image img;
        if (text.empty() || !plat::RasteriseSvg(text.data(), text.size(), e.width, e.height, img, &error)) {
            std::fprintf(stderr, "%s:%d: cannot rasterise %s: %s\n", argv[1], e.line, src.c_str(), error.c_str());
            return 1;
        }
        std::string out = manifest::BuiltPath(e, argv[2], buildRes);
        if (!plat::SavePng(out, img)) {
            std::fprintf(stderr, "cannot write %s\n", out.c_str());
            return 1;
        }
    }
    return 0;
}
