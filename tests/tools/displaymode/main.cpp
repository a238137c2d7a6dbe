// displaymode: the screen's size for the Wine scenarios.
//
//   displaymode                 prints "screen WxH" and one line per monitor:
//                               "monitor L T R B work L T R B [primary]"
//   displaymode WIDTH HEIGHT    ChangeDisplaySettingsExW to that size (the system then
//                               broadcasts WM_DISPLAYCHANGE); prints the result code
//
// Exit status 0 on success, 1 when the change is refused, 2 on bad usage.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

BOOL CALLBACK PrintMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info)) {
        const RECT& m = info.rcMonitor;
        const RECT& w = info.rcWork;
        std::printf("monitor %ld %ld %ld %ld work %ld %ld %ld %ld%s\n", m.left, m.top, m.right,
                    m.bottom, w.left, w.top, w.right, w.bottom,
                    (info.dwFlags & MONITORINFOF_PRIMARY) != 0 ? " primary" : "");
    }
    return TRUE;
}

int PrintLayout() {
    std::printf("screen %dx%d virtual %d %d %dx%d monitors %d\n", GetSystemMetrics(SM_CXSCREEN),
                GetSystemMetrics(SM_CYSCREEN), GetSystemMetrics(SM_XVIRTUALSCREEN),
                GetSystemMetrics(SM_YVIRTUALSCREEN), GetSystemMetrics(SM_CXVIRTUALSCREEN),
                GetSystemMetrics(SM_CYVIRTUALSCREEN), GetSystemMetrics(SM_CMONITORS));
    EnumDisplayMonitors(nullptr, nullptr, PrintMonitor, 0);
    return 0;
}

bool ParseSize(const char* text, DWORD& value) {
    char* end = nullptr;
    const unsigned long number = std::strtoul(text, &end, 10);
    if (end == text || *end != '\0' || number == 0 || number > 32767) {
        return false;
    }
    value = static_cast<DWORD>(number);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 1) {
        return PrintLayout();
    }
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    if (argc != 3 || !ParseSize(argv[1], mode.dmPelsWidth) ||
        !ParseSize(argv[2], mode.dmPelsHeight)) {
        std::fprintf(stderr, "usage: displaymode [WIDTH HEIGHT]\n");
        return 2;
    }
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    const LONG result = ChangeDisplaySettingsExW(nullptr, &mode, nullptr, 0, nullptr);
    std::printf("result %ld\n", result);
    std::fflush(stdout);
    return result == DISP_CHANGE_SUCCESSFUL ? 0 : 1;
}
