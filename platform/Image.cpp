#include "platform/Image.h"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <cmath>

namespace plat {
namespace {

bool FromSurface(SDL_Surface* s, Image& out, std::string* error)
{
    if (!s) {
        if (error)
            *error = IMG_GetError();
        return false;
    }
    SDL_Surface* conv = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(s);
    if (!conv) {
        if (error)
            *error = SDL_GetError();
        return false;
    }
    out = Image(conv->w, conv->h);
    SDL_LockSurface(conv);
    for (int y = 0; y < conv->h; ++y) {
        auto* row = reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(conv->pixels) + y * conv->pitch);
        std::copy(row, row + conv->w, out.pixels.begin() + std::size_t(y) * conv->w);
    }
    SDL_UnlockSurface(conv);
    SDL_FreeSurface(conv);
    return true;
}

// A reader over the bytes, or null (with the error set) when there are none
// or too many for SDL's int sizes.
SDL_RWops* OpenBytes(const void* data, std::size_t size, std::string* error)
{
    SDL_RWops* rw = (data && size > 0 && size <= 0x7fffffff) ? SDL_RWFromConstMem(data, int(size)) : nullptr;
    if (!rw && error)
        *error = "empty picture";
    return rw;
}

} // namespace

bool DecodeImage(const void* data, std::size_t size, Image& out, std::string* error)
{
    SDL_RWops* rw = OpenBytes(data, size, error);
    return rw && FromSurface(IMG_Load_RW(rw, 1), out, error);
}

bool LoadImageFile(const std::string& path, Image& out, std::string* error)
{
    return FromSurface(IMG_Load(path.c_str()), out, error);
}

bool RasteriseSvg(const void* data, std::size_t size, int w, int h, Image& out, std::string* error)
{
    if (w <= 0 || h <= 0) {
        if (error)
            *error = "no size";
        return false;
    }
    SDL_RWops* rw = OpenBytes(data, size, error);
    if (!rw)
        return false;
    Image raw;
    bool ok = FromSurface(IMG_LoadSizedSVG_RW(rw, w, h), raw, error);
    SDL_RWclose(rw);
    if (ok)
        out = Stretch(raw, w, h);
    return ok;
}

Image Stretch(const Image& src, int w, int h)
{
    if (src.width == w && src.height == h)
        return src;
    Image dst(w, h);
    if (src.width <= 0 || src.height <= 0)
        return dst;
    for (int y = 0; y < h; ++y) {
        float fy = std::clamp((y + 0.5f) * src.height / h - 0.5f, 0.0f, float(src.height - 1));
        int y0 = int(fy), y1 = std::min(y0 + 1, src.height - 1);
        float ty = fy - y0;
        for (int x = 0; x < w; ++x) {
            float fx = std::clamp((x + 0.5f) * src.width / w - 0.5f, 0.0f, float(src.width - 1));
            int x0 = int(fx), x1 = std::min(x0 + 1, src.width - 1);
            float tx = fx - x0;
            std::uint32_t p[4] = {src.At(x0, y0), src.At(x1, y0), src.At(x0, y1), src.At(x1, y1)};
            std::uint32_t result = 0;
            for (int shift = 0; shift < 32; shift += 8) {
                float c[4];
                for (int i = 0; i < 4; ++i)
                    c[i] = float((p[i] >> shift) & 0xFF);
                float top = c[0] + (c[1] - c[0]) * tx;
                float bottom = c[2] + (c[3] - c[2]) * tx;
                float v = top + (bottom - top) * ty;
                result |= std::uint32_t(std::lround(std::clamp(v, 0.0f, 255.0f))) << shift;
            }
            dst.At(x, y) = result;
        }
    }
    return dst;
}

bool SavePng(const std::string& path, const Image& image)
{
    if (image.width <= 0 || image.height <= 0)
        return false;
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint32_t*>(image.pixels.data()), image.width,
                                                        image.height, 32, image.width * 4, SDL_PIXELFORMAT_ARGB8888);
    if (!s)
        return false;
    bool ok = IMG_SavePNG(s, path.c_str()) == 0;
    SDL_FreeSurface(s);
    return ok;
}

} // namespace plat
