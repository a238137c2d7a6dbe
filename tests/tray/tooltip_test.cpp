#include "app/logic/tooltip.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "calendar/calendar_text.h"
#include "shared/gbk_text.h"

namespace luna {
namespace {

std::string Tip(const LocalTime& now, const char* calendar) {
    char tip[kTrayTipSize];
    std::memset(tip, 'x', sizeof tip);
    ComposeTrayTip(now, calendar, tip);
    // Everything after the text is zero.
    const std::size_t length = std::strlen(tip);
    for (std::size_t i = length; i < sizeof tip; ++i) {
        EXPECT_EQ(tip[i], '\0') << "byte " << i;
    }
    return std::string(tip, length);
}

const LocalTime kMorning{2004, 2, 5, 4, 7, 5, 3};

TEST(TrayTip, DateAndTimeLinesLeadTheCalendarText) {
    EXPECT_EQ(Tip(kMorning, ""), "2004年2月5日\n7:5:03");
    EXPECT_EQ(Tip(kMorning, nullptr), "2004年2月5日\n7:5:03");
    EXPECT_EQ(Tip(kMorning, "\nabc"), "2004年2月5日\n7:5:03\nabc");
    EXPECT_EQ(Tip(LocalTime{2099, 12, 31, 4, 23, 59, 9}, ""), "2099年12月31日\n23:59:09");
    EXPECT_EQ(Tip(LocalTime{1900, 1, 1, 1, 0, 0, 0}, ""), "1900年1月1日\n0:0:00");
}

TEST(TrayTip, RealCalendarTextFollowsFromTheThirdLine) {
    char calendar[kTrayCalendarBufferSize] = {};
    ComposeCalendarText(2004, 2, 5, 7, calendar);
    ASSERT_EQ(calendar[0], '\n');
    const std::string tip = Tip(kMorning, calendar);
    const std::string head = "2004年2月5日\n7:5:03";
    ASSERT_EQ(tip.compare(0, head.size(), head), 0);
    const std::string rest = tip.substr(head.size());
    EXPECT_EQ(rest, std::string(calendar).substr(0, rest.size()));
    EXPECT_LE(tip.size(), kTrayTipSize - 1);
}

// The date part is 19 bytes; the filler puts a double-byte character across byte 63.
std::string CalendarWithCharacterAt(std::size_t tipOffset, const char* character) {
    const std::size_t datePart = std::strlen("2004年2月5日\n7:5:03");
    return std::string(tipOffset - datePart, 'a') + character + "zz";
}

TEST(TrayTip, CutEndsBeforeACharacterItWouldSplit) {
    // "农" starts at byte 62: its second byte would be byte 64, so the tip stops at 62.
    std::string tip = Tip(kMorning, CalendarWithCharacterAt(62, "农").c_str());
    EXPECT_EQ(tip.size(), 62u);
    EXPECT_EQ(tip.back(), 'a');
    // Starting at 61 it fits whole, bytes 61 and 62.
    tip = Tip(kMorning, CalendarWithCharacterAt(61, "农").c_str());
    EXPECT_EQ(tip.size(), 63u);
    EXPECT_EQ(tip.substr(61), "农");
    // Single bytes fill all 63.
    tip = Tip(kMorning, std::string(100, 'b').c_str());
    EXPECT_EQ(tip.size(), 63u);
}

TEST(TrayTip, EveryDayOfTheCalendarFitsOnACharacterBoundary) {
    for (int year : {1901, 2004, 2023, 2098}) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 28; ++day) {
                for (int hour : {0, 7, 23}) {
                    char calendar[kTrayCalendarBufferSize] = {};
                    ComposeCalendarText(year, month, day, hour, calendar);
                    const LocalTime now{year, month, day, 0, hour, 59, 59};
                    const std::string tip = Tip(now, calendar);
                    ASSERT_LE(tip.size(), kTrayTipSize - 1);
                    // Whole characters only, and as many as fit.
                    ASSERT_EQ(GbkCutLength(tip.c_str(), tip.size()), tip.size());
                    char full[400] = {};
                    std::snprintf(full, sizeof full, "%d年%d月%d日\n%d:%d:%02d%s", year, month, day,
                                  hour, 59, 59, calendar);
                    ASSERT_EQ(std::string(full).compare(0, tip.size(), tip), 0);
                    ASSERT_EQ(GbkCutLength(full, kTrayTipSize - 1), tip.size());
                }
            }
        }
    }
}

TEST(TrayTip, UnterminatedCalendarBufferIsReadNoFurtherThanItsSize) {
    char calendar[kTrayCalendarBufferSize];
    std::memset(calendar, 'c', sizeof calendar);
    const std::string tip = Tip(kMorning, calendar);
    EXPECT_EQ(tip.size(), 63u);
}

// On a marked day the holiday line follows the first form's tip, the whole cut to 127 bytes
// at a character; without a line the tip stays as it is.
TEST(TrayTip, HolidayLineFollowsTheFirstForm) {
    char tip[kTrayTipSize] = {};
    std::memcpy(tip, "2026年10月1日\n10:0:00", std::strlen("2026年10月1日\n10:0:00"));
    char out[kTrayLongTipSize];
    EXPECT_FALSE(AppendTipLine(tip, "", out));
    EXPECT_STREQ(out, tip);
    ASSERT_TRUE(AppendTipLine(tip, "国庆节 放假", out));
    EXPECT_EQ(std::string(out), std::string(tip) + "\n国庆节 放假");
    const std::string full(kTrayTipSize - 1, 'a');
    std::memcpy(tip, full.data(), full.size());
    const std::string line = std::string(kTrayLongTipSize - kTrayTipSize - 1, 'b') + "节";
    ASSERT_TRUE(AppendTipLine(tip, line.c_str(), out)); // "节" would end at byte 128
    EXPECT_EQ(std::string(out), full + "\n" + line.substr(0, line.size() - 2));
}

} // namespace
} // namespace luna
