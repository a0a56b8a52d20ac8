#include "platform/MeshDraw.h"

#include "platform/DeviceInternal.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace plat {
namespace {

// A vertex as the faces use it: on screen, or unusable (behind the near
// plane, beyond the far one, or not finite).
struct LitVertex {
    bool usable = false;
    ScreenVertex screen;
};

float Unit(Argb c, int shift) { return float((c >> shift) & 0xFF) / 255.0f; }

Vec3 Affine(const Vec3& p, const Matrix& m)
{
    Vec4 r = Vec3Transform(p, m);
    return {r.x, r.y, r.z};
}

Vec3 Mix(const Vec3& a, const Vec3& b, float w) // w x a + (1 - w) x b
{
    return {a.x * w + b.x * (1 - w), a.y * w + b.y * (1 - w), a.z * w + b.z * (1 - w)};
}

class VertexStage {
public:
    // Vertices shared by several faces are worked out once. The cache is kept
    // from call to call (a frame draws a handful of subsets) and told apart
    // by a stamp, so no call clears or allocates it.
    VertexStage(const SceneState& scene, const Viewport& vp, std::size_t count)
        : m_scene(scene), m_vp(vp), m_viewProj(MatrixMultiply(scene.view, scene.projection))
    {
        thread_local std::vector<LitVertex> cache;
        thread_local std::vector<std::uint32_t> stamps;
        thread_local std::uint32_t stamp = 0;
        if (cache.size() < count) {
            cache.resize(count);
            stamps.resize(count, 0);
        }
        if (++stamp == 0) { // wrapped: every old stamp could match again
            std::fill(stamps.begin(), stamps.end(), 0);
            stamp = 1;
        }
        m_cache = cache.data();
        m_stamps = stamps.data();
        m_stamp = stamp;
        m_ambient = {Unit(scene.ambient, 16), Unit(scene.ambient, 8), Unit(scene.ambient, 0), 1.0f};
        m_lightOn = scene.light0.enabled;
        // The light travels along its direction; a face is lit by how much it
        // faces the way the light comes from.
        m_toLight = Vec3Normalize(Vec3Scale(scene.light0.direction, -1.0f));
    }

    const LitVertex& Get(const Mesh& mesh, std::uint32_t i)
    {
        LitVertex& out = m_cache[i];
        if (m_stamps[i] == m_stamp)
            return out;
        m_stamps[i] = m_stamp;
        const MeshVertex& in = mesh.vertices[i];
        // A vertex wholly on one matrix (most are) needs that one alone: the
        // blend would give exactly its result.
        const bool blend = m_scene.blendWeights > 0 && in.weight != 1.0f;
        const Matrix& first = blend && in.weight == 0.0f ? m_scene.world[1] : m_scene.world[0];
        Vec3 p = Affine(in.position, first);
        Vec3 n = Vec3TransformNormal(in.normal, first);
        if (blend && in.weight != 0.0f) {
            p = Mix(p, Affine(in.position, m_scene.world[1]), in.weight);
            n = Mix(n, Vec3TransformNormal(in.normal, m_scene.world[1]), in.weight);
        }
        const Vec4 c = Vec3Transform(p, m_viewProj);
        // Without clipping, a corner behind the eye would fold the
        // triangle across the screen: its faces are left out.
        out.usable = c.w > 0.0f && c.z >= 0.0f && c.z <= c.w && std::isfinite(c.x) && std::isfinite(c.y);
        if (!out.usable)
            return out;
        ScreenVertex& s = out.screen;
        s.x = m_vp.x + (1.0f + c.x / c.w) * m_vp.width / 2.0f;
        s.y = m_vp.y + (1.0f - c.y / c.w) * m_vp.height / 2.0f;
        s.z = m_vp.minZ + c.z / c.w * (m_vp.maxZ - m_vp.minZ);
        s.colour = m_scene.lighting ? Light(Vec3Normalize(n)) : 0xFFFFFFFF;
        s.u = std::clamp(in.u, 0.0f, 1.0f);
        s.v = std::clamp(in.v, 0.0f, 1.0f);
        return out;
    }

private:
    Argb Light(const Vec3& n) const
    {
        const Material& m = m_scene.material;
        const float d = m_lightOn ? std::max(0.0f, Vec3Dot(n, m_toLight)) : 0.0f;
        const Colour4& l = m_scene.light0.diffuse;
        auto ch = [&](float amb, float ma, float ld, float md, float em) { return amb * ma + d * ld * md + em; };
        const float r = ch(m_ambient.r, m.ambient.r, l.r, m.diffuse.r, m.emissive.r);
        const float g = ch(m_ambient.g, m.ambient.g, l.g, m.diffuse.g, m.emissive.g);
        const float b = ch(m_ambient.b, m.ambient.b, l.b, m.diffuse.b, m.emissive.b);
        return PackArgb(m.diffuse.a, r, g, b); // PackArgb clamps each channel to 0..1
    }

