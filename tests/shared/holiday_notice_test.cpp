#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "calendar/holidays.h"
#include "shared/holiday_amend.h"
#include "shared/holiday_notice.h"

namespace luna {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::string Describe(const std::vector<HolidayEntry>& days) {
    std::string out;
    for (const HolidayEntry& e : days) {
        out += std::to_string(e.year) + "-" + std::to_string(e.month) + "-" +
               std::to_string(e.day) + (e.mark == HolidayMark::Off ? " off " : " work ") + e.name +
               "\n";
    }
    return out;
}

// Our own notices, one per shipped year in the published form ("2015.txt") and the later
// ones that changed a year ("2015-09.txt"), applied in order, give exactly the shipped days:
// the reader and the data check each other.
TEST(HolidayNotice, EveryShippedYearsNoticesGiveItsDays) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(LUNA_NOTICE_DIR)) {
        files.push_back(entry.path());
    }
    // "2015" before "2015-09": the year's notice, then the later ones.
    std::sort(files.begin(), files.end(),
              [](const fs::path& a, const fs::path& b) { return a.stem() < b.stem(); });
    for (const HolidayYear& shipped : ShippedHolidayYears()) {
        SCOPED_TRACE(shipped.year);
        HolidayYear year;
        bool any = false;
        for (const fs::path& file : files) {
            if (file.filename().string().rfind(std::to_string(shipped.year), 0) != 0) {
                continue;
            }
            const NoticeReading reading = ReadHolidayNotice(ReadFile(file));
            ASSERT_TRUE(reading.ok) << file << ": " << reading.reason << ": " << reading.stoppedAt;
            EXPECT_EQ(reading.year, shipped.year);
            std::string reason;
            ASSERT_TRUE(ApplyNotice(reading, any ? &year : nullptr, year, reason)) << reason;
            any = true;
        }
        ASSERT_TRUE(any);
        EXPECT_EQ(Describe(year.days), Describe(shipped.days));
    }
}

// A sentence that speaks of days but cannot be read stops the reader, which quotes it and
// keeps nothing: a wrong weekday in a note, a make-up day on a weekday, an unknown form.
TEST(HolidayNotice, AnUnreadableSentenceIsQuotedAndNothingIsKept) {
    const std::string title = "国务院办公厅关于2026年部分节假日安排的通知\n如下：\n";
    for (const char* bad :
         {"一、元旦：1月1日（周五）至3日放假调休，共3天。",
          "一、元旦：1月1日至3日放假调休，共4天。",
          "一、元旦：1月1日至3日放假调休。1月5日（周一）上班。",
          "一、元旦：1月1日放假，1月4日前后另行安排放假。", "一、元旦：2027年1月1日放假。"}) {
        const NoticeReading reading = ReadHolidayNotice(title + bad);
        EXPECT_FALSE(reading.ok) << bad;
        EXPECT_TRUE(reading.days.empty());
        EXPECT_NE(std::string(bad).find(reading.stoppedAt.substr(0, 12)), std::string::npos)
            << reading.stoppedAt;
    }
}

// A notice that changes a published year is laid over that year only: without it, or over
// another year, nothing comes of it.
TEST(HolidayNotice, AChangeNeedsTheYearItChanges) {
    const NoticeReading change =
        ReadHolidayNotice(ReadFile(fs::path(LUNA_NOTICE_DIR) / "2019-03.txt"));
    ASSERT_TRUE(change.ok && change.amendment);
    HolidayYear year;
    std::string reason;
    EXPECT_FALSE(ApplyNotice(change, nullptr, year, reason));
    EXPECT_FALSE(ApplyNotice(change, &ShippedHolidayYears()[10], year, reason)); // 2018
    EXPECT_FALSE(reason.empty());
}

// A notice cut anywhere either fails or reads a part of what the whole gives: nothing is
// ever invented from half a sentence.
TEST(HolidayNotice, ATruncatedNoticeNeverInventsDays) {
    const std::string whole = ReadFile(fs::path(LUNA_NOTICE_DIR) / "2026.txt");
    const std::string all = Describe(ReadHolidayNotice(whole).days);
    for (std::size_t cut = 0; cut < whole.size(); cut += 5) {
        const NoticeReading reading = ReadHolidayNotice(whole.substr(0, cut));
        if (reading.ok) {
            for (const HolidayEntry& e : reading.days) {
                EXPECT_NE(all.find(Describe({e})), std::string::npos) << cut;
            }
        } else {
            EXPECT_FALSE(reading.reason.empty());
        }
    }
}

} // namespace
} // namespace luna
