#include <gtest/gtest.h>

#include <cstring>

#include "calendar/lunar.h"
#include "calendar/lunar_tables.h"
#include "calendar/names.h"

namespace luna {
namespace {

LunarDate Convert(int year, int month, int day, int hour = 12) {
    LunarDate d{};
    d.year = year;
    d.month = month;
    d.day = day;
    d.hour = hour;
    EXPECT_EQ(ConvertToLunar(d), 0) << year << "-" << month << "-" << day;
    return d;
}

void ExpectLunar(const LunarDate& d, int year, int month, int day, int leap, int monthDays) {
    EXPECT_EQ(d.lunarYear, year);
    EXPECT_EQ(d.lunarMonth, month);
    EXPECT_EQ(d.lunarDay, day);
    EXPECT_EQ(d.isLeapMonth, leap);
    EXPECT_EQ(d.monthDays, monthDays);
}

std::string Names(const char* a, const char* b) {
    return std::string(a) + b;
}

TEST(DayCounting, LeapYearsDayNumbersAndWeekdaysAroundTheEpoch) {
    EXPECT_EQ(IsLeapYear(1900), 0);
    EXPECT_EQ(IsLeapYear(2000), 1);
    EXPECT_EQ(IsLeapYear(2004), 1);
    EXPECT_EQ(IsLeapYear(2100), 0);
    EXPECT_EQ(DaysInMonth(2004, 2), 29);
    EXPECT_EQ(DaysInMonth(2004, 13), 0);
    EXPECT_EQ(DayNumber(1900, 1, 31), 1);
    EXPECT_EQ(DayNumber(1900, 1, 30), 0);
    EXPECT_EQ(DayNumber(1900, 1, 1), -29);
    EXPECT_EQ(DayNumber(2004, 1, 22), 37977);
    EXPECT_EQ(WeekdayOf(1900, 1, 1), 1);
    EXPECT_EQ(WeekdayOf(1900, 1, 30), 2);
    EXPECT_EQ(WeekdayOf(2004, 1, 22), 4);
    EXPECT_EQ(WeekdayOf(2099, 12, 31), 4);
}

TEST(DayCounting, DayNumbersRunWithoutGaps) {
    int expected = DayNumber(1900, 1, 1);
    for (int y = 1900; y <= 2099; ++y) {
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= DaysInMonth(y, m); ++d) {
                ASSERT_EQ(DayNumber(y, m, d), expected++) << y << "-" << m << "-" << d;
            }
        }
    }
}

TEST(DayCounting, WildInputStaysDefined) {
    EXPECT_EQ(DayNumber(1899, 12, 31), DayNumber(1900, 12, 31)); // earlier years add nothing
    EXPECT_EQ(DayNumber(2004, 0, 1), DayNumber(2004, 1, 1));
    EXPECT_EQ(DayNumber(2004, 99, 1), DayNumber(2004, 12, 1));
    EXPECT_GT(DayNumber(2147483647, 12, 31), 0);
    EXPECT_LT(DayNumber(1900, 1, -2147483647), 0);
    const int w = WeekdayOf(-5, -7, -2147483647);
    EXPECT_TRUE(w >= 0 && w < 7);
}

TEST(Conversion, WorkedResults) {
    LunarDate d = Convert(1900, 1, 31);
    ExpectLunar(d, 1900, 1, 1, 0, 29);
    EXPECT_EQ(Names(kYearStems[d.yearStem], kYearBranches[d.yearBranch]), "庚子");
    EXPECT_EQ(Names(kMonthStems[d.monthStem], kMonthBranches[d.monthBranch]), "戊寅");
    EXPECT_EQ(Names(kDayStems[d.dayStem], kDayBranches[d.dayBranch]), "甲辰");

    d = Convert(2004, 1, 22);
    ExpectLunar(d, 2004, 1, 1, 0, 29);
    EXPECT_EQ(d.yearStem, 4);
    EXPECT_EQ(d.yearBranch, 8);
    EXPECT_STREQ(kZodiac[d.zodiac], "猴");
    EXPECT_EQ(d.monthStem, 9);
    EXPECT_EQ(d.monthBranch, 1);
    EXPECT_EQ(Names(kMonthStems[d.monthStem], kMonthBranches[d.monthBranch]), "丙寅");
    EXPECT_EQ(d.dayStem, 7);
    EXPECT_EQ(d.dayBranch, 9);
    EXPECT_EQ(Names(kDayStems[d.dayStem], kDayBranches[d.dayBranch]), "庚子");

    ExpectLunar(Convert(2004, 1, 21), 2003, 12, 30, 0, 30);
    ExpectLunar(Convert(2004, 3, 21), 2004, 2, 1, 1, 29);
    ExpectLunar(Convert(2001, 5, 23), 2001, 4, 1, 1, 29);
    ExpectLunar(Convert(2099, 12, 31), 2099, 11, 20, 0, 29);
}

