// Colours of the desktop backgrounds that need no drawing to decide.
#pragma once

#include <cstdint>

namespace luna {

using ColorRef = std::uint32_t; // 0x00BBGGRR, as a Win32 COLORREF

constexpr ColorRef MakeColor(int red, int green, int blue) {
    return static_cast<ColorRef>(red & 0xFF) | (static_cast<ColorRef>(green & 0xFF) << 8) |
           (static_cast<ColorRef>(blue & 0xFF) << 16);
}

// Background styles as stored in DeskTopStyle.
enum BackgroundStyle : std::uint32_t {
    kStyleBitmap = 0,
    kStyleGradient = 1,
    kStyleSolid = 2,
    kStyleRandom = 3,
};

// True for the rows the gradient paints: every row but the last one of the screen.
bool GradientPaintsRow(int row, int screenHeight);

// Colour of gradient row y: blue 255 - ceil(y / 3), black once that would fall below 0.
ColorRef GradientRowColor(int row);

// One colour channel from a draw of 0-32767: r * 0.00778222f + 0.5, fraction dropped.
int RandomChannel(int draw);

// The generator behind the random style: a linear congruential generator of the classic
// C runtime's kind, giving numbers 0-32767. Seeded with the calendar time in seconds.
class RandomDraws {
  public:
    explicit RandomDraws(std::uint32_t seed) : state_(seed) {}
    int Next();

  private:
    std::uint32_t state_;
};

// Three draws in the order red, green, blue, each scaled onto 0-255.
ColorRef RandomBackgroundColor(std::uint32_t seed);

// True when a settings record asks for another background than the one drawn from
// `drawnStyle` and `drawnColor` (DeskTopStyle and DeskTopBackColor as stored): another
// style as the system page shows it, or another colour of the solid style.
bool BackgroundChanged(std::uint32_t drawnStyle, ColorRef drawnColor, std::uint32_t style,
                       ColorRef color);

// The outline drawn around text of this colour ("文字描边"): black around light text, white
// around dark text (by the text's luma).
ColorRef OutlineColorFor(ColorRef text);

} // namespace luna
