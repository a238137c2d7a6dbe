// What the list view does with a WM_COPYDATA, from its code and the size of its payload.
#pragma once

#include <cstdint>

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

} // namespace luna
