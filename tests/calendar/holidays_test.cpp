#include <gtest/gtest.h>

#include <map>

#include "calendar/holidays.h"
#include "calendar/lunar.h"

namespace luna {
namespace {

int Serial(const HolidayEntry& e) {
    return DayNumber(e.year, e.month, e.day);
}

// The shipped years keep the rules every notice follows.
TEST(Holidays, ShippedYearsKeepTheNoticesRules) {
    const std::vector<HolidayYear>& years = ShippedHolidayYears();
    ASSERT_TRUE(ShippedHolidays().problems.empty()) << ShippedHolidays().problems[0].line;
    ASSERT_EQ(years.size(), 19u);
    const HolidayTable table;
    for (const HolidayYear& year : years) {
        SCOPED_TRACE(year.year);
        EXPECT_EQ(year.year, 2008 + static_cast<int>(&year - &years[0]));
        std::map<int, int> markOfDay;
        std::map<std::string, std::pair<int, int>> offRun; // name: first, last day off
        std::map<std::string, int> offCount;
        for (const HolidayEntry& e : year.days) {
            EXPECT_TRUE(markOfDay.emplace(Serial(e), static_cast<int>(e.mark)).second)
                << e.month << "-" << e.day << " is marked twice";
            EXPECT_EQ(table.Find(e.year, e.month, e.day)->name, e.name);
            if (e.mark == HolidayMark::Work) {
                const int weekday = WeekdayOf(e.year, e.month, e.day);
                EXPECT_TRUE(weekday == 0 || weekday == 6) << e.month << "-" << e.day;
                continue;
            }
            auto [at, fresh] = offRun.emplace(e.name, std::make_pair(Serial(e), Serial(e)));
            at->second.first = std::min(at->second.first, Serial(e));
            at->second.second = std::max(at->second.second, Serial(e));
            ++offCount[e.name];
        }
        for (const auto& [name, run] : offRun) {
            EXPECT_EQ(run.second - run.first + 1, offCount[name]) << name << " has a gap";
        }
        // 春节 covers the lunar new year's day.
        ASSERT_TRUE(offRun.count("春节"));
        bool covered = false;
        for (int serial = offRun["春节"].first; serial <= offRun["春节"].second; ++serial) {
            LunarDate d{};
            d.year = year.year;
            d.month = 1;
            d.day = serial - DayNumber(year.year, 1, 1) + 1;
            while (d.day > DaysInMonth(d.year, d.month)) {
                d.day -= DaysInMonth(d.year, d.month++);
            }
            ASSERT_EQ(ConvertToLunar(d), 0);
            covered = covered || (d.lunarMonth == 1 && d.lunarDay == 1 && d.isLeapMonth == 0);
        }
        EXPECT_TRUE(covered);
    }
    EXPECT_FALSE(table.Covers(2027));
    EXPECT_EQ(table.MarkOf(2027, 1, 1), HolidayMark::None);
    EXPECT_EQ(table.MarkOf(2018, 12, 30), HolidayMark::Off); // set by the notice of 2019
}

// The user's file adds a year; a bad line is named and skipped, the rest still counts.
TEST(Holidays, UserFileAddsYearsAndReportsBadLines) {
    const HolidayParse parse =
        ParseHolidayText("# next year\n"
                         "[2027] 国务院办公厅关于2027年部分节假日安排的通知\n"
                         "2027-01-01 休 元旦\n"
                         "2027-02-30 休 春节\n"
                         "2027-02-05..11 休 春节\n"
                         "2027-02-06 班 春节\n"
                         "2027-02-14 调 春节\n"
                         "2026-12-26..27 休 元旦\r\n",
                         HolidaySource::Imported);
    ASSERT_EQ(parse.problems.size(), 3u);
    EXPECT_EQ(parse.problems[0].line, 4); // no such date
    EXPECT_EQ(parse.problems[1].line, 6); // a day given twice
    EXPECT_EQ(parse.problems[2].line, 7); // neither 休 nor 班
    HolidayTable table;
    table.Apply(parse.years);
    EXPECT_EQ(table.LastYear(), 2027);
    EXPECT_EQ(HolidayCoverageNote(table), "节假日安排已收录至 2027 年");
    EXPECT_EQ(HolidayTextLine(table.Find(2027, 2, 11)), "春节 放假");
    EXPECT_EQ(table.MarkOf(2026, 12, 27), HolidayMark::Off);
    EXPECT_EQ(table.MarkOf(2026, 10, 10), HolidayMark::Work); // shipped 2026 stays
    EXPECT_EQ(table.Year(2027)->days.size(), 10u);
}

// Each of these lines is refused, named by its number, and costs nothing else.
TEST(Holidays, MalformedLinesAreRefused) {
    const char* bad[] = {
        "2027-01-01 休 元旦",        // before any year line
        "[20x7] 通知",               // not a year
        "[2027]通知",                // fine: opens 2027
        "2027-01-03..01 休 元旦",    // a run that ends before it starts
        "2027-01-01..02-15 休 春节", // a run longer than a month
        "2025-12-31 休 元旦",        // outside the notice's reach
        "2027-01-01 休",             // no name
        "2027-01-01 休元旦",         // no blank before the name
        "2027-1-1 休 元旦",          // not YYYY-MM-DD
    };
    std::string text;
    for (const char* line : bad) {
        text += std::string(line) + "\n";
    }
    const HolidayParse parse = ParseHolidayText(text, HolidaySource::Imported);
    std::vector<int> lines;
    for (const HolidayProblem& problem : parse.problems) {
        lines.push_back(problem.line);
    }
    EXPECT_EQ(lines, (std::vector<int>{1, 2, 4, 5, 6, 7, 8, 9}));
    ASSERT_EQ(parse.years.size(), 1u);
    EXPECT_TRUE(parse.years[0].days.empty());
}

} // namespace
} // namespace luna
