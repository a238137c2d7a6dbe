#include "hook/logic/tick_plan.h"

#include <gtest/gtest.h>

#include <cstring>

namespace luna {
namespace {

LocalTime At(int hour, int minute, int second) {
    return LocalTime{2004, 2, 5, 4, hour, minute, second};
}

int CalendarTextDraws(const TickPlan& p) {
    return (p.drawCalendarText ? 1 : 0) + (p.dateChanged ? 1 : 0);
}

TEST(DateKey, FormatsWithBlankPaddedMonthAndDay) {
    EXPECT_STREQ(FormatDateKey(2004, 2, 5).text, "2004/ 2 5");
    EXPECT_STREQ(FormatDateKey(2024, 12, 31).text, "2024/1231");
    DateKey reset = FormatDateKey(2004, 2, 5);
    ResetDateKey(reset);
    EXPECT_STREQ(reset.text, "1800/01/01");
    EXPECT_STRNE(FormatDateKey(1800, 1, 1).text, reset.text); // no date gives the reset
}

TEST(DateKey, GridRedrawsOnlyWhenForcedAndTheDateDiffers) {
    const DateKey today = FormatDateKey(2004, 2, 5);
    DateKey last{};
    EXPECT_TRUE(GridNeedsRedraw(today, last, 1)); // cleared at creation
    EXPECT_FALSE(GridNeedsRedraw(today, last, 0));
    EXPECT_FALSE(GridNeedsRedraw(today, today, 1));
    ResetDateKey(last);
    EXPECT_TRUE(GridNeedsRedraw(today, last, 1));
}

TEST(TickPlan, SecondsShownRedrawTheClockEveryTick) {
    const DateKey today = FormatDateKey(2004, 2, 5);
    const TickPlan p = PlanTick(At(12, 34, 56), true, today);
    EXPECT_TRUE(p.drawClock);
    EXPECT_FALSE(p.drawCalendarText);
    EXPECT_FALSE(p.dateChanged);
    EXPECT_FALSE(p.checkReminders);
}

TEST(TickPlan, SecondsHiddenRedrawTheClockAtSecondZeroOnly) {
    const DateKey today = FormatDateKey(2004, 2, 5);
    const TickPlan quiet = PlanTick(At(12, 34, 56), false, today);
    EXPECT_FALSE(quiet.drawClock);
    EXPECT_FALSE(quiet.checkReminders);
    const TickPlan minute = PlanTick(At(12, 35, 0), false, today);
    EXPECT_TRUE(minute.drawClock);
    EXPECT_FALSE(minute.drawCalendarText);
    EXPECT_TRUE(minute.checkReminders);
}

TEST(TickPlan, TopOfTheHourAddsTheCalendarText) {
    const DateKey today = FormatDateKey(2004, 2, 5);
    for (bool seconds : {false, true}) {
        const TickPlan p = PlanTick(At(13, 0, 0), seconds, today);
        EXPECT_TRUE(p.drawClock);
        EXPECT_TRUE(p.drawCalendarText);
        EXPECT_TRUE(p.checkReminders);
        EXPECT_FALSE(PlanTick(At(13, 0, 1), seconds, today).drawCalendarText);
        EXPECT_FALSE(PlanTick(At(13, 1, 0), seconds, today).drawCalendarText);
    }
}

TEST(TickPlan, MidnightDrawsTheCalendarTextTwiceAndTheGrid) {
    const DateKey yesterday = FormatDateKey(2004, 2, 4);
    const TickPlan p = PlanTick(At(0, 0, 0), false, yesterday);
    EXPECT_TRUE(p.dateChanged);
    EXPECT_EQ(CalendarTextDraws(p), 2);
    // A date change found in the middle of a minute (the clock was set) still redraws.
    EXPECT_TRUE(PlanTick(At(9, 41, 17), false, yesterday).dateChanged);
    DateKey cleared{};
    EXPECT_TRUE(PlanTick(At(9, 41, 17), false, cleared).dateChanged);
}

} // namespace
} // namespace luna
