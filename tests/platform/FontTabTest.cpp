// A tab in a drawn text: the faces have no glyph for it, so it is measured
// and drawn as the gap of a space, never as a missing-glyph box.
#include "platform/Device.h"
#include "platform/Font.h"
#include "platform/Image.h"

#include <gtest/gtest.h>

namespace {

TEST(FontTab, ATabIsAGapLikeASpace)
{
    int st = -1;
    auto dev = plat::Device::CreateHeadless(200, 40, &st);
    ASSERT_TRUE(dev) << plat::StatusName(st);
    auto font = dev->CreateFont("Arial", 14, 0, 400, nullptr);
    ASSERT_TRUE(font);
    EXPECT_EQ(font->MeasureWidth("Pane o\t polenta"), font->MeasureWidth("Pane o  polenta"));
    // Widths are kept per text: a part measured by count is that part's.
    EXPECT_EQ(font->MeasureWidth("Pane o  polenta", 4), font->MeasureWidth("Pane"));
    EXPECT_LT(font->MeasureWidth("Pane o  polenta", 4), font->MeasureWidth("Pane o  polenta"));

    auto draw = [&](const char* text) {
        dev->Clear(0xFF000000);
        dev->BeginScene();
        font->DrawText(text, -1, {2, 2, 198, 38}, 0, 0xFFFFFFFF);
        dev->EndScene();
        plat::Image image;
        EXPECT_TRUE(dev->ReadPixels(image));
        return image;
    };
    const plat::Image tab = draw("Pane o\t polenta");
    const plat::Image spaces = draw("Pane o  polenta");
    ASSERT_EQ(tab.width, spaces.width);
    int differing = 0;
    for (int y = 0; y < tab.height; ++y)
        for (int x = 0; x < tab.width; ++x)
            differing += tab.At(x, y) != spaces.At(x, y) ? 1 : 0;
    EXPECT_EQ(differing, 0);
}

} // namespace
