// Lunar reminders on the reminder page: the choices of the month and day lists in lunar
// mode, reading them back, the record of "LunarReminder.rem" (shared/lunar_reminder_file.h)
// and how the page's list shows it. The page keeps both kinds in one list, each item led by
// its kind byte, so that one byte order puts the Gregorian reminders first (by date) and
// the lunar ones after them (by lunar month, the leap month after its ordinary twin, then
// day and time).
#pragma once

#include <string>
#include <vector>

#include "app/logic/reminder_item.h"
#include "shared/lunar_reminder_file.h"

namespace luna {

constexpr char kGregorianItemKind = 'G';
constexpr char kLunarItemKind = 'L';

struct LunarMonthChoice {
    int month;
    bool leap;
    std::string text; // " 4" or "闰 4" (GBK)
};

// Months 1 to 12, each followed by its leap twin where some year of the table has one.
std::vector<LunarMonthChoice> LunarMonthChoices();

// The day list: "初一" to "三十" (GBK), index = day - 1.
std::vector<std::string> LunarDayChoices();

// Reads a month text ("闰 4", " 4", "4", "闰4"); false for anything else or a month outside
// 1-12, or a leap month no year has.
bool ParseLunarMonthText(const char* text, int* month, bool* leap);
// Reads a day text: a name of LunarDayChoices or a number 1-30.
bool ParseLunarDayText(const char* text, int* day);

// The record: the lunar stamp followed by at most 88 bytes of text, cut like a Gregorian
// item's (ComposeReminderItem).
std::string ComposeLunarReminderItem(const LunarStamp& stamp, const char* text);

// Page items: the record led by its kind byte; and back.
std::string GregorianPageItem(const std::string& record);
std::string LunarPageItem(const std::string& record);
bool IsLunarPageItem(const std::string& item);
std::string RecordOfPageItem(const std::string& item);

// What the list box shows: a Gregorian record as it is; a lunar one as
// "农历4月十五  8: 0" or "农历闰4月十五  8: 0" followed by its text.
std::string PageItemDisplay(const std::string& item);

// What follows the stamp in the item's record.
std::string PageItemText(const std::string& item);

} // namespace luna
