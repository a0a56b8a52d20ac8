#pragma once
// A headless device with the screen globals set, and helpers that play the
// mouse the way the window procedure does: move the pointer, then hand the
// press or the release to the widget under test.
#include "platform/Clock.h"
#include "platform/Image.h"
#include "shell/Graphics.h"
#include "shell/Oggetto.h"
#include "shell/Opzioni.h"
#include "shell/Sprite.h"

#include <gtest/gtest.h>

#include <memory>

namespace widget_test {

class WidgetTest : public ::testing::Test {
protected:
    static constexpr plat::Argb kBlack = 0xFF000000;

    // Tests that check the layout offset use a larger back buffer.
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
        // The shared panel background may still hold an earlier test's device.
        g_sprPanelBackground.m_deviceLost = 0;
        g_sprPanelBackground.Init();
        dev->Clear(kBlack);
    }

    void SetUp() override
    {
        g_Opzioni.alpha = 1;
        g_Opzioni.italian = false;
        g_pointer = PointerState{};
        plat::SetFakeClock(100000);
        MakeDevice(800, 600);
    }

    void TearDown() override
    {
        plat::ClearFakeClock();
        g_sprPanelBackground.m_deviceLost = 0;
        g_sprPanelBackground.Init();
        g_pDevice = nullptr;
        g_pointer = PointerState{};
    }

    static void MoveTo(int x, int y)
    {
        g_pointer.x = x;
        g_pointer.y = y;
    }

    // Press at (x, y): the pointer moves there, the button goes down.
    template <class W> static auto Press(W& widget, int x, int y)
    {
        MoveTo(x, y);
        g_pointer.left = 1;
        return widget.OnMouseDown();
    }

    template <class W> static auto Release(W& widget, int x, int y)
    {
        MoveTo(x, y);
        g_pointer.left = 0;
        return widget.OnMouseUp();
    }

    template <class W> static auto Click(W& widget, int x, int y)
    {
        Press(widget, x, y);
        return Release(widget, x, y);
    }

    std::unique_ptr<plat::Device> dev;
};

} // namespace widget_test
