#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "calendar/calendar_text.h"
#include "calendar/lunar.h"

namespace luna {
namespace {

std::string Text(int year, int month, int day, int hour) {
    char out[kCalendarTextMax];
    const int length = ComposeCalendarText(year, month, day, hour, out);
    EXPECT_EQ(static_cast<std::size_t>(length), std::strlen(out));
    return out;
}

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

TEST(CalendarText, NewYearsDayOf2004) {
    EXPECT_EQ(Text(2004, 1, 22, 10), "\n农历:甲申[猴]年\n1月1日\n丙寅月庚子日巳时\n农历春节");
}

TEST(CalendarText, TheFourLunarFormats) {
    // 30-day leap 4th month of 1906, its 3rd day.
    EXPECT_EQ(Text(1906, 5, 25, 1), "\n农历:丙午[马]年\n闰4月（大）3日\n癸巳月己巳日丑时");
    // 29-day leap 2nd month of 2004.
    EXPECT_EQ(Text(2004, 3, 21, 23), "\n农历:甲申[猴]年\n闰2月1日\n丁卯月己亥日子时");
    // 30-day ordinary month (12th of 2003) and 29-day ordinary month.
    EXPECT_EQ(Text(2004, 1, 21, 0),
              "\n农历:癸未[羊]年\n12月（大）30日\n乙丑月己亥日子时\n农历除夕");
    EXPECT_EQ(Text(2004, 1, 23, 5), "\n农历:甲申[猴]年\n1月2日\n丙寅月辛丑日卯时");
}

TEST(CalendarText, TermLinePadsEachFieldWithABlank) {
    const std::string text = Text(1900, 1, 6, 8);
    EXPECT_TRUE(EndsWith(text, "\n今日: 2: 0: 5小寒")) << text;
    EXPECT_TRUE(EndsWith(Text(2004, 2, 4, 8), "\n今日:18:18:46立春"));
    EXPECT_EQ(Text(1900, 1, 7, 8).find("今日"), std::string::npos);
}

TEST(CalendarText, FestivalLinesInTheirOrder) {
    EXPECT_TRUE(EndsWith(Text(2004, 1, 1, 9), "\n阳历元旦"));
    // 1 January that is also the 8th day of the 12th lunar month.
    EXPECT_TRUE(EndsWith(Text(2012, 1, 1, 9), "\n阳历元旦\n农历腊八节"));
    // 1 October 2020 was also the 15th day of the 8th lunar month: solar line first.
    EXPECT_TRUE(EndsWith(Text(2020, 10, 1, 9), "\n阳历国庆节\n农历中秋节"));
    // The hook library's table has the 10th day of the 1st month.
    EXPECT_TRUE(EndsWith(Text(2004, 1, 31, 9), "\n农历十全十美"));
    // Term line first, then the solar and the lunar festival.
    EXPECT_EQ(Text(1913, 8, 8, 0),
              "\n农历:癸丑[牛]年\n7月（大）7日\n庚申月辛酉日子时\n今日:12:17: 2立秋"
              "\n阳历父亲节\n农历七夕情人节");
    // A leap month matches the festivals of its ordinary twin.
    EXPECT_TRUE(EndsWith(Text(2009, 6, 27, 9), "\n农历端午节"));
}

TEST(CalendarText, NewYearsEveOnlyAfterA30DayTwelfthMonth) {
    for (int year = 1901; year <= 2099; ++year) {
        // The day before the lunar new year.
        LunarDate eve{};
        for (int day = 1; day <= 59 && eve.lunarDay == 0; ++day) {
            LunarDate d{};
            d.year = year;
            d.month = day <= 31 ? 1 : 2;
            d.day = day <= 31 ? day : day - 31;
            ASSERT_EQ(ConvertToLunar(d), 0);
            if (d.lunarMonth == 12 && d.lunarDay == d.monthDays) {
                eve = d;
            }
        }
        ASSERT_NE(eve.lunarDay, 0) << year;
        const bool hasEve =
            Text(eve.year, eve.month, eve.day, 12).find("除夕") != std::string::npos;
        EXPECT_EQ(hasEve, eve.monthDays == 30) << year;
    }
}

TEST(CalendarText, LongestTextOfAllDaysAndHoursFitsTheCallersBuffer) {
    std::size_t longest = 0;
    char guarded[kCalendarTextMax + 16];
    for (int y = 1900; y <= 2099; ++y) {
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= DaysInMonth(y, m); ++d) {
                for (int h = 0; h < 24; ++h) {
                    std::memset(guarded, 0x5A, sizeof guarded);
                    const int length = ComposeCalendarText(y, m, d, h, guarded);
                    ASSERT_EQ(static_cast<std::size_t>(length), std::strlen(guarded));
                    for (std::size_t i = kCalendarTextMax; i < sizeof guarded; ++i) {
                        ASSERT_EQ(guarded[i], 0x5A);
                    }
                    if (static_cast<std::size_t>(length) > longest) {
                        longest = static_cast<std::size_t>(length);
                    }
                }
            }
        }
    }
    EXPECT_LT(longest, kCalendarTextMax);
    RecordProperty("longest", static_cast<int>(longest));
}

TEST(CalendarText, DatesOutsideTheTableGiveTheEmptyText) {
    char out[kCalendarTextMax];
    std::memset(out, 'x', sizeof out);
    EXPECT_EQ(ComposeCalendarText(2100, 1, 1, 0, out), 0);
    EXPECT_STREQ(out, "");
    EXPECT_EQ(ComposeCalendarText(2004, 2, 30, 0, out), 0);
}

TEST(TextBuffer, CutsAtACharacterBoundaryAndNeverOverruns) {
    char out[8];
    std::memset(out, 'x', sizeof out);
    TextBuffer text(out, 6);
    text.Append("ab");
    text.Append("农历"); // 4 bytes, 3 fit: only whole characters go in
    EXPECT_STREQ(out, "ab农");
    EXPECT_TRUE(text.Truncated());
    text.Append("1"); // would fit, but the text already ended
    EXPECT_STREQ(out, "ab农");
    EXPECT_EQ(out[6], 'x');

    TextBuffer formatted(out, 4);
    formatted.AppendFormat("%d", 12345);
    EXPECT_STREQ(out, "123");

    TextBuffer none(out, 0);
    none.Append("abc");
    EXPECT_EQ(none.Length(), 0u);
}

TEST(TextBuffer, AFormattedPieceLongerThanItsScratchIsCutNotDropped) {
    std::string piece = "a";
    while (piece.size() < 300) {
        piece += "农";
    }
    char out[400];
    TextBuffer text(out, sizeof out);
    text.AppendFormat("%s", piece.c_str());
    EXPECT_EQ(text.Length(), 255u); // "a" and 127 whole characters
    EXPECT_EQ(std::string(out), piece.substr(0, 255));
    EXPECT_TRUE(text.Truncated());
}

} // namespace
} // namespace luna
