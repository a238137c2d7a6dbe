// "LunarReminder.rem": the reminders kept on lunar dates. The same record style as
// "Reminder.rem" (100-byte records in text mode, no end record, read and written by the
// same functions of rem_files.h and hook_rem_loader.h), so only the stamp differs:
// "%2d%c%2d %2d:%2d" of lunar month, month mark, lunar day, hour and minute, where the mark
// is '/' for an ordinary month and 'L' for the leap month of that number. A leap-month
// stamp (" 4L15  8: 0") therefore never equals an ordinary one (" 4/15  8: 0").
#pragma once

#include <cstddef>

namespace luna {

constexpr char kLunarReminderFileName[] = "LunarReminder.rem";
// The reminder page's copy, relative to the executable's folder.
constexpr char kLunarReminderPageFile[] = "res\\LunarReminder.rem";

constexpr std::size_t kLunarStampLength = 11;
constexpr char kOrdinaryMonthMark = '/';
constexpr char kLeapMonthMark = 'L';

struct LunarStamp {
    int month;  // 1-12
    bool leap;  // the leap month of that number
    int day;    // 1-30
    int hour;   // 0-23
    int minute; // 0-59
};

// The 11 stamp characters and a terminator; false (out empty) for a field out of range.
bool FormatLunarStamp(const LunarStamp& stamp, char (&out)[kLunarStampLength + 1]);

// Reads the stamp at the start of a record text. Each number is "%2d": a blank or a digit,
// then a digit; anything else, a field out of range or a text shorter than the stamp gives
// false.
bool ParseLunarStamp(const char* text, LunarStamp& out);

} // namespace luna
