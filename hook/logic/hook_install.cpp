#include "hook/logic/hook_install.h"

#include <cstdarg>
#include <cstdio>
#include <initializer_list>

#include "shared/shell_windows.h"

namespace luna {
namespace {

void LogLine(HookPlatform& platform, const char* format, ...) __attribute__((format(printf, 2, 3)));

void LogLine(HookPlatform& platform, const char* format, ...) {
    char line[160];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    platform.Log(line);
}

auto Finder(HookPlatform& platform) {
    return [&platform](WindowHandle parent, WindowHandle after, const char* className) {
        return platform.FindWindowByClass(parent, after, className);
    };
}

void RemoveHook(HookPlatform& platform, HookHandle& hook) {
    platform.Unhook(hook);
    hook = nullptr;
}

} // namespace

bool HasLeftovers(const SharedHookState& state) {
    return state.m_hDeskHook != nullptr || state.m_hViewHook != nullptr ||
           state.m_hClockHook != nullptr || state.m_DeskOldProc != nullptr ||
           state.m_ViewOldProc != nullptr || state.m_ClockOldProc != nullptr;
}

int RunStartHook(SharedHookState& state, WindowHandle mainWindow, HookPlatform& platform) {
    if (HasLeftovers(state)) {
        // An earlier lunavis ended without EndHook (killed, crashed): its subclasses are
        // still live in the shell. Take them down so this run starts from a clean record.
        RunEndHook(state, platform);
    }
    auto find = Finder(platform);

    state.m_hMainWnd = mainWindow;
    DesktopViewWindows<WindowHandle> desktop = FindDesktopView<WindowHandle>(find);
    state.m_hProgman = desktop.progman;
    state.m_hDeskWnd = desktop.desktopView;
    state.m_hViewWnd = FindDesktopListViewIn(state.m_hDeskWnd, find);

    if (state.m_hDeskWnd == nullptr) {
        platform.Log("桌面窗口未能找到");
        return 0;
    }
    LogLine(platform, "桌面窗口已经找到:%" PRIXPTR, HandleBits(state.m_hDeskWnd));

    state.m_hDeskHook = platform.SetHook(HookTarget::Desktop, state.m_hDeskWnd);
    if (state.m_hDeskHook == nullptr) {
        platform.Log("\n桌面钩子函数勾连失败\n");
        return 0;
    }
    LogLine(platform, "桌面钩子函数勾连成功,返回钩子:%" PRIXPTR, HandleBits(state.m_hDeskHook));
    LogLine(platform, "钩子函数勾连前的桌面句柄:%" PRIXPTR ",返回钩子:%" PRIXPTR,
            HandleBits(state.m_hDeskWnd), HandleBits(state.m_hDeskHook));

    if (state.m_hViewWnd == nullptr) {
        platform.Log("视图窗口未能找到");
        RemoveHook(platform, state.m_hDeskHook);
        return 0;
    }
    LogLine(platform, "视图窗口已经找到:%" PRIXPTR, HandleBits(state.m_hViewWnd));
    state.m_hViewHook = platform.SetHook(HookTarget::View, state.m_hViewWnd);
    platform.AddClassDoubleClicks(state.m_hViewWnd);
    if (state.m_hViewHook == nullptr) {
        platform.Log("\n视图钩子函数勾连失败\n");
        RemoveHook(platform, state.m_hDeskHook);
        return 0;
    }
    LogLine(platform, "视图钩子函数勾连成功,返回钩子:%" PRIXPTR, HandleBits(state.m_hViewHook));
    LogLine(platform, "钩子函数勾连前的视图句柄:%" PRIXPTR ",返回钩子:%" PRIXPTR,
            HandleBits(state.m_hViewWnd), HandleBits(state.m_hViewHook));

    state.m_hClockWnd = FindTaskbarClock<WindowHandle>(find);
    if (state.m_hClockWnd != nullptr) {
        LogLine(platform, "时钟窗口已经找到:%" PRIXPTR, HandleBits(state.m_hClockWnd));
        state.m_hClockHook = platform.SetHook(HookTarget::Clock, state.m_hClockWnd);
        if (state.m_hClockHook == nullptr) {
            platform.Log("时钟钩子函数勾连失败");
            RemoveHook(platform, state.m_hDeskHook);
            RemoveHook(platform, state.m_hViewHook);
            return 0;
        }
        LogLine(platform, "时钟钩子函数勾连前的时钟句柄:%" PRIXPTR ",返回钩子:%" PRIXPTR,
                HandleBits(state.m_hClockWnd), HandleBits(state.m_hClockHook));
    } else {
        // Without a clock window there is no thread to hook: a hook for "no thread"
        // would reach every thread of the desktop. The desktop side works without it.
        platform.Log("时钟窗口未能找到");
    }

    // The taskbar lays itself out again and so sends the clock its first message.
    WindowHandle tray = find(nullptr, nullptr, "Shell_TrayWnd");
    if (tray != nullptr) {
        platform.PostSize(tray);
    }
    return 1;
}

int RunEndHook(SharedHookState& state, HookPlatform& platform) {
    // The windows are found afresh, as StartHook finds them, never taken from the record:
    // any process that maps the library can overwrite it. Each subclass restores its
    // window from what the shell's own copy of the library saved when it subclassed.
    auto find = Finder(platform);
    const WindowHandle desktopView = FindDesktopView<WindowHandle>(find).desktopView;
    const WindowHandle targets[] = {desktopView, FindDesktopListViewIn(desktopView, find),
                                    FindTaskbarClock<WindowHandle>(find)};
    for (WindowHandle window : targets) {
        if (window != nullptr && platform.WindowExists(window)) {
            platform.SendExit(window);
        }
    }
    platform.Log("\n开始卸载钩子“\n");

    if (state.m_hDeskHook != nullptr) {
        if (platform.Unhook(state.m_hDeskHook)) {
            LogLine(platform, "卸载桌面钩子函数:%" PRIXPTR "\n", HandleBits(state.m_hDeskHook));
            platform.Log("结束桌面时钟2");
        } else {
            platform.Log("桌面钩子函数卸载失败!");
        }
    }
    // Cleared even without a hook: a window restored above must be subclassed afresh by
    // the next run, which it would not be with a stale saved procedure.
    state.m_hDeskHook = nullptr;
    state.m_DeskOldProc = nullptr;
    state.m_hDeskWnd = nullptr;

    if (state.m_hViewHook != nullptr) {
        if (platform.Unhook(state.m_hViewHook)) {
            LogLine(platform, "\n视图卸载钩子函数:%" PRIXPTR "\n", HandleBits(state.m_hViewHook));
        } else {
            platform.Log("视图钩子函数卸载失败!");
        }
    }
    state.m_hViewHook = nullptr;
    state.m_ViewOldProc = nullptr;
    state.m_hViewWnd = nullptr;

    if (state.m_hClockHook == nullptr) {
        state.m_ClockOldProc = nullptr;
        state.m_hClockWnd = nullptr;
        return 1;
    }
    if (platform.Unhook(state.m_hClockHook)) {
        LogLine(platform, "卸载时钟钩子函数:%" PRIXPTR, HandleBits(state.m_hClockHook));
    } else {
        platform.Log("时钟钩子函数卸载失败!");
    }
    WindowHandle tray = platform.FindWindowByClass(nullptr, nullptr, "Shell_TrayWnd");
    if (tray != nullptr) {
        platform.SendSizeAndRepaint(tray);
    }
    state.m_hClockHook = nullptr;
    state.m_ClockOldProc = nullptr;
    state.m_hClockWnd = nullptr;
    return 1;
}

} // namespace luna
