// The embedded reel and spinning-rod handle: they read, they have the parts,
// axes and materials the rod and the reel rely on, and they draw lit. The
// gallery test writes tackle3d.png next to the test program to look at.
#include "platform/Device.h"
#include "platform/Mesh.h"
#include "platform/MeshDraw.h"
#include "platform/Resources.h"
#include "tests/support/BuildFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr float kPi = 3.14159265358979f;
constexpr float kDeg = 0.017453292f;
// The handle is drawn round the blank, the reel's foot inside it.
constexpr float kHandleBias = -0.005f;
constexpr float kReelBias = 0.005f;

bool LoadMesh(int id, plat::Mesh& m)
{
    const plat::Resource* r = plat::FindResource(plat::ResourceKind::Mesh, id);
    if (!r)
        return false;
    std::string error;
    const bool ok = plat::ReadMeshText(reinterpret_cast<const char*>(r->data), r->size, m, &error);
    EXPECT_TRUE(ok) << "mesh " << id << ": " << error;
    return ok;
}

struct Extent {
    plat::Vec3 lo{1e9f, 1e9f, 1e9f}, hi{-1e9f, -1e9f, -1e9f};
};

Extent ExtentOf(const plat::Mesh& m, int material = -1)
{
    Extent e;
    for (const auto& f : m.faces) {
        if (material >= 0 && f.material != material)
            continue;
        for (auto i : f.index) {
            const plat::Vec3& p = m.vertices[i].position;
            e.lo = {std::min(e.lo.x, p.x), std::min(e.lo.y, p.y), std::min(e.lo.z, p.z)};
            e.hi = {std::max(e.hi.x, p.x), std::max(e.hi.y, p.y), std::max(e.hi.z, p.z)};
        }
    }
    return e;
}

int MaterialNamed(const plat::Mesh& m, const char* name)
{
    for (std::size_t i = 0; i < m.materials.size(); ++i)
        if (m.materials[i].textureFile == name)
            return int(i);
    return -1;
}

int MaterialOfVertex(const plat::Mesh& m, int v)
{
    for (const auto& f : m.faces)
        for (auto i : f.index)
            if (int(i) == v)
                return f.material;
    return -1;
}

TEST(TackleMeshes, ReelHasItsPartsWhereTheRodAndTheLineExpectThem)
{
    plat::Mesh reel;
    ASSERT_TRUE(LoadMesh(354, reel));
    EXPECT_GT(reel.faces.size(), 500u);
    EXPECT_LT(reel.faces.size(), 6000u);
    ASSERT_EQ(4u, reel.materials.size());
    const int body = MaterialNamed(reel, "CORPO.BMP"), spool = MaterialNamed(reel, "BOBINA.BMP"),
              bail = MaterialNamed(reel, "ARCHETTO.BMP"), handle = MaterialNamed(reel, "MANOVELLA.BMP");
    ASSERT_TRUE(body >= 0 && spool >= 0 && bail >= 0 && handle >= 0);
    // The line leaves from the bail's roller, the vertex of smallest x.
    EXPECT_EQ(bail, MaterialOfVertex(reel, reel.VertexOfSmallestX()));
    // The foot reaches the rod at y = 0.27 and nothing rises above it.
    const Extent all = ExtentOf(reel);
    EXPECT_NEAR(0.27f, all.hi.y, 1e-4);
    // Spool and rotor toward the tip (-z); the spool round the z axis.
    const Extent sp = ExtentOf(reel, spool);
    EXPECT_LT(sp.hi.z, 0.0f);
    EXPECT_NEAR(0.0f, (sp.lo.x + sp.hi.x) / 2, 1e-3);
    EXPECT_NEAR(0.0f, (sp.lo.y + sp.hi.y) / 2, 1e-3);
    EXPECT_LT(all.lo.z, sp.lo.z + 0.05f);
    EXPECT_LT(all.lo.z, -0.1f); // the smallest z sets where the rod's seat lies
    // The handle on +x, turning about the x axis.
    const Extent h = ExtentOf(reel, handle);
    EXPECT_GT(h.lo.x, 0.0f);
    EXPECT_NEAR(0.0f, (h.lo.z + h.hi.z) / 2, 1e-3);
    // A reel about a fifth of a unit long, hanging under the rod.
    EXPECT_GT(all.hi.z - all.lo.z, 0.2f);
    EXPECT_LT(all.hi.z - all.lo.z, 0.45f);
    // Every normal in use has length 1: the lighting relies on it.
    for (const auto& f : reel.faces)
        for (auto i : f.index)
            EXPECT_NEAR(1.0f, plat::Vec3Length(reel.vertices[i].normal), 1e-3);
}

