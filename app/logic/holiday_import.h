// What the dialog "导入放假安排" makes of a pasted or opened text, shows before anything is
// stored, and what the calendar page says of the years covered. Pure: the dialog and the
// page only show these texts and store what they approve.
#pragma once

#include <string>
#include <vector>

#include "calendar/holidays.h"

namespace luna {

struct HolidayImport {
    bool ok = false;
    std::vector<HolidayYear> years; // to store, each checked (CheckHolidayYear)
    std::string message;            // GBK: what was read, or why nothing can be stored
};

// Reads a notice as published, a year of JSON (told by its "{") or our own text form
// (told by a "[YYYY]" line), in UTF-8 or GBK. A notice that changes one holiday of a year
// is laid over that year of `table`. Nothing is taken from a text with any fault.
HolidayImport ReadHolidayImport(const std::string& bytes, const HolidayTable& table);

// The days of a year month by month for the preview, one line a month (GBK, CR LF):
// "10月  1日-7日 休 国庆节；10日 班 国庆节".
std::string HolidayPreviewText(const HolidayYear& year);

// Where a year came from, in words (GBK): "随程序提供", "导入于 2026-12-08",
// "联网获取于 2026-12-08". The provenance on the year line of Holidays.txt is read here.
std::string HolidaySourceWords(HolidayYear year);

// The years covered and where each came from, for the calendar page (GBK): "2008-2026 年
// 随程序提供；2027 年导入于 2026-12-08". In December of a year whose next year has no
// data, a second line says so and points to the import.
std::string HolidayStatusText(const HolidayTable& table, int todayYear, int todayMonth);

} // namespace luna
