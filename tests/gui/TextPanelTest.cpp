#include "tests/shell/GfxFixture.h"

#include "gui/Finestra.h"
#include "gui/Testo.h"
#include "platform/DeviceInternal.h"
#include "shell/SpriteBordo.h"
#include "tests/support/BuildFolder.h"
#include "tests/support/TempFolders.h"

#include <cmath>

using namespace gfx_test;

namespace {

class TextTest : public GfxTest {
protected:
    void SetUp() override
    {
        GfxTest::SetUp();
        ASSERT_EQ(0, text.Create(dev.get()));
    }

    // Bounding box of the ink (non-black pixels) inside a search rectangle.
    struct Box {
        int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
        bool Empty() const { return right < 0; }
    };
    Box Ink(int l, int t, int r, int b)
    {
        plat::Image img;
        dev->ReadPixels(img);
        Box box;
        for (int y = t; y < b; ++y)
            for (int x = l; x < r; ++x)
                if (!Near(img.At(x, y), kBlack, 40)) {
                    box.left = std::min(box.left, x);
                    box.right = std::max(box.right, x);
                    box.top = std::min(box.top, y);
                    box.bottom = std::max(box.bottom, y);
                }
        return box;
    }

    CTesto text;
};

const char* kLong = "The quick brown fox jumps over the lazy dog while the angler waits for a bite by the lake";

TEST_F(TextTest, FontIsTheArialLikeFaceAtTheCellHeight)
{
    ASSERT_TRUE(text.HasFont());
    EXPECT_NE(std::string::npos, text.m_font->FacePath().find("Liberation")) << text.m_font->FacePath();
    EXPECT_LE(text.m_font->LineHeight(), 15);
    EXPECT_GE(text.m_font->LineHeight(), 13);
}

TEST_F(TextTest, BoxDrawWrapsClipsAndReturnsTheHeight)
{
    // Height 0 means one line: the wrapped text is laid out on several lines
    // but only the first shows.
    const int h = text.Draw(dev.get(), kLong, 100, 100, 200, 0);
    EXPECT_GE(h, 45);
    EXPECT_EQ(0, h % 15);
    Box one = Ink(0, 0, 800, 600);
    ASSERT_FALSE(one.Empty());
    EXPECT_GE(one.top, 100);
    EXPECT_LT(one.bottom, 115);
    EXPECT_GE(one.left, 100);
    EXPECT_LT(one.right, 300);

    // A tall box shows every line, all inside the width.
    dev->Clear(kBlack);
    const int h2 = text.Draw(dev.get(), kLong, 100, 100, 200, 200);
    EXPECT_EQ(h, h2);
    Box all = Ink(0, 0, 800, 600);
    EXPECT_GT(all.bottom, 100 + h - 15);
    EXPECT_LT(all.bottom, 100 + h);
    EXPECT_LT(all.right, 300);

    // A point draw never wraps or clips; line breaks still count.
    dev->Clear(kBlack);
    EXPECT_EQ(30, text.DrawAt(dev.get(), "first line\nsecond", 10, 10));
    EXPECT_EQ(15, text.DrawAt(dev.get(), kLong, 10, 500));
    EXPECT_GT(Ink(0, 495, 800, 520).right, 400);
}

// Rendering text is the slow part: a line is rendered once and then drawn
// from the device's cache, lines clipped away are never rendered, and a
// reset drops the cache.
TEST_F(TextTest, LinesAreRenderedOnceAndOnlyWhenSeen)
{
    const plat::LineCache& cache = dev->Core()->lines;
    text.Draw(dev.get(), kLong, 100, 100, 200, 0);
    EXPECT_EQ(1u, cache.Size()) << "only the one line that shows";

    std::size_t afterFirstFrame = 0;
    for (int frame = 0; frame < 3; ++frame) {
        dev->BeginScene();
        const int h = text.Draw(dev.get(), kLong, 100, 100, 200, 200);
        text.DrawAt(dev.get(), "Presenza 25", 10, 10);
        dev->EndScene();
        if (frame == 0) {
            afterFirstFrame = cache.Size();
            EXPECT_EQ(std::size_t(h / 15 + 1), afterFirstFrame);
        }
    }
    EXPECT_EQ(afterFirstFrame, cache.Size()) << "unchanged texts are not rendered again";

    dev->SimulateLoss();
    text.OnLostDevice();
    ASSERT_EQ(plat::kOk, dev->Reset());
    EXPECT_EQ(0u, cache.Size());
}

TEST_F(TextTest, CentredAndRightAligned)
{
    text.m_format = plat::kTextCentre;
    text.Draw(dev.get(), "Centre", 100, 100, 200, 20);
    Box c = Ink(0, 90, 800, 130);
    ASSERT_FALSE(c.Empty());
    EXPECT_NEAR(200, (c.left + c.right + 1) / 2.0, 2.5);

    dev->Clear(kBlack);
    text.m_format = plat::kTextRight;
    text.Draw(dev.get(), "Right", 100, 100, 200, 20);
    Box r = Ink(0, 90, 800, 130);
    EXPECT_NEAR(299, r.right, 2);
}

TEST_F(TextTest, ColourIsRoundedAndOffsetIsAdded)
{
    EXPECT_EQ(0x80u, plat::PackArgbRounded(1, 0.5f, 0, 0) >> 16 & 0xFF);
    EXPECT_EQ(0x7Fu, plat::PackArgb(1, 0.5f, 0, 0) >> 16 & 0xFF);
    // On a larger back buffer the layout offset moves relative texts.
    g_nScreenW = g_nViewportW = 1024;
    g_nScreenH = g_nViewportH = 768;
    CTesto t;
    t.Create(dev.get());
    t.DrawAt(dev.get(), "X", 0, 0);
    Box b = Ink(0, 0, 800, 600);
    EXPECT_GE(b.left, 112);
    EXPECT_GE(b.top, 84);
}

TEST_F(TextTest, AccentedWindows1252Letters)
{
    EXPECT_GT(text.m_font->MeasureWidth("Profondit\xE0 10\xB0"), text.m_font->MeasureWidth("Profondit"));
    EXPECT_EQ(15, text.DrawAt(dev.get(), "Men\xF9 \xE8", 10, 10));
}

class PanelTest : public GfxTest {
protected:
    void SetUp() override
    {
        GfxTest::SetUp();
        ASSERT_EQ(0, panel.Create(dev.get()));
    }
    CFinestra panel;
};

TEST_F(PanelTest, SizeRoundsDownAndPanelsCropTheSharedPicture)
{
    panel.Draw(dev.get(), 100, 100, 103, 58);
    EXPECT_EQ(95, panel.m_frameW);
    EXPECT_EQ(50, panel.m_frameH);
    panel.Draw(dev.get(), 0, 0, 1000, 100);
    EXPECT_EQ(795, panel.m_frameW);

    // Two panels of different heights show the same rows of the picture:
    // the picture is cropped, not scaled.
    dev->Clear(kBlack);
    panel.Draw(dev.get(), 100, 100, 100, 50);
    panel.Draw(dev.get(), 300, 100, 100, 400);
    for (int row : {5, 20, 40})
        EXPECT_TRUE(Near(Px(150, 100 + row), Px(350, 100 + row))) << row;
    EXPECT_FALSE(Near(Px(350, 110), Px(350, 450), 10)) << "darker lower down";
    // Translucent at 0.8 over the clear colour, tinted blue.
    const plat::Argb p = Px(150, 110);
    EXPECT_GT(Channel(p, 0), Channel(p, 16));
}

TEST_F(PanelTest, FrameRunsAlongTheEdges)
{
    CBordo frame;
    frame.Create(dev.get());
    frame.Draw(dev.get(), 100, 100, 52, 31); // 50 x 30
    const plat::Argb line = Px(125, 100);
    EXPECT_FALSE(Near(line, kBlack, 10));
    for (auto [x, y] : {std::pair{101, 100}, {149, 100}, {100, 115}, {150, 115}, {125, 130}, {100, 101}, {150, 129}})
        EXPECT_TRUE(Near(Px(x, y), line)) << x << "," << y;
    for (auto [x, y] : {std::pair{125, 99}, {125, 101}, {99, 115}, {101, 115}, {149, 115}, {151, 115}, {125, 129},
                        {125, 131}, {125, 115}})
        EXPECT_TRUE(Near(Px(x, y), kBlack)) << x << "," << y;
    EXPECT_EQ(0, frame.m_column);
    EXPECT_EQ(5, frame.m_frameW);
}

TEST_F(PanelTest, OverrideTintsAreTheirOwn)
{
    CFinestra other;
    other.Create(dev.get());
    other.SetColour(1.0f, 0.2f, 0.2f);
    panel.Draw(dev.get(), 100, 100, 100, 100);
    other.Draw(dev.get(), 300, 100, 100, 100);
    panel.Draw(dev.get(), 500, 100, 100, 100);
    EXPECT_GT(Channel(Px(350, 150), 16), Channel(Px(350, 150), 0));
    EXPECT_LT(Channel(Px(150, 150), 16), Channel(Px(150, 150), 0));
    EXPECT_TRUE(Near(Px(150, 150), Px(550, 150)));
    EXPECT_FLOAT_EQ(0.35f, g_sprPanelBackground.m_red);
}

TEST_F(PanelTest, TitleBarAndMouseOver)
{
    panel.DrawTitled(dev.get(), 100, 100, 200, 15, "Title");
    EXPECT_EQ(195, panel.m_frameW);
    g_pointer = {150, 105, 0};
    EXPECT_TRUE(panel.IsMouseOver());
    g_pointer = {150, 120, 0};
    EXPECT_FALSE(panel.IsMouseOver());
}

TEST_F(PanelTest, SharedBackgroundIsReleasedAndRemadeOnce)
{
    CFinestra panels[10];
    for (auto& p : panels)
        p.Create(dev.get());
    dev->SimulateLoss();
    for (auto& p : panels)
        p.OnLostDevice();
    EXPECT_EQ(1, g_sprPanelBackground.m_deviceLost);
    EXPECT_FALSE(g_sprPanelBackground.HasDrawer());
    ASSERT_EQ(plat::kOk, dev->Reset());
    for (auto& p : panels)
        p.OnResetDevice(dev.get());
    EXPECT_EQ(0, g_sprPanelBackground.m_deviceLost);
    EXPECT_TRUE(g_sprPanelBackground.HasDrawer());
    EXPECT_TRUE(panels[3].m_title.HasFont());
}

TEST_F(PanelTest, LostDeviceAndResetDrawTheSameTextsAndPanels)
{
    CTesto text;
    text.Create(dev.get());
    auto drawAll = [&] {
        dev->Clear(plat::kColourKey);
        dev->BeginScene();
        panel.DrawTitled(dev.get(), 50, 50, 300, 200, "Catture");
        text.Draw(dev.get(), kLong, 60, 80, 200, 100);
        dev->EndScene();
        plat::Image img;
        dev->ReadPixels(img);
        return img;
    };
    const plat::Image before = drawAll();
    dev->SimulateLoss();
    panel.OnLostDevice();
    text.OnLostDevice();
    ASSERT_EQ(plat::kOk, dev->Reset());
    panel.OnResetDevice(dev.get());
    text.OnResetDevice(dev.get());
    const plat::Image after = drawAll();
    EXPECT_TRUE(before.pixels == after.pixels);
}

// Renders a panel with a framed photo, texts and the progress bar, and keeps
// the picture in the build folder for a look.
TEST_F(PanelTest, DemoPicture)
{
    plat::Image photoPic(180, 120);
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 180; ++x) {
            const bool water = y > 50 + 6 * std::sin(x / 17.0);
            const int shade = water ? 90 + y / 2 : 150 + y;
            photoPic.At(x, y) = water ? 0xFF000000u | plat::Argb(30) << 16 | plat::Argb(shade / 2 + 40) << 8 | plat::Argb(shade)
                                      : 0xFF000000u | plat::Argb(120 + y) << 16 | plat::Argb(170 + y / 2) << 8 | 235;
        }
    testing_support::TempFolders folders;
    const std::string photoPath = folders.Program() + "/demo_photo.png";
    plat::SavePng(photoPath, photoPic);

