// The rod and reel in the 3D scene: the blank's size, weights and texture,
// the projected tip and reel seat, the camera following the rod, the reel's
// parts and textures, and pictures of both rods at the lake.
#include "tests/simulation/scene/RigSceneFixture.h"

#include "platform/Files.h"
#include "platform/MeshDraw.h"
#include "shell/Utility.h"
#include "simulation/tackle/Scene3D.h"
#include "world/Calendario.h"

#include <cmath>
#include <filesystem>
#include <fstream>

namespace {

bool g_ready3D = false;
plat::Material g_white;

// The scene state the application sets up for the 3D rig, and its flag.
class Rod3DTest : public rig_test::RigSceneTest {
protected:
    void SetUp() override
    {
        g_ready3D = true;
        g_white = plat::Material{};
        g_white.diffuse = g_white.ambient = {1, 1, 1, 1};
        Scene3DLink link;
        link.ready = [] { return g_ready3D; };
        link.material = []() -> const plat::Material* { return &g_white; };
        SetScene3DLink(link);
        RigSceneTest::SetUp(); // builds the rig with the 3D scene ready
    }
    void TearDown() override
    {
        ClearScene3DLink();
        RigSceneTest::TearDown();
    }
    void SetUp3DState()
    {
        plat::SceneState& s = dev->Scene();
        s.light0 = plat::Light{};
        s.light0.diffuse = {0.7f, 0.7f, 0.7f, 1.0f};
        s.light0.direction = {-1.0f, -0.3f, -1.0f};
        s.light0.enabled = true;
        s.material = g_white;
        s.lighting = true;
        s.depthTest = true;
        s.cullNone = false;
        s.ambient = 0xFF323232;
        s.blendWeights = 1;
        s.view = plat::MatrixLookAtLH({0.0f, 2.8f, 6.0f}, {0.0f, 2.6f, 0.0f}, {0.0f, 1.0f, 0.0f});
        s.projection = plat::MatrixPerspectiveFovLH(3.14159265f / 4.0f, 800.0f / 600.0f, 1.0f, 1000.0f);
    }
    // The rod at rest: stored angle 45, side angle 90, no bend.
    void RodAtRest(int x)
    {
        CCanna& rod = rig.m_canna;
        rod.SetLength(500);
        rod.SetX(x);
        rod.m_angle = 45.0f;
        rod.m_sideAngle = 90.0f;
        rod.m_bend = rod.m_bendTarget = 0.0f;
        rod.UpdateShape(float(x));
    }
};

TEST_F(Rod3DTest, BlankSizeTipAndCameraForARodOf500)
{
    SetUp3DState();
    CCanna& rod = rig.m_canna;
    rod.SetX(400);
    RodAtRest(400);
    EXPECT_NEAR(4.167f, rod.Get3DLength(), 5e-4);
    EXPECT_NEAR(0.03725f, rod.GetButtRadius(), 1e-6);
    EXPECT_NEAR(400.0f, rod.m_points[11][0], 1.0f);
    EXPECT_NEAR(264.0f, rod.m_points[11][1], 1.0f);
    // The camera turns to follow the rod: at the left limit the tip is drawn
    // a little further left than the butt.
    RodAtRest(135);
    EXPECT_EQ(135, rod.GetX());
    EXPECT_NEAR(120.0f, rod.m_points[11][0], 1.0f);
    // The line leaves the tip's x; its height stays the flat rod's.
    EXPECT_EQ(rod.m_points[11][0], rod.m_tip[0]);
    EXPECT_NEAR(620.0f - rod.m_projectedSum * CCanna::kPerspective, rod.m_tip[1], 1e-3);
    EXPECT_FALSE(rod.IsTipInWater());
}

TEST_F(Rod3DTest, AngleColourTextureAndSpinningButt)
{
    CCanna& rod = rig.m_canna;
    rod.SetAngle(10);
    EXPECT_EQ(15.0f, rod.m_angle);
    rod.SetAngle(40);
    EXPECT_EQ(37.0f, rod.m_angle);
    const struct {
        int colour, bitmap;
    } kColours[] = {{0, 344}, {1, 343}, {2, 345}, {5, 348}, {10, 353}, {11, 344}, {-1, 344}};
    for (const auto& c : kColours)
        EXPECT_EQ(c.bitmap, CCanna::ColourTextureId(c.colour)) << c.colour;
    rod.m_current.colour = 11;
    Frames(1);
    EXPECT_EQ(344, rod.GetColourTextureId());
    rod.m_current.colour = 7;
    Frames(1);
    EXPECT_EQ(350, rod.GetColourTextureId());
    // A spinning blank is slimmer at the butt; a 240 rod is built as 290.
    rod.m_current.type = kRodSpinning;
    rod.SetLength(240);
    EXPECT_NEAR(0.03f, rod.GetButtRadius(), 1e-6);
    EXPECT_NEAR(5.0f / 600.0f * 290.0f, rod.Get3DLength(), 1e-4);
}

// Weights run from 0 at the tip to 1 at the reel seat, u with them; every
// vertex past the seat is stiff and takes the grip texel.
TEST_F(Rod3DTest, BlankWeightsAndTextureCoordinates)
{
    CCanna& rod = rig.m_canna;
    rod.SetLength(500);
    const plat::Mesh& c = rod.GetCylinder();
    ASSERT_EQ(11u * 21u, c.vertices.size());
    const int tip = rod.GetTipVertex(), seat = rod.GetSeatVertex();
    ASSERT_GE(tip, 0);
    ASSERT_GE(seat, 0);
    const float tipZ = c.vertices[std::size_t(tip)].position.z, seatZ = c.vertices[std::size_t(seat)].position.z;
    EXPECT_NEAR(-rod.Get3DLength() / 2, tipZ, 1e-5);
    // The seat lies below where the reel's nearest part reaches.
    const float limit = rod.Get3DLength() / 2 + rig.m_mulinello.m_smallestZ - 0.5f;
    EXPECT_LT(seatZ, limit);
    for (const auto& v : c.vertices) {
        if (v.position.z < limit) {
            EXPECT_LE(v.position.z, seatZ);
        }
    }
    EXPECT_EQ(0.0f, c.vertices[std::size_t(tip)].weight);
    EXPECT_NEAR(1.0f, c.vertices[std::size_t(seat)].weight, 1e-5);
    for (std::size_t i = 0; i < c.vertices.size(); ++i) {
        const plat::MeshVertex& v = c.vertices[i];
        if (v.position.z > seatZ) {
            EXPECT_EQ(1.0f, v.weight);
            EXPECT_EQ(0.0f, v.u);
            EXPECT_EQ(0.0f, v.v);
        } else {
            const float t = (v.position.z - tipZ) / (seatZ - tipZ);
            EXPECT_NEAR(t, v.u, 1e-5);
            EXPECT_NEAR(std::sin(t * 1.5707963f), v.weight, 1e-5);
            EXPECT_NEAR(float(i % 21) / 20.0f, v.v, 1e-6);
        }
    }
}

// A reel reaching past every ring toward the tip (a short rod on a tall
// screen) leaves no vertex below the seat limit: the butt end serves as the
// seat and every weight and coordinate stays a number.
TEST_F(Rod3DTest, ReelReachingPastTheWholeBlankTakesTheButtAsSeat)
{
    CCanna& rod = rig.m_canna;
    rod.SetLength(210);
    rod.SetSeatOffset(-10.0f);
    const plat::Mesh& c = rod.GetCylinder();
    const int seat = rod.GetSeatVertex();
    ASSERT_GE(seat, 0);
    EXPECT_NEAR(rod.Get3DLength() / 2, c.vertices[std::size_t(seat)].position.z, 1e-5);
    for (const auto& v : c.vertices) {
        EXPECT_TRUE(std::isfinite(v.weight) && std::isfinite(v.u));
        EXPECT_GE(v.u, 0.0f);
        EXPECT_LE(v.u, 1.0f);
    }
    SetUp3DState();
    rod.SetX(400);
    rod.UpdateShape(400);
    EXPECT_TRUE(std::isfinite(rod.m_tip[0]) && std::isfinite(rod.m_seatPoint[0]));
}

TEST_F(Rod3DTest, ReelFindsItsPartsAndTakesTheLineColourOnTheSpool)
{
    CMulinello& reel = rig.m_mulinello;
    ASSERT_TRUE(reel.HasMesh3D());
    EXPECT_GE(reel.m_bail, 0);
    EXPECT_GE(reel.m_handle, 0);
    EXPECT_GE(reel.m_body, 0);
    EXPECT_GE(reel.m_spool, 0);
    EXPECT_LT(reel.m_smallestZ, 0.0f);
    EXPECT_EQ(reel.m_smallestZ, rig.m_canna.m_seatOffset);
    for (const auto& v : reel.m_mesh.vertices) {
        EXPECT_EQ(0.0f, v.weight);
        EXPECT_EQ(0.0f, v.u);
    }
    // The built-in reel wears the built-in parts.
    EXPECT_EQ(362, reel.m_textureIds[std::size_t(reel.m_body)]);
    EXPECT_EQ(363, reel.m_textureIds[std::size_t(reel.m_handle)]);
    EXPECT_EQ(365, reel.m_textureIds[std::size_t(reel.m_bail)]);
    const struct {
        int colour, bitmap;
    } kSpools[] = {{0, 356}, {1, 357}, {5, 361}, {6, 384}, {12, 390}, {13, 356}, {-2, 356}};
    for (const auto& s : kSpools) {
        EXPECT_EQ(s.bitmap, CMulinello::SpoolTextureId(s.colour)) << s.colour;
        rig.m_lenza.m_material.m_colour = s.colour;
        reel.LoadSpoolTexture(dev.get());
        EXPECT_EQ(s.bitmap, reel.m_textureIds[std::size_t(reel.m_spool)]);
    }
}

// A reel's own part pictures sit in the folder named as its file without
// the extension; an id too short to have one has no such folder.
TEST_F(Rod3DTest, ReelPartsFromItsOwnFolderThenTheDefaults)
{
    EXPECT_EQ("", CMulinello::PartFolder("/r", "ab.x"));
    EXPECT_EQ("", CMulinello::PartFolder("/r", ""));
    EXPECT_EQ(plat::JoinPath("/r", "Red"), CMulinello::PartFolder("/r", "Red.kvm"));

    const std::string folder = plat::JoinPath(g_GestFile.GetProgramSubfolder(CMulinello::kKind.programFolder), "");
    const std::string dir = plat::JoinPath(folder, "Red");
    std::filesystem::create_directories(dir);
    {
        std::ofstream f(plat::JoinPath(folder, "Red.kvm"));
        f << "[MULINELLO]\nNOME=Red\n";
    }
    const plat::Image red(4, 4, 0xFFC02020);
    ASSERT_TRUE(plat::SavePng(plat::JoinPath(dir, "CORPO.BMP"), red));
    CMulinello& reel = rig.m_mulinello;
    reel.Load(dev.get());
    reel.SelectById(dev.get(), "Red.kvm");
    ASSERT_STREQ("Red.kvm", reel.m_current.id);
    EXPECT_TRUE(reel.m_textures[std::size_t(reel.m_body)]);
    EXPECT_EQ(0, reel.m_textureIds[std::size_t(reel.m_body)]); // its own file
    EXPECT_EQ(363, reel.m_textureIds[std::size_t(reel.m_handle)]);
    EXPECT_EQ(365, reel.m_textureIds[std::size_t(reel.m_bail)]);

    // A file whose name begins with a blank goes by the id a saved rig gives
    // back; its pictures are still in the folder named after the file.
    const std::string spaced = plat::JoinPath(folder, " Blue");
    std::filesystem::create_directories(spaced);
    {
        std::ofstream f(plat::JoinPath(folder, " Blue.kvm"));
        f << "[MULINELLO]\nNOME=Blue\n";
    }
    ASSERT_TRUE(plat::SavePng(plat::JoinPath(spaced, "MANOVELLA.BMP"), red));
    reel.Load(dev.get());
    reel.SelectById(dev.get(), "Blue.kvm");
    ASSERT_STREQ("Blue", reel.m_current.name);
    EXPECT_EQ(0, reel.m_textureIds[std::size_t(reel.m_handle)]);
    EXPECT_EQ(362, reel.m_textureIds[std::size_t(reel.m_body)]);
}

TEST_F(Rod3DTest, TexturesAndMeshesFollowTheDevice)
{
    SetUp3DState();
    Frames(2);
    rig.OnLostDevice();
    EXPECT_TRUE(rig.m_canna.GetCylinder().Empty());
    EXPECT_FALSE(rig.m_mulinello.HasMesh3D());
    ASSERT_EQ(plat::kOk, dev->Reset());
    SetUp3DState();
    rig.OnResetDevice(dev.get());
    EXPECT_FALSE(rig.m_canna.GetCylinder().Empty());
    EXPECT_TRUE(rig.m_mulinello.HasMesh3D());
    dev->BeginScene();
    rig.Render(dev.get(), 0);
    EXPECT_GT(dev->Triangles3D(), 100);
    dev->EndScene();
}

// Started again with the 3D scene turned off, neither the rod nor the reel
// keeps a mesh from the 3D start before.
TEST_F(Rod3DTest, RestartIntoTheFlatSceneDropsBothMeshes)
{
    SetUp3DState();
    Frames(2);
    ASSERT_FALSE(rig.m_canna.GetCylinder().Empty());
    ASSERT_TRUE(rig.m_mulinello.HasMesh3D());
    g_ready3D = false;
    rig.Init(dev.get(), 400);
    EXPECT_TRUE(rig.m_canna.GetCylinder().Empty());
    EXPECT_FALSE(rig.m_mulinello.HasMesh3D());
    Frames(2);
    EXPECT_FALSE(rig.m_mulinello.HasMesh3D());
}

// Pictures at the lake to look at: a bolognese with its reel, a spinning
// rod with its handle, and a bolognese bent under a fish.
TEST_F(Rod3DTest, PicturesAtTheLake)
{
    SetUp3DState();
    g_Calendario.SetMonth(5);
    g_Calendario.SetHour(11); // late morning in June: the lake in daylight
    WithBackground();
    CCanna& rod = rig.m_canna;
    auto shot = [&](const char* name) {
        dev->Clear(0xFF204060);
        dev->BeginScene();
        g_Sfondo.Render(dev.get());
        rig.Render(dev.get(), 0);
        const int triangles = dev->Triangles3D();
        dev->EndScene();
        EXPECT_GT(triangles, 300) << name;
        SavePicture(name);
    };
    rod.m_current.type = kRodBolognese;
    rod.m_current.colour = 3;
    rod.m_sideAngle = 75.0f;
    rig.NewCast();
    rig.Cast();
    Frames(200);
    rig.m_mulinello.m_handleAngle = 60;
    shot("rod3d_bolognese.png");
    // The line leaves the bail toward the reel seat, below the blank's tip.
    EXPECT_LT(rod.m_seatPoint[1], 600.0f);
    EXPECT_GT(rod.m_seatPoint[1], rod.m_points[11][1]);

    rod.m_current.type = kRodSpinning;
    rod.m_current.colour = 8;
    rod.SetLength(270);
    rig.NewCast();
    rig.Cast();
    Frames(200);
    shot("rod3d_spinning.png");

    rod.m_current.type = kRodBolognese;
    rod.m_current.colour = 6;
    rod.SetLength(500);
    rig.NewCast();
    rig.Cast();
    Frames(200);
    rod.m_phase = kPhaseFish;
    rod.m_bend = rod.m_bendTarget = -12.0f;
    rig.m_lenza.m_tension = 150.0f;
    Frames(3);
    shot("rod3d_fish_on.png");
}

} // namespace
