// The fight and landing pictures as the scene draws them: each frame picked
// by its column, on water-coloured ground, written to a PNG to look at.
#include "platform/Resources.h"
#include "shell/Sprite.h"
#include "tests/shell/GfxFixture.h"
#include "tests/support/BuildFolder.h"

#include <gtest/gtest.h>

#include <deque>

namespace {

constexpr plat::Argb kWater = 0xFF2F5F78;

class ScenePicturesTest : public gfx_test::GfxTest {
protected:
    // One frame of a picture at (x, y), anchored as the scene anchors it.
    void Frame(std::uint32_t id, int w, int h, int column, int x, int y, int anchorY, float scale, float alpha = 1.0f)
    {
        // Each sprite lives until the scene ends: its draw is recorded, not done.
        CSprite& s = sprites.emplace_back();
        ASSERT_EQ(plat::kOk, s.CreateFromResource(dev.get(), id, w, h));
        s.InitScreen();
        // The owner cuts the strip into its frames.
        const plat::Resource* r = plat::FindResource(plat::ResourceKind::Bitmap, id);
        ASSERT_NE(nullptr, r);
        s.m_frameW = w / r->frameCols;
        s.m_frameH = h / r->frameRows;
        s.m_column = column;
        s.m_anchorY = anchorY;
        s.m_scale = scale;
        s.m_alpha = alpha;
        s.m_relative = 0;
        s.m_anchorX = 0;
        s.DrawAt(dev.get(), x, y);
    }

    std::deque<CSprite> sprites;
};

TEST_F(ScenePicturesTest, FightAndLandingPicturesShowEveryFrame)
{
    dev->Clear(kWater);
    dev->BeginScene();
    // Top-left anchors on a grid, so each frame's box is plain to see.
    for (int k = 0; k < 3; ++k)
        Frame(160, 246, 46, k, 10 + 90 * k, 10, 0, 1.0f, 0.8f); // warning marker at its own alpha
    Frame(215, 270, 150, 0, 290, 10, 0, 1.0f, 0.2f);               // net as the scene layers it
    Frame(215, 270, 150, 1, 290, 10, 0, 1.0f);
    Frame(215, 270, 150, 0, 440, 10, 0, 1.0f);                     // bag alone, opaque
    Frame(215, 270, 150, 1, 590, 10, 0, 1.0f);                     // hoop and handle alone
    for (int k = 0; k < 4; ++k)
        Frame(342, 28, 6, k, 10 + 50 * k, 80, 0, 6.0f); // terminal icons, enlarged
    for (int k = 0; k < 4; ++k)
        Frame(366, 160, 24, k, 10 + 90 * k, 170, 0, 2.0f); // drag gauge
    Frame(366, 160, 24, 0, 10, 230, 0, 2.0f);
    Frame(366, 160, 24, 1, 10, 230, 0, 2.0f);
    Frame(366, 160, 24, 2, 100, 230, 0, 2.0f);
    Frame(366, 160, 24, 3, 100, 230, 0, 2.0f);
    for (int k = 0; k < 11; ++k)
        Frame(237, 220, 20, k, 400 + 32 * (k % 11 > 5 ? k - 6 : k), 180 + 40 * (k > 5), 0, 1.4f); // stamina bar
    for (int k = 0; k < 10; ++k)
        Frame(419, 1320, 66, k, 10 + 140 * (k % 5), 300 + 75 * (k / 5), 0, 1.0f); // tension gauge, opaque
    for (int k = 2; k < 10; ++k)
        Frame(419, 1320, 66, k, 10 + 100 * (k - 2), 460, 0, 0.7f, k > 9 ? 0.9f : k / 10.0f); // at the scene's alpha
    dev->EndScene();
    plat::Image img;
    dev->ReadPixels(img);
    ASSERT_TRUE(plat::SavePng(testing_support::BuildFolderFile("scene_pictures.png"), img));

    // Every picture inks the water where it stands, and leaves it alone
    // around its shape (transparent ground, not a box).
    EXPECT_TRUE(AnyInk(30, 15, 70, 50, kWater));
    EXPECT_TRUE(gfx_test::Near(Px(12, 12), kWater, 8));
    EXPECT_TRUE(AnyInk(450, 20, 570, 150, kWater));
    EXPECT_TRUE(AnyInk(10, 80, 52, 116, kWater));
    EXPECT_TRUE(AnyInk(10, 170, 90, 218, kWater));
    EXPECT_TRUE(gfx_test::Near(Px(3, 295), kWater, 8));
}

} // namespace
