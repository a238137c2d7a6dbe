#include "app/sheetdia.h"

namespace luna {
namespace {

constexpr char kSheetCaption[] = "时钟备忘录系统设定";

} // namespace

sheetdia::sheetdia(ControlState& state, HWND owner)
    : PropertySheetDialog(kSheetCaption, owner, 0), clockPage_(state), reminderPage_(state),
      calendarPage_(state), systemPage_(state) {
    AddPage(clockPage_);
    AddPage(reminderPage_);
    AddPage(calendarPage_);
    AddPage(systemPage_);
}

INT_PTR sheetdia::DoModal() {
    Header().dwFlags |= PSH_USEHICON;
    Header().hIcon = sheetIcon;
    return PropertySheetDialog::DoModal();
}

void sheetdia::OnInitDialog() {
    SetWindowPos(Window(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

bool sheetdia::OnMessage(UINT message, WPARAM, LPARAM, LRESULT&) {
    if (message == WM_SHOWWINDOW) {
        CentreOnScreen();
    }
    return false; // the sheet's own processing follows
}

void sheetdia::CentreOnScreen() {
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
