#include "hook/logic/month_view.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace luna {
namespace {

TEST(MonthView, StepsAcrossYearsAndStopsAtTheEndsOfTheCalendar) {
    const struct {
        ShownMonth from;
        int delta;
        ShownMonth to;
    } cases[] = {
        {{2026, 12}, 1, {2027, 1}},   {{2027, 1}, -1, {2026, 12}}, {{2026, 12}, 2, {2027, 2}},
        {{2026, 3}, -15, {2024, 12}}, {{1900, 1}, -1, {1900, 1}},  {{2099, 12}, 1, {2099, 12}},
        {{1900, 2}, -1, {1900, 1}},   {{2099, 11}, 1, {2099, 12}}, {{2026, 13}, 1, {2026, 13}},
    };
    for (const auto& c : cases) {
        const ShownMonth to = StepMonth(c.from, c.delta);
        EXPECT_TRUE(to == c.to) << c.from.year << "-" << c.from.month << " " << c.delta << " gave "
                                << to.year << "-" << to.month;
    }
    EXPECT_STREQ(FormatMonthTitle({2026, 12}).text, "2026年12月");
}

// January 2027 has six weeks (the 1st a Friday, the 31st a Sunday): on 1024x768 above a
// 30-pixel taskbar its rows are 65 pixels high under a title row of 21; cells 97 wide, or
// 91 beside a week column of 45.
TEST(MonthView, PointsOfTheGridStandForMarksAndDays) {
    const PanelGeometry g = ComputePanelGeometry(PlaceSingleScreen(1024, 768, 738));
    const MonthGridLayout plain = LayoutMonthGrid(g, {2027, 1}, 13, false);
    const MonthGridLayout weeks = LayoutMonthGrid(g, {2027, 1}, 13, true);
    ASSERT_EQ(plain.weeks, 6);
    const struct {
        const char* name;
        const MonthGridLayout& layout;
        bool away;
        int x, y;
        GridTarget target;
        int day;
    } cases[] = {
        {"previous", plain, false, 10, 5, GridTarget::kPrevious, 0},
        {"next", plain, false, 6 * 97 + 10, 5, GridTarget::kNext, 0},
        {"今天 while away", plain, true, 5 * 97 + 10, 5, GridTarget::kToday, 0},
        {"no 今天 on today's month", plain, false, 5 * 97 + 10, 5, GridTarget::kPlain, 0},
        {"the title text", plain, true, 3 * 97, 5, GridTarget::kPlain, 0},
        {"weekday names", plain, true, 10, 21 + 10, GridTarget::kPlain, 0},
        {"the 1st, a Friday", plain, false, 5 * 97 + 10, 21 + 65 + 10, GridTarget::kDay, 1},
        {"empty cell before it", plain, false, 10, 21 + 65 + 10, GridTarget::kPlain, 0},
        {"the 31st in the sixth week", plain, false, 10, 21 + 6 * 65 + 5, GridTarget::kDay, 31},
        {"below the last week", plain, false, 10, 21 + 7 * 65, GridTarget::kOutside, 0},
        {"right of Saturday", plain, false, 7 * 97, 100, GridTarget::kOutside, 0},
        {"left of the grid", plain, false, -1, 100, GridTarget::kOutside, 0},
        {"week column", weeks, false, 10, 21 + 65 + 10, GridTarget::kPlain, 0},
        {"previous beside the week column", weeks, false, 50, 5, GridTarget::kPrevious, 0},
        {"the 1st beside it", weeks, false, 45 + 5 * 91 + 5, 21 + 65 + 10, GridTarget::kDay, 1},
        {"the 31st beside it", weeks, false, 45 + 10, 21 + 6 * 65 + 5, GridTarget::kDay, 31},
    };
    for (const auto& c : cases) {
        const GridHit hit = HitTestMonthGrid(c.layout, c.away, c.x, c.y);
        EXPECT_EQ(hit.target, c.target) << c.name;
        EXPECT_EQ(hit.day, c.day) << c.name;
    }
}

TEST(MonthView, WeekNumbersAreThoseOfEachRowsMonday) {
    const PanelGeometry g = ComputePanelGeometry(PlaceSingleScreen(1024, 768, 738));
    const MonthGridLayout december = LayoutMonthGrid(g, {2026, 12}, 13, true);
    const MonthGridLayout january = LayoutMonthGrid(g, {2027, 1}, 13, true);
    EXPECT_EQ(WeekNumberOfRow({2026, 12}, december, 0), 49); // Monday 30 November
    EXPECT_EQ(WeekNumberOfRow({2026, 12}, december, 4), 53); // Monday 28 December
    EXPECT_EQ(WeekNumberOfRow({2027, 1}, january, 0), 53);   // the same week
    EXPECT_EQ(WeekNumberOfRow({2027, 1}, january, 1), 1);    // Monday 4 January
    EXPECT_EQ(WeekNumberOfRow({2027, 1}, january, 5), 5);    // Monday 1 February
}

LocalTime At(const char* text) {
    LocalTime t{};
    std::sscanf(text, "%d-%d-%d %d:%d:%d", &t.year, &t.month, &t.day, &t.hour, &t.minute,
                &t.second);
    return t;
}

TEST(MonthView, AnotherMonthReturnsToTodayAfterTwoIdleMinutesOrADateChange) {
    const struct {
        const char* lastClick;
        const char* now;
        bool returns;
    } cases[] = {
        {"2026-12-22 10:00:00", "2026-12-22 10:01:59", false},
        {"2026-12-22 10:00:00", "2026-12-22 10:02:00", true},
        {"2026-12-22 23:59:30", "2026-12-23 00:00:00", true}, // midnight
        {"2026-12-22 10:00:00", "2026-12-22 09:59:00", true}, // clock set back
        {"2026-12-31 23:59:50", "2027-01-01 00:00:01", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReturnsToToday(At(c.lastClick), At(c.now)), c.returns)
            << c.lastClick << " -> " << c.now;
    }
}

} // namespace
} // namespace luna
