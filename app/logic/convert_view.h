// What the calendar conversion dialog shows for one Gregorian month: the selections of its
// four combo boxes, the title line and the texts of the 37 cells of its grid.
#pragma once

#include <string>

#include "calendar/holidays.h"
#include "shared/month_annotations.h"

namespace luna {

constexpr int kConvertCellCount = 37; // 6 rows, the last one with 2 cells
constexpr int kConvertFirstYear = 1900;
constexpr int kConvertYearCount = 200;            // 1900-2099 in the year box
constexpr int kConvertFirstLunarYear = 1899;      // 1899-2098 in the lunar year box
constexpr char kConvertBlankCell[] = "         "; // nine blanks

struct ConvertCell {
    char number[10]; // " 1".."31" (with 休 or 班 on a marked day), or nine blanks
    char label[16];
    HolidayMark mark; // the number is drawn in the mark's colour
};

struct ConvertView {
    int lunarYearIndex;  // item of the lunar year box, -1 when it has no such item
    int lunarMonthIndex; // item of the lunar month box, -1 for a month out of range
    char title[32];
    ConvertCell cells[kConvertCellCount];
};

// Cells before the 1st and after the last day are blank; day d lies in cell
// firstWeekday + d - 1. A month outside 1900-2099 shows only blank cells.
ConvertView LayOutConvertMonth(const ConversionMonth& month);

// What the dialog says of the holiday data for a year: how far the data goes, after
// "2027 年无节假日安排；" for a year that no notice covers (GBK).
std::string ConvertHolidayNote(const HolidayTable& table, int year);

// The month chosen by the selections of the year and month boxes; false when either
// index is out of range (no month is then shown).
bool ConvertMonthOfSelection(int yearIndex, int monthIndex, int* year, int* month);

} // namespace luna
