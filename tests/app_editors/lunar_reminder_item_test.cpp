#include "app/logic/lunar_reminder_item.h"

#include <gtest/gtest.h>

#include "app/logic/reminder_list.h"

namespace luna {
namespace {

TEST(LunarReminderItem, MonthListHasLeapTwinsOnlyWhereSomeYearHasThem) {
    std::string texts;
    for (const LunarMonthChoice& c : LunarMonthChoices()) {
        texts += c.text + "|";
    }
    EXPECT_EQ(texts,
              " 1| 2|闰 2| 3|闰 3| 4|闰 4| 5|闰 5| 6|闰 6| 7|闰 7| 8|闰 8| 9|闰 9|10|闰10|11|12|");
    EXPECT_EQ(LunarDayChoices().front(), "初一");
    EXPECT_EQ(LunarDayChoices().back(), "三十");
}

TEST(LunarReminderItem, TypedMonthsAndDaysAreReadOrRefused) {
    int month = 0;
    bool leap = false;
    EXPECT_TRUE(ParseLunarMonthText("闰 4", &month, &leap));
    EXPECT_EQ(month, 4);
    EXPECT_TRUE(leap);
    EXPECT_TRUE(ParseLunarMonthText(" 12 ", &month, &leap));
    EXPECT_EQ(month, 12);
    EXPECT_FALSE(leap);
    EXPECT_FALSE(ParseLunarMonthText("闰12", &month, &leap)); // no year has it
    EXPECT_FALSE(ParseLunarMonthText("13", &month, &leap));
    EXPECT_FALSE(ParseLunarMonthText("四月", &month, &leap));
    int day = 0;
    EXPECT_TRUE(ParseLunarDayText("三十", &day));
    EXPECT_EQ(day, 30);
    EXPECT_TRUE(ParseLunarDayText(" 7", &day));
    EXPECT_EQ(day, 7);
    EXPECT_FALSE(ParseLunarDayText("31", &day));
    EXPECT_FALSE(ParseLunarDayText("初", &day));
}

TEST(LunarReminderItem, RecordShowsItsLunarDateAndSortsAfterTheGregorianOnes) {
    const std::string leap = ComposeLunarReminderItem({4, true, 15, 8, 0}, "生日");
    EXPECT_EQ(leap, " 4L15  8: 0生日");
    const std::string ordinary = ComposeLunarReminderItem({4, false, 15, 8, 0}, "生日");
    const std::string cut =
        ComposeLunarReminderItem({1, false, 1, 0, 0}, std::string(90, 'a').c_str());
    EXPECT_EQ(cut.size(), 99u);

    ReminderList list;
    list.Open({LunarPageItem(leap), LunarPageItem(" 5/ 1  0: 0五月"),
               GregorianPageItem("12/ 1  8:30x"), LunarPageItem(ordinary),
               GregorianPageItem(" 2/ 5  7: 5y")});
    std::string shown;
    for (const std::string& item : list.Items()) {
        shown += PageItemDisplay(item) + "|";
    }
    EXPECT_EQ(shown, " 2/ 5  7: 5y|12/ 1  8:30x|农历4月十五  8: 0生日|农历闰4月十五  8: 0生日|"
                     "农历5月初一  0: 0五月|");
    EXPECT_EQ(PageItemText(list.Items()[3]), "生日");
    EXPECT_EQ(RecordOfPageItem(list.Items()[3]), leap);
    EXPECT_TRUE(IsLunarPageItem(list.Items()[3]));
    EXPECT_FALSE(IsLunarPageItem(list.Items()[0]));
}

} // namespace
} // namespace luna

#include "app/logic/reminder_start.h"

namespace luna {
namespace {

// A day picked on the desktop: the Gregorian lists show it, the lunar lists its lunar date,
// a leap month as its leap twin.
TEST(ReminderStart, ListsStandOnTheDayAndOnItsLunarDate) {
    const std::vector<LunarMonthChoice> months = LunarMonthChoices();
    ReminderStartRows rows{};
    ASSERT_TRUE(ReminderStartOn(2026, 12, 22, rows)); // lunar 11-14
    EXPECT_EQ(rows.month, 11);
    EXPECT_EQ(rows.day, 21);
    EXPECT_EQ(months[rows.lunarMonth].month, 11);
    EXPECT_FALSE(months[rows.lunarMonth].leap);
    EXPECT_EQ(rows.lunarDay, 13);
    ASSERT_TRUE(ReminderStartOn(2023, 4, 1, rows)); // leap 2nd month, day 11
    EXPECT_EQ(months[rows.lunarMonth].month, 2);
    EXPECT_TRUE(months[rows.lunarMonth].leap);
    EXPECT_EQ(rows.lunarDay, 10);
    EXPECT_FALSE(ReminderStartOn(2100, 1, 1, rows));
}

} // namespace
} // namespace luna
