// One reminder of the reminder page: the time stamp "%2d/%2d %2d:%2d" followed directly by
// the reminder's text. Every field of the stamp is two characters wide, so the byte order
// of two items is the order of their times.
#pragma once

#include <cstddef>
#include <string>

namespace luna {

constexpr std::size_t kReminderStampLength = 11; // " 2/ 5  7: 5"
constexpr std::size_t kReminderTextMax = 88;     // bytes of text after the stamp
constexpr std::size_t kReminderItemMax = kReminderStampLength + kReminderTextMax; // 99

struct ReminderTime {
    int month;  // 1-12
    int day;    // 1-31, not checked against the month
    int hour;   // 0-23
    int minute; // 0-59
};

// The time field a hand-typed combo box text was refused for; None when all four are fine.
enum class ReminderField { None, Month, Day, Hour, Minute };

// Reads a combo box text as a whole number in [low, high]. Blanks around the digits are
// allowed (the items are "%2d"), anything else makes the text no number.
bool ParseComboNumber(const char* text, int low, int high, int* value);

// Reads the four combo box texts. Returns the first field whose text is not a number in
// its range; *time is complete only when None is returned.
ReminderField ReadReminderTime(const char* month, const char* day, const char* hour,
                               const char* minute, ReminderTime* time);

// The message that tells the user why a field was refused (GBK), "" for None.
const char* ReminderFieldMessage(ReminderField field);

// The stamp followed by at most 88 bytes of text. The text is cut at a character
// boundary and never between the CR and LF of a line break; 0x1A bytes, which would end
// the file for a text-mode reader, are left out.
std::string ComposeReminderItem(const ReminderTime& time, const char* text);

// What follows the stamp: the text the editor shows for a selected item ("" when the item
// is no longer than the stamp).
std::string ReminderTextOf(const std::string& item);

} // namespace luna
