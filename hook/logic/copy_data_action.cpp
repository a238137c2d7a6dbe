#include "hook/logic/copy_data_action.h"

#include "shared/messages.h"

namespace luna {

CopyDataAction DecideCopyData(std::uintptr_t code, std::uint32_t payloadSize, bool hasPayload) {
    CopyDataAction action = CopyDataAction::kIgnore;
    std::uint32_t needed = 0;
    switch (code) {
    case CD_CALENDARFONT:
        action = CopyDataAction::kCalendarFont;
        needed = kFontRecordSize;
        break;
    case CD_CLOCKFONT:
        action = CopyDataAction::kClockFont;
        needed = kFontRecordSize;
        break;
    case CD_REMINDERFONT:
        action = CopyDataAction::kReminderFont;
        needed = kFontRecordSize;
        break;
    case CD_SETTINGS:
        action = CopyDataAction::kSettings;
        needed = kDisplaySettingsSize;
        break;
    case CD_SETTINGSQUIET:
        action = CopyDataAction::kSettingsQuiet;
        needed = kDisplaySettingsSize;
        break;
    default:
        return CopyDataAction::kIgnore;
    }
    if (!hasPayload || payloadSize < needed) {
        return CopyDataAction::kIgnore;
    }
    return action;
}

namespace {

std::int32_t ClampPixels(std::int32_t value) {
    if (value > kMaxOverlayFontPixels) {
        return kMaxOverlayFontPixels;
    }
    if (value < -kMaxOverlayFontPixels) {
        return -kMaxOverlayFontPixels;
    }
    return value;
}

} // namespace

FontRecord SaneReceivedFont(const FontRecord& received) {
    FontRecord font = received;
    font.lfHeight = ClampPixels(font.lfHeight);
    font.lfWidth = ClampPixels(font.lfWidth);
    font.lfFaceName[kFaceNameSize - 1] = '\0'; // the sender may not have terminated it
    return font;
}

} // namespace luna
