#include "platform/Device.h"

#include "platform/DeviceInternal.h"
#include "platform/Files.h"

#include <SDL_ttf.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/stat.h>

namespace plat {
namespace {

constexpr float kPi = 3.14159265358979f;

std::uint8_t Channel(float v)
{
    if (v >= 1.0f)
        return 255;
    if (v <= 0.0f)
        return 0;
    return std::uint8_t(v * 255.0f);
}

std::uint8_t ChannelRounded(float v)
{
    if (v >= 1.0f)
        return 255;
    if (v <= 0.0f)
        return 0;
    return std::uint8_t(v * 255.0f + 0.5f);
}

// Values a hair away from a whole pixel are taken as that pixel, so that
// float noise in a transform never shifts a picture by one.
float Snap(float v)
{
    float r = std::round(v);
    return std::fabs(v - r) < 1e-3f ? r : v;
}


} // namespace

const char* StatusName(int status)
{
    switch (status) {
    case kOk: return "ok";
    case kNotAvailable: return "not available";
    case kOutOfVideoMemory: return "out of video memory";
    case kInvalidCall: return "invalid call";
    case kInvalidData: return "invalid data";
    case kOutOfMemory: return "out of memory";
    case kDeviceLost: return "device lost";
    case kDeviceNotReset: return "device not reset";
    case kModeNotFound: return "display mode not found";
    case kNotFound: return "not found";
    case kNoDisplayModes: return "no display modes";
    case kModeQueryFailed: return "display modes unreadable";
    case kModeSetFailed: return "display mode not set";
    default: return "failed";
    }
}

Argb PackArgb(float a, float r, float g, float b)
{
    return Argb(Channel(a)) << 24 | Argb(Channel(r)) << 16 | Argb(Channel(g)) << 8 | Channel(b);
}

Argb PackArgbRounded(float a, float r, float g, float b)
{
    return Argb(ChannelRounded(a)) << 24 | Argb(ChannelRounded(r)) << 16 | Argb(ChannelRounded(g)) << 8 |
           ChannelRounded(b);
}

// ---------------------------------------------------------------- Texture

namespace {
std::atomic<std::uint64_t> g_textureSerials{0};
}

Texture::Texture() : m_serial(++g_textureSerials) {}

Texture::~Texture()
{
    if (auto core = m_core.lock()) {
        core->baked.Forget(this);
        if (m_texture)
            SDL_DestroyTexture(static_cast<SDL_Texture*>(m_texture));
    }
}

SDL_Texture* CreatePictureTexture(RendererCore& core, const void* pixels, int width, int height, int pitch)
{
    SDL_Texture* t = SDL_CreateTexture(core.renderer, SDL_PIXELFORMAT_ARGB8888,
                                       core.software ? SDL_TEXTUREACCESS_STREAMING : SDL_TEXTUREACCESS_STATIC, width,
                                       height);
    if (!t)
        return nullptr;
    SDL_UpdateTexture(t, nullptr, pixels, pitch);
    SDL_SetTextureBlendMode(t, SDL_BLENDMODE_BLEND);
    return t;
}

// ---------------------------------------------------------------- baked copies

namespace {

// The copy's pixels: each channel times its modulation / 255, truncated,
// the same arithmetic as the software blitter's modulation.
SDL_Texture* Bake(SDL_Renderer* renderer, SDL_Texture* source, Argb colour, std::size_t* bytes)
{
    int w = 0, h = 0;
    Uint32 format = 0;
    int access = 0;
    if (SDL_QueryTexture(source, &format, &access, &w, &h) != 0 || format != SDL_PIXELFORMAT_ARGB8888 ||
        access != SDL_TEXTUREACCESS_STREAMING || w <= 0 || h <= 0)
        return nullptr;
    SDL_Texture* copy = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, w, h);
    if (!copy)
        return nullptr;
    void* src = nullptr;
    void* dst = nullptr;
    int srcPitch = 0, dstPitch = 0;
    if (SDL_LockTexture(source, nullptr, &src, &srcPitch) != 0) {
        SDL_DestroyTexture(copy);
        return nullptr;
    }
    if (SDL_LockTexture(copy, nullptr, &dst, &dstPitch) != 0) {
        SDL_UnlockTexture(source);
        SDL_DestroyTexture(copy);
        return nullptr;
    }
    // One table per channel: value * modulation / 255, already in place.
    std::uint32_t table[4][256];
    for (int c = 0; c < 4; ++c) {
        const std::uint32_t mod = (colour >> (8 * c)) & 0xFF;
        for (std::uint32_t v = 0; v < 256; ++v)
            table[c][v] = (v * mod / 255) << (8 * c);
    }
    for (int y = 0; y < h; ++y) {
        const auto* in = reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(src) + y * srcPitch);
        auto* out = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(dst) + y * dstPitch);
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p = in[x];
            // Transparent pixels keep their tinted colour: a filtered
            // magnification blends it in like the modulated draw does.
            out[x] = table[3][p >> 24] | table[2][(p >> 16) & 0xFF] | table[1][(p >> 8) & 0xFF] | table[0][p & 0xFF];
        }
    }
    SDL_UnlockTexture(copy);
    SDL_UnlockTexture(source);
    SDL_BlendMode mode = SDL_BLENDMODE_BLEND;
    SDL_GetTextureBlendMode(source, &mode);
    SDL_SetTextureBlendMode(copy, mode);
    *bytes = std::size_t(w) * std::size_t(h) * 4;
    return copy;
}

} // namespace

SDL_Texture* BakedCopies::Find(SDL_Renderer* renderer, const Texture* texture, SDL_Texture* source, Argb colour)
{
    const Key key{texture, colour};
    if (auto it = m_index.find(key); it != m_index.end()) {
        m_order.splice(m_order.begin(), m_order, it->second);
        it->second->lastFrame = m_frame;
        return it->second->copy;
    }
    m_askedNow.insert(key);
    if (!m_askedBefore.count(key))
        return nullptr;
    std::size_t bytes = 0;
    SDL_Texture* copy = Bake(renderer, source, colour, &bytes);
    if (!copy)
        return nullptr;
    m_order.push_front(Entry{key, copy, bytes, m_frame});
    m_index[key] = m_order.begin();
    m_bytes += bytes;
    // Never the copy just made: it is about to be drawn.
    while ((m_order.size() > kMaxCount || m_bytes > kMaxBytes) && m_order.size() > 1)
        Drop(std::prev(m_order.end()));
    return copy;
}

void BakedCopies::EndFrame()
{
    m_askedBefore.swap(m_askedNow);
    m_askedNow.clear();
    // The list runs from the most to the least recently drawn.
    while (m_bytes > kKeepBytes && !m_order.empty() && m_order.back().lastFrame + 1 < m_frame)
        Drop(std::prev(m_order.end()));
    ++m_frame;
}

