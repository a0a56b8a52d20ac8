#pragma once
// A headless 800 x 600 device for picture tests, with the screen globals,
// the settings the sprites read, and helpers for reading pixels back. The
// settings, pointer, screen sizes and clock a test changes are put back after
// it.
#include "platform/Image.h"
#include "shell/Graphics.h"
#include "shell/Oggetto.h"
#include "shell/Opzioni.h"
#include "shell/Sprite.h"
#include "tests/support/SharedState.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace gfx_test {

inline int Channel(plat::Argb p, int shift) { return int((p >> shift) & 0xFF); }

// Colour equality within tol per channel (alpha ignored: the back buffer's
// alpha is not what the player sees).
inline ::testing::AssertionResult Near(plat::Argb actual, plat::Argb expected, int tol = 2)
{
    for (int s : {16, 8, 0})
        if (std::abs(Channel(actual, s) - Channel(expected, s)) > tol)
            return ::testing::AssertionFailure() << std::hex << "pixel 0x" << actual << " expected 0x" << expected;
    return ::testing::AssertionSuccess();
}

// Two pictures of the same size equal within tol per channel; the first
// pixel that differs more is named.
inline ::testing::AssertionResult ImagesNear(const plat::Image& actual, const plat::Image& expected, int tol = 2)
{
    if (actual.width != expected.width || actual.height != expected.height)
        return ::testing::AssertionFailure() << "sizes differ";
    for (int y = 0; y < actual.height; ++y)
        for (int x = 0; x < actual.width; ++x)
            if (auto r = Near(actual.At(x, y), expected.At(x, y), tol); !r)
                return r << " at " << std::dec << x << "," << y;
    return ::testing::AssertionSuccess();
}

class GfxTest : public ::testing::Test {
protected:
    static constexpr plat::Argb kBlack = 0xFF000000;

    void SetUp() override
    {
        saved = std::make_unique<testing_support::SharedState>();
        g_Opzioni.alpha = 1;
        g_pointer = PointerState{};
        MakeDevice(800, 600);
    }

    // A fresh device of that size (tests of the layout offset use a larger one).
    void MakeDevice(int width, int height)
    {
        g_pDevice = nullptr;
        dev.reset();
        g_nScreenW = g_nViewportW = width;
        g_nScreenH = g_nViewportH = height;
        int st = -1;
        dev = plat::Device::CreateHeadless(width, height, &st);
        ASSERT_TRUE(dev) << plat::StatusName(st);
        g_pDevice = dev.get();
        // The shared panel background may still hold objects of an earlier
        // test's device.
        g_sprPanelBackground.m_deviceLost = 0;
        g_sprPanelBackground.Init();
        dev->Clear(kBlack);
    }

    void TearDown() override
    {
        g_sprPanelBackground.m_deviceLost = 0;
        g_sprPanelBackground.Init();
        g_pDevice = nullptr;
        saved.reset();
    }

    plat::Argb Px(int x, int y) { return dev->ReadPixel(x, y); }

    // Whether any pixel of the rectangle differs from the colour.
    bool AnyInk(int left, int top, int right, int bottom, plat::Argb background = kBlack)
    {
        plat::Image img;
        dev->ReadPixels(img);
        for (int y = std::max(top, 0); y < std::min(bottom, img.height); ++y)
            for (int x = std::max(left, 0); x < std::min(right, img.width); ++x)
                if (!Near(img.At(x, y), background, 8))
                    return true;
        return false;
    }

    std::unique_ptr<plat::Device> dev;

private:
    std::unique_ptr<testing_support::SharedState> saved;
};

// A picture of cols x rows frames of w x h, frame (c, r) filled with
// FrameColour(c, r).
inline plat::Argb FrameColour(int c, int r) { return 0xFF000000u | plat::Argb(40 + 50 * c) << 16 | plat::Argb(30 + 100 * r) << 8 | 0x20; }

inline plat::Image FrameSheet(int cols, int rows, int w, int h)
{
    plat::Image img(cols * w, rows * h);
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x)
            img.At(x, y) = FrameColour(x / w, y / h);
    return img;
}

} // namespace gfx_test
