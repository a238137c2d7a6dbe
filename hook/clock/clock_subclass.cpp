// The taskbar clock's procedure while the library is attached: the clock menu, its
// commands, and the restore on UM_EXIT.
#include <windowsx.h>

#include "hook/clock/clock_menu.h"
#include "shared/win32/debug_log.h"
#include "hook/shared_hook_state.h"
#include "hook/subclass_chain.h"
#include "hook/subclass_procs.h"
#include "shared/clock_menu.h"
#include "shared/messages.h"
#include "shared/win32/clock_menu_popup.h"

namespace {

// The taskbar's question for the clock's size; the clock answers it with 0 while attached.
constexpr UINT kClockSizeQuery = WM_USER + 100;
static_assert(kClockSizeQuery == 0x0464, "the taskbar's clock message");

LRESULT PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return luna::PassOn(luna::ClockSubclass(), window, message, wParam, lParam);
}

LRESULT RestoreClock() {
    luna::LocalSubclass& record = luna::ClockSubclass();
    luna::WriteDebugLogf("clock  prevwndproc handle:%" PRIXPTR, luna::HandleBits(record.previous));
    luna::WriteDebugLog("结束时钟勾连");
    // The clock's timers are the shell's own (the library sets none on this window):
    // stopping one would stop the taskbar's clock, so none is killed here.
    luna::SharedState().m_hClockWnd = nullptr;
    if (luna::RestoreSubclass(record)) {
        luna::WriteDebugLog("恢复时钟进程");
    } else {
        luna::WriteDebugLog("时钟窗口过程留作转发");
    }
    return 1;
}

// lunavis's main window, as the shared record names it: a window of another process.
HWND MainWindow() {
    HWND main = luna::SharedState().m_hMainWnd;
    DWORD process = 0;
    if (main == nullptr || IsWindow(main) == FALSE ||
        GetWindowThreadProcessId(main, &process) == 0 || process == GetCurrentProcessId()) {
        return nullptr;
    }
    return main;
}

LRESULT OnCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    const luna::ClockCommand command = luna::RouteClockCommand(LOWORD(wParam));
    switch (command.route) {
    case luna::ClockCommandRoute::MainWindow:
        // Posted, never sent: the taskbar's thread does not wait for lunavis. Without a
        // main window a post would land in this thread's own queue.
        if (HWND main = MainWindow()) {
            PostMessageA(main, command.message, 0, 0);
        }
        return 0;
    case luna::ClockCommandRoute::Taskbar:
        // The clock's grandparent is Shell_TrayWnd.
        PostMessageA(GetParent(GetParent(window)), WM_COMMAND, wParam, lParam);
        return 1;
    case luna::ClockCommandRoute::NotOurs:
        break;
    }
    return PassOn(window, WM_COMMAND, wParam, lParam);
}

LRESULT OnClockMenu(HWND window, LPARAM lParam) {
    // A request that arrives while the menu is open (its loop dispatches posted messages)
    // would otherwise destroy the menu being tracked.
    if (luna::PopupMenuOpenOnThisThread()) {
        return 1;
    }
    // Made, shown and destroyed here, on the taskbar's thread: nothing else touches it.
    HMENU menu = luna::BuildClockMenu();
    // Signed, so that a point on a monitor left of or above the primary one stays there.
    luna::TrackClockMenu(menu, window, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    if (menu != nullptr) {
        DestroyMenu(menu);
    }
    return 1;
}

} // namespace

LRESULT CALLBACK ClockSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!luna::IsActive(luna::ClockSubclass()) || window != luna::ClockSubclass().window) {
        return message == luna::UM_EXIT ? 1 : PassOn(window, message, wParam, lParam);
    }
    switch (message) {
    case kClockSizeQuery:
        return 0;
    case WM_COMMAND:
        return OnCommand(window, wParam, lParam);
    case luna::UM_EXIT:
        return RestoreClock();
    case luna::UM_CLOCKMENU:
        return OnClockMenu(window, lParam);
    default:
        break;
    }
    return PassOn(window, message, wParam, lParam);
}