void BakedCopies::Drop(std::list<Entry>::iterator it)
{
    SDL_DestroyTexture(it->copy);
    m_bytes -= it->bytes;
    m_index.erase(it->key);
    m_order.erase(it);
}

void BakedCopies::Forget(const Texture* texture)
{
    for (auto it = m_order.begin(); it != m_order.end();) {
        auto next = std::next(it);
        if (it->key.texture == texture)
            Drop(it);
        it = next;
    }
    // A new texture may come to live at the same address.
    for (auto* set : {&m_askedNow, &m_askedBefore})
        for (auto it = set->begin(); it != set->end();)
            it = it->texture == texture ? set->erase(it) : std::next(it);
}

void BakedCopies::Clear()
{
    while (!m_order.empty())
        Drop(m_order.begin());
    m_askedNow.clear();
    m_askedBefore.clear();
}

// ---------------------------------------------------------------- drawers

DeviceLink::DeviceLink(Device* device) : m_device(device), m_core(device ? device->CoreShared() : nullptr) {}

int SpriteDrawer::Draw(const Texture* texture, const Rect* source, const Vec3& pos, Argb colour)
{
    Device* device = m_device.Get();
    if (!texture || !texture->m_texture || !device)
        return kInvalidCall;
    const int tw = texture->Width(), th = texture->Height();
    Rect src = source ? *source : Rect{0, 0, tw, th};
    if (src.Width() <= 0 || src.Height() <= 0 || tw <= 0 || th <= 0)
        return kOk;

    const Matrix& m = m_transform;
    const float a = m.m[0][0], b = m.m[0][1], c = m.m[1][0], d = m.m[1][1];
    // Most sprites are only moved and scaled: the turn's trigonometry is
    // for the few that are turned (the same numbers either way).
    const bool turned = b != 0 || c != 0 || a < 0;
    float sx = a, sy = std::fabs(d), angle = 0.0f, cosA = 1.0f, sinA = 0.0f;
    if (turned) {
        sx = std::hypot(a, b);
        sy = std::hypot(c, d);
        angle = std::atan2(b, a);
        cosA = std::cos(angle);
        sinA = std::sin(angle);
    }
    double degrees = angle * 180.0 / kPi;
    if (std::fabs(degrees) < 1e-4)
        degrees = 0;

    // Splits one axis of the source into the part before the texture (its
    // first pixel repeated), the part inside, and the part after (its last
    // pixel repeated).
    struct Seg {
        int offset, length, srcStart, srcLength;
    };
    auto split = [](int start, int length, int size, Seg* out) {
        int n = 0, end = start + length;
        if (start < 0) {
            int e = std::min(end, 0);
            out[n++] = {0, e - start, 0, 1};
        }
        int is = std::max(start, 0), ie = std::min(end, size);
        if (ie > is)
            out[n++] = {is - start, ie - is, is, ie - is};
        if (end > size) {
            int s = std::max(start, size);
            out[n++] = {s - start, end - s, size - 1, 1};
        }
        return n;
    };
    Seg xs[3], ys[3];
    int nx = split(src.left, src.Width(), tw, xs), ny = split(src.top, src.Height(), th, ys);

    auto keep = texture->shared_from_this();
    for (int j = 0; j < ny; ++j)
        for (int i = 0; i < nx; ++i) {
            DrawCommand cmd;
            cmd.kind = DrawCommand::Kind::Texture;
            cmd.depth = pos.z;
            cmd.keep = j + 1 == ny && i + 1 == nx ? std::move(keep) : keep; // most sprites are one piece
            cmd.texture = static_cast<SDL_Texture*>(texture->m_texture);
            cmd.textureSerial = texture->m_serial;
            cmd.opaque = texture->m_opaque;
            cmd.colour = colour;
            cmd.src = {xs[i].srcStart, ys[j].srcStart, xs[i].srcLength, ys[j].srcLength};
            // Where the piece's top-left lands on screen.
            float lx = pos.x + xs[i].offset, ly = pos.y + ys[j].offset;
            float qx = lx * a + ly * c + m.m[3][0], qy = lx * b + ly * d + m.m[3][1];
            float w = xs[i].length * sx, h = ys[j].length * sy;
            float cx = w / 2, cy = h / 2;
            float centreX = qx + cx * cosA - cy * sinA, centreY = qy + cx * sinA + cy * cosA;
            cmd.dst = {Snap(centreX - cx), Snap(centreY - cy), Snap(w), Snap(h)};
            if (std::fabs(std::fabs(degrees) - 180.0) < 1e-4) {
                cmd.angle = 0;
                cmd.flip = SDL_RendererFlip(SDL_FLIP_HORIZONTAL | SDL_FLIP_VERTICAL);
            } else {
                cmd.angle = degrees;
            }
            cmd.centre = {cx, cy};
            // Like the device's sampler: magnified pictures are filtered;
            // the repeated edges stay exact copies of their pixel.
            cmd.smooth = device->Scene().linearMagFilter && xs[i].srcLength > 1 && ys[j].srcLength > 1 &&
                         (sx > 1.0f || sy > 1.0f);
            device->Submit(std::move(cmd));
        }
    return kOk;
}

namespace {

// A segment of width 1 or less as runs of pixels: one pixel in every column
// a shallow segment crosses (every row for a steep one), the pixel whose
// centre is nearest the line. The renderers' triangle filling leaves so thin
// a quad with no pixel centre inside on most slopes, and a thinner level line
// between two rows' centres would cover neither. The pixel centres at
// [min, max) along the segment are the ones it crosses, so a polyline's
// joints are drawn once and the pixels do not depend on which end comes
// first. A level or upright segment of width 1 inks one rectangle, the row
// or column its edges enclose.
void SubmitThinSegment(Device* dev, const DrawCommand& cmd, float x0, float y0, float x1, float y1)
{
    if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(x1) || !std::isfinite(y1))
        return;
    const bool steep = std::fabs(y1 - y0) > std::fabs(x1 - x0);
    // u runs along the segment, v across it.
    float u0 = steep ? y0 : x0, v0 = steep ? x0 : y0, u1 = steep ? y1 : x1, v1 = steep ? x1 : y1;
    if (u1 < u0) {
        std::swap(u0, u1);
        std::swap(v0, v1);
    }
    const int uSize = steep ? dev->BackBufferHeight() : dev->BackBufferWidth();
    const int vSize = steep ? dev->BackBufferWidth() : dev->BackBufferHeight();
    // Only what can land on the back buffer is walked: a line projected from
    // far off must not cost a step per pixel of its length.
    const int first = int(std::clamp(std::ceil(u0), 0.0f, float(uSize)));
    const int end = int(std::clamp(std::ceil(u1), 0.0f, float(uSize)));
    const float slope = end > first ? (v1 - v0) / (u1 - u0) : 0.0f;
    auto emit = [&](int from, int to, int v) {
        if (v < 0 || v >= vSize)
            return;
        DrawCommand run = cmd;
        run.kind = DrawCommand::Kind::Rect;
        run.rect = steep ? SDL_Rect{v, from, 1, to - from} : SDL_Rect{from, v, to - from, 1};
        dev->Submit(std::move(run));
    };
    int runStart = first, runV = 0;
    for (int u = first; u < end; ++u) {
        const float v = std::clamp(v0 + (float(u) - u0) * slope, -1.0f, float(vSize));
        const int pv = int(std::ceil(v - 0.5f));
        if (u > first && pv != runV) {
            emit(runStart, u, runV);
            runStart = u;
        }
        runV = pv;
    }
    if (end > first)
        emit(runStart, end, runV);
}

