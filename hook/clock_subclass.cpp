// The taskbar clock's procedure while the library is attached.
#include "hook/debug_log.h"
#include "hook/shared_hook_state.h"
#include "hook/subclass_procs.h"
#include "shared/messages.h"

namespace {

LRESULT RestoreClock(HWND window) {
    luna::SharedHookState& state = luna::SharedState();
    if (state.m_hClockWnd == nullptr || !IsWindow(state.m_hClockWnd) ||
        state.m_ClockOldProc == nullptr) {
        return 1;
    }
    luna::WriteDebugLogf("clock  prevwndproc handle:%" PRIXPTR,
                         luna::HandleBits(state.m_ClockOldProc));
    luna::WriteDebugLog("结束时钟勾连");
    // The clock's own timers belong to the shell: the library set none on this window.
    state.m_hClockWnd = nullptr;
    if (SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(state.m_ClockOldProc)) !=
        0) {
        luna::WriteDebugLog("恢复时钟进程");
    } else {
        luna::WriteDebugLog("恢复时钟进程错误");
    }
    return 1;
}

} // namespace

LRESULT CALLBACK ClockSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == luna::UM_EXIT) {
        return RestoreClock(window);
    }
    return CallWindowProcA(luna::SharedState().m_ClockOldProc, window, message, wParam, lParam);
}
