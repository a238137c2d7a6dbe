#include "app/tray_icon.h"

#include <cstring>
#include <string>

#include "app/app_holidays.h"
#include "app/desktop_windows.h"
#include "app/logic/tooltip.h"
#include "app/logic/tray_callback.h"
#include "app/tray_menu.h"
#include "hook/lunahook.h"
#include "shared/gbk_text.h"
#include "shared/messages.h"

namespace luna {

namespace {

static_assert(sizeof(NOTIFYICONDATAW{}.szTip) / sizeof(wchar_t) >= kTrayLongTipSize,
              "the record's tip field holds the later forms' 128 characters");

// A GBK tip of at most `size - 1` bytes is at most that many characters: the first form's
// 63, or the later forms' 127 (with the record's size telling the shell which form it is).
void SetTip(NOTIFYICONDATAW& record, const char* tip, std::size_t size = kTrayTipSize) {
    std::memset(record.szTip, 0, sizeof record.szTip);
    const std::wstring wide = WideFromGbk(tip, size - 1);
    const std::size_t length = wide.size() < size - 1 ? wide.size() : size - 1;
    std::memcpy(record.szTip, wide.data(), length * sizeof(wchar_t));
    record.cbSize = size == kTrayTipSize ? NOTIFYICONDATAW_V1_SIZE : NOTIFYICONDATAW_V2_SIZE;
}

NOTIFYICONDATAW EmptyRecord(HWND owner) {
    NOTIFYICONDATAW record;
    std::memset(&record, 0, sizeof record);
    record.cbSize = NOTIFYICONDATAW_V1_SIZE;
    record.hWnd = owner;
    record.uID = kTrayIconId;
    return record;
}

} // namespace

NOTIFYICONDATAW MakeTrayIconRecord(HWND owner, HICON icon) {
    NOTIFYICONDATAW record = EmptyRecord(owner);
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = UM_TRAYICON;
    record.hIcon = icon;
    return record;
}

void AddTrayIcon(const NOTIFYICONDATAW& kept) {
    NOTIFYICONDATAW record = kept;
    static const char kFirstTip[] = "桌面时钟";
    static_assert(sizeof kFirstTip <= kTrayTipSize, "the first form of the tip holds 64 bytes");
    SetTip(record, kFirstTip);
    Shell_NotifyIconW(NIM_ADD, &record);
}

void RemoveTrayIcon(HWND owner) {
    NOTIFYICONDATAW record = EmptyRecord(owner);
    Shell_NotifyIconW(NIM_DELETE, &record);
}

void RefreshTip(NOTIFYICONDATAW& kept) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    char calendar[kTrayCalendarBufferSize] = {};
    GetDate(calendar);
    const LocalTime moment{now.wYear, now.wMonth,  now.wDay,   now.wDayOfWeek,
                           now.wHour, now.wMinute, now.wSecond};
    char tip[kTrayTipSize];
    ComposeTrayTip(moment, calendar, tip);
    const std::string holiday =
        HolidayTextLine(AppHolidays().Find(moment.year, moment.month, moment.day));
    char longTip[kTrayLongTipSize];
    if (AppendTipLine(tip, holiday.c_str(), longTip)) {
        SetTip(kept, longTip, kTrayLongTipSize);
    } else {
        SetTip(kept, tip);
    }
    Shell_NotifyIconW(NIM_MODIFY, &kept);
}

LRESULT OnTrayIconCallback(NOTIFYICONDATAW& kept, HWND desktopListView, bool sheetOpen,
                           LPARAM lParam) {
    // Looked up afresh each time: the taskbar may have been created anew.
    HWND clock = FindTaskbarClockWindow();
    const TrayCallbackReply reply = DecideTrayCallback(LOWORD(lParam));
    switch (reply.action) {
    case TrayCallbackAction::RefreshTip:
        RefreshTip(kept);
        break;
    case TrayCallbackAction::OpenClockMenu: {
        POINT cursor{};
        GetCursorPos(&cursor);
        // Without a clock window a post to null would land in our own queue.
        if (clock != nullptr) {
            PostMessageA(clock, UM_CLOCKMENU, reinterpret_cast<WPARAM>(desktopListView),
                         static_cast<LPARAM>(PackScreenPoint(cursor.x, cursor.y)));
        } else {
            // A taskbar without a clock window (as on newer Windows) cannot show the menu:
            // the same menu, from here.
            ShowTrayMenu(kept.hWnd, sheetOpen, cursor.x, cursor.y);
        }
        break;
    }
    case TrayCallbackAction::Nothing:
        break;
    }
    return reply.result;
}

} // namespace luna
