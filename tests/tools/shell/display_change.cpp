#include "tests/tools/shell/display_change.h"

namespace luna::tools {
namespace {

void Resize(HWND hwnd, int x, int y, int width, int height) {
    if (hwnd != nullptr) {
        SetWindowPos(hwnd, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

} // namespace

void SetWorkAreaAboveTaskbar(const RECT& screen) {
    RECT work = screen;
    work.bottom -= kTaskbarHeight;
    SystemParametersInfoA(SPI_SETWORKAREA, 0, &work, 0);
}

void FollowDisplayChange(ShellContext& ctx, LPARAM newSize) {
    ctx.screen = {0, 0, LOWORD(newSize), HIWORD(newSize)};
    if (ctx.screen.right == 0 || ctx.screen.bottom == 0) {
        ctx.screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    }
    const int width = ctx.screen.right;
    const int height = ctx.screen.bottom;
    ctx.log.Printf("display %dx%d", width, height);
    // The work area first: whoever follows the desktop windows' new size reads it.
    SetWorkAreaAboveTaskbar(ctx.screen);
    const ShellWindows& w = ctx.windows;
    for (HWND frame : {w.progman, w.workerW, w.workerWEmpty}) {
        Resize(frame, 0, 0, width, height - kTaskbarHeight);
    }
    // The taskbar's own thread lays it out again on the WM_SIZE this sends.
    Resize(w.tray, 0, height - kTaskbarHeight, width, kTaskbarHeight);
}

} // namespace luna::tools
