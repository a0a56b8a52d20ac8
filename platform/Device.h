#pragma once
// The drawing device: a back buffer of a fixed size that every draw goes to,
// stretched over the window at present (the software renderer draws straight
// into a window of that size); textures, sprite and line drawers and fonts
// made on it; lost-device detection and reset; read-back of the back buffer
// for tests.
//
// Every draw carries a depth (0 = nearest, 1 = farthest). Between
// BeginScene() and EndScene() draws are recorded; EndScene() sorts them far
// to near (equal depths keep their order) and executes them, which gives the
// picture a depth-tested scene would give; neighbouring triangles of one
// texture go to the renderer as one batch. Draws made outside a scene are
// executed at once.
//
// Pictures made from an embedded bitmap or a file are shared: asking again
// for the same picture at the same size gives the texture already made while
// anything still holds it.
//
// With SkipUnchangedFrames on, a frame cleared and drawn exactly as the one
// the back buffer already holds (same pictures, places, colours and clips in
// the same order) is neither rasterised nor presented again; a window that
// was uncovered, resized or restored is drawn and presented at once.
#include "platform/Image.h"
#include "platform/Math3D.h"
#include "platform/Resources.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

struct SDL_Window;
struct SDL_Vertex;

namespace plat {

// The system window the device draws into; code above the platform only
// passes it along.
using NativeWindow = SDL_Window;

using Argb = std::uint32_t;

// The colour every frame is cleared to; pixels of exactly this colour in a
// loaded picture become fully transparent.
constexpr Argb kColourKey = 0xFF8603BD;

// Result codes of the device and of everything made on it. 0 is success.
enum Status : int {
    kOk = 0,
    kNotAvailable = 1,     // the device cannot do what was asked
    kOutOfVideoMemory = 2,
    kInvalidCall = 3,      // bad arguments (an empty size, a missing device, ...)
    kInvalidData = 4,      // a picture or font that cannot be decoded
    kOutOfMemory = 5,
    kFailed = 6,           // anything else
    kDeviceLost = 7,       // the device is lost and cannot be reset yet
    kDeviceNotReset = 8,   // the device is lost and can be reset now
    kModeNotFound = 9,     // full screen: no display mode of the requested size
    kNotFound = 10,        // a picture file or bitmap id that does not exist
    kNoDisplayModes = 11,  // full screen: the display lists no modes at all
    kModeQueryFailed = 12, // full screen: the display's modes could not be read
    kModeSetFailed = 13,   // full screen: the chosen mode could not be set
};
const char* StatusName(int status);

// Packs four 0..1 channels: 255 at 1.0 or more, 0 at 0 or less, else
// value * 255 truncated (the rounded variant adds 0.5 first, for texts).
Argb PackArgb(float a, float r, float g, float b);
Argb PackArgbRounded(float a, float r, float g, float b);

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

// What the 3D path needs of the device; our CPU transform and lighting
// offers all of it, tests may pretend otherwise.
struct Caps3D {
    float vertexShaderVersion = 1.1f;
    int maxBlendMatrices = 4;
    bool directionalLights = true;
};

struct Colour4 {
    float r = 0, g = 0, b = 0, a = 0;
};

struct Light {
    bool enabled = false;
    Colour4 diffuse;
    Vec3 direction; // travels along this direction
};

struct Material {
    Colour4 diffuse, ambient, specular, emissive;
    float power = 0;
};

// The fixed-function state of the 3D scene, restored to these defaults by
// a reset. Triangles are transformed and lit on the CPU with it.
struct SceneState {
    bool lighting = false;
    bool depthTest = true;
    bool cullNone = true;
    bool linearMagFilter = true;
    Argb ambient = 0;
    int blendWeights = 0;       // vertex blending: 0 off, 1 = two world matrices
    bool wrapU = false;         // texture coordinate u wraps around
    Light light0;
    Material material;
    Matrix world[2] = {MatrixIdentity(), MatrixIdentity()};
    Matrix view = MatrixIdentity();
    Matrix projection = MatrixIdentity();
};

// One vertex of a screen-space triangle for DrawTriangles.
struct ScreenVertex {
    float x = 0, y = 0; // back-buffer pixels
    float z = 0;        // depth 0..1
    Argb colour = 0xFFFFFFFF;
    float u = 0, v = 0;
};

class Device;
class Font;
struct RendererCore;
struct DrawCommand;
struct FrameCapture;

// A picture on the device. Shared: a recorded draw keeps it alive until the
// scene ends, even when its owner lets it go meanwhile.
class Texture : public std::enable_shared_from_this<Texture> {
public:
    ~Texture();
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;
    int Width() const { return m_width; }
    int Height() const { return m_height; }

private:
    friend class Device;
    friend class Font;
    friend class SpriteDrawer;
    Texture();
    void* m_texture = nullptr; // SDL_Texture
    std::weak_ptr<RendererCore> m_core;
    int m_width = 0, m_height = 0;
    // Every pixel fully opaque, decided when the picture is made: drawn at
    // full opacity it needs no blending, which costs the software blitter
    // twice a plain copy.
    bool m_opaque = false;
    // Never reused within a process: tells a picture from one made later at
    // the same address.
    std::uint64_t m_serial = 0;
};
using TexturePtr = std::shared_ptr<Texture>;

// The link from a drawer or a font to the device that made it. It reads as
// null once that device is gone, so an object that outlives its device (a
// global sprite after the application object went) draws nothing instead of
// touching freed memory.
class DeviceLink {
public:
    DeviceLink() = default;
    explicit DeviceLink(Device* device);
    Device* Get() const { return m_core.expired() ? nullptr : m_device; }

private:
    Device* m_device = nullptr;
    std::weak_ptr<RendererCore> m_core;
};

// Draws rectangles of textures through a 2D transform, tinted and faded.
class SpriteDrawer {
public:
    explicit SpriteDrawer(Device* device) : m_device(device) {}
    bool IsLive() const { return m_device.Get() != nullptr; }
    void SetTransform(const Matrix& m) { m_transform = m; }
    // Nothing to set up or flush: draws go to the device's scene.
    int Begin() { return kOk; }
    int End() { return kOk; }
    // Draws the source rectangle (the whole texture when null) with its top
    // left at pos, through the transform, at depth pos.z. Parts of the source
    // outside the texture repeat the nearest edge pixels.
    int Draw(const Texture* texture, const Rect* source, const Vec3& pos, Argb colour);

private:
    DeviceLink m_device;
    Matrix m_transform = MatrixIdentity();
};

// Draws polylines of a width: each segment a quad, no caps, no joins, no
// antialiasing. A width-1 line at integer y inks exactly row y; a slanted
// segment of width 1 or less inks one pixel in every column it crosses (every
// row when steep), the one nearest the line.
class LineDrawer {
public:
    explicit LineDrawer(Device* device) : m_device(device) {}
    bool IsLive() const { return m_device.Get() != nullptr; }
    void SetWidth(float width) { m_width = width; }
    int Begin() { return kOk; }
    int End() { return kOk; }
    // Screen points at depth 0.
    int Draw(const Vec2* points, int count, Argb colour);
    // Points through a matrix to clip space, then to the viewport; each
    // vertex keeps its own depth.
    int DrawTransform(const Vec3* points, int count, const Matrix& transform, Argb colour);

private:
    DeviceLink m_device;
    float m_width = 1.0f;
};

// Whether a windowed device should give up the accelerated renderer SDL
// made for the software one: an OpenGL renderer whose GL is itself a
// software rasteriser draws every frame on the CPU at several times the
// cost of the software renderer's direct window drawing. rendererName is
// SDL's name for the renderer, glRenderer what GL reports as its renderer
// (empty when not asked), explicitChoice a render driver the player or
// tester named, which always stands.
bool PreferSoftwareRenderer(const char* rendererName, const char* glRenderer, bool explicitChoice);
// The same decided before any GL is loaded: without a graphics device (no
// DRM or NVIDIA device node), or with Mesa told to rasterise in software
// (alwaysSoftware, LIBGL_ALWAYS_SOFTWARE, set and not "0"), GL could only be
// a software rasteriser. A named render driver always stands.
bool PreferSoftwareWithoutAsking(bool explicitChoice, bool gpuDevice, const char* alwaysSoftware);

// What the next creation of a kind should fail with (test seam).
enum class CreationKind { Texture, Font, SpriteDrawer, LineDrawer };

class Device {
public:
    ~Device();
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    // On the given window, back buffer = its client size: an accelerated
    // renderer, else the software one (also in place of an OpenGL that
    // rasterises in software, unless a render driver was named). No vsync.
    static std::unique_ptr<Device> CreateWindowed(SDL_Window* window, int* status);
    // Takes the first display mode of exactly width x height; none gives
    // kModeNotFound.
    static std::unique_ptr<Device> CreateFullScreen(SDL_Window* window, int width, int height, int* status);
    // No window: the software renderer on a surface, for tests and tools.
    static std::unique_ptr<Device> CreateHeadless(int width, int height, int* status);

