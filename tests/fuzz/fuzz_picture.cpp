// Picture files: the header reader stays inside the bytes, and what it accepts has sides
// within the limit. The first bytes also choose a placement, an orientation and sizes: the
// scaled picture lands inside its target on the screen, every time.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "fuzz_check.h"
#include "shared/picture_placement.h"
#include "shared/picture_scale.h"
#include "shared/picture_header.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size); // exactly sized, for ASan
    const luna::PictureHeader header = luna::ReadPictureHeader(bytes.data(), bytes.size());
    FUZZ_CHECK(header.orientation >= 1 && header.orientation <= 8);
    (void)luna::PictureLooksWhole(header, bytes.data(), bytes.size());
    if (luna::JudgePicture(size, header) == luna::PictureVerdict::Usable) {
        FUZZ_CHECK(header.width >= 1 && header.width <= luna::kMaxPictureSide);
        FUZZ_CHECK(header.height >= 1 && header.height <= luna::kMaxPictureSide);
    }
    if (size < 6) {
        return 0;
    }
    const auto fit = luna::EffectivePictureFit(data[0] % 6);
    const std::uint8_t orientation = static_cast<std::uint8_t>(data[1] % 9);
    const std::int32_t pw = 1 + data[2] % 40, ph = 1 + data[3] % 40;
    const std::int32_t sw = 1 + data[4] % 40, sh = 1 + data[5] % 40;
    const bool swaps = luna::OrientationSwapsSides(orientation);
    const luna::PicturePlacement p =
        luna::PlacePicture(fit, swaps ? ph : pw, swaps ? pw : ph, sw, sh);
    FUZZ_CHECK(p.target.x >= 0 && p.target.y >= 0 && p.target.width >= 1 && p.target.height >= 1);
    FUZZ_CHECK(p.target.x + p.target.width <= sw && p.target.y + p.target.height <= sh);
    const luna::PicRect crop = luna::StoredRect(orientation, pw, ph, p.source);
    FUZZ_CHECK(crop.x >= 0 && crop.y >= 0 && crop.x + crop.width <= pw &&
               crop.y + crop.height <= ph);
    std::vector<std::uint32_t> screen(static_cast<std::size_t>(sw) * sh);
    const auto read = [](void* context, std::int32_t y, std::uint32_t* row) {
        const auto* c = static_cast<const luna::PicRect*>(context);
        FUZZ_CHECK(y >= c->y && y < c->y + c->height);
        std::fill(row, row + c->width, 0x80808080u);
        return true;
    };
    luna::PicRect context = crop;
    FUZZ_CHECK(
        luna::ScalePicture(crop, orientation, read, &context, 0, {screen.data(), sw, p.target}));
    return 0;
}
