#pragma once
// Pictures in memory as 32-bit 0xAARRGGBB pixels, row by row from the top.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace plat {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    Image() = default;
    Image(int w, int h, std::uint32_t fill = 0) : width(w), height(h), pixels(std::size_t(w) * h, fill) {}
    std::uint32_t& At(int x, int y) { return pixels[std::size_t(y) * width + x]; }
    std::uint32_t At(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
};

// Decodes any picture format SDL_image reads (PNG, JPEG, BMP, SVG at its own size, ...).
bool DecodeImage(const void* data, std::size_t size, Image& out, std::string* error = nullptr);
bool LoadImageFile(const std::string& path, Image& out, std::string* error = nullptr);
// Rasterises SVG text to exactly w x h: the rasteriser keeps the aspect ratio,
// so the result is stretched to the requested size afterwards.
bool RasteriseSvg(const void* data, std::size_t size, int w, int h, Image& out, std::string* error = nullptr);
// Resizes with a tent filter wide enough to cover every source pixel when
// shrinking, weighting colours by alpha so transparent pixels never bleed
// into the edges (a plain copy when the size already matches).
Image Stretch(const Image& src, int w, int h);
bool SavePng(const std::string& path, const Image& image);

} // namespace plat
