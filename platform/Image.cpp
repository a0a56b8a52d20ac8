#include "platform/Image.h"

#include <SDL.h>
#include <SDL_image.h>

#include "platform/Files.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <memory>
#include <new>
#include <thread>

namespace plat {
namespace {

// The decoded surface as our picture. An empty surface, or one of another
// size than its header declared (when expectW > 0), is a failure.
bool FromSurface(SDL_Surface* s, Image& out, std::string* error, int expectW = 0, int expectH = 0)
{
    if (!s) {
        if (error)
            *error = IMG_GetError();
        return false;
    }
    if (s->w <= 0 || s->h <= 0 || s->w > kMaxPictureSide || s->h > kMaxPictureSide ||
        (expectW > 0 && (s->w != expectW || s->h != expectH))) {
        SDL_FreeSurface(s);
        if (error)
            *error = "picture size out of range";
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
        auto* row = reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(conv->pixels) +
                                                           std::size_t(y) * std::size_t(conv->pitch));
        std::copy(row, row + conv->w, out.pixels.begin() + std::ptrdiff_t(std::size_t(y) * std::size_t(conv->w)));
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

std::uint32_t Be32(const std::uint8_t* p) { return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3]; }
std::uint32_t Be16(const std::uint8_t* p) { return std::uint32_t(p[0]) << 8 | p[1]; }
std::uint32_t Le32(const std::uint8_t* p) { return std::uint32_t(p[3]) << 24 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[1]) << 8 | p[0]; }
std::uint32_t Le16(const std::uint8_t* p) { return std::uint32_t(p[1]) << 8 | p[0]; }

bool SniffPng(const std::uint8_t* p, std::size_t n, PictureHeader& h)
{
    static const std::uint8_t kSig[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (n < 24 || std::memcmp(p, kSig, 8) != 0 || std::memcmp(p + 12, "IHDR", 4) != 0)
        return false;
    h.format = PictureFormat::Png;
    h.width = Be32(p + 16) > 0x7fffffffu ? -1 : std::int64_t(Be32(p + 16));
    h.height = Be32(p + 20) > 0x7fffffffu ? -1 : std::int64_t(Be32(p + 20));
    return true;
}

// Every chunk of a PNG must lie inside the file. A chunk that claims more
// bytes than the file holds (a cut or forged file) makes the decoder read and
// skip data that is not there, for many seconds, before it gives up.
bool PngChunksFit(const std::uint8_t* p, std::size_t n)
{
    std::size_t at = 8;
    while (at + 8 <= n) {
        const std::size_t length = Be32(p + at);
        if (length > n - at - 8 || n - at - 8 - length < 4)
            return false;
        if (std::memcmp(p + at + 4, "IEND", 4) == 0)
            return true;
        at += 12 + length;
    }
    // No end chunk: the decoder would go on asking for bytes that are not
    // there, which some inputs turn into a long stall.
    return false;
}

// The frame header (SOFn) gives the size; the segments before it are
// skipped by their lengths.
bool SniffJpeg(const std::uint8_t* p, std::size_t n, PictureHeader& h)
{
    if (n < 4 || p[0] != 0xFF || p[1] != 0xD8)
        return false;
    h.format = PictureFormat::Jpeg;
    std::size_t pos = 2;
    while (pos + 4 <= n) {
        if (p[pos] != 0xFF)
            return true; // no frame header where one should be: size unknown
        const std::uint8_t marker = p[pos + 1];
        if (marker == 0xFF) {
            ++pos; // fill byte
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            pos += 2; // markers without a length
            continue;
        }
        if (marker == 0xD9 || marker == 0xDA)
            return true; // image end or scan data before any frame header
        const std::size_t length = Be16(p + pos + 2);
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            if (length < 7 || pos + 9 > n)
                return true;
            h.height = Be16(p + pos + 5);
            h.width = Be16(p + pos + 7);
            return true;
        }
        if (length < 2)
            return true;
        pos += 2 + length;
    }
    return true;
}

bool SniffBmp(const std::uint8_t* p, std::size_t n, PictureHeader& h)
{
    if (n < 26 || p[0] != 'B' || p[1] != 'M')
        return false;
    h.format = PictureFormat::Bmp;
    const std::uint32_t info = Le32(p + 14);
    if (info == 12) {
        h.width = Le16(p + 18);
        h.height = Le16(p + 20);
    } else if (info >= 16) {
        const std::int64_t w = std::int32_t(Le32(p + 18)), ht = std::int32_t(Le32(p + 22));
        h.width = w;
        h.height = ht < 0 ? -ht : ht; // a negative height is a top-down picture
    }
    return true;
}

} // namespace

