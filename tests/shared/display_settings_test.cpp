#include <gtest/gtest.h>

#include <cstring>

#include "shared/display_settings.h"

namespace luna {
namespace {

TEST(DisplaySettingsDefaults, ShowTheFullDateClockAndBuiltInAnnotations) {
    const DisplaySettings s = DefaultDisplaySettings();
    EXPECT_EQ(s.yearDigits, 4);
    EXPECT_EQ(s.dateOrder, 1);
    EXPECT_EQ(s.showWeekday + s.showDate + s.showSeconds + s.amPm, 4u);
    EXPECT_EQ(s.hour12, 0u);
    EXPECT_EQ(s.showSolarFestivals + s.showLunarFestivals + s.showSolarTerms, 3u);
    EXPECT_EQ(s.showOwnSolarFestivals + s.showOwnLunarFestivals, 0u);
    EXPECT_EQ(s.bkDisplayStyle, 4);
    EXPECT_EQ(s.reminderExact + s.spare17, 2);
    EXPECT_EQ(s.reminderBackColor, 0xFFFFFFu);
    EXPECT_EQ(s.timeSeparator[0] | s.dateSeparator[0] | s.shutdownTime[0], 0);
    EXPECT_EQ(s.clockColor | s.calendarColor | s.autoStart | s.shutdownArmed | s.desktopStyle |
                  s.desktopBackColor | s.spare48,
              0u);
}

TEST(Separators, HoldUpToTwoBytesWithoutTouchingTheNeighbour) {
    DisplaySettings s = DefaultDisplaySettings();
    std::memcpy(s.dateSeparator, "\x7F\x7F", 2);
    struct Case {
        const char* written;
        const char* read;
        bool terminated;
    };
    const Case cases[] = {
        {"", "", true},       {":", ":", true},   {"年", "年", false},  {"ab", "ab", false},
        {"abc", "ab", false}, {"a年", "a", true}, {"年a", "年", false}, {nullptr, "", true},
    };
    for (const Case& c : cases) {
        WriteSeparator(s.timeSeparator, c.written);
        EXPECT_STREQ(ReadSeparator(s.timeSeparator).text, c.read) << (c.written ? c.written : "");
        EXPECT_EQ(s.timeSeparator[1] == '\0' || s.timeSeparator[0] == '\0', c.terminated);
        EXPECT_EQ(std::memcmp(s.dateSeparator, "\x7F\x7F", 2), 0);
    }
}

TEST(Separators, BrokenCharactersReadAsLessNotMore) {
    const char loneLead[2] = {'\xC4', '\0'};
    EXPECT_STREQ(ReadSeparator(loneLead).text, "");
    const char asciiThenLead[2] = {'/', '\xC4'};
    EXPECT_STREQ(ReadSeparator(asciiThenLead).text, "/");
    char field[2];
    WriteSeparator(field, "\xC4"); // a lead byte whose trail byte is missing
    EXPECT_STREQ(ReadSeparator(field).text, "");
}

} // namespace
} // namespace luna
