#include "shared/picture_placement.h"

#include <gtest/gtest.h>

#include <vector>

#include "shared/picture_scale.h"

namespace luna {
namespace {

// The desktop scenario reads the five placements of a 4:3 picture on a 16:9 screen; here
// the pictures larger than the screen and the extreme shapes.
TEST(PicturePlacement, LargePicturesAreCutAndThinOnesKeepAPixel) {
    PicturePlacement p = PlacePicture(PictureFit::Center, 4000, 100, 1920, 1080);
    EXPECT_EQ(p.source, (PicRect{1040, 0, 1920, 100}));
    EXPECT_EQ(p.target, (PicRect{0, 490, 1920, 100}));
    p = PlacePicture(PictureFit::Tile, 100, 2000, 1920, 1080);
    EXPECT_EQ(p.target, (PicRect{0, 0, 100, 1080}));
    EXPECT_EQ(PlacePicture(PictureFit::Fit, 16384, 1, 1920, 1080).target.height, 1);
    EXPECT_EQ(PlacePicture(PictureFit::Fill, 1, 16384, 1920, 1080).source.height, 1);
}

// Scaling what StoredRect names with the orientation gives the upright picture's part.
TEST(PicturePlacement, OrientationTurnsTheStoredPixelsUpright) {
    // Stored 3 by 2, values 1..6 row by row; orientation 6 shows it turned clockwise, 2 by 3.
    const std::uint32_t stored[6] = {1, 2, 3, 4, 5, 6};
    const auto read = [](void* context, std::int32_t y, std::uint32_t* row) {
        const auto* crop = static_cast<const std::pair<const std::uint32_t*, PicRect>*>(context);
        for (int x = 0; x < crop->second.width; ++x) {
            row[x] = 0xFF000000u | crop->first[y * 3 + crop->second.x + x];
        }
        return true;
    };
    for (std::uint8_t o = 1; o <= 8; ++o) {
        const bool swaps = OrientationSwapsSides(o);
        const int uw = swaps ? 2 : 3, uh = swaps ? 3 : 2;
        std::vector<std::uint32_t> upright(6, 0);
        const PicRect whole = StoredRect(o, 3, 2, {0, 0, uw, uh});
        EXPECT_EQ(whole, (PicRect{0, 0, 3, 2})) << int(o);
        std::pair<const std::uint32_t*, PicRect> context{stored, whole};
        ASSERT_TRUE(
            ScalePicture(whole, o, read, &context, 0, {upright.data(), uw, {0, 0, uw, uh}}));
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < 3; ++x) {
                int ux = 0, uy = 0;
                UprightPoint(o, 3, 2, x, y, &ux, &uy);
                EXPECT_EQ(upright[uy * uw + ux], stored[y * 3 + x]) << int(o);
            }
        }
    }
    // The upright picture's bottom row of orientation 6 is the stored first column.
    EXPECT_EQ(StoredRect(6, 3, 2, {0, 2, 2, 1}), (PicRect{2, 0, 1, 2}));
}

} // namespace
} // namespace luna
