#include <gtest/gtest.h>

#include "app/logic/holiday_update_plan.h"

namespace luna {
namespace {

using Years = std::vector<int>;
using Addresses = std::vector<std::string>;

// From where (the registry's web addresses, else the default ones), which years (the one
// without data; both from November to January) and when (on, once a day).
TEST(HolidayUpdatePlan, WhereWhichAndWhen) {
    EXPECT_EQ(HolidayUpdateAddresses(" http://127.0.0.1:8000/{year}.json ;ftp://x;\r\n"
                                     "file:///c:/y.json;https://a/b?y={year}"),
              (Addresses{"http://127.0.0.1:8000/{year}.json", "https://a/b?y={year}"}));
    EXPECT_EQ(HolidayUpdateAddresses(" ; ").size(), 2u);
    EXPECT_EQ(HolidayAddressForYear("https://a/{year}/{year}.json", 2027),
              "https://a/2027/2027.json");
    const HolidayTable table; // 2008-2026
    EXPECT_EQ(HolidayYearsToFetch(table, 2026, 6), Years{2027});
    EXPECT_EQ(HolidayYearsToFetch(table, 2026, 11), (Years{2026, 2027}));
    EXPECT_EQ(HolidayYearsToFetch(table, 2025, 7), Years{});
    EXPECT_FALSE(HolidayUpdateDue(false, "", "2026-11-02", {2027}));
    EXPECT_FALSE(HolidayUpdateDue(true, "2026-11-02", "2026-11-02", {2027}));
    EXPECT_FALSE(HolidayUpdateDue(true, "2026-11-01", "2026-11-02", {}));
    EXPECT_TRUE(HolidayUpdateDue(true, "2026-11-01", "2026-11-02", {2027}));
}

} // namespace
} // namespace luna
