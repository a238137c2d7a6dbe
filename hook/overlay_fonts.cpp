#include "hook/desktop_state.h"
#include "hook/overlay.h"

#include <cstring>
#include <initializer_list>

#include "hook/logic/copy_data_action.h"

namespace luna {

bool AdoptOverlayFont(HDC surface, HFONT& slot, const LOGFONTA& received) {
    if (surface == nullptr) {
        return false;
    }
    // An absurd height (INT_MIN, say) would make the text invisible: cut to a sane range.
    FontRecord record;
    std::memcpy(&record, &received, sizeof record);
    record = SaneReceivedFont(record);
    LOGFONTA font;
    std::memcpy(&font, &record, sizeof font);
    HFONT made = CreateFontIndirectA(&font);
    if (made == nullptr) {
        return false;
    }
    SelectObject(surface, made);
    if (slot != nullptr) {
        DeleteObject(slot);
    }
    slot = made;
    return true;
}

void ReleaseOverlayFonts() {
    for (HFONT* slot : {&m_CalendarFont, &m_ClockFont, &m_ReminderFont}) {
        if (*slot != nullptr) {
            DeleteObject(*slot);
            *slot = nullptr;
        }
    }
}

} // namespace luna
