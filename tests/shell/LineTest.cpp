#include "tests/shell/GfxFixture.h"

#include "shell/Linee.h"

#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

using namespace gfx_test;

namespace {

class LineTest : public GfxTest {
protected:
    void SetUp() override
    {
        GfxTest::SetUp();
        int st;
        line = dev->CreateLineDrawer(&st);
        // The 3D scene the game sets up.
        auto& sc = dev->Scene();
        sc.view = plat::MatrixLookAtLH({0, 2.8f, 6.0f}, {0, 2.6f, 0}, {0, 1, 0});
        sc.projection = plat::MatrixPerspectiveFovLH(3.14159265f / 4, 800.0f / 600.0f, 1.0f, 1000.0f);
    }
    std::unique_ptr<plat::LineDrawer> line;
};

TEST_F(LineTest, WidthOneLineAtIntegerYInksExactlyThatRow)
{
    for (bool use3D : {false, true}) {
        dev->Clear(kBlack);
        plat::Vec2 pts[2] = {{100, 200}, {300, 200}};
        DrawPolyline(dev.get(), line.get(), pts, 2, 1, 1, 1, 1, 1.0f, use3D, 0.5f);
        EXPECT_TRUE(Near(Px(150, 200), 0xFFFFFFFF)) << use3D;
        EXPECT_TRUE(Near(Px(150, 199), kBlack)) << use3D;
        EXPECT_TRUE(Near(Px(150, 201), kBlack)) << use3D;
        EXPECT_TRUE(Near(Px(100, 200), 0xFFFFFFFF)) << use3D;
        EXPECT_TRUE(Near(Px(300, 200), kBlack)) << "no caps " << use3D;
    }
}

TEST_F(LineTest, ColourChannelsAreClampedAndWideDiagonalsAreFilled)
{
    plat::Vec2 pts[3] = {{10, 10}, {10, 60}, {60, 110}};
    DrawPolyline(dev.get(), line.get(), pts, 3, 1.2f, -0.1f, 0.5f, 1, 3.0f, false, 0);
    EXPECT_TRUE(Near(Px(10, 30), 0xFFFF007F));
    EXPECT_TRUE(Near(Px(11, 30), 0xFFFF007F)) << "three pixels wide";
    EXPECT_TRUE(Near(Px(12, 30), kBlack));
    EXPECT_TRUE(Near(Px(35, 85), 0xFFFF007F)) << "the diagonal segment";
}

// A thin line is one pixel thick: exactly one pixel in every column a
// shallow line crosses (every row for a steep one), near the true line,
// blended once with its colour, and nothing past its ends, whatever the slope,
// the ends (whole or fractional), the direction or the 3D placement. The
// pixel centres at x in [min x, max x) are the columns crossed, as for a level
// line; a polyline's joints are not blended twice.
TEST_F(LineTest, ThinLinesLightOnePixelInEveryColumnOrRowTheyCross)
{
    MakeDevice(200, 160); // small, to read back quickly
    int st;
    line = dev->CreateLineDrawer(&st);
    const plat::Argb half = 0xFF7F3F00; // (1, 0.5, 0) at half alpha over black
    struct Case {
        std::vector<plat::Vec2> points;
        float width;
    };
    std::vector<Case> cases;
    const float slopes[][2] = {{40, 1}, {40, 3}, {40, 13}, {40, 29}, {40, 40}, {29, 40}, {13, 40},
                               {3, 40}, {1, 40}, {40, -1}, {40, -17}, {17, -40}, {-40, 21}, {-21, -40},
                               {40, 0}, {0, -40}};
    for (const auto& d : slopes)
        for (plat::Vec2 start : {plat::Vec2{100, 100}, plat::Vec2{100.3f, 99.6f}, plat::Vec2{99.5f, 100.5f}})
            for (float width : {1.0f, 0.5f})
                cases.push_back({{start, {start.x + d[0], start.y + d[1]}}, width});
    // Polylines: turning from shallow to steep, and a sagging line's chain.
    cases.push_back({{{50, 50}, {90, 60}, {100, 95}, {140, 130}}, 1.0f});
    cases.push_back({{{50, 50.5f}, {70.2f, 52}, {90.6f, 57.4f}, {111, 66}}, 1.0f});

    for (bool use3D : {false, true})
        for (const Case& c : cases) {
            dev->Clear(kBlack);
            DrawPolyline(dev.get(), line.get(), c.points.data(), int(c.points.size()), 1, 0.5f, 0, 0.5f, c.width,
                         use3D, 0.5f);
            plat::Image img;
            ASSERT_TRUE(dev->ReadPixels(img));
            std::vector<int> lit(img.width * img.height);
            for (int i = 0; i < img.width * img.height; ++i)
                if (!Near(img.pixels[i], kBlack, 8)) {
                    EXPECT_TRUE(Near(img.pixels[i], half, 3))
                        << "blended once, at " << i % img.width << "," << i / img.width;
                    lit[i] = 1;
                }
            auto litAt = [&](int x, int y) {
                return x >= 0 && y >= 0 && x < img.width && y < img.height ? lit[y * img.width + x] : 0;
            };
            int expected = 0, seen = int(std::count(lit.begin(), lit.end(), 1));
            for (std::size_t k = 0; k + 1 < c.points.size(); ++k) {
                const plat::Vec2 a = c.points[k], b = c.points[k + 1];
                const bool steep = std::fabs(b.y - a.y) > std::fabs(b.x - a.x);
                const float lo = steep ? std::min(a.y, b.y) : std::min(a.x, b.x);
                const float hi = steep ? std::max(a.y, b.y) : std::max(a.x, b.x);
                for (int m = int(std::ceil(lo)); m < int(std::ceil(hi)); ++m) {
                    // Where the line crosses this column (row), and the pixels beside it.
                    const float t = (m - (steep ? a.y : a.x)) / ((steep ? b.y - a.y : b.x - a.x));
                    const float across = steep ? a.x + t * (b.x - a.x) : a.y + t * (b.y - a.y);
                    int near = 0;
                    for (int o = int(std::floor(across)) - 1; o <= int(std::floor(across)) + 2; ++o)
                        near += steep ? litAt(o, m) : litAt(m, o);
                    EXPECT_LE(1, near) << (steep ? "row " : "column ") << m << " of segment " << k << " from "
                                       << a.x << "," << a.y << " to " << b.x << "," << b.y << " width " << c.width
                                       << (use3D ? " in 3D" : "");
                    ++expected;
                }
            }
            // One pixel for each column or row (joints may fall in a column of
            // one segment and a row of the next).
            EXPECT_NEAR(expected, seen, double(c.points.size() - 2)) << "nothing past the ends, " << c.points[0].x
                                                                     << "," << c.points[0].y << (use3D ? " in 3D" : "");
        }
}

TEST_F(LineTest, ThreeDimensionalLinesTakeTheirDepth)
{
    plat::Image red(20, 20, 0xFFFF0000);
    CSprite nearSprite, farSprite;
    for (CSprite* s : {&nearSprite, &farSprite}) {
        s->Reset(dev.get());
        s->CreateFromFile(dev.get(), "", 0, 0);
        s->m_texture = dev->CreateTextureFromImage(red, 20, 20, nullptr);
        s->CreateDeviceObjects(dev.get());
        s->m_frameW = s->m_frameH = 20;
        s->m_anchorX = s->m_anchorY = 0;
    }
    nearSprite.m_depth = 0.2f;
    farSprite.m_depth = 0.99f;
    // Slanted thin lines, one under each sprite.
    plat::Vec2 a[2] = {{100, 105}, {130, 115}}, b[2] = {{300, 105}, {330, 115}};
    dev->BeginScene();
    DrawPolyline(dev.get(), line.get(), a, 2, 1, 1, 1, 1, 1, true, 0.5f);
    nearSprite.DrawAt(dev.get(), 100, 100);
    farSprite.DrawAt(dev.get(), 300, 100);
    DrawPolyline(dev.get(), line.get(), b, 2, 1, 1, 1, 1, 1, true, 0.5f);
    dev->EndScene();
    EXPECT_TRUE(Near(Px(110, 108), 0xFFFF0000)) << "hidden by the nearer sprite";
    EXPECT_TRUE(Near(Px(310, 108), 0xFFFFFFFF)) << "over the farther sprite";
}

TEST_F(LineTest, SaggingCurve)
{
    const struct {
        plat::Vec2 p0, p1;
        float slack;
        plat::Vec2 middle;
    } cases[] = {
        {{100, 100}, {300, 300}, 1.0f, {200, 250}},
        {{100, 100}, {300, 300}, 0.5f, {200, 225}},
        {{100, 100}, {300, 300}, 3.0f, {200, 250}}, // clamped to 1
        {{100, 100}, {300, 100}, 1.0f, {200, 100}}, // level ends never sag
    };
    for (const auto& c : cases) {
        plat::Vec2 out[11];
        SaggingCurve(c.p0, c.p1, c.slack, out);
        EXPECT_NEAR(c.middle.x, out[5].x, 1e-3);
        EXPECT_NEAR(c.middle.y, out[5].y, 1e-3);
        EXPECT_NEAR(c.p0.y, out[0].y, 1e-3);
        EXPECT_NEAR(c.p1.y, out[10].y, 1e-3);
    }
    // Given the lower end first, the ends are swapped in the caller's array.
    plat::Vec2 pts[3] = {{300, 300}, {0, 0}, {100, 100}};
    DrawSaggingLine(dev.get(), line.get(), pts, 3, 1, 1, 1, 1, 1, true, 0.5f, 1.0f);
    EXPECT_FLOAT_EQ(100, pts[0].x);
    EXPECT_FLOAT_EQ(300, pts[2].x);
    // In 2D the polyline is drawn as given, through its middle point.
    dev->Clear(kBlack);
    plat::Vec2 bent[3] = {{100, 400}, {200, 400}, {200, 500}};
    DrawSaggingLine(dev.get(), line.get(), bent, 3, 1, 1, 1, 1, 1, false, 0, 1.0f);
    EXPECT_TRUE(Near(Px(200, 450), 0xFFFFFFFF));
}

TEST(MathTest, MatricesAndProjection)
{
    plat::Matrix m = plat::MatrixMultiply(plat::MatrixRotationAxis({1, 2, 3}, 0.7f), plat::MatrixTranslation(1, -2, 3));
    plat::Matrix inv, id;
    ASSERT_TRUE(plat::MatrixInverse(m, inv));
    id = plat::MatrixMultiply(m, inv);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            EXPECT_NEAR(i == j ? 1.0f : 0.0f, id.m[i][j], 1e-5);
    EXPECT_FALSE(plat::MatrixInverse(plat::Matrix{}, inv));

    // A quarter turn about z takes +x to +y; in screen terms, clockwise.
    plat::Vec3 v = plat::Vec3TransformCoord({1, 0, 0}, plat::MatrixRotationZ(3.14159265f / 2));
    EXPECT_NEAR(0, v.x, 1e-6);
    EXPECT_NEAR(1, v.y, 1e-6);
    plat::Matrix t2 = plat::MatrixTransformation2D({2, 2}, {10, 10}, 3.14159265f / 2, {5, 0});
    v = plat::Vec3TransformCoord({10, 5, 0}, t2); // (20, 10) scaled, then a quarter turn about (10, 10)
    EXPECT_NEAR(15, v.x, 1e-4);
    EXPECT_NEAR(20, v.y, 1e-4);
    // Unturned or turned, asked once or again, the very numbers of the full
    // product (sprites land on the same pixels), odd scales and centres
    // whose sums round included, one turn at two places.
    for (float r : {0.0f, 1.5707964f, 3.1415927f, 4.712389f, 0.3f})
        for (int again = 0; again < 2; ++again)
            for (auto [s, c, t] : {std::tuple{1.0f, 0.0f, 0.0f}, {1.7f, 33.3f, -0.1f}, {1.7f, 33.3f, 40.0f},
                                   {0.37f, 0.1f, 1e7f}, {3.0f, -5.5f, 123.45f}}) {
                const plat::Matrix quick = plat::MatrixTransformation2D({s, s * 2}, {c, c * 3}, r, {t, -t});
                plat::Matrix full =
                    plat::MatrixMultiply(plat::MatrixScaling(s, s * 2, 1), plat::MatrixTranslation(-c, -c * 3, 0));
                full = plat::MatrixMultiply(full, plat::MatrixRotationZ(r));
                full = plat::MatrixMultiply(full, plat::MatrixTranslation(c + t, c * 3 - t, 0));
                for (int i = 0; i < 4; ++i)
                    for (int j = 0; j < 4; ++j)
                        EXPECT_EQ(quick.m[i][j], full.m[i][j])
                            << r << " " << s << " " << c << " " << t << " [" << i << "][" << j << "]";
            }

    const plat::Viewport vp{0, 0, 800, 600, 0, 1};
    const plat::Matrix view = plat::MatrixLookAtLH({0, 2.8f, 6}, {0, 2.6f, 0}, {0, 1, 0});
    const plat::Matrix proj = plat::MatrixPerspectiveFovLH(3.14159265f / 4, 800.0f / 600, 1, 1000);
    const plat::Matrix world = plat::MatrixIdentity();
    plat::Vec3 centre = plat::Vec3Project({0, 2.6f, 0}, vp, proj, view, world);
    EXPECT_NEAR(400, centre.x, 1e-3);
    EXPECT_NEAR(300, centre.y, 1e-3);
    for (plat::Vec3 p : {plat::Vec3{123, 456, 0.3f}, plat::Vec3{700, 20, 0.9f}}) {
        plat::Vec3 back = plat::Vec3Project(plat::Vec3Unproject(p, vp, proj, view, world), vp, proj, view, world);
        EXPECT_NEAR(p.x, back.x, 1e-2);
        EXPECT_NEAR(p.y, back.y, 1e-2);
        EXPECT_NEAR(p.z, back.z, 1e-4);
    }
}

} // namespace
