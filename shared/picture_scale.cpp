#include "shared/picture_scale.h"

#include <algorithm>
#include <new>
#include <vector>

namespace luna {
namespace {

// The source pixels one target pixel along an axis is made of, and their weights.
struct Taps {
    std::vector<std::int32_t> first; // per target pixel
    std::vector<std::int32_t> count;
    std::vector<std::int32_t> offset; // into weights
    std::vector<float> weights;
    std::int32_t widest = 0;
};

// Area averaging when shrinking (or keeping the size): target pixel d covers the source span
// [d*L/D, (d+1)*L/D), each source pixel weighing what it overlaps. Linear interpolation when
// growing: between the two source pixels around the target pixel's centre.
Taps MakeTaps(std::int32_t from, std::int32_t to) {
    Taps t;
    t.first.resize(to);
    t.count.resize(to);
    t.offset.resize(to);
    const std::int64_t L = from, D = to;
    for (std::int32_t d = 0; d < to; ++d) {
        t.offset[d] = static_cast<std::int32_t>(t.weights.size());
        if (D <= L) {
            const std::int64_t begin = d * L, end = (d + 1) * L; // in 1/D source pixels
            const std::int64_t i0 = begin / D, i1 = (end + D - 1) / D;
            t.first[d] = static_cast<std::int32_t>(i0);
            t.count[d] = static_cast<std::int32_t>(i1 - i0);
            for (std::int64_t i = i0; i < i1; ++i) {
                const std::int64_t overlap = std::min(end, (i + 1) * D) - std::max(begin, i * D);
                t.weights.push_back(static_cast<float>(overlap) / static_cast<float>(L));
            }
        } else {
            const double centre = (d + 0.5) * static_cast<double>(L) / static_cast<double>(D) - 0.5;
            std::int32_t i0 = centre < 0 ? 0 : static_cast<std::int32_t>(centre);
            double f = centre < 0 ? 0.0 : centre - i0;
            if (i0 >= from - 1) {
                i0 = from - 1;
                f = 0;
            }
            t.first[d] = i0;
            t.count[d] = f > 0 ? 2 : 1;
            t.weights.push_back(static_cast<float>(1 - f));
            if (f > 0) {
                t.weights.push_back(static_cast<float>(f));
            }
        }
        t.widest = std::max(t.widest, t.count[d]);
    }
    return t;
}

std::uint32_t Channel(float value) {
    return static_cast<std::uint32_t>(std::clamp(value + 0.5f, 0.0f, 255.0f));
}

} // namespace

std::uint32_t PixelOfColor(std::uint32_t c) {
    return (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
}

bool ScalePicture(const PicRect& crop, std::uint8_t orientation, StoredRowReader read,
                  void* context, std::uint32_t background, const PixelTarget& target) {
    const bool swaps = OrientationSwapsSides(orientation);
    const std::int32_t outW = swaps ? target.rect.height : target.rect.width;
    const std::int32_t outH = swaps ? target.rect.width : target.rect.height;
    if (crop.width <= 0 || crop.height <= 0 || outW <= 0 || outH <= 0) {
        return false;
    }
    const float back[3] = {static_cast<float>(background >> 16 & 0xFF),
                           static_cast<float>(background >> 8 & 0xFF),
                           static_cast<float>(background & 0xFF)}; // B, G, R
    try {
        const Taps across = MakeTaps(crop.width, outW);
        const Taps down = MakeTaps(crop.height, outH);
        // Rows scaled across, kept while a target row may still need them.
        const std::int32_t ring = down.widest + 1;
        std::vector<float> rows(static_cast<std::size_t>(ring) * outW * 4);
        std::vector<std::uint32_t> stored(crop.width);
        std::vector<float> line(static_cast<std::size_t>(outW) * 4);
        std::int32_t loaded = 0; // stored rows scaled across so far
        for (std::int32_t y = 0; y < outH; ++y) {
            const std::int32_t need = down.first[y] + down.count[y];
            for (; loaded < need; ++loaded) {
                if (!read(context, crop.y + loaded, stored.data())) {
                    return false;
                }
                float* out = &rows[static_cast<std::size_t>(loaded % ring) * outW * 4];
                for (std::int32_t x = 0; x < outW; ++x) {
                    float sum[4] = {0, 0, 0, 0};
                    for (std::int32_t k = 0; k < across.count[x]; ++k) {
                        const std::uint32_t p = stored[across.first[x] + k];
                        const float w = across.weights[across.offset[x] + k];
                        for (int c = 0; c < 4; ++c) {
                            sum[c] += w * static_cast<float>(p >> (8 * c) & 0xFF);
                        }
                    }
                    std::copy(sum, sum + 4, out + 4 * x);
                }
            }
            std::fill(line.begin(), line.end(), 0.0f);
            for (std::int32_t k = 0; k < down.count[y]; ++k) {
                const std::int32_t r = down.first[y] + k;
                const float w = down.weights[down.offset[y] + k];
                const float* in = &rows[static_cast<std::size_t>(r % ring) * outW * 4];
                for (std::size_t i = 0; i < line.size(); ++i) {
                    line[i] += w * in[i];
                }
            }
            for (std::int32_t x = 0; x < outW; ++x) {
                const float* p = &line[4 * static_cast<std::size_t>(x)];
                const float clear = 1.0f - std::clamp(p[3], 0.0f, 255.0f) / 255.0f;
                const std::uint32_t pixel = Channel(p[2] + back[2] * clear) << 16 |
                                            Channel(p[1] + back[1] * clear) << 8 |
                                            Channel(p[0] + back[0] * clear);
                std::int32_t ux = 0, uy = 0;
                UprightPoint(orientation, outW, outH, x, y, &ux, &uy);
                target.pixels[static_cast<std::size_t>(target.rect.y + uy) * target.stride +
                              target.rect.x + ux] = pixel;
            }
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

} // namespace luna