TEST(TackleMeshes, HandleLiesAlongZWithItsButtAtTheRodsButt)
{
    plat::Mesh h;
    ASSERT_TRUE(LoadMesh(410, h));
    ASSERT_EQ(3u, h.materials.size());
    const Extent all = ExtentOf(h);
    // Drawn 1.025 back along the rod, the butt end meets the rod's butt.
    EXPECT_NEAR(1.025f, all.hi.z, 1e-4);
    EXPECT_NEAR(0.0f, (all.lo.x + all.hi.x) / 2, 1e-3);
    EXPECT_NEAR(0.0f, (all.lo.y + all.hi.y) / 2, 1e-3);
    // The reel seat lies under the reel, 0.5 up the rod.
    const Extent seat = ExtentOf(h, 1);
    EXPECT_LT(seat.lo.z, 0.46f);
    EXPECT_GT(seat.hi.z, 0.6f);
    // Rear grip behind the seat, fore grip ahead of it.
    EXPECT_GT(ExtentOf(h, 0).lo.z, 0.65f);
    EXPECT_LT(ExtentOf(h, 2).hi.z, 0.4f);
    for (const auto& v : h.vertices) {
        EXPECT_GE(v.u, 0.0f);
        EXPECT_LE(v.u, 1.0f);
        EXPECT_GE(v.v, 0.0f);
        EXPECT_LE(v.v, 1.0f);
    }
}

// ---------------------------------------------------------------- gallery

struct Scene {
    plat::Device& dev;
    plat::Mesh reel, handle, spinningRod, bologneseRod;
    plat::TexturePtr spinningTexture, bologneseTexture, cork, seat, reelParts[4];
};

void SetUpLight(plat::SceneState& s)
{
    s.lighting = true;
    s.depthTest = true;
    s.cullNone = false;
    s.ambient = 0xFF323232;
    s.blendWeights = 1;
    s.light0.enabled = true;
    s.light0.diffuse = {0.7f, 0.7f, 0.7f, 1.0f};
    s.light0.direction = {-1.0f, -0.3f, -1.0f};
}

void SetWorld(plat::Device& dev, const plat::Matrix& m)
{
    dev.Scene().world[0] = dev.Scene().world[1] = m;
}

// The rod's world: butt at the origin, rising toward -z at the angle.
plat::Matrix RodWorld(float back, float angle, float sideDegrees = 0)
{
    const float s2 = sideDegrees * kDeg;
    const plat::Vec3 axis{std::cos(-s2), 0, std::sin(s2)};
    return plat::MatrixMultiply(plat::MatrixMultiply(plat::MatrixTranslation(0, 0, -back), plat::MatrixRotationY(-s2)),
                                plat::MatrixRotationAxis(axis, angle * kDeg));
}

void DrawReel(Scene& sc, const plat::Matrix& world, float handleDegrees)
{
    for (int m = 0; m < int(sc.reel.materials.size()); ++m) {
        plat::Material mat = sc.reel.materials[std::size_t(m)].material;
        mat.ambient = mat.diffuse;
        sc.dev.Scene().material = mat;
        const std::string& name = sc.reel.materials[std::size_t(m)].textureFile;
        plat::Matrix w = world;
        if (name == "ARCHETTO.BMP")
            w = plat::MatrixMultiply(plat::MatrixRotationZ(-handleDegrees * kDeg), world);
        if (name == "MANOVELLA.BMP")
            w = plat::MatrixMultiply(plat::MatrixRotationX(-handleDegrees * kDeg), world);
        SetWorld(sc.dev, w);
        plat::DrawMeshSubset(sc.dev, sc.reel, m, sc.reelParts[m].get(), kReelBias);
    }
}

