#include "tests/shell/GfxFixture.h"

#include "shell/Linee.h"

#include <tuple>

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
    plat::Vec2 a[2] = {{100, 110}, {130, 110}}, b[2] = {{300, 110}, {330, 110}};
    dev->BeginScene();
    DrawPolyline(dev.get(), line.get(), a, 2, 1, 1, 1, 1, 1, true, 0.5f);
    nearSprite.DrawAt(dev.get(), 100, 100);
    farSprite.DrawAt(dev.get(), 300, 100);
    DrawPolyline(dev.get(), line.get(), b, 2, 1, 1, 1, 1, 1, true, 0.5f);
    dev->EndScene();
    EXPECT_TRUE(Near(Px(110, 110), 0xFFFF0000)) << "hidden by the nearer sprite";
    EXPECT_TRUE(Near(Px(310, 110), 0xFFFFFFFF)) << "over the farther sprite";
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
    // Unturned, the very numbers of the full product (sprites land on the
    // same pixels), odd scales and centres whose sums round included.
    for (auto [s, c, t] : {std::tuple{1.0f, 0.0f, 0.0f}, {1.7f, 33.3f, -0.1f}, {0.37f, 0.1f, 1e7f}, {3.0f, -5.5f, 123.45f}}) {
        const plat::Matrix quick = plat::MatrixTransformation2D({s, s * 2}, {c, c * 3}, 0, {t, -t});
        plat::Matrix full = plat::MatrixMultiply(plat::MatrixScaling(s, s * 2, 1), plat::MatrixTranslation(-c, -c * 3, 0));
        full = plat::MatrixMultiply(full, plat::MatrixRotationZ(0));
        full = plat::MatrixMultiply(full, plat::MatrixTranslation(c + t, c * 3 - t, 0));
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j)
                EXPECT_EQ(quick.m[i][j], full.m[i][j]) << s << " " << c << " " << t << " [" << i << "][" << j << "]";
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
