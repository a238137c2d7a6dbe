#include "app/desktop_windows.h"

#include "shared/shell_windows.h"

namespace luna {
namespace {

HWND FindByClass(HWND parent, HWND after, const char* className) {
    return FindWindowExA(parent, after, className, nullptr);
}

} // namespace

HWND FindDesktopListView() {
    HWND view = FindDesktopView<HWND>(FindByClass).desktopView;
    return FindDesktopListViewIn(view, FindByClass);
}

HWND FindTaskbarClockWindow() {
    return FindTaskbarClock<HWND>(FindByClass);
}

bool ActiveDesktopIsOn() {
    return HasActiveDesktop<HWND>(FindByClass);
}

} // namespace luna
