#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "calendar/lunar.h"
#include "calendar/names.h"
#include "shared/month_annotations.h"

namespace luna {
namespace {

DesktopMonth Desktop(int year, int month, const DisplaySettings& s,
                     const char* const* ownSolar = nullptr, std::size_t ownSolarCount = 0,
                     const char* const* ownLunar = nullptr, std::size_t ownLunarCount = 0) {
    return BuildDesktopMonth(year, month, s, ownSolar, ownSolarCount, ownLunar, ownLunarCount);
}

std::string Joined(const DesktopMonth& m, int day) {
    char out[kCellAnnotationMax];
    const std::size_t length = JoinCellAnnotation(m, day, out, sizeof out);
    EXPECT_EQ(length, std::strlen(out));
    return out;
}

std::string SlotText(const DesktopMonth& m, int day, DesktopSlot slot) {
    const char* text = m.Slot(day, slot);
    return text == nullptr ? "<empty>" : text;
}

TEST(CellPlacement, SundayFirstColumnsAndWeekRows) {
    EXPECT_EQ(FirstWeekdayOf(1900, 1), 1);
    EXPECT_EQ(FirstWeekdayOf(2004, 2), 0);
    EXPECT_EQ(FirstWeekdayOf(2004, 3), 1);
    const CellPlace first = PlaceDay(1, 1);
    EXPECT_EQ(first.column, 1);
    EXPECT_EQ(first.row, 0);
    const CellPlace last = PlaceDay(6, 31); // a 31-day month starting on Saturday
    EXPECT_EQ(last.column, 1);
    EXPECT_EQ(last.row, 5);
    // Months outside the table have no days.
    EXPECT_EQ(BuildConversionMonth(2100, 1).daysInMonth, 0);
    EXPECT_EQ(BuildConversionMonth(2004, 13).daysInMonth, 0);
    EXPECT_EQ(Desktop(1899, 12, DefaultDisplaySettings()).daysInMonth, 0);
}

TEST(ConversionMonth, January1900FollowsTheLabelPrecedence) {
    const ConversionMonth m = BuildConversionMonth(1900, 1);
    EXPECT_EQ(m.daysInMonth, 31);
    EXPECT_EQ(m.firstWeekday, 1);
    EXPECT_EQ(m.firstLunarYear, 1899);
    EXPECT_EQ(m.firstLunarMonth, 12);
    EXPECT_STREQ(m.title, "农历:己亥[猪]年丁丑月甲戌日");
    // The 1st opens lunar month 12 (12月大) but is New Year's Day; the 31st opens
    // lunar month 1 (1月小) but is the Spring Festival: festivals override month labels.
    EXPECT_STREQ(m.labels[0], "元旦");
    EXPECT_STREQ(m.labels[30], "春节");
    EXPECT_STREQ(m.labels[1], "初二");
    EXPECT_STREQ(m.labels[5], "2:0:5\n小寒");
}

TEST(ConversionMonth, MonthLabelsAtLunarMonthStarts) {
    const ConversionMonth march = BuildConversionMonth(2004, 3);
    EXPECT_STREQ(march.labels[20], "闰2月小");
    EXPECT_EQ(BuildConversionMonth(2004, 2).firstWeekday, 0);

    // 31-day months that touch three lunar months label both later starts.
    EXPECT_STREQ(BuildConversionMonth(1902, 10).labels[1], "9月小");
    EXPECT_STREQ(BuildConversionMonth(1902, 10).labels[30], "10月大");
    EXPECT_STREQ(BuildConversionMonth(2000, 7).labels[1], "6月小");
    EXPECT_STREQ(BuildConversionMonth(2000, 7).labels[30], "7月小");
}

TEST(ConversionMonth, LunarFestivalBeatsSolarAndTermBeatsBoth) {
    // 1 October 2020: 国庆节 and 中秋节; the lunar one is shown.
    EXPECT_STREQ(BuildConversionMonth(2020, 10).labels[0], "中秋节");
    // 8 August 1913: 父亲节, 七夕情人节 and 立秋; the term is shown.
    EXPECT_STREQ(BuildConversionMonth(1913, 8).labels[7], "12:17:2\n立秋");
    // The control application's table has no 十全十美 (31 January 2004 is lunar 1-10).
    EXPECT_STREQ(BuildConversionMonth(2004, 1).labels[30], "初十");
}

TEST(ConversionMonth, LabaFestivalWhereverTheLunarMonthStarts) {
    int labaSeen = 0;
    for (int y = 1901; y <= 2099; ++y) {
        for (int month = 1; month <= 2; ++month) {
            const ConversionMonth m = BuildConversionMonth(y, month);
            for (int d = 1; d <= m.daysInMonth; ++d) {
                LunarDate ld{};
                ld.year = y;
                ld.month = month;
                ld.day = d;
                ASSERT_EQ(ConvertToLunar(ld), 0);
                if (ld.lunarMonth == 12 && ld.lunarDay == 8 && ld.solarTerm == 0 &&
                    !(month == 1 && d == 1)) {
                    EXPECT_STREQ(m.labels[d - 1], "腊八节");
                    ++labaSeen;
                }
            }
        }
    }
    EXPECT_GT(labaSeen, 150);
    // 1 December 2003 is lunar 11-8, no festival; 30 December 2003 is lunar 12-8.
    const ConversionMonth december = BuildConversionMonth(2003, 12);
    EXPECT_STREQ(december.labels[0], "初八");
    EXPECT_STREQ(december.labels[29], "腊八节");
}

TEST(ConversionMonth, EveryLabelOfEveryMonthIsWhole) {
    for (int y = 1900; y <= 2099; ++y) {
        for (int month = 1; month <= 12; ++month) {
            const ConversionMonth m = BuildConversionMonth(y, month);
            ASSERT_EQ(m.daysInMonth, DaysInMonth(y, month));
            ASSERT_EQ(std::strlen(m.title), 27u);
            for (int d = 1; d <= m.daysInMonth; ++d) {
                const std::string label = m.labels[d - 1];
                ASSERT_FALSE(label.empty());
                ASSERT_LE(label.size(), 15u);
                std::uint32_t seconds = 0;
                const int term = SolarTermOfDay(y, month, d, seconds);
                if (term != 0) {
                    ASSERT_EQ(label.substr(label.find('\n') + 1), kSolarTermNames[term]);
                }
            }
        }
    }
}

TEST(DesktopMonth, SlotsKeepEveryCategoryApart) {
    const DisplaySettings s = DefaultDisplaySettings();
    const DesktopMonth jan = Desktop(1900, 1, s);
    EXPECT_EQ(SlotText(jan, 1, kDayLabelSlot), "12月大");
    EXPECT_EQ(SlotText(jan, 1, kSolarFestivalSlot), "元旦");
    EXPECT_EQ(SlotText(jan, 31, kDayLabelSlot), "1月小");
    EXPECT_EQ(SlotText(jan, 31, kLunarFestivalSlot), "春节");
    EXPECT_EQ(SlotText(jan, 6, kDayLabelSlot), "2:0:5\n小寒");
    EXPECT_EQ(Joined(jan, 1), "12月大\n元旦\n");
    EXPECT_EQ(Joined(jan, 2), "初二\n");
    EXPECT_EQ(Joined(jan, 0), "");
    EXPECT_EQ(Joined(jan, 32), "");
    // The hook library's table has 十全十美 (31 January 2004 is lunar 1-10).
    EXPECT_EQ(SlotText(Desktop(2004, 1, s), 31, kLunarFestivalSlot), "十全十美");
    // A leap 5th month's 5th day is 端午节 too (27 June 2009).
    EXPECT_EQ(SlotText(Desktop(2009, 6, s), 27, kLunarFestivalSlot), "端午节");
}

TEST(DesktopMonth, SwitchesGateEachSlot) {
    DisplaySettings s = DefaultDisplaySettings();
    s.showSolarTerms = 0;
    s.showSolarFestivals = 0;
    s.showLunarFestivals = 0;
    const char* ownSolar[] = {" 1 1自己的", " 1 1最后的", "FFFF"};
    const char* ownLunar[] = {" 1 1家宴"};
    DesktopMonth jan = Desktop(1900, 1, s, ownSolar, 3, ownLunar, 1);
    EXPECT_EQ(SlotText(jan, 6, kDayLabelSlot), "初六");
    EXPECT_EQ(SlotText(jan, 1, kSolarFestivalSlot), "<empty>");
    EXPECT_EQ(SlotText(jan, 1, kOwnSolarSlot), "<empty>");
    EXPECT_EQ(SlotText(jan, 31, kLunarFestivalSlot), "<empty>");

    s.showOwnSolarFestivals = 1;
    s.showOwnLunarFestivals = 1;
    s.showSolarFestivals = 1;
    s.showLunarFestivals = 1;
    jan = Desktop(1900, 1, s, ownSolar, 3, ownLunar, 1);
    EXPECT_EQ(SlotText(jan, 1, kOwnSolarSlot), "最后的"); // last match wins in a slot
    EXPECT_EQ(Joined(jan, 1), "12月大\n元旦\n最后的\n");
    EXPECT_EQ(Joined(jan, 31), "1月小\n春节\n家宴\n");

    // A copy is a value of its own.
    const DesktopMonth copy = jan;
    jan.days[0].ownSolar[0] = '\0';
    EXPECT_EQ(SlotText(copy, 1, kOwnSolarSlot), "最后的");
}

TEST(DesktopMonth, LongOwnNamesAreCutAndTheCellStaysWithin200Bytes) {
    DisplaySettings s = DefaultDisplaySettings();
    s.showOwnSolarFestivals = 1;
    s.showOwnLunarFestivals = 1;
    std::string longName = " 1 1";
    for (int i = 0; i < 60; ++i) {
        longName += "长";
    }
    const char* ownSolar[] = {longName.c_str()};
    std::string lunarName = std::string(" 1 1") + std::string(150, 'x');
    const char* ownLunar[] = {lunarName.c_str()};
    const DesktopMonth jan = Desktop(1900, 1, s, ownSolar, 1, ownLunar, 1);
    const std::string own = SlotText(jan, 1, kOwnSolarSlot);
    EXPECT_EQ(own.size(), 30u); // 15 whole characters of the 31 bytes kept
    EXPECT_EQ(own.size() % 2, 0u);

    char out[kCellAnnotationMax + 8];
    std::memset(out, 0x5A, sizeof out);
    const std::size_t length = JoinCellAnnotation(jan, 31, out, sizeof out);
    EXPECT_LT(length, kCellAnnotationMax);
    EXPECT_EQ(out[kCellAnnotationMax], 0x5A);
    EXPECT_EQ(std::string(out), "1月小\n春节\n" + std::string(31, 'x') + "\n");

    // A slot that does not fit is skipped and a later, shorter one still gets in.
    const char* shortLunar[] = {"12 1ab"};
    const DesktopMonth mixed = Desktop(1900, 1, s, ownSolar, 1, shortLunar, 1);
    char small[20];
    EXPECT_EQ(JoinCellAnnotation(mixed, 1, small, sizeof small), 15u);
    EXPECT_STREQ(small, "12月大\n元旦\nab\n");
}

} // namespace
} // namespace luna
