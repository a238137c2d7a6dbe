#include "shared/picture_header.h"

#include <cstring>

namespace luna {
namespace {

// Bounded reads: every read outside the bytes gives 0 and marks the reader spent.
class Bytes {
  public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool Has(std::size_t at, std::size_t count) const { return at <= size_ && count <= size_ - at; }
    std::uint32_t Byte(std::size_t at) const { return Has(at, 1) ? data_[at] : 0; }
    std::uint32_t Be16(std::size_t at) const { return Byte(at) << 8 | Byte(at + 1); }
    std::uint32_t Be32(std::size_t at) const { return Be16(at) << 16 | Be16(at + 2); }
    std::uint32_t Le16(std::size_t at) const { return Byte(at) | Byte(at + 1) << 8; }
    std::uint32_t Le32(std::size_t at) const { return Le16(at) | Le16(at + 2) << 16; }
    bool Starts(std::size_t at, const char* text, std::size_t count) const {
        return Has(at, count) && std::memcmp(data_ + at, text, count) == 0;
    }
    std::size_t Size() const { return size_; }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
};

// A TIFF structure (a TIFF file, or the Exif block of a JPEG) starting at `base`.
class Tiff {
  public:
    Tiff(const Bytes& bytes, std::size_t base) : b_(bytes), base_(base) {
        little_ = b_.Starts(base, "II*\0", 4);
        valid_ = little_ || b_.Starts(base, "MM\0*", 4);
    }
    bool Valid() const { return valid_; }

    // The value of a SHORT or LONG tag of the first directory; 0 when absent.
    std::uint32_t Tag(std::uint32_t wanted) const {
        if (!valid_) {
            return 0;
        }
        const std::size_t dir = base_ + U32(base_ + 4);
        const std::uint32_t count = U16(dir);
        for (std::uint32_t i = 0; i < count && b_.Has(dir + 2 + 12 * i, 12); ++i) {
            const std::size_t entry = dir + 2 + 12 * i;
            if (U16(entry) != wanted) {
                continue;
            }
            switch (U16(entry + 2)) {
            case 3: // SHORT
                return U16(entry + 8);
            case 4: // LONG
                return U32(entry + 8);
            default:
                return 0;
            }
        }
        return 0;
    }

  private:
    std::uint32_t U16(std::size_t at) const { return little_ ? b_.Le16(at) : b_.Be16(at); }
    std::uint32_t U32(std::size_t at) const { return little_ ? b_.Le32(at) : b_.Be32(at); }

    const Bytes& b_;
    std::size_t base_;
    bool little_ = false;
    bool valid_ = false;
};

constexpr std::uint32_t kTagWidth = 256;
constexpr std::uint32_t kTagHeight = 257;
constexpr std::uint32_t kTagOrientation = 0x0112;

bool IsStartOfFrame(std::uint32_t marker) {
    // SOF0..SOF15, except DHT (C4), JPG (C8) and DAC (CC).
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

void ReadJpeg(const Bytes& b, PictureHeader& h) {
    std::size_t at = 2;
    while (b.Has(at, 4)) {
        if (b.Byte(at) != 0xFF) {
            return; // not at a marker: a broken stream
        }
        const std::uint32_t marker = b.Byte(at + 1);
        if (marker == 0xFF) {
            ++at; // fill byte
            continue;
        }
        if (marker == 0xD8 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            at += 2; // markers without a length
            continue;
        }
        if (marker == 0xD9 || marker == 0xDA) {
            return; // end of image, start of scan: no frame header before them
        }
        const std::uint32_t length = b.Be16(at + 2);
        if (length < 2) {
            return;
        }
        const std::size_t segment = at + 4; // the segment's data
        if (marker == 0xE1 && b.Starts(segment, "Exif\0\0", 6)) {
            const Tiff exif(b, segment + 6);
            const std::uint32_t orientation = exif.Tag(kTagOrientation);
            if (orientation >= 1 && orientation <= 8) {
                h.orientation = static_cast<std::uint8_t>(orientation);
            }
        } else if (IsStartOfFrame(marker) && b.Has(segment, 5)) {
            h.height = b.Be16(segment + 1);
            h.width = b.Be16(segment + 3);
            return;
        }
        at += 2 + length;
    }
}

} // namespace

PictureHeader ReadPictureHeader(const std::uint8_t* data, std::size_t size) {
    const Bytes b(data, size);
    PictureHeader h;
    if (b.Starts(0, "\xFF\xD8\xFF", 3)) {
        h.format = PictureFormat::Jpeg;
        ReadJpeg(b, h);
    } else if (b.Starts(0, "\x89PNG\r\n\x1A\n", 8)) {
        h.format = PictureFormat::Png;
        if (b.Starts(12, "IHDR", 4)) {
            h.width = b.Be32(16);
            h.height = b.Be32(20);
        }
    } else if (b.Starts(0, "GIF87a", 6) || b.Starts(0, "GIF89a", 6)) {
        h.format = PictureFormat::Gif;
        h.width = b.Le16(6);
        h.height = b.Le16(8);
    } else if (b.Starts(0, "BM", 2) && b.Has(14, 12)) {
        h.format = PictureFormat::Bmp;
        if (b.Le32(14) == 12) { // BITMAPCOREHEADER
            h.width = b.Le16(18);
            h.height = b.Le16(20);
        } else if (b.Has(14, 16)) {
            const auto width = static_cast<std::int32_t>(b.Le32(18));
            const auto height = static_cast<std::int32_t>(b.Le32(22));
            // Negative heights are top-down; negative widths are invalid.
            h.width = width > 0 ? static_cast<std::uint32_t>(width) : 0;
            h.height = height == INT32_MIN
                           ? 0u
                           : static_cast<std::uint32_t>(height < 0 ? -height : height);
        }
    } else {
        const Tiff tiff(b, 0);
        if (tiff.Valid()) {
            h.format = PictureFormat::Tiff;
            h.width = tiff.Tag(kTagWidth);
            h.height = tiff.Tag(kTagHeight);
        }
    }
    if (h.width == 0 || h.height == 0) {
        h.width = h.height = 0;
    }
    return h;
}

bool PictureLooksWhole(const PictureHeader& header, const std::uint8_t* data, std::size_t size) {
    if (header.format != PictureFormat::Jpeg) {
        return true;
    }
    // The end marker, allowing for padding some writers add after it.
    constexpr std::size_t kTail = 1024;
    for (std::size_t i = size; i >= 2 && size - i < kTail; --i) {
        if (data[i - 2] == 0xFF && data[i - 1] == 0xD9) {
            return true;
        }
    }
    return false;
}

PictureVerdict JudgePicture(std::uint64_t fileBytes, const PictureHeader& header) {
    if (fileBytes == 0) {
        return PictureVerdict::Empty;
    }
    if (fileBytes > kMaxPictureFileBytes) {
        return PictureVerdict::TooLarge;
    }
    if (header.format == PictureFormat::Unknown) {
        return PictureVerdict::UnknownFormat;
    }
    if (header.width == 0) {
        return PictureVerdict::Broken; // a known format whose size cannot be read
    }
    if (header.width > kMaxPictureSide || header.height > kMaxPictureSide) {
        return PictureVerdict::TooLarge;
    }
    return PictureVerdict::Usable;
}

} // namespace luna
