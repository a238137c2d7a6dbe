#include "app/settings/sheet_controls.h"

namespace luna {

bool IsTicked(HWND page, int id) {
    return IsDlgButtonChecked(page, id) == BST_CHECKED;
}

void SetTicked(HWND page, int id, bool ticked) {
    CheckDlgButton(page, id, ticked ? BST_CHECKED : BST_UNCHECKED);
}

void EnablePageControl(HWND page, int id, bool enable) {
    EnableWindow(GetDlgItem(page, id), enable ? TRUE : FALSE);
}

void ShowPageControl(HWND page, int id, bool show) {
    ShowWindow(GetDlgItem(page, id), show ? SW_SHOW : SW_HIDE);
}

} // namespace luna
