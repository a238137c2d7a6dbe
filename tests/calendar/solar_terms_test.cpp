#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "calendar/lunar.h"
#include "calendar/names.h"

namespace luna {
namespace {

// The term rule evaluated directly in double precision, day by day, as a second opinion
// on the engine's precomputed table.
int TermByFormula(int year, int month, int day, std::uint32_t& seconds) {
    const std::int64_t t = DayNumber(year, month, day) + 30;
    const double x = (year - 1900) * kTropicalYearSeconds;
    for (int k = 0; k < 24; ++k) {
        const std::int64_t m =
            static_cast<std::int64_t>(std::trunc(kSolarTermMinutes[k] * 60.0 + x)) + 525605;
        if (m / 86400 == t) {
            seconds = static_cast<std::uint32_t>(m - 86400 * (m / 86400));
            return k + 1;
        }
    }
    return 0;
}

TEST(SolarTerms, WorkedExamples) {
    std::uint32_t seconds = 0;
    EXPECT_EQ(SolarTermOfDay(1900, 1, 6, seconds), 1);
    EXPECT_EQ(seconds, 7205u);
    EXPECT_EQ(SolarTermOfDay(2004, 2, 4, seconds), 3);
    EXPECT_EQ(seconds, 65926u);
    EXPECT_EQ(SolarTermOfDay(2004, 6, 21, seconds), 12);
    EXPECT_STREQ(kSolarTermNames[12], "夏至");
    EXPECT_EQ(SolarTermOfDay(2004, 12, 21, seconds), 24);
    EXPECT_EQ(seconds, 68986u);
    EXPECT_STREQ(kSolarTermNames[24], "冬至");
    // A day counted past its month's end still finds the term of the day it stands for.
    seconds = 0;
    EXPECT_EQ(SolarTermOfDay(2004, 1, 35, seconds), 3);
    EXPECT_EQ(seconds, 65926u);
}

TEST(SolarTerms, DayWithoutTermLeavesSecondsAlone) {
    std::uint32_t seconds = 12345;
    EXPECT_EQ(SolarTermOfDay(2004, 1, 22, seconds), 0);
    EXPECT_EQ(seconds, 12345u);
}

TEST(SolarTerms, TwoTermDaysInEveryMonthAndAllTwentyFourInOrderEachYear) {
    for (int y = 1900; y <= 2099; ++y) {
        int next = 1;
        for (int m = 1; m <= 12; ++m) {
            int termDays = 0;
            for (int d = 1; d <= DaysInMonth(y, m); ++d) {
                std::uint32_t seconds = 0;
                const int term = SolarTermOfDay(y, m, d, seconds);
                if (term != 0) {
                    ++termDays;
                    ASSERT_EQ(term, next) << y << "-" << m << "-" << d;
                    ASSERT_LT(seconds, 86400u);
                    ++next;
                }
            }
            ASSERT_EQ(termDays, 2) << y << "-" << m;
        }
        ASSERT_EQ(next, 25) << y;
    }
}

TEST(SolarTerms, TableMatchesTheFormulaOnEveryDay) {
    for (int y = 1900; y <= 2099; ++y) {
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= DaysInMonth(y, m); ++d) {
                std::uint32_t fromTable = 0;
                std::uint32_t fromFormula = 0;
                ASSERT_EQ(SolarTermOfDay(y, m, d, fromTable), TermByFormula(y, m, d, fromFormula));
                ASSERT_EQ(fromTable, fromFormula) << y << "-" << m << "-" << d;
            }
        }
    }
}

} // namespace
} // namespace luna
