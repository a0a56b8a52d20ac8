// The 3D layer: mesh text reading, the tapered cylinder, and drawing a
// subset through known matrices, light and blending.
#include "platform/Device.h"
#include "platform/Mesh.h"
#include "platform/MeshDraw.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

namespace {

constexpr float kPi = 3.14159265358979f;

// A quad of two triangles in two materials, written the way our generator
// writes, with the extras the format allows (template declarations, names,
// comments, a short face-material list).
const char kSample[] = R"(xof 0303txt 0032
template Mesh {
 <3D82AB44-62DA-11cf-AB39-0020AF71E433>
 DWORD nVertices;
 [...]
}
// the test quad
Header { 1; 0; 1; }
Mesh quad {
 4;
 0.0;0.0;0.0;,
 1.0;0.0;0.0;,
 1.0;1.0;0.0;,
 0.0;1.0;0.0;;
 2;
 3;0,2,1;,
 3;0,3,2;;
 MeshNormals {
  1;
  0.0;0.0;-1.0;;
  2;
  3;0,0,0;,
  3;0,0,0;;
 }
 MeshTextureCoords {
  4;
  0.0;0.0;, 1.0;0.0;, 1.0;1.0;, 0.0;1.0;;
 }
 MeshMaterialList {
  2;
  1;
  1;;
  Material {
   1.0;0.5;0.25;1.0;;
   8.0;
   0.1;0.2;0.3;;
   0.0;0.0;0.0;;
   TextureFilename { "CORPO.BMP"; }
  }
  Material red {
   1.0;0.0;0.0;0.5;;
   0.0;
   0.0;0.0;0.0;;
   0.0;0.0;0.0;;
  }
 }
}
)";

plat::Mesh Read(const std::string& text, std::string* error = nullptr)
{
    plat::Mesh m;
    std::string e;
    bool ok = plat::ReadMeshText(text.data(), text.size(), m, &e);
    if (error)
        *error = ok ? "" : e;
    return m;
}

TEST(MeshText, ReadsTheSubsetOurGeneratorWrites)
{
    std::string error;
    plat::Mesh m = Read(kSample, &error);
    ASSERT_EQ("", error);
    ASSERT_EQ(4u, m.vertices.size());
    ASSERT_EQ(2u, m.faces.size());
    ASSERT_EQ(2u, m.materials.size());
    EXPECT_EQ("CORPO.BMP", m.materials[0].textureFile);
    EXPECT_EQ("", m.materials[1].textureFile);
    EXPECT_FLOAT_EQ(0.5f, m.materials[0].material.diffuse.g);
    EXPECT_FLOAT_EQ(8.0f, m.materials[0].material.power);
    EXPECT_FLOAT_EQ(0.3f, m.materials[0].material.specular.b);
    EXPECT_FLOAT_EQ(0.5f, m.materials[1].material.diffuse.a);
    // A short face-material list: the last index holds for the faces left.
    EXPECT_EQ(1, m.faces[0].material);
    EXPECT_EQ(1, m.faces[1].material);
    for (const auto& v : m.vertices) {
        EXPECT_FLOAT_EQ(-1.0f, v.normal.z);
        EXPECT_FLOAT_EQ(v.position.x, v.u);
        EXPECT_FLOAT_EQ(1.0f, v.weight);
    }
    const plat::Vec3 c = m.vertices[m.faces[0].index[1]].position;
    EXPECT_FLOAT_EQ(1.0f, c.x);
    EXPECT_FLOAT_EQ(1.0f, c.y);
}

