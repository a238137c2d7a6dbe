// lunashell: a stand-in for the Windows shell's desktop and taskbar, for tests and the demo.
//
//   lunashell.exe [--log FILE] [--no-defview] [--no-listview] [--no-clock]
//                 [--active-desktop] [--workerw] [--one-thread] [--win11-24h2]
//                 [--other-tool] [--wide-item]
//
// It logs "ready" once every window exists and then runs until a test asks it to quit
// (request "quit", see shell_protocol.h) or it is killed.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "tests/tools/shell/control_window.h"
#include "tests/tools/shell/desktop.h"
#include "tests/tools/shell/display_change.h"
#include "tests/tools/shell/other_tool.h"
#include "tests/tools/shell/taskbar.h"
#include "tests/tools/shell/win_text.h"

namespace luna::tools {

namespace {

struct TaskbarStartup {
    ShellContext* ctx = nullptr;
    HINSTANCE instance = nullptr;
    HANDLE ready = nullptr;
    bool ok = false;
};

void RunMessageLoop() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

DWORD WINAPI TaskbarThread(void* param) {
    auto* startup = static_cast<TaskbarStartup*>(param);
    Taskbar taskbar(*startup->ctx);
    startup->ok = taskbar.Create(startup->instance);
    SetEvent(startup->ready);
    if (startup->ok) {
        RunMessageLoop();
    }
    return 0;
}

std::vector<std::string> Arguments() {
    std::vector<std::string> args;
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; argv && i < count; ++i) {
        args.push_back(WideToUtf8(argv[i]));
    }
    LocalFree(argv);
    return args;
}

void LogWindows(ShellContext& ctx) {
    const ShellWindows& w = ctx.windows;
    ctx.log.Printf("windows progman=%s defview=%s listview=%s tray=%s notify=%s clock=%s",
                   HexValue(ULONG_PTR(w.progman)).c_str(), HexValue(ULONG_PTR(w.defView)).c_str(),
                   HexValue(ULONG_PTR(w.listView)).c_str(), HexValue(ULONG_PTR(w.tray)).c_str(),
                   HexValue(ULONG_PTR(w.notify)).c_str(), HexValue(ULONG_PTR(w.clock)).c_str());
}

// As the real shell does whenever it starts, after a crash too: programs add their
// notification icons again.
void AnnounceTaskbar(ShellContext& ctx) {
    const UINT message = RegisterWindowMessageA("TaskbarCreated");
    PostMessageA(HWND_BROADCAST, message, 0, 0);
    ctx.log.Printf("broadcast TaskbarCreated=0x%X", message);
}

int Run(HINSTANCE instance) {
    ShellContext ctx;
    std::string error;
    if (!ParseShellOptions(Arguments(), ctx.options, error)) {
        MessageBoxA(nullptr, error.c_str(), "lunashell", MB_OK | MB_ICONERROR);
        return 2;
    }
    ctx.log.Open(ctx.options.logPath);
    ctx.log.Printf("start pid=%lu", GetCurrentProcessId());

    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    ctx.screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SetWorkAreaAboveTaskbar(ctx.screen);

    if (!RegisterDesktopClasses(instance) || !Taskbar::RegisterClasses(instance) ||
        !RegisterControlClass(instance)) {
        ctx.log.Write("error register-classes");
        return 1;
    }
    ctx.desktopThread = GetCurrentThreadId();
    if (!CreateDesktop(instance, ctx)) {
        ctx.log.Write("error create-desktop");
        return 1;
    }

    Taskbar sameThreadTaskbar(ctx);
    HANDLE thread = nullptr;
    TaskbarStartup startup{&ctx, instance, CreateEventA(nullptr, TRUE, FALSE, nullptr), false};
    if (ctx.options.oneThread) {
        startup.ok = sameThreadTaskbar.Create(instance);
        ctx.taskbarThread = ctx.desktopThread;
    } else {
        thread = CreateThread(nullptr, 0, TaskbarThread, &startup, 0, &ctx.taskbarThread);
        if (thread) {
            WaitForSingleObject(startup.ready, 10000);
        }
    }
    CloseHandle(startup.ready);
    if (!startup.ok) {
        ctx.log.Write("error create-taskbar");
        return 1;
    }

    ctx.windows.control = CreateControlWindow(instance, ctx);
    LogWindows(ctx);
    if (ctx.options.otherTool) {
        WatchForOtherTool(ctx);
    }
    ctx.log.Printf("ready desktop-thread=%lu taskbar-thread=%lu", ctx.desktopThread,
                   ctx.taskbarThread);
    AnnounceTaskbar(ctx);

    RunMessageLoop();

    if (thread) {
        PostThreadMessageA(ctx.taskbarThread, WM_QUIT, 0, 0);
        WaitForSingleObject(thread, 5000);
        CloseHandle(thread);
    }
    for (HWND hwnd : {ctx.windows.control, ctx.windows.workerWEmpty, ctx.windows.workerW,
                      ctx.windows.progman}) {
        if (hwnd) {
            DestroyWindow(hwnd);
        }
    }
    ctx.log.Write("exit");
    return 0;
}

} // namespace

} // namespace luna::tools

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return luna::tools::Run(instance);
}
