#include "tests/tools/shell/other_tool.h"

namespace luna::tools {

namespace {

struct ToolSubclass {
    HWND window = nullptr;
    WNDPROC previous = nullptr;
    long messages = 0;
};

ToolSubclass toolDesk;
ToolSubclass toolView;
bool installed = false;

LRESULT CALLBACK ToolProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    ToolSubclass& entry = hwnd == toolDesk.window ? toolDesk : toolView;
    ++entry.messages;
    return CallWindowProcW(entry.previous, hwnd, msg, wParam, lParam);
}

bool SubclassedSinceCreation(HWND hwnd, LONG_PTR created) {
    return hwnd && GetWindowLongPtrA(hwnd, GWLP_WNDPROC) != created;
}

void Install(ToolSubclass& entry, HWND hwnd) {
    entry.window = hwnd;
    entry.previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ToolProc));
}

} // namespace

void WatchForOtherTool(ShellContext& ctx) {
    SetTimer(ctx.windows.control, kOtherToolTimer, 200, nullptr);
}

void OtherToolTick(ShellContext& ctx) {
    const ShellWindows& w = ctx.windows;
    if (installed || !SubclassedSinceCreation(w.defView, ctx.procs.defView) ||
        !SubclassedSinceCreation(w.listView, ctx.procs.listView)) {
        return;
    }
    Install(toolDesk, w.defView);
    Install(toolView, w.listView);
    installed = true;
    KillTimer(w.control, kOtherToolTimer);
    ctx.log.Write("other-tool subclassed");
}

std::string OtherToolReport() {
    return "installed=" + std::to_string(installed ? 1 : 0) +
           " desktop=" + std::to_string(toolDesk.messages) +
           " view=" + std::to_string(toolView.messages);
}

std::string OtherToolRestore(ShellContext& ctx) {
    if (!installed) {
        return "not installed";
    }
    for (ToolSubclass* entry : {&toolDesk, &toolView}) {
        SetWindowLongPtrW(entry->window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(entry->previous));
    }
    ctx.log.Write("other-tool restored");
    return "ok";
}

} // namespace luna::tools
