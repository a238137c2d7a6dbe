// Where the settings live in the registry: key paths and value names, spelled exactly as
// they are stored (letter case and the historic spellings included).
#pragma once

#include <cstdint>

namespace luna {

// Keys under HKEY_CURRENT_USER; the Run key exists under both roots (autostart.h).
namespace regkey {
constexpr char Clock[] = "software\\wendrix\\clock";
constexpr char Reminder[] = "software\\wendrix\\clock\\reminder";
constexpr char Display[] = "software\\wendrix\\clock\\Display";
constexpr char Calender[] = "software\\wendrix\\clock\\calender";
constexpr char Run[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// Used only when the settings are cleared: the parent of the clock key, its own parent,
// and the subkeys deleted below them, in the order of deletion.
constexpr char Software[] = "software";
constexpr char Wendrix[] = "software\\wendrix";
constexpr char WendrixName[] = "wendrix";
constexpr char ClockCalenderSub[] = "clock\\calender";
constexpr char ClockDisplaySub[] = "clock\\Display";
constexpr char ClockReminderSub[] = "clock\\reminder";
constexpr char ClockSub[] = "clock";
} // namespace regkey

// Value names. The font group (FontName .. UnderLine) exists under the clock, reminder and
// calender keys; FontColor under clock and calender.
namespace regvalue {
constexpr char FontName[] = "FontName";
constexpr char FontSize[] = "FontSize";
constexpr char FontWeight[] = "FontWeight";
constexpr char Charset[] = "Charset";
constexpr char Italic[] = "Italic";
constexpr char Bolt[] = "Bolt";
constexpr char UnderLine[] = "UnderLine";
// The chosen size in tenths of a point (10.5 pt is 105), written beside FontSize, which holds
// whole points only. Versions before 1.1 neither write nor read it.
constexpr char FontSizeTenths[] = "FontSizeTenths";
constexpr char FontColor[] = "FontColor";

constexpr char AutoStart[] = "AutoStart";
constexpr char BackImage[] = "BackImage";

constexpr char DisPlayYear[] = "DisPlayYear";
constexpr char DisPlayMonth[] = "DisPlayMonth";
constexpr char DisPlayDate[] = "DisPlayDate";
constexpr char DisPlayTime12[] = "DisPlayTime12";
constexpr char DisPlaySecond[] = "DisPlaySecond";
constexpr char DisPlayStyle[] = "DisPlayStyle";
constexpr char DaySparator[] = "DaySparator";
constexpr char DateSeparator[] = "DateSeparator";
constexpr char TimeSparator[] = "TimeSparator";
constexpr char MerryCheckSolar[] = "MerryCheckSolar";
constexpr char MerryCheckLunch[] = "MerryCheckLunch";
constexpr char MerryCheckJieQi[] = "MerryCheckJieQi";
constexpr char MerryCheckSelfSolar[] = "MerryCheckSelfSolar";
constexpr char MerryCheckSelfLunch[] = "MerryCheckSelfLunch";
constexpr char DeskTopStyle[] = "DeskTopStyle";
constexpr char DeskTopBackColor[] = "DeskTopBackColor";
constexpr char BkDisPlayStyle[] = "BkDisPlayStyle";
constexpr char ReminderExact[] = "ReminderExact";
constexpr char ReminderBkColor[] = "ReminderBkColor";
// 1: the desktop's month grid shows ISO week numbers. Earlier versions neither write nor
// read it.
constexpr char WeekNumbers[] = "WeekNumbers";
// Beside the record (newer than it): how the picture is placed (PictureFit, picture_fit.h) and
// whether the desktop's texts get an outline (0 or 1).
constexpr char DeskTopFit[] = "DeskTopFit";
constexpr char TextOutline[] = "TextOutline";

// Under the Run key of HKEY_CURRENT_USER (older versions: HKEY_LOCAL_MACHINE): the
// executable's path, in double quotes, while autostart is on.
constexpr char DeskTop[] = "DeskTop";

// Under the calender key: the update of the holiday data from the internet.
constexpr char HolidayUpdate[] = "HolidayUpdate";         // DWORD: 1 when it is on
constexpr char HolidayUpdateUrls[] = "HolidayUpdateUrls"; // REG_SZ: addresses, ';' between
constexpr char HolidayUpdateDay[] = "HolidayUpdateDay";   // REG_SZ: "YYYY-MM-DD" last tried
} // namespace regvalue

// Registry value types, numbered as Windows numbers them.
constexpr std::uint32_t kRegNone = 0;
constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegExpandSz = 2;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;

// Buffer sizes the readers use: a path (BackImage and every file path built from it),
// the data read for FontName.
constexpr std::uint32_t kPathCapacity = 260;
constexpr std::uint32_t kFontNameReadCapacity = 80;

// The default background picture, relative to the executable's folder, and the name it had
// in earlier versions (a BackImage naming that one beside the executable means the new one).
constexpr char kDefaultBackImageName[] = "res\\back.png";
constexpr char kOldDefaultBackImageName[] = "res\\back.bmp";

} // namespace luna
