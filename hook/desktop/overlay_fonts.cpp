#include "hook/desktop/overlay_fonts.h"

#include <cstring>
#include <initializer_list>

#include "hook/desktop/overlay_face.h"
#include "hook/logic/copy_data_action.h"
#include "shared/win32/wide_text.h"

namespace luna {
namespace {

// Selects `font` in place of the slot's previous one, which is deleted.
bool Adopt(HDC surface, HFONT& slot, LOGFONTW font) {
    // The character set picks the face and glyphs: DEFAULT_CHARSET would follow the
    // system's code page, so it means GB2312 here, as it does on a Chinese system.
    if (font.lfCharSet == DEFAULT_CHARSET) {
        font.lfCharSet = GB2312_CHARSET;
    }
    HFONT made = CreateFontIndirectW(&font);
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

} // namespace

bool AdoptOverlayFont(HDC surface, HFONT& slot, const FontRecord& received) {
    if (surface == nullptr) {
        return false;
    }
    // An absurd height (INT_MIN, say) would make the text invisible: cut to a sane range.
    // LogFontFromRecord reads the face name no further than its 32 bytes: the sender may
    // not have terminated it.
    return Adopt(surface, slot, LogFontFromRecord(SaneReceivedFont(received)));
}

bool AdoptDefaultOverlayFont(HDC surface, HFONT& slot) {
    if (surface == nullptr) {
        return false;
    }
    LOGFONTW font{};
    HGDIOBJ current = GetCurrentObject(surface, OBJ_FONT);
    if (current == nullptr || GetObjectW(current, sizeof font, &font) != sizeof font) {
        return false;
    }
    font.lfCharSet = GB2312_CHARSET;
    font.lfQuality = DEFAULT_QUALITY; // smoothed as the system smooths text
    font.lfFaceName[0] = L'\0';
    ChooseOverlayFace(surface, font); // a face with Latin and Chinese glyphs alike
    return Adopt(surface, slot, font);
}

void ReleaseOverlayFonts(Desktop& desktop) {
    for (HFONT* slot : {&desktop.calendarFont, &desktop.clockFont, &desktop.reminderFont}) {
        if (*slot != nullptr) {
            DeleteObject(*slot);
            *slot = nullptr;
        }
    }
}

} // namespace luna
