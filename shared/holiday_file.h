// The user's holiday file, Holidays.txt in the data folder: years that the program does
// not ship yet, or that replace shipped ones, in the text form of calendar/holidays.h. Both
// deliverables and lunacal read it through here.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "calendar/holidays.h"

namespace luna {

constexpr char kHolidayFileName[] = "Holidays.txt";

// A larger file is not read at all (it cannot be a list of holidays).
constexpr std::size_t kHolidayFileMax = 256 * 1024;

struct HolidayFileRead {
    bool opened = false;   // false for a missing or unreadable file
    bool tooLarge = false; // opened, but over kHolidayFileMax: nothing taken
    HolidayParse parse;
};

// Reads the file at a GBK path.
HolidayFileRead ReadHolidayFile(const char* path);

// The shipped years with the file's years over them. Each problem of the file (a bad
// line, a file too large) gives one message of `messages`, naming the file and the line.
HolidayTable LoadHolidayTable(const char* path, std::vector<std::string>* messages);

// "Holidays.txt 第3行：日期应写作 YYYY-MM-DD，已忽略。" (GBK).
std::string HolidayProblemMessage(const HolidayProblem& problem);

} // namespace luna
