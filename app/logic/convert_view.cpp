#include "app/logic/convert_view.h"

#include <cstddef>
#include <string>

#include "calendar/names.h"

namespace luna {

namespace {

template <std::size_t N> void CopyBounded(const char* text, char (&out)[N]) {
    std::size_t i = 0;
    for (; i + 1 < N && text[i] != '\0'; ++i) {
        out[i] = text[i];
    }
    out[i] = '\0';
}

} // namespace

ConvertView LayOutConvertMonth(const ConversionMonth& month) {
    ConvertView view{};
    view.lunarYearIndex = -1;
    view.lunarMonthIndex = -1;
    for (ConvertCell& cell : view.cells) {
        CopyBounded(kConvertBlankCell, cell.number);
        CopyBounded(kConvertBlankCell, cell.label);
    }
    const int days = month.daysInMonth;
    if (days < 1 || days > 31 || month.firstWeekday < 0 ||
        month.firstWeekday + days > kConvertCellCount) {
        return view;
    }
    const int lunarYearIndex = month.firstLunarYear - kConvertFirstLunarYear;
    if (lunarYearIndex >= 0 && lunarYearIndex < kConvertYearCount) {
        view.lunarYearIndex = lunarYearIndex;
    }
    if (month.firstLunarMonth >= 1 && month.firstLunarMonth <= 12) {
        view.lunarMonthIndex = month.firstLunarMonth - 1;
    }
    CopyBounded(month.title, view.title);
    for (int day = 1; day <= days; ++day) {
        ConvertCell& cell = view.cells[month.firstWeekday + day - 1];
        const HolidayMark mark = month.marks[day - 1];
        const std::string number =
            std::string(kSolarDayNames[day - 1]) + (mark == HolidayMark::Off    ? "休"
                                                    : mark == HolidayMark::Work ? "班"
                                                                                : "");
        CopyBounded(number.c_str(), cell.number);
        cell.mark = mark;
        CopyBounded(month.labels[day - 1], cell.label);
    }
    return view;
}

std::string ConvertHolidayNote(const HolidayTable& table, int year) {
    const std::string note = HolidayCoverageNote(table);
    return table.Covers(year) ? note : std::to_string(year) + " 年无节假日安排；" + note;
}

bool ConvertMonthOfSelection(int yearIndex, int monthIndex, int* year, int* month) {
    if (yearIndex < 0 || yearIndex >= kConvertYearCount || monthIndex < 0 || monthIndex >= 12) {
        return false;
    }
    *year = kConvertFirstYear + yearIndex;
    *month = monthIndex + 1;
    return true;
}

} // namespace luna
