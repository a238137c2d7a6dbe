// The month grid as something to use: which month it shows, where its title row and week
// column lie (the day cells: GridDayCell), what a point of it stands for, and when it goes
// back to today's month by itself.
//
// The grid's own coordinates start at its top left corner (PanelGeometry::monthGrid). From
// the top: the title row ("2026年12月" with the previous-month mark over the first day column, the
// next-month mark over the last and "今天" beside it while another month is shown), the weekday
// names, then one row per week. With week numbers the ISO week of each row's Monday stands in a
// narrow column left of the days.
#pragma once

#include "calendar/local_time.h"
#include "hook/logic/panel_geometry.h"

namespace luna {

struct ShownMonth {
    int year;
    int month;
    bool operator==(const ShownMonth& other) const {
        return year == other.year && month == other.month;
    }
};

// The month `delta` months after (before, when negative) `from`, across years; `from`
// itself when that would leave January 1900 to December 2099.
ShownMonth StepMonth(ShownMonth from, int delta);

// "2026年12月", GBK.
struct MonthTitle {
    char text[16];
};
MonthTitle FormatMonthTitle(ShownMonth month);

// Where everything lies for one month: GridMetrics (whose cells and weekday names
// panel_geometry.h places) with the week column set, and the month's own measures.
struct MonthGridLayout {
    GridMetrics cells;
    int firstWeekday; // column of the 1st, 0 = Sunday
    int daysInMonth;  // 0 for a month outside 1900-2099
    int weeks;        // rows of days: 4 to 6

    PixelRect TitleRow() const;
    PixelRect TitleColumn(int column) const; // the title row above a day column
    PixelRect WeekCell(int row) const;       // the week number of a row of days
};

// The layout of a month on the panels: week rows, the title row and the weekday row share
// the room above the grid's bottom as GridMetrics does; the week column takes a fifteenth of
// the width from the day columns.
MonthGridLayout LayoutMonthGrid(const PanelGeometry& geometry, ShownMonth month, int fontHeight,
                                bool weekNumbers);

// The title row's marks sit over these day columns.
constexpr int kPreviousMarkColumn = 0;
constexpr int kTodayMarkColumn = 5;
constexpr int kNextMarkColumn = 6;

enum class GridTarget {
    kOutside,  // not on the grid
    kPlain,    // on the grid, on nothing that acts: the title text, the weekday names,
               // a week number, a cell without a day
    kPrevious, // "‹"
    kNext,     // "›"
    kToday,    // "今天", only while another month than today's is shown
    kDay,      // a day's cell
};

struct GridHit {
    GridTarget target;
    int day; // 1-31 for kDay, else 0
};

// What the point (x, y) of the grid's own coordinates stands for.
GridHit HitTestMonthGrid(const MonthGridLayout& layout, bool awayFromToday, int x, int y);

// The ISO week number of a row of days: that of its Monday, which may lie in the month
// before or after.
int WeekNumberOfRow(ShownMonth month, const MonthGridLayout& layout, int row);

// Another month than today's stays shown until two minutes pass without a click on the
// grid, or the date changes (midnight, or the clock set to another day or back).
constexpr int kIdleReturnSeconds = 120;
bool ReturnsToToday(const LocalTime& lastClick, const LocalTime& now);

} // namespace luna
