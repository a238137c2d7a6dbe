#include "shared/picture_header.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace luna {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Of(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

PictureHeader Read(const Bytes& b) {
    return ReadPictureHeader(b.data(), b.size());
}

Bytes Png(std::uint32_t w, std::uint32_t h) {
    Bytes b = Of(std::string("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR", 16));
    for (std::uint32_t v : {w, h}) {
        for (int shift = 24; shift >= 0; shift -= 8) {
            b.push_back(static_cast<std::uint8_t>(v >> shift));
        }
    }
    return b;
}

// A JPEG with an Exif block (big-endian, orientation 6) before its frame header.
Bytes Jpeg() {
    return Of(std::string("\xFF\xD8"
                          "\xFF\xE1\x00\x22"
                          "Exif\0\0"
                          "MM\0*\0\0\0\x08"
                          "\0\x01"
                          "\x01\x12\0\x03\0\0\0\x01\0\x06\0\0"
                          "\0\0\0\0"
                          "\xFF\xC0\x00\x0B\x08\x0B\xB8\x0F\xA0\x03",
                          2 + 36 + 10));
}

TEST(PictureHeader, EachFormatTellsItsSize) {
    const PictureHeader jpeg = Read(Jpeg());
    EXPECT_EQ(jpeg.format, PictureFormat::Jpeg);
    EXPECT_EQ(jpeg.width, 4000u);
    EXPECT_EQ(jpeg.height, 3000u);
    EXPECT_EQ(jpeg.orientation, 6);

    const PictureHeader png = Read(Png(640, 480));
    EXPECT_EQ(png.format, PictureFormat::Png);
    EXPECT_EQ(png.width, 640u);

    Bytes bmp = Of(std::string("BM", 2));
    bmp.resize(30);
    bmp[14] = 40;
    bmp[18] = 0x20, bmp[22] = 0xF0, bmp[23] = 0xFF, bmp[24] = 0xFF, bmp[25] = 0xFF; // -16: top-down
    EXPECT_EQ(Read(bmp).height, 16u);
    EXPECT_EQ(Read(Of(std::string("GIF89a\x10\x00\x08\x00", 10))).width, 16u);
    const Bytes tiff = Of(std::string("II*\0\x08\0\0\0\x02\0"
                                      "\x00\x01\x03\0\x01\0\0\0\x40\0\0\0"
                                      "\x01\x01\x04\0\x01\0\0\0\x30\0\0\0",
                                      34));
    EXPECT_EQ(Read(tiff).format, PictureFormat::Tiff);
    EXPECT_EQ(Read(tiff).height, 48u);
}

// The desktop scenario gives the desktop the bad files themselves; here the limits.
TEST(PictureHeader, TheVerdictNamesWhatIsWrong) {
    EXPECT_EQ(JudgePicture(100, Read(Png(16384, 16384))), PictureVerdict::Usable);
    EXPECT_EQ(JudgePicture(100, Read(Png(16385, 1))), PictureVerdict::TooLarge);
    EXPECT_EQ(JudgePicture(5, Read(Of("hello"))), PictureVerdict::UnknownFormat);
    Bytes cut = Jpeg();
    cut.resize(cut.size() - 6); // the frame header cut off
    EXPECT_EQ(JudgePicture(cut.size(), Read(cut)), PictureVerdict::Broken);
    EXPECT_EQ(JudgePicture(kMaxPictureFileBytes + 1, Read(Jpeg())), PictureVerdict::TooLarge);
}

} // namespace
} // namespace luna
