// Lunar reminders become the ordinary entries of the Gregorian day they fall on.
#include <gtest/gtest.h>

#include <string>

#include "hook/logic/lunar_due.h"

namespace luna {
namespace {

std::string Due(const char* record, int year, int month, int day) {
    ReminderEntry entry;
    return LunarReminderOnDay(record, year, month, day, entry) ? std::string(entry) : "-";
}

TEST(LunarDue, LeapMonthReminderTakesTheGregorianStampOfItsDay) {
    const char* leap = " 2L 1  8: 0生日";
    EXPECT_EQ(Due(leap, 2004, 3, 21), " 3/21  8: 0生日"); // 2004's leap 2nd month
    EXPECT_EQ(Due(leap, 2004, 2, 20), "-");               // not in the ordinary twin then
    EXPECT_EQ(Due(leap, 2005, 3, 10), " 3/10  8: 0生日"); // 2005 has no leap month
    const char* ordinary = " 2/ 1  8: 0生日";
    EXPECT_EQ(Due(ordinary, 2004, 2, 20), " 2/20  8: 0生日");
    EXPECT_EQ(Due(ordinary, 2004, 3, 21), "-");
    // 除夕 on 12-30: the 29th where the 12th month is short.
    EXPECT_EQ(Due("12/30 23:59除夕", 2025, 1, 28), " 1/28 23:59除夕");
}

TEST(LunarDue, UnreadableRecordsAndDaysOutOfRangeAreNeverDue) {
    EXPECT_EQ(Due(" 2X 1  8: 0x", 2004, 2, 20), "-");
    EXPECT_EQ(Due(" 2/31  8: 0x", 2004, 2, 20), "-");
    EXPECT_EQ(Due(" 2/ 1", 2004, 2, 20), "-");
    EXPECT_EQ(Due(" 1/ 1  0: 0x", 2100, 1, 1), "-");
    // A whole 100-byte record keeps its 89 bytes of text.
    const std::string full = " 2/ 1  8: 0" + std::string(89, 'a');
    EXPECT_EQ(Due(full.c_str(), 2004, 2, 20), " 2/20  8: 0" + std::string(89, 'a'));

    const char* records[] = {" 2/ 1  8: 0a", " 3/ 1  8: 0b", " 2/ 1  9: 0c", nullptr};
    ReminderEntry out[2];
    EXPECT_EQ(LunarRemindersOnDay(records, 4, 2004, 2, 20, out, 2), 2u);
    EXPECT_EQ(std::string(out[1]), " 2/20  9: 0c");
}

} // namespace
} // namespace luna
