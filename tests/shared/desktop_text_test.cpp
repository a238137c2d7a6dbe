#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "calendar/lunar.h"
#include "shared/desktop_text.h"

namespace luna {
namespace {

LocalTime At(int year, int month, int day, int hour = 10, int minute = 0, int second = 0) {
    return LocalTime{year, month, day, WeekdayOf(year, month, day), hour, minute, second};
}

std::string Calendar(const LocalTime& now, const DisplaySettings& s,
                     const char* const* ownSolar = nullptr, std::size_t ownSolarCount = 0,
                     const char* const* ownLunar = nullptr, std::size_t ownLunarCount = 0) {
    char out[600];
    const std::size_t length = ComposeDesktopCalendarText(now, s, ownSolar, ownSolarCount, ownLunar,
                                                          ownLunarCount, out, sizeof out);
    EXPECT_EQ(length, std::strlen(out));
    return out;
}

// Only the date part, with the weekday switched off.
std::string DatePart(int year, int month, int day, int order, int digits, bool showDay,
                     const char* separator) {
    DisplaySettings s = DefaultDisplaySettings();
    s.dateOrder = static_cast<std::uint8_t>(order);
    s.yearDigits = static_cast<std::uint8_t>(digits);
    s.showDate = showDay ? 1 : 0;
    s.showWeekday = 0;
    WriteSeparator(s.dateSeparator, separator);
    const std::string text = Calendar(At(year, month, day), s);
    return text.substr(0, text.find('\n'));
}

std::string Clock(const LocalTime& now, DisplaySettings& s) {
    char out[64];
    const std::size_t length = ComposeClockText(now, s, out, sizeof out);
    EXPECT_EQ(length, std::strlen(out));
    return out;
}

TEST(DesktopDate, ThreeOrdersWithUnitsOrSeparators) {
    EXPECT_EQ(DatePart(2004, 1, 22, 1, 4, true, ""), "2004年1月22日");
    EXPECT_EQ(DatePart(2004, 1, 22, 1, 2, true, ""), "04年1月22日");
    EXPECT_EQ(DatePart(2004, 1, 22, 1, 4, true, "/"), "2004/1/22");
    EXPECT_EQ(DatePart(2004, 1, 22, 1, 4, false, "/"), "2004/1");
    EXPECT_EQ(DatePart(2004, 1, 22, 1, 4, false, ""), "2004年1月");
    EXPECT_EQ(DatePart(2004, 1, 22, 2, 4, true, ""), "1月22日2004年");
    EXPECT_EQ(DatePart(2004, 1, 22, 2, 4, true, "/"), "1/22/2004");
    EXPECT_EQ(DatePart(2004, 1, 22, 2, 2, false, "-"), "1-04");
    EXPECT_EQ(DatePart(2004, 1, 22, 3, 4, true, ""), "22日1月2004年");
    EXPECT_EQ(DatePart(2004, 1, 22, 3, 4, true, "/"), "22/1/2004");
    EXPECT_EQ(DatePart(2004, 1, 22, 3, 2, false, ""), "1月04年");
    EXPECT_EQ(DatePart(2004, 1, 22, 0, 4, true, ""), "");
    EXPECT_EQ(DatePart(2004, 1, 22, 4, 4, true, ""), "");
    EXPECT_EQ(DatePart(2000, 5, 1, 1, 2, true, "."), "00.5.1");
    EXPECT_EQ(DatePart(1999, 5, 1, 1, 2, true, "."), "99.5.1");
    EXPECT_EQ(DatePart(2004, 5, 1, 1, 3, true, "."), "2004.5.1"); // only 2 means two digits
}

TEST(DesktopDate, TwoByteSeparatorIsUsedWhole) {
    EXPECT_EQ(DatePart(2004, 1, 22, 1, 4, true, "年"), "2004年1年22");
    EXPECT_EQ(DatePart(2004, 1, 22, 1, 4, true, "--"), "2004--1--22");
}

TEST(DesktopCalendarText, WholeTextWithWeekdayLunarLinesAndFestivals) {
    const DisplaySettings s = DefaultDisplaySettings();
    EXPECT_EQ(Calendar(At(2004, 1, 22, 10), s),
              "2004年1月22日星期四\n农历:甲申[猴]年\n1月1日\n丙寅月庚子日巳时\n农历春节");
    EXPECT_EQ(Calendar(At(1900, 1, 6, 2), s).substr(0, 16), "1900年1月6日星期");
    const std::string term = Calendar(At(1900, 1, 6, 2), s);
    EXPECT_NE(term.find("\n今日: 2: 0: 5小寒"), std::string::npos);
}

TEST(DesktopCalendarText, OwnFestivalsFollowTheBuiltInOnes) {
    const DisplaySettings s = DefaultDisplaySettings();
    const char* ownSolar[] = {"10 1开业", " 1 1新年", "10 1纪念", "FFFF", "10 1不见"};
    const char* ownLunar[] = {" 815团圆", nullptr, " 815不见"};
    const std::string text = Calendar(At(2020, 10, 1), s, ownSolar, 5, ownLunar, 3);
    EXPECT_NE(text.find("\n阳历国庆节\n阳历开业\n阳历纪念\n农历中秋节\n农历团圆"),
              std::string::npos)
        << text;
    EXPECT_EQ(text.find("不见"), std::string::npos);

    // The count ends a list too, and the switches do not gate the text.
    DisplaySettings off = s;
    off.showOwnSolarFestivals = 0;
    off.showSolarFestivals = 0;
    const std::string counted = Calendar(At(2020, 10, 1), off, ownSolar, 1, nullptr, 0);
    EXPECT_NE(counted.find("\n阳历国庆节\n阳历开业\n农历中秋节"), std::string::npos);
    EXPECT_EQ(counted.find("纪念"), std::string::npos);

    // An entry shorter than a key never matches; a bare key has an empty name.
    const char* shortEntries[] = {"10", "10 ", "10 1"};
    EXPECT_NE(Calendar(At(2020, 10, 1), s, shortEntries, 3).find("\n阳历国庆节\n阳历\n农历"),
              std::string::npos);

    const char* empty[] = {"FFFF", "10 1不见"};
    const char* blank[] = {"", "10 1不见"};
    EXPECT_EQ(Calendar(At(2020, 10, 1), s, empty, 2, blank, 2), Calendar(At(2020, 10, 1), s));
}

TEST(DesktopCalendarText, SmallBuffersStayTerminatedAndUnsplit) {
    const DisplaySettings s = DefaultDisplaySettings();
    char out[32];
    for (std::size_t size = 0; size < 24; ++size) {
        std::memset(out, 0x5A, sizeof out);
        const std::size_t length =
            ComposeDesktopCalendarText(At(2004, 1, 22), s, nullptr, 0, nullptr, 0, out, size);
        for (std::size_t i = size; i < sizeof out; ++i) {
            ASSERT_EQ(out[i], 0x5A) << size;
        }
        if (size == 0) {
            continue;
        }
        ASSERT_EQ(length, std::strlen(out));
        ASSERT_LT(length, size);
        ASSERT_EQ(std::string("2004年1月22日星期四\n农历").compare(0, length, out), 0);
    }
}

TEST(DesktopClock, TwentyFourHourClock) {
    DisplaySettings s = DefaultDisplaySettings();
    s.showSeconds = 0;
    EXPECT_EQ(Clock(At(2004, 1, 22, 9, 5, 7), s), "9:5");
    s.showSeconds = 1;
    EXPECT_EQ(Clock(At(2004, 1, 22, 9, 5, 7), s), "9:5:7");
    EXPECT_EQ(Clock(At(2004, 1, 22, 23, 59, 59), s), "23:59:59");
}

TEST(DesktopClock, TwelveHourFormsCountNoonAndMidnightAsMorning) {
    DisplaySettings s = DefaultDisplaySettings();
    s.hour12 = 1;
    s.showSeconds = 0;
    s.amPm = 1;
    EXPECT_EQ(Clock(At(2004, 1, 22, 0, 30), s), "AM0:30");
    EXPECT_EQ(Clock(At(2004, 1, 22, 0, 0), s), "AM0:0");
    EXPECT_EQ(Clock(At(2004, 1, 22, 12, 0), s), "AM12:0");
    EXPECT_EQ(Clock(At(2004, 1, 22, 12, 30), s), "AM12:30");
    EXPECT_EQ(Clock(At(2004, 1, 22, 13, 30), s), "PM1:30");
    s.showSeconds = 1;
    EXPECT_EQ(Clock(At(2004, 1, 22, 9, 5, 7), s), "AM9:5:7");
    s.amPm = 0;
    s.showSeconds = 0;
    EXPECT_EQ(Clock(At(2004, 1, 22, 12, 0), s), "上午12:0");
    EXPECT_EQ(Clock(At(2004, 1, 22, 0, 0), s), "上午0:0");
    EXPECT_EQ(Clock(At(2004, 1, 22, 23, 1), s), "下午11:1");
}

TEST(DesktopClock, EmptyTimeSeparatorBecomesAColonAndStays) {
    DisplaySettings s = DefaultDisplaySettings();
    WriteSeparator(s.dateSeparator, "年");
    ASSERT_EQ(s.timeSeparator[0], '\0');
    EXPECT_EQ(Clock(At(2004, 1, 22, 9, 5, 7), s), "9:5:7");
    EXPECT_STREQ(ReadSeparator(s.timeSeparator).text, ":");
    EXPECT_EQ(Clock(At(2004, 1, 22, 9, 5, 7), s), "9:5:7");
    EXPECT_STREQ(ReadSeparator(s.dateSeparator).text, "年");

    WriteSeparator(s.timeSeparator, "时");
    EXPECT_EQ(Clock(At(2004, 1, 22, 9, 5, 7), s), "9时5时7");
    EXPECT_STREQ(ReadSeparator(s.dateSeparator).text, "年");
}

} // namespace
} // namespace luna