    CSpriteBordo photo;
    photo.Init(dev.get());
    photo.CreateFromFile(dev.get(), photoPath.c_str(), 180, 120);
    CIndPerc bar(dev.get());
    CTesto body, detail;
    body.Create(dev.get());
    detail.m_frameH = 14;
    detail.m_weight = 400;
    detail.Create(dev.get());
    CFinestra second;
    second.Create(dev.get());

    const plat::Argb backdrop = 0xFF1C2A33; // stands in for a screen's background picture
    dev->Clear(backdrop);
    dev->BeginScene();
    panel.DrawTitled(dev.get(), 40, 40, 420, 300, "Lago di Livigno");
    photo.DrawAt(dev.get(), 60, 75);
    detail.DrawAt(dev.get(), "Profondit\xE0 media: 12 m", 260, 80);
    detail.DrawAt(dev.get(), "Temperatura: 14\xB0", 260, 95);
    detail.DrawWithInt(dev.get(), "Specie presenti:", 9, 260, 110);
    body.m_format = plat::kTextCentre;
    body.Draw(dev.get(), "Un lago alpino a 1850 metri, acque limpide e fredde.", 60, 210, 380, 60);
    body.m_format = 0;
    for (int i = 0; i <= 4; ++i) {
        detail.DrawWithInt(dev.get(), "Presenza", i * 25, 60, 260 + i * 15);
        bar.Draw(dev.get(), 200, 262 + i * 15, i * 25);
    }
    second.Draw(dev.get(), 480, 40, 280, 120);
    body.m_format = plat::kTextRight;
    body.Draw(dev.get(), "Caricamento...", 490, 60, 250, 20);
    bar.Draw(dev.get(), 620, 100, 70);
    bar.DrawOutline(dev.get());
    dev->EndScene();

