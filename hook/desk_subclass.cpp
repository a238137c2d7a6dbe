// The desktop view window's procedure while the library is attached: it never erases
// its background, since the list view that covers it paints the composed picture.
#include "hook/debug_log.h"
#include "hook/shared_hook_state.h"
#include "hook/subclass_procs.h"
#include "shared/messages.h"

namespace {

LRESULT RestoreDesktop(HWND window) {
    luna::SharedHookState& state = luna::SharedState();
    if (state.m_hDeskWnd == nullptr || !IsWindow(state.m_hDeskWnd) ||
        state.m_DeskOldProc == nullptr) {
        return 1;
    }
    luna::WriteDebugLogf("prevwndproc handle:%" PRIXPTR, luna::HandleBits(state.m_DeskOldProc));
    luna::WriteDebugLog("结束桌面时钟");
    state.m_hDeskWnd = nullptr;
    if (SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(state.m_DeskOldProc)) !=
        0) {
        luna::WriteDebugLog("恢复桌面进程");
    } else {
        luna::WriteDebugLog("恢复桌面进程错误");
    }
    return 1;
}

} // namespace

LRESULT CALLBACK DeskSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case luna::UM_EXIT:
        return RestoreDesktop(window);
    default:
        return CallWindowProcA(luna::SharedState().m_DeskOldProc, window, message, wParam, lParam);
    }
}
