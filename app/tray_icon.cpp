#include "app/tray_icon.h"

#include <cstring>

#include "app/desktop_windows.h"
#include "app/logic/tooltip.h"
#include "app/logic/tray_callback.h"
#include "app/tray_menu.h"
#include "hook/lunahook.h"
#include "shared/messages.h"

namespace luna {

namespace {

static_assert(sizeof(NOTIFYICONDATAA{}.szTip) >= kTrayTipSize,
              "the record's tip field holds the first form's 64 bytes");

NOTIFYICONDATAA EmptyRecord(HWND owner) {
    NOTIFYICONDATAA record;
    std::memset(&record, 0, sizeof record);
    record.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record.hWnd = owner;
    record.uID = kTrayIconId;
    return record;
}

} // namespace

NOTIFYICONDATAA MakeTrayIconRecord(HWND owner, HICON icon) {
    NOTIFYICONDATAA record = EmptyRecord(owner);
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = UM_TRAYICON;
    record.hIcon = icon;
    return record;
}

void AddTrayIcon(const NOTIFYICONDATAA& kept) {
    NOTIFYICONDATAA record = kept;
    static const char kFirstTip[] = "桌面时钟";
    static_assert(sizeof kFirstTip <= kTrayTipSize, "the first form of the tip holds 64 bytes");
    std::memcpy(record.szTip, kFirstTip, sizeof kFirstTip);
    Shell_NotifyIconA(NIM_ADD, &record);
}

void RemoveTrayIcon(HWND owner) {
    NOTIFYICONDATAA record = EmptyRecord(owner);
    Shell_NotifyIconA(NIM_DELETE, &record);
}

void RefreshTip(NOTIFYICONDATAA& kept) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    char calendar[kTrayCalendarBufferSize] = {};
    GetDate(calendar);
    const LocalTime moment{now.wYear, now.wMonth,  now.wDay,   now.wDayOfWeek,
                           now.wHour, now.wMinute, now.wSecond};
    char tip[kTrayTipSize];
    ComposeTrayTip(moment, calendar, tip);
    std::memset(kept.szTip, 0, sizeof kept.szTip);
    std::memcpy(kept.szTip, tip, sizeof tip);
    Shell_NotifyIconA(NIM_MODIFY, &kept);
}

LRESULT OnTrayIconCallback(NOTIFYICONDATAA& kept, HWND desktopListView, bool sheetOpen,
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