// A spinning rod of 240 (geometry 290) or a bolognese of 500, on 600 rows.
constexpr float kSpinningLength = 5.0f / 600.0f * 290.0f, kBologneseLength = 5.0f / 600.0f * 500.0f;

void DrawRod(Scene& sc, float angle, bool spinning, float side)
{
    plat::Material white;
    white.diffuse = white.ambient = {1, 1, 1, 1};
    sc.dev.Scene().material = white;
    const float length = spinning ? kSpinningLength : kBologneseLength;
    SetWorld(sc.dev, RodWorld(length / 2, angle, side));
    plat::DrawMeshSubset(sc.dev, spinning ? sc.spinningRod : sc.bologneseRod, 0,
                         spinning ? sc.spinningTexture.get() : sc.bologneseTexture.get());
    if (spinning) {
        SetWorld(sc.dev, RodWorld(2.05f / 2, angle, side));
        for (int m = 0; m < 3; ++m) {
            plat::Material mat = sc.handle.materials[std::size_t(m)].material;
            mat.ambient = mat.diffuse;
            sc.dev.Scene().material = mat;
            plat::DrawMeshSubset(sc.dev, sc.handle, m, m == 1 ? sc.seat.get() : sc.cork.get(), kHandleBias);
        }
    }
    // The reel hangs 0.27 under the rod, 0.5 up from the butt.
    DrawReel(sc, plat::MatrixMultiply(plat::MatrixTranslation(0, -0.27f, -0.5f), RodWorld(0, angle, side)), 40);
}

// The rod cylinder as the rod builds it: weights and u from the tip to the
// reel seat, the grip texel beyond.
plat::Mesh RodCylinder(float length, float buttRadius, float seatOffset)
{
    plat::Mesh c = plat::MakeCylinder(0.005f, buttRadius, length, 20, 10);
    const float limit = length / 2 + seatOffset - 0.5f;
    float seatZ = -length / 2;
    for (const auto& v : c.vertices)
        if (v.position.z < limit)
            seatZ = std::max(seatZ, v.position.z);
    for (std::size_t i = 0; i < c.vertices.size(); ++i) {
        auto& v = c.vertices[i];
        if (v.position.z > seatZ || seatZ <= -length / 2) {
            v.weight = 1;
            v.u = v.v = 0;
        } else {
            const float t = std::fabs(v.position.z + length / 2) / (seatZ + length / 2);
            v.weight = std::sin(t * kPi / 2);
            v.u = t;
            v.v = float(i % 21) / 20.0f;
        }
    }
    return c;
}

plat::Image Shot(Scene& sc, const plat::Vec3& eye, const plat::Vec3& at, float fov, bool reelOnly, bool spinning,
                 float side = 0)
{
    plat::Device& dev = sc.dev;
    plat::SceneState& s = dev.Scene();
    s.view = plat::MatrixLookAtLH(eye, at, {0, 1, 0});
    s.projection = plat::MatrixPerspectiveFovLH(fov, 800.0f / 600.0f, reelOnly ? 0.05f : 1.0f, 1000.0f);
    dev.Clear(0xFF6F8FA8);
    dev.BeginScene();
    if (reelOnly)
        DrawReel(sc, plat::MatrixIdentity(), 0);
    else
        DrawRod(sc, 45.0f, spinning, side);
    EXPECT_GT(dev.Triangles3D(), 100);
    dev.EndScene();
    plat::Image img;
    dev.ReadPixels(img);
    return img;
}

