#include "app/settings/about_dialog.h"

#include "app/res/resource_ids.h"

namespace luna {

AboutDialog::AboutDialog(HWND parent) : Dialog(IDD_ABOUTBOX, parent) {}

BOOL AboutDialog::OnInitDialog() {
    HDC screen = GetDC(nullptr);
    const int screenWidth = GetDeviceCaps(screen, HORZRES);
    const int screenHeight = GetDeviceCaps(screen, VERTRES);
    ReleaseDC(nullptr, screen);
    RECT box;
    GetWindowRect(Window(), &box);
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    SetWindowPos(Window(), nullptr, (screenWidth - width) / 2, (screenHeight - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
    return TRUE;
}

} // namespace luna
