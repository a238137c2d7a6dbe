// The command line of lunacal, parsed into what to do. Pure: the clock's reading is
// passed in, so defaults are testable.
#pragma once

#include <string>
#include <vector>

namespace luna::lunacal {

struct CivilDate {
    int year;
    int month;
    int day;
};

struct Clock {
    CivilDate today;
    int hour;
};

enum class Action { Help, DayText, Month, Export, Ics, Holidays, HolidayYears, HolidaysHelp };

struct Command {
    Action action = Action::Help;
    CivilDate date{};  // DayText: the day; Month: year and month; Export: the first day
    CivilDate last{};  // Export: the last day
    int hour = 0;      // DayText
    bool list = false; // Month: one line per day instead of the grid
    int years = 10;    // Ics: how many years from `date` (today unless --from)
    std::vector<std::string> files; // Ics: the reminder files
    bool holidays = false;          // Ics: the marked days as all-day events too
    std::string holidayFile;        // --holidays-file: the user's Holidays.txt, or ""
};

struct ParseResult {
    bool ok = false;
    Command command;
    std::string error; // one line, without the program name, when !ok
};

ParseResult ParseCommandLine(const std::vector<std::string>& args, const Clock& clock);

// "YYYY-MM-DD" (month and day may have one digit) of a real date in 1900-2099.
bool ParseDate(const std::string& text, CivilDate& date, std::string& error);

// Days from first to last, both included, walk in calendar order.
CivilDate NextDay(const CivilDate& date);
bool IsAfter(const CivilDate& a, const CivilDate& b);

const char* UsageText();

} // namespace luna::lunacal
