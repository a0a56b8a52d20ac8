// A device on a window: the software renderer draws straight into a window
// of the back buffer's size, stretches the back buffer once the window's size
// differs, comes back from a lost device either way, and leaves out frames
// that would show the window the same picture again.
#include "platform/Device.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <functional>
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

    // Clears to dark grey and draws the picture at (x, 20) at half alpha.
    void Frame(float x = 40)
    {
        ASSERT_EQ(dev->Clear(0xFF202020), plat::kOk);
        dev->BeginScene();
        sprite->Draw(picture.get(), nullptr, {x, 20, 0}, 0x80FFFFFF);
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

void SendWindowEvent(SDL_Window* window, Uint8 event)
{
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = event;
    e.window.windowID = SDL_GetWindowID(window);
    SDL_PushEvent(&e);
    SDL_FlushEvent(SDL_WINDOWEVENT);
}

TEST_F(DeviceWindowTest, OnlyFramesThatChangeThePictureOrFollowAWindowChangeAreShown)
{
    dev->SkipUnchangedFrames(true);
    Frame();
    const struct {
        const char* what;
        std::function<void()> before; // what happens before the frame
        float x;                       // where the frame draws the picture
        bool shown;
        plat::Argb at40; // what the window and the back buffer hold at (40, 25)
    } steps[] = {
        {"the same frame", [] {}, 40, false, kBlend},
        {"the same frame again", [] {}, 40, false, kBlend},
        {"the picture one pixel to the right", [] {}, 41, true, kGrey},
        {"the same as that", [] {}, 41, false, kGrey},
        {"the window uncovered", [&] { SendWindowEvent(window, SDL_WINDOWEVENT_EXPOSED); }, 41, true, kGrey},
        {"the window restored", [&] { SendWindowEvent(window, SDL_WINDOWEVENT_RESTORED); }, 41, true, kGrey},
        {"nothing after it", [] {}, 41, false, kGrey},
        // A draw outside a scene changed the back buffer: the next frame is
        // drawn again, though not shown, since the window shows that picture.
        {"a draw outside a scene", [&] { sprite->Draw(picture.get(), nullptr, {0, 0, 0}, 0xFFFFFFFF); }, 41, false,
         kGrey},
        {"back at the first place", [] {}, 40, true, kBlend},
    };
    for (const auto& s : steps) {
        s.before();
        const std::uint64_t presented = dev->PresentedFrames();
        Frame(s.x);
        EXPECT_EQ(dev->PresentedFrames() - presented, s.shown ? 1u : 0u) << s.what;
        EXPECT_TRUE(Near(Shown(40, 25), s.at40)) << s.what << std::hex << " 0x" << Shown(40, 25);
        EXPECT_TRUE(Near(dev->ReadPixel(40, 25), s.at40)) << s.what;
        EXPECT_TRUE(Near(Shown(5, 5), kGrey)) << s.what; // the draw outside the scene is cleared away
    }

    // Resized, the window is drawn at once, stretched.
    SDL_SetWindowSize(window, 400, 200);
    std::uint64_t presented = dev->PresentedFrames();
    Frame();
    EXPECT_EQ(dev->PresentedFrames() - presented, 1u);
    EXPECT_TRUE(Near(Shown(90, 50), kBlend)) << std::hex << Shown(90, 50);

    // Without skipping every frame is shown.
    dev->SkipUnchangedFrames(false);
    presented = dev->PresentedFrames();
    Frame();
    Frame();
    EXPECT_EQ(dev->PresentedFrames() - presented, 2u);
}

} // namespace
