#include "tools/gen_meshes/MeshBuilder.h"

#include <cmath>

namespace meshgen {
namespace {

constexpr float kPi = 3.14159265358979f;

plat::Matrix NormalMatrix(const plat::Matrix& place)
{
    // Normals go through the inverse transpose, so scaled shapes keep
    // normals square to their surface.
    plat::Matrix inv, t;
    plat::MatrixInverse(place, inv);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            t.m[i][j] = inv.m[j][i];
    return t;
}

} // namespace

int MeshBuilder::AddMaterial(const char* textureFile, float r, float g, float b)
{
    plat::MeshMaterial m;
    m.material.diffuse = {r, g, b, 1.0f};
    m.textureFile = textureFile;
    m_mesh.materials.push_back(m);
    m_material = int(m_mesh.materials.size()) - 1;
    return m_material;
}

std::uint32_t MeshBuilder::AddVertex(const plat::Vec3& p, const plat::Vec3& n, float u, float v,
                                     const plat::Matrix& place)
{
    plat::MeshVertex x;
    x.position = plat::Vec3TransformCoord(p, place);
    x.normal = plat::Vec3Normalize(plat::Vec3TransformNormal(n, NormalMatrix(place)));
    x.weight = 1.0f;
    x.u = u;
    x.v = v;
    m_mesh.vertices.push_back(x);
    return std::uint32_t(m_mesh.vertices.size() - 1);
}

void MeshBuilder::AddTriangle(std::uint32_t a, std::uint32_t b, std::uint32_t c)
{
    const auto& va = m_mesh.vertices[a];
    const auto& vb = m_mesh.vertices[b];
    const auto& vc = m_mesh.vertices[c];
    const plat::Vec3 face = plat::Vec3Cross(plat::Vec3Subtract(vb.position, va.position),
                                            plat::Vec3Subtract(vc.position, va.position));
    if (plat::Vec3Length(face) < 1e-12f)
        return; // a point of the profile on the axis: nothing to draw
    const plat::Vec3 want = plat::Vec3Add(plat::Vec3Add(va.normal, vb.normal), vc.normal);
    if (plat::Vec3Dot(face, want) >= 0)
        m_mesh.faces.push_back({{a, b, c}, m_material});
    else
        m_mesh.faces.push_back({{a, c, b}, m_material});
}

void MeshBuilder::AddGrid(std::uint32_t first, int rows, int cols)
{
    for (int i = 0; i + 1 < rows; ++i)
        for (int k = 0; k + 1 < cols; ++k) {
            const std::uint32_t a = first + std::uint32_t(i * cols + k), b = a + 1, c = a + std::uint32_t(cols),
                                d = c + 1;
            AddTriangle(a, b, c);
            AddTriangle(b, d, c);
        }
}

void MeshBuilder::Lathe(const std::vector<ProfilePoint>& profile, int segments, const plat::Matrix& place, float sx,
                        float sy)
{
    const int n = int(profile.size());
    if (n < 2)
        return;
    std::vector<float> along(std::size_t(n), 0.0f);
    for (int i = 1; i < n; ++i)
        along[std::size_t(i)] = along[std::size_t(i - 1)] + std::hypot(profile[std::size_t(i)].z - profile[std::size_t(i - 1)].z,
                                                                         profile[std::size_t(i)].r - profile[std::size_t(i - 1)].r);
    const float total = along.back() > 0 ? along.back() : 1.0f;
    // Each row's normal in the (z, r) plane, from the segments beside it; a
    // repeated point takes only the segment on its own side.
    auto segNormal = [&](int i) { // of segment i .. i + 1
        const float dz = profile[std::size_t(i + 1)].z - profile[std::size_t(i)].z;
        const float dr = profile[std::size_t(i + 1)].r - profile[std::size_t(i)].r;
        const float l = std::hypot(dz, dr);
        return l > 0 ? ProfilePoint{-dr / l, dz / l} : ProfilePoint{0, 0};
    };
    std::vector<ProfilePoint> normals(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const bool dupPrev = i > 0 && profile[std::size_t(i - 1)].z == profile[std::size_t(i)].z &&
                             profile[std::size_t(i - 1)].r == profile[std::size_t(i)].r;
        const bool dupNext = i + 1 < n && profile[std::size_t(i + 1)].z == profile[std::size_t(i)].z &&
                             profile[std::size_t(i + 1)].r == profile[std::size_t(i)].r;
        ProfilePoint s{0, 0};
        if (i > 0 && !dupPrev) {
            ProfilePoint p = segNormal(i - 1);
            s.z += p.z;
            s.r += p.r;
        }
        if (i + 1 < n && !dupNext) {
            ProfilePoint p = segNormal(i);
            s.z += p.z;
            s.r += p.r;
        }
        const float l = std::hypot(s.z, s.r);
        normals[std::size_t(i)] = l > 0 ? ProfilePoint{s.z / l, s.r / l} : ProfilePoint{0, 1};
    }
    const std::uint32_t first = std::uint32_t(m_mesh.vertices.size());
    for (int i = 0; i < n; ++i)
        for (int k = 0; k <= segments; ++k) {
            const float a = 2 * kPi * float(k % segments) / float(segments);
            const float c = std::cos(a), s = std::sin(a);
            const ProfilePoint& p = profile[std::size_t(i)];
            const ProfilePoint& q = normals[std::size_t(i)];
            AddVertex({p.r * c * sx, p.r * s * sy, p.z}, {q.r * c / sx, q.r * s / sy, q.z}, float(k) / float(segments),
                      along[std::size_t(i)] / total, place);
        }
    AddGrid(first, n, segments + 1);
}

void MeshBuilder::Tube(const std::vector<plat::Vec3>& path, float r, int segments, const plat::Matrix& place)
{
    const int n = int(path.size());
    if (n < 2)
        return;
    const std::uint32_t first = std::uint32_t(m_mesh.vertices.size());
    plat::Vec3 side{};
    for (int i = 0; i < n; ++i) {
        const plat::Vec3 a = path[std::size_t(i > 0 ? i - 1 : i)], b = path[std::size_t(i + 1 < n ? i + 1 : i)];
        const plat::Vec3 t = plat::Vec3Normalize(plat::Vec3Subtract(b, a));
        // Carry the side vector along the path so the rings do not twist.
        if (i == 0) {
            plat::Vec3 ref = std::fabs(t.y) < 0.9f ? plat::Vec3{0, 1, 0} : plat::Vec3{1, 0, 0};
            side = plat::Vec3Normalize(plat::Vec3Cross(ref, t));
        } else {
            side = plat::Vec3Normalize(plat::Vec3Subtract(side, plat::Vec3Scale(t, plat::Vec3Dot(side, t))));
        }
        const plat::Vec3 up = plat::Vec3Cross(t, side);
        for (int k = 0; k <= segments; ++k) {
            const float a2 = 2 * kPi * float(k % segments) / float(segments);
            const plat::Vec3 n2 = plat::Vec3Add(plat::Vec3Scale(side, std::cos(a2)), plat::Vec3Scale(up, std::sin(a2)));
            AddVertex(plat::Vec3Add(path[std::size_t(i)], plat::Vec3Scale(n2, r)), n2, float(k) / float(segments),
                      float(i) / float(n - 1), place);
        }
    }
    AddGrid(first, n, segments + 1);
}

void MeshBuilder::Block(const plat::Vec3 (&c)[8], const plat::Matrix& place)
{
    static const int kFaces[6][4] = {{0, 1, 2, 3}, {4, 5, 6, 7}, {0, 1, 5, 4}, {1, 2, 6, 5}, {2, 3, 7, 6}, {3, 0, 4, 7}};
    plat::Vec3 centre{};
    for (const auto& p : c)
        centre = plat::Vec3Add(centre, plat::Vec3Scale(p, 1.0f / 8));
    for (const auto& f : kFaces) {
        const plat::Vec3 &a = c[f[0]], &b = c[f[1]], &d = c[f[2]], &e = c[f[3]];
        plat::Vec3 n = plat::Vec3Normalize(plat::Vec3Cross(plat::Vec3Subtract(d, a), plat::Vec3Subtract(e, b)));
        const plat::Vec3 mid = plat::Vec3Scale(plat::Vec3Add(plat::Vec3Add(a, b), plat::Vec3Add(d, e)), 0.25f);
        if (plat::Vec3Dot(n, plat::Vec3Subtract(mid, centre)) < 0)
            n = plat::Vec3Scale(n, -1);
        const std::uint32_t i0 = AddVertex(a, n, 0, 0, place), i1 = AddVertex(b, n, 1, 0, place),
                            i2 = AddVertex(d, n, 1, 1, place), i3 = AddVertex(e, n, 0, 1, place);
        AddTriangle(i0, i1, i2);
        AddTriangle(i0, i2, i3);
    }
}

void MeshBuilder::Box(const plat::Vec3& lo, const plat::Vec3& hi, const plat::Matrix& place)
{
    const plat::Vec3 c[8] = {{lo.x, lo.y, lo.z}, {hi.x, lo.y, lo.z}, {hi.x, lo.y, hi.z}, {lo.x, lo.y, hi.z},
                             {lo.x, hi.y, lo.z}, {hi.x, hi.y, lo.z}, {hi.x, hi.y, hi.z}, {lo.x, hi.y, hi.z}};
    Block(c, place);
}

} // namespace meshgen
