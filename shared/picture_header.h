// What a picture file says about itself before anything decodes it: its format, its size
// and, for a JPEG, the orientation its camera recorded. lunavis reads it to tell the user
// why a picture cannot be used; lunahook reads it before it lets the decoder near the file,
// so a picture that claims an absurd size never gets as far as an allocation.
#pragma once

#include <cstddef>
#include <cstdint>

namespace luna {

enum class PictureFormat : std::uint8_t { Unknown, Jpeg, Png, Bmp, Gif, Tiff };

// The largest side, in pixels, of a picture the desktop takes.
constexpr std::uint32_t kMaxPictureSide = 16384;

// How much of a file the header reader needs at most (a JPEG's size follows its Exif block,
// which can be 64 kB, and its other application blocks).
constexpr std::size_t kPictureHeadBytes = 256 * 1024;

// The largest file the desktop reads; anything larger is refused unread.
constexpr std::uint64_t kMaxPictureFileBytes = 256ull * 1024 * 1024;

struct PictureHeader {
    PictureFormat format = PictureFormat::Unknown;
    std::uint32_t width = 0; // as stored, before the orientation is applied; 0 when unread
    std::uint32_t height = 0;
    std::uint8_t orientation = 1; // Exif orientation 1..8; 1 when absent or invalid
};

// Reads the header from the first bytes of a file (all of it, or its first
// kPictureHeadBytes). Never reads outside [data, data + size).
PictureHeader ReadPictureHeader(const std::uint8_t* data, std::size_t size);

// Whether the whole of a file (data, size) ends as its format ends: a JPEG with its end
// marker near the end. A file cut short is broken even where the decoder would show its
// first part. Other formats are left to the decoder.
bool PictureLooksWhole(const PictureHeader& header, const std::uint8_t* data, std::size_t size);

// Why a picture cannot be the background; Usable when it can.
enum class PictureVerdict : std::uint8_t {
    Usable,
    Unreadable,    // missing, a folder, cannot be opened or read
    Empty,         // zero bytes
    UnknownFormat, // none of JPEG, PNG, BMP, GIF, TIFF
    TooLarge,      // a side over kMaxPictureSide, or a file over kMaxPictureFileBytes
    Broken,        // its size cannot be read, or the decoder refused it
};

// The verdict on a file of fileBytes bytes whose header reads so.
PictureVerdict JudgePicture(std::uint64_t fileBytes, const PictureHeader& header);

} // namespace luna
