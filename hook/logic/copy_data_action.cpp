#include "hook/logic/copy_data_action.h"

#include "shared/messages.h"

namespace luna {

namespace {

// Each code, what it asks for and the size of its record.
struct CopyDataKind {
    std::uintptr_t code;
    CopyDataAction action;
    std::uint32_t recordSize;
};

constexpr CopyDataKind kCopyDataKinds[] = {
    {CD_CALENDARFONT, CopyDataAction::kCalendarFont, kFontRecordSize},
    {CD_CLOCKFONT, CopyDataAction::kClockFont, kFontRecordSize},
    {CD_REMINDERFONT, CopyDataAction::kReminderFont, kFontRecordSize},
    {CD_SETTINGS, CopyDataAction::kSettings, kDisplaySettingsSize},
    {CD_SETTINGSQUIET, CopyDataAction::kSettingsQuiet, kDisplaySettingsSize},
};

} // namespace

CopyDataAction DecideCopyData(std::uintptr_t code, std::uint32_t payloadSize, bool hasPayload) {
    for (const CopyDataKind& kind : kCopyDataKinds) {
        if (kind.code == code) {
            return hasPayload && payloadSize >= kind.recordSize ? kind.action
                                                                : CopyDataAction::kIgnore;
        }
    }
    return CopyDataAction::kIgnore;
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
