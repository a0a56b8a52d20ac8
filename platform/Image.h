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

// Pictures come from players too, so decoding is bounded: at most this many
// bytes of file and this many pixels a side, known from the header before
// any decoder runs.
constexpr std::size_t kMaxPictureBytes = 32u * 1024 * 1024;
constexpr int kMaxPictureSide = 8192;

enum class PictureFormat { Unknown, Png, Jpeg, Bmp };
struct PictureHeader {
    PictureFormat format = PictureFormat::Unknown;
    std::int64_t width = 0, height = 0; // as declared; 0 when the header does not say
};
PictureHeader ReadPictureHeader(const void* data, std::size_t size);

// Decodes a PNG, JPEG or BMP picture. Anything else, a file over the byte
// limit, a declared size of 0 or over the side limit, a picture that does
// not decode to its declared size, fails with the reason in error.
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
