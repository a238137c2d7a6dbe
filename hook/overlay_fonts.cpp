#include "hook/desktop_state.h"
#include "hook/overlay.h"

#include <initializer_list>

namespace luna {

bool AdoptOverlayFont(HDC surface, HFONT& slot, const LOGFONTA& received) {
    if (surface == nullptr) {
        return false;
    }
    LOGFONTA font = received;
    font.lfFaceName[LF_FACESIZE - 1] = '\0'; // the sender may not have terminated it
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
