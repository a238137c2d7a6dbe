#include "app/tray_icon.h"

#include <cstring>

#include "shared/messages.h"

namespace luna {

NOTIFYICONDATAA MakeTrayIconRecord(HWND owner, HICON icon) {
    NOTIFYICONDATAA record;
    std::memset(&record, 0, sizeof record);
    record.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record.hWnd = owner;
    record.uID = kTrayIconId;
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = UM_TRAYICON;
    record.hIcon = icon;
    return record;
}

void AddTrayIcon(const NOTIFYICONDATAA& kept) {
    NOTIFYICONDATAA record = kept;
    static const char kFirstTip[] = "桌面时钟";
    static_assert(sizeof kFirstTip <= 64, "the first form of the tip holds 64 bytes");
    std::memcpy(record.szTip, kFirstTip, sizeof kFirstTip);
    Shell_NotifyIconA(NIM_ADD, &record);
}

void RemoveTrayIcon(HWND owner) {
    NOTIFYICONDATAA record;
    std::memset(&record, 0, sizeof record);
    record.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record.hWnd = owner;
    record.uID = kTrayIconId;
    Shell_NotifyIconA(NIM_DELETE, &record);
}

} // namespace luna