TEST(MeshText, WrittenMeshesReadBackUnchanged)
{
    plat::Mesh c = plat::MakeCylinder(0.005f, 0.03f, 4.0f, 20, 10);
    c.materials[0].textureFile = "ROD.BMP";
    c.vertices[7].weight = 1.0f;
    const std::string text = plat::WriteMeshText(c);
    plat::Mesh back;
    std::string error;
    ASSERT_TRUE(plat::ReadMeshText(text.data(), text.size(), back, &error)) << error;
    ASSERT_EQ(c.vertices.size(), back.vertices.size());
    ASSERT_EQ(c.faces.size(), back.faces.size());
    for (std::size_t i = 0; i < c.vertices.size(); ++i) {
        EXPECT_NEAR(c.vertices[i].position.z, back.vertices[i].position.z, 1e-5);
        EXPECT_NEAR(c.vertices[i].normal.x, back.vertices[i].normal.x, 1e-5);
        EXPECT_NEAR(c.vertices[i].v, back.vertices[i].v, 1e-5);
    }
    for (std::size_t i = 0; i < c.faces.size(); ++i)
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(c.faces[i].index[k], back.faces[i].index[k]);
    EXPECT_EQ("ROD.BMP", back.materials[0].textureFile);

    // The largest finite numbers still make whole lines: a cut line would
    // give a file that cannot be read back.
    const float big = 3.4e38f;
    c.materials[0].material.diffuse = {big, -big, big, big};
    c.materials[0].material.power = -big;
    c.materials[0].material.specular = c.materials[0].material.emissive = {-big, big, -big, 1};
    c.vertices[0].position = c.vertices[0].normal = {-big, -big, -big};
    const std::string huge = plat::WriteMeshText(c);
    ASSERT_TRUE(plat::ReadMeshText(huge.data(), huge.size(), back, &error)) << error;
    EXPECT_FLOAT_EQ(back.materials[0].material.diffuse.g, -big);
    EXPECT_FLOAT_EQ(back.materials[0].material.emissive.b, -big);
    EXPECT_FLOAT_EQ(back.vertices[0].normal.z, -big);
}

