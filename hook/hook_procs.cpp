#include "hook/hook_procs.h"

#include <commctrl.h>

#include "shared/win32/debug_log.h"
#include "hook/desktop/desktop.h"
#include "hook/desktop/desktop_surfaces.h"
#include "hook/desktop/overlay_fonts.h"
#include "hook/desktop/reminder_panel.h"
#include "hook/desktop/reminders.h"
#include "hook/shared_hook_state.h"
#include "hook/subclass_chain.h"
#include "hook/subclass_procs.h"
#include "shared/messages.h"

namespace {

// The window of the message, when it is the one `record` should attach to.
HWND AttachTarget(LPARAM lParam, const luna::LocalSubclass& record, HWND sharedTarget,
                  const char* expectedClass) {
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    // An exit request is no reason to attach (it would only be undone at once).
    if (message == nullptr || message->message == luna::UM_EXIT ||
        !luna::ShouldAttach(record, message->hwnd, sharedTarget, expectedClass)) {
        return nullptr;
    }
    return message->hwnd;
}

// What a dead lunavis may have left in this process's copy of the library (it stays
// pinned in the shell): the sheet flag, the date last drawn, fonts, files and surfaces.
void ResetAttachmentState(luna::Desktop& desktop) {
    desktop.sheetOpen = 0;
    luna::ResetDateKey(desktop.gridDate);
    luna::FreeReminderCopies();
    luna::ReleaseSurfaces(desktop);
    luna::ReleaseOverlayFonts(desktop);
}

// The first-time work of each target.
void SubclassDesktop(HWND window) {
    luna::SharedHookState& state = luna::SharedState();
    luna::LocalSubclass& record = luna::FolderViewSubclass();
    if (HWND view = luna::AttachedViewWindow()) {
        SendMessageW(view, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(CLR_NONE));
    }
    luna::WriteDebugLog("第一次替换目的窗口过程");
    if (!luna::AttachSubclass(record, window, FolderViewSubclassProc)) {
        luna::WriteDebugLog("目的窗口过程替代失败");
        return;
    }
    state.m_DeskOldProc = record.previous; // for the log and lunavis's checks only
    luna::WriteDebugLogf("目的窗口过程替代成功,替代后的窗口过程:%" PRIXPTR "\n",
                         luna::HandleBits(record.previous));
    luna::WriteDebugLogf("传入的窗口句柄%" PRIXPTR ",DLL进程原先获得的句柄%" PRIXPTR,
                         luna::HandleBits(window), luna::HandleBits(state.m_hDeskWnd));
}

void SubclassView(HWND window) {
    luna::SharedHookState& state = luna::SharedState();
    luna::LocalSubclass& record = luna::ViewSubclass();
    luna::WriteDebugLog("\n第一次替换视图窗口过程");
    if (!luna::AttachSubclass(record, window, ViewSubclassProc)) {
        luna::WriteDebugLog("视图窗口过程替代失败");
        return;
    }
    // Nothing runs between the attach and here: the window's next message finds it all new.
    luna::Desktop& desktop = luna::ViewDesktop();
    ResetAttachmentState(desktop);
    luna::CreateSurfaces(desktop);
    state.m_ViewOldProc = record.previous;
    SetWindowLongPtrW(window, GWL_EXSTYLE,
                      GetWindowLongPtrW(window, GWL_EXSTYLE) | WS_EX_NOPARENTNOTIFY);
    // lunavis asks for double clicks too, but a class of another process cannot be
    // changed from outside it; here, inside the shell, it can.
    SetClassLongPtrW(window, GCL_STYLE, GetClassLongPtrW(window, GCL_STYLE) | CS_DBLCLKS);
    SetTimer(window, luna::kViewTimerId, 1000, nullptr);
    luna::DrawReminderPanel(desktop);
    InvalidateRect(window, nullptr, TRUE);
    luna::WriteDebugLogf("视图窗口过程替代成功,替代前的窗口过程:%" PRIXPTR "\n",
                         luna::HandleBits(record.previous));
    luna::WriteDebugLogf("传入的视图窗口句柄%" PRIXPTR ",DLL进程原先获得的句柄%" PRIXPTR,
                         luna::HandleBits(window), luna::HandleBits(state.m_hViewWnd));
}

void SubclassClock(HWND window) {
    luna::LocalSubclass& record = luna::ClockSubclass();
    luna::WriteDebugLog("第一次替换目的窗口过程");
    if (!luna::AttachSubclass(record, window, ClockSubclassProc)) {
        luna::WriteDebugLog("目的窗口过程替代失败");
        return;
    }
    luna::SharedState().m_ClockOldProc = record.previous;
    luna::WriteDebugLog("目的窗口过程替代成功");
}

} // namespace

// The hook handle of CallNextHookEx is ignored by the NT family: the shared one, which
// anybody could have written, is not passed.
LRESULT CALLBACK DeskHookProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code >= 0) {
        if (HWND window = AttachTarget(lParam, luna::FolderViewSubclass(),
                                       luna::SharedState().m_hDeskWnd, "SHELLDLL_DefView")) {
            SubclassDesktop(window);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK ViewHookProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code >= 0) {
        if (HWND window = AttachTarget(lParam, luna::ViewSubclass(), luna::SharedState().m_hViewWnd,
                                       "SysListView32")) {
            SubclassView(window);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK ClockHookProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code >= 0) {
        if (HWND window = AttachTarget(lParam, luna::ClockSubclass(),
                                       luna::SharedState().m_hClockWnd, "TrayClockWClass")) {
            SubclassClock(window);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
