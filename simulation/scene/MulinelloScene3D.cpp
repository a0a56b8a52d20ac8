// The reel drawn in 3D under the rod's reel seat: body, spool in the line's
// colour, the bail turning about the spool's axis and the handle about its
// own, and the short piece of line from the bail's roller to the rod.
#include "simulation/tackle/Mulinello.h"

#include "platform/Files.h"
#include "platform/MeshDraw.h"
#include "platform/Resources.h"
#include "shell/Linee.h"
#include "shell/Utility.h"
#include "simulation/tackle/CannaPesca.h"
#include "simulation/tackle/Scene3D.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>

namespace {

constexpr int kMeshReel = 354;
constexpr float kDegToRad = 0.017453292f;
constexpr int kBitmapBody = 362, kBitmapHandle = 363, kBitmapSpool = 364, kBitmapBail = 365;
constexpr const char* kPartFiles[4] = {"ARCHETTO.BMP", "MANOVELLA.BMP", "CORPO.BMP", "BOBINA.BMP"};
// The reel's foot sits inside the blank: a small bias keeps it behind.
constexpr float kReelBias = 0.005f;

std::string Upper(const std::string& s)
{
    std::string u = s;
    for (char& c : u)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    return u;
}

} // namespace

int CMulinello::SpoolTextureId(int lineColour)
{
    if (lineColour >= 1 && lineColour <= 5)
        return 356 + lineColour;
    if (lineColour >= 6 && lineColour <= 12)
        return 384 + (lineColour - 6);
    return 356;
}

std::string CMulinello::PartFolder(const char* folder, const char* id)
{
    const std::size_t n = id ? std::strlen(id) : 0;
    // The id is a file name with its dot and three-letter extension.
    if (n <= 4)
        return std::string();
    return plat::JoinPath(folder ? folder : "", std::string(id, n - 4));
}

void CMulinello::Release3D()
{
    m_mesh = plat::Mesh{};
    m_textures.clear();
    m_textureIds.clear();
    m_lineDrawer.reset();
    m_bail = m_handle = m_body = m_spool = -1;
    m_exitVertex = -1;
    m_smallestZ = 0.0f;
}

void CMulinello::LoadMesh(plat::Device* dev)
{
    Release3D();
    const plat::Resource* r = plat::FindResource(plat::ResourceKind::Mesh, kMeshReel);
    std::string error = "not embedded";
    if (!r || !plat::ReadMeshText(reinterpret_cast<const char*>(r->data), r->size, m_mesh, &error)) {
        m_mesh = plat::Mesh{};
        LogError("CMulinello::LoadMesh", Concat2("reel mesh unreadable: ", error.c_str()), __LINE__);
        return;
    }
    m_exitVertex = m_mesh.VertexOfSmallestX();
    m_smallestZ = m_mesh.SmallestZ();
    // Weight and texture coordinates 0: each part takes its texture's first
    // texel as its colour.
    for (auto& v : m_mesh.vertices) {
        v.weight = 0.0f;
        v.u = v.v = 0.0f;
    }
    for (std::size_t i = 0; i < m_mesh.materials.size(); ++i) {
        plat::MeshMaterial& m = m_mesh.materials[i];
        m.material.ambient = m.material.diffuse;
        const std::string name = Upper(m.textureFile);
        int* slot[4] = {&m_bail, &m_handle, &m_body, &m_spool};
        for (int k = 0; k < 4; ++k)
            if (name == kPartFiles[k])
                *slot[k] = int(i);
    }
    if (dev) {
        int st = 0;
        m_lineDrawer = dev->CreateLineDrawer(&st);
    }
    if (m_rig)
        m_rig->m_canna.SetSeatOffset(m_smallestZ);
    LoadPartTextures(dev);
}

void CMulinello::LoadPartTextures(plat::Device* dev)
{
    if (m_mesh.Empty())
        return;
    m_textures.assign(m_mesh.materials.size(), nullptr);
    m_textureIds.assign(m_mesh.materials.size(), 0);
    if (dev && std::strcmp(m_current.id, "INTERNAL_0") != 0) {
        const std::string folder =
            PartFolder(m_current.folder, m_current.fileName[0] ? m_current.fileName : m_current.id);
        const int parts[4] = {m_bail, m_handle, m_body, m_spool};
        for (int k = 0; k < 4 && !folder.empty(); ++k) {
            if (parts[k] < 0)
                continue;
            int st = 0;
            m_textures[std::size_t(parts[k])] =
                dev->CreateTextureFromFile(plat::JoinPath(folder, kPartFiles[k]), 0, 0, &st);
        }
    }
    LoadDefaultTextures(dev);
}

