#include "app/editor_controls.h"

#include <cstdio>

namespace luna {

void FillNumberCombo(HWND dialog, int id, int first, int last, const char* format, int selected) {
    HWND combo = GetDlgItem(dialog, id);
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    for (int number = first; number <= last; ++number) {
        char text[16];
        std::snprintf(text, sizeof text, format, number);
        SendMessageA(combo, CB_INSERTSTRING, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(text));
    }
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

std::string ControlText(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    const int length = GetWindowTextLengthA(control);
    if (length <= 0) {
        return std::string();
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(control, &text[0], length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

int SelectedRow(HWND dialog, int id) {
    char className[16] = {};
    HWND control = GetDlgItem(dialog, id);
    GetClassNameA(control, className, sizeof className);
    const bool isCombo = lstrcmpiA(className, "ComboBox") == 0;
    const LRESULT row = SendMessageA(control, isCombo ? CB_GETCURSEL : LB_GETCURSEL, 0, 0);
    return row < 0 ? -1 : static_cast<int>(row);
}

void ShowListItems(HWND dialog, int id, const std::vector<std::string>& items, int selected) {
    HWND list = GetDlgItem(dialog, id);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& item : items) {
        SendMessageA(list, LB_INSERTSTRING, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(item.c_str()));
    }
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void EnableControl(HWND dialog, int id, bool enable) {
    EnableWindow(GetDlgItem(dialog, id), enable ? TRUE : FALSE);
}

} // namespace luna
