// How lunavis writes a year it imported or downloaded into the user's Holidays.txt (the
// text form of calendar/holidays.h), and how it tells afterwards where a year came from.
// The year line carries the provenance after the notice's title, so the file stays
// readable by every reader of the form and by the user:
//
//   [2027] 国务院办公厅关于2027年部分节假日安排的通知（导入 2026-12-08）
//
// Only the block of the year stored is rewritten; the user's other lines, comments and
// even lines no reader understands stay as they were.
#pragma once

#include <string>

#include "calendar/holidays.h"

namespace luna {

// "（导入 2026-12-08）" or "（联网获取 2026-12-08）" (GBK); "" for the shipped source.
std::string ProvenanceTag(HolidaySource source, const std::string& date);

// A year read from the file whose notice ends in a tag: the tag is taken off the notice
// and gives the source and date. Other years are left as they are.
void TakeProvenance(HolidayYear& year);

// The block of the year: its line (notice and tag of year.source and year.sourceDate),
// then one line per day, "2027-01-01 休 元旦", CR LF after each.
std::string HolidayYearBlock(const HolidayYear& year);

// The file's text with every block of year.year taken out (the year line up to the next
// year line) and the year's block appended.
std::string ReplaceHolidayYearBlock(const std::string& fileText, const HolidayYear& year);

} // namespace luna
