#include <gtest/gtest.h>

#include "shared/lunar_reminder_file.h"

namespace luna {
namespace {

TEST(LunarStamp, LeapMonthIsMarkedAndReadBack) {
    char text[kLunarStampLength + 1];
    ASSERT_TRUE(FormatLunarStamp({4, false, 15, 8, 0}, text));
    EXPECT_STREQ(text, " 4/15  8: 0");
    ASSERT_TRUE(FormatLunarStamp({12, true, 1, 23, 59}, text));
    EXPECT_STREQ(text, "12L 1 23:59");
    LunarStamp s{};
    ASSERT_TRUE(ParseLunarStamp("12L 1 23:59生日", s));
    EXPECT_EQ(s.month, 12);
    EXPECT_TRUE(s.leap);
    EXPECT_EQ(s.day, 1);
    EXPECT_EQ(s.hour, 23);
    EXPECT_EQ(s.minute, 59);
    EXPECT_FALSE(FormatLunarStamp({4, false, 31, 8, 0}, text));
    EXPECT_STREQ(text, "");
}

TEST(LunarStamp, AnythingButTheStampFormIsRefused) {
    LunarStamp s{};
    for (const char* bad : {"", " 4/15  8:", " 4-15  8: 0", " 4/15 08-00", "13/ 1  0: 0",
                            " 0/ 1  0: 0", " 4/31  0: 0", " 4/ 0  0: 0", " 4/ 1 24: 0",
                            " 4/ 1  0:60", "x4/ 1  0: 0", " 4/ 1  0:-1", "\xff\xff/ 1  0: 0"}) {
        EXPECT_FALSE(ParseLunarStamp(bad, s)) << bad;
    }
    EXPECT_FALSE(ParseLunarStamp(nullptr, s));
}

} // namespace
} // namespace luna
