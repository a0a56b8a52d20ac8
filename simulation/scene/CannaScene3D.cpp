// The rod drawn in 3D: a tapered blank bent between two world matrices by
// its vertex weights, seen by a camera that stays behind the angler and
// turns to follow the rod; a spinning rod adds its handle mesh.
#include "simulation/tackle/Canna.h"

#include "platform/MeshDraw.h"
#include "platform/Resources.h"
#include "shell/Utility.h"
#include "simulation/tackle/Scene3D.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr float kDegToRad = 0.017453292f;
constexpr int kMeshHandle = 410;
constexpr int kHandleTextures[3] = {412, 411, 412}; // rear grip cork, reel seat, fore grip cork
constexpr float kHandleScale = 2.05f;
// The handle is drawn round the blank: a small bias keeps it in front.
constexpr float kHandleBias = -0.005f;

} // namespace

int CCanna::ColourTextureId(int colour)
{
    if (colour == 1)
        return 343;
    if (colour >= 2 && colour <= 10)
        return 345 + (colour - 2);
    return 344;
}

void CCanna::SetSeatOffset(float offset)
{
    if (offset == m_seatOffset)
        return;
    m_seatOffset = offset;
    m_seatVertex = -1;
    if (IsScene3DInUse())
        Build3DRod();
}

void CCanna::Build3DRod()
{
    const float h = float(std::max(1, GetScreenHeight()));
    const float l = m_length;
    const float g = (l == 210.0f || l == 240.0f || l == 270.0f) ? 290.0f : l;
    m_length3D = 5.0f / h * g;
    m_buttRadius = m_current.type == kRodSpinning ? 0.03f : (g - 210.0f) / 40000.0f + 0.03f;
    m_cylinder = plat::MakeCylinder(0.005f, m_buttRadius, m_length3D, 20, 10);
    m_tipVertex = m_cylinder.VertexOfSmallestZ();
    const float tipZ = m_cylinder.vertices[std::size_t(m_tipVertex)].position.z;
    const float limit = m_length3D / 2.0f + m_seatOffset - 0.5f;
    m_seatVertex = -1;
    float seatZ = 0.0f;
    for (std::size_t i = 0; i < m_cylinder.vertices.size(); ++i) {
        const float z = m_cylinder.vertices[i].position.z;
        if (z < limit && (m_seatVertex < 0 || z > seatZ)) {
            m_seatVertex = int(i);
            seatZ = z;
        }
    }
    // A reel reaching past every ring toward the tip leaves no vertex below
    // the limit: the seat is then the butt end, and the blend runs over the
    // whole blank instead of dividing by nothing.
    if (m_seatVertex < 0 || seatZ - tipZ <= 0.0f) {
        m_seatVertex = 0;
        for (std::size_t i = 0; i < m_cylinder.vertices.size(); ++i)
            if (m_cylinder.vertices[i].position.z > m_cylinder.vertices[std::size_t(m_seatVertex)].position.z)
                m_seatVertex = int(i);
        seatZ = m_cylinder.vertices[std::size_t(m_seatVertex)].position.z;
    }
    const float span = seatZ - tipZ;
    for (std::size_t i = 0; i < m_cylinder.vertices.size(); ++i) {
        plat::MeshVertex& v = m_cylinder.vertices[i];
        if (v.position.z > seatZ) {
            v.weight = 1.0f;
            v.u = v.v = 0.0f;
            continue;
        }
        const float t = std::min(1.0f, std::fabs(v.position.z - tipZ) / span);
        v.weight = std::sin(t * 90.0f * kDegToRad);
        v.u = t;
        v.v = float(i % 21) / 20.0f;
    }
}

void CCanna::SetWorldTransforms(plat::Device* dev, float endX, float lengthScale)
{
    if (!dev)
        return;
    const float w = float(GetScreenWidth());
    const float f = std::clamp(GetFlexFactor() * m_bend, -12.0f, 12.0f);
    const float a = m_angle;
    float k = std::fabs(a - 15.0f) < 20.0f ? (a - 15.0f) * 5.0f : 100.0f;
    k = std::clamp(k, 0.0f, 100.0f);
    const float q = k / 100.0f * f;
    const float s2 = GetSideSwing() * kDegToRad;
    const plat::Vec3 axis{std::cos(-s2), 0.0f, std::sin(s2)};
    const plat::Matrix back = plat::MatrixTranslation(0.0f, 0.0f, -lengthScale / 2.0f);
    plat::SceneState& s = dev->Scene();
    s.world[0] = plat::MatrixMultiply(plat::MatrixMultiply(back, plat::MatrixRotationY(-s2)),
                                      plat::MatrixRotationAxis(axis, a * kDegToRad));
    const float reach = endX - (std::cos(m_sideAngle * kDegToRad) * 500.0f + float(int(m_points[11][0])));
    const float yaw = (reach / (w * 0.25f)) * f * kDegToRad + s2;
    s.world[1] = plat::MatrixMultiply(plat::MatrixMultiply(back, plat::MatrixRotationY(-yaw)),
                                      plat::MatrixRotationAxis(axis, std::max(a + 2.0f * q, 12.0f) * kDegToRad));
}

