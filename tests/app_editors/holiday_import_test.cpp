#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/logic/holiday_import.h"
#include "calendar/holidays.h"
#include "shared/holiday_store.h"

namespace luna {
namespace {

std::string Days(const HolidayYear& year) {
    std::string out;
    for (const HolidayEntry& e : year.days) {
        out += std::to_string(e.year * 10000 + e.month * 100 + e.day) + e.name +
               (e.mark == HolidayMark::Off ? "+" : "-");
    }
    return out;
}

// A notice, our own text form and a broken notice: the first two give the same year to
// store, the last nothing but a message quoting where it stopped.
TEST(HolidayImport, EachFormGivesTheYearOrNothing) {
    std::ifstream in(LUNA_NOTICE_DIR "/2026.txt", std::ios::binary);
    std::ostringstream notice;
    notice << in.rdbuf();
    const HolidayTable table;
    const HolidayImport fromNotice = ReadHolidayImport(notice.str(), table);
    ASSERT_TRUE(fromNotice.ok) << fromNotice.message;
    ASSERT_EQ(fromNotice.years.size(), 1u);
    EXPECT_EQ(Days(fromNotice.years[0]), Days(*table.Year(2026)));
    const HolidayImport fromText = ReadHolidayImport(HolidayYearBlock(*table.Year(2026)), table);
    ASSERT_TRUE(fromText.ok) << fromText.message;
    EXPECT_EQ(Days(fromText.years[0]), Days(*table.Year(2026)));
    const HolidayImport broken = ReadHolidayImport(
        notice.str().substr(0, notice.str().find(u8"共3天")) + u8"共4天。", table);
    EXPECT_FALSE(broken.ok);
    EXPECT_TRUE(broken.years.empty());
    EXPECT_NE(broken.message.find("“1月1日（周四）至3日（周六）放假调休，共4天”"),
              std::string::npos)
        << broken.message;
}

// The preview shows runs month by month; the page names where years came from and, in
// December, the next year that has no data yet.
TEST(HolidayImport, PreviewAndStatus) {
    HolidayTable table;
    const std::string preview = HolidayPreviewText(*table.Year(2026));
    EXPECT_NE(
        preview.find("\r\n9月  20日 班 国庆节；25日-27日 休 中秋节\r\n10月  1日-7日 休 国庆节；"
                     "10日 班 国庆节\r\n"),
        std::string::npos)
        << preview;
    EXPECT_EQ(
        HolidayStatusText(table, 2026, 12),
        "2008-2026 年随程序提供\r\n2027 年的放假安排尚未收录，通知发布后可点“导入放假安排”。");
    HolidayYear imported = *table.Year(2026);
    imported.year = 2027;
    imported.notice = "x（导入 2026-12-08）";
    imported.source = HolidaySource::Imported; // as every year of the file
    table.Apply({imported});
    EXPECT_EQ(HolidayStatusText(table, 2026, 12),
              "2008-2026 年随程序提供；2027 年导入于 2026-12-08");
}

} // namespace
} // namespace luna