TEST(Conversion, AgreesWithPublishedNewYearsAndLeapMonths) {
    ExpectLunar(Convert(2024, 2, 10), 2024, 1, 1, 0, 29);
    const LunarDate d = Convert(1949, 10, 1);
    EXPECT_EQ(d.lunarMonth * 100 + d.lunarDay, 810);
    EXPECT_EQ(Names(kDayStems[d.dayStem], kDayBranches[d.dayBranch]), "甲子");
    const LunarDate millennium = Convert(2000, 1, 1);
    EXPECT_EQ(Names(kDayStems[millennium.dayStem], kDayBranches[millennium.dayBranch]), "戊午");
    ExpectLunar(Convert(2023, 3, 22), 2023, 2, 1, 1, 29); // leap 2nd month of 2023
    ExpectLunar(Convert(2020, 5, 23), 2020, 4, 1, 1, 29); // leap 4th month of 2020
    ExpectLunar(Convert(1906, 5, 23), 1906, 4, 1, 1, 30); // 30-day leap month
}

TEST(Conversion, JanuaryBeforeTheFirstNewYearOfTheTable) {
    LunarDate d = Convert(1900, 1, 1);
    ExpectLunar(d, 1899, 12, 1, 0, 30);
    EXPECT_EQ(Names(kYearStems[d.yearStem], kYearBranches[d.yearBranch]), "己亥");
    EXPECT_STREQ(kZodiac[d.zodiac], "猪");
    EXPECT_EQ(Names(kMonthStems[d.monthStem], kMonthBranches[d.monthBranch]), "丁丑");
    EXPECT_EQ(Names(kDayStems[d.dayStem], kDayBranches[d.dayBranch]), "甲戌");

    d = Convert(1900, 1, 30);
    ExpectLunar(d, 1899, 12, 30, 0, 30);
    EXPECT_EQ(Names(kDayStems[d.dayStem], kDayBranches[d.dayBranch]), "癸卯");
}

TEST(Conversion, RejectsDatesOutsideTheTableAndKeepsTheOldLunarDate) {
    const int badDates[][3] = {{1899, 12, 31}, {2100, 1, 1}, {2004, 2, 30}, {2003, 2, 29},
                               {2004, 13, 1},  {2004, 0, 1}, {2004, 1, 0},  {2004, 4, 31},
                               {2099, 12, 32}, {-1, 1, 1}};
    for (const auto& bad : badDates) {
        LunarDate d{};
        d.year = bad[0];
        d.month = bad[1];
        d.day = bad[2];
        d.lunarYear = 7;
        d.lunarMonth = 8;
        d.lunarDay = 9;
        d.dayStem = 3;
        EXPECT_EQ(ConvertToLunar(d), 1) << bad[0] << "-" << bad[1] << "-" << bad[2];
        EXPECT_EQ(d.lunarYear, 7);
        EXPECT_EQ(d.lunarMonth, 8);
        EXPECT_EQ(d.lunarDay, 9);
        EXPECT_EQ(d.dayStem, 0);
        EXPECT_STREQ(d.hourName, "");
    }
}

