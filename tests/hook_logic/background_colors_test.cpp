#include "hook/logic/background_colors.h"

#include <gtest/gtest.h>

namespace luna {
namespace {

int Blue(ColorRef c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

TEST(Gradient, BlueFallsByOneEveryThreeRowsFromPureBlue) {
    EXPECT_EQ(GradientRowColor(0), MakeColor(0, 0, 255));
    for (int row = 1; row <= 3; ++row) {
        EXPECT_EQ(GradientRowColor(row), MakeColor(0, 0, 254)) << row;
    }
    for (int row = 4; row <= 6; ++row) {
        EXPECT_EQ(Blue(GradientRowColor(row)), 253) << row;
    }
    EXPECT_EQ(Blue(GradientRowColor(597)), 56);
    EXPECT_EQ(Blue(GradientRowColor(598)), 55);
}

TEST(Gradient, TallScreensTurnBlackAndStayBlack) {
    EXPECT_EQ(Blue(GradientRowColor(760)), 1);
    EXPECT_EQ(GradientRowColor(763), MakeColor(0, 0, 0));
    EXPECT_EQ(GradientRowColor(766), MakeColor(0, 0, 0)); // k = 256: past the end, black
    EXPECT_EQ(GradientRowColor(100000), MakeColor(0, 0, 0));
}

TEST(Gradient, TheLastRowOfTheScreenIsLeftUnpainted) {
    EXPECT_TRUE(GradientPaintsRow(0, 600));
    EXPECT_TRUE(GradientPaintsRow(598, 600));
    EXPECT_FALSE(GradientPaintsRow(599, 600));
    EXPECT_FALSE(GradientPaintsRow(0, 1));
    EXPECT_FALSE(GradientPaintsRow(-1, 600));
}

TEST(RandomColor, ChannelsScaleDrawsOntoZeroTo255ByRounding) {
    EXPECT_EQ(RandomChannel(0), 0);
    EXPECT_EQ(RandomChannel(64), 0); // 0.498 + 0.5 rounds down
    EXPECT_EQ(RandomChannel(65), 1); // 0.506 + 0.5 rounds up
    EXPECT_EQ(RandomChannel(16384), 128);
    EXPECT_EQ(RandomChannel(32767), 255);
    EXPECT_EQ(RandomChannel(-3), 0);
    EXPECT_EQ(RandomChannel(40000), 255); // out of the generator's range: clamped
}

TEST(RandomColor, DrawsFollowTheClassicGeneratorInRedGreenBlueOrder) {
    RandomDraws draws(1);
    EXPECT_EQ(draws.Next(), 41);
    EXPECT_EQ(draws.Next(), 18467);
    EXPECT_EQ(draws.Next(), 6334);
    EXPECT_EQ(RandomBackgroundColor(1),
              MakeColor(RandomChannel(41), RandomChannel(18467), RandomChannel(6334)));
    // A new second gives another colour.
    EXPECT_NE(RandomBackgroundColor(1700000000u), RandomBackgroundColor(1700000001u));
}

// A settings record rebuilds the background only when it asks for another one: a style
// the system page shows differently, or a new colour of the solid style.
TEST(BackgroundChange, OnlyAnotherStyleOrAnotherSolidColour) {
    EXPECT_TRUE(BackgroundChanged(kStyleGradient, 0, kStyleSolid, 0));
    EXPECT_TRUE(BackgroundChanged(kStyleSolid, 0x336699, kStyleSolid, 0x00FF00));
    EXPECT_FALSE(BackgroundChanged(kStyleGradient, 0x336699, kStyleGradient, 0x00FF00));
    EXPECT_FALSE(BackgroundChanged(kStyleRandom, 0, kStyleRandom, 0)); // keeps its colour
    EXPECT_FALSE(BackgroundChanged(7, 0, kStyleBitmap, 0)); // unknown styles show the picture
}

// The outline contrasts by brightness, not by any one channel: yellow is light, red and
// blue are dark.
TEST(OutlineColor, ContrastsWithTheTextsBrightness) {
    EXPECT_EQ(OutlineColorFor(MakeColor(255, 255, 0)), MakeColor(0, 0, 0));
    EXPECT_EQ(OutlineColorFor(MakeColor(255, 0, 0)), MakeColor(255, 255, 255));
    EXPECT_EQ(OutlineColorFor(MakeColor(0, 0, 255)), MakeColor(255, 255, 255));
}

} // namespace
} // namespace luna
