#pragma once
// What the device, its drawers and its fonts share inside the platform layer.
#include "platform/Device.h"

#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <list>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace plat {

// One rendered line of text, white on transparent, tinted when drawn.
struct CachedLine {
    std::shared_ptr<Texture> texture;
    int width = 0, height = 0;
};

// Least recently used first out, keyed by text. Find and Insert return a
// pointer that stays valid until the next Insert or Clear.
template <class V>
class LruCache {
public:
    explicit LruCache(std::size_t capacity) : m_capacity(capacity) {}

    V* Find(const std::string& key)
    {
        auto it = m_index.find(key);
        if (it == m_index.end())
            return nullptr;
        m_order.splice(m_order.begin(), m_order, it->second);
        return &it->second->second;
    }

    V* Insert(const std::string& key, V value)
    {
        if (auto it = m_index.find(key); it != m_index.end()) {
            m_order.erase(it->second);
            m_index.erase(it);
        }
        m_order.emplace_front(key, std::move(value));
        m_index[key] = m_order.begin();
        while (m_order.size() > m_capacity) {
            m_index.erase(m_order.back().first);
            m_order.pop_back();
        }
        return &m_order.front().second;
    }

    void Clear()
    {
        m_order.clear();
        m_index.clear();
    }
    std::size_t Size() const { return m_order.size(); }

private:
    using Entry = std::pair<std::string, V>;
    std::size_t m_capacity;
    std::list<Entry> m_order; // most recent first
    std::unordered_map<std::string, typename std::list<Entry>::iterator> m_index;
};

// Rendered lines, keyed by font face and text.
using LineCache = LruCache<CachedLine>;

// Tinted and faded copies of textures for the software renderer. Its
// blitter has fast paths for plain alpha blending only: a draw with a colour
// or alpha modulation falls to a generic per-pixel loop about ten times
// slower. A copy whose pixels already carry the modulation draws through the
// fast path with the same result (within a unit or two of rounding).
//
// A copy is made the second frame in a row that asks for the same texture
// and colour, so a fade (a new colour every frame) never pays for copies it
// would use once. Least recently used copies go first beyond the bounds; a
// texture's copies go with it; a lost device drops them all. Beyond
// kKeepBytes, copies that neither of the last two frames drew go too: what
// earlier screens baked (full-screen pictures in their tints) is not kept
// for a return that may not come.
class BakedCopies {
public:
    static constexpr std::size_t kMaxCount = 512;
    static constexpr std::size_t kMaxBytes = std::size_t(48) << 20;
    static constexpr std::size_t kKeepBytes = std::size_t(16) << 20;

    // The copy of the texture tinted by colour, or null: draw it modulated.
    SDL_Texture* Find(SDL_Renderer* renderer, const Texture* texture, SDL_Texture* source, Argb colour);
    // A frame ended: what it asked for counts as asked the frame before.
    void EndFrame();
    void Forget(const Texture* texture);
    void Clear();
    std::size_t Count() const { return m_order.size(); }
    std::size_t Bytes() const { return m_bytes; }

    BakedCopies() = default;
    BakedCopies(const BakedCopies&) = delete;
    BakedCopies& operator=(const BakedCopies&) = delete;
    ~BakedCopies() { Clear(); }

private:
    struct Key {
        const Texture* texture;
        Argb colour;
        bool operator==(const Key& o) const { return texture == o.texture && colour == o.colour; }
    };
    struct KeyHash {
        std::size_t operator()(const Key& k) const
        {
            return std::hash<const void*>()(k.texture) ^ (std::size_t(k.colour) * 0x9E3779B97F4A7C15ull);
        }
    };
    struct Entry {
        Key key;
        SDL_Texture* copy;
        std::size_t bytes;
        std::uint64_t lastFrame; // the frame that drew it last
    };
    void Drop(std::list<Entry>::iterator it);

    std::list<Entry> m_order; // most recent first
    std::unordered_map<Key, std::list<Entry>::iterator, KeyHash> m_index;
    std::unordered_set<Key, KeyHash> m_askedNow, m_askedBefore;
    std::size_t m_bytes = 0;
    std::uint64_t m_frame = 0;
};

struct RendererCore {
    SDL_Renderer* renderer = nullptr;
    SDL_Surface* surface = nullptr; // headless target of the software renderer
    SDL_Texture* backBuffer = nullptr;
    bool software = false; // the software renderer: modulated draws use baked copies
    LineCache lines{512};
    BakedCopies baked;
    // Set from SDL's event watch when the window was uncovered, resized or
    // restored: its next frame is drawn and shown whatever it holds.
    std::atomic<bool> windowChanged{false};
    SDL_Window* window = nullptr;
};

// One scene as the device executed it (Device::CaptureNextScene).
// Batched triangles come out as one command each.
struct FrameCapture {
    Argb clearColour = 0;
    std::vector<DrawCommand> draws;
    std::vector<SDL_Vertex> vertices; // the triangles' [first, first + count)
};

// A screen-space vertex as the renderer takes it: pixel centres at +0.5.
inline SDL_Vertex ToSdlVertex(const ScreenVertex& v)
{
    return SDL_Vertex{{v.x + 0.5f, v.y + 0.5f},
                      {std::uint8_t(v.colour >> 16), std::uint8_t(v.colour >> 8), std::uint8_t(v.colour),
                       std::uint8_t(v.colour >> 24)},
                      {v.u, v.v}};
}

// The depth a triangle is sorted at: the mean of its vertices' depths, each
// moved by the bias (and then kept within 0..1) when there is one.
inline float TriangleDepth(const ScreenVertex* t, float depthBias)
{
    auto z = [depthBias](const ScreenVertex& v) {
        return depthBias == 0.0f ? v.z : std::clamp(v.z + depthBias, 0.0f, 1.0f);
    };
    return (z(t[0]) + z(t[1]) + z(t[2])) / 3;
}

// A texture of the pixels (0xAARRGGBB rows), alpha-blended. On the software
// renderer it is made streaming, so its pixels can be read for baked copies.
SDL_Texture* CreatePictureTexture(RendererCore& core, const void* pixels, int width, int height, int pitch);

// A draw recorded during a scene.
struct DrawCommand {
    enum class Kind { Texture, Rect, Geometry } kind = Kind::Texture;
    float depth = 0;
    // Keeps the texture alive until executed (the first of a mesh's
    // triangles keeps it for all of them).
    std::shared_ptr<const Texture> keep;
    SDL_Texture* texture = nullptr;
    std::uint64_t textureSerial = 0; // tells pictures apart in a frame's signature
    Argb colour = 0xFFFFFFFF;
    // Texture: source and destination, rotation (degrees, clockwise) about
    // centre (relative to dst).
    SDL_Rect src{};
    SDL_FRect dst{};
    double angle = 0;
    SDL_FPoint centre{};
    SDL_RendererFlip flip = SDL_FLIP_NONE; // a half turn is drawn as a flip: exact on every renderer
    bool smooth = false; // magnified with the linear filter, else nearest texels
    bool opaque = false; // the picture has no transparent or translucent pixel
    bool clip = false;
    SDL_Rect clipRect{};
    // Rect: a filled rectangle of pixels.
    SDL_Rect rect{};
    // Geometry: triangles, vertices [first, first + count) of the scene's
    // vertex list.
    std::uint32_t first = 0, count = 0;
};

} // namespace plat