// One segment as a quad in pixel-centre coordinates (a pixel's centre is at
// its integer coordinates): axis-aligned segments become exact rectangles of
// pixels, others two triangles; thin ones are runs of pixels.
void SubmitSegment(Device* dev, float x0, float y0, float z0, float x1, float y1, float z1, float width,
                   Argb colour)
{
    DrawCommand cmd;
    cmd.depth = (z0 + z1) / 2;
    cmd.colour = colour;
    if (!(width > 0.0f))
        return;
    if (width <= 1.0f) {
        SubmitThinSegment(dev, cmd, x0, y0, x1, y1);
        return;
    }
    float half = width / 2;
    if (y0 == y1 || x0 == x1) {
        float left, right, top, bottom;
        if (y0 == y1) {
            left = std::min(x0, x1);
            right = std::max(x0, x1);
            top = y0 - half;
            bottom = y0 + half;
        } else {
            top = std::min(y0, y1);
            bottom = std::max(y0, y1);
            left = x0 - half;
            right = x0 + half;
        }
        int l = int(std::ceil(left)), r = int(std::ceil(right)), t = int(std::ceil(top)), b = int(std::ceil(bottom));
        if (r <= l || b <= t)
            return;
        cmd.kind = DrawCommand::Kind::Rect;
        cmd.rect = {l, t, r - l, b - t};
        dev->Submit(std::move(cmd));
        return;
    }
    float dx = x1 - x0, dy = y1 - y0, len = std::hypot(dx, dy);
    float nx = -dy / len * half, ny = dx / len * half;
    SDL_Color col{std::uint8_t(colour >> 16), std::uint8_t(colour >> 8), std::uint8_t(colour), std::uint8_t(colour >> 24)};
    auto v = [&](float x, float y) { return SDL_Vertex{{x + 0.5f, y + 0.5f}, col, {0, 0}}; };
    cmd.kind = DrawCommand::Kind::Geometry;
    SDL_Vertex p0 = v(x0 + nx, y0 + ny), p1 = v(x1 + nx, y1 + ny), p2 = v(x1 - nx, y1 - ny), p3 = v(x0 - nx, y0 - ny);
    const SDL_Vertex quad[6] = {p0, p1, p2, p0, p2, p3};
    dev->SubmitTriangles(std::move(cmd), quad, 6);
}

} // namespace

int LineDrawer::Draw(const Vec2* points, int count, Argb colour)
{
    Device* device = m_device.Get();
    if (!device || !points || count < 2)
        return count < 2 ? kOk : kInvalidCall;
    for (int i = 0; i + 1 < count; ++i)
        SubmitSegment(device, points[i].x, points[i].y, 0, points[i + 1].x, points[i + 1].y, 0, m_width, colour);
    return kOk;
}

int LineDrawer::DrawTransform(const Vec3* points, int count, const Matrix& transform, Argb colour)
{
    Device* device = m_device.Get();
    if (!device || !points || count < 2)
        return count < 2 ? kOk : kInvalidCall;
    const Viewport& vp = device->GetViewport();
    std::vector<Vec3> s(count);
    for (int i = 0; i < count; ++i) {
        Vec3 c = Vec3TransformCoord(points[i], transform);
        s[i] = {vp.x + (1.0f + c.x) * vp.width / 2.0f, vp.y + (1.0f - c.y) * vp.height / 2.0f,
                vp.minZ + c.z * (vp.maxZ - vp.minZ)};
        s[i].x = Snap(s[i].x);
        s[i].y = Snap(s[i].y);
    }
    for (int i = 0; i + 1 < count; ++i)
        SubmitSegment(device, s[i].x, s[i].y, s[i].z, s[i + 1].x, s[i + 1].y, s[i + 1].z, m_width, colour);
    return kOk;
}

// ---------------------------------------------------------------- device

namespace {

// Uncovered, resized, restored or shown again: what the window shows may no
// longer be the last frame presented.
int WatchWindow(void* userdata, SDL_Event* e)
{
    auto* core = static_cast<RendererCore*>(userdata);
    if (e->type != SDL_WINDOWEVENT || !core->window || e->window.windowID != SDL_GetWindowID(core->window))
        return 0;
    switch (e->window.event) {
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_MAXIMIZED:
    case SDL_WINDOWEVENT_RESIZED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        core->windowChanged = true;
        break;
    default:
        break;
    }
    return 0;
}

} // namespace

Device::~Device()
{
    DropScene();
    if (m_core && m_core->window)
        SDL_DelEventWatch(WatchWindow, m_core.get());
    if (m_core) {
        m_core->lines.Clear();
        m_core->baked.Clear();
        if (m_core->backBuffer)
            SDL_DestroyTexture(m_core->backBuffer);
        if (m_core->renderer)
            SDL_DestroyRenderer(m_core->renderer);
        if (m_core->surface)
            SDL_FreeSurface(m_core->surface);
        m_core.reset(); // textures still held by their owners see the renderer gone
    }
    if (m_ownsWindow && m_window)
        SDL_DestroyWindow(m_window);
}

