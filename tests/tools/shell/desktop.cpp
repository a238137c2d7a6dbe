#include "tests/tools/shell/desktop.h"

#include "tests/tools/shell/display_change.h"
#include "tests/tools/shell/time_broadcast.h"
#include "tests/tools/shell/win_text.h"

namespace luna::tools {

namespace {

constexpr char kProgmanClass[] = "Progman";
constexpr char kWorkerWClass[] = "WorkerW";
constexpr char kDefViewClass[] = "SHELLDLL_DefView";
constexpr char kIeServerClass[] = "Internet Explorer_Server";

ShellContext* ContextOf(HWND hwnd) {
    return reinterpret_cast<ShellContext*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

void FillDesktop(HDC dc, const RECT& rect) {
    FillSolid(dc, rect, kDesktopColor);
}

void StoreContext(HWND hwnd, LPARAM lParam) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
}

// Children fill their parent: the view fills the desktop window, the list view fills the view.
void FitChildren(HWND hwnd) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        SetWindowPos(child, nullptr, 0, 0, rc.right, rc.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// Progman and WorkerW: the top-level desktop windows.
LRESULT CALLBACK DesktopFrameProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCCREATE:
        StoreContext(hwnd, lParam);
        break;
    case WM_ERASEBKGND: {
        RECT rc;
        GetClientRect(hwnd, &rc);
        FillDesktop(reinterpret_cast<HDC>(wParam), rc);
        return 1;
    }
    case WM_SIZE:
        FitChildren(hwnd);
        return 0;
    case WM_DISPLAYCHANGE:
        // Every top-level window hears it; Progman answers for the whole shell.
        if (ShellContext* ctx = ContextOf(hwnd); ctx != nullptr && hwnd == ctx->windows.progman) {
            FollowDisplayChange(*ctx, lParam);
        }
        return 0;
    case WM_CLOSE:
        // A desktop is not closed by a stray WM_CLOSE; the control window ends the shell.
        if (ShellContext* ctx = ContextOf(hwnd)) {
            ctx->log.Printf("desktop close-ignored hwnd=%s", HexValue(ULONG_PTR(hwnd)).c_str());
        }
        return 0;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    }
    if (IsTimeBroadcast(msg)) {
        ForwardTimeBroadcast(ContextOf(hwnd), hwnd, msg, wParam, lParam);
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

// SHELLDLL_DefView: paints the desktop colour, also on behalf of a transparent list view.
LRESULT CALLBACK DefViewProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCCREATE:
        StoreContext(hwnd, lParam);
        break;
    case WM_ERASEBKGND: {
        RECT rc;
        GetClientRect(hwnd, &rc);
        FillDesktop(reinterpret_cast<HDC>(wParam), rc);
        return 1;
    }
    case WM_PRINTCLIENT:
        // A list view whose background is CLR_NONE asks for its background this way.
        if (lParam & (PRF_ERASEBKGND | PRF_CLIENT)) {
            RECT rc;
            GetClientRect(hwnd, &rc);
            FillDesktop(reinterpret_cast<HDC>(wParam), rc);
        }
        return 0;
    case WM_SIZE:
        FitChildren(hwnd);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

bool RegisterWindowClass(HINSTANCE instance, const char* name, WNDPROC proc, UINT style) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = name;
    return RegisterClassExA(&wc) != 0;
}

HWND CreateFrame(HINSTANCE instance, ShellContext& ctx, const char* cls, const char* title,
                 bool visible) {
    const RECT& s = ctx.screen;
    DWORD style = WS_POPUP | WS_CLIPCHILDREN | (visible ? WS_VISIBLE : 0);
    HWND hwnd = CreateWindowExA(WS_EX_TOOLWINDOW, cls, title, style, 0, 0, s.right,
                                s.bottom - kTaskbarHeight, nullptr, nullptr, instance, &ctx);
    if (hwnd) {
        SetWindowPos(hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    return hwnd;
}

HWND CreateChild(HINSTANCE instance, ShellContext& ctx, HWND parent, const char* cls) {
    RECT rc;
    GetClientRect(parent, &rc);
    return CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0,
                           0, rc.right, rc.bottom, parent, nullptr, instance, &ctx);
}

// Windows 11 24H2: the wallpaper's WorkerW is a child of Progman, below SHELLDLL_DefView.
bool CreateWallpaperChild(HINSTANCE instance, ShellContext& ctx) {
    ShellWindows& w = ctx.windows;
    w.workerW = CreateChild(instance, ctx, w.progman, kWorkerWClass);
    if (!w.workerW) {
        return false;
    }
    SetWindowPos(w.workerW, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return true;
}

} // namespace

bool RegisterDesktopClasses(HINSTANCE instance) {
    return RegisterWindowClass(instance, kProgmanClass, DesktopFrameProc, CS_DBLCLKS) &&
           RegisterWindowClass(instance, kWorkerWClass, DesktopFrameProc, CS_DBLCLKS) &&
           RegisterWindowClass(instance, kDefViewClass, DefViewProc, CS_DBLCLKS) &&
           RegisterWindowClass(instance, kIeServerClass, DefViewProc, 0);
}

bool CreateDesktop(HINSTANCE instance, ShellContext& ctx) {
    ShellWindows& w = ctx.windows;
    w.progman = CreateFrame(instance, ctx, kProgmanClass, "Program Manager", true);
    if (!w.progman) {
        return false;
    }
    HWND viewParent = w.progman;
    if (ctx.options.workerW) {
        // The holder first, then an empty one above it: a lookup must try every WorkerW.
        w.workerW = CreateFrame(instance, ctx, kWorkerWClass, "", true);
        w.workerWEmpty = CreateFrame(instance, ctx, kWorkerWClass, "", false);
        if (!w.workerW || !w.workerWEmpty) {
            return false;
        }
        SetWindowPos(w.workerW, w.workerWEmpty, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        SetWindowPos(w.progman, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        viewParent = w.workerW;
    }
    if (!ctx.options.defView) {
        return true;
    }
    w.defView = CreateChild(instance, ctx, viewParent, kDefViewClass);
    if (!w.defView) {
        return false;
    }
    ctx.procs.defView = GetWindowLongPtrA(w.defView, GWLP_WNDPROC);
    if (ctx.options.win11Layout && !CreateWallpaperChild(instance, ctx)) {
        return false;
    }
    if (ctx.options.activeDesktop) {
        w.ieServer = CreateChild(instance, ctx, w.defView, kIeServerClass);
    }
    if (ctx.options.listView) {
        w.listView = CreateDesktopListView(instance, w.defView);
        if (!w.listView) {
            return false;
        }
        ctx.procs.listView = GetWindowLongPtrA(w.listView, GWLP_WNDPROC);
        if (ctx.options.wideItem) {
            AddWideItem(w.listView);
        }
    }
    return true;
}

} // namespace luna::tools
