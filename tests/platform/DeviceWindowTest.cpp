// A device on a window: the software renderer draws straight into a window
// of the back buffer's size, stretches the back buffer once the window's size
// differs, and comes back from a lost device either way.
#include "platform/Device.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>

namespace {

class DeviceWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
        window = SDL_CreateWindow("device", 0, 0, 200, 100, SDL_WINDOW_HIDDEN);
        ASSERT_TRUE(window) << SDL_GetError();
        int st = -1;
        dev = plat::Device::CreateWindowed(window, &st);
        ASSERT_TRUE(dev) << plat::StatusName(st);
        picture = dev->CreateTextureFromImage(plat::Image(20, 10, 0xFF3070B0), 0, 0, nullptr);
        sprite = dev->CreateSpriteDrawer(nullptr);
        ASSERT_TRUE(picture && sprite);
    }
    void TearDown() override
    {
        sprite.reset();
        picture.reset();
        dev.reset();
        if (window)
            SDL_DestroyWindow(window);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }

    // Clears to dark grey and draws the picture at (40, 20) at half alpha.
    void Frame()
    {
        ASSERT_EQ(dev->Clear(0xFF202020), plat::kOk);
        dev->BeginScene();
        sprite->Draw(picture.get(), nullptr, {40, 20, 0}, 0x80FFFFFF);
        dev->EndScene();
        ASSERT_EQ(dev->Present(), plat::kOk);
    }

    // What the player sees: the window's own pixels.
    plat::Argb Shown(int x, int y)
    {
        SDL_Surface* s = SDL_GetWindowSurface(window);
        if (!s || x >= s->w || y >= s->h)
            return 0;
        plat::Argb p = 0;
        SDL_Rect rc{x, y, 1, 1};
        SDL_Surface* one = SDL_CreateRGBSurfaceWithFormat(0, 1, 1, 32, SDL_PIXELFORMAT_ARGB8888);
        SDL_BlitSurface(s, &rc, one, nullptr);
        p = *static_cast<plat::Argb*>(one->pixels);
        SDL_FreeSurface(one);
        return p | 0xFF000000;
    }

    static bool Near(plat::Argb a, plat::Argb b)
    {
        for (int s : {16, 8, 0})
            if (std::abs(int((a >> s) & 0xFF) - int((b >> s) & 0xFF)) > 2)
                return false;
        return true;
    }

    SDL_Window* window = nullptr;
    std::unique_ptr<plat::Device> dev;
    plat::TexturePtr picture;
    std::unique_ptr<plat::SpriteDrawer> sprite;
};

constexpr plat::Argb kGrey = 0xFF202020;
constexpr plat::Argb kBlend = 0xFF284868; // half the picture over the grey

TEST_F(DeviceWindowTest, TheWindowShowsTheFrameAndReadBackAgrees)
{
    Frame();
    for (auto [x, y, expected] : {std::tuple{45, 25, kBlend}, {10, 10, kGrey}, {199, 99, kGrey}}) {
        EXPECT_TRUE(Near(Shown(x, y), expected)) << x << "," << y << std::hex << " 0x" << Shown(x, y);
        EXPECT_TRUE(Near(dev->ReadPixel(x, y), expected)) << x << "," << y;
    }
    plat::Image img;
    ASSERT_TRUE(dev->ReadPixels(img));
    EXPECT_EQ(img.width, 200);
    EXPECT_EQ(img.height, 100);
}

TEST_F(DeviceWindowTest, AWindowOfAnotherSizeGetsTheBackBufferStretched)
{
    Frame();
    SDL_SetWindowSize(window, 400, 200);
    Frame();
    // The back buffer keeps its size; the window shows it doubled.
    EXPECT_TRUE(Near(dev->ReadPixel(45, 25), kBlend));
    EXPECT_TRUE(Near(Shown(90, 50), kBlend)) << std::hex << Shown(90, 50);
    EXPECT_TRUE(Near(Shown(20, 20), kGrey));
    plat::Image img;
    ASSERT_TRUE(dev->ReadPixels(img));
    EXPECT_EQ(img.width, 200);
}

TEST_F(DeviceWindowTest, ALostDeviceComesBackDrawingTheSame)
{
    Frame();
    dev->SimulateLoss();
    EXPECT_EQ(dev->Present(), plat::kDeviceLost);
    sprite.reset();
    picture.reset();
    EXPECT_EQ(dev->TestCooperativeLevel(), plat::kDeviceLost);
    EXPECT_EQ(dev->TestCooperativeLevel(), plat::kDeviceNotReset);
    ASSERT_EQ(dev->Reset(), plat::kOk);
    picture = dev->CreateTextureFromImage(plat::Image(20, 10, 0xFF3070B0), 0, 0, nullptr);
    sprite = dev->CreateSpriteDrawer(nullptr);
    Frame();
    EXPECT_TRUE(Near(Shown(45, 25), kBlend));
    EXPECT_TRUE(Near(dev->ReadPixel(45, 25), kBlend));
}

} // namespace
