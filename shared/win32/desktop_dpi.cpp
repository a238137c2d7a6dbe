#include "shared/win32/desktop_dpi.h"

#include <windows.h>

namespace luna {
namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);

} // namespace

std::int32_t OwnScreenDpi() {
    HDC screen = GetDC(nullptr);
    if (screen == nullptr) {
        return 96;
    }
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

std::int32_t DesktopDpi() {
    HMODULE user32 = GetModuleHandleA("user32.dll");
    FARPROC proc = user32 != nullptr ? GetProcAddress(user32, "GetDpiForWindow") : nullptr;
    HWND shell = GetShellWindow();
    if (proc != nullptr && shell != nullptr) {
        const auto dpiForWindow =
            reinterpret_cast<GetDpiForWindowFn>(reinterpret_cast<void (*)()>(proc));
        const UINT dpi = dpiForWindow(shell);
        if (dpi > 0) {
            return static_cast<std::int32_t>(dpi);
        }
    }
    return OwnScreenDpi();
}

std::int32_t HeightForDesktop(std::int32_t ownHeight) {
    const std::int32_t own = OwnScreenDpi();
    const std::int32_t desktop = DesktopDpi();
    if (own == desktop) {
        return ownHeight;
    }
    return MulDiv(ownHeight, desktop, own);
}

} // namespace luna
