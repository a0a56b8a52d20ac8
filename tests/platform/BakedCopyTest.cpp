// Tinted and faded draws on the software renderer come from baked copies
// from their second frame on: the picture stays the same within rounding,
// through a lost device too, and the copies stay bounded (those no recent
// frame drew first) and never outlive their texture.
#include "platform/Device.h"
#include "platform/DeviceInternal.h"
#include "platform/Font.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

constexpr plat::Argb kBackground = 0xFF203040;

// A picture with every kind of pixel a game picture has: opaque colours,
// translucent ones and fully transparent ones.
plat::Image TestPicture(int w, int h)
{
    plat::Image img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::uint32_t a = (x / 8) % 3 == 0 ? 255 : (x / 8) % 3 == 1 ? 128 + y % 100 : 0;
            img.At(x, y) = a << 24 | std::uint32_t(x * 255 / w) << 16 | std::uint32_t(y * 255 / h) << 8 | 0x90;
        }
    return img;
}

::testing::AssertionResult SameWithin(const plat::Image& a, const plat::Image& b, int tol)
{
    if (a.width != b.width || a.height != b.height)
        return ::testing::AssertionFailure() << "sizes differ";
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            for (int s : {16, 8, 0})
                if (std::abs(int((a.At(x, y) >> s) & 0xFF) - int((b.At(x, y) >> s) & 0xFF)) > tol)
                    return ::testing::AssertionFailure()
                           << std::hex << "0x" << a.At(x, y) << " against 0x" << b.At(x, y) << " at " << std::dec << x
                           << "," << y;
    return ::testing::AssertionSuccess();
}

class BakedCopyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        int st = -1;
        dev = plat::Device::CreateHeadless(320, 240, &st);
        ASSERT_TRUE(dev) << plat::StatusName(st);
        MakeObjects();
    }

    void MakeObjects()
    {
        picture = dev->CreateTextureFromImage(TestPicture(96, 64), 0, 0, nullptr);
        sprite = dev->CreateSpriteDrawer(nullptr);
        font = dev->CreateFont("Arial", 15, 0, 700, nullptr);
        ASSERT_TRUE(picture && sprite && font);
    }

    // One frame of every kind of modulated draw: a tint with alpha, a crop,
    // a quarter turn, a half turn, a magnified picture and a faded text.
    plat::Image Frame()
    {
        dev->Clear(kBackground);
        dev->BeginScene();
        plat::Rect crop{10, 5, 70, 45};
        sprite->SetTransform(plat::MatrixIdentity());
        sprite->Draw(picture.get(), nullptr, {4, 4, 0.5f}, plat::PackArgb(0.8f, 0.35f, 0.45f, 0.65f));
        sprite->Draw(picture.get(), &crop, {110, 4, 0.5f}, plat::PackArgb(0.5f, 1.0f, 0.2f, 0.9f));
        sprite->SetTransform(plat::MatrixTransformation2D({1, 1}, {48, 32}, 1.5707964f, {180, 10}));
        sprite->Draw(picture.get(), nullptr, {0, 0, 0.4f}, plat::PackArgb(0.7f, 1, 1, 1));
        sprite->SetTransform(plat::MatrixTransformation2D({1, 1}, {48, 32}, 3.1415927f, {10, 150}));
        sprite->Draw(picture.get(), nullptr, {0, 0, 0.4f}, plat::PackArgb(1, 0.6f, 0.6f, 0.6f));
        sprite->SetTransform(plat::MatrixTransformation2D({1.5f, 1.5f}, {0, 0}, 0, {120, 120}));
        sprite->Draw(picture.get(), nullptr, {0, 0, 0.3f}, plat::PackArgb(0.9f, 0.4f, 0.79f, 0.79f));
        font->DrawText("Carpa 1200 g", -1, plat::Rect{10, 215, 0, 0}, plat::kTextNoClip,
                       plat::PackArgbRounded(0.7f, 1.0f, 0.9f, 0.2f), 0.1f);
        dev->EndScene();
        plat::Image img;
        dev->ReadPixels(img);
        return img;
    }

    std::unique_ptr<plat::Device> dev;
    plat::TexturePtr picture;
    std::unique_ptr<plat::SpriteDrawer> sprite;
    std::unique_ptr<plat::Font> font;
};

TEST_F(BakedCopyTest, BakedFramesMatchModulatedOnesAlsoAfterALostDevice)
{
    const plat::Image modulated = Frame();
    EXPECT_EQ(dev->BakedCopyCount(), 0u); // nothing is copied for a single frame
    const plat::Image baked = Frame();
    EXPECT_EQ(dev->BakedCopyCount(), 6u); // five tints of the picture, one of the text
    EXPECT_TRUE(SameWithin(baked, modulated, 2));
    EXPECT_TRUE(Frame().pixels == baked.pixels);

    dev->SimulateLoss();
    EXPECT_EQ(dev->Present(), plat::kDeviceLost);
    picture.reset();
    sprite.reset();
    font.reset();
    EXPECT_EQ(dev->TestCooperativeLevel(), plat::kDeviceLost);
    EXPECT_EQ(dev->TestCooperativeLevel(), plat::kDeviceNotReset);
    ASSERT_EQ(dev->Reset(), plat::kOk);
    EXPECT_EQ(dev->BakedCopyCount(), 0u);
    EXPECT_EQ(dev->BakedCopyBytes(), 0u);
    MakeObjects();
    EXPECT_TRUE(SameWithin(Frame(), modulated, 2));
    EXPECT_TRUE(Frame().pixels == baked.pixels);
}

