// Where a picture goes on the screen under each placement, and how a JPEG's recorded
// orientation turns its stored pixels upright. Pure arithmetic on sizes; the pixels
// themselves are moved by picture_scale.h.
#pragma once

#include <cstdint>

#include "shared/picture_fit.h"

namespace luna {

struct PicRect {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool operator==(const PicRect& o) const {
        return x == o.x && y == o.y && width == o.width && height == o.height;
    }
};

// The part of the upright picture that is shown (`source`, in its pixels) and where it lands
// on the screen (`target`), scaled from one to the other. With `tiled` the target is the
// first tile, at the top left, and is repeated to the right and downwards. The screen
// outside the target (and the tiles) shows the background colour.
struct PicturePlacement {
    PicRect source;
    PicRect target;
    bool tiled = false;
};

// Picture and screen sizes are at least 1 pixel and at most 65535 a side.
PicturePlacement PlacePicture(PictureFit fit, std::int32_t pictureWidth, std::int32_t pictureHeight,
                              std::int32_t screenWidth, std::int32_t screenHeight);

// Exif orientations (1 upright .. 8). Values outside 1..8 count as 1.
// Whether the upright picture is the stored one turned a quarter (width and height swap).
bool OrientationSwapsSides(std::uint8_t orientation);

// Where stored pixel (x, y) of a stored picture of width by height lands in the upright one.
void UprightPoint(std::uint8_t orientation, std::int32_t width, std::int32_t height, std::int32_t x,
                  std::int32_t y, std::int32_t* uprightX, std::int32_t* uprightY);

// The stored pixels that make up a rectangle of the upright picture (of the stored picture
// of width by height).
PicRect StoredRect(std::uint8_t orientation, std::int32_t width, std::int32_t height,
                   const PicRect& upright);

} // namespace luna
