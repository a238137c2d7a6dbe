#include <gtest/gtest.h>

#include "calendar/lunar.h"
#include "calendar/lunar_rules.h"

namespace luna {
namespace {

GregorianDay Anniversary(int lunarYear, int month, bool leap, int day) {
    GregorianDay g{};
    EXPECT_TRUE(LunarAnniversaryIn(lunarYear, month, leap, day, g))
        << lunarYear << (leap ? " leap " : " ") << month << "-" << day;
    return g;
}

void ExpectDay(const GregorianDay& g, int year, int month, int day) {
    EXPECT_EQ(g.year, year);
    EXPECT_EQ(g.month, month);
    EXPECT_EQ(g.day, day);
}

TEST(LunarRules, LeapMonthDateInYearsWithAndWithoutThatLeapMonth) {
    // 2004 has a leap 2nd month of 29 days, starting on 21 March.
    ExpectDay(Anniversary(2004, 2, true, 1), 2004, 3, 21);
    ExpectDay(Anniversary(2004, 2, false, 1), 2004, 2, 20); // ordinary month, never the leap
    // 2005 has no leap month: the ordinary 2nd month stands in.
    ExpectDay(Anniversary(2005, 2, true, 1), 2005, 3, 10);
    // 2001's leap month is the 4th: a leap-2nd date falls in the ordinary 2nd month.
    ExpectDay(Anniversary(2001, 4, true, 1), 2001, 5, 23);
    ExpectDay(Anniversary(2001, 2, true, 1), 2001, 2, 23);
}

TEST(LunarRules, DayThirtyFallsOnTheTwentyNinthOfShortMonths) {
    // 2004's leap 2nd month has 29 days: its "30th" is its 29th, 18 April.
    ExpectDay(Anniversary(2004, 2, true, 30), 2004, 4, 18);
    // 12-30, 除夕: lunar 2003 has a 30-day 12th month, lunar 2024 a 29-day one.
    ExpectDay(Anniversary(2003, 12, false, 30), 2004, 1, 21);
    ExpectDay(Anniversary(2024, 12, false, 30), 2025, 1, 28);
}

// Every yearly date in every year of the table lands where the rules say, and no ordinary
// date ever lands in a leap month.
TEST(LunarRules, EveryDateOfEveryYearFollowsTheRules) {
    for (int year = 1900; year <= 2099; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (const bool leap : {false, true}) {
                const bool inLeap = leap && LunarLeapMonthOf(year) == month;
                const int length = LunarMonthDays(year, month, inLeap);
                for (int day = 1; day <= 30; ++day) {
                    GregorianDay g{};
                    if (!LunarAnniversaryIn(year, month, leap, day, g)) {
                        // Only the end of lunar 2099 runs into 2100.
                        ASSERT_EQ(year, 2099) << month << "-" << day;
                        continue;
                    }
                    LunarDate back{};
                    back.year = g.year;
                    back.month = g.month;
                    back.day = g.day;
                    ASSERT_EQ(ConvertToLunar(back), 0);
                    ASSERT_EQ(back.lunarYear, year);
                    ASSERT_EQ(back.lunarMonth, month);
                    ASSERT_EQ(back.isLeapMonth, inLeap ? 1 : 0) << year << "-" << month;
                    ASSERT_EQ(back.lunarDay, day < length ? day : length);
                }
            }
        }
    }
}

TEST(LunarRules, BothEndsOfTheRange) {
    ExpectDay(Anniversary(1900, 1, false, 1), 1900, 1, 31);
    ExpectDay(Anniversary(1900, 8, true, 29), 1900, 10, 22); // 1900's leap 8th month
    ExpectDay(Anniversary(2099, 11, false, 20), 2099, 12, 31);
    GregorianDay g{};
    EXPECT_FALSE(LunarAnniversaryIn(2099, 11, false, 21, g)); // 1 January 2100
    EXPECT_FALSE(LunarAnniversaryIn(1899, 12, false, 1, g));
    EXPECT_FALSE(LunarAnniversaryIn(2100, 1, false, 1, g));
    EXPECT_FALSE(LunarAnniversaryIn(2000, 13, false, 1, g));
    EXPECT_FALSE(LunarAnniversaryIn(2000, 1, false, 31, g));
    EXPECT_FALSE(LunarToGregorian(2005, 2, true, 1, g)); // no such leap month
    EXPECT_FALSE(LeapMonthOccurs(1));
    EXPECT_TRUE(LeapMonthOccurs(2));
    EXPECT_TRUE(LeapMonthOccurs(10));
    EXPECT_FALSE(LeapMonthOccurs(12));
}

} // namespace
} // namespace luna
