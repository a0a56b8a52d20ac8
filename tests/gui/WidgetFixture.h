#pragma once
// A headless device with the screen globals set, and helpers that play the
// mouse the way the window procedure does: move the pointer, then hand the
// press or the release to the widget under test.
#include "platform/Clock.h"
#include "tests/shell/GfxFixture.h"

namespace widget_test {

class WidgetTest : public gfx_test::GfxTest {
protected:
    // The fake clock and the language go back with the rest of the shared
    // state when the test ends.
    void SetUp() override
    {
        GfxTest::SetUp();
        g_Opzioni.italian = false;
        plat::SetGameClock(100000);
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
};

} // namespace widget_test
