#include "app/framework/font_dialog.h"

namespace luna {

FontDialog::FontDialog(DWORD flags) {
    choose_.lStructSize = sizeof choose_;
    choose_.lpLogFont = &font_;
    choose_.Flags = flags & ~static_cast<DWORD>(CF_INITTOLOGFONTSTRUCT | CF_PRINTERFONTS);
}

bool FontDialog::DoModal(HWND owner) {
    choose_.hwndOwner = owner;
    choose_.lpLogFont = &font_; // the object may have moved since construction
    if (!ChooseFontW(&choose_)) {
        return false;
    }
    font_.lfFaceName[LF_FACESIZE - 1] = L'\0';
    return true;
}

} // namespace luna
