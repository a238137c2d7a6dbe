// The 60-byte font record that travels from lunavis to lunahook (CD_*FONT). On Windows it is
// a LOGFONTA; FontRecord is its portable twin so the logic that builds it is testable
// anywhere. The layout checks below make a memcpy between the two sound.
#pragma once

#include <cstddef>
#include <cstdint>

#ifdef _WIN32
#include <windows.h>
#endif

namespace luna {

constexpr std::size_t kFaceNameSize = 32; // LF_FACESIZE, terminator included

struct FontRecord {
    std::int32_t lfHeight;
    std::int32_t lfWidth;
    std::int32_t lfEscapement;
    std::int32_t lfOrientation;
    std::int32_t lfWeight;
    std::uint8_t lfItalic;
    std::uint8_t lfUnderline;
    std::uint8_t lfStrikeOut;
    std::uint8_t lfCharSet;
    std::uint8_t lfOutPrecision;
    std::uint8_t lfClipPrecision;
    std::uint8_t lfQuality;
    std::uint8_t lfPitchAndFamily;
    char lfFaceName[kFaceNameSize];
};

static_assert(sizeof(FontRecord) == 60, "the font record is 60 bytes");
static_assert(offsetof(FontRecord, lfHeight) == 0);
static_assert(offsetof(FontRecord, lfWidth) == 4);
static_assert(offsetof(FontRecord, lfEscapement) == 8);
static_assert(offsetof(FontRecord, lfOrientation) == 12);
static_assert(offsetof(FontRecord, lfWeight) == 16);
static_assert(offsetof(FontRecord, lfItalic) == 20);
static_assert(offsetof(FontRecord, lfUnderline) == 21);
static_assert(offsetof(FontRecord, lfStrikeOut) == 22);
static_assert(offsetof(FontRecord, lfCharSet) == 23);
static_assert(offsetof(FontRecord, lfOutPrecision) == 24);
static_assert(offsetof(FontRecord, lfClipPrecision) == 25);
static_assert(offsetof(FontRecord, lfQuality) == 26);
static_assert(offsetof(FontRecord, lfPitchAndFamily) == 27);
static_assert(offsetof(FontRecord, lfFaceName) == 28);

#ifdef _WIN32
static_assert(sizeof(LOGFONTA) == sizeof(FontRecord));
static_assert(sizeof(LONG) == 4, "LOGFONTA's LONG fields are 32 bits in both builds");
static_assert(offsetof(LOGFONTA, lfHeight) == offsetof(FontRecord, lfHeight));
static_assert(offsetof(LOGFONTA, lfWidth) == offsetof(FontRecord, lfWidth));
static_assert(offsetof(LOGFONTA, lfEscapement) == offsetof(FontRecord, lfEscapement));
static_assert(offsetof(LOGFONTA, lfOrientation) == offsetof(FontRecord, lfOrientation));
static_assert(offsetof(LOGFONTA, lfWeight) == offsetof(FontRecord, lfWeight));
static_assert(offsetof(LOGFONTA, lfItalic) == offsetof(FontRecord, lfItalic));
static_assert(offsetof(LOGFONTA, lfUnderline) == offsetof(FontRecord, lfUnderline));
static_assert(offsetof(LOGFONTA, lfStrikeOut) == offsetof(FontRecord, lfStrikeOut));
static_assert(offsetof(LOGFONTA, lfCharSet) == offsetof(FontRecord, lfCharSet));
static_assert(offsetof(LOGFONTA, lfOutPrecision) == offsetof(FontRecord, lfOutPrecision));
static_assert(offsetof(LOGFONTA, lfClipPrecision) == offsetof(FontRecord, lfClipPrecision));
static_assert(offsetof(LOGFONTA, lfQuality) == offsetof(FontRecord, lfQuality));
static_assert(offsetof(LOGFONTA, lfPitchAndFamily) == offsetof(FontRecord, lfPitchAndFamily));
static_assert(offsetof(LOGFONTA, lfFaceName) == offsetof(FontRecord, lfFaceName));
static_assert(sizeof(LOGFONTA::lfFaceName) == kFaceNameSize);
#endif

} // namespace luna
