// The folder view's (SHELLDLL_DefView's) procedure while the library is attached: it never
// erases its background, since the list view that covers it paints the composed picture.
#include "shared/win32/debug_log.h"
#include "hook/shared_hook_state.h"
#include "hook/subclass_chain.h"
#include "hook/subclass_procs.h"
#include "shared/messages.h"

namespace {

LRESULT RestoreDesktop() {
    luna::LocalSubclass& record = luna::FolderViewSubclass();
    luna::WriteDebugLogf("prevwndproc handle:%" PRIXPTR, luna::HandleBits(record.previous));
    luna::WriteDebugLog("结束桌面时钟");
    luna::SharedState().m_hDeskWnd = nullptr;
    if (luna::RestoreSubclass(record)) {
        luna::WriteDebugLog("恢复桌面进程");
    } else {
        luna::WriteDebugLog("桌面窗口过程留作转发");
    }
    return 1;
}

} // namespace

LRESULT CALLBACK FolderViewSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const luna::LocalSubclass& record = luna::FolderViewSubclass();
    if (!luna::IsActive(record) || window != record.window) {
        return message == luna::UM_EXIT ? 1 : luna::PassOn(record, window, message, wParam, lParam);
    }
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case luna::UM_EXIT:
        return RestoreDesktop();
    default:
        return luna::PassOn(record, window, message, wParam, lParam);
    }
}