    int BackBufferWidth() const { return m_width; }
    int BackBufferHeight() const { return m_height; }
    const Viewport& GetViewport() const { return m_viewport; }
    SDL_Window* Window() const { return m_window; }

    int Clear(Argb colour); // also drops the draws the scene recorded so far
    int BeginScene();
    int EndScene();
    // Ends the scene dropping its recorded draws unexecuted: nothing is
    // rasterised (a frame only stepped while the game catches up).
    int EndSceneUnseen();
    // Shows the back buffer; kDeviceLost when the device was found lost.
    int Present();
    // Leaves out frames that would show the same picture again (see the top
    // of this file). Off unless asked for.
    void SkipUnchangedFrames(bool on);
    // Frames shown on the window (or the headless surface) so far.
    std::uint64_t PresentedFrames() const { return m_presented; }
    // kOk, kDeviceLost while the loss lasts, then kDeviceNotReset.
    int TestCooperativeLevel();
    // Recreates the back buffer and restores the default states and the 3D
    // scene state; the owners recreate their textures, drawers and fonts.
    int Reset();

    // Textures: the picture stretched to width x height, the colour key made
    // transparent first. A file goes through ResolvePath.
    TexturePtr CreateTextureFromFile(const std::string& path, int width, int height, int* status);
    // Defined below, in the header: the embedded table lives in the library
    // above this one.
    TexturePtr CreateTextureFromResource(int bitmapId, int width, int height, int* status);
    TexturePtr CreateTextureFromBytes(const void* data, std::size_t size, int width, int height, int* status);
    // The bytes of embedded bitmap bitmapId (CreateTextureFromResource finds
    // them): shared like a file's picture.
    TexturePtr CreateTextureFromResourceBytes(int bitmapId, const void* data, std::size_t size, int width,
                                              int height, int* status);
    TexturePtr CreateTextureFromImage(const Image& image, int width, int height, int* status);
    std::unique_ptr<SpriteDrawer> CreateSpriteDrawer(int* status);
    std::unique_ptr<LineDrawer> CreateLineDrawer(int* status);
    // A face by name and weight (400 regular, 700 bold); height is the cell
    // height in pixels; width 0 = the face's own.
    std::unique_ptr<Font> CreateFont(const char* face, int height, int width, int weight, int* status);

