#include "tests/shell/GfxFixture.h"

#include "shell/GestFile.h"
#include "shell/SpriteBordo.h"
#include "platform/Files.h"
#include "tests/support/TempFolders.h"

using namespace gfx_test;

namespace {

class PhotoTest : public GfxTest {
protected:
    void SetUp() override
    {
        GfxTest::SetUp();
        folder = folders.Program() + "/Photos";
        plat::MakeFolder(folder);
        plat::SavePng(folder + "/fish.png", plat::Image(64, 32, 0xFF20A040));
        folders.Write("program/Photos/broken.png", "this is no picture");
        plat::MakeFolder(folder + "/adir.png");
        photo.Init(dev.get());
    }
    testing_support::TempFolders folders;
    std::string folder;
    CSpriteBordo photo;
};

TEST_F(PhotoTest, PhotoOrBuiltInFallback)
{
    const struct {
        const char* name;
        bool fromFile;
        float alpha;
    } cases[] = {
        {"fish.png", true, 1.0f},
        {"NOME_FILE_FOTO_NULL", false, 0.2f},
        {"nome_file_foto_null", false, 0.2f}, // a file name like any other, and missing
        {"", false, 1.0f},
        {nullptr, false, 1.0f},
        {"missing.png", false, 0.2f},
        {"broken.png", false, 0.2f}, // there but not a picture: falls back, never fatal
        {"adir.png", false, 0.2f},   // a folder of that name
    };
    for (const auto& c : cases) {
        EXPECT_EQ(0, photo.LoadPhoto(dev.get(), folder.c_str(), c.name, kBitmapProgressBar, 180, 120))
            << (c.name ? c.name : "null");
        EXPECT_EQ(c.fromFile ? 0 : 1, photo.m_fromResource) << (c.name ? c.name : "null");
        EXPECT_FLOAT_EQ(c.alpha, photo.m_alpha) << (c.name ? c.name : "null");
        EXPECT_TRUE(photo.HasDrawer());
        EXPECT_EQ(180, photo.m_frameW);
        EXPECT_EQ(120, photo.m_frameH);
    }
}

// Photos come from players: one claiming an enormous size (here an SVG under
// a picture's name, which decoders used to rasterise at its own size) shows
// the built-in picture at once and leaves a line in the error log.
TEST_F(PhotoTest, HugePhotoFallsBackWithALogLine)
{
    ASSERT_TRUE(g_GestFile.Init());
    folders.Write("program/Photos/huge.png", "<svg xmlns='http://www.w3.org/2000/svg' width='200000' "
                                             "height='200000'><rect width='200000' height='200000'/></svg>");
    folders.Write("program/Photos/wide.png", std::string("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR\0\0\x80\0\0\0\x40\x10", 24));
    for (const char* name : {"huge.png", "wide.png"}) {
        EXPECT_EQ(0, photo.LoadPhoto(dev.get(), folder.c_str(), name, kBitmapProgressBar, 180, 120));
        EXPECT_EQ(1, photo.m_fromResource) << name;
        EXPECT_FLOAT_EQ(0.2f, photo.m_alpha) << name;
    }
    const std::string log = folders.Read("appdata/Karvelin/norva_error.log");
    EXPECT_NE(log.find("huge.png"), std::string::npos) << log;
    EXPECT_NE(log.find("wide.png"), std::string::npos) << log;
}

TEST_F(PhotoTest, BitmapIdZeroKeepsThePreviousPicture)
{
    photo.LoadPhoto(dev.get(), folder.c_str(), "fish.png", kBitmapProgressBar, 100, 50);
    EXPECT_EQ(1, photo.LoadPhoto(dev.get(), folder.c_str(), "missing.png", 0, 100, 50));
    EXPECT_FLOAT_EQ(0.2f, photo.m_alpha);
    EXPECT_EQ(0, photo.m_fromResource);
    EXPECT_TRUE(photo.HasDrawer());
}

// After a lost device the photo is made again from its file; a file that
// has gone (or gone bad) meanwhile shows the fallback instead of ending the
// program. Either way the look stays.
TEST_F(PhotoTest, ResetRemakesThePhotoOrFallsBackWhenTheFileWentBad)
{
    for (bool fileStays : {true, false}) {
        SCOPED_TRACE(fileStays);
        plat::SavePng(folder + "/lake.png", plat::Image(64, 32, 0xFF20A040));
        photo.LoadPhoto(dev.get(), folder.c_str(), "lake.png", kBitmapProgressBar, 180, 120);
        ASSERT_EQ(0, photo.m_fromResource);
        photo.m_scale = 0.5f;
        photo.OnLostDevice();
        if (!fileStays)
            folders.Write("program/Photos/lake.png", "no longer a picture");
        ASSERT_EQ(plat::kOk, dev->Reset());
        photo.OnResetDevice(dev.get());
        EXPECT_EQ(0, photo.m_deviceLost);
        EXPECT_TRUE(photo.HasDrawer());
        EXPECT_EQ(fileStays ? 0 : 1, photo.m_fromResource);
        EXPECT_FLOAT_EQ(fileStays ? 1.0f : 0.2f, photo.m_alpha);
        EXPECT_FLOAT_EQ(0.5f, photo.m_scale);
        EXPECT_EQ(180, photo.m_frameW);
        EXPECT_EQ(120, photo.m_frameH);
    }
}

TEST_F(PhotoTest, PhotoIsStretchedAndFramedAtItsScale)
{
    photo.LoadPhoto(dev.get(), folder.c_str(), "fish.png", kBitmapProgressBar, 200, 150);
    photo.m_scale = 0.5f;
    photo.DrawAt(dev.get(), 100, 100);
    EXPECT_TRUE(Near(Px(150, 130), 0xFF20A040));
    EXPECT_TRUE(Near(Px(102, 102), 0xFF20A040));
    // The frame runs along the picture's edges: 100 x 75 (rounded down to 75).
    auto isFrame = [&](int x, int y) { return !Near(Px(x, y), 0xFF20A040, 10) && !Near(Px(x, y), kBlack, 10); };
    EXPECT_TRUE(isFrame(150, 100)) << "top edge";
    EXPECT_TRUE(isFrame(150, 175)) << "bottom edge";
    EXPECT_TRUE(isFrame(200, 130)) << "right edge";
    EXPECT_TRUE(isFrame(99, 130)) << "left edge, one pixel out";
    EXPECT_FALSE(isFrame(150, 190));
}

} // namespace
