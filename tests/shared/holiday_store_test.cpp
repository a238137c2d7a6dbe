#include <gtest/gtest.h>

#include "calendar/holidays.h"
#include "shared/holiday_store.h"

namespace luna {
namespace {

// Storing a year rewrites its block alone: the user's comments, other years and even a line
// no reader understands stay; the provenance reads back from the year line.
TEST(HolidayStore, StoringAYearRewritesItsBlockAlone) {
    const std::string file = "# mine\r\n[2027] old\r\n2027-01-01 休 元旦\r\n# about 2027\r\n"
                             "[2028] other\r\n2028-01-01 休 元旦\r\nbad line\r\n";
    HolidayYear year;
    year.year = 2027;
    year.notice = "国务院办公厅关于2027年部分节假日安排的通知";
    year.source = HolidaySource::Fetched;
    year.sourceDate = "2026-12-08";
    year.days = {{1, 1, HolidayMark::Off, "元旦", 2027}, {12, 27, HolidayMark::Work, "元旦", 2026}};
    std::string text = ReplaceHolidayYearBlock(file, year);
    text = ReplaceHolidayYearBlock(text, year); // twice changes nothing more
    EXPECT_EQ(text, "# mine\r\n[2028] other\r\n2028-01-01 休 元旦\r\nbad line\r\n\r\n"
                    "[2027] 国务院办公厅关于2027年部分节假日安排的通知（联网获取 2026-12-08）\r\n"
                    "2027-01-01 休 元旦\r\n2026-12-27 班 元旦\r\n");
    HolidayParse parse = ParseHolidayText(text, HolidaySource::Imported);
    ASSERT_EQ(parse.years.size(), 2u);
    EXPECT_EQ(parse.problems.size(), 1u);
    TakeProvenance(parse.years[1]);
    EXPECT_EQ(parse.years[1].notice, year.notice);
    EXPECT_EQ(parse.years[1].source, HolidaySource::Fetched);
    EXPECT_EQ(parse.years[1].sourceDate, "2026-12-08");
    EXPECT_EQ(parse.years[1].days.size(), 2u);
}

} // namespace
} // namespace luna
