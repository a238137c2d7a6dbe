#include "calendar/iso_week.h"

#include <gtest/gtest.h>

namespace luna {
namespace {

// The days around New Year where the ISO week belongs to the other year, years of 53
// weeks, and both ends of the supported range.
TEST(IsoWeek, NumbersAroundTheTurnOfTheYear) {
    const struct {
        int y, m, d, week;
    } cases[] = {
        {2026, 12, 22, 52}, {2026, 12, 28, 53}, {2027, 1, 1, 53},  {2027, 1, 3, 53},
        {2027, 1, 4, 1},    {2024, 12, 30, 1},  {2008, 12, 29, 1}, {2020, 12, 31, 53},
        {2021, 1, 3, 53},   {1900, 1, 1, 1},    {1900, 12, 31, 1}, {2099, 12, 31, 53},
        {1899, 12, 31, 0},  {2100, 1, 1, 0},    {2027, 2, 29, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsoWeekNumber(c.y, c.m, c.d), c.week) << c.y << "-" << c.m << "-" << c.d;
    }
}

} // namespace
} // namespace luna