namespace {

bool ContainsNoCase(const char* text, const char* word)
{
    std::string t(text), w(word);
    for (char& c : t)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    for (char& c : w)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return t.find(w) != std::string::npos;
}

// What GL says it renders with, asked while the renderer's context is current
// (SDL leaves it so after making an OpenGL renderer); empty when it cannot be
// asked.
std::string CurrentGlRenderer()
{
    if (!SDL_GL_GetCurrentContext())
        return {};
    using GetStringFn = const unsigned char* (*)(unsigned int);
    constexpr unsigned int kGlRenderer = 0x1F01;
    auto getString = reinterpret_cast<GetStringFn>(SDL_GL_GetProcAddress("glGetString"));
    if (!getString)
        return {};
    const unsigned char* text = getString(kGlRenderer);
    return text ? reinterpret_cast<const char*>(text) : std::string();
}

// Makes the renderer for a window: the accelerated one first, the software
// one when there is none or when the accelerated one is OpenGL rasterising
// in software. A renderer other than the one asked for is named in one
// line on stderr, with the reason; the usual case says nothing.
// Whether the machine has a graphics device an OpenGL driver could run on:
// a DRM node (Mesa's and most drivers') or NVIDIA's own device files.
bool HasGpuDevice()
{
    for (const char* path : {"/dev/dri/renderD128", "/dev/dri/card0", "/dev/dri/card1", "/dev/nvidia0"}) {
        struct stat info {};
        if (stat(path, &info) == 0 && S_ISCHR(info.st_mode))
            return true;
    }
    return false;
}

SDL_Renderer* CreateWindowRenderer(SDL_Window* window)
{
    constexpr Uint32 kTarget = SDL_RENDERER_TARGETTEXTURE;
    const char* named = SDL_GetHint(SDL_HINT_RENDER_DRIVER); // the environment variable too
    bool explicitChoice = named && named[0];
    // Asking GL what it renders with loads the GL library, which then stays
    // mapped for the life of the process even when it is given up. Where GL
    // can only be a software rasteriser, the question is not asked at all.
    if (PreferSoftwareWithoutAsking(explicitChoice, HasGpuDevice(), SDL_getenv("LIBGL_ALWAYS_SOFTWARE"))) {
        SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE | kTarget);
        if (renderer) {
            std::fprintf(stderr,
                "karvelin: drawing with the software renderer: OpenGL here has no graphics device and would "
                "rasterise in software (name a driver in SDL_RENDER_DRIVER to use it)\n");
            return renderer;
        }
    }
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | kTarget);
    if (!renderer) {
        renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE | kTarget);
        if (renderer)
            std::fprintf(stderr, "karvelin: drawing with the software renderer: no accelerated renderer%s%s\n",
                explicitChoice ? " for the named driver " : "", explicitChoice ? named : "");
        return renderer;
    }
    SDL_RendererInfo info{};
    const char* name = SDL_GetRendererInfo(renderer, &info) == 0 && info.name ? info.name : "";
    std::string gl = std::strncmp(name, "opengl", 6) == 0 ? CurrentGlRenderer() : std::string();
    if (PreferSoftwareRenderer(name, gl.c_str(), explicitChoice)) {
        SDL_DestroyRenderer(renderer);
        renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE | kTarget);
        if (renderer) {
            std::fprintf(stderr,
                "karvelin: drawing with the software renderer: %s runs on \"%s\", a software rasteriser "
                "(name a driver in SDL_RENDER_DRIVER to keep it)\n",
                name, gl.c_str());
            return renderer;
        }
        // Not expected: the software renderer needs nothing the GL one did not.
        // Take the GL one back rather than fail the device.
        renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | kTarget);
        std::fprintf(stderr, "karvelin: drawing with %s on \"%s\": the software renderer could not be made\n",
            name, gl.c_str());
        return renderer;
    }
    return renderer;
}

} // namespace

bool PreferSoftwareWithoutAsking(bool explicitChoice, bool gpuDevice, const char* alwaysSoftware)
{
    if (explicitChoice)
        return false;
    if (alwaysSoftware && alwaysSoftware[0] && std::strcmp(alwaysSoftware, "0") != 0)
        return true;
    return !gpuDevice;
}

bool PreferSoftwareRenderer(const char* rendererName, const char* glRenderer, bool explicitChoice)
{
    if (explicitChoice || !rendererName || !glRenderer)
        return false;
    // SDL's OpenGL family: "opengl", "opengles2", "opengles".
    if (std::strncmp(rendererName, "opengl", 6) != 0)
        return false;
    for (const char* word : {"llvmpipe", "softpipe", "software rasterizer", "swrast"})
        if (ContainsNoCase(glRenderer, word))
            return true;
    return false;
}

std::unique_ptr<Device> Device::Create(SDL_Window* window, bool ownsWindow, int width, int height, int* status)
{
    int dummy = kOk;
    int& st = status ? *status : dummy;
    if (width <= 0 || height <= 0) {
        st = kInvalidCall;
        return nullptr;
    }
    if (!TTF_WasInit() && TTF_Init() != 0) {
        st = kNotAvailable;
        return nullptr;
    }
    std::unique_ptr<Device> dev(new Device);
    dev->m_window = window;
    dev->m_ownsWindow = ownsWindow;
    dev->m_core = std::make_shared<RendererCore>();
    SDL_SetHint(SDL_HINT_RENDER_VSYNC, "0");
    // The software renderer's window pixels go to the display directly; left
    // to itself SDL would stream them through an OpenGL texture every frame,
    // which on a machine without a GPU driver costs several times the frame
    // and loads a software OpenGL. A player's own setting still wins.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (window) {
        dev->m_core->renderer = CreateWindowRenderer(window);
    } else {
        dev->m_core->surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
        if (dev->m_core->surface)
            dev->m_core->renderer = SDL_CreateSoftwareRenderer(dev->m_core->surface);
    }
    if (!dev->m_core->renderer) {
        st = kNotAvailable;
        return nullptr;
    }
    SDL_RendererInfo info{};
    dev->m_core->software =
        SDL_GetRendererInfo(dev->m_core->renderer, &info) == 0 && (info.flags & SDL_RENDERER_SOFTWARE) != 0;
    dev->m_width = width;
    dev->m_height = height;
    dev->m_viewport = {0, 0, width, height, 0.0f, 1.0f};
    if (!dev->MakeBackBuffer()) {
        st = kOutOfVideoMemory;
        return nullptr;
    }
    if (window) {
        dev->m_core->window = window;
        SDL_AddEventWatch(WatchWindow, dev->m_core.get());
    }
    st = kOk;
    return dev;
}

std::unique_ptr<Device> Device::CreateWindowed(SDL_Window* window, int* status)
{
    if (!window) {
        if (status)
            *status = kInvalidCall;
        return nullptr;
    }
    int w = 0, h = 0;
    SDL_GetWindowSize(window, &w, &h);
    return Create(window, false, w, h, status);
}

std::unique_ptr<Device> Device::CreateFullScreen(SDL_Window* window, int width, int height, int* status)
{
    int dummy = kOk;
    int& st = status ? *status : dummy;
    if (!window) {
        st = kInvalidCall;
        return nullptr;
    }
    int display = std::max(0, SDL_GetWindowDisplayIndex(window));
    int modes = SDL_GetNumDisplayModes(display);
    if (modes <= 0) {
        st = kNoDisplayModes;
        return nullptr;
    }
    SDL_DisplayMode chosen{};
    bool found = false;
    for (int i = 0; i < modes && !found; ++i) {
        SDL_DisplayMode mode;
        if (SDL_GetDisplayMode(display, i, &mode) != 0) {
            st = kModeQueryFailed;
            return nullptr;
        }
        if (mode.w == width && mode.h == height && SDL_BITSPERPIXEL(mode.format) >= 24) {
            chosen = mode;
            found = true;
        }
    }
    if (!found) {
        st = kModeNotFound;
        return nullptr;
    }
    if (SDL_SetWindowDisplayMode(window, &chosen) != 0 || SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN) != 0) {
        st = kModeSetFailed;
        return nullptr;
    }
    auto dev = Create(window, false, width, height, status);
    if (dev)
        dev->m_fullScreen = true;
    return dev;
}

