// Parsing of lunacal's arguments.
#include "tools/lunacal/command_line.h"

#include <cstdio>

#include "calendar/lunar.h"

namespace luna::lunacal {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A run of 1 to maxDigits decimal digits, the whole of text[begin, end).
bool ParseNumber(const std::string& text, std::size_t begin, std::size_t end, std::size_t minDigits,
                 std::size_t maxDigits, int& value) {
    const std::size_t digits = end - begin;
    if (begin > end || digits < minDigits || digits > maxDigits) {
        return false;
    }
    value = 0;
    for (std::size_t i = begin; i < end; ++i) {
        if (!IsDigit(text[i])) {
            return false;
        }
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

std::string Quoted(const std::string& text) {
    // Arguments are echoed in messages: keep them short and printable.
    std::string shown;
    for (char c : text.substr(0, 40)) {
        const unsigned char u = static_cast<unsigned char>(c);
        shown += (u >= 0x20 && u < 0x7F) ? c : '?';
    }
    if (text.size() > 40) {
        shown += "...";
    }
    return "'" + shown + "'";
}

bool CheckYear(int year, std::string& error) {
    if (year < kFirstYear || year > kLastYear) {
        error = "year " + std::to_string(year) + " is outside 1900-2099";
        return false;
    }
    return true;
}

bool ParseHour(const std::string& text, int& hour, std::string& error) {
    if (!ParseNumber(text, 0, text.size(), 1, 2, hour) || hour > 23) {
        error = "hour " + Quoted(text) + " is outside 0-23";
        return false;
    }
    return true;
}

bool ParseYearMonth(const std::string& yearText, const std::string& monthText, CivilDate& date,
                    std::string& error) {
    int year = 0;
    int month = 0;
    if (!ParseNumber(yearText, 0, yearText.size(), 4, 4, year)) {
        error = "invalid year " + Quoted(yearText) + " (expected YYYY)";
        return false;
    }
    if (!CheckYear(year, error)) {
        return false;
    }
    if (!ParseNumber(monthText, 0, monthText.size(), 1, 2, month) || month < 1 || month > 12) {
        error = "invalid month " + Quoted(monthText) + " (expected 1-12)";
        return false;
    }
    date = CivilDate{year, month, 1};
    return true;
}

ParseResult Fail(std::string error) {
    ParseResult result;
    result.error = std::move(error);
    return result;
}

ParseResult Succeed(const Command& command) {
    ParseResult result;
    result.ok = true;
    result.command = command;
    return result;
}

ParseResult ParseMonth(const std::vector<std::string>& args, const Clock& clock) {
    Command command;
    command.action = Action::Month;
    std::vector<std::string> rest;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--list") {
            command.list = true;
        } else {
            rest.push_back(args[i]);
        }
    }
    std::string error;
    if (rest.empty()) {
        if (!CheckYear(clock.today.year, error)) {
            return Fail("today's " + error);
        }
        command.date = CivilDate{clock.today.year, clock.today.month, 1};
    } else if (rest.size() == 2) {
        if (!ParseYearMonth(rest[0], rest[1], command.date, error)) {
            return Fail(error);
        }
    } else {
        return Fail("month takes a year and a month, or nothing (see lunacal --help)");
    }
    return Succeed(command);
}

ParseResult ParseExport(const std::vector<std::string>& args) {
    if (args.size() != 3) {
        return Fail("export takes two dates, FROM and TO (see lunacal --help)");
    }
    Command command;
    command.action = Action::Export;
    std::string error;
    if (!ParseDate(args[1], command.date, error) || !ParseDate(args[2], command.last, error)) {
        return Fail(error);
    }
    if (IsAfter(command.date, command.last)) {
        return Fail("FROM " + args[1] + " is after TO " + args[2]);
    }
    return Succeed(command);
}

ParseResult ParseIcs(const std::vector<std::string>& args, const Clock& clock) {
    Command command;
    command.action = Action::Ics;
    command.date = clock.today;
    std::string error;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--years" || arg == "--from") {
            if (i + 1 >= args.size()) {
                return Fail(arg + " needs a value (see lunacal --help)");
            }
            const std::string& value = args[++i];
            if (arg == "--from") {
                if (!ParseDate(value, command.date, error)) {
                    return Fail(error);
                }
            } else if (!ParseNumber(value, 0, value.size(), 1, 3, command.years) ||
                       command.years < 1 || command.years > 200) {
                return Fail("years " + Quoted(value) + " is outside 1-200");
            }
        } else if (arg == "--holidays") {
            command.holidays = true;
        } else if (!arg.empty() && arg[0] == '-') {
            return Fail("unknown option " + Quoted(arg) + " (see lunacal --help)");
        } else {
            command.files.push_back(arg);
        }
    }
    if (command.files.empty()) {
        return Fail("ics takes at least one reminder file (see lunacal --help)");
    }
    if (!CheckYear(command.date.year, error)) {
        return Fail("today's " + error);
    }
    return Succeed(command);
}

