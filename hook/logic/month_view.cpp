#include "hook/logic/month_view.h"

#include <cstdint>
#include <cstdio>

#include "calendar/iso_week.h"
#include "calendar/lunar.h"

namespace luna {
namespace {

constexpr int kWeekColumnShare = 15; // the week column takes 1/15 of the grid's width

int MonthIndex(ShownMonth m) {
    return m.year * 12 + (m.month - 1);
}

bool InRange(ShownMonth m) {
    return m.month >= 1 && m.month <= 12 && m.year >= kFirstYear && m.year <= kLastYear;
}

std::int64_t SecondsOf(const LocalTime& t) {
    return static_cast<std::int64_t>(DayNumber(t.year, t.month, t.day)) * 86400 + t.hour * 3600 +
           t.minute * 60 + t.second;
}

} // namespace

ShownMonth StepMonth(ShownMonth from, int delta) {
    if (!InRange(from) || delta < -2400 || delta > 2400) {
        return from;
    }
    const int index = MonthIndex(from) + delta;
    const ShownMonth to{index / 12, index % 12 + 1};
    return InRange(to) ? to : from;
}

MonthTitle FormatMonthTitle(ShownMonth month) {
    MonthTitle title{};
    std::snprintf(title.text, sizeof title.text, "%d年%d月", month.year, month.month);
    return title;
}

PixelRect MonthGridLayout::TitleRow() const {
    return {cells.weekColumn, 0, cells.weekColumn + 7 * cells.cellWidth, cells.titleHeight};
}

PixelRect MonthGridLayout::TitleColumn(int column) const {
    const int left = cells.weekColumn + column * cells.cellWidth;
    return {left, 0, left + cells.cellWidth, cells.titleHeight};
}

PixelRect MonthGridLayout::WeekCell(int row) const {
    const int top = cells.titleHeight + (row + 1) * cells.rowHeight;
    return {0, top, cells.weekColumn, top + cells.rowHeight};
}

MonthGridLayout LayoutMonthGrid(const PanelGeometry& geometry, ShownMonth month, int fontHeight,
                                bool weekNumbers) {
    MonthGridLayout layout{};
    layout.daysInMonth = InRange(month) ? DaysInMonth(month.year, month.month) : 0;
    layout.firstWeekday = layout.daysInMonth > 0 ? WeekdayOf(month.year, month.month, 1) : 0;
    layout.weeks = layout.daysInMonth > 0 ? (layout.firstWeekday + layout.daysInMonth + 6) / 7 : 0;
    layout.cells = ComputeGridMetrics(geometry, layout.weeks, fontHeight);
    if (weekNumbers) {
        const int width = geometry.calendarSurface.width;
        layout.cells.weekColumn = width / kWeekColumnShare;
        layout.cells.cellWidth = (width - layout.cells.weekColumn) / 7;
    }
    return layout;
}

GridHit HitTestMonthGrid(const MonthGridLayout& layout, bool awayFromToday, int x, int y) {
    const int cw = layout.cells.cellWidth;
    const int rh = layout.cells.rowHeight;
    const int left = layout.cells.weekColumn;
    const int title = layout.cells.titleHeight;
    const int right = left + 7 * cw;
    const int bottom = title + (layout.weeks + 1) * rh;
    if (cw <= 0 || rh <= 0 || x < 0 || y < 0 || x >= right || y >= bottom) {
        return {GridTarget::kOutside, 0};
    }
    if (x < left) {
        return {GridTarget::kPlain, 0};
    }
    const int column = (x - left) / cw;
    if (y < title) {
        if (column == kPreviousMarkColumn) {
            return {GridTarget::kPrevious, 0};
        }
        if (column == kNextMarkColumn) {
            return {GridTarget::kNext, 0};
        }
        if (column == kTodayMarkColumn && awayFromToday) {
            return {GridTarget::kToday, 0};
        }
        return {GridTarget::kPlain, 0};
    }
    const int row = (y - title) / rh - 1; // -1: the weekday names
    const int day = row * 7 + column - layout.firstWeekday + 1;
    if (row < 0 || day < 1 || day > layout.daysInMonth) {
        return {GridTarget::kPlain, 0};
    }
    return {GridTarget::kDay, day};
}

int WeekNumberOfRow(ShownMonth month, const MonthGridLayout& layout, int row) {
    int day = row * 7 + 1 - layout.firstWeekday + 1; // column 1 is Monday
    ShownMonth at = month;
    if (day < 1) {
        at = StepMonth(month, -1);
        day += DaysInMonth(at.year, at.month);
    } else if (day > layout.daysInMonth) {
        at = StepMonth(month, 1);
        day -= layout.daysInMonth;
    }
    return at == month && (day < 1 || day > layout.daysInMonth)
               ? 0
               : IsoWeekNumber(at.year, at.month, day);
}

bool ReturnsToToday(const LocalTime& lastClick, const LocalTime& now) {
    if (lastClick.year != now.year || lastClick.month != now.month || lastClick.day != now.day) {
        return true;
    }
    const std::int64_t idle = SecondsOf(now) - SecondsOf(lastClick);
    return idle < 0 || idle >= kIdleReturnSeconds;
}

} // namespace luna