std::unique_ptr<Device> Device::CreateHeadless(int width, int height, int* status)
{
    return Create(nullptr, false, width, height, status);
}

bool Device::OutputIsBackBufferSize()
{
    SDL_Renderer* r = m_core->renderer;
    SDL_SetRenderTarget(r, nullptr);
    int w = 0, h = 0;
    return SDL_GetRendererOutputSize(r, &w, &h) == 0 && w == m_width && h == m_height;
}

// The software renderer draws straight into the window's pixels (or the
// headless surface) while they have the back buffer's size, so a frame is
// shown without a full-screen copy. Otherwise a target texture is the back
// buffer, stretched over the window at present.
bool Device::MakeBackBuffer()
{
    SDL_Renderer* r = m_core->renderer;
    if (m_core->backBuffer) {
        SDL_SetRenderTarget(r, nullptr);
        SDL_DestroyTexture(m_core->backBuffer);
        m_core->backBuffer = nullptr;
    }
    if (!m_core->software || m_stretched || !OutputIsBackBufferSize()) {
        m_core->backBuffer =
            SDL_CreateTexture(r, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, m_width, m_height);
        if (!m_core->backBuffer)
            return false;
        SDL_SetTextureBlendMode(m_core->backBuffer, SDL_BLENDMODE_NONE);
    }
    SDL_SetRenderTarget(r, m_core->backBuffer);
    SDL_RenderSetClipRect(r, nullptr);
    SDL_SetRenderDrawBlendMode(r, SDL_BLENDMODE_NONE);
    SDL_SetRenderDrawColor(r, 0, 0, 0, 255);
    SDL_RenderClear(r);
    m_backBufferSignature = 0;
    m_presentedSignature = 0;
    return true;
}

void Device::SkipUnchangedFrames(bool on)
{
    FlushClear();
    m_skipUnchanged = on;
    m_backBufferSignature = 0;
    m_presentedSignature = 0;
}

int Device::Clear(Argb colour)
{
    DropScene(); // what the scene drew so far is cleared away with it
    m_clearColour = colour;
    // Skipping frames, the clear waits for the end of the scene: a frame
    // that turns out the same as the one shown is never cleared.
    if (m_skipUnchanged) {
        m_clearPending = true;
        return kOk;
    }
    return ClearNow();
}

void Device::FlushClear()
{
    if (m_clearPending) {
        m_clearPending = false;
        ClearNow();
    }
}

int Device::ClearNow()
{
    const Argb colour = m_clearColour;
    m_backBufferSignature = 0;
    SDL_Renderer* r = m_core->renderer;
    // Drawing straight into a window that no longer has the back buffer's
    // size: from now on the back buffer is a texture, stretched at present.
    if (!m_core->backBuffer && !OutputIsBackBufferSize()) {
        m_stretched = true;
        if (!MakeBackBuffer())
            return kOutOfVideoMemory;
    }
    SDL_SetRenderTarget(r, m_core->backBuffer);
    SDL_RenderSetClipRect(r, nullptr);
    SDL_SetRenderDrawBlendMode(r, SDL_BLENDMODE_NONE);
    SDL_SetRenderDrawColor(r, std::uint8_t(colour >> 16), std::uint8_t(colour >> 8), std::uint8_t(colour),
                           std::uint8_t(colour >> 24));
    return SDL_RenderClear(r) == 0 ? kOk : kFailed;
}

int Device::BeginScene()
{
    if (m_inScene)
        return kInvalidCall;
    m_inScene = true;
    DropScene();
    m_triangles3D = 0;
    // Across devices: kept mesh work told apart by scene must not take one
    // device's scene for another's.
    static std::atomic<std::uint64_t> scenes{0};
    m_sceneSerial = ++scenes;
    return kOk;
}

namespace {

// FNV-1a over the values that decide what a draw puts on the screen.
class Signature {
public:
    template <class T>
    void Add(const T& value)
    {
        const auto* p = reinterpret_cast<const unsigned char*>(&value);
        for (std::size_t i = 0; i < sizeof value; ++i)
            m_hash = (m_hash ^ p[i]) * 0x100000001B3ull;
    }
    void AddRect(const SDL_Rect& r) { Add(r.x), Add(r.y), Add(r.w), Add(r.h); }
    void AddVertex(const SDL_Vertex& v)
    {
        Add(v.position.x), Add(v.position.y), Add(v.tex_coord.x), Add(v.tex_coord.y);
        Add(v.color.r), Add(v.color.g), Add(v.color.b), Add(v.color.a);
    }
    std::uint64_t Value() const { return m_hash ? m_hash : 1; } // 0 means "not known"

private:
    std::uint64_t m_hash = 0xCBF29CE484222325ull;
};

// Far first; equal depths in the order they were drawn. Depth in the high
// half, flipped so that far sorts first, the queue place in the low half.
std::uint64_t OrderKey(float depth, std::uint32_t place)
{
    if (depth == 0.0f)
        depth = 0.0f; // -0 equals 0: it must not sort apart from it
    std::uint32_t bits = 0;
    std::memcpy(&bits, &depth, sizeof bits);
    const std::uint32_t ascending = (bits & 0x80000000u) ? ~bits : bits | 0x80000000u;
    return std::uint64_t(~ascending) << 32 | place;
}

// Sorts keys made by OrderKey that are already in place order: a stable
// radix sort on the depth half alone, a byte at a time. A scene holds
// thousands of triangles; this takes four passes without a branch to
// mispredict.
void SortByDepth(std::vector<std::uint64_t>& keys, std::vector<std::uint64_t>& spare)
{
    spare.resize(keys.size());
    // The four bytes' counts in one reading of the keys.
    std::size_t counts[4][257] = {};
    for (std::uint64_t k : keys) {
        ++counts[0][((k >> 32) & 0xFF) + 1];
        ++counts[1][((k >> 40) & 0xFF) + 1];
        ++counts[2][((k >> 48) & 0xFF) + 1];
        ++counts[3][((k >> 56) & 0xFF) + 1];
    }
    const std::uint64_t first = keys.empty() ? 0 : keys[0];
    for (int shift = 32; shift < 64; shift += 8) {
        std::size_t* count = counts[(shift - 32) / 8];
        if (count[(first >> shift & 0xFF) + 1] == keys.size())
            continue; // every key has this byte: the order stands
        for (int b = 0; b < 256; ++b)
            count[b + 1] += count[b];
        for (std::uint64_t k : keys)
            spare[count[(k >> shift) & 0xFF]++] = k;
        keys.swap(spare);
    }
}

} // namespace

