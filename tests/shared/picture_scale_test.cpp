#include "shared/picture_scale.h"

#include <gtest/gtest.h>

#include <vector>

namespace luna {
namespace {

struct Source {
    std::vector<std::uint32_t> pixels;
    int width = 0;
};

bool ReadRow(void* context, std::int32_t y, std::uint32_t* row) {
    const auto* s = static_cast<const Source*>(context);
    std::copy_n(&s->pixels[static_cast<std::size_t>(y) * s->width], s->width, row);
    return true;
}

std::vector<std::uint32_t> Scale(Source& s, int height, int toW, int toH, std::uint32_t back) {
    std::vector<std::uint32_t> out(static_cast<std::size_t>(toW) * toH, 0xDEADBEEF);
    EXPECT_TRUE(ScalePicture({0, 0, s.width, height}, 1, ReadRow, &s, back,
                             {out.data(), toW, {0, 0, toW, toH}}));
    return out;
}

// A one-pixel black and white checkerboard shrunk to a quarter is an even grey everywhere:
// no moire, as picking pixels would give.
TEST(PictureScale, ShrinkingAveragesGrowingBlendsAndTransparencyShowsTheBackground) {
    Source checker{{}, 12};
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 12; ++x) {
            checker.pixels.push_back((x + y) % 2 ? 0xFFFFFFFFu : 0xFF000000u);
        }
    }
    for (std::uint32_t p : Scale(checker, 12, 3, 3, 0)) {
        EXPECT_NEAR(static_cast<int>(p & 0xFF), 128, 1);
        EXPECT_EQ(p >> 24, 0u); // the bitmap's spare byte stays clear
    }
    // Black beside white grown eight times: a ramp between them, not two blocks.
    Source pair{{0xFF000000u, 0xFFFFFFFFu}, 2};
    const std::vector<std::uint32_t> ramp = Scale(pair, 1, 16, 1, 0);
    EXPECT_EQ(ramp.front(), 0u);
    EXPECT_EQ(ramp.back(), 0xFFFFFFu);
    int steps = 0;
    for (std::size_t i = 1; i < ramp.size(); ++i) {
        steps += (ramp[i] & 0xFF) > (ramp[i - 1] & 0xFF);
    }
    EXPECT_GE(steps, 7); // rising in at least seven steps
    // Half-transparent red (premultiplied) over a blue background blends with it.
    Source half{{0x80800000u}, 1};
    EXPECT_EQ(Scale(half, 1, 1, 1, 0x00FF0000 /*blue COLORREF*/)[0], 0x80007Fu);
}

} // namespace
} // namespace luna
