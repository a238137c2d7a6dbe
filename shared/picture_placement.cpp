#include "shared/picture_placement.h"

#include <algorithm>
#include <cstdlib>

namespace luna {
namespace {

// a * b / c, rounded to the nearest, at least 1.
std::int32_t Scaled(std::int64_t a, std::int64_t b, std::int64_t c) {
    return static_cast<std::int32_t>(std::max<std::int64_t>(1, (2 * a * b + c) / (2 * c)));
}

// One axis of a picture shown at its own size, centred: the source span and the target span.
void CenterAxis(std::int32_t picture, std::int32_t screen, std::int32_t* from, std::int32_t* length,
                std::int32_t* to) {
    *length = std::min(picture, screen);
    *from = (picture - *length) / 2;
    *to = (screen - *length) / 2;
}

} // namespace

PicturePlacement PlacePicture(PictureFit fit, std::int32_t pw, std::int32_t ph, std::int32_t sw,
                              std::int32_t sh) {
    PicturePlacement p;
    p.source = {0, 0, pw, ph};
    p.target = {0, 0, sw, sh};
    // The picture is wider than the screen's shape when pw / ph > sw / sh.
    const bool wider = std::int64_t{pw} * sh > std::int64_t{sw} * ph;
    switch (fit) {
    case PictureFit::Fill:
        if (wider) {
            p.source.width = Scaled(sw, ph, sh);
            p.source.x = (pw - p.source.width) / 2;
        } else {
            p.source.height = Scaled(sh, pw, sw);
            p.source.y = (ph - p.source.height) / 2;
        }
        break;
    case PictureFit::Fit:
        if (wider) {
            p.target.height = Scaled(sw, ph, pw);
            p.target.y = (sh - p.target.height) / 2;
        } else {
            p.target.width = Scaled(sh, pw, ph);
            p.target.x = (sw - p.target.width) / 2;
        }
        break;
    case PictureFit::Center:
        CenterAxis(pw, sw, &p.source.x, &p.source.width, &p.target.x);
        CenterAxis(ph, sh, &p.source.y, &p.source.height, &p.target.y);
        p.target.width = p.source.width;
        p.target.height = p.source.height;
        break;
    case PictureFit::Tile:
        p.source.width = p.target.width = std::min(pw, sw);
        p.source.height = p.target.height = std::min(ph, sh);
        p.tiled = true;
        break;
    case PictureFit::Stretch:
        break;
    }
    return p;
}

bool OrientationSwapsSides(std::uint8_t orientation) {
    return orientation >= 5 && orientation <= 8;
}

void UprightPoint(std::uint8_t orientation, std::int32_t w, std::int32_t h, std::int32_t x,
                  std::int32_t y, std::int32_t* ux, std::int32_t* uy) {
    switch (orientation) {
    case 2: // mirrored left to right
        *ux = w - 1 - x, *uy = y;
        break;
    case 3: // upside down
        *ux = w - 1 - x, *uy = h - 1 - y;
        break;
    case 4: // mirrored top to bottom
        *ux = x, *uy = h - 1 - y;
        break;
    case 5: // mirrored along the main diagonal
        *ux = y, *uy = x;
        break;
    case 6: // stored a quarter turn anticlockwise: turn it clockwise
        *ux = h - 1 - y, *uy = x;
        break;
    case 7: // mirrored along the other diagonal
        *ux = h - 1 - y, *uy = w - 1 - x;
        break;
    case 8: // stored a quarter turn clockwise: turn it back
        *ux = y, *uy = w - 1 - x;
        break;
    default:
        *ux = x, *uy = y;
        break;
    }
}

PicRect StoredRect(std::uint8_t orientation, std::int32_t w, std::int32_t h,
                   const PicRect& upright) {
    // Every orientation maps rectangles onto rectangles: map two opposite corners back.
    const bool swaps = OrientationSwapsSides(orientation);
    const std::int32_t uw = swaps ? h : w;
    const std::int32_t uh = swaps ? w : h;
    // The inverse of each orientation is an orientation of the upright picture.
    static constexpr std::uint8_t kInverse[9] = {1, 1, 2, 3, 4, 5, 8, 7, 6};
    const std::uint8_t inverse = orientation <= 8 ? kInverse[orientation] : 1;
    std::int32_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    UprightPoint(inverse, uw, uh, upright.x, upright.y, &x0, &y0);
    UprightPoint(inverse, uw, uh, upright.x + upright.width - 1, upright.y + upright.height - 1,
                 &x1, &y1);
    return {std::min(x0, x1), std::min(y0, y1), std::abs(x1 - x0) + 1, std::abs(y1 - y0) + 1};
}

} // namespace luna
