#include <gtest/gtest.h>

#include <sstream>

#include "calendar/lunar.h"
#include "calendar/names.h"
#include "tools/lunacal/export_lines.h"
#include "tools/lunacal/month_view.h"

namespace luna::lunacal {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST(MonthView, WidthsAndWrapping) {
    EXPECT_EQ(DisplayWidth("农历:12"), 7u);
    EXPECT_EQ(DisplayWidth(""), 0u);
    EXPECT_EQ(WrapLabel("2:0:5\n小寒", 8), (std::vector<std::string>{"2:0:5", "小寒"}));
    EXPECT_EQ(WrapLabel("国际声援南非日", 8), (std::vector<std::string>{"国际声援", "南非日"}));
    EXPECT_EQ(WrapLabel("初一", 8), (std::vector<std::string>{"初一"}));
    EXPECT_EQ(WrapLabel("\xC4", 8), (std::vector<std::string>{"\xC4"})); // half a character
}

TEST(MonthView, GridOfJanuary1900) {
    const std::vector<std::string> lines = Lines(RenderMonthGrid(BuildConversionMonth(1900, 1)));
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines[0], std::string(21, ' ') + "农历:己亥[猪]年丁丑月甲戌日");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "    日        一        二        三        四        五        六");
    EXPECT_EQ(lines[3].substr(0, 20), "               1    ");
    EXPECT_EQ(lines[4].substr(0, 20), "             元旦   ");
    EXPECT_EQ(lines.back(), "   甘八      甘九      除夕      春节");
}

// Every grid of the table's range: no line wider than 7 cells of 10 columns, each day
// number centred in its own column, and every label line starting in its cell.
TEST(MonthView, EveryMonthIsAligned) {
    for (int y = 1900; y <= 2099; ++y) {
        for (int m = 1; m <= 12; ++m) {
            const ConversionMonth month = BuildConversionMonth(y, m);
            const std::vector<std::string> lines = Lines(RenderMonthGrid(month));
            for (const std::string& line : lines) {
                ASSERT_LE(DisplayWidth(line), 70u) << y << "-" << m;
            }
            int day = 1;
            for (std::size_t i = 3; i < lines.size() && day <= month.daysInMonth; ++i) {
                const std::string& line = lines[i];
                if (line.find_first_not_of(" 0123456789") != std::string::npos) {
                    continue; // a label line: labels always hold a colon or a GBK character
                }
                const int first = (day == 1) ? month.firstWeekday : 0;
                for (int column = first; column < 7 && day <= month.daysInMonth; ++column) {
                    ASSERT_EQ(line.compare(column * 10 + 4, 2, kSolarDayNames[day - 1]), 0)
                        << y << "-" << m << " day " << day;
                    ++day;
                }
            }
            ASSERT_EQ(day, month.daysInMonth + 1) << y << "-" << m;
        }
    }
}

TEST(MonthView, ListWritesLineBreaksAsBlanks) {
    const std::vector<std::string> lines = Lines(RenderMonthList(BuildConversionMonth(1900, 1)));
    ASSERT_EQ(lines.size(), 31u);
    EXPECT_EQ(lines[0], "1\t元旦");
    EXPECT_EQ(lines[5], "6\t2:0:5 小寒");
    EXPECT_EQ(lines[30], "31\t春节");
}

TEST(ExportLines, ColumnsOfOrdinaryLeapAndTermDays) {
    std::string out;
    AppendExportLine(2004, 1, 22, out);
    AppendExportLine(2004, 3, 21, out);
    AppendExportLine(1900, 1, 6, out);
    AppendExportLine(2004, 2, 30, out); // no such day: nothing
    EXPECT_EQ(out, "2004-01-22\t2004\t1\t1\t0\t29\t甲申\t丙寅\t庚子\t猴\t-\t-\n"
                   "2004-03-21\t2004\t2\t1\t1\t29\t甲申\t丁卯\t己亥\t猴\t-\t-\n"
                   "1900-01-06\t1899\t12\t6\t0\t30\t己亥\t丁丑\t己卯\t猪\t小寒\t02:00:05\n");
}

} // namespace
} // namespace luna::lunacal
