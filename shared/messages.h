// Private window messages and WM_COPYDATA codes exchanged between lunavis and lunahook.
#pragma once

#include <cstdint>

namespace luna {

// Private messages (numbers are fixed: both deliverables and stored tests rely on them).
constexpr unsigned UM_EXIT = 0x1400;
constexpr unsigned UM_SHOWMAIN = 0x1406;
constexpr unsigned UM_SHEETSTATE = 0x1408;
constexpr unsigned UM_REMINDER = 0x1409;
constexpr unsigned UM_TRAYICON = 0x1500;
constexpr unsigned UM_CLOCKMENU = 0x1501;
constexpr unsigned UM_HELP = 0x1510;
// A double-click on a day of the desktop's month grid: lunavis opens a new reminder on that
// day. wParam is the date (shared/date_param.h), lParam 0.
constexpr unsigned UM_NEWREMINDERON = 0x1520;
constexpr unsigned UM_RELOADBACK = 0x1611;

// dwData codes of WM_COPYDATA sent to the desktop list view.
constexpr std::uint32_t CD_CALENDARFONT = 0;
constexpr std::uint32_t CD_CLOCKFONT = 1;
constexpr std::uint32_t CD_REMINDERFONT = 2;
constexpr std::uint32_t CD_SETTINGS = 3;
constexpr std::uint32_t CD_SETTINGSQUIET = 10;

// Payload sizes of the copy-data records.
constexpr std::uint32_t kFontRecordSize = 60;
constexpr std::uint32_t kDisplaySettingsSize = 96;

// The list view's timer and the main window's timer.
constexpr unsigned kViewTimerId = 1000;
constexpr unsigned kMainTimerId = 1;

// Notification icon.
constexpr unsigned kTrayIconId = 0x10001;

} // namespace luna
