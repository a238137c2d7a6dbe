// StartHook and EndHook: the installation logic with the Windows calls behind it.
#include "hook/lunahook.h"

#include "shared/win32/debug_log.h"
#include "hook/hook_procs.h"
#include "hook/library_instance.h"
#include "hook/logic/hook_install.h"
#include "shared/messages.h"

namespace {

class Win32HookPlatform final : public luna::HookPlatform {
  public:
    HWND FindWindowByClass(HWND parent, HWND after, const char* className) override {
        return FindWindowExA(parent, after, className, nullptr);
    }
    bool WindowExists(HWND window) override { return IsWindow(window) != FALSE; }
    HHOOK SetHook(luna::HookTarget target, HWND window) override {
        HOOKPROC procedure = target == luna::HookTarget::Desktop ? DeskHookProc
                             : target == luna::HookTarget::View  ? ViewHookProc
                                                                 : ClockHookProc;
        DWORD thread = GetWindowThreadProcessId(window, nullptr);
        if (thread == 0) {
            return nullptr; // never a hook on every thread of the desktop
        }
        return SetWindowsHookExA(WH_CALLWNDPROC, procedure, luna::LibraryInstance(), thread);
    }
    bool Unhook(HHOOK hook) override { return UnhookWindowsHookEx(hook) != FALSE; }
    void AddClassDoubleClicks(HWND window) override {
        SetClassLongPtrA(window, GCL_STYLE, GetClassLongPtrA(window, GCL_STYLE) | CS_DBLCLKS);
    }
    void SendExit(HWND window) override { SendMessageA(window, luna::UM_EXIT, 0, 0); }
    void PostSize(HWND window) override { PostMessageA(window, WM_SIZE, 0, 0); }
    void SendSizeAndRepaint(HWND window) override {
        SendMessageA(window, WM_SIZE, 0, 0);
        InvalidateRect(window, nullptr, TRUE);
    }
    void Log(const char* line) override { luna::WriteDebugLog(line); }
};

} // namespace

extern "C" int StartHook(HWND mainWindow) {
    Win32HookPlatform platform;
    return luna::RunStartHook(luna::SharedState(), mainWindow, platform);
}

extern "C" int EndHook() {
    Win32HookPlatform platform;
    return luna::RunEndHook(luna::SharedState(), platform);
}
