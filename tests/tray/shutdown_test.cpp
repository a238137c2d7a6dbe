#include "app/logic/shutdown.h"

#include <gtest/gtest.h>

#include <cstring>

namespace luna {
namespace {

DisplaySettings Armed(const char* time) {
    DisplaySettings s = DefaultDisplaySettings();
    s.shutdownArmed = 1;
    std::memset(s.shutdownTime, 0, sizeof s.shutdownTime);
    std::memcpy(s.shutdownTime, time, std::strlen(time) + 1);
    return s;
}

TEST(TimedShutdown, ArmedTimeIsCompared_BlankPadded) {
    const DisplaySettings s = Armed(" 7: 5");
    EXPECT_TRUE(ShutdownDue(s, 7, 5));
    EXPECT_FALSE(ShutdownDue(s, 7, 4));
    EXPECT_FALSE(ShutdownDue(s, 7, 6));
    EXPECT_FALSE(ShutdownDue(s, 17, 5));
    EXPECT_FALSE(ShutdownDue(Armed("07:05"), 7, 5));
    EXPECT_TRUE(ShutdownDue(Armed("23:59"), 23, 59));
    EXPECT_TRUE(ShutdownDue(Armed(" 0: 0"), 0, 0));
    // The terminator is part of the comparison.
    EXPECT_FALSE(ShutdownDue(Armed(" 7: 50"), 7, 5));
}

TEST(TimedShutdown, DisarmedOrEmptyNeverFires) {
    DisplaySettings s = Armed(" 7: 5");
    s.shutdownArmed = 0;
    EXPECT_FALSE(ShutdownDue(s, 7, 5));
    const DisplaySettings fresh = DefaultDisplaySettings();
    for (int h = 0; h < 24; ++h) {
        for (int m = 0; m < 60; ++m) {
            ASSERT_FALSE(ShutdownDue(fresh, h, m));
        }
    }
    EXPECT_FALSE(ShutdownDue(Armed(""), 0, 0));
}

TEST(TimedShutdown, UnterminatedFieldIsNotOverrun) {
    DisplaySettings s = Armed("");
    std::memset(s.shutdownTime, '9', sizeof s.shutdownTime);
    EXPECT_FALSE(ShutdownDue(s, 9, 9));
    EXPECT_FALSE(ShutdownDue(s, 99999, 99999)); // longer than the field: no match
}

TEST(TimedShutdown, FiresAtMostOncePerRun) {
    ShutdownTrigger trigger;
    DisplaySettings s = Armed(" 7: 5");
    EXPECT_FALSE(trigger.Tick(s, 7, 4));
    EXPECT_FALSE(trigger.Fired());
    EXPECT_TRUE(trigger.Tick(s, 7, 5));
    EXPECT_TRUE(trigger.Fired());
    // The following ticks of the same minute, and a shutdown armed again, do nothing.
    EXPECT_FALSE(trigger.Tick(s, 7, 5));
    s = Armed(" 7: 6");
    EXPECT_FALSE(trigger.Tick(s, 7, 6));
}

} // namespace
} // namespace luna
