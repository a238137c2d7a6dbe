#include "app/framework/color_dialog.h"

namespace luna {

ColorDialog::ColorDialog(COLORREF initial, DWORD flags) {
    for (COLORREF& color : customColors_) {
        color = RGB(255, 255, 255);
    }
    choose_.lStructSize = sizeof choose_;
    choose_.rgbResult = initial;
    choose_.Flags = flags | (initial != 0 ? CC_RGBINIT : 0);
}

bool ColorDialog::DoModal(HWND owner) {
    choose_.hwndOwner = owner;
    choose_.lpCustColors = customColors_;
    return ChooseColorW(&choose_) != FALSE;
}

} // namespace luna
