#include "platform/MeshDraw.h"

#include <algorithm>
#include <cmath>

namespace plat {
namespace {

struct LitVertex {
    Vec4 clip;
    Argb colour = 0xFFFFFFFF;
    float u = 0, v = 0;
    bool done = false;
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
    VertexStage(const SceneState& scene, std::size_t count)
        : m_scene(scene), m_viewProj(MatrixMultiply(scene.view, scene.projection)), m_cache(count)
    {
        m_ambient = {Unit(scene.ambient, 16), Unit(scene.ambient, 8), Unit(scene.ambient, 0), 1.0f};
        m_lightOn = scene.light0.enabled;
        // The light travels along its direction; a face is lit by how much it
        // faces the way the light comes from.
        m_toLight = Vec3Normalize(Vec3Scale(scene.light0.direction, -1.0f));
    }

    const LitVertex& Get(const Mesh& mesh, std::uint32_t i)
    {
        LitVertex& out = m_cache[i];
        if (out.done)
            return out;
        const MeshVertex& in = mesh.vertices[i];
        Vec3 p = Affine(in.position, m_scene.world[0]);
        Vec3 n = Vec3TransformNormal(in.normal, m_scene.world[0]);
        if (m_scene.blendWeights > 0) {
            p = Mix(p, Affine(in.position, m_scene.world[1]), in.weight);
            n = Mix(n, Vec3TransformNormal(in.normal, m_scene.world[1]), in.weight);
        }
        out.clip = Vec3Transform(p, m_viewProj);
        if (m_scene.lighting)
            out.colour = Light(Vec3Normalize(n));
        out.u = std::clamp(in.u, 0.0f, 1.0f);
        out.v = std::clamp(in.v, 0.0f, 1.0f);
        out.done = true;
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
    Matrix m_viewProj;
    std::vector<LitVertex> m_cache;
    Colour4 m_ambient;
    bool m_lightOn = false;
    Vec3 m_toLight;
};

} // namespace

int BuildSubsetTriangles(const SceneState& scene, const Viewport& vp, const Mesh& mesh, int material,
                         std::vector<ScreenVertex>& out)
{
    VertexStage stage(scene, mesh.vertices.size());
    const float range = vp.maxZ - vp.minZ;
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
            const Vec4& c = v.clip;
            // Without clipping, a corner behind the eye would fold the
            // triangle across the screen: such a triangle is left out.
            if (!(c.w > 0.0f) || c.z < 0.0f || c.z > c.w || !std::isfinite(c.x) || !std::isfinite(c.y)) {
                keep = false;
                break;
            }
            s[k].x = vp.x + (1.0f + c.x / c.w) * vp.width / 2.0f;
            s[k].y = vp.y + (1.0f - c.y / c.w) * vp.height / 2.0f;
            s[k].z = vp.minZ + c.z / c.w * range;
            s[k].colour = v.colour;
            s[k].u = v.u;
            s[k].v = v.v;
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

int DrawMeshSubset(Device& device, const Mesh& mesh, int material, const Texture* texture, float depthBias)
{
    if (material < 0 || material >= int(mesh.materials.size()))
        return kInvalidCall;
    std::vector<ScreenVertex> tris;
    const int n = BuildSubsetTriangles(device.Scene(), device.GetViewport(), mesh, material, tris);
    if (n == 0)
        return kOk;
    if (depthBias != 0.0f)
        for (ScreenVertex& v : tris)
            v.z = std::clamp(v.z + depthBias, 0.0f, 1.0f);
    device.Count3DTriangles(n);
    return device.DrawTriangles(texture, tris.data(), int(tris.size()));
}

} // namespace plat