PictureHeader ReadPictureHeader(const void* data, std::size_t size)
{
    PictureHeader h;
    const auto* p = static_cast<const std::uint8_t*>(data);
    if (p && (SniffPng(p, size, h) || SniffJpeg(p, size, h) || SniffBmp(p, size, h)))
        return h;
    return PictureHeader{};
}

bool DecodeImage(const void* data, std::size_t size, Image& out, std::string* error)
{
    auto refuse = [&](const char* why) {
        if (error)
            *error = why;
        return false;
    };
    if (size > kMaxPictureBytes)
        return refuse("picture file too large");
    // The size comes from the header before any decoder sees the bytes, so a
    // small file claiming a huge picture never makes one allocate for it.
    const PictureHeader h = ReadPictureHeader(data, size);
    if (h.format == PictureFormat::Unknown)
        return refuse("not a PNG, JPEG or BMP picture");
    if (h.width <= 0 || h.height <= 0 || h.width > kMaxPictureSide || h.height > kMaxPictureSide)
        return refuse("picture size missing or out of range");
    if (h.format == PictureFormat::Png && !PngChunksFit(static_cast<const std::uint8_t*>(data), size))
        return refuse("PNG chunk longer than the file");
    SDL_RWops* rw = OpenBytes(data, size, error);
    if (!rw)
        return false;
    SDL_Surface* s = nullptr;
    switch (h.format) {
    case PictureFormat::Png: s = IMG_LoadPNG_RW(rw); break;
    case PictureFormat::Jpeg: s = IMG_LoadJPG_RW(rw); break;
    case PictureFormat::Bmp: s = IMG_LoadBMP_RW(rw); break;
    case PictureFormat::Unknown: break;
    }
    SDL_RWclose(rw);
    return FromSurface(s, out, error, int(h.width), int(h.height));
}

bool LoadImageFile(const std::string& path, Image& out, std::string* error)
{
    std::string bytes;
    if (!ReadFileUpTo(path, kMaxPictureBytes, bytes)) {
        if (error)
            *error = "picture file missing, unreadable or too large";
        return false;
    }
    return DecodeImage(bytes.data(), bytes.size(), out, error);
}

