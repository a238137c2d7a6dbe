#include "hook/hook_procs.h"

#include <commctrl.h>

#include "hook/debug_log.h"
#include "hook/desktop_surfaces.h"
#include "hook/module_pin.h"
#include "hook/shared_hook_state.h"
#include "hook/subclass_procs.h"
#include "shared/messages.h"

namespace {

// True when this message is the first one to reach the target since it was hooked.
bool IsFirstMessageFor(LPARAM lParam, HWND target, WNDPROC savedProc) {
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    return message != nullptr && message->hwnd != nullptr && savedProc == nullptr &&
           message->hwnd == target;
}

HWND MessageWindow(LPARAM lParam) {
    return reinterpret_cast<const CWPSTRUCT*>(lParam)->hwnd;
}

// Replaces the window's procedure. From here on the shell runs our code: the library
// stays mapped in the shell for as long as the shell lives.
void InstallSubclass(HWND window, WNDPROC replacement) {
    luna::PinLibraryInProcess();
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(replacement));
}

// The first-time work of each target. A window whose procedure cannot be read is left
// alone: a subclass without a procedure to pass messages on to would swallow every one.
void SubclassDesktop(HWND window) {
    luna::SharedHookState& state = luna::SharedState();
    SendMessageA(state.m_hViewWnd, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(CLR_NONE));
    luna::WriteDebugLog("第一次替换目的窗口过程");
    // Saved before the replacement: the subclass passes messages on from its first one.
    state.m_DeskOldProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
    if (state.m_DeskOldProc == nullptr) {
        luna::WriteDebugLog("目的窗口过程替代失败");
        return;
    }
    InstallSubclass(window, DeskSubclassProc);
    luna::WriteDebugLogf("目的窗口过程替代成功,替代后的窗口过程:%" PRIXPTR "\n",
                         luna::HandleBits(state.m_DeskOldProc));
    luna::WriteDebugLogf("传入的窗口句柄%" PRIXPTR ",DLL进程原先获得的句柄%" PRIXPTR,
                         luna::HandleBits(window), luna::HandleBits(state.m_hDeskWnd));
}

void SubclassView(HWND window) {
    luna::SharedHookState& state = luna::SharedState();
    luna::CreateSurfaces();
    luna::WriteDebugLog("\n第一次替换视图窗口过程");
    state.m_ViewOldProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
    if (state.m_ViewOldProc == nullptr) {
        luna::WriteDebugLog("视图窗口过程替代失败");
        luna::ReleaseSurfaces();
        return;
    }
    InstallSubclass(window, ViewSubclassProc);
    SetWindowLongPtrA(window, GWL_EXSTYLE,
                      GetWindowLongPtrA(window, GWL_EXSTYLE) | WS_EX_NOPARENTNOTIFY);
    // lunavis asks for double clicks too, but a class of another process cannot be
    // changed from outside it; here, inside the shell, it can.
    SetClassLongPtrA(window, GCL_STYLE, GetClassLongPtrA(window, GCL_STYLE) | CS_DBLCLKS);
    SetTimer(window, luna::kViewTimerId, 1000, nullptr);
    luna::DrawReminderPanel();
    InvalidateRect(window, nullptr, TRUE);
    luna::WriteDebugLogf("视图窗口过程替代成功,替代前的窗口过程:%" PRIXPTR "\n",
                         luna::HandleBits(state.m_ViewOldProc));
    luna::WriteDebugLogf("传入的视图窗口句柄%" PRIXPTR ",DLL进程原先获得的句柄%" PRIXPTR,
                         luna::HandleBits(window), luna::HandleBits(state.m_hViewWnd));
}

void SubclassClock(HWND window) {
    luna::SharedHookState& state = luna::SharedState();
    luna::WriteDebugLog("第一次替换目的窗口过程");
    state.m_ClockOldProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
    if (state.m_ClockOldProc == nullptr) {
        luna::WriteDebugLog("目的窗口过程替代失败");
        return;
    }
    InstallSubclass(window, ClockSubclassProc);
    luna::WriteDebugLog("目的窗口过程替代成功");
}

} // namespace

LRESULT CALLBACK DeskHookProc(int code, WPARAM wParam, LPARAM lParam) {
    luna::SharedHookState& state = luna::SharedState();
    if (code >= 0 && IsFirstMessageFor(lParam, state.m_hDeskWnd, state.m_DeskOldProc)) {
        SubclassDesktop(MessageWindow(lParam));
    }
    return CallNextHookEx(state.m_hDeskHook, code, wParam, lParam);
}

LRESULT CALLBACK ViewHookProc(int code, WPARAM wParam, LPARAM lParam) {
    luna::SharedHookState& state = luna::SharedState();
    if (code >= 0 && IsFirstMessageFor(lParam, state.m_hViewWnd, state.m_ViewOldProc)) {
        SubclassView(MessageWindow(lParam));
    }
    return CallNextHookEx(state.m_hViewHook, code, wParam, lParam);
}

LRESULT CALLBACK ClockHookProc(int code, WPARAM wParam, LPARAM lParam) {
    luna::SharedHookState& state = luna::SharedState();
    if (code >= 0 && IsFirstMessageFor(lParam, state.m_hClockWnd, state.m_ClockOldProc)) {
        SubclassClock(MessageWindow(lParam));
    }
    return CallNextHookEx(state.m_hClockHook, code, wParam, lParam);
}
