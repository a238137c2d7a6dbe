// What the stand-in shell's windows share: the options, the log, the window handles and the
// window procedures they had when they were created.
#pragma once

#include <windows.h>

#include "tests/tools/shell/logic/shell_options.h"
#include "tests/tools/shell/shell_log.h"

namespace luna::tools {

// Plain desktop colour, painted wherever nobody else paints the desktop.
constexpr COLORREF kDesktopColor = RGB(58, 110, 165);
// Fixed, not the system colour, so screenshots compare the same everywhere.
constexpr COLORREF kTaskbarColor = RGB(212, 208, 200);
constexpr int kTaskbarHeight = 30;

// Private messages among the shell's own windows (never sent by anyone else).
constexpr UINT kTrayRequestMessage = WM_APP + 0x51; // lParam: ShellRequest*, to Shell_TrayWnd

struct ShellWindows {
    HWND progman = nullptr;
    HWND workerWEmpty = nullptr; // a WorkerW without children, above the one holding the view
    HWND workerW = nullptr;
    HWND defView = nullptr;
    HWND ieServer = nullptr;
    HWND listView = nullptr;
    HWND tray = nullptr;
    HWND notify = nullptr;
    HWND clock = nullptr;
    HWND control = nullptr;
};

// Window procedures right after creation (GetWindowLongPtrA), to tell whether someone has
// subclassed the window since.
struct CreationProcs {
    LONG_PTR defView = 0;
    LONG_PTR listView = 0;
    LONG_PTR clock = 0;
};

struct ShellContext {
    ShellOptions options;
    ShellLog log;
    ShellWindows windows;
    CreationProcs procs;
    RECT screen{};
    DWORD desktopThread = 0;
    DWORD taskbarThread = 0;
};

inline void FillSolid(HDC dc, const RECT& rect, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

// A request from the control window that must run on the taskbar's thread.
struct ShellRequest {
    std::vector<std::string> words;
    std::string reply;
    bool known = false;
};

} // namespace luna::tools
