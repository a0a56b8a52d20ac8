// The species photos: one embedded 180 x 120 picture per species, under the
// ids the catalogue stores, and no two species sharing the same picture.
#include "platform/Image.h"
#include "platform/Resources.h"
#include "tools/gen_fish/PhotoIds.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <vector>

namespace {

TEST(FishPhotosTest, IdsClimbWithTheIndexInsideThePhotoRange)
{
    const std::array<std::array<int, 2>, 7> fixed = {{{0, 185}, {3, 188}, {43, 287}, {88, 335}, {106, 391}, {125, 414}, {127, 416}}};
    for (const auto& [species, id] : fixed)
        EXPECT_EQ(id, fishphoto::PhotoId(species)) << "species " << species;
    int previous = 184;
    for (int i = 0; i < fishphoto::kSpeciesCount; ++i) {
        const int id = fishphoto::PhotoId(i);
        EXPECT_GT(id, previous) << "species " << i;
        EXPECT_LE(id, 418) << "species " << i;
        previous = id;
    }
    EXPECT_EQ(-1, fishphoto::PhotoId(-1));
    EXPECT_EQ(-1, fishphoto::PhotoId(fishphoto::kSpeciesCount));
}

// A 45 x 30 colour thumbnail (4 x 4 pixel averages) of a decoded photo.
std::vector<int> Thumbnail(const plat::Image& img)
{
    std::vector<int> out;
    for (int y = 0; y < img.height; y += 4)
        for (int x = 0; x < img.width; x += 4)
            for (int shift : {16, 8, 0}) {
                int sum = 0;
                for (int j = 0; j < 4; ++j)
                    for (int i = 0; i < 4; ++i)
                        sum += int((img.At(x + i, y + j) >> shift) & 0xFF);
                out.push_back(sum / 16);
            }
    return out;
}

TEST(FishPhotosTest, EverySpeciesHasItsOwnOpaquePhoto)
{
    std::vector<std::vector<int>> thumbs;
    for (int i = 0; i < fishphoto::kSpeciesCount; ++i) {
        SCOPED_TRACE("species " + std::to_string(i));
        const plat::Resource* r = plat::FindResource(plat::ResourceKind::Bitmap, fishphoto::PhotoId(i));
        ASSERT_NE(nullptr, r);
        EXPECT_EQ(fishphoto::kWidth, r->width);
        EXPECT_EQ(fishphoto::kHeight, r->height);
        plat::Image img;
        ASSERT_TRUE(plat::DecodeImage(r->data, r->size, img));
        ASSERT_EQ(fishphoto::kWidth, img.width);
        ASSERT_EQ(fishphoto::kHeight, img.height);
        int translucent = 0;
        for (std::uint32_t p : img.pixels)
            translucent += (p >> 24) != 0xFF;
        EXPECT_EQ(0, translucent);
        thumbs.push_back(Thumbnail(img));
    }
    // Pairwise: the average colour difference between two species' photos
    // must be clearly above noise, so no species shows another one's fish.
    for (std::size_t a = 0; a < thumbs.size(); ++a)
        for (std::size_t b = a + 1; b < thumbs.size(); ++b) {
            long diff = 0;
            for (std::size_t k = 0; k < thumbs[a].size(); ++k)
                diff += std::abs(thumbs[a][k] - thumbs[b][k]);
            EXPECT_GE(double(diff) / double(thumbs[a].size()), 3.0) << "species " << a << " and " << b;
        }
}

} // namespace
