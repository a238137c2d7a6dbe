// TrayNotifyWnd: draws the icons, turns mouse input over an icon into the owner's callback
// message, and answers the tests' questions about the icons.
#include <cstdio>
#include <cstdlib>

#include "tests/tools/shell/logic/utf.h"
#include "tests/tools/shell/taskbar.h"
#include "tests/tools/shell/win_text.h"

namespace luna::tools {

namespace {

HWND OwnerWindow(std::int64_t owner) {
    return reinterpret_cast<HWND>(static_cast<LONG_PTR>(owner));
}

bool IsMouseMessage(UINT msg) {
    return msg >= WM_MOUSEFIRST && msg <= WM_MBUTTONDBLCLK;
}

bool ParseNumber(const std::string& text, unsigned long& out) {
    if (text.empty()) {
        return false;
    }
    char* end = nullptr;
    out = std::strtoul(text.c_str(), &end, 0);
    return end && *end == '\0';
}

} // namespace

RECT Taskbar::IconSlot(std::size_t index) const {
    RECT client;
    GetClientRect(ctx_.windows.notify, &client);
    int left = 4 + static_cast<int>(index) * kIconSlot;
    int top = (client.bottom - 16) / 2;
    return RECT{left, top, left + 16, top + 16};
}

const TrayIcon* Taskbar::IconAt(POINT client) const {
    auto visible = icons_.Visible();
    for (std::size_t i = 0; i < visible.size(); ++i) {
        RECT slot = IconSlot(i);
        InflateRect(&slot, 2, 4);
        if (PtInRect(&slot, client)) {
            return visible[i];
        }
    }
    return nullptr;
}

HICON Taskbar::IconHandle(const TrayIcon& icon) {
    if (!icon.icon) {
        return nullptr;
    }
    CachedIcon& cached = handles_[{icon.owner, icon.id}];
    if (cached.handle && cached.revision == icon.iconRevision) {
        return cached.handle;
    }
    if (cached.handle) {
        DestroyIcon(cached.handle);
    }
    const TrayIconBits& bits = *icon.icon;
    cached.handle = CreateIcon(GetModuleHandleA(nullptr), static_cast<int>(bits.width),
                               static_cast<int>(bits.height), static_cast<BYTE>(bits.planes),
                               static_cast<BYTE>(bits.bpp), bits.mask.data(), bits.color.data());
    cached.revision = icon.iconRevision;
    return cached.handle;
}

void Taskbar::DropStaleHandles() {
    for (auto it = handles_.begin(); it != handles_.end();) {
        if (icons_.Find(it->first.first, it->first.second) == nullptr) {
            if (it->second.handle) {
                DestroyIcon(it->second.handle);
            }
            it = handles_.erase(it);
        } else {
            ++it;
        }
    }
}

void Taskbar::PaintIcons(HDC dc) {
    RECT client;
    GetClientRect(ctx_.windows.notify, &client);
    FillSolid(dc, client, kTaskbarColor);
    DrawEdge(dc, &client, BDR_SUNKENOUTER, BF_RECT);
    auto visible = icons_.Visible();
    for (std::size_t i = 0; i < visible.size(); ++i) {
        RECT slot = IconSlot(i);
        if (HICON handle = IconHandle(*visible[i])) {
            DrawIconEx(dc, slot.left, slot.top, handle, 16, 16, 0, nullptr, DI_NORMAL);
        } else {
            FillRect(dc, &slot, GetSysColorBrush(COLOR_GRAYTEXT));
        }
    }
}

void Taskbar::SendCallback(const TrayIcon& icon, UINT mouseMessage) {
    if (!(icon.flags & kNifMessage) || icon.callbackMessage == 0) {
        return;
    }
    PostMessageA(OwnerWindow(icon.owner), icon.callbackMessage, icon.id, mouseMessage);
    if (mouseMessage != WM_MOUSEMOVE) {
        ctx_.log.Printf("tray callback owner=%s id=%u msg=0x%X event=0x%X",
                        HexValue(ULONG_PTR(LONG_PTR(icon.owner))).c_str(), icon.id,
                        icon.callbackMessage, mouseMessage);
    }
}

void Taskbar::OnNotifyMouse(UINT msg, LPARAM lParam) {
    POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (const TrayIcon* icon = IconAt(pt)) {
        SendCallback(*icon, msg);
    }
}

std::string Taskbar::DescribeIcon(const TrayIcon& icon) const {
    char head[256];
    std::snprintf(head, sizeof head,
                  "owner=%s id=%u msg=0x%X flags=0x%X icon=%d hidden=%d alive=%d tip=",
                  HexValue(ULONG_PTR(LONG_PTR(icon.owner))).c_str(), icon.id, icon.callbackMessage,
                  icon.flags, icon.icon ? 1 : 0, icon.hidden ? 1 : 0,
                  IsWindow(OwnerWindow(icon.owner)) ? 1 : 0);
    return head + EscapeLine(Utf16ToUtf8(icon.tip));
}

void Taskbar::HandleRequest(ShellRequest& request) {
    const auto& words = request.words;
    const std::string& what = words[0];
    request.known = true;
    if (what == "tray") {
        // One line per icon, in the order they were added.
        for (const auto& icon : icons_.icons()) {
            request.reply += DescribeIcon(icon) + "\n";
        }
        return;
    }
    unsigned long id = 0;
    if ((what == "tip" || what == "icon-rect" || what == "tray-callback") &&
        (words.size() < 2 || !ParseNumber(words[1], id))) {
        request.known = false;
        request.reply =
            "usage: " + what + " <icon id>" + (what == "tray-callback" ? " <mouse message>" : "");
        return;
    }
    const TrayIcon* icon = nullptr;
    if (what == "tip" || what == "icon-rect" || what == "tray-callback") {
        icon = icons_.FindById(static_cast<std::uint32_t>(id));
        if (!icon) {
            request.known = false;
            request.reply = "no icon with id " + words[1];
            return;
        }
    }
    if (what == "tip") {
        request.reply = Utf16ToUtf8(icon->tip);
        return;
    }
    if (what == "icon-rect" || what == "tray-callback") {
        auto visible = icons_.Visible();
        std::size_t index = 0;
        while (index < visible.size() && visible[index] != icon) {
            ++index;
        }
        RECT slot = IconSlot(index);
        MapWindowPoints(ctx_.windows.notify, nullptr, reinterpret_cast<POINT*>(&slot), 2);
        if (what == "icon-rect") {
            char text[64];
            std::snprintf(text, sizeof text, "%ld %ld %ld %ld", slot.left, slot.top,
                          slot.right - slot.left, slot.bottom - slot.top);
            request.reply = text;
            return;
        }
        unsigned long mouse = 0;
        if (words.size() < 3 || !ParseNumber(words[2], mouse) || !IsMouseMessage(mouse)) {
            request.known = false;
            request.reply = "usage: tray-callback <icon id> <mouse message 0x200..0x209>";
            return;
        }
        // As a real click would: the pointer is over the icon when the owner hears of it.
        SetCursorPos((slot.left + slot.right) / 2, (slot.top + slot.bottom) / 2);
        SendCallback(*icon, static_cast<UINT>(mouse));
        request.reply = "ok";
        return;
    }
    if (what == "layout") {
        Layout();
        request.reply = "ok";
        return;
    }
    request.known = false;
    request.reply = "unknown request: " + what;
}

LRESULT CALLBACK Taskbar::NotifyProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Taskbar*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self) {
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    if (IsMouseMessage(msg)) {
        self->OnNotifyMouse(msg, lParam);
        return 0;
    }
    switch (msg) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        self->PaintIcons(dc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

} // namespace luna::tools
