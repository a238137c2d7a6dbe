#include "app/settings/editor_controls.h"

#include <cstdio>

#include "shared/win32/wide_text.h"

namespace luna {

void FillNumberCombo(HWND dialog, int id, int first, int last, const char* format, int selected) {
    HWND combo = GetDlgItem(dialog, id);
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (int number = first; number <= last; ++number) {
        char text[16];
        std::snprintf(text, sizeof text, format, number);
        SendTextMessageGbk(combo, CB_INSERTSTRING, static_cast<WPARAM>(-1), text);
    }
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

std::string ControlText(HWND dialog, int id) {
    return DlgItemTextGbk(dialog, id);
}

int SelectedRow(HWND dialog, int id) {
    wchar_t className[16] = {};
    HWND control = GetDlgItem(dialog, id);
    GetClassNameW(control, className, 16);
    const bool isCombo = lstrcmpiW(className, L"ComboBox") == 0;
    const LRESULT row = SendMessageW(control, isCombo ? CB_GETCURSEL : LB_GETCURSEL, 0, 0);
    return row < 0 ? -1 : static_cast<int>(row);
}

void ShowListItems(HWND dialog, int id, const std::vector<std::string>& items, int selected) {
    HWND list = GetDlgItem(dialog, id);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& item : items) {
        SendTextMessageGbk(list, LB_INSERTSTRING, static_cast<WPARAM>(-1), item.c_str());
    }
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void EnableControl(HWND dialog, int id, bool enable) {
    EnableWindow(GetDlgItem(dialog, id), enable ? TRUE : FALSE);
}

} // namespace luna