    const SceneState& m_scene;
    const Viewport& m_vp;
    Matrix m_viewProj;
    LitVertex* m_cache = nullptr;
    std::uint32_t* m_stamps = nullptr;
    std::uint32_t m_stamp = 0;
    Colour4 m_ambient;
    bool m_lightOn = false;
    Vec3 m_toLight;
};

static_assert(sizeof(MeshVertex) == 9 * sizeof(float) && sizeof(MeshFace) == 16 && sizeof(Viewport) == 24,
              "compared byte for byte: no padding");

template <class T>
bool SameBytes(const T& a, const T& b)
{
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

template <class T>
bool SameBytes(const std::vector<T>& a, const std::vector<T>& b)
{
    return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(T)) == 0);
}

// Everything of the scene state the triangles are built from.
bool SameBuildState(const SceneState& a, const SceneState& b)
{
    return a.lighting == b.lighting && a.cullNone == b.cullNone && a.blendWeights == b.blendWeights &&
           a.ambient == b.ambient && a.light0.enabled == b.light0.enabled &&
           SameBytes(a.light0.diffuse, b.light0.diffuse) && SameBytes(a.light0.direction, b.light0.direction) &&
           SameBytes(a.material, b.material) && SameBytes(a.world, b.world) && SameBytes(a.view, b.view) &&
           SameBytes(a.projection, b.projection);
}

// A mesh's data as its kept subsets were built from. An owner may change
// its vertices in place (a rod bends), so the mesh is compared with it byte
// for byte, once per scene: every subset of it drawn in a scene is drawn
// from the data it had at the scene's first draw of it. A new version
// number tells the subsets built from older data.
struct KeptMesh {
    const Mesh* mesh = nullptr;
    std::vector<MeshVertex> vertices;
    std::vector<MeshFace> faces;
    std::uint64_t version = 0;
    std::uint64_t checkedInScene = 0; // 0: never
};

// The version of the mesh's data: compared afresh unless it was compared
// in this scene (scene 0: always compared).
std::uint64_t MeshVersion(const Mesh& mesh, std::uint64_t sceneSerial)
{
    constexpr std::size_t kKept = 16; // meshes a frame draws, with room
    thread_local std::vector<KeptMesh> kept;
    thread_local std::size_t next = 0;
    thread_local std::uint64_t versions = 0;
    KeptMesh* k = nullptr;
    for (KeptMesh& m : kept)
        if (m.mesh == &mesh) {
            k = &m;
            break;
        }
    if (k && sceneSerial != 0 && k->checkedInScene == sceneSerial)
        return k->version;
    if (!k) {
        k = kept.size() < kKept ? &kept.emplace_back() : &kept[next++ % kKept];
        k->mesh = &mesh;
        k->version = 0; // matches no subset: set below
    }
    if (k->version == 0 || !SameBytes(k->vertices, mesh.vertices) || !SameBytes(k->faces, mesh.faces)) {
        k->vertices = mesh.vertices;
        k->faces = mesh.faces;
        k->version = ++versions;
    }
    k->checkedInScene = sceneSerial;
    return k->version;
}

// A subset's triangles with what they were built from: a rig at rest draws
// the same meshes under the same matrices frame after frame, and the same
// inputs give the same triangles.
struct BuiltSubset {
    const Mesh* mesh = nullptr;
    int material = -1;
    std::uint64_t meshVersion = 0;
    SceneState scene;
    Viewport vp;
    std::vector<ScreenVertex> tris;
    int made = 0;
    // The triangles as the device takes them, and their depths under the
    // bias they were last drawn with.
    bool prepared = false;
    float preparedBias = 0.0f;
    std::vector<SDL_Vertex> sdl;
    std::vector<float> depths;
};