ParseResult ParseHolidays(const std::vector<std::string>& args, const Clock& clock) {
    Command command;
    command.action = Action::Holidays;
    command.date = CivilDate{clock.today.year, 1, 1};
    std::string error;
    std::vector<std::string> rest;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--years") {
            command.action = Action::HolidayYears;
        } else if (!args[i].empty() && args[i][0] == '-') {
            return Fail("unknown option " + Quoted(args[i]) + " (see lunacal --help)");
        } else {
            rest.push_back(args[i]);
        }
    }
    if (rest.size() > 1 || (command.action == Action::HolidayYears && !rest.empty())) {
        return Fail("holidays takes a year, or --years (see lunacal --help)");
    }
    if (!rest.empty() && !ParseNumber(rest[0], 0, rest[0].size(), 4, 4, command.date.year)) {
        return Fail("invalid year " + Quoted(rest[0]) + " (expected YYYY)");
    }
    if (!CheckYear(command.date.year, error)) {
        return Fail(error);
    }
    return Succeed(command);
}

ParseResult ParseDayText(const std::vector<std::string>& args, const Clock& clock) {
    Command command;
    command.action = Action::DayText;
    command.date = clock.today;
    command.hour = clock.hour;
    std::string error;
    if (args.size() > 2) {
        return Fail("unexpected argument " + Quoted(args[2]) + " (see lunacal --help)");
    }
    if (!args.empty()) {
        if (!args[0].empty() && args[0][0] == '-') {
            return Fail("unknown option " + Quoted(args[0]) + " (see lunacal --help)");
        }
        if (!ParseDate(args[0], command.date, error)) {
            return Fail(error);
        }
    } else if (!CheckYear(clock.today.year, error)) {
        return Fail("today's " + error);
    }
    if (args.size() == 2 && !ParseHour(args[1], command.hour, error)) {
        return Fail(error);
    }
    return Succeed(command);
}

ParseResult ParseCommand(const std::vector<std::string>& args, const Clock& clock) {
    if (!args.empty() && args[0] == "month") {
        return ParseMonth(args, clock);
    }
    if (!args.empty() && args[0] == "export") {
        return ParseExport(args);
    }
    if (!args.empty() && args[0] == "ics") {
        return ParseIcs(args, clock);
    }
    if (!args.empty() && args[0] == "holidays") {
        return ParseHolidays(args, clock);
    }
    return ParseDayText(args, clock);
}

} // namespace

bool ParseDate(const std::string& text, CivilDate& date, std::string& error) {
    const std::size_t firstDash = text.find('-');
    const std::size_t secondDash =
        firstDash == std::string::npos ? std::string::npos : text.find('-', firstDash + 1);
    int year = 0;
    int month = 0;
    int day = 0;
    if (secondDash == std::string::npos || !ParseNumber(text, 0, firstDash, 4, 4, year) ||
        !ParseNumber(text, firstDash + 1, secondDash, 1, 2, month) ||
        !ParseNumber(text, secondDash + 1, text.size(), 1, 2, day)) {
        error = "invalid date " + Quoted(text) + " (expected YYYY-MM-DD)";
        return false;
    }
    if (!CheckYear(year, error)) {
        return false;
    }
    if (!IsSupportedDate(year, month, day)) {
        error = "invalid date " + Quoted(text) + " (no such day)";
        return false;
    }
    date = CivilDate{year, month, day};
    return true;
}

CivilDate NextDay(const CivilDate& date) {
    if (date.day < DaysInMonth(date.year, date.month)) {
        return CivilDate{date.year, date.month, date.day + 1};
    }
    if (date.month < 12) {
        return CivilDate{date.year, date.month + 1, 1};
    }
    return CivilDate{date.year + 1, 1, 1};
}

