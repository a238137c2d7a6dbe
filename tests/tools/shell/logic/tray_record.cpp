#include "tests/tools/shell/logic/tray_record.h"

#include <algorithm>
#include <cstring>

#include "tests/tools/shell/logic/utf.h"

namespace luna::tools {

namespace {

std::uint32_t ReadU32(const unsigned char* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}

bool IsSupportedDepth(std::uint32_t bpp) {
    return bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32;
}

// Wine fills each plane with GetBitmapBits, whose rows are padded to 16 bits, but sends only
// (width * height * bpp + 15) / 16 * 2 bytes of it, which is less than CreateIcon reads when the
// row padding is not zero. Copy what was sent and zero-fill the rest, so nothing is ever read
// beyond the message.
std::vector<std::uint8_t> PadPlane(const unsigned char* src, std::size_t sentBytes,
                                   std::size_t neededBytes) {
    std::vector<std::uint8_t> out(neededBytes, 0);
    std::memcpy(out.data(), src, std::min(sentBytes, neededBytes));
    return out;
}

std::optional<TrayIconBits> DecodeIcon(const unsigned char* p, std::size_t size) {
    TrayIconBits bits;
    bits.width = ReadU32(p + 944);
    bits.height = ReadU32(p + 948);
    bits.planes = ReadU32(p + 952);
    bits.bpp = ReadU32(p + 956);
    if (bits.width == 0 || bits.height == 0 || bits.width > kTrayIconMaxSide ||
        bits.height > kTrayIconMaxSide || bits.planes != 1 || !IsSupportedDepth(bits.bpp)) {
        return std::nullopt;
    }
    std::size_t sentMask = (std::size_t(bits.width) * bits.height + 15) / 16 * 2;
    std::size_t sentColor = (std::size_t(bits.width) * bits.height * bits.bpp + 15) / 16 * 2;
    if (size - kTrayRecordHeaderSize < sentMask + sentColor) {
        return std::nullopt;
    }
    const unsigned char* maskBits = p + kTrayRecordHeaderSize;
    const unsigned char* colorBits = maskBits + sentMask;
    bits.mask = PadPlane(maskBits, sentMask, IconPlaneBytes(bits.width, bits.height, 1));
    bits.color = PadPlane(colorBits, sentColor, IconPlaneBytes(bits.width, bits.height, bits.bpp));
    return bits;
}

} // namespace

std::size_t IconPlaneBytes(std::uint32_t width, std::uint32_t height, std::uint32_t bitsPerPixel) {
    return (std::size_t(width) * bitsPerPixel + 15) / 16 * 2 * height;
}

bool DecodeTrayRecord(const void* data, std::size_t size, TrayRecord& out) {
    if (data == nullptr || size < kTrayRecordHeaderSize) {
        return false;
    }
    const auto* p = static_cast<const unsigned char*>(data);
    out = TrayRecord{};
    out.owner = static_cast<std::int32_t>(ReadU32(p));
    out.id = ReadU32(p + 4);
    out.flags = ReadU32(p + 8);
    out.callbackMessage = ReadU32(p + 12);
    out.tip = ReadUtf16Field(p + 16, kTrayTipUnits);
    out.state = ReadU32(p + 272);
    out.stateMask = ReadU32(p + 276);
    if ((out.flags & kNifIcon) && size > kTrayRecordHeaderSize) {
        out.icon = DecodeIcon(p, size);
    }
    return true;
}

} // namespace luna::tools