std::uint64_t Device::SceneSignature() const
{
    Signature sig;
    sig.Add(m_clearColour);
    sig.Add(m_items.size());
    for (const SceneItem& item : m_items) {
        const DrawCommand& c = m_queue[item.command];
        sig.Add(c.kind);
        sig.Add(item.depth);
        sig.Add(c.textureSerial);
        sig.Add(c.colour);
        switch (c.kind) {
        case DrawCommand::Kind::Texture:
            sig.AddRect(c.src);
            sig.Add(c.dst.x), sig.Add(c.dst.y), sig.Add(c.dst.w), sig.Add(c.dst.h);
            sig.Add(c.angle), sig.Add(c.centre.x), sig.Add(c.centre.y), sig.Add(c.flip), sig.Add(c.smooth);
            sig.Add(c.clip);
            if (c.clip)
                sig.AddRect(c.clipRect);
            break;
        case DrawCommand::Kind::Rect:
            sig.AddRect(c.rect);
            break;
        case DrawCommand::Kind::Geometry: {
            const bool whole = item.triangle == kWholeCommand;
            const std::uint32_t first = whole ? c.first : item.triangle, count = whole ? c.count : 3;
            sig.Add(count);
            for (std::uint32_t i = 0; i < count; ++i)
                sig.AddVertex(m_vertices[first + i]);
            break;
        }
        }
    }
    return sig.Value();
}

int Device::EndScene()
{
    if (!m_inScene)
        return kInvalidCall;
    m_inScene = false;
    // A frame that starts from a clear and draws what the back buffer already
    // holds is left out; so is its present.
    const bool cleared = m_clearPending;
    const std::uint64_t signature = m_skipUnchanged && cleared ? SceneSignature() : 0;
    if (signature != 0 && signature == m_backBufferSignature && !m_capture && !m_core->windowChanged) {
        m_clearPending = false;
        DropScene();
        return kOk;
    }
    FlushClear();
    ExecuteQueue();
    m_backBufferSignature = signature;
    DropScene();
    m_core->baked.EndFrame();
    return kOk;
}

int Device::EndSceneUnseen()
{
    if (!m_inScene)
        return kInvalidCall;
    m_inScene = false;
    DropScene();
    return kOk;
}

void Device::DropScene()
{
    m_queue.clear();
    m_items.clear();
    m_vertices.clear();
}

void Device::ExecuteQueue()
{
    m_order.resize(m_items.size());
    for (std::size_t i = 0; i < m_items.size(); ++i)
        m_order[i] = OrderKey(m_items[i].depth, std::uint32_t(i));
    SortByDepth(m_order, m_orderSpare);
    if (m_capture) {
        m_capture->clearColour = m_clearColour;
        m_capture->draws.clear();
        m_capture->vertices.clear();
    }
    for (std::size_t k = 0; k < m_order.size();) {
        const SceneItem& item = m_items[std::uint32_t(m_order[k])];
        DrawCommand& c = m_queue[item.command];
        if (c.kind != DrawCommand::Kind::Geometry) {
            Execute(c, nullptr);
            if (m_capture) // the queue is dropped next: its own item alone names it
                m_capture->draws.push_back(std::move(c));
            ++k;
            continue;
        }
        // Triangles of one texture that follow each other in the sorted
        // order go to the renderer together, still in that order. No batch
        // holds more than the scene's vertices: the buffer, grown to that
        // once, takes them without a check per triangle.
        if (m_batch.size() < m_vertices.size())
            m_batch.resize(m_vertices.size());
        SDL_Vertex* out = m_batch.data();
        std::size_t end = k;
        for (; end < m_order.size(); ++end) {
            const SceneItem& t = m_items[std::uint32_t(m_order[end])];
            const DrawCommand& tc = m_queue[t.command];
            if (tc.kind != DrawCommand::Kind::Geometry || tc.texture != c.texture)
                break;
            if (t.triangle != kWholeCommand) {
                const SDL_Vertex* v = m_vertices.data() + t.triangle;
                out[0] = v[0], out[1] = v[1], out[2] = v[2];
                out += 3;
            } else
                out = std::copy_n(m_vertices.data() + tc.first, tc.count, out);
        }
        const auto total = std::uint32_t(out - m_batch.data());
        DrawCommand batch;
        batch.kind = DrawCommand::Kind::Geometry;
        batch.depth = item.depth;
        batch.texture = c.texture;
        batch.textureSerial = c.textureSerial;
        batch.count = total;
        Execute(batch, m_batch.data());
        if (m_capture) {
            batch.first = std::uint32_t(m_capture->vertices.size());
            m_capture->vertices.insert(m_capture->vertices.end(), m_batch.data(), out);
            m_capture->draws.push_back(batch);
        }
        k = end;
    }
    m_capture = nullptr;
}

void Device::Submit(DrawCommand&& command)
{
    if (m_inScene) {
        m_items.push_back({command.depth, std::uint32_t(m_queue.size()), kWholeCommand});
        m_queue.push_back(std::move(command));
    } else {
        FlushClear();
        m_backBufferSignature = 0;
        Execute(command, nullptr);
    }
}

void Device::SubmitTriangles(DrawCommand&& command, const SDL_Vertex* vertices, int count)
{
    command.kind = DrawCommand::Kind::Geometry;
    if (!m_inScene) {
        FlushClear();
        m_backBufferSignature = 0;
        command.count = std::uint32_t(count);
        Execute(command, vertices);
        return;
    }
    command.first = std::uint32_t(m_vertices.size());
    command.count = std::uint32_t(count);
    m_vertices.insert(m_vertices.end(), vertices, vertices + count);
    m_items.push_back({command.depth, std::uint32_t(m_queue.size()), kWholeCommand});
    m_queue.push_back(std::move(command));
}