TEST(TackleMeshes, GalleryOfTheLitReelAndHandle)
{
    int st = -1;
    auto dev = plat::Device::CreateHeadless(800, 600, &st);
    ASSERT_TRUE(dev) << plat::StatusName(st);
    Scene sc{*dev, {}, {}, {}, {}, {}, {}, {}, {}, {}};
    ASSERT_TRUE(LoadMesh(354, sc.reel));
    ASSERT_TRUE(LoadMesh(410, sc.handle));
    for (auto& v : sc.reel.vertices) { // as the reel loads it: each part one colour
        v.weight = 0;
        v.u = v.v = 0;
    }
    const int reelIds[4] = {362, 387, 365, 363}; // body, spool in orange line, bail, handle
    for (int i = 0; i < 4; ++i)
        sc.reelParts[i] = dev->CreateTextureFromResource(reelIds[i], 0, 0, &st);
    sc.spinningTexture = dev->CreateTextureFromResource(350, 0, 0, &st);
    sc.bologneseTexture = dev->CreateTextureFromResource(346, 0, 0, &st);
    sc.cork = dev->CreateTextureFromResource(412, 0, 0, &st);
    sc.seat = dev->CreateTextureFromResource(411, 0, 0, &st);
    ASSERT_TRUE(sc.spinningTexture && sc.bologneseTexture && sc.cork && sc.seat && sc.reelParts[3]);
    SetUpLight(dev->Scene());
    sc.spinningRod = RodCylinder(kSpinningLength, 0.03f, sc.reel.SmallestZ());
    sc.bologneseRod = RodCylinder(kBologneseLength, (500.0f - 210.0f) / 40000.0f + 0.03f, sc.reel.SmallestZ());
    const plat::Vec3 reelAt = plat::Vec3TransformCoord({0, -0.27f, -0.5f}, RodWorld(0, 45));
    const plat::Vec3 turnedReelAt = plat::Vec3TransformCoord({0, -0.27f, -0.5f}, RodWorld(0, 45, 40));

    // Four views, each a quarter of the sheet: the reel from behind and
    // above on the handle's side, a bolognese's reel through the game's
    // camera zoomed in, the spinning handle with the reel close up, and the
    // spinning rod swung 40 degrees aside through the game's camera zoomed in.
    const plat::Image shots[4] = {
        Shot(sc, {0.32f, 0.3f, 0.42f}, {0, 0.02f, -0.06f}, kPi / 4, true, false),
        Shot(sc, {0, 2.8f, 6.0f}, reelAt, kPi / 24, false, false),
        Shot(sc, {0.9f, 1.2f, 1.3f}, {0, 0.45f, -0.5f}, kPi / 8, false, true),
        Shot(sc, {0, 2.8f, 6.0f}, turnedReelAt, kPi / 16, false, true, 40),
    };
    const plat::Image game = Shot(sc, {0, 2.8f, 6.0f}, {0, 2.6f, 0}, kPi / 4, false, true);
    plat::Image sheet(800, 600);
    for (int q = 0; q < 4; ++q)
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < 400; ++x) {
                // Half size, by averaging 2 x 2.
                std::uint32_t r = 0, g = 0, b = 0;
                for (int k = 0; k < 4; ++k) {
                    const std::uint32_t p = shots[q].At(2 * x + k % 2, 2 * y + k / 2);
                    r += (p >> 16) & 0xFF;
                    g += (p >> 8) & 0xFF;
                    b += p & 0xFF;
                }
                sheet.At((q % 2) * 400 + x, (q / 2) * 300 + y) = 0xFF000000u | (r / 4) << 16 | (g / 4) << 8 | (b / 4);
            }
    EXPECT_TRUE(plat::SavePng(testing_support::BuildFolderFile("tackle3d.png"), sheet));
    // The close-ups are mostly tackle; the game's view shows the rod from
    // the bottom edge up.
    auto inked = [](const plat::Image& img) {
        int n = 0;
        for (auto p : img.pixels)
            n += (p & 0xFFFFFF) != 0x6F8FA8;
        return n;
    };
    EXPECT_GT(inked(shots[0]), 800 * 600 / 10);
    EXPECT_GT(inked(shots[1]), 800 * 600 / 20);
    EXPECT_NE(0x6F8FA8u, game.At(400, 595) & 0xFFFFFF);
    // Full shots for a closer look.
    plat::SavePng(testing_support::BuildFolderFile("tackle3d_reel.png"), shots[0]);
    plat::SavePng(testing_support::BuildFolderFile("tackle3d_bolognese.png"), shots[1]);
    plat::SavePng(testing_support::BuildFolderFile("tackle3d_handle.png"), shots[2]);
    plat::SavePng(testing_support::BuildFolderFile("tackle3d_turned.png"), shots[3]);
    plat::SavePng(testing_support::BuildFolderFile("tackle3d_game.png"), game);
}

} // namespace
