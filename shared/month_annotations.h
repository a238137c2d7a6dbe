// The per-day annotations of a Gregorian month, as the desktop month grid and the
// calendar conversion dialog show them. Plain values without allocation: they are
// built in the shell's process once a day.
#pragma once

#include <cstddef>
#include <cstdint>

#include "calendar/festivals.h"
#include "calendar/holidays.h"
#include "shared/display_settings.h"

namespace luna {

// Where day d of a month lies in a Sunday-first grid of 7 columns: cell firstWeekday+d-1.
// Row 0 is the first week (the desktop grid draws its weekday header above it).
struct CellPlace {
    int column;
    int row;
};
CellPlace PlaceDay(int firstWeekday, int day);

// Weekday of the 1st of a month, 0 = Sunday: the column of its first cell.
int FirstWeekdayOf(int year, int month);

// The colours of the marks (0x00BBGGRR, as COLORREF): a day off's number and 休 badge, and
// a make-up workday's 班 badge, on the desktop and in the conversion dialog alike.
constexpr std::uint32_t kHolidayOffColor = 0x003130D6;  // RGB(214, 48, 49)
constexpr std::uint32_t kHolidayWorkColor = 0x00685448; // RGB(72, 84, 104)

// The holiday mark of every day of a month (None where the table has none).
void FillHolidayMarks(const HolidayTable& table, int year, int month, HolidayMark (&marks)[31]);

// Month label of a lunar month start: "闰%d月大", "闰%d月小", "%d月大" or "%d月小".
void FormatMonthLabel(int lunarMonth, bool isLeap, int monthDays, char (&label)[16]);

// Solar-term label: "%d:%d:%d\n" of the term's time, then the term's name.
void FormatTermLabel(int solarTerm, unsigned termSeconds, char (&label)[16]);

// ---- Desktop month grid ----

enum DesktopSlot {
    kDayLabelSlot = 0,  // lunar day name, month label, or solar term when shown
    kSolarFestivalSlot, // built-in solar festival
    kOwnSolarSlot,      // user's solar festival
    kLunarFestivalSlot, // built-in lunar festival (hook library's table)
    kOwnLunarSlot,      // user's lunar festival
    kDesktopSlotCount
};

// Longest own festival name kept per slot (longer names are cut at a character).
constexpr std::size_t kOwnNameMax = 32;

// Joined annotation of one cell: at most this many bytes, terminator included.
constexpr std::size_t kCellAnnotationMax = 200;

struct DesktopDay {
    char dayLabel[16];
    const char* solarFestival; // constant table text or nullptr
    char ownSolar[kOwnNameMax];
    const char* lunarFestival; // constant table text or nullptr
    char ownLunar[kOwnNameMax];
};

struct DesktopMonth {
    int year;
    int month;
    int daysInMonth; // 0 for a month outside 1900-2099
    int firstWeekday;
    DesktopDay days[31];
    HolidayMark marks[31]; // None until FillHolidayMarks

    // Text of a slot of day d (1-based), or nullptr when the slot is empty.
    const char* Slot(int day, DesktopSlot slot) const;
};

// Fills the five slots of every day, honouring the display switches of the settings.
// The own lists end at a null or empty entry, at "FFFF", or after their count.
DesktopMonth BuildDesktopMonth(int year, int month, const DisplaySettings& s,
                               const char* const* ownSolar, std::size_t ownSolarCount,
                               const char* const* ownLunar, std::size_t ownLunarCount);

// Non-empty slots of day d in slot order, each followed by "\n"; a slot whose text and
// line break would not fit is skipped. At most min(outSize, kCellAnnotationMax) bytes
// with the terminator. Returns the length.
std::size_t JoinCellAnnotation(const DesktopMonth& month, int day, char* out, std::size_t outSize);

// ---- Calendar conversion dialog ----

struct ConversionMonth {
    int year;
    int month;
    int daysInMonth; // 0 for a month outside 1900-2099
    int firstWeekday;
    int firstLunarYear;    // lunar year of the 1st
    int firstLunarMonth;   // lunar month number of the 1st (leap months give their number)
    char title[32];        // "农历:%s%s[%s]年%s%s月%s%s日" of the 1st, without a double hour
    char labels[31][16];   // one label per day: term, else lunar festival, else solar
                           // festival, else month label or lunar day name
    HolidayMark marks[31]; // None until FillHolidayMarks
};

ConversionMonth BuildConversionMonth(int year, int month);

} // namespace luna
