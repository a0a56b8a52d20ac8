#include "tests/shell/GfxFixture.h"

#include "platform/Dialog.h"
#include "shell/Bordo.h"
#include "shell/Utility.h"
#include "tests/support/TempFolders.h"

using namespace gfx_test;

namespace {

class SpriteTest : public GfxTest {
protected:
    // Saves the picture as a PNG in the temporary folders and returns its path.
    std::string SavePicture(const plat::Image& img, const char* name)
    {
        std::string path = folders.Program() + "/" + name;
        EXPECT_TRUE(plat::SavePng(path, img));
        return path;
    }

    void MakeSheet(CSprite& s, int cols, int rows, int w, int h)
    {
        s.Reset(dev.get());
        ASSERT_EQ(0, s.CreateFromFile(dev.get(), SavePicture(FrameSheet(cols, rows, w, h), "sheet.png").c_str(),
                                      cols * w, rows * h));
        s.m_frameW = w;
        s.m_frameH = h;
    }

    testing_support::TempFolders folders;
};

TEST_F(SpriteTest, ColourKeyIsTransparentAndItsNeighbourOpaque)
{
    plat::Image img(4, 1);
    img.At(0, 0) = plat::kColourKey;
    img.At(1, 0) = 0xFF8603BC; // one step off the key
    img.At(2, 0) = plat::kColourKey;
    img.At(3, 0) = 0xFFFF0000;
    CSprite s;
    s.Reset(dev.get());
    s.CreateFromFile(dev.get(), SavePicture(img, "key.png").c_str(), 4, 1);
    s.m_anchorX = s.m_anchorY = 0;
    s.DrawAt(dev.get(), 10, 10);
    EXPECT_TRUE(Near(Px(10, 10), kBlack, 0));
    EXPECT_TRUE(Near(Px(11, 10), 0xFF8603BC, 0));
    EXPECT_TRUE(Near(Px(12, 10), kBlack, 0));
    EXPECT_TRUE(Near(Px(13, 10), 0xFFFF0000, 0));
}

TEST_F(SpriteTest, ColumnAndRowSelectTheFrame)
{
    CSprite s;
    MakeSheet(s, 3, 2, 10, 10);
    s.m_anchorX = s.m_anchorY = 0;
    const struct {
        int column, row, storedColumn;
    } cases[] = {{0, 0, 0}, {2, 0, 2}, {1, 1, 1}, {-1, 1, 0}};
    int x = 0;
    for (const auto& c : cases) {
        s.m_column = c.column;
        s.m_row = c.row;
        s.DrawAt(dev.get(), x, 0);
        EXPECT_EQ(c.storedColumn, s.m_column);
        EXPECT_TRUE(Near(Px(x + 5, 5), FrameColour(c.storedColumn, c.row))) << c.column << "," << c.row;
        EXPECT_TRUE(Near(Px(x + 10, 5), kBlack)) << "one frame wide";
        x += 20;
    }
}

TEST_F(SpriteTest, SourcePastThePictureRepeatsItsEdgeInsteadOfReadingOutside)
{
    CSprite s;
    MakeSheet(s, 3, 1, 10, 10);
    s.m_anchorX = s.m_anchorY = 0;
    s.m_column = 2;
    s.m_frameW = 25; // columns 50..75 of a 30-pixel picture
    s.DrawAt(dev.get(), 100, 100);
    for (int dx : {0, 10, 15, 24})
        EXPECT_TRUE(Near(Px(100 + dx, 105), FrameColour(2, 0))) << dx;
    EXPECT_TRUE(Near(Px(125, 105), kBlack));
}

TEST_F(SpriteTest, AnchorsAndInclusiveHitBoxes)
{
    CSprite s;
    MakeSheet(s, 1, 1, 20, 20);
    const struct {
        int anchor, px, py;
        bool hit;
    } cases[] = {
        {0, 100, 50, true}, {0, 120, 70, true}, {0, 99, 50, false}, {0, 121, 70, false}, {0, 110, 71, false},
        {1, 90, 40, true},  {1, 110, 60, true}, {1, 89, 50, false}, {1, 100, 61, false},
    };
    for (const auto& c : cases) {
        s.m_anchorX = s.m_anchorY = c.anchor;
        s.SetX(100);
        s.SetY(50);
        g_pointer.x = c.px;
        g_pointer.y = c.py;
        EXPECT_EQ(c.hit, s.OnMouseDown()) << c.anchor << " " << c.px << "," << c.py;
        EXPECT_EQ(c.hit, s.m_pressed == 1);
    }
    // Scale does not change the hit box.
    s.m_anchorX = s.m_anchorY = 0;
    s.m_scale = 2.0f;
    g_pointer = {130, 50, 0};
    EXPECT_FALSE(s.OnMouseDown());
    // Anchors place the picture: 0/0 puts its top-left at the position.
    s.m_scale = 1.0f;
    s.DrawAt(dev.get(), 100, 50);
    EXPECT_TRUE(Near(Px(100, 50), FrameColour(0, 0)));
    EXPECT_TRUE(Near(Px(99, 50), kBlack));
    s.m_anchorX = s.m_anchorY = 1;
    s.DrawAt(dev.get(), 300, 300);
    EXPECT_TRUE(Near(Px(290, 290), FrameColour(0, 0)));
    EXPECT_TRUE(Near(Px(289, 290), kBlack));
    EXPECT_TRUE(Near(Px(310, 300), kBlack));
}

TEST_F(SpriteTest, AlphaSettingOffDrawsOpaqueOrNothing)
{
    CSprite s;
    MakeSheet(s, 1, 1, 10, 10);
    s.m_anchorX = s.m_anchorY = 0;
    const plat::Argb colour = FrameColour(0, 0);
    g_Opzioni.alpha = 0;
    s.m_alpha = 0.59f;
    s.DrawAt(dev.get(), 0, 0);
    EXPECT_TRUE(Near(Px(5, 5), kBlack, 0));
    s.m_alpha = 0.6f;
    s.DrawAt(dev.get(), 20, 0);
    EXPECT_TRUE(Near(Px(25, 5), colour));
    EXPECT_FLOAT_EQ(0.6f, s.m_alpha) << "the stored alpha stays";
    // With the setting on, 0.6 is translucent over black.
    g_Opzioni.alpha = 1;
    s.DrawAt(dev.get(), 40, 0);
    const plat::Argb p = Px(45, 5);
    EXPECT_NEAR(Channel(p, 16), Channel(colour, 16) * 153 / 255, 3);
    EXPECT_NEAR(Channel(p, 8), Channel(colour, 8) * 153 / 255, 3);
}

TEST_F(SpriteTest, ScaleRampFollowsTheHeightAndLeavesTheStoredScale)
{
    CSprite s;
    MakeSheet(s, 1, 1, 100, 100);
    s.m_anchorX = s.m_anchorY = 0;
    s.m_rampStart = 0.6f;
    s.m_rampEnd = 1.0f;
    s.m_top = 0;
    s.m_bottom = 600;
    const struct {
        int y;
        float scale;
    } cases[] = {{0, 0.6f}, {300, 0.8f}, {600, 1.0f}};
    for (const auto& c : cases) {
        s.m_scale = 1.0f;
        s.SetY(c.y);
        s.ApplyScaleRamp();
        EXPECT_NEAR(c.scale, s.m_scale, 1e-5) << c.y;
    }
    s.m_scale = 1.0f;
    s.m_rampOn = 1;
    s.DrawAt(dev.get(), 100, 300);
    EXPECT_FLOAT_EQ(1.0f, s.m_scale);
    EXPECT_TRUE(Near(Px(179, 310), FrameColour(0, 0)));
    EXPECT_TRUE(Near(Px(180, 310), kBlack)) << "drawn 80 pixels wide";
}

// The device's linear magnification filter smooths magnified pictures;
// without it (and at natural size) texels are copied exactly.
TEST_F(SpriteTest, MagnifiedPicturesFollowTheDeviceFilter)
{
    plat::Image img(2, 2, 0xFFFF0000);
    img.At(1, 0) = img.At(1, 1) = 0xFF0000FF;
    CSprite s;
    s.Reset(dev.get());
    s.CreateFromFile(dev.get(), SavePicture(img, "two.png").c_str(), 2, 2);
    s.m_anchorX = s.m_anchorY = 0;
    auto blended = [&](int y) {
        for (int x = 100; x < 116; ++x)
            if (Channel(Px(x, y), 16) > 40 && Channel(Px(x, y), 0) > 40)
                return true;
        return false;
    };
    const struct {
        bool linear;
        float scale;
        bool expectBlend;
    } cases[] = {{true, 8.0f, true}, {false, 8.0f, false}, {true, 1.0f, false}};
    for (const auto& c : cases) {
        dev->Clear(kBlack);
        dev->Scene().linearMagFilter = c.linear;
        s.m_scale = c.scale;
        s.DrawAt(dev.get(), 100, 100);
        EXPECT_EQ(c.expectBlend, blended(c.scale > 1 ? 108 : 100)) << c.linear << " " << c.scale;
    }
}

TEST_F(SpriteTest, ProgressBarFrames)
{
    const struct {
        int percent, frame;
    } cases[] = {{0, 0}, {5, 1}, {10, 2}, {95, 10}, {100, 10}, {250, 10}, {-3, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(c.frame, CIndPerc::FrameForPercent(c.percent)) << c.percent;

    CIndPerc bar(dev.get());
    EXPECT_EQ(41, bar.m_frameW);
    EXPECT_EQ(10, bar.m_frameH);
    for (int percent : {0, 5, 55, 100}) {
        dev->Clear(kBlack);
        bar.Draw(dev.get(), 400, 450, percent);
        const int lit = CIndPerc::FrameForPercent(percent);
        EXPECT_EQ(lit, bar.m_column);
        // Centred horizontally, top edge at y: cell k spans columns 381 + 4k .. 383 + 4k.
        for (int k = 0; k < 10; ++k) {
            const int level = Channel(Px(382 + 4 * k, 455), 8);
            if (k < lit)
                EXPECT_GT(level, 140) << percent << "% cell " << k;
            else
                EXPECT_LT(level, 100) << percent << "% cell " << k;
        }
    }
}

TEST_F(SpriteTest, OutlineWhileHotGreyAndWhiteWhilePressed)
{
    CSprite s;
    MakeSheet(s, 1, 1, 20, 20);
    s.m_anchorX = s.m_anchorY = 0;
    s.SetX(100);
    s.SetY(50);
    g_pointer = {300, 300, 0};
    s.UpdatePress();
    s.Draw(dev.get());
    EXPECT_TRUE(Near(Px(110, 49), kBlack)) << "no outline while not hot";

    g_pointer = {110, 60, 0};
    s.UpdatePress();
    EXPECT_EQ(1, s.m_hot);
    s.Draw(dev.get());
    EXPECT_TRUE(Near(Px(110, 49), 0xFFB2B2B2)) << "top edge one pixel above";
    EXPECT_TRUE(Near(Px(99, 60), 0xFFB2B2B2)) << "left edge one pixel left";

    g_pointer.left = 1;
    ASSERT_TRUE(s.OnMouseDown());
    g_pointer = {500, 500, 1}; // held and dragged away: still pressed and hot
    EXPECT_TRUE(s.UpdatePress());
    s.Draw(dev.get());
    EXPECT_TRUE(Near(Px(110, 49), 0xFFFFFFFF));
}

TEST_F(SpriteTest, InvisibleSpriteDrawsNothingClearsHotAndRunsItsTimers)
{
    struct Counting : CSprite {
        int fired = 0;
        void OnTimer0() override { ++fired; }
    } s;
    MakeSheet(s, 1, 1, 10, 10);
    s.m_timer[0].interval = 1000;
    s.m_visible = 0;
    s.m_hot = 1;
    EXPECT_EQ(0, s.DrawAt(dev.get(), 50, 50));
    EXPECT_EQ(0, s.m_hot);
    EXPECT_EQ(1, s.fired);
    EXPECT_FALSE(AnyInk(0, 0, 100, 100));
}

TEST_F(SpriteTest, EmptyPathRestoresTheDefaultLookAndDrawsNothing)
{
    CSprite s;
    MakeSheet(s, 1, 1, 10, 10);
    s.m_alpha = 0.3f;
    s.m_column = 4;
    EXPECT_EQ(0, s.CreateFromFile(dev.get(), "", 10, 10));
    EXPECT_FLOAT_EQ(1.0f, s.m_alpha);
    EXPECT_EQ(0, s.m_column);
    EXPECT_FALSE(s.HasDrawer());
    s.DrawAt(dev.get(), 50, 50);
    EXPECT_FALSE(AnyInk(0, 0, 100, 100));
}

TEST_F(SpriteTest, LoadingThePictureItHoldsAgainKeepsTheOneMade)
{
    // A venue's picture is loaded again on every selection: the same file or
    // bitmap at the same size is not read and stretched afresh.
    CSprite s;
    MakeSheet(s, 2, 1, 10, 10);
    const std::weak_ptr<plat::Texture> file = s.m_texture;
    const std::string path = s.m_path;
    EXPECT_EQ(0, s.CreateFromFile(dev.get(), path.c_str(), 20, 10));
    ASSERT_TRUE(s.m_texture);
    EXPECT_EQ(s.m_texture, file.lock());
    EXPECT_EQ(0, s.CreateFromResource(dev.get(), kBitmapFrameStrip, 800, 15));
    EXPECT_TRUE(file.expired()); // the one it no longer shows goes
    const std::weak_ptr<plat::Texture> bitmap = s.m_texture;
    EXPECT_EQ(0, s.CreateFromResource(dev.get(), kBitmapFrameStrip, 800, 15));
    ASSERT_TRUE(s.m_texture);
    EXPECT_EQ(s.m_texture, bitmap.lock());
}

TEST_F(SpriteTest, DepthOrderKeepsANearPanelInFrontOfAFarSprite)
{
    CSprite panel, scene;
    MakeSheet(panel, 1, 1, 40, 40);
    scene.Reset(dev.get());
    plat::Image red(40, 40, 0xFFFF0000);
    scene.CreateFromFile(dev.get(), SavePicture(red, "red.png").c_str(), 40, 40);
    panel.m_depth = 0.0f;
    scene.m_depth = 0.99f;
    dev->BeginScene();
    panel.DrawAt(dev.get(), 100, 100); // submitted first, but nearer
    scene.DrawAt(dev.get(), 110, 110);
    dev->EndScene();
    EXPECT_TRUE(Near(Px(115, 115), FrameColour(0, 0)));
    EXPECT_TRUE(Near(Px(125, 125), 0xFFFF0000)) << "the far sprite shows where the panel is not";

    // Equal depths keep their order: the later one is on top.
    scene.m_depth = 0.0f;
    dev->BeginScene();
    panel.DrawAt(dev.get(), 300, 100);
    scene.DrawAt(dev.get(), 300, 100);
    dev->EndScene();
    EXPECT_TRUE(Near(Px(300, 100), 0xFFFF0000));

    // A clear inside the scene wipes what the scene drew before it.
    dev->BeginScene();
    scene.DrawAt(dev.get(), 500, 100);
    dev->Clear(kBlack);
    dev->EndScene();
    EXPECT_TRUE(Near(Px(505, 105), kBlack));
}

TEST_F(SpriteTest, FatalTextsOfPicturesThatCannotBeMade)
{
    const struct {
        int status;
        bool resource;
        const char* text;
    } cases[] = {
        {plat::kNotAvailable, false, "This device does not support the queried technique."},
        {plat::kOutOfVideoMemory, true,
         "Microsoft Direct3D does not have enough display memory to perform the operation."},
        {plat::kInvalidCall, false, "The method call is invalid."},
        {plat::kInvalidData, false, "The file a/b.png is not valid!"},
        {plat::kInvalidData, true, "The data is invalid."},
        {plat::kOutOfMemory, false, "Direct3D could not allocate sufficient memory to complete the call."},
        {plat::kFailed, false, "Could not create file sprite a/b.png"},
        {plat::kFailed, true, "Unable to create sprite from the resource."},
    };
    g_Opzioni.italian = false;
    for (const auto& c : cases)
        EXPECT_STREQ(c.text, SpriteErrorText(c.status, c.resource, "a/b.png"));
    g_Opzioni.italian = true;
    EXPECT_STREQ("Impossibile creare sprite da risorsa.", SpriteErrorText(plat::kFailed, true, nullptr));
    g_Opzioni.italian = false;
}

TEST_F(SpriteTest, PictureThatCannotBeMadeEndsTheProgram)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    g_Opzioni.italian = false;
    EXPECT_EXIT(
        {
            CSprite s;
            s.Reset(dev.get());
            dev->FailNextCreation(plat::CreationKind::SpriteDrawer, plat::kOutOfMemory);
            s.CreateFromResource(dev.get(), kBitmapProgressBar, 451, 10);
        },
        ::testing::ExitedWithCode(1),
        "Error creating sprite: Direct3D could not allocate sufficient memory to complete the call.");
    EXPECT_EXIT(
        {
            CSprite s;
            s.Reset(dev.get());
            s.CreateFromResource(dev.get(), 9, 10, 10); // no such bitmap
        },
        ::testing::ExitedWithCode(1), "Error creating sprite: Unable to create sprite from the resource.");
}

TEST_F(SpriteTest, LostDeviceAndResetDrawTheSamePixels)
{
    CSprite sheet;
    MakeSheet(sheet, 3, 2, 10, 10);
    sheet.m_column = 2;
    sheet.m_row = 1;
    sheet.m_rotation = 90;
    sheet.m_red = 0.5f;
    CIndPerc bar(dev.get());
    auto drawAll = [&] {
        dev->Clear(kBlack);
        dev->BeginScene();
        sheet.DrawAt(dev.get(), 50, 50);
        bar.Draw(dev.get(), 200, 100, 60);
        dev->EndScene();
        plat::Image img;
        dev->ReadPixels(img);
        return img;
    };
    const plat::Image before = drawAll();

    dev->SimulateLoss();
    EXPECT_EQ(plat::kDeviceLost, dev->Present());
    EXPECT_EQ(plat::kDeviceLost, dev->TestCooperativeLevel());
    EXPECT_EQ(plat::kDeviceNotReset, dev->TestCooperativeLevel());
    sheet.OnLostDevice();
    bar.OnLostDevice();
    EXPECT_FALSE(sheet.HasDrawer());
    dev->FailNextResets(1);
    EXPECT_NE(plat::kOk, dev->Reset());
    ASSERT_EQ(plat::kOk, dev->Reset());
    sheet.OnResetDevice(dev.get());
    bar.OnResetDevice(dev.get());
    EXPECT_EQ(plat::kOk, dev->TestCooperativeLevel());
    EXPECT_EQ(41, bar.m_frameW);
    EXPECT_EQ(10, bar.m_frameH);
    EXPECT_EQ(2, sheet.m_column);
    EXPECT_EQ(10, sheet.m_frameW);

    const plat::Image after = drawAll();
    ASSERT_EQ(before.pixels.size(), after.pixels.size());
    int differing = 0;
    for (std::size_t i = 0; i < before.pixels.size(); ++i)
        differing += before.pixels[i] != after.pixels[i];
    EXPECT_EQ(0, differing);
    EXPECT_TRUE(AnyInk(0, 0, 300, 200)) << "something was drawn";
}

} // namespace