TEST_F(BakedCopyTest, AFadeIsNeverCopiedAndUntintedDrawsNeedNoCopy)
{
    for (int i = 0; i < 20; ++i) {
        dev->BeginScene();
        sprite->Draw(picture.get(), nullptr, {0, 0, 0}, plat::PackArgb(i / 20.0f, 1, 1, 1));
        sprite->Draw(picture.get(), nullptr, {100, 0, 0}, 0xFFFFFFFF);
        dev->EndScene();
    }
    EXPECT_EQ(dev->BakedCopyCount(), 0u);
}

TEST_F(BakedCopyTest, CopiesStayWithinTheirBoundsAndTheNewestIsRight)
{
    // Large pictures in many tints, each asked for in two frames in a row.
    plat::TexturePtr big = dev->CreateTextureFromImage(TestPicture(1024, 1024), 0, 0, nullptr);
    ASSERT_TRUE(big);
    plat::Image expected;
    for (int tint = 0; tint < 16; ++tint) {
        plat::Argb colour = plat::PackArgb(0.9f, tint / 16.0f, 0.5f, 1.0f);
        for (int frame = 0; frame < 2; ++frame) {
            dev->Clear(kBackground);
            dev->BeginScene();
            sprite->SetTransform(plat::MatrixIdentity());
            sprite->Draw(big.get(), nullptr, {-500, -500, 0}, colour);
            dev->EndScene();
            EXPECT_LE(dev->BakedCopyBytes(), plat::BakedCopies::kMaxBytes);
            plat::Image img;
            dev->ReadPixels(img);
            if (frame == 0)
                expected = img;
            else
                EXPECT_TRUE(SameWithin(img, expected, 2)) << tint;
        }
    }
    // Tints no frame draws any more are not kept beyond the smaller bound.
    EXPECT_GT(dev->BakedCopyCount(), 0u);
    EXPECT_LE(dev->BakedCopyBytes(), plat::BakedCopies::kKeepBytes);

    // What one frame draws is kept also beyond it: no copy made again.
    for (int frame = 0; frame < 4; ++frame) {
        dev->BeginScene();
        for (int tint = 0; tint < 6; ++tint)
            sprite->Draw(big.get(), nullptr, {-500, -500, 0}, plat::PackArgb(0.9f, tint / 6.0f, 0.2f, 1.0f));
        dev->EndScene();
        if (frame > 0) {
            EXPECT_EQ(dev->BakedCopyCount(), 6u) << frame;
        }
    }
    EXPECT_GT(dev->BakedCopyBytes(), plat::BakedCopies::kKeepBytes);

    // Many small pictures: the count is bounded too.
    std::vector<plat::TexturePtr> many;
    for (std::size_t i = 0; i < plat::BakedCopies::kMaxCount + 40; ++i)
        many.push_back(dev->CreateTextureFromImage(plat::Image(2, 2, 0xFFFFFFFF), 0, 0, nullptr));
    for (int frame = 0; frame < 2; ++frame) {
        dev->BeginScene();
        for (auto& t : many)
            sprite->Draw(t.get(), nullptr, {0, 0, 0}, 0xFF808080);
        dev->EndScene();
    }
    EXPECT_EQ(dev->BakedCopyCount(), plat::BakedCopies::kMaxCount);
    many.clear(); // their copies go with them
    EXPECT_LE(dev->BakedCopyCount(), 1u);
}

TEST_F(BakedCopyTest, ACopyNeverOutlivesItsTexture)
{
    const plat::Argb tint = 0xFF808080;
    auto drawTwice = [&](const plat::Texture* t) {
        for (int frame = 0; frame < 2; ++frame) {
            dev->Clear(kBackground);
            dev->BeginScene();
            sprite->Draw(t, nullptr, {0, 0, 0}, tint);
            dev->EndScene();
        }
        return dev->ReadPixel(5, 5);
    };
    // A texture made after another one went may live at its address: it
    // must still show its own picture.
    for (plat::Argb colour : {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu}) {
        plat::TexturePtr t = dev->CreateTextureFromImage(plat::Image(16, 16, colour), 0, 0, nullptr);
        const plat::Argb expected = 0xFF000000 | ((colour & 0xFEFEFE) >> 1);
        plat::Argb got = drawTwice(t.get());
        for (int s : {16, 8, 0})
            EXPECT_NEAR(int((got >> s) & 0xFF), int((expected >> s) & 0xFF), 2) << std::hex << colour;
        EXPECT_EQ(dev->BakedCopyCount(), 1u);
        t.reset();
        EXPECT_EQ(dev->BakedCopyCount(), 0u);
    }
}

} // namespace
