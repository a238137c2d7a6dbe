// menureader.dll: reads the popup menu shown by the hooked thread (see menu_reader.h).
#include <windows.h>

#include <cstdio>
#include <string>

#include "tests/tools/menuprobe/menu_reader.h"

namespace {

constexpr UINT kGetMenuHandle = 0x01E1; // MN_GETHMENU

std::string Utf8(const wchar_t* text) {
    int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) {
        return {};
    }
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, &out[0], size, nullptr, nullptr);
    out.resize(static_cast<std::size_t>(size - 1));
    return out;
}

std::string DescribeItem(HMENU menu, int position) {
    wchar_t text[256] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof text / sizeof *text - 1;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info)) {
        return "unreadable";
    }
    if (info.fType & MFT_SEPARATOR) {
        return "sep";
    }
    RECT rc{};
    GetMenuItemRect(nullptr, menu, static_cast<UINT>(position), &rc);
    char head[160];
    std::snprintf(head, sizeof head, "item %u %d %d %d %ld %ld %ld %ld ", info.wID,
                  (info.fState & MFS_GRAYED) ? 1 : 0, (info.fState & MFS_DEFAULT) ? 1 : 0,
                  (info.fState & MFS_HILITE) ? 1 : 0, rc.left, rc.top, rc.right, rc.bottom);
    return head + Utf8(text);
}

std::string DescribeMenu(HWND menuWindow) {
    auto menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, kGetMenuHandle, 0, 0));
    if (menu == nullptr || !IsMenu(menu)) {
        return "no menu";
    }
    std::string reply;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        reply += DescribeItem(menu, i) + "\n";
    }
    return reply;
}

} // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK
    MenuReaderHook(int code, WPARAM wParam, LPARAM lParam) {
    static const UINT query = RegisterWindowMessageA(luna::tools::kMenuReaderQuery);
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code >= 0 && message != nullptr && query != 0 && message->message == query) {
        std::string reply = DescribeMenu(message->hwnd);
        COPYDATASTRUCT data{};
        data.dwData = luna::tools::kMenuReaderReply;
        data.cbData = static_cast<DWORD>(reply.size());
        data.lpData = reply.data();
        SendMessageW(reinterpret_cast<HWND>(message->wParam), WM_COPYDATA,
                     reinterpret_cast<WPARAM>(message->hwnd), reinterpret_cast<LPARAM>(&data));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
