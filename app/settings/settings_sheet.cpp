#include "app/settings/settings_sheet.h"

#include "app/exe_path.h"
#include "shared/win32/wide_text.h"

namespace luna {
namespace {

constexpr char kSheetCaption[] = "时钟备忘录系统设定";
constexpr char kUnsavedRemindersMessage[] = "备忘录已经修改，但还没有保存。\n\n要保存这些修改吗？";
constexpr int kReminderPageIndex = 1;

// The commands and system commands that close a property sheet.
bool ClosesSheet(UINT message, WPARAM wParam) {
    switch (message) {
    case WM_COMMAND:
        return HIWORD(wParam) == BN_CLICKED &&
               (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL);
    case WM_SYSCOMMAND:
        return (wParam & 0xFFF0) == SC_CLOSE;
    case WM_CLOSE:
        return true;
    default:
        return false;
    }
}

} // namespace

SettingsSheet::SettingsSheet(ControlState& state, HWND owner)
    : PropertySheetDialog(kSheetCaption, owner, 0), clockPage_(state), reminderPage_(state),
      calendarPage_(state), systemPage_(state) {
    AddPage(clockPage_);
    AddPage(reminderPage_);
    AddPage(calendarPage_);
    AddPage(systemPage_);
}

INT_PTR SettingsSheet::DoModal() {
    Header().dwFlags |= PSH_USEHICON;
    Header().hIcon = sheetIcon;
    return PropertySheetDialog::DoModal();
}

void SettingsSheet::OnInitDialog() {
    SetWindowPos(Window(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

bool SettingsSheet::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message == WM_SHOWWINDOW) {
        CentreOnScreen();
    }
    if (ClosesSheet(message, wParam) && !MayClose()) {
        result = 0;
        return true; // the sheet stays open
    }
    return false; // the sheet's own processing follows
}

bool SettingsSheet::MayClose() {
    if (!reminderPage_.HasUnsavedReminders() ||
        (dropped_ && droppedChanges_ == reminderPage_.ReminderChanges())) {
        return true;
    }
    SendMessageA(Window(), PSM_SETCURSEL, kReminderPageIndex, 0);
    switch (MessageBoxGbk(Window(), kUnsavedRemindersMessage, kPageMessageCaption,
                          MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
        return reminderPage_.SaveReminders(); // a failed save has said so: stay open
    case IDNO:
        dropped_ = true;
        droppedChanges_ = reminderPage_.ReminderChanges();
        return true;
    default:
        return false;
    }
}

void SettingsSheet::CentreOnScreen() {
    HWND desktop = GetDesktopWindow();
    HDC screen = GetDC(desktop);
    const int screenWidth = GetDeviceCaps(screen, HORZRES);
    const int screenHeight = GetDeviceCaps(screen, VERTRES);
    ReleaseDC(desktop, screen);
    RECT rect;
    GetWindowRect(Window(), &rect);
    const int x = (screenWidth - (rect.right - rect.left)) / 2;
    const int y = (screenHeight - (rect.bottom - rect.top)) / 2;
    SetWindowPos(Window(), HWND_TOP, x, y, 0, 0, SWP_NOSIZE | SWP_NOOWNERZORDER);
}

} // namespace luna
