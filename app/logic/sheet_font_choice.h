// A font chosen in a page's font dialog, kept until the page applies it.
#pragma once

#include <cstdint>

#include "app/logic/sheet_context.h"
#include "shared/font_record.h"

namespace luna {

struct FontChoice {
    char face[kFaceNameSize];     // face name, terminated
    std::int32_t pointSizeTenths; // point size in tenths of a point
    std::int32_t weight;          // lfWeight
    std::int32_t charset;         // lfCharSet
    std::int32_t italic;          // lfItalic
    std::uint32_t bold;           // 1 when lfWeight is 700
    std::uint32_t underline;      // 1 when lfUnderline is non-zero
    FontRecord record;            // the dialog's complete font record
};

// What the font dialog gave on OK. The face name is cut to what lfFaceName holds.
FontChoice MakeFontChoice(const char* face, std::int32_t pointSizeTenths, const FontRecord& record);

// Writes the font value group of keyPath from the choice, then sends the record with
// `code` (CD_CLOCKFONT, CD_CALENDARFONT or CD_REMINDERFONT).
void ApplyFontChoice(SheetContext& context, const char* keyPath, std::uint32_t code,
                     const FontChoice& font);

} // namespace luna
