#include "hook/logic/background_colors.h"

#include "shared/display_settings.h"

namespace luna {

bool GradientPaintsRow(int row, int screenHeight) {
    return row >= 0 && row < screenHeight - 1;
}

ColorRef GradientRowColor(int row) {
    const int fall = row <= 0 ? 0 : (row + 2) / 3; // ceil(row / 3)
    if (fall > 255) {
        return MakeColor(0, 0, 0);
    }
    return MakeColor(0, 0, 255 - fall);
}

int RandomChannel(int draw) {
    constexpr float kScale = 0.00778222f; // 255 / 32767 in single precision
    if (draw <= 0) {
        return 0;
    }
    const int channel = static_cast<int>(static_cast<float>(draw) * kScale + 0.5f);
    return channel > 255 ? 255 : channel;
}

int RandomDraws::Next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7FFF);
}

ColorRef RandomBackgroundColor(std::uint32_t seed) {
    RandomDraws draws(seed);
    const int red = RandomChannel(draws.Next());
    const int green = RandomChannel(draws.Next());
    const int blue = RandomChannel(draws.Next());
    return MakeColor(red, green, blue);
}

bool BackgroundChanged(std::uint32_t drawnStyle, ColorRef drawnColor, std::uint32_t style,
                       ColorRef color) {
    const std::uint32_t drawn = EffectiveDesktopStyle(drawnStyle);
    const std::uint32_t wanted = EffectiveDesktopStyle(style);
    return drawn != wanted || (wanted == kStyleSolid && drawnColor != color);
}

ColorRef OutlineColorFor(ColorRef text) {
    const int luma =
        (299 * static_cast<int>(text & 0xFF) + 587 * static_cast<int>(text >> 8 & 0xFF) +
         114 * static_cast<int>(text >> 16 & 0xFF)) /
        1000;
    return luma >= 128 ? MakeColor(0, 0, 0) : MakeColor(255, 255, 255);
}

} // namespace luna
