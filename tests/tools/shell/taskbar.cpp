#include "tests/tools/shell/taskbar.h"

#include <cstdio>

#include "tests/tools/shell/logic/utf.h"
#include "tests/tools/shell/time_broadcast.h"
#include "tests/tools/shell/win_text.h"

namespace luna::tools {

namespace {

Taskbar* TaskbarOf(HWND hwnd) {
    return reinterpret_cast<Taskbar*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

bool RegisterOne(HINSTANCE instance, const char* name, WNDPROC proc, UINT style) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = name;
    return RegisterClassExA(&wc) != 0;
}

const char* ActionName(ULONG_PTR code) {
    static const char* const names[] = {"add", "modify", "delete", "setfocus", "setversion"};
    return code < 5 ? names[code] : "unknown";
}

} // namespace

Taskbar::~Taskbar() {
    // The windows point at this object: they go first, on their own thread.
    if (ctx_.windows.tray && IsWindow(ctx_.windows.tray)) {
        DestroyWindow(ctx_.windows.tray);
    }
    for (auto& entry : handles_) {
        if (entry.second.handle) {
            DestroyIcon(entry.second.handle);
        }
    }
}

bool Taskbar::RegisterClasses(HINSTANCE instance) {
    return RegisterOne(instance, kTrayClass, TrayProc, 0) &&
           RegisterOne(instance, kNotifyClass, NotifyProc, CS_DBLCLKS) &&
           RegisterOne(instance, kClockClass, ClockProc, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);
}

bool Taskbar::Create(HINSTANCE instance) {
    ShellWindows& w = ctx_.windows;
    const RECT& s = ctx_.screen;
    // Topmost, so that it comes before any other Shell_TrayWnd in the z-order: that is the
    // one Shell_NotifyIcon and FindWindow pick.
    w.tray = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kTrayClass, "",
                             WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, s.bottom - kTaskbarHeight,
                             s.right, kTaskbarHeight, nullptr, nullptr, instance, this);
    if (!w.tray) {
        return false;
    }
    w.notify = CreateWindowExA(0, kNotifyClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                               1, 1, w.tray, nullptr, instance, this);
    if (!w.notify) {
        return false;
    }
    if (ctx_.options.clock) {
        w.clock = CreateWindowExA(0, kClockClass, "", WS_CHILD | WS_VISIBLE, 0, 0, kClockWidth, 1,
                                  w.notify, nullptr, instance, this);
        if (!w.clock) {
            return false;
        }
        ctx_.procs.clock = GetWindowLongPtrA(w.clock, GWLP_WNDPROC);
        SetTimer(w.clock, kClockTimerId, 1000, nullptr);
    }
    Layout();
    return true;
}

void Taskbar::Layout() {
    ShellWindows& w = ctx_.windows;
    RECT rc;
    GetClientRect(w.tray, &rc);
    int clockWidth = 0;
    int height = rc.bottom - 4;
    if (w.clock) {
        // Ask the clock how wide it wants to be; whoever answers 0 gets the usual width.
        LRESULT answer = SendMessageA(w.clock, kClockSizeQuery, 0, 0);
        if (answer != lastClockAnswer_) {
            ctx_.log.Printf("clock size-answer=%s", HexValue(ULONG_PTR(answer)).c_str());
            lastClockAnswer_ = answer;
        }
        clockWidth = LOWORD(answer) ? LOWORD(answer) : kClockWidth;
    }
    int iconsWidth = static_cast<int>(icons_.Visible().size()) * kIconSlot;
    int notifyWidth = 4 + iconsWidth + clockWidth + 2;
    SetWindowPos(w.notify, nullptr, rc.right - notifyWidth - 2, 2, notifyWidth, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (w.clock) {
        SetWindowPos(w.clock, nullptr, notifyWidth - clockWidth - 2, 0, clockWidth, height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    InvalidateRect(w.notify, nullptr, TRUE);
}

void Taskbar::PaintTaskbar(HWND hwnd, HDC dc) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    FillSolid(dc, rc, kTaskbarColor);
    RECT edge = rc;
    DrawEdge(dc, &edge, EDGE_RAISED, BF_TOP);
    RECT start = {2, 3, 62, rc.bottom - 3};
    DrawEdge(dc, &start, EDGE_RAISED, BF_RECT);
    SetBkMode(dc, TRANSPARENT);
    DrawTextA(dc, "开始", -1, &start, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

LRESULT Taskbar::OnNotifyIconData(HWND sender, const COPYDATASTRUCT* cds) {
    TrayRecord record;
    if (!DecodeTrayRecord(cds->lpData, cds->cbData, record)) {
        ctx_.log.Printf("tray %s rejected size=%lu", ActionName(cds->dwData),
                        static_cast<unsigned long>(cds->cbData));
        return FALSE;
    }
    bool ok = icons_.Apply(static_cast<TrayAction>(cds->dwData), record);
    char icon[48] = "none";
    if (record.icon) {
        std::snprintf(icon, sizeof icon, "%ux%ux%u", record.icon->width, record.icon->height,
                      record.icon->bpp);
    }
    char head[256];
    std::snprintf(head, sizeof head, "tray %s owner=%s id=%u flags=0x%X msg=0x%X icon=%s result=%d",
                  ActionName(cds->dwData), HexValue(ULONG_PTR(LONG_PTR(record.owner))).c_str(),
                  record.id, record.flags, record.callbackMessage, icon, ok ? 1 : 0);
    std::string line = head;
    if (record.flags & kNifTip) {
        line += " tip=" + EscapeLine(Utf16ToUtf8(record.tip));
    }
    ctx_.log.Write(line);
    (void)sender;
    DropStaleHandles();
    Layout();
    return ok ? TRUE : FALSE;
}

LRESULT CALLBACK Taskbar::TrayProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    Taskbar* self = TaskbarOf(hwnd);
    if (!self) {
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    switch (msg) {
    case WM_COPYDATA: {
        auto* cds = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (cds && cds->dwData <= ULONG_PTR(TrayAction::SetVersion)) {
            return self->OnNotifyIconData(reinterpret_cast<HWND>(wParam), cds);
        }
        return FALSE;
    }
    case WM_COMMAND:
        self->ctx_.log.Printf("taskbar command id=%u code=%u", unsigned(LOWORD(wParam)),
                              unsigned(HIWORD(wParam)));
        return 0;
    case WM_SIZE:
        self->ctx_.log.Printf("taskbar size wparam=%s lparam=%s",
                              HexValue(ULONG_PTR(wParam)).c_str(),
                              HexValue(ULONG_PTR(lParam)).c_str());
        if (self->ctx_.windows.notify) {
            self->Layout();
        }
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        self->PaintTaskbar(hwnd, dc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_CLOSE:
        self->ctx_.log.Write("taskbar close-ignored");
        return 0;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case kTrayRequestMessage:
        if (lParam) {
            self->HandleRequest(*reinterpret_cast<ShellRequest*>(lParam));
        }
        return 0;
    }
    if (IsTimeBroadcast(msg)) {
        ForwardTimeBroadcast(&self->ctx_, hwnd, msg, wParam, lParam);
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

} // namespace luna::tools
