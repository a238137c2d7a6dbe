#include "hook/logic/tick_plan.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace luna {
namespace {

// "2027-02-16 23:59:57" (weekday not needed by the tick).
LocalTime T(const char* text) {
    LocalTime t{};
    std::sscanf(text, "%d-%d-%d %d:%d:%d", &t.year, &t.month, &t.day, &t.hour, &t.minute,
                &t.second);
    return t;
}

std::string Format(const LocalTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d-%02d %02d:%02d", t.month, t.day, t.hour, t.minute);
    return text;
}

// One sampled moment per tick; what the redraws of every tick were, as one letter each
// ("D" date change with everything, "C" clock, "K" calendar text, "-" nothing).
struct DrawCase {
    const char* name;
    bool showSeconds;
    std::vector<const char*> samples;
    std::string expected;
};

std::string Draws(const DrawCase& c) {
    TickState state{};
    DateKey grid{};
    std::string out;
    for (const char* sample : c.samples) {
        const LocalTime now = T(sample);
        const TickPlan p = PlanTick(now, c.showSeconds, grid, state);
        if (p.dateChanged) {
            grid = FormatDateKey(now.year, now.month, now.day); // RefreshMonthGrid stores it
            out += 'D';
        } else if (p.drawClock || p.drawCalendarText) {
            out += std::string(p.drawClock ? "C" : "") + (p.drawCalendarText ? "K" : "");
        } else {
            out += '-';
        }
        out += ' ';
    }
    out.pop_back();
    return out;
}

// Each text is redrawn exactly when what it would show differs from what it shows, however
// the ticks fall: a late tick, a repeated second, a second 0 that never comes, midnight, a
// clock set forward or back.
TEST(TickPlan, EachTextIsRedrawnWhenWhatItShowsDiffers) {
    const std::vector<DrawCase> cases = {
        {"first tick draws everything", false, {"2027-02-16 10:15:30"}, "D"},
        {"seconds hidden: once per minute, also when second 0 is skipped or doubled",
         false,
         {"2027-02-16 10:15:58", "2027-02-16 10:15:59", "2027-02-16 10:16:01",
          "2027-02-16 10:16:02", "2027-02-16 10:16:59", "2027-02-16 10:17:00",
          "2027-02-16 10:17:00", "2027-02-16 10:17:01"},
         "D - C - - C - -"},
        {"seconds shown: every tick",
         true,
         {"2027-02-16 10:15:58", "2027-02-16 10:15:58", "2027-02-16 10:16:01"},
         "D C C"},
        {"the calendar text follows the double hour, not the full hour",
         false,
         {"2027-02-16 10:59:59", "2027-02-16 11:00:01", "2027-02-16 12:00:00",
          "2027-02-16 13:00:00", "2027-02-16 22:59:59", "2027-02-16 23:00:00"},
         "D CK C CK CK CK"},
        {"midnight: one redraw of everything",
         false,
         {"2027-02-16 23:59:59", "2027-02-17 00:00:00", "2027-02-17 00:00:01"},
         "D D -"},
        {"midnight whose second 0 is skipped",
         false,
         {"2026-12-31 23:59:59", "2027-01-01 00:00:01"},
         "D D"},
        {"clock set forward and back within the day",
         false,
         {"2027-02-16 09:41:17", "2027-02-16 15:09:59", "2027-02-16 15:10:00",
          "2027-02-16 08:30:00", "2027-02-16 08:30:01"},
         "D CK C CK -"},
        {"clock set back a day", false, {"2027-02-17 00:00:05", "2027-02-16 23:59:58"}, "D D"},
    };
    for (const DrawCase& c : cases) {
        EXPECT_EQ(Draws(c), c.expected) << c.name;
    }
}

TEST(TickPlan, ATimeChangeRedrawsTheTextsEvenWhenTheyMatch) {
    TickState state{};
    DateKey grid{};
    const LocalTime now = T("2027-02-16 10:15:30");
    grid = FormatDateKey(now.year, now.month, now.day);
    PlanTick(now, false, grid, state);
    EXPECT_FALSE(PlanTick(now, false, grid, state).drawClock);
    ForgetDrawnTexts(state);
    const TickPlan p = PlanTick(now, false, grid, state);
    EXPECT_TRUE(p.drawClock);
    EXPECT_TRUE(p.drawCalendarText);
}

// Which minutes' reminders every sample makes the tick check, in order.
struct MinuteCase {
    const char* name;
    std::vector<const char*> samples;
    std::vector<std::string> expected;
};

std::vector<std::string> Minutes(const std::vector<const char*>& samples, TickState& state) {
    std::vector<std::string> out;
    LocalTime minute{};
    for (const char* sample : samples) {
        while (NextDueMinute(state, T(sample), minute)) {
            out.push_back(Format(minute));
        }
    }
    return out;
}

// Every minute whose start has passed is checked once, in order, whatever the ticks
// sample; after sleep or a jump forward only today's minutes; after a jump back nothing
// twice.
TEST(NextDueMinute, EveryMinuteOnceInOrderWhateverTheTicksSample) {
    const std::vector<MinuteCase> cases = {
        {"first tick in the middle of a minute: that minute counts as handled",
         {"2027-02-16 10:15:30", "2027-02-16 10:15:59", "2027-02-16 10:16:00"},
         {"02-16 10:16"}},
        {"first tick at second 0: that minute is checked",
         {"2027-02-16 10:16:00"},
         {"02-16 10:16"}},
        {"second 0 never comes",
         {"2027-02-16 10:15:30", "2027-02-16 10:15:59", "2027-02-16 10:16:01",
          "2027-02-16 10:16:02"},
         {"02-16 10:16"}},
        {"second 0 sampled twice",
         {"2027-02-16 10:15:30", "2027-02-16 10:16:00", "2027-02-16 10:16:00",
          "2027-02-16 10:16:01"},
         {"02-16 10:16"}},
        {"a tick late by minutes checks each one, in order",
         {"2027-02-16 10:15:30", "2027-02-16 10:18:02"},
         {"02-16 10:16", "02-16 10:17", "02-16 10:18"}},
        {"midnight, second 0 skipped",
         {"2026-12-31 23:59:58", "2027-01-01 00:00:01"},
         {"01-01 00:00"}},
        {"resume later the same day: every minute slept through",
         {"2027-02-16 09:58:10", "2027-02-16 10:01:05"},
         {"02-16 09:59", "02-16 10:00", "02-16 10:01"}},
        {"resume on a later day: only today's minutes",
         {"2027-02-15 23:58:10", "2027-02-17 00:02:05"},
         {"02-17 00:00", "02-17 00:01", "02-17 00:02"}},
        {"clock set back within the day: no minute again, then on from there",
         {"2027-02-16 10:15:30", "2027-02-16 10:17:00", "2027-02-16 10:14:00",
          "2027-02-16 10:17:30", "2027-02-16 10:18:00"},
         {"02-16 10:16", "02-16 10:17", "02-16 10:18"}},
        {"clock set back to an earlier day: afresh from there",
         {"2027-02-17 00:00:30", "2027-02-16 23:59:30", "2027-02-17 00:00:00"},
         {"02-17 00:00"}},
        {"clock set back to an earlier day at second 0: that minute too",
         {"2027-02-17 00:00:30", "2027-02-16 23:58:00", "2027-02-16 23:59:00"},
         {"02-16 23:58", "02-16 23:59"}},
    };
    for (const MinuteCase& c : cases) {
        TickState state{};
        EXPECT_EQ(Minutes(c.samples, state), c.expected) << c.name;
    }
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

} // namespace
} // namespace luna