void CMulinello::LoadDefaultTextures(plat::Device* dev)
{
    if (!dev || m_textures.empty())
        return;
    const int parts[4] = {m_body, m_handle, m_spool, m_bail};
    const int ids[4] = {kBitmapBody, kBitmapHandle, kBitmapSpool, kBitmapBail};
    for (int k = 0; k < 4; ++k) {
        if (parts[k] < 0 || m_textures[std::size_t(parts[k])])
            continue;
        int st = 0;
        m_textures[std::size_t(parts[k])] = dev->CreateTextureFromResource(ids[k], 0, 0, &st);
        m_textureIds[std::size_t(parts[k])] = m_textures[std::size_t(parts[k])] ? ids[k] : 0;
    }
}

void CMulinello::LoadSpoolTexture(plat::Device* dev)
{
    if (!dev || m_textures.empty() || m_spool < 0)
        return;
    const int colour = m_rig ? m_rig->m_lenza.m_material.m_colour : 0;
    const int id = SpoolTextureId(colour);
    int st = 0;
    m_textures[std::size_t(m_spool)] = dev->CreateTextureFromResource(id, 0, 0, &st);
    m_textureIds[std::size_t(m_spool)] = m_textures[std::size_t(m_spool)] ? id : 0;
}

void CMulinello::Draw3D(plat::Device* dev)
{
    if (!dev || m_mesh.Empty() || !m_rig)
        return;
    const CCanna& rod = m_rig->m_canna;
    const float y = rod.GetSideSwing() * kDegToRad;
    const plat::Matrix r1 = plat::MatrixRotationY(-y);
    const plat::Matrix r2 = plat::MatrixRotationAxis({std::cos(y), 0.0f, std::sin(y)}, rod.m_angle * kDegToRad);
    const plat::Matrix base =
        plat::MatrixMultiply(plat::MatrixMultiply(plat::MatrixTranslation(0.0f, -0.27f, -0.5f), r1), r2);
    const float turn = -float(m_handleAngle) * kDegToRad;
    plat::SceneState& s = dev->Scene();
    for (int m = 0; m < int(m_mesh.materials.size()); ++m) {
        s.material = m_mesh.materials[std::size_t(m)].material;
        plat::Matrix world = base;
        if (m == m_bail)
            world = plat::MatrixMultiply(plat::MatrixRotationZ(turn), base);
        else if (m == m_handle)
            world = plat::MatrixMultiply(plat::MatrixRotationX(turn), base);
        s.world[0] = s.world[1] = world;
        const plat::Texture* t = std::size_t(m) < m_textures.size() ? m_textures[std::size_t(m)].get() : nullptr;
        plat::DrawMeshSubset(*dev, m_mesh, m, t, kReelBias);
        ComputeMatrices(dev, m);
    }
}

void CMulinello::ComputeMatrices(plat::Device* dev, int material)
{
    if (material != m_bail || m_exitVertex < 0 || !m_rig)
        return;
    const plat::SceneState& s = dev->Scene();
    const plat::Vec3 p = plat::Vec3Project(m_mesh.vertices[std::size_t(m_exitVertex)].position, dev->GetViewport(),
                                           s.projection, s.view, s.world[0]);
    m_exitPoint[0] = p.x;
    m_exitPoint[1] = p.y;
    const float* seat = m_rig->m_canna.m_seatPoint;
    if (!m_lineDrawer || (seat[0] == 0.0f && seat[1] == 0.0f))
        return;
    const plat::Vec2 pts[2] = {{p.x, p.y}, {seat[0], seat[1]}};
    const float* c = m_rig->m_lenza.m_colour;
    DrawPolyline(dev, m_lineDrawer.get(), pts, 2, c[0], c[1], c[2], c[3], 2.0f, IsScene3DInUse(), 0.99f);
}
