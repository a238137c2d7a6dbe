#include "tests/tools/shell/control_window.h"

#include <commctrl.h>

#include <cstdio>

#include "tests/tools/shell/module_probe.h"
#include "tests/tools/shell/other_tool.h"
#include "tests/tools/shell/shell_protocol.h"
#include "tests/tools/shell/win_text.h"

namespace luna::tools {

namespace {

ShellContext* ContextOf(HWND hwnd) {
    return reinterpret_cast<ShellContext*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

// "1" when the window's procedure is no longer the one it was created with, "-" when the
// window does not exist.
std::string SubclassState(HWND hwnd, LONG_PTR created) {
    if (!hwnd) {
        return "-";
    }
    return GetWindowLongPtrA(hwnd, GWLP_WNDPROC) != created ? "1" : "0";
}

std::string ProcState(HWND hwnd, LONG_PTR created) {
    if (!hwnd) {
        return "-";
    }
    return HexValue(ULONG_PTR(GetWindowLongPtrA(hwnd, GWLP_WNDPROC))) + "/" +
           HexValue(ULONG_PTR(created));
}

void Repaint(const ShellWindows& w) {
    for (HWND hwnd : {w.progman, w.workerW, w.tray}) {
        if (hwnd) {
            RedrawWindow(hwnd, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME | RDW_UPDATENOW);
        }
    }
}

// "INDEX SELECTED TEXT" per item of the desktop list view, the text as UTF-8.
std::string ListViewItems(HWND view) {
    std::string reply;
    const int count = view ? static_cast<int>(SendMessageW(view, LVM_GETITEMCOUNT, 0, 0)) : 0;
    for (int i = 0; i < count; ++i) {
        wchar_t text[260] = {};
        LVITEMW item{};
        item.iSubItem = 0;
        item.pszText = text;
        item.cchTextMax = 260;
        SendMessageW(view, LVM_GETITEMTEXTW, i, reinterpret_cast<LPARAM>(&item));
        const bool selected = SendMessageW(view, LVM_GETITEMSTATE, i, LVIS_SELECTED) != 0;
        reply += std::to_string(i) + (selected ? " 1 " : " 0 ") + WideToUtf8(text) + "\n";
    }
    return reply;
}

void HandleRequest(ShellContext& ctx, ShellRequest& request) {
    const ShellWindows& w = ctx.windows;
    const std::string& what = request.words[0];
    request.known = true;
    if (what == "ping") {
        request.reply = "lunashell " + std::to_string(GetCurrentProcessId());
    } else if (what == "windows") {
        const std::pair<const char*, HWND> all[] = {
            {"progman", w.progman}, {"workerw", w.workerW},   {"workerw-empty", w.workerWEmpty},
            {"defview", w.defView}, {"ieserver", w.ieServer}, {"listview", w.listView},
            {"tray", w.tray},       {"notify", w.notify},     {"clock", w.clock},
            {"control", w.control}};
        for (const auto& [name, hwnd] : all) {
            request.reply += std::string(name) + "=" + HexValue(ULONG_PTR(hwnd)) + "\n";
        }
    } else if (what == "subclassed") {
        request.reply = "desktop=" + SubclassState(w.defView, ctx.procs.defView) +
                        " view=" + SubclassState(w.listView, ctx.procs.listView) +
                        " clock=" + SubclassState(w.clock, ctx.procs.clock);
    } else if (what == "procs") {
        request.reply = "desktop=" + ProcState(w.defView, ctx.procs.defView) +
                        " view=" + ProcState(w.listView, ctx.procs.listView) +
                        " clock=" + ProcState(w.clock, ctx.procs.clock);
    } else if (what == "module") {
        if (request.words.size() < 2) {
            request.known = false;
            request.reply = "usage: module <file name>";
            return;
        }
        ModuleState m = ProbeModule(Utf8ToWide(request.words[1]));
        char text[96];
        std::snprintf(text, sizeof text, "loaded=%d count=%s pinned=%d", m.loaded ? 1 : 0,
                      m.countKnown ? std::to_string(m.loadCount).c_str() : "?",
                      m.countKnown && m.loadCount == -1 ? 1 : 0);
        request.reply = text;
    } else if (what == "items") {
        request.reply = ListViewItems(w.listView);
    } else if (what == "other-tool") {
        request.reply = OtherToolReport();
    } else if (what == "other-tool-restore") {
        request.reply = OtherToolRestore(ctx);
    } else if (what == "repaint") {
        Repaint(w);
        request.reply = "ok";
    } else if (what == "quit") {
        ctx.log.Write("quit requested");
        PostQuitMessage(0);
        request.reply = "ok";
    } else if (w.tray) {
        // Everything about the notification area is answered on the taskbar's thread.
        SendMessageA(w.tray, kTrayRequestMessage, 0, reinterpret_cast<LPARAM>(&request));
    } else {
        request.known = false;
        request.reply = "unknown request: " + what;
    }
}

LRESULT OnRequest(HWND hwnd, HWND asker, const COPYDATASTRUCT* cds) {
    ShellContext* ctx = ContextOf(hwnd);
    if (!ctx || !cds || cds->dwData != kShellRequestCode || !cds->lpData || cds->cbData == 0 ||
        cds->cbData > kShellMaxRequest) {
        return 0;
    }
    ShellRequest request;
    request.words = SplitWords(std::string(static_cast<const char*>(cds->lpData), cds->cbData));
    if (request.words.empty()) {
        request.reply = "empty request";
    } else {
        HandleRequest(*ctx, request);
    }
    if (asker && IsWindow(asker)) {
        COPYDATASTRUCT reply{};
        reply.dwData = kShellReplyCode;
        reply.cbData = static_cast<DWORD>(request.reply.size());
        reply.lpData = request.reply.data();
        DWORD_PTR ignored = 0;
        SendMessageTimeoutA(asker, WM_COPYDATA, reinterpret_cast<WPARAM>(hwnd),
                            reinterpret_cast<LPARAM>(&reply), SMTO_ABORTIFHUNG, 5000, &ignored);
    }
    return request.known ? 1 : 0;
}

LRESULT CALLBACK ControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCCREATE: {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        break;
    }
    case WM_TIMER:
        if (wParam == kOtherToolTimer) {
            if (ShellContext* ctx = ContextOf(hwnd)) {
                OtherToolTick(*ctx);
            }
            return 0;
        }
        break;
    case WM_COPYDATA:
        return OnRequest(hwnd, reinterpret_cast<HWND>(wParam),
                         reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_CLOSE:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

} // namespace

bool RegisterControlClass(HINSTANCE instance) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = ControlProc;
    wc.hInstance = instance;
    wc.lpszClassName = kShellControlClass;
    return RegisterClassExA(&wc) != 0;
}

HWND CreateControlWindow(HINSTANCE instance, ShellContext& ctx) {
    return CreateWindowExA(WS_EX_TOOLWINDOW, kShellControlClass, "lunashell", WS_POPUP, 0, 0, 1, 1,
                           nullptr, nullptr, instance, &ctx);
}

} // namespace luna::tools
