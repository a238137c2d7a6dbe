#include "hook/desktop/day_tip_window.h"

#include <commctrl.h>

#include <string>

#include "shared/gbk_text.h"

namespace luna {
namespace {

constexpr UINT_PTR kToolId = 1;
constexpr int kMaxTipWidth = 480; // wide enough for a long festival or reminder line
constexpr int kOffsetX = 16;      // below and right of the pointer, clear of its arrow
constexpr int kOffsetY = 20;

HWND tipWindow = nullptr;
HWND tipOwner = nullptr;

TTTOOLINFOW ToolInfo(HWND owner, wchar_t* text) {
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE; // understood by every version of the common controls
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = owner;
    tool.uId = kToolId;
    tool.lpszText = text;
    return tool;
}

bool MakeDayTip(HWND listView) {
    if (tipWindow != nullptr && IsWindow(tipWindow)) {
        return true;
    }
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    tipWindow = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, listView, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    if (tipWindow == nullptr) {
        return false;
    }
    tipOwner = listView;
    wchar_t empty[] = L"";
    TTTOOLINFOW tool = ToolInfo(listView, empty);
    SendMessageW(tipWindow, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(tipWindow, TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
    return true;
}

} // namespace

void ShowDayTip(HWND listView, const char* text, POINT at) {
    if (!MakeDayTip(listView)) {
        return;
    }
    std::wstring wide = WideFromGbk(text);
    TTTOOLINFOW tool = ToolInfo(tipOwner, wide.data());
    SendMessageW(tipWindow, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    POINT screen{at.x + kOffsetX, at.y + kOffsetY};
    ClientToScreen(listView, &screen);
    SendMessageW(tipWindow, TTM_TRACKPOSITION, 0, MAKELPARAM(screen.x, screen.y));
    SendMessageW(tipWindow, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

void HideDayTip() {
    if (tipWindow == nullptr) {
        return;
    }
    TTTOOLINFOW tool = ToolInfo(tipOwner, nullptr);
    SendMessageW(tipWindow, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

void DestroyDayTip() {
    if (tipWindow != nullptr) {
        DestroyWindow(tipWindow);
    }
    tipWindow = nullptr;
    tipOwner = nullptr;
}

} // namespace luna
