#include "app/framework/color_dialog.h"

namespace luna {
namespace {

// The custom colours of every colour dialog of the run: defined in one, offered in all.
COLORREF* RunCustomColors() {
    static COLORREF colors[16] = {
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255)};
    return colors;
}

} // namespace

ColorDialog::ColorDialog(COLORREF initial, DWORD flags) {
    choose_.lStructSize = sizeof choose_;
    choose_.rgbResult = initial;
    choose_.Flags = flags | (initial != 0 ? CC_RGBINIT : 0);
}

bool ColorDialog::DoModal(HWND owner) {
    choose_.hwndOwner = owner;
    choose_.lpCustColors = RunCustomColors();
    return ChooseColorA(&choose_) != FALSE;
}

} // namespace luna
