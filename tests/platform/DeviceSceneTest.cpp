// What the device does with a scene's draws and the pictures made on it:
// triangles batched by texture come out exactly as drawn one at a time in
// depth order, and a picture asked for again at the same size is the one
// already made, for as long as something holds it; a picture without a
// clear pixel covers what is below it exactly, any other one still blends.
#include "platform/Device.h"
#include "platform/Image.h"
#include "platform/Resources.h"
#include "tests/support/TempFolders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

class DeviceSceneTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        int st = -1;
        dev = plat::Device::CreateHeadless(160, 120, &st);
        ASSERT_TRUE(dev) << plat::StatusName(st);
    }
    std::unique_ptr<plat::Device> dev;
};

TEST_F(DeviceSceneTest, BatchedTrianglesDrawAsOneByOneFarToNear)
{
    plat::Image stripes(8, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            stripes.At(x, y) = (x + y) % 2 ? 0xC0FF8000 : 0xFF0040FF;
    plat::TexturePtr a = dev->CreateTextureFromImage(stripes, 0, 0, nullptr);
    plat::TexturePtr b = dev->CreateTextureFromImage(plat::Image(4, 4, 0x9020E040), 0, 0, nullptr);
    ASSERT_TRUE(a && b);

    // Forty overlapping triangles of three kinds (two textures, none) at
    // depths that interleave them, some equal so that the draw order decides.
    struct Tri {
        const plat::Texture* texture;
        plat::ScreenVertex v[3];
        float depth;
    };
    std::vector<Tri> tris;
    for (int i = 0; i < 40; ++i) {
        const plat::Texture* t = i % 3 == 0 ? a.get() : i % 3 == 1 ? b.get() : nullptr;
        // Every fourth at depth 0, half of those written -0: the same depth.
        const float z = i % 4 == 0 ? (i % 8 == 0 ? -0.0f : 0.0f) : float((i * 7) % 10) / 10.0f;
        const float x = float(10 + (i * 13) % 100), y = float(10 + (i * 29) % 80);
        const plat::Argb colour = 0xA0000000u | std::uint32_t(i * 6) << 16 | 0x8080u;
        Tri tri{t, {{x, y, z, colour, 0, 0}, {x + 40, y + 5, z, colour, 1, 0}, {x + 10, y + 35, z, colour, 0, 1}}, z};
        tris.push_back(tri);
    }
    auto picture = [&] {
        plat::Image img;
        EXPECT_TRUE(dev->ReadPixels(img));
        return img;
    };

    dev->Clear(0xFF102030);
    dev->BeginScene();
    for (int k = 0; k < 2; ++k) // also through one call of several triangles
        for (const Tri& t : tris)
            if ((t.texture == b.get()) == (k == 1))
                dev->DrawTriangles(t.texture, t.v, 3);
    dev->EndScene();
    const plat::Image batched = picture();

    // The same submission order, sorted by hand, drawn outside a scene one
    // triangle at a time.
    std::vector<std::size_t> order;
    for (int k = 0; k < 2; ++k)
        for (std::size_t i = 0; i < tris.size(); ++i)
            if ((tris[i].texture == b.get()) == (k == 1))
                order.push_back(i);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t l, std::size_t r) { return tris[l].depth > tris[r].depth; });
    dev->Clear(0xFF102030);
    for (std::size_t i : order)
        dev->DrawTriangles(tris[i].texture, tris[i].v, 3);
    EXPECT_TRUE(picture().pixels == batched.pixels);
}

