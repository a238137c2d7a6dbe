#include "app/logic/convert_view.h"

#include <gtest/gtest.h>

#include <string>

namespace luna {
namespace {

ConvertView ViewOf(int year, int month) {
    return LayOutConvertMonth(BuildConversionMonth(year, month));
}

void ExpectBlank(const ConvertCell& cell, int k) {
    EXPECT_STREQ(cell.number, kConvertBlankCell) << "cell " << k;
    EXPECT_STREQ(cell.label, kConvertBlankCell) << "cell " << k;
}

TEST(ConvertView, January1900StartsOnMondayInLunarYear1899) {
    const ConvertView v = ViewOf(1900, 1);
    EXPECT_EQ(v.lunarYearIndex, 0);
    EXPECT_EQ(v.lunarMonthIndex, 11);
    EXPECT_EQ(std::string(v.title).rfind("农历:己亥[猪]年", 0), 0u) << v.title;
    ExpectBlank(v.cells[0], 0);
    EXPECT_STREQ(v.cells[1].number, " 1");
    // The 1st starts lunar month 12 (30 days) and the 31st lunar month 1, but festivals
    // take precedence over month labels: 元旦 and 春节 are shown.
    EXPECT_STREQ(v.cells[1].label, "元旦");
    EXPECT_STREQ(v.cells[6].number, " 6");
    EXPECT_STREQ(v.cells[6].label, "2:0:5\n小寒");
    EXPECT_STREQ(v.cells[31].number, "31");
    EXPECT_STREQ(v.cells[31].label, "春节");
    EXPECT_STREQ(v.cells[2].label, "初二");
    for (int k = 32; k < kConvertCellCount; ++k) {
        ExpectBlank(v.cells[k], k);
    }
}

TEST(ConvertView, LeapMonthOf2004) {
    const ConvertView feb = ViewOf(2004, 2);
    EXPECT_STREQ(feb.cells[0].number, " 1"); // a Sunday
    EXPECT_STREQ(feb.cells[28].number, "29");
    ExpectBlank(feb.cells[29], 29);

    const ConvertView mar = ViewOf(2004, 3);
    EXPECT_STREQ(mar.cells[1].number, " 1");
    EXPECT_STREQ(mar.cells[21].number, "21");
    EXPECT_STREQ(mar.cells[21].label, "闰2月小");
    EXPECT_EQ(mar.lunarMonthIndex, 1);
}

TEST(ConvertView, MonthTouchingThreeLunarMonthsLabelsBothLaterStarts) {
    const ConvertView v = ViewOf(1902, 10);
    int monthLabels = 0;
    for (const ConvertCell& cell : v.cells) {
        const std::string label = cell.label;
        if (label.size() > 2 && label.compare(label.size() - 2, 2, "大") == 0) {
            ++monthLabels;
        } else if (label.size() > 2 && label.compare(label.size() - 2, 2, "小") == 0 &&
                   label.find(':') == std::string::npos) {
            ++monthLabels;
        }
    }
    EXPECT_EQ(monthLabels, 2);
}

TEST(ConvertView, AnotherMonthBlanksTheCellsItDoesNotUse) {
    // February 2004 fills cells 0-28; June 2003 starts on Sunday with 30 days.
    const ConvertView v = ViewOf(2003, 6);
    EXPECT_STREQ(v.cells[29].number, "30");
    for (int k = 30; k < kConvertCellCount; ++k) {
        ExpectBlank(v.cells[k], k);
    }
}

TEST(ConvertView, OutOfRangeMonthShowsNothing) {
    ConversionMonth bad{};
    bad.daysInMonth = 31;
    bad.firstWeekday = 7; // would run past the last cell
    const ConvertView v = LayOutConvertMonth(bad);
    EXPECT_EQ(v.lunarYearIndex, -1);
    for (int k = 0; k < kConvertCellCount; ++k) {
        ExpectBlank(v.cells[k], k);
    }
    const ConvertView none = ViewOf(2100, 1);
    ExpectBlank(none.cells[5], 5);
}

TEST(ConvertView, SelectionsMapToYearAndMonth) {
    int year = 0;
    int month = 0;
    EXPECT_TRUE(ConvertMonthOfSelection(0, 0, &year, &month));
    EXPECT_EQ(year, 1900);
    EXPECT_EQ(month, 1);
    EXPECT_TRUE(ConvertMonthOfSelection(199, 11, &year, &month));
    EXPECT_EQ(year, 2099);
    EXPECT_EQ(month, 12);
    EXPECT_FALSE(ConvertMonthOfSelection(-1, 0, &year, &month));
    EXPECT_FALSE(ConvertMonthOfSelection(200, 0, &year, &month));
    EXPECT_FALSE(ConvertMonthOfSelection(0, 12, &year, &month));
}

} // namespace
} // namespace luna
