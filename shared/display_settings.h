// The 96-byte display settings record: owned by lunavis, copied whole to lunahook with
// WM_COPYDATA, so its byte layout is fixed (little-endian, offsets checked below).
#pragma once

#include <cstddef>
#include <cstdint>

namespace luna {

struct DisplaySettings {
    std::uint8_t yearDigits;             // 0x00 DisPlayYear (low byte): 2 = two-digit year
    std::uint8_t reserved01[3];          // 0x01
    std::uint32_t showWeekday;           // 0x04 DisPlayMonth
    std::uint32_t showDate;              // 0x08 DisPlayDate
    std::uint32_t hour12;                // 0x0C DisPlayTime12
    std::uint32_t showSeconds;           // 0x10 DisPlaySecond
    std::uint8_t dateOrder;              // 0x14 DisPlayStyle (low byte): 1 YMD, 2 MDY, 3 DMY
    std::uint8_t bkDisplayStyle;         // 0x15 BkDisPlayStyle (low byte), carried only
    std::uint8_t reminderExact;          // 0x16 ReminderExact (low byte), carried only
    std::uint8_t spare17;                // 0x17
    std::uint32_t showSolarFestivals;    // 0x18 MerryCheckSolar
    std::uint32_t showLunarFestivals;    // 0x1C MerryCheckLunch
    std::uint32_t showSolarTerms;        // 0x20 MerryCheckJieQi
    std::uint32_t showOwnSolarFestivals; // 0x24 MerryCheckSelfSolar
    std::uint32_t showOwnLunarFestivals; // 0x28 MerryCheckSelfLunch
    char timeSeparator[2];               // 0x2C TimeSparator (see SeparatorText)
    char dateSeparator[2];               // 0x2E DateSeparator (see SeparatorText)
    char shutdownTime[12];               // 0x30 "%2d:%2d" of the timed shutdown
    std::uint32_t amPm;                  // 0x3C DaySparator
    std::uint32_t reminderBackColor;     // 0x40 ReminderBkColor, carried only
    std::uint32_t clockColor;            // 0x44 FontColor of the clock key
    std::uint32_t spare48;               // 0x48
    std::uint32_t calendarColor;         // 0x4C FontColor of the calender key
    std::uint32_t autoStart;             // 0x50 AutoStart
    std::uint32_t shutdownArmed;         // 0x54
    std::uint32_t desktopStyle;          // 0x58 DeskTopStyle
    std::uint32_t desktopBackColor;      // 0x5C DeskTopBackColor
};

static_assert(sizeof(DisplaySettings) == 96, "DisplaySettings crosses processes: 96 bytes");
static_assert(offsetof(DisplaySettings, yearDigits) == 0x00);
static_assert(offsetof(DisplaySettings, showWeekday) == 0x04);
static_assert(offsetof(DisplaySettings, showDate) == 0x08);
static_assert(offsetof(DisplaySettings, hour12) == 0x0C);
static_assert(offsetof(DisplaySettings, showSeconds) == 0x10);
static_assert(offsetof(DisplaySettings, dateOrder) == 0x14);
static_assert(offsetof(DisplaySettings, bkDisplayStyle) == 0x15);
static_assert(offsetof(DisplaySettings, reminderExact) == 0x16);
static_assert(offsetof(DisplaySettings, spare17) == 0x17);
static_assert(offsetof(DisplaySettings, showSolarFestivals) == 0x18);
static_assert(offsetof(DisplaySettings, showLunarFestivals) == 0x1C);
static_assert(offsetof(DisplaySettings, showSolarTerms) == 0x20);
static_assert(offsetof(DisplaySettings, showOwnSolarFestivals) == 0x24);
static_assert(offsetof(DisplaySettings, showOwnLunarFestivals) == 0x28);
static_assert(offsetof(DisplaySettings, timeSeparator) == 0x2C);
static_assert(offsetof(DisplaySettings, dateSeparator) == 0x2E);
static_assert(offsetof(DisplaySettings, shutdownTime) == 0x30);
static_assert(offsetof(DisplaySettings, amPm) == 0x3C);
static_assert(offsetof(DisplaySettings, reminderBackColor) == 0x40);
static_assert(offsetof(DisplaySettings, clockColor) == 0x44);
static_assert(offsetof(DisplaySettings, spare48) == 0x48);
static_assert(offsetof(DisplaySettings, calendarColor) == 0x4C);
static_assert(offsetof(DisplaySettings, autoStart) == 0x50);
static_assert(offsetof(DisplaySettings, shutdownArmed) == 0x54);
static_assert(offsetof(DisplaySettings, desktopStyle) == 0x58);
static_assert(offsetof(DisplaySettings, desktopBackColor) == 0x5C);

// The defaults every field has before the registry is read.
DisplaySettings DefaultDisplaySettings();

// A separator field holds up to 2 bytes: a terminated text of 0 or 1 byte, or 2 bytes
// without terminator (one GBK character or two single-byte characters). These read and
// write it as a text of at most 2 bytes, never touching the neighbouring field.
struct SeparatorText {
    char text[3]; // terminated
};
SeparatorText ReadSeparator(const char (&field)[2]);
void WriteSeparator(char (&field)[2], const char* text);

// The background style a stored DeskTopStyle stands for: 0 to 3 as they are, any other
// value the picture (0), as the system page shows it. lunahook draws by the same rule.
std::uint32_t EffectiveDesktopStyle(std::uint32_t stored);

} // namespace luna