bool IsAfter(const CivilDate& a, const CivilDate& b) {
    if (a.year != b.year) {
        return a.year > b.year;
    }
    if (a.month != b.month) {
        return a.month > b.month;
    }
    return a.day > b.day;
}

ParseResult ParseCommandLine(const std::vector<std::string>& given, const Clock& clock) {
    // --holidays-file FILE may follow any command that shows the marks.
    std::vector<std::string> args;
    std::string holidayFile;
    for (std::size_t i = 0; i < given.size(); ++i) {
        if (given[i] != "--holidays-file") {
            args.push_back(given[i]);
        } else if (i + 1 >= given.size()) {
            return Fail("--holidays-file needs a file (see lunacal --help)");
        } else {
            holidayFile = given[++i];
        }
    }
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            Command help;
            if (args[0] == "holidays") {
                help.action = Action::HolidaysHelp;
                help.holidayFile = holidayFile;
            }
            return Succeed(help);
        }
    }
    ParseResult parsed = ParseCommand(args, clock);
    parsed.command.holidayFile = holidayFile;
    return parsed;
}

const char* UsageText() {
    return "Usage: lunacal [YYYY-MM-DD [HOUR]]\n"
           "       lunacal month [--list] [YYYY MM]\n"
           "       lunacal export FROM TO\n"
           "       lunacal ics [--years N] [--from YYYY-MM-DD] [--holidays] FILE.rem...\n"
           "       lunacal holidays [YYYY | --years]\n"
           "       lunacal --help\n"
           "\n"
           "Chinese lunar calendar for the Gregorian years 1900 to 2099.\n"
           "\n"
           "  lunacal [YYYY-MM-DD [HOUR]]\n"
           "      The calendar text of a day: lunar year with its stem-branch name and\n"
           "      zodiac animal, lunar month and day, the stem-branch names of month and\n"
           "      day and the double hour of HOUR (0-23), then the solar term and the\n"
           "      festivals of the day. Defaults: today and the current hour.\n"
           "  lunacal month [--list] [YYYY MM]\n"
           "      A month as a Sunday-first grid: the lunar names of its first day, then\n"
           "      every day with its label (solar term, festival, new lunar month or\n"
           "      lunar day). With --list: one line per day, the day, a tab and its\n"
           "      label. Default: this month. An official day off is marked 休, a\n"
           "      make-up workday 班 (with --list, in a third column).\n"
           "  lunacal export FROM TO\n"
           "      One tab-separated line per day from FROM to TO: date, lunar year,\n"
           "      lunar month, lunar day, leap month (0/1), days of the lunar month,\n"
           "      stem-branch names of year, month and day, zodiac animal, solar term\n"
           "      and its time (or -).\n"
           "  lunacal ics [--years N] [--from YYYY-MM-DD] FILE.rem...\n"
           "      The reminders of the files as an iCalendar file (RFC 5545, UTF-8) on\n"
           "      standard output, for N years (default 10) from today or FROM: a\n"
           "      reminder of Reminder.rem as a yearly event, one of LunarReminder.rem\n"
           "      (told by its file name) as one dated event per year, each with an\n"
           "      alarm at its minute; festivals of Solar.rem and Lunch.rem as all-day\n"
           "      events in the same way. With --holidays, the official days off and\n"
           "      make-up workdays of the span as all-day events too.\n"
           "  lunacal holidays [YYYY | --years]\n"
           "      The official days off and make-up workdays that the notice of a year\n"
           "      (default: this year) sets, one per line in date order: the date, a\n"
           "      tab, 休 or 班, a tab and the holiday. A year without a notice in the\n"
           "      data prints nothing and exits 3. With --years: the years covered, each\n"
           "      with a tab and the notices it comes from.\n"
           "\n"
           "Any command that shows the marks takes --holidays-file FILE: the user's\n"
           "Holidays.txt (GBK), whose years add to or replace the shipped ones.\n"
           "\n"
           "Exit status: 0 on success, 2 on bad input (a message on stderr), 3 when\n"
           "holidays has no data for the year, 1 when the output could not be written.\n";
}

} // namespace luna::lunacal
