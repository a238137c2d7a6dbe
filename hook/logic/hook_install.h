// Placing and removing the three hooks on the shell's threads, and the bookkeeping of
// the shared record. The Windows calls come through HookPlatform, so the order of
// operations and log lines is the same under the unit tests as in the library.
#pragma once

#include "hook/shared_hook_state.h"

namespace luna {

enum class HookTarget { Desktop, View, Clock };

class HookPlatform {
  public:
    virtual ~HookPlatform() = default;
    // FindWindowExA: parent null = among the top-level windows, after null = the first.
    virtual WindowHandle FindWindowByClass(WindowHandle parent, WindowHandle after,
                                           const char* className) = 0;
    virtual bool WindowExists(WindowHandle window) = 0;
    // WH_CALLWNDPROC with the target's hook procedure on the thread owning window.
    virtual HookHandle SetHook(HookTarget target, WindowHandle window) = 0;
    virtual bool Unhook(HookHandle hook) = 0;
    // Adds CS_DBLCLKS to the class style of the window's class.
    virtual void AddClassDoubleClicks(WindowHandle window) = 0;
    // SendMessageA(window, UM_EXIT, 0, 0): the subclass restores the window.
    virtual void SendExit(WindowHandle window) = 0;
    // PostMessageA(window, WM_SIZE, 0, 0).
    virtual void PostSize(WindowHandle window) = 0;
    // SendMessageA(window, WM_SIZE, 0, 0), then invalidate the whole client area with erase.
    virtual void SendSizeAndRepaint(WindowHandle window) = 0;
    virtual void Log(const char* line) = 0;
};

// StartHook: 1 when all hooks are in place, 0 otherwise (with nothing of its own left
// hooked). State left behind by a run that ended without EndHook is undone first.
int RunStartHook(SharedHookState& state, WindowHandle mainWindow, HookPlatform& platform);

// EndHook: tells the shell's windows, found afresh, to restore themselves (UM_EXIT), removes
// the hooks, clears the record. Returns 1; a second call finds nothing to do.
int RunEndHook(SharedHookState& state, HookPlatform& platform);

// True when a previous run left hooks or subclasses behind.
bool HasLeftovers(const SharedHookState& state);

} // namespace luna
