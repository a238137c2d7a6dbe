#include <gtest/gtest.h>

#include <cstdio>

#include "calendar/holidays.h"
#include "shared/holiday_check.h"
#include "shared/gbk_text.h"
#include "shared/holiday_json.h"
#include "shared/notice_text.h"

namespace luna {
namespace {

// The shipped 2026 as a data set publishes it (UTF-8 names), with a field we do not know.
// Literals with Chinese are u8: the JSON is UTF-8, not the GBK of plain literals.
std::string Published2026() {
    std::string json = "{\"$schema\":\"x\",\"year\":2026,\"papers\":[\"p\"],\"days\":[";
    for (const HolidayEntry& e : ShippedHolidayYears().back().days) {
        char date[16];
        std::snprintf(date, sizeof date, "%04d-%02d-%02d", e.year, e.month, e.day);
        json += std::string(json.back() == '[' ? "" : ",") + "{\"name\":\"" + Utf8FromGbk(e.name) +
                "\",\"date\":\"" + date +
                "\",\"isOffDay\":" + (e.mark == HolidayMark::Off ? "true" : "false") + "}";
    }
    return json + "]}";
}

// A published year reads back as the shipped one; the same days are no change, other days
// a revision.
TEST(HolidayJson, APublishedYearReadsAsTheShippedOne) {
    const HolidayYear& shipped = ShippedHolidayYears().back();
    HolidayYear year;
    std::string reason;
    ASSERT_TRUE(ReadHolidayJson(Published2026(), year, reason)) << reason;
    EXPECT_EQ(year.notice, "p");
    EXPECT_EQ(CheckHolidayYear(year, 2026, &shipped, reason), HolidayCheck::Unchanged) << reason;
    year.days.pop_back();
    EXPECT_EQ(CheckHolidayYear(year, 2026, &shipped, reason), HolidayCheck::Revised);
    EXPECT_EQ(CheckHolidayYear(year, 2026, nullptr, reason), HolidayCheck::Added);
}

// Whatever breaks the form or a rule is refused whole: each line breaks one.
TEST(HolidayJson, ABrokenFormOrRuleIsRefused) {
    const std::string good = Published2026();
    const std::string day = u8R"({"name":"元旦","date":"2026-01-01","isOffDay":true})";
    for (const std::string& bad : {
             good.substr(0, good.size() - 1),                                  // cut short
             good + "x",                                                       // garbage after
             std::string(R"({"year":2026,"year":2026,"days":[)") + day + "]}", // key twice
             std::string(R"({"year":"2026","days":[)") + day + "]}",           // year as text
             std::string(
                 u8R"({"year":2026,"days":[{"name":"元旦","date":"2026-1-01","isOffDay":true}]})"),
             std::string(u8R"({"year":2026,"days":[{"name":"元旦","date":"2026-01-01"}]})"),
             std::string(
                 R"({"year":2026,"days":[{"name":"\ud800","date":"2026-01-01","isOffDay":true}]})"),
             std::string(
                 "{\"year\":2026,\"days\":[{\"name\":\"\xd4\xaa\xb5\xa9\",\"date\":\"2026-01-01\","
                 "\"isOffDay\":true}]}"),
             std::string(R"({"year":2026,"days":[)") + std::string(70000, ' ') + day + "]}",
             std::string(7, '[') + std::string(7, ']'),
         }) {
        HolidayYear year;
        std::string reason;
        EXPECT_FALSE(ReadHolidayJson(bad, year, reason)) << bad.substr(0, 80);
    }
    const auto check = [&](const std::string& days, int expected) {
        HolidayYear year;
        std::string reason;
        EXPECT_TRUE(ReadHolidayJson(R"({"year":2026,"days":[)" + days + "]}", year, reason));
        return CheckHolidayYear(year, expected, nullptr, reason);
    };
    EXPECT_EQ(check(day, 2026), HolidayCheck::Added);
    EXPECT_EQ(check(day, 2027), HolidayCheck::Refused); // another year than asked for
    EXPECT_EQ(check(u8R"({"name":"元旦","date":"2025-11-30","isOffDay":true})", 2026),
              HolidayCheck::Refused); // before December of the year before
    EXPECT_EQ(check(day + "," + u8R"({"name":"元旦","date":"2026-01-01","isOffDay":false})", 2026),
              HolidayCheck::Refused); // one day both
    EXPECT_EQ(check(u8R"({"name":"元旦","date":"2026-01-05","isOffDay":false})", 2026),
              HolidayCheck::Refused); // 班 on a Monday
    EXPECT_EQ(check(u8R"({"name":"元\n旦","date":"2026-01-01","isOffDay":true})", 2026),
              HolidayCheck::Refused); // a line break that would split the file's line
    EXPECT_EQ(check("", 2026), HolidayCheck::Refused);
}

} // namespace
} // namespace luna
