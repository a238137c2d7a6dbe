// The desktop icon list view's window procedure while the library is attached.
#include "hook/desktop_surfaces.h"
#include "hook/debug_log.h"
#include "hook/shared_hook_state.h"
#include "hook/subclass_procs.h"
#include "shared/messages.h"

namespace {

// Puts the list view's own procedure back and frees what the first-time work made.
// Does nothing unless the window still exists and was subclassed.
LRESULT DetachView(HWND window) {
    luna::SharedHookState& state = luna::SharedState();
    if (state.m_hViewWnd == nullptr || !IsWindow(state.m_hViewWnd) ||
        state.m_ViewOldProc == nullptr) {
        return 1;
    }
    luna::WriteDebugLogf("listview  prevwndproc handle:%" PRIXPTR,
                         luna::HandleBits(state.m_ViewOldProc));
    luna::WriteDebugLog("结束视图勾连");
    KillTimer(state.m_hViewWnd, luna::kViewTimerId);
    luna::ReleaseSurfaces();
    // Cleared before the restore, so the hook procedure can no longer match the window.
    state.m_hViewWnd = nullptr;
    if (SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(state.m_ViewOldProc)) !=
        0) {
        luna::WriteDebugLog("恢复视图进程");
    } else {
        luna::WriteDebugLog("恢复视图进程错误");
    }
    return 1;
}

} // namespace

LRESULT CALLBACK ViewSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == luna::UM_EXIT) {
        return DetachView(window);
    }
    return CallWindowProcA(luna::SharedState().m_ViewOldProc, window, message, wParam, lParam);
}