    plat::Image img;
    ASSERT_TRUE(dev->ReadPixels(img));
    ASSERT_TRUE(plat::SavePng(testing_support::BuildFolderFile("gfx_demo.png"), img));
    EXPECT_TRUE(AnyInk(60, 75, 240, 195, plat::kColourKey)); // the photo, not its colour key
    EXPECT_TRUE(AnyInk(60, 75, 240, 195, backdrop));
    // Texts are light on the darker panels.
    auto letters = [&img](int left, int top, int right, int bottom) {
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (Channel(img.At(x, y), 16) > 200 && Channel(img.At(x, y), 8) > 200 && Channel(img.At(x, y), 0) > 200)
                    return true;
        return false;
    };
    EXPECT_TRUE(letters(260, 80, 450, 125));  // the details beside the photo
    EXPECT_TRUE(letters(640, 60, 740, 78));   // the right-aligned line ends at the right edge...
    EXPECT_FALSE(letters(490, 60, 600, 78));  // ...and leaves the left of its box empty
    EXPECT_FALSE(AnyInk(0, 0, 35, 35, backdrop)); // outside every panel the screen shows through
    EXPECT_FALSE(AnyInk(0, 470, 800, 600, backdrop));
}

// The application object's device goes before the global sprites do, and
// tests and tools make several devices in one process: what outlives its
// device must draw nothing, and panels must find their shared background
// again on the next device.
TEST_F(PanelTest, ObjectsOutlivingTheirDeviceDrawNothingAndPanelsComeBack)
{
    g_sprPanelBackground.Init(); // made again below, on the first device
    CTesto text;
    CSprite bar;
    {
        int st = 0;
        auto first = plat::Device::CreateHeadless(800, 600, &st);
        ASSERT_TRUE(first);
        CFinestra old;
        old.Create(first.get());
        text.Create(first.get());
        bar.CreateFromResource(first.get(), kBitmapProgressBar, 451, 10);
    }
    EXPECT_FALSE(bar.HasDrawer());
    EXPECT_FALSE(g_sprPanelBackground.HasDrawer());
    dev->BeginScene();
    EXPECT_EQ(text.DrawAt(dev.get(), "Carpa", 10, 10), 0);
    bar.DrawAt(dev.get(), 10, 40);
    dev->EndScene();
    EXPECT_FALSE(AnyInk(0, 0, 500, 60));

    CFinestra panel;
    panel.Create(dev.get());
    dev->BeginScene();
    panel.Draw(dev.get(), 100, 100, 200, 100);
    dev->EndScene();
    EXPECT_TRUE(AnyInk(110, 110, 290, 190));
}

} // namespace
