// What the list view does with a WM_COPYDATA, from its code and the size of its payload.
#pragma once

#include <cstdint>

#include "shared/font_record.h"

namespace luna {

enum class CopyDataAction {
    kIgnore,
    kCalendarFont, // LOGFONT for the month grid
    kClockFont,    // LOGFONT for the clock strip and the calendar text
    kReminderFont, // LOGFONT for the reminder panel
    kSettings,     // DisplaySettings: copy, adopt the colours, redraw
    kSettingsQuiet // DisplaySettings: copy only
};

// A payload smaller than its record (60 bytes for a font, 96 for the settings), or
// missing altogether, is ignored; a larger one is read up to the record's size.
CopyDataAction DecideCopyData(std::uintptr_t code, std::uint32_t payloadSize, bool hasPayload);

// The largest font height and width, in pixels, the overlay takes from a font record: more
// than a 4K screen is high, so only absurd sizes are cut.
constexpr std::int32_t kMaxOverlayFontPixels = 4096;

// A received font record made safe to draw with: height and width cut into
// [-kMaxOverlayFontPixels, kMaxOverlayFontPixels] (INT_MIN included), the face name
// terminated. Everything else as received.
FontRecord SaneReceivedFont(const FontRecord& received);

} // namespace luna