// Every day follows its predecessor, every year's table is walked month by month,
// and the cycle indices advance in step.
TEST(Conversion, EveryDayFrom1900To2099FollowsItsPredecessor) {
    LunarDate previous = Convert(1900, 1, 31);
    int lunarMonthsSeen = 0;
    int leapDays = 0;
    for (int y = 1900; y <= 2099; ++y) {
        for (int m = 1; m <= 12; ++m) {
            for (int day = 1; day <= DaysInMonth(y, m); ++day) {
                if (y == 1900 && m == 1 && day <= 31) {
                    continue;
                }
                const LunarDate d = Convert(y, m, day);
                ASSERT_TRUE(d.monthDays == 29 || d.monthDays == 30);
                ASSERT_TRUE(d.lunarYear == y || d.lunarYear == y - 1);
                ASSERT_EQ(d.dayStem, (previous.dayStem + 1) % 10);
                ASSERT_EQ(d.dayBranch, (previous.dayBranch + 1) % 12);
                if (d.lunarDay == previous.lunarDay + 1) {
                    ASSERT_EQ(d.lunarMonth, previous.lunarMonth);
                    ASSERT_EQ(d.isLeapMonth, previous.isLeapMonth);
                    ASSERT_EQ(d.monthDays, previous.monthDays);
                    ASSERT_EQ(d.lunarYear, previous.lunarYear);
                } else {
                    ASSERT_EQ(d.lunarDay, 1) << y << "-" << m << "-" << day;
                    ASSERT_EQ(previous.lunarDay, previous.monthDays);
                    ++lunarMonthsSeen;
                    if (d.isLeapMonth) {
                        ASSERT_EQ(d.lunarMonth, previous.lunarMonth);
                        ASSERT_EQ(d.lunarMonth, LeapMonthOf(d.lunarYear - 1900));
                        ASSERT_EQ(d.monthDays, LeapMonthLength(d.lunarYear - 1900));
                    } else if (previous.lunarMonth == 12) {
                        ASSERT_EQ(d.lunarMonth, 1);
                        ASSERT_EQ(d.lunarYear, previous.lunarYear + 1);
                        ASSERT_EQ(d.yearStem, (previous.yearStem + 1) % 10);
                        ASSERT_EQ(d.zodiac, (previous.zodiac + 1) % 12);
                    } else {
                        ASSERT_EQ(d.lunarMonth, previous.lunarMonth + 1);
                        ASSERT_EQ(d.monthDays, LunarMonthLength(d.lunarYear - 1900, d.lunarMonth));
                    }
                    if (!d.isLeapMonth) {
                        ASSERT_EQ(d.monthBranch, (previous.monthBranch + 1) % 12);
                    } else {
                        ASSERT_EQ(d.monthBranch, previous.monthBranch);
                        ASSERT_EQ(d.monthStem, previous.monthStem);
                    }
                }
                leapDays += d.isLeapMonth;
                previous = d;
            }
        }
    }
    ExpectLunar(previous, 2099, 11, 20, 0, 29);
    EXPECT_GT(lunarMonthsSeen, 2400);
    EXPECT_GT(leapDays, 0);
}

TEST(YearTable, LengthsAndLeapMonthsAreWithinTheCalendarsBounds) {
    int leapYears = 0;
    for (int k = 0; k < kLunarYearCount; ++k) {
        EXPECT_GE(LunarYearLength(k), 353);
        EXPECT_LE(LunarYearLength(k), 385);
        EXPECT_EQ(kLunarYearInfo[k] >> 16, 0u);
        if (LeapMonthOf(k) != 0) {
            ++leapYears;
            EXPECT_GE(LeapMonthOf(k), 2);
            EXPECT_LE(LeapMonthOf(k), 10);
        }
    }
    EXPECT_EQ(leapYears, 74);
    EXPECT_EQ(LeapMonthOf(1900 - 1900), 8);
    EXPECT_EQ(LeapMonthLength(1900 - 1900), 29);
    EXPECT_EQ(LeapMonthLength(1906 - 1900), 30);
    EXPECT_EQ(LeapMonthOf(2033 - 1900), 7);
}

TEST(DoubleHours, PairsOfHoursShareAName) {
    EXPECT_STREQ(DoubleHourName(1), "丑时");
    EXPECT_STREQ(DoubleHourName(2), "丑时");
    EXPECT_STREQ(DoubleHourName(3), "寅时");
    EXPECT_STREQ(DoubleHourName(12), "午时");
    EXPECT_STREQ(DoubleHourName(22), "亥时");
    EXPECT_STREQ(DoubleHourName(23), "子时");
    EXPECT_STREQ(DoubleHourName(0), "子时");
    EXPECT_STREQ(DoubleHourName(24), "");
    EXPECT_STREQ(DoubleHourName(-1), "");
    EXPECT_STREQ(Convert(2004, 1, 22, 10).hourName, "巳时");
    EXPECT_STREQ(Convert(2004, 1, 22, 99).hourName, "");
}

TEST(Names, LiteralsAreGbkAndLateDaysUseGan) {
    EXPECT_EQ(std::memcmp("农", "\xC5\xA9", 3), 0); // code page 936 at run time
    EXPECT_STREQ(kLunarDayNames[20], "甘一");
    EXPECT_STREQ(kLunarDayNames[29], "三十");
    EXPECT_STREQ(kSolarTermNames[0], " ");
}

} // namespace
} // namespace luna
