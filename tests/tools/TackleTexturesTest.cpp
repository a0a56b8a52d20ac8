// The 3D textures carry the colours the tables give: each rod texture its
// rod colour along the blank and the grip colour in its first texel, each
// spool its line colour all over.
#include "platform/Image.h"
#include "platform/Resources.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

namespace {

plat::Image Bitmap(int id)
{
    plat::Image img;
    const plat::Resource* r = plat::FindResource(plat::ResourceKind::Bitmap, id);
    EXPECT_TRUE(r && plat::DecodeImage(r->data, r->size, img)) << "bitmap " << id;
    return img;
}

::testing::AssertionResult Is(std::uint32_t pixel, float r, float g, float b)
{
    const int want[3] = {int(r * 255 + 0.5f), int(g * 255 + 0.5f), int(b * 255 + 0.5f)};
    const int got[3] = {int(pixel >> 16 & 0xFF), int(pixel >> 8 & 0xFF), int(pixel & 0xFF)};
    for (int i = 0; i < 3; ++i)
        if (std::abs(want[i] - got[i]) > 1)
            return ::testing::AssertionFailure() << std::hex << "pixel 0x" << pixel;
    if ((pixel >> 24) != 0xFF)
        return ::testing::AssertionFailure() << "not opaque";
    return ::testing::AssertionSuccess();
}

TEST(TackleTextures, RodTexturesFollowTheRodColours)
{
    // Bitmap by rod colour, and the colour's light row.
    const struct {
        int id;
        float r, g, b;
    } rods[] = {{344, 0.7f, 0.7f, 0.7f},    {343, 0.5f, 0.5f, 0.5f},   {345, 0.35f, 0.35f, 0.35f}, {346, 0.97f, 0.73f, 0.23f},
                {347, 0.74f, 0.46f, 0.24f}, {348, 0.54f, 0.15f, 0.15f}, {349, 0.0f, 0.25f, 0.5f},   {350, 0.35f, 0.67f, 1.0f},
                {351, 0.0f, 0.72f, 0.75f},  {352, 0.0f, 0.66f, 0.37f},  {353, 0.0f, 0.41f, 0.22f}};
    const std::uint32_t grip = Bitmap(344).At(0, 0);
    for (const auto& rod : rods) {
        SCOPED_TRACE(rod.id);
        const plat::Image img = Bitmap(rod.id);
        ASSERT_GT(img.width, 8);
        // Between two rings a quarter of the way from the tip, round the blank.
        for (int y = 0; y < img.height; ++y)
            EXPECT_TRUE(Is(img.At(img.width / 4, y), rod.r, rod.g, rod.b));
        // The handle's vertices all take texel (0, 0): the same grip on every rod.
        EXPECT_EQ(grip, img.At(0, 0));
        EXPECT_EQ(grip, img.At(1, img.height - 1));
    }
}

TEST(TackleTextures, SpoolsShowTheLineColours)
{
    const struct {
        int id;
        float r, g, b;
    } spools[] = {{356, 0.7f, 0.7f, 0.7f},  {357, 0.8f, 0.8f, 0.4f},   {358, 0.0f, 0.66f, 0.37f}, {359, 0.0f, 0.41f, 0.22f},
                  {360, 0.6f, 0.2f, 0.3f},  {361, 0.22f, 0.22f, 0.5f}, {384, 0.39f, 0.39f, 0.39f}, {385, 0.5f, 0.0f, 0.5f},
                  {386, 0.0f, 0.99f, 0.0f}, {387, 0.99f, 0.5f, 0.25f}, {388, 0.82f, 0.0f, 0.0f},  {389, 0.8f, 0.99f, 0.99f},
                  {390, 0.99f, 0.8f, 0.8f}};
    for (const auto& s : spools) {
        SCOPED_TRACE(s.id);
        const plat::Image img = Bitmap(s.id);
        ASSERT_FALSE(img.pixels.empty());
        for (std::uint32_t p : img.pixels)
            EXPECT_TRUE(Is(p, s.r, s.g, s.b));
    }
}

} // namespace