    // 3D path: capabilities and the scene state.
    int GetCaps3D(Caps3D& out) const;
    SceneState& Scene() { return m_scene; }
    const SceneState& Scene() const { return m_scene; }
    // Screen-space triangles (already transformed and lit), each queued at
    // the mean depth of its vertices. texture may be null.
    int DrawTriangles(const Texture* texture, const ScreenVertex* vertices, int count);
    // 3D triangles the mesh drawing submitted since the scene began (tests
    // and benchmarks read it).
    int Triangles3D() const { return m_triangles3D; }
    void Count3DTriangles(int count) { m_triangles3D += count; }
    // A number of its own for every scene begun on any device; 0 outside
    // a scene.
    std::uint64_t SceneSerial() const { return m_inScene ? m_sceneSerial : 0; }

    // Read-back of the back buffer (0xAARRGGBB).
    bool ReadPixels(Image& out);
    Argb ReadPixel(int x, int y);

    // Test seams.
    void SimulateLoss();
    void FailNextResets(int count) { m_failResets = count; }
    void OverrideCaps3D(std::optional<Caps3D> caps, int status = kOk)
    {
        m_capsOverride = caps;
        m_capsStatus = status;
    }
    void FailNextCreation(CreationKind kind, int status);
    // The software renderer's baked modulated copies, for tests.
    std::size_t BakedCopyCount() const;
    std::size_t BakedCopyBytes() const;
    // Benchmark seam: the next scene's draws, in the order they execute, and
    // the colour the frame was cleared to are copied into out.
    void CaptureNextScene(FrameCapture* out) { m_capture = out; }