bool RasteriseSvg(const void* data, std::size_t size, int w, int h, Image& out, std::string* error)
{
    if (w <= 0 || h <= 0 || w > kMaxPictureSide || h > kMaxPictureSide || size > kMaxPictureBytes) {
        if (error)
            *error = "no size, or too large";
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

namespace {

void Premultiply(std::uint32_t p, float& a, float& r, float& g, float& b)
{
    a = float(p >> 24) / 255.0f;
    r = float((p >> 16) & 0xFF) * a;
    g = float((p >> 8) & 0xFF) * a;
    b = float(p & 0xFF) * a;
}

// Resamples one axis with a tent filter wide enough to cover every source
// pixel when shrinking; colours are weighted by alpha so that transparent
// pixels never bleed their colour into the edges.
struct Weights {
    std::vector<int> first, count;
    std::vector<float> w;
    int maxTaps = 0;
};

Weights MakeWeights(int src, int dst)
{
    Weights ws;
    float scale = float(src) / float(dst);
    float support = std::max(1.0f, scale);
    ws.maxTaps = int(std::ceil(support)) * 2 + 1;
    ws.first.resize(dst);
    ws.count.resize(dst);
    ws.w.assign(std::size_t(dst) * ws.maxTaps, 0.0f);
    for (int i = 0; i < dst; ++i) {
        float centre = (i + 0.5f) * scale - 0.5f;
        int lo = int(std::floor(centre - support)) + 1, hi = int(std::ceil(centre + support)) - 1;
        lo = std::max(lo, 0);
        hi = std::min(hi, src - 1);
        if (hi < lo)
            lo = hi = std::clamp(int(std::lround(centre)), 0, src - 1);
        hi = std::min(hi, lo + ws.maxTaps - 1);
        float sum = 0;
        for (int k = lo; k <= hi; ++k) {
            float w = std::max(0.0f, 1.0f - std::fabs((k - centre) / support));
            ws.w[std::size_t(i) * ws.maxTaps + (k - lo)] = w;
            sum += w;
        }
        if (sum <= 0) {
            ws.w[std::size_t(i) * ws.maxTaps] = 1.0f;
            hi = lo;
            sum = 1.0f;
        }
        for (int k = lo; k <= hi; ++k)
            ws.w[std::size_t(i) * ws.maxTaps + (k - lo)] /= sum;
        ws.first[i] = lo;
        ws.count[i] = hi - lo + 1;
    }
    return ws;
}

// Runs rows(first, end) over [0, count) in a few bands at once when there
// is enough work: every row is worked out alone, so the result is the same.
// A band that fails (out of memory) fails the whole, in the caller, once
// every band has ended.
template <class Rows>
void InBands(int count, std::size_t work, const Rows& rows)
{
    const unsigned cores = std::thread::hardware_concurrency();
    const int bands = work < (std::size_t(1) << 18) ? 1 : int(std::clamp(cores, 1u, 4u));
    if (bands <= 1 || count < bands) {
        rows(0, count);
        return;
    }
    std::atomic<bool> failed{false};
    const auto band = [&rows, &failed](int first, int end) {
        try {
            rows(first, end);
        } catch (...) {
            failed = true;
        }
    };
    std::vector<std::thread> helpers;
    const int step = (count + bands - 1) / bands;
    for (int b = 1; b < bands; ++b) {
        const int first = b * step, end = std::min(count, first + step);
        if (first < end) {
            try {
                helpers.emplace_back(band, first, end);
            } catch (const std::exception&) {
                band(first, end); // no thread to be had: this one does it
            }
        }
    }
    band(0, std::min(count, step));
    for (std::thread& t : helpers)
        t.join();
    if (failed)
        throw std::bad_alloc();
}

Image Resample(const Image& src, int w, int h)
{
    struct P {
        float a, r, g, b;
    };
    // Every element is written before it is read: left uninitialised, not
    // cleared (full-screen pictures make these tens of megabytes).
    std::unique_ptr<P[]> pre(new P[src.pixels.size()]);
    for (std::size_t i = 0; i < src.pixels.size(); ++i)
        Premultiply(src.pixels[i], pre[i].a, pre[i].r, pre[i].g, pre[i].b);
    Weights wx = MakeWeights(src.width, w), wy = MakeWeights(src.height, h);
    std::unique_ptr<P[]> mid(new P[std::size_t(w) * src.height]);
    const std::size_t work = std::size_t(w) * std::size_t(std::max(h, src.height));
    InBands(src.height, work, [&](int first, int end) {
        for (int y = first; y < end; ++y)
            for (int x = 0; x < w; ++x) {
                P s{0, 0, 0, 0};
                for (int k = 0; k < wx.count[x]; ++k) {
                    float f = wx.w[std::size_t(x) * wx.maxTaps + k];
                    const P& p = pre[std::size_t(y) * src.width + wx.first[x] + k];
                    s.a += p.a * f;
                    s.r += p.r * f;
                    s.g += p.g * f;
                    s.b += p.b * f;
                }
                mid[std::size_t(y) * w + x] = s;
            }
    });
    Image out(w, h);
    // A row at a time, the source rows added in the same order as a pixel
    // at a time would (so the same sums), but running along memory.
    InBands(h, work, [&](int first, int end) {
        std::vector<P> row(static_cast<std::size_t>(w));
        for (int y = first; y < end; ++y) {
            std::fill(row.begin(), row.end(), P{0, 0, 0, 0});
            for (int k = 0; k < wy.count[y]; ++k) {
                const float f = wy.w[std::size_t(y) * wy.maxTaps + k];
                const P* in = &mid[std::size_t(wy.first[y] + k) * w];
                for (int x = 0; x < w; ++x) {
                    row[x].a += in[x].a * f;
                    row[x].r += in[x].r * f;
                    row[x].g += in[x].g * f;
                    row[x].b += in[x].b * f;
                }
            }
            for (int x = 0; x < w; ++x) {
                const P& s = row[x];
                if (s.a <= 1e-4f) {
                    out.At(x, y) = 0;
                    continue;
                }
                auto c = [&](float v) { return std::uint32_t(std::clamp(v / s.a + 0.5f, 0.0f, 255.0f)); };
                std::uint32_t a = std::uint32_t(std::clamp(s.a * 255.0f + 0.5f, 0.0f, 255.0f));
                out.At(x, y) = a << 24 | c(s.r) << 16 | c(s.g) << 8 | c(s.b);
            }
        }
    });
    return out;
}

} // namespace

Image Stretch(const Image& src, int w, int h)
{
    if (src.width == w && src.height == h)
        return src;
    if (w <= 0 || h <= 0 || src.width <= 0 || src.height <= 0)
        return Image(std::max(w, 0), std::max(h, 0));
    return Resample(src, w, h);
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
