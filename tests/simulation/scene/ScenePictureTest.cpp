// The float's scene picture on a real device: its own file, or the built-in
// picture when the file cannot be made into one, at selection and after a
// lost device.
#include "platform/Image.h"
#include "simulation/tackle/Galleggiante.h"
#include "tests/shell/GfxFixture.h"
#include "tests/support/TempFolders.h"

namespace {

class ScenePictureTest : public gfx_test::GfxTest {
protected:
    void SetUp() override
    {
        GfxTest::SetUp();
        g_GestFile.Init();
        ClearTackleFallbacks();
    }
    testing_support::TempFolders folders;
};

TEST_F(ScenePictureTest, BadPictureFilesFallBackInsteadOfEndingTheGame)
{
    const std::string folder = folders.Program() + "/Galleggianti";
    folders.Write("program/Galleggianti/good.kvg", "[GALLEGGIANTE]\r\nNOME=Good\r\nPESO=100\r\nFILENAMESPRITE=good.png\r\n");
    folders.Write("program/Galleggianti/bad.kvg", "[GALLEGGIANTE]\r\nNOME=Bad\r\nPESO=100\r\nFILENAMESPRITE=bad.png\r\n");
    ASSERT_TRUE(plat::SavePng(folder + "/good.png", gfx_test::FrameSheet(1, 1, 15, 45)));
    folders.Write("program/Galleggianti/bad.png", "\x89PNG\r\n\x1a\n but no picture");

    CGalleggiante floats;
    floats.Load(dev.get());
    floats.SelectById(dev.get(), "good.kvg");
    EXPECT_EQ(floats.GetScenePictureBitmap(), 0u);
    EXPECT_TRUE(floats.HasDrawer());

    floats.SelectById(dev.get(), "bad.kvg");
    EXPECT_STREQ(floats.m_current.id, "bad.kvg");
    EXPECT_EQ(floats.GetScenePictureBitmap(), kBitmapFloatScene);

    // The good picture goes bad while the device is lost.
    floats.SelectById(dev.get(), "good.kvg");
    floats.OnLostDevice();
    folders.Write("program/Galleggianti/good.png", "gone bad");
    floats.OnResetDevice(dev.get());
    EXPECT_EQ(floats.GetScenePictureBitmap(), kBitmapFloatScene);
    EXPECT_NE(folders.Read("appdata/Karvelin/norva_error.log").find("good.kvg: scene picture good.png unreadable"),
              std::string::npos);
}

} // namespace