    // Used by the drawers and fonts. Triangles carry their vertices apart:
    // the scene keeps every vertex in one list.
    void Submit(DrawCommand&& command);
    void SubmitTriangles(DrawCommand&& command, const SDL_Vertex* vertices, int count);
    // Triangles already in the renderer's form with the depth of each, as
    // DrawTriangles would have made them: a mesh at rest keeps them so.
    int DrawPreparedTriangles(const Texture* texture, const SDL_Vertex* vertices, const float* depths, int triangles);
    RendererCore* Core() const { return m_core.get(); }
    const std::shared_ptr<RendererCore>& CoreShared() const { return m_core; }
    bool TakeFailure(CreationKind kind, int* status);

private:
    Device() = default;
    static std::unique_ptr<Device> Create(SDL_Window* window, bool ownsWindow, int width, int height, int* status);
    bool MakeBackBuffer();
    bool OutputIsBackBufferSize();
    void Execute(const DrawCommand& c, const SDL_Vertex* vertices);
    void ExecuteQueue();
    int ClearNow();
    void FlushClear();
    std::uint64_t SceneSignature() const;
    void CheckLossEvents();
    TexturePtr MakeTexture(const Image& keyed, int* status);
    TexturePtr SharedPicture(const std::string& key);
    void KeepShared(const std::string& key, const TexturePtr& texture);

    SDL_Window* m_window = nullptr;
    bool m_ownsWindow = false;
    bool m_fullScreen = false;
    bool m_stretched = false; // the window's size left the back buffer's: draw to a texture
    std::shared_ptr<RendererCore> m_core;
    int m_width = 0, m_height = 0;
    Viewport m_viewport;
    bool m_inScene = false;
    // The scene's draws. A call's triangles share one command; each of them
    // is an item of its own, sorted by its own depth.
    struct SceneItem {
        float depth;
        std::uint32_t command;  // in m_queue
        std::uint32_t triangle; // its first vertex, or kWholeCommand
    };
    static constexpr std::uint32_t kWholeCommand = 0xFFFFFFFFu;
    void DropScene();
    SceneItem* QueueSceneTriangles(const Texture* texture, int triangles);
    std::vector<DrawCommand> m_queue;
    std::vector<SceneItem> m_items;      // in the order they were drawn
    std::vector<SDL_Vertex> m_vertices;  // the triangles' vertices of the scene
    std::vector<std::uint64_t> m_order;  // depth and place among the items, sorted
    std::vector<std::uint64_t> m_orderSpare;
    std::vector<SDL_Vertex> m_batch;     // one batch of triangles being executed
    std::unordered_map<std::string, std::weak_ptr<Texture>> m_shared;
    std::size_t m_sharedPruneAt = 64;
    // Skipping unchanged frames: what the back buffer and the window show
    // (0 = not known), a Clear not yet carried out.
    bool m_skipUnchanged = false;
    bool m_clearPending = false;
    std::uint64_t m_backBufferSignature = 0;
    std::uint64_t m_presentedSignature = 0;
    std::uint64_t m_presented = 0;
    SceneState m_scene;
    int m_lost = 0; // 0 good, 1 lost, 2 can be reset
    int m_failResets = 0;
    std::optional<Caps3D> m_capsOverride;
    int m_capsStatus = kOk;
    int m_failNext[4] = {0, 0, 0, 0};
    int m_triangles3D = 0;
    std::uint64_t m_sceneSerial = 0;
    Argb m_clearColour = 0;
    FrameCapture* m_capture = nullptr;
};

inline TexturePtr Device::CreateTextureFromResource(int bitmapId, int width, int height, int* status)
{
    const Resource* res = FindResource(ResourceKind::Bitmap, bitmapId);
    if (!res) {
        int failure = kNotFound;
        TakeFailure(CreationKind::Texture, &failure); // a failure a test asked for wins
        if (status)
            *status = failure;
        return nullptr;
    }
    return CreateTextureFromResourceBytes(bitmapId, res->data, res->size, width, height, status);
}

} // namespace plat