void CCanna::ProjectTip3D(plat::Device* dev)
{
    if (!dev || m_tipVertex < 0 || m_cylinder.vertices.empty())
        return;
    const plat::SceneState& s = dev->Scene();
    const plat::Viewport& vp = dev->GetViewport();
    auto blended = [&](int index) {
        const plat::MeshVertex& v = m_cylinder.vertices[std::size_t(index)];
        const plat::Vec3 p0 = plat::Vec3Project(v.position, vp, s.projection, s.view, s.world[0]);
        const plat::Vec3 p1 = plat::Vec3Project(v.position, vp, s.projection, s.view, s.world[1]);
        return plat::Vec3Subtract(p1, plat::Vec3Scale(plat::Vec3Subtract(p1, p0), v.weight));
    };
    const plat::Vec3 tip = blended(m_tipVertex);
    m_points[11][0] = tip.x;
    m_points[11][1] = tip.y;
    m_tip[0] = tip.x;
    m_tip[1] = m_base[1] - m_projectedSum * kPerspective;
    m_tipPoint[0] = m_tip[0];
    m_tipPoint[1] = m_tip[1];
    m_tipInWater = 0;
    if (HasReel() && m_seatVertex >= 0) {
        const plat::Vec3 seat = blended(m_seatVertex);
        m_seatPoint[0] = seat.x;
        m_seatPoint[1] = seat.y;
    }
}

void CCanna::Load3DHandle(plat::Device* dev)
{
    m_handle = plat::Mesh{};
    for (auto& t : m_handleTextures)
        t.reset();
    const plat::Resource* r = plat::FindResource(plat::ResourceKind::Mesh, kMeshHandle);
    std::string error = "not embedded";
    if (!r || !plat::ReadMeshText(reinterpret_cast<const char*>(r->data), r->size, m_handle, &error)) {
        // The spinning rod is then drawn without its handle.
        m_handle = plat::Mesh{};
        LogError("CCanna::Load3DHandle", Concat2("rod handle mesh unreadable: ", error.c_str()), __LINE__);
        return;
    }
    for (auto& v : m_handle.vertices)
        v.weight = 1.0f;
    for (auto& m : m_handle.materials)
        m.material.ambient = m.material.diffuse;
    if (!dev)
        return;
    // Only the materials the mesh has take a texture.
    const std::size_t n = std::min<std::size_t>(3, m_handle.materials.size());
    for (std::size_t i = 0; i < n; ++i) {
        int st = 0;
        m_handleTextures[i] = dev->CreateTextureFromResource(kHandleTextures[i], 0, 0, &st);
    }
}

void CCanna::Release3D()
{
    m_colourTexture.reset();
    m_colourTextureId = 0;
    m_cylinder = plat::Mesh{};
    m_tipVertex = -1;
    m_seatVertex = -1;
    m_handle = plat::Mesh{};
    for (auto& t : m_handleTextures)
        t.reset();
}

void CCanna::Draw3D(plat::Device* dev)
{
    if (!dev)
        return;
    if (m_cylinder.Empty())
        Build3DRod();
    const int id = ColourTextureId(m_current.colour);
    if (!m_colourTexture || m_colourTextureId != id) {
        int st = 0;
        m_colourTexture = dev->CreateTextureFromResource(id, 0, 0, &st);
        m_colourTextureId = m_colourTexture ? id : 0;
    }
    SetWorldTransforms(dev, m_lastEndX, m_length3D);
    dev->Scene().material = Scene3DMaterial();
    plat::DrawMeshSubset(*dev, m_cylinder, 0, m_colourTexture.get());
    if (m_current.type != kRodSpinning || m_handle.Empty())
        return;
    SetWorldTransforms(dev, m_lastEndX, kHandleScale);
    for (int m = 0; m < int(m_handle.materials.size()); ++m) {
        dev->Scene().material = m_handle.materials[std::size_t(m)].material;
        const plat::Texture* t = m < 3 ? m_handleTextures[m].get() : nullptr;
        plat::DrawMeshSubset(*dev, m_handle, m, t, kHandleBias);
    }
    // Back to the blank's own matrices: the reel and the tip read them.
    SetWorldTransforms(dev, m_lastEndX, m_length3D);
}