void Device::Execute(const DrawCommand& c, const SDL_Vertex* vertices)
{
    SDL_Renderer* r = m_core->renderer;
    const std::uint8_t ca = std::uint8_t(c.colour >> 24), cr = std::uint8_t(c.colour >> 16),
                       cg = std::uint8_t(c.colour >> 8), cb = std::uint8_t(c.colour);
    switch (c.kind) {
    case DrawCommand::Kind::Texture: {
        if (c.clip)
            SDL_RenderSetClipRect(r, &c.clipRect);
        SDL_Texture* t = c.texture;
        SDL_Texture* copy = nullptr;
        if (m_core->software && c.colour != 0xFFFFFFFFu && c.keep)
            copy = m_core->baked.Find(r, c.keep.get(), t, c.colour);
        if (copy) {
            t = copy;
            SDL_SetTextureColorMod(t, 255, 255, 255);
            SDL_SetTextureAlphaMod(t, 255);
        } else {
            SDL_SetTextureColorMod(t, cr, cg, cb);
            SDL_SetTextureAlphaMod(t, ca);
        }
        SDL_SetTextureScaleMode(t, c.smooth ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
        // An opaque picture at full opacity covers what is below it: copied,
        // not blended, the same pixels at half the cost. Turned or flipped
        // it is blended, as the turned copy has transparent corners.
        const bool plain = c.angle == 0 && c.flip == SDL_FLIP_NONE;
        SDL_SetTextureBlendMode(t, c.opaque && ca == 255 && plain ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
        if (plain)
            SDL_RenderCopyF(r, t, &c.src, &c.dst);
        else
            SDL_RenderCopyExF(r, t, &c.src, &c.dst, c.angle, &c.centre, c.flip);
        if (c.clip)
            SDL_RenderSetClipRect(r, nullptr);
        break;
    }
    case DrawCommand::Kind::Rect:
        SDL_SetRenderDrawBlendMode(r, SDL_BLENDMODE_BLEND);
        SDL_SetRenderDrawColor(r, cr, cg, cb, ca);
        SDL_RenderFillRect(r, &c.rect);
        break;
    case DrawCommand::Kind::Geometry:
        SDL_SetRenderDrawBlendMode(r, SDL_BLENDMODE_BLEND);
        if (c.texture) {
            SDL_SetTextureColorMod(c.texture, 255, 255, 255);
            SDL_SetTextureAlphaMod(c.texture, 255);
            SDL_SetTextureBlendMode(c.texture, SDL_BLENDMODE_BLEND); // the vertices may fade it
        }
        if (vertices && c.count > 0)
            SDL_RenderGeometry(r, c.texture, vertices, int(c.count), nullptr, 0);
        break;
    }
}

void Device::CheckLossEvents()
{
    if (SDL_WasInit(SDL_INIT_EVENTS)) {
        SDL_Event ev[8];
        int n;
        while ((n = SDL_PeepEvents(ev, 8, SDL_GETEVENT, SDL_RENDER_DEVICE_RESET, SDL_RENDER_DEVICE_RESET)) > 0)
            m_lost = 1;
    }
    if (m_fullScreen && m_window && (SDL_GetWindowFlags(m_window) & SDL_WINDOW_MINIMIZED))
        m_lost = 1;
}

int Device::Present()
{
    if (m_lost)
        return kDeviceLost;
    CheckLossEvents();
    if (m_lost)
        return kDeviceLost;
    FlushClear();
    const bool windowChanged = m_core->windowChanged.exchange(false);
    if (m_skipUnchanged && !windowChanged && m_backBufferSignature != 0 &&
        m_backBufferSignature == m_presentedSignature)
        return kOk; // the window shows this picture already
    m_presentedSignature = m_backBufferSignature;
    ++m_presented;
    SDL_Renderer* r = m_core->renderer;
    if (m_window) {
        SDL_SetRenderTarget(r, nullptr);
        SDL_RenderSetClipRect(r, nullptr);
        if (m_core->backBuffer)
            SDL_RenderCopy(r, m_core->backBuffer, nullptr, nullptr);
        SDL_RenderPresent(r);
        SDL_SetRenderTarget(r, m_core->backBuffer);
    }
    return kOk;
}

int Device::TestCooperativeLevel()
{
    if (m_lost == 0)
        return kOk;
    bool causeLasts = m_fullScreen && m_window && (SDL_GetWindowFlags(m_window) & SDL_WINDOW_MINIMIZED);
    if (causeLasts) {
        m_lost = 1;
        return kDeviceLost;
    }
    if (m_lost == 1) {
        m_lost = 2;
        return kDeviceLost;
    }
    return kDeviceNotReset;
}

int Device::Reset()
{
    if (m_failResets > 0) {
        --m_failResets;
        return kDeviceLost;
    }
    if (m_lost == 1 && m_fullScreen && m_window && (SDL_GetWindowFlags(m_window) & SDL_WINDOW_MINIMIZED))
        return kDeviceLost;
    DropScene();
    m_inScene = false;
    m_clearPending = false;
    m_shared.clear();
    m_core->lines.Clear();
    m_core->baked.Clear();
    if (!MakeBackBuffer())
        return kOutOfVideoMemory;
    m_scene = SceneState{};
    m_viewport = {0, 0, m_width, m_height, 0.0f, 1.0f};
    m_lost = 0;
    return kOk;
}

std::size_t Device::BakedCopyCount() const
{
    return m_core->baked.Count();
}

std::size_t Device::BakedCopyBytes() const
{
    return m_core->baked.Bytes();
}

void Device::SimulateLoss()
{
    m_lost = 1;
}

void Device::FailNextCreation(CreationKind kind, int status)
{
    m_failNext[int(kind)] = status;
}

bool Device::TakeFailure(CreationKind kind, int* status)
{
    int& f = m_failNext[int(kind)];
    if (f == kOk)
        return false;
    if (status)
        *status = f;
    f = kOk;
    return true;
}

int Device::GetCaps3D(Caps3D& out) const
{
    if (m_capsStatus != kOk)
        return m_capsStatus;
    out = m_capsOverride ? *m_capsOverride : Caps3D{};
    return kOk;
}

int Device::DrawTriangles(const Texture* texture, const ScreenVertex* vertices, int count)
{
    if (!vertices || count < 3)
        return kInvalidCall;
    thread_local std::vector<SDL_Vertex> converted;
    thread_local std::vector<float> depths;
    const int triangles = count / 3;
    converted.resize(std::size_t(triangles) * 3);
    depths.resize(std::size_t(triangles));
    std::transform(vertices, vertices + triangles * 3, converted.begin(), ToSdlVertex);
    for (int i = 0; i < triangles; ++i)
        depths[std::size_t(i)] = TriangleDepth(vertices + 3 * i, 0.0f);
    return DrawPreparedTriangles(texture, converted.data(), depths.data(), triangles);
}

int Device::DrawPreparedTriangles(const Texture* texture, const SDL_Vertex* vertices, const float* depths,
                                  int triangles)
{
    if (!vertices || !depths || triangles < 1)
        return kInvalidCall;
    // A texture made by another device (one since gone) holds a picture
    // that no longer exists: such a draw is refused, never executed.
    if (texture && texture->m_core.lock() != m_core)
        return kInvalidCall;
    if (!m_inScene) {
        for (int i = 0; i < triangles; ++i) {
            DrawCommand cmd;
            cmd.texture = texture ? static_cast<SDL_Texture*>(texture->m_texture) : nullptr;
            SubmitTriangles(std::move(cmd), vertices + 3 * i, 3);
        }
        return kOk;
    }
    // Straight into the scene: a mesh submits thousands of these.
    const std::size_t base = m_vertices.size();
    SceneItem* item = QueueSceneTriangles(texture, triangles);
    m_vertices.insert(m_vertices.end(), vertices, vertices + std::size_t(triangles) * 3);
    for (int i = 0; i < triangles; ++i, ++item) {
        item->depth = depths[i];
        item->triangle = std::uint32_t(base + std::size_t(i) * 3);
    }
    return kOk;
}

// One command for a call's triangles, which keeps the texture alive; each
// triangle is an item of its own, its depth and first vertex left to fill.
// The caller appends the vertices to the scene's list.
Device::SceneItem* Device::QueueSceneTriangles(const Texture* texture, int triangles)
{
    const auto command = std::uint32_t(m_queue.size());
    DrawCommand& cmd = m_queue.emplace_back();
    cmd.kind = DrawCommand::Kind::Geometry;
    if (texture) {
        cmd.keep = texture->shared_from_this();
        cmd.texture = static_cast<SDL_Texture*>(texture->m_texture);
        cmd.textureSerial = texture->m_serial;
    }
    cmd.first = std::uint32_t(m_vertices.size());
    cmd.count = std::uint32_t(triangles) * 3;
    const std::size_t items = m_items.size();
    m_items.resize(items + std::size_t(triangles), SceneItem{0.0f, command, 0});
    return m_items.data() + items;
}

// ---------------------------------------------------------------- textures

TexturePtr Device::MakeTexture(const Image& img, int* status)
{
    SDL_Texture* t = CreatePictureTexture(*m_core, img.pixels.data(), img.width, img.height, img.width * 4);
    if (!t) {
        *status = kOutOfVideoMemory;
        return nullptr;
    }
    TexturePtr tex(new Texture);
    tex->m_texture = t;
    tex->m_core = m_core;
    tex->m_width = img.width;
    tex->m_height = img.height;
    tex->m_opaque = std::all_of(img.pixels.begin(), img.pixels.end(), [](Argb p) { return (p >> 24) == 0xFF; });
    *status = kOk;
    return tex;
}

TexturePtr Device::CreateTextureFromImage(const Image& image, int width, int height, int* status)
{
    int dummy = kOk;
    int& st = status ? *status : dummy;
    if (TakeFailure(CreationKind::Texture, &st))
        return nullptr;
    if (image.width <= 0 || image.height <= 0) {
        st = kInvalidData;
        return nullptr;
    }
    if (width <= 0)
        width = image.width;
    if (height <= 0)
        height = image.height;
    Image keyed = image;
    for (auto& p : keyed.pixels)
        if (p == kColourKey)
            p = 0;
    if (keyed.width != width || keyed.height != height)
        keyed = Stretch(keyed, width, height);
    return MakeTexture(keyed, &st);
}

TexturePtr Device::CreateTextureFromFile(const std::string& path, int width, int height, int* status)
{
    int dummy = kOk;
    int& st = status ? *status : dummy;
    if (TakeFailure(CreationKind::Texture, &st))
        return nullptr;
    std::string real = ResolvePath(path);
    if (!PathExists(real)) {
        st = kNotFound;
        return nullptr;
    }
    // The file's size and time are part of the key: a picture replaced on
    // disk is read again.
    struct stat info {};
    const bool known = IsRegularFile(real) && stat(real.c_str(), &info) == 0;
    const std::string key = known ? "f|" + real + "|" + std::to_string(info.st_size) + "|" +
                                        std::to_string(info.st_mtim.tv_sec) + "." +
                                        std::to_string(info.st_mtim.tv_nsec) + "|" + std::to_string(width) + "x" +
                                        std::to_string(height)
                                  : std::string();
    if (!key.empty())
        if (TexturePtr shared = SharedPicture(key)) {
            st = kOk;
            return shared;
        }
    std::string bytes;
    Image img;
    if (!IsRegularFile(real) || !ReadFileUpTo(real, kMaxPictureBytes, bytes) || !DecodeImage(bytes.data(), bytes.size(), img)) {
        st = kInvalidData;
        return nullptr;
    }
    TexturePtr made = CreateTextureFromImage(img, width, height, status);
    if (made && !key.empty())
        KeepShared(key, made);
    return made;
}

TexturePtr Device::CreateTextureFromResourceBytes(int bitmapId, const void* data, std::size_t size, int width,
                                                  int height, int* status)
{
    int dummy = kOk;
    int& st = status ? *status : dummy;
    if (TakeFailure(CreationKind::Texture, &st))
        return nullptr;
    const std::string key =
        "r|" + std::to_string(bitmapId) + "|" + std::to_string(width) + "x" + std::to_string(height);
    if (TexturePtr shared = SharedPicture(key)) {
        st = kOk;
        return shared;
    }
    TexturePtr made = CreateTextureFromBytes(data, size, width, height, status);
    if (made)
        KeepShared(key, made);
    return made;
}

TexturePtr Device::SharedPicture(const std::string& key)
{
    auto it = m_shared.find(key);
    return it == m_shared.end() ? nullptr : it->second.lock();
}

void Device::KeepShared(const std::string& key, const TexturePtr& texture)
{
    m_shared[key] = texture;
    // Pictures nobody holds any more leave the table now and then.
    if (m_shared.size() >= m_sharedPruneAt) {
        for (auto it = m_shared.begin(); it != m_shared.end();)
            it = it->second.expired() ? m_shared.erase(it) : std::next(it);
        m_sharedPruneAt = std::max<std::size_t>(64, m_shared.size() * 2);
    }
}

TexturePtr Device::CreateTextureFromBytes(const void* data, std::size_t size, int width, int height, int* status)
{
    int dummy = kOk;
    int& st = status ? *status : dummy;
    if (TakeFailure(CreationKind::Texture, &st))
        return nullptr;
    Image img;
    if (!DecodeImage(data, size, img)) {
        st = kInvalidData;
        return nullptr;
    }
    return CreateTextureFromImage(img, width, height, status);
}

std::unique_ptr<SpriteDrawer> Device::CreateSpriteDrawer(int* status)
{
    int dummy = kOk;
    int& st = status ? *status : dummy;
    if (TakeFailure(CreationKind::SpriteDrawer, &st))
        return nullptr;
    st = kOk;
    return std::make_unique<SpriteDrawer>(this);
}

std::unique_ptr<LineDrawer> Device::CreateLineDrawer(int* status)
{
    int dummy = kOk;
    int& st = status ? *status : dummy;
    if (TakeFailure(CreationKind::LineDrawer, &st))
        return nullptr;
    st = kOk;
    return std::make_unique<LineDrawer>(this);
}

// ---------------------------------------------------------------- read-back

bool Device::ReadPixels(Image& out)
{
    FlushClear();
    out = Image(m_width, m_height);
    SDL_Renderer* r = m_core->renderer;
    SDL_SetRenderTarget(r, m_core->backBuffer);
    return SDL_RenderReadPixels(r, nullptr, SDL_PIXELFORMAT_ARGB8888, out.pixels.data(), m_width * 4) == 0;
}

Argb Device::ReadPixel(int x, int y)
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return 0;
    FlushClear();
    Argb p = 0;
    SDL_Rect rc{x, y, 1, 1};
    SDL_SetRenderTarget(m_core->renderer, m_core->backBuffer);
    SDL_RenderReadPixels(m_core->renderer, &rc, SDL_PIXELFORMAT_ARGB8888, &p, 4);
    return p;
}

} // namespace plat
