// Scales a part of a picture onto a 32-bit screen bitmap in one pass: area averaging where it
// shrinks (no moire), linear interpolation where it grows (no blocks), the Exif orientation
// applied and transparency laid over the background colour. The picture comes in row by
// row, so no more of it than a few rows is ever held here.
#pragma once

#include <cstdint>

#include "shared/picture_placement.h"

namespace luna {

// Fills `row` with the crop's pixels of stored row y (the crop's width of them, from its
// left edge), premultiplied BGRA as 0xAARRGGBB. False when the picture cannot be read.
using StoredRowReader = bool (*)(void* context, std::int32_t y, std::uint32_t* row);

// A top-down 32-bit bitmap (0x00RRGGBB per pixel), `stride` pixels a row, and the rectangle
// of it that the upright picture covers.
struct PixelTarget {
    std::uint32_t* pixels = nullptr;
    std::int32_t stride = 0;
    PicRect rect;
};

// Scales the stored crop (StoredRect of the placement's source) with the orientation onto
// the target rectangle, over the background colour (a COLORREF, 0x00BBGGRR). False, the
// target rectangle then partly written, when a row cannot be read or memory runs out.
bool ScalePicture(const PicRect& storedCrop, std::uint8_t orientation, StoredRowReader read,
                  void* context, std::uint32_t background, const PixelTarget& target);

// A COLORREF as a bitmap pixel.
std::uint32_t PixelOfColor(std::uint32_t colorref);

} // namespace luna