TEST(MeshText, MalformedTextsAreRefused)
{
    const std::string good = kSample;
    auto edit = [&](const char* from, const char* to) {
        std::string s = good;
        std::size_t at = s.find(from);
        EXPECT_NE(std::string::npos, at) << from;
        return at == std::string::npos ? s : s.replace(at, std::strlen(from), to);
    };
    const struct {
        const char* what;
        std::string text;
    } cases[] = {
        {"binary header", edit("0303txt", "0303bin")},
        {"unknown version", edit("0303txt", "0101txt")},
        {"too few vertices for the count", edit(" 4;\n 0.0;0.0;0.0;,", " 5;\n 0.0;0.0;0.0;,")},
        {"a huge vertex count", edit(" 4;\n 0.0;0.0;0.0;,", " 4000000000;\n 0.0;0.0;0.0;,")},
        {"a negative count", edit(" 2;\n 3;0,2,1", " -2;\n 3;0,2,1")},
        {"a face index out of range", edit("3;0,3,2;;\n MeshNormals", "3;0,4,2;;\n MeshNormals")},
        {"a quad face", edit("3;0,3,2;;\n MeshNormals", "4;0,3,2,1;;\n MeshNormals")},
        {"a normal index out of range", edit("3;0,0,0;;", "3;0,1,0;;")},
        {"normal faces short", edit("  2;\n  3;0,0,0;,\n  3;0,0,0;;", "  1;\n  3;0,0,0;;")},
        {"texture coordinates short", edit("  4;\n  0.0;0.0;, 1.0;0.0;,", "  3;\n  0.0;0.0;, 1.0;0.0;,")},
        {"a face material out of range", edit("  1;\n  1;;", "  1;\n  2;;")},
        {"more face materials than faces", edit("  2;\n  1;\n  1;;", "  2;\n  3;\n  1,1,1;;")},
        {"fewer materials than counted", edit("  2;\n  1;\n", "  3;\n  1;\n")},
        {"a number that is not finite", edit("1.0;1.0;0.0;,", "1.0;nan;0.0;,")},
        {"a word for a number", edit("1.0;1.0;0.0;,", "1.0;one;0.0;,")},
        {"no normals", edit(" MeshNormals {\n  1;", " Other {\n  1;")},
        {"an unterminated texture name", edit("\"CORPO.BMP\";", "\"CORPO.BMP;")},
        {"two meshes", good + "Mesh { 0; 0; MeshNormals { 0; 0; } }\n"},
        {"stray data after the mesh", good + "12;\n"},
        {"an unclosed skipped block", edit("Header { 1; 0; 1; }", "Header { 1; 0; 1; ")},
        {"blocks nested too deep", edit("Header { 1; 0; 1; }", ("Header " + std::string(40, '{') + std::string(40, '}')).c_str())},
        {"no mesh at all", "xof 0303txt 0032\nHeader { 1; 0; 1; }\n"},
        {"empty", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        plat::Mesh m;
        m.vertices.resize(3);
        std::string error;
        EXPECT_FALSE(plat::ReadMeshText(c.text.data(), c.text.size(), m, &error));
        EXPECT_FALSE(error.empty());
        EXPECT_TRUE(m.vertices.empty() && m.faces.empty() && m.materials.empty());
    }
    // Every cut of a good text is refused too, and none reads past the cut
    // (each prefix is its own exact-size buffer for the address sanitizer).
    for (std::size_t n = 0; n <= good.rfind('}'); ++n) {
        std::string cut(good, 0, n);
        std::vector<char> exact(cut.begin(), cut.end());
        plat::Mesh m;
        EXPECT_FALSE(plat::ReadMeshText(exact.data(), exact.size(), m)) << "cut at " << n;
    }
}

TEST(Cylinder, RingsTaperAndFaceOutward)
{
    const float length = 4.0f;
    plat::Mesh c = plat::MakeCylinder(0.005f, 0.03f, length, 20, 10);
    ASSERT_EQ(11u * 21u, c.vertices.size());
    ASSERT_EQ(10u * 20u * 2u, c.faces.size());
    ASSERT_EQ(1u, c.materials.size());
    for (std::size_t i = 0; i < c.vertices.size(); ++i) {
        const auto& v = c.vertices[i];
        const int ring = int(i / 21), k = int(i % 21);
        const float r = std::hypot(v.position.x, v.position.y);
        EXPECT_NEAR(-length / 2 + length * ring / 10.0f, v.position.z, 1e-5);
        EXPECT_NEAR(0.005f + (0.03f - 0.005f) * ring / 10.0f, r, 1e-6);
        EXPECT_NEAR(k / 20.0f, v.v, 1e-6);
        EXPECT_NEAR(ring / 10.0f, v.u, 1e-6);
        EXPECT_FLOAT_EQ(1.0f, v.weight);
        // Normals point away from the axis and lean toward the thin end.
        EXPECT_GT(v.normal.x * v.position.x + v.normal.y * v.position.y, 0.0f);
        EXPECT_LT(v.normal.z, 0.0f);
        EXPECT_NEAR(1.0f, plat::Vec3Length(v.normal), 1e-5);
    }
    // The seam vertex repeats the ring's first position.
    EXPECT_NEAR(c.vertices[0].position.x, c.vertices[20].position.x, 1e-6);
    EXPECT_NEAR(c.vertices[0].position.y, c.vertices[20].position.y, 1e-6);
    EXPECT_EQ(0, c.VertexOfSmallestZ());
    EXPECT_FLOAT_EQ(-length / 2, c.SmallestZ());
    // Front faces are clockwise seen from outside: their geometric normal
    // (second - first) x (third - first) points outward.
    for (const auto& f : c.faces) {
        const auto& a = c.vertices[f.index[0]].position;
        const auto& b = c.vertices[f.index[1]].position;
        const auto& d = c.vertices[f.index[2]].position;
        plat::Vec3 n = plat::Vec3Cross(plat::Vec3Subtract(b, a), plat::Vec3Subtract(d, a));
        plat::Vec3 out{a.x + b.x + d.x, a.y + b.y + d.y, 0};
        EXPECT_GT(plat::Vec3Dot(n, out), 0.0f);
    }
}

// ---------------------------------------------------------------- drawing

// One triangle facing the camera (-z) in the z = 0 plane.
plat::Mesh Triangle(plat::Vec3 a, plat::Vec3 b, plat::Vec3 c, plat::Vec3 normal = {0, 0, -1})
{
    plat::Mesh m;
    for (auto p : {a, b, c}) {
        plat::MeshVertex v;
        v.position = p;
        v.normal = normal;
        m.vertices.push_back(v);
    }
    m.faces.push_back({{0, 1, 2}, 0});
    m.materials.emplace_back();
    return m;
}

// The camera at the origin looking along +z, 90 degrees high, 800 x 600.
plat::SceneState Camera()
{
    plat::SceneState s;
    s.projection = plat::MatrixPerspectiveFovLH(kPi / 2, 800.0f / 600.0f, 1.0f, 100.0f);
    return s;
}

const plat::Viewport kViewport{0, 0, 800, 600, 0.0f, 1.0f};

TEST(MeshDraw, CornersAndDepthThroughKnownMatrices)
{
    plat::SceneState s = Camera();
    s.world[0] = plat::MatrixTranslation(0, 0, 5);
    std::vector<plat::ScreenVertex> out;
    ASSERT_EQ(1, plat::BuildSubsetTriangles(s, kViewport, Triangle({0, 0, 0}, {1, 1, 0}, {1, -1, 0}), 0, out));
    ASSERT_EQ(3u, out.size());
    // x: 1 / 5 of the half width / aspect; y: 1 / 5 of the half height.
    const float depth = 100.0f / 99.0f * (1.0f - 1.0f / 5.0f);
    EXPECT_NEAR(400.0f, out[0].x, 1e-3);
    EXPECT_NEAR(300.0f, out[0].y, 1e-3);
    EXPECT_NEAR(460.0f, out[1].x, 1e-3);
    EXPECT_NEAR(240.0f, out[1].y, 1e-3);
    EXPECT_NEAR(360.0f, out[2].y, 1e-3);
    for (const auto& v : out) {
        EXPECT_NEAR(depth, v.z, 1e-5);
        EXPECT_EQ(0xFFFFFFFFu, v.colour); // lighting off: white
    }
    // The view and the viewport's own offset and depth range apply too.
    s.world[0] = plat::MatrixIdentity();
    s.view = plat::MatrixTranslation(0, 0, 5);
    out.clear();
    plat::Viewport vp{10, 20, 800, 600, 0.5f, 1.0f};
    plat::BuildSubsetTriangles(s, vp, Triangle({0, 0, 0}, {1, 1, 0}, {1, -1, 0}), 0, out);
    ASSERT_EQ(3u, out.size());
    EXPECT_NEAR(470.0f, out[1].x, 1e-3);
    EXPECT_NEAR(260.0f, out[1].y, 1e-3);
    EXPECT_NEAR(0.5f + 0.5f * depth, out[1].z, 1e-5);
    // The device does not wrap: texture coordinates stay in 0..1.
    plat::Mesh t = Triangle({0, 0, 0}, {1, 1, 0}, {1, -1, 0});
    t.vertices[0].u = 1.5f;
    t.vertices[0].v = -0.25f;
    t.vertices[1].u = 0.25f;
    out.clear();
    plat::BuildSubsetTriangles(s, vp, t, 0, out);
    ASSERT_EQ(3u, out.size());
    EXPECT_EQ(1.0f, out[0].u);
    EXPECT_EQ(0.0f, out[0].v);
    EXPECT_EQ(0.25f, out[1].u);
    // The same mesh again, changed in place or seen through another matrix,
    // gives its new triangles, not those it gave last time.
    t.vertices[1].position.x = 2;
    plat::BuildSubsetTriangles(s, vp, t, 0, out);
    s.view = plat::MatrixTranslation(0, 0, 10);
    plat::BuildSubsetTriangles(s, vp, t, 0, out);
    ASSERT_EQ(9u, out.size());
    EXPECT_NEAR(470.0f, out[1].x, 1e-3);
    EXPECT_NEAR(530.0f, out[4].x, 1e-3);
    EXPECT_NEAR(470.0f, out[7].x, 1e-3);
    EXPECT_EQ(1.0f, out[6].u);
}

TEST(MeshDraw, TrianglesReachingBehindTheNearPlaneOrSeenFromBehindAreDropped)
{
    plat::SceneState s = Camera();
    std::vector<plat::ScreenVertex> out;
    // One corner at z 0.5, in front of the eye but behind the near plane at 1.
    EXPECT_EQ(0, plat::BuildSubsetTriangles(s, kViewport, Triangle({0, 0, 0.5f}, {1, 1, 5}, {1, -1, 5}), 0, out));
    EXPECT_EQ(0, plat::BuildSubsetTriangles(s, kViewport, Triangle({0, 0, -3}, {1, 1, 5}, {1, -1, 5}), 0, out));
    EXPECT_EQ(0, plat::BuildSubsetTriangles(s, kViewport, Triangle({0, 0, 200}, {1, 1, 5}, {1, -1, 5}), 0, out));
    EXPECT_TRUE(out.empty());
    // Culling follows the scene: the same triangle wound the other way.
    const plat::Mesh front = Triangle({0, 0, 5}, {1, 1, 5}, {1, -1, 5});
    const plat::Mesh back = Triangle({0, 0, 5}, {1, -1, 5}, {1, 1, 5});
    EXPECT_EQ(1, plat::BuildSubsetTriangles(s, kViewport, back, 0, out));
    s.cullNone = false;
    EXPECT_EQ(1, plat::BuildSubsetTriangles(s, kViewport, front, 0, out));
    EXPECT_EQ(0, plat::BuildSubsetTriangles(s, kViewport, back, 0, out));
    // Only the asked material's faces.
    EXPECT_EQ(0, plat::BuildSubsetTriangles(s, kViewport, front, 1, out));
}

TEST(MeshDraw, WhiteFacesLitByAmbientAndTheLight)
{
    // The game's scene: ambient 0x323232, a light of 0.7 along (-1, -0.3, -1),
    // a white material.
    plat::SceneState s = Camera();
    s.lighting = true;
    s.ambient = 0xFF323232;
    s.light0.enabled = true;
    s.light0.diffuse = {0.7f, 0.7f, 0.7f, 1.0f};
    s.light0.direction = {-1.0f, -0.3f, -1.0f};
    s.material.diffuse = s.material.ambient = {1, 1, 1, 1};
    s.world[0] = plat::MatrixTranslation(0, 0, 5);
    const plat::Vec3 toLight = plat::Vec3Normalize({1.0f, 0.3f, 1.0f});
    // A normal at 60 degrees from the light's way, in the plane of it and y.
    const plat::Vec3 side = plat::Vec3Normalize(plat::Vec3Cross(toLight, {0, 1, 0}));
    const plat::Vec3 at60 = plat::Vec3Add(plat::Vec3Scale(toLight, 0.5f), plat::Vec3Scale(side, std::sqrt(3.0f) / 2));
    const struct {
        plat::Vec3 normal;
        float expected;
    } cases[] = {
        {toLight, 0.196f + 0.7f},
        {at60, 0.196f + 0.35f},
        {plat::Vec3Scale(toLight, -1), 0.196f},
        {side, 0.196f},
    };
    for (const auto& c : cases) {
        std::vector<plat::ScreenVertex> out;
        plat::BuildSubsetTriangles(s, kViewport, Triangle({0, 0, 0}, {1, 1, 0}, {1, -1, 0}, c.normal), 0, out);
        ASSERT_EQ(3u, out.size());
        const int want = int(c.expected * 255.0f);
        for (int shift : {16, 8, 0})
            EXPECT_NEAR(want, int((out[0].colour >> shift) & 0xFF), 1) << c.expected;
        EXPECT_EQ(0xFFu, out[0].colour >> 24);
    }
    // Alpha comes from the material's diffuse; emissive adds and clamps.
    s.material.diffuse.a = 0.5f;
    s.material.emissive = {0.5f, 0, 0, 0};
    std::vector<plat::ScreenVertex> out;
    plat::BuildSubsetTriangles(s, kViewport, Triangle({0, 0, 0}, {1, 1, 0}, {1, -1, 0}, toLight), 0, out);
    EXPECT_EQ(127u, out[0].colour >> 24);
    EXPECT_EQ(255u, (out[0].colour >> 16) & 0xFF);
}

TEST(MeshDraw, BlendWeightsMixTheTwoWorldMatrices)
{
    plat::SceneState s = Camera();
    s.world[0] = plat::MatrixTranslation(0, 0, 5);
    s.world[1] = plat::MatrixTranslation(2, 0, 5);
    plat::Mesh m = Triangle({0, 0, 0}, {1, 1, 0}, {1, -1, 0});
    const struct {
        int blend;
        float weight, x;
    } cases[] = {
        {1, 0.5f, 1.0f}, // halfway
        {1, 1.0f, 0.0f}, // world 0 alone
        {1, 0.0f, 2.0f}, // world 1 alone
        {0, 0.0f, 0.0f}, // blending off: world 0 whatever the weight
    };
    for (const auto& c : cases) {
        s.blendWeights = c.blend;
        m.vertices[0].weight = c.weight;
        std::vector<plat::ScreenVertex> out;
        plat::BuildSubsetTriangles(s, kViewport, m, 0, out);
        ASSERT_EQ(3u, out.size());
        EXPECT_NEAR(400.0f + c.x / 5.0f * 300.0f, out[0].x, 1e-3) << c.weight;
    }
}

TEST(MeshDraw, OverlappingTrianglesDrawFarToNearInAnyOrderAndAreCounted)
{
    int st = -1;
    auto dev = plat::Device::CreateHeadless(800, 600, &st);
    ASSERT_TRUE(dev) << plat::StatusName(st);
    plat::SceneState& s = dev->Scene();
    s = Camera();
    s.lighting = true; // only the emissive colours: no ambient, no light
    plat::Mesh near = Triangle({-2, -2, 4}, {0, 1, 4}, {2, -2, 4});
    plat::Mesh far = Triangle({-4, -4, 8}, {0, 4, 8}, {4, -4, 8});
    for (bool nearFirst : {true, false}) {
        SCOPED_TRACE(nearFirst);
        dev->Clear(0xFF000000);
        dev->BeginScene();
        EXPECT_EQ(0, dev->Triangles3D());
        for (int k = 0; k < 2; ++k) {
            bool drawNear = (k == 0) == nearFirst;
            s.material = {};
            s.material.diffuse.a = 1.0f;
            (drawNear ? s.material.emissive.r : s.material.emissive.b) = 1.0f;
            EXPECT_EQ(plat::kOk, plat::DrawMeshSubset(*dev, drawNear ? near : far, 0, nullptr));
        }
        EXPECT_EQ(2, dev->Triangles3D());
        dev->EndScene();
        EXPECT_EQ(0xFFFF0000u, dev->ReadPixel(400, 300) | 0xFF000000u); // the near one on top
        EXPECT_EQ(0xFF0000FFu, dev->ReadPixel(400, 170) | 0xFF000000u); // the far one beyond it
    }
    // A bias settles the order the other way.
    dev->Clear(0xFF000000);
    dev->BeginScene();
    s.material.emissive = {1, 0, 0, 0};
    plat::DrawMeshSubset(*dev, near, 0, nullptr, 0.2f);
    s.material.emissive = {0, 0, 1, 0};
    plat::DrawMeshSubset(*dev, far, 0, nullptr);
    dev->EndScene();
    EXPECT_EQ(0xFF0000FFu, dev->ReadPixel(400, 300) | 0xFF000000u);
    // The same meshes again without the bias: the near one's kept triangles
    // take their own depths again, not the biased ones.
    for (float bias : {0.0f, 0.2f, 0.0f}) {
        SCOPED_TRACE(bias);
        dev->Clear(0xFF000000);
        dev->BeginScene();
        s.material.emissive = {1, 0, 0, 0};
        plat::DrawMeshSubset(*dev, near, 0, nullptr, bias);
        s.material.emissive = {0, 0, 1, 0};
        plat::DrawMeshSubset(*dev, far, 0, nullptr);
        dev->EndScene();
        EXPECT_EQ(bias == 0.0f ? 0xFFFF0000u : 0xFF0000FFu, dev->ReadPixel(400, 300) | 0xFF000000u);
    }
    dev->BeginScene();
    EXPECT_EQ(0, dev->Triangles3D()); // a new scene counts afresh
    EXPECT_EQ(plat::kInvalidCall, plat::DrawMeshSubset(*dev, near, 1, nullptr));
    dev->EndScene();
}

// A mesh at rest is built once and drawn from what was kept; one changed in
// place between scenes (a rod bending) is drawn afresh, every subset of it.
TEST(MeshDraw, AMeshChangedInPlaceIsDrawnAfreshInTheNextScene)
{
    int st = -1;
    auto dev = plat::Device::CreateHeadless(800, 600, &st);
    ASSERT_TRUE(dev) << plat::StatusName(st);
    plat::SceneState& s = dev->Scene();
    s = Camera();
    s.lighting = true;
    // Two subsets: a red triangle left of the centre, a blue one right of it.
    plat::Mesh m = Triangle({-3, -1, 4}, {-2, 1, 4}, {-1, -1, 4});
    plat::Mesh right = Triangle({1, -1, 4}, {2, 1, 4}, {3, -1, 4});
    m.vertices.insert(m.vertices.end(), right.vertices.begin(), right.vertices.end());
    m.faces.push_back({{3, 4, 5}, 1});
    m.materials.emplace_back();
    auto draw = [&] {
        dev->Clear(0xFF000000);
        dev->BeginScene();
        for (int material : {0, 1}) {
            s.material = {};
            s.material.diffuse.a = 1.0f;
            (material == 0 ? s.material.emissive.r : s.material.emissive.b) = 1.0f;
            EXPECT_EQ(plat::kOk, plat::DrawMeshSubset(*dev, m, material, nullptr));
        }
        dev->EndScene();
    };
    const int left = 400 - 2 * 75, rightX = 400 + 2 * 75, low = 300 + 75; // 75 px a unit at depth 4
    for (int frame = 0; frame < 2; ++frame) { // the second from what was kept
        draw();
        EXPECT_EQ(0xFFFF0000u, dev->ReadPixel(left, 300) | 0xFF000000u) << frame;
        EXPECT_EQ(0xFF0000FFu, dev->ReadPixel(rightX, 300) | 0xFF000000u) << frame;
    }
    // Both triangles moved down by one unit, in place.
    for (plat::MeshVertex& v : m.vertices)
        v.position.y -= 1.0f;
    draw();
    EXPECT_EQ(0xFF000000u, dev->ReadPixel(left, 300 - 60) | 0xFF000000u);
    EXPECT_EQ(0xFFFF0000u, dev->ReadPixel(left, low) | 0xFF000000u);
    EXPECT_EQ(0xFF000000u, dev->ReadPixel(rightX, 300 - 60) | 0xFF000000u);
    EXPECT_EQ(0xFF0000FFu, dev->ReadPixel(rightX, low) | 0xFF000000u);
    // Outside a scene the kept triangles are drawn at once, each of them.
    dev->Clear(0xFF000000);
    s.material.emissive = {0, 1, 0, 0};
    EXPECT_EQ(plat::kOk, plat::DrawMeshSubset(*dev, m, 1, nullptr));
    EXPECT_EQ(0xFF00FF00u, dev->ReadPixel(rightX, low) | 0xFF000000u);
    EXPECT_EQ(0xFF000000u, dev->ReadPixel(left, low) | 0xFF000000u);
}

// A texture kept past its device (a rod built for an earlier device) holds
// a picture that is gone: the mesh is refused rather than drawn with it.
TEST(MeshDraw, TextureOfAGoneDeviceIsRefused)
{
    int st = -1;
    auto old = plat::Device::CreateHeadless(64, 64, &st);
    ASSERT_TRUE(old);
    plat::TexturePtr stale = old->CreateTextureFromImage(plat::Image(4, 4, 0xFFFF0000), 0, 0, &st);
    ASSERT_TRUE(stale);
    old.reset();
    auto dev = plat::Device::CreateHeadless(800, 600, &st);
    ASSERT_TRUE(dev);
    dev->Scene() = Camera();
    plat::Mesh near = Triangle({-2, -2, 4}, {0, 1, 4}, {2, -2, 4});
    dev->Clear(0xFF000000);
    dev->BeginScene();
    EXPECT_EQ(plat::kInvalidCall, plat::DrawMeshSubset(*dev, near, 0, stale.get()));
    dev->EndScene();
    EXPECT_EQ(0xFF000000u, dev->ReadPixel(400, 300) | 0xFF000000u);
}

} // namespace