TEST_F(DeviceSceneTest, OnlyAWhollyOpaquePictureAtFullOpacityCoversWhatIsBelow)
{
    // One clear pixel anywhere, the last one too, or one of the colour key,
    // keeps a picture blended; a fade or a turn blends an opaque one.
    constexpr plat::Argb kBelow = 0xFF102030, kPicture = 0xFFC08040;
    plat::Image opaque(8, 8, kPicture), lastClear = opaque, keyed = opaque, translucent = opaque;
    lastClear.At(7, 7) = 0x00C08040;
    keyed.At(3, 3) = plat::kColourKey;
    translucent.At(5, 2) = 0x80C08040;
    auto sprite = dev->CreateSpriteDrawer(nullptr);
    plat::TexturePtr pictures[] = {dev->CreateTextureFromImage(opaque, 0, 0, nullptr),
                                   dev->CreateTextureFromImage(lastClear, 0, 0, nullptr),
                                   dev->CreateTextureFromImage(keyed, 0, 0, nullptr),
                                   dev->CreateTextureFromImage(translucent, 0, 0, nullptr)};
    for (auto& p : pictures)
        ASSERT_TRUE(p);
    dev->Clear(kBelow);
    dev->BeginScene();
    for (int i = 0; i < 4; ++i)
        sprite->Draw(pictures[i].get(), nullptr, {float(10 * i), 0, 0}, 0xFFFFFFFF);
    sprite->Draw(pictures[0].get(), nullptr, {0, 20, 0}, plat::PackArgb(0.5f, 1, 1, 1));
    sprite->Draw(pictures[0].get(), nullptr, {20, 20, 0}, 0xFF808080); // tinted, not faded
    sprite->SetTransform(plat::MatrixTransformation2D({4, 4}, {16, 16}, 0.5f, {60, 50}));
    sprite->Draw(pictures[0].get(), nullptr, {0, 0, 0}, 0xFFFFFFFF);
    dev->EndScene();

    EXPECT_EQ(dev->ReadPixel(0, 0) & 0xFFFFFF, kPicture & 0xFFFFFF);
    EXPECT_EQ(dev->ReadPixel(7, 7) & 0xFFFFFF, kPicture & 0xFFFFFF);
    EXPECT_EQ(dev->ReadPixel(17, 7) & 0xFFFFFF, kBelow & 0xFFFFFF);
    EXPECT_EQ(dev->ReadPixel(23, 3) & 0xFFFFFF, kBelow & 0xFFFFFF);
    const plat::Argb half = dev->ReadPixel(35, 2);
    EXPECT_NEAR(int((half >> 16) & 0xFF), (0xC0 + 0x10) / 2, 2);
    const plat::Argb faded = dev->ReadPixel(3, 23);
    EXPECT_NEAR(int((faded >> 16) & 0xFF), (0xC0 + 0x10) / 2, 2);
    EXPECT_NEAR(int((faded >> 8) & 0xFF), (0x80 + 0x20) / 2, 2);
    EXPECT_NEAR(int(dev->ReadPixel(23, 23) >> 16 & 0xFF), 0xC0 / 2, 1);
    // The turned picture's bounding box has corners it does not cover.
    EXPECT_EQ(dev->ReadPixel(61, 51) & 0xFFFFFF, kBelow & 0xFFFFFF);
    EXPECT_EQ(dev->ReadPixel(75, 65) & 0xFFFFFF, kPicture & 0xFFFFFF);
}

TEST_F(DeviceSceneTest, APictureIsMadeOncePerSizeWhileItIsHeld)
{
    const plat::Resource* res = nullptr;
    int id = 0;
    for (id = 1; id < 1000 && !res; ++id)
        res = plat::FindResource(plat::ResourceKind::Bitmap, id);
    if (!res)
        GTEST_SKIP() << "no embedded bitmap in this program";
    --id;
    plat::TexturePtr first = dev->CreateTextureFromResource(id, 40, 30, nullptr);
    ASSERT_TRUE(first);
    EXPECT_EQ(dev->CreateTextureFromResource(id, 40, 30, nullptr), first);
    plat::TexturePtr other = dev->CreateTextureFromResource(id, 20, 30, nullptr);
    ASSERT_TRUE(other);
    EXPECT_NE(other, first);
    EXPECT_EQ(other->Width(), 20);

    // A failure a test asks for still comes, shared picture or not.
    dev->FailNextCreation(plat::CreationKind::Texture, plat::kOutOfVideoMemory);
    int st = plat::kOk;
    EXPECT_FALSE(dev->CreateTextureFromResource(id, 40, 30, &st));
    EXPECT_EQ(st, plat::kOutOfVideoMemory);

    // Let go by every holder, it is gone: the next one is made afresh.
    std::weak_ptr<plat::Texture> gone = first;
    first.reset();
    EXPECT_TRUE(gone.expired());
    EXPECT_TRUE(dev->CreateTextureFromResource(id, 40, 30, nullptr));

    // A lost device's pictures are never handed out again.
    plat::TexturePtr before = dev->CreateTextureFromResource(id, 20, 30, nullptr);
    EXPECT_EQ(before, other);
    dev->SimulateLoss();
    EXPECT_EQ(dev->TestCooperativeLevel(), plat::kDeviceLost);
    EXPECT_EQ(dev->TestCooperativeLevel(), plat::kDeviceNotReset);
    ASSERT_EQ(dev->Reset(), plat::kOk);
    EXPECT_NE(dev->CreateTextureFromResource(id, 20, 30, nullptr), before);
}

TEST_F(DeviceSceneTest, AFilePictureIsSharedUntilTheFileChanges)
{
    testing_support::TempFolders folders;
    const std::string path = folders.Program() + "/picture.png";
    auto write = [&](plat::Argb colour, int w) {
        ASSERT_TRUE(plat::SavePng(path, plat::Image(w, 4, colour)));
    };
    write(0xFFFF0000, 4);
    plat::TexturePtr red = dev->CreateTextureFromFile(path, 8, 8, nullptr);
    ASSERT_TRUE(red);
    EXPECT_EQ(dev->CreateTextureFromFile(path, 8, 8, nullptr), red);
    // Rewritten with another picture: read again.
    write(0xFF00FF00, 6);
    plat::TexturePtr green = dev->CreateTextureFromFile(path, 8, 8, nullptr);
    ASSERT_TRUE(green);
    EXPECT_NE(green, red);
    auto sprite = dev->CreateSpriteDrawer(nullptr);
    dev->Clear(0xFF000000);
    dev->BeginScene();
    sprite->Draw(green.get(), nullptr, {0, 0, 0}, 0xFFFFFFFF);
    dev->EndScene();
    EXPECT_EQ(dev->ReadPixel(3, 3), 0xFF00FF00u);
}

} // namespace