int BuildSubsetTrianglesOnce(const SceneState& scene, const Viewport& vp, const Mesh& mesh, int material,
                             std::vector<ScreenVertex>& out);

// The subset's triangles, built afresh or as last built.
BuiltSubset& BuiltTriangles(const SceneState& scene, const Viewport& vp, const Mesh& mesh, int material,
                            std::uint64_t sceneSerial)
{
    const std::uint64_t version = MeshVersion(mesh, sceneSerial);
    constexpr std::size_t kKept = 32; // subsets a frame draws, with room
    thread_local std::vector<BuiltSubset> built;
    thread_local std::size_t next = 0;
    BuiltSubset* slot = nullptr;
    for (BuiltSubset& b : built)
        if (b.mesh == &mesh && b.material == material) {
            slot = &b;
            break;
        }
    if (slot && slot->meshVersion == version && SameBuildState(slot->scene, scene) && SameBytes(slot->vp, vp))
        return *slot;
    if (!slot) {
        if (built.size() < kKept)
            slot = &built.emplace_back();
        else
            slot = &built[next++ % kKept];
    }
    slot->mesh = &mesh;
    slot->material = material;
    slot->meshVersion = version;
    slot->scene = scene;
    slot->vp = vp;
    slot->tris.clear();
    slot->made = BuildSubsetTrianglesOnce(scene, vp, mesh, material, slot->tris);
    slot->prepared = false;
    return *slot;
}

// The subset's triangles in the device's form, worked out once per build
// and bias.
const BuiltSubset& PreparedTriangles(const SceneState& scene, const Viewport& vp, const Mesh& mesh, int material,
                                     float depthBias, std::uint64_t sceneSerial)
{
    BuiltSubset& b = BuiltTriangles(scene, vp, mesh, material, sceneSerial);
    if (b.prepared && b.preparedBias == depthBias)
        return b;
    b.sdl.resize(b.tris.size());
    std::transform(b.tris.begin(), b.tris.end(), b.sdl.begin(), ToSdlVertex);
    b.depths.resize(std::size_t(b.made));
    for (std::size_t t = 0; t < b.depths.size(); ++t)
        b.depths[t] = TriangleDepth(b.tris.data() + 3 * t, depthBias);
    b.prepared = true;
    b.preparedBias = depthBias;
    return b;
}

} // namespace

int BuildSubsetTriangles(const SceneState& scene, const Viewport& vp, const Mesh& mesh, int material,
                         std::vector<ScreenVertex>& out)
{
    const BuiltSubset& b = BuiltTriangles(scene, vp, mesh, material, 0);
    out.insert(out.end(), b.tris.begin(), b.tris.end());
    return b.made;
}

namespace {

int BuildSubsetTrianglesOnce(const SceneState& scene, const Viewport& vp, const Mesh& mesh, int material,
                         std::vector<ScreenVertex>& out)
{
    VertexStage stage(scene, vp, mesh.vertices.size());
    int made = 0;
    for (const MeshFace& f : mesh.faces) {
        if (f.material != material)
            continue;
        ScreenVertex s[3];
        bool keep = true;
        for (int k = 0; k < 3 && keep; ++k) {
            if (f.index[k] >= mesh.vertices.size()) {
                keep = false;
                break;
            }
            const LitVertex& v = stage.Get(mesh, f.index[k]);
            keep = v.usable;
            s[k] = v.screen;
        }
        if (!keep)
            continue;
        if (!scene.cullNone) {
            // Front faces run clockwise on screen (y grows downward).
            const float area = (s[1].x - s[0].x) * (s[2].y - s[0].y) - (s[2].x - s[0].x) * (s[1].y - s[0].y);
            if (!(area > 0.0f))
                continue;
        }
        out.insert(out.end(), s, s + 3);
        ++made;
    }
    return made;
}

} // namespace

int DrawMeshSubset(Device& device, const Mesh& mesh, int material, const Texture* texture, float depthBias)
{
    if (material < 0 || material >= int(mesh.materials.size()))
        return kInvalidCall;
    const BuiltSubset& b = PreparedTriangles(device.Scene(), device.GetViewport(), mesh, material, depthBias,
                                                 device.SceneSerial());
    if (b.made == 0)
        return kOk;
    device.Count3DTriangles(b.made);
    return device.DrawPreparedTriangles(texture, b.sdl.data(), b.depths.data(), b.made);
}

} // namespace plat
