#pragma once
// What the device, its drawers and its fonts share inside the platform layer.
#include "platform/Device.h"

#include <SDL.h>

#include <list>
#include <memory>
#include <string>
#include <unordered_map>
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

struct RendererCore {
    SDL_Renderer* renderer = nullptr;
    SDL_Surface* surface = nullptr; // headless target of the software renderer
    SDL_Texture* backBuffer = nullptr;
    LineCache lines{512};
};

// A draw recorded during a scene.
struct DrawCommand {
    enum class Kind { Texture, Rect, Geometry } kind = Kind::Texture;
    float depth = 0;
    std::shared_ptr<const Texture> keep; // keeps the texture alive until executed
    SDL_Texture* texture = nullptr;
    Argb colour = 0xFFFFFFFF;
    // Texture: source and destination, rotation (degrees, clockwise) about
    // centre (relative to dst).
    SDL_Rect src{};
    SDL_FRect dst{};
    double angle = 0;
    SDL_FPoint centre{};
    SDL_RendererFlip flip = SDL_FLIP_NONE; // a half turn is drawn as a flip: exact on every renderer
    bool smooth = false; // magnified with the linear filter, else nearest texels
    bool clip = false;
    SDL_Rect clipRect{};
    // Rect: a filled rectangle of pixels.
    SDL_Rect rect{};
    // Geometry: triangles.
    std::vector<SDL_Vertex> vertices;
};

} // namespace plat
