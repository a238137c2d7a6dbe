#include "app/logic/reminder_item.h"

#include <gtest/gtest.h>

namespace luna {
namespace {

TEST(ReminderItem, StampIsFourBlankPaddedFieldsFollowedDirectlyByTheText) {
    EXPECT_EQ(ComposeReminderItem({2, 5, 7, 5}, "开会"), " 2/ 5  7: 5开会");
    EXPECT_EQ(ComposeReminderItem({12, 31, 23, 59}, ""), "12/31 23:59");
    EXPECT_EQ(ComposeReminderItem({1, 1, 0, 0}, nullptr), " 1/ 1  0: 0");
}

TEST(ReminderItem, TextIsCutTo88BytesAtACharacterAndLineBreakBoundary) {
    const ReminderTime t{3, 4, 5, 6};
    const std::string exact(88, 'a');
    EXPECT_EQ(ComposeReminderItem(t, exact.c_str()).size(), 99u);
    EXPECT_EQ(ComposeReminderItem(t, (exact + "bcd").c_str()), " 3/ 4  5: 6" + exact);

    // 87 bytes, then a two-byte character that would straddle the limit.
    const std::string straddling = std::string(87, 'a') + "字";
    EXPECT_EQ(ComposeReminderItem(t, straddling.c_str()), " 3/ 4  5: 6" + std::string(87, 'a'));

    // A line break whose LF would be cut off is dropped whole.
    const std::string lineBreak = std::string(87, 'a') + "\r\nb";
    EXPECT_EQ(ComposeReminderItem(t, lineBreak.c_str()), " 3/ 4  5: 6" + std::string(87, 'a'));
    EXPECT_EQ(ComposeReminderItem(t, "早\r\n晚"), " 3/ 4  5: 6早\r\n晚");
}

TEST(ReminderItem, EndOfFileByteIsLeftOut) {
    EXPECT_EQ(ComposeReminderItem({1, 2, 3, 4}, "a\x1a"
                                                "b"),
              " 1/ 2  3: 4ab");
}

TEST(ReminderItem, TextOfAnItemIsWhatFollowsTheStamp) {
    EXPECT_EQ(ReminderTextOf(" 2/ 5  7: 5开会"), "开会");
    EXPECT_EQ(ReminderTextOf(" 2/ 5  7: 5"), "");
    EXPECT_EQ(ReminderTextOf("short"), "");
}

TEST(ComboText, NumbersInRangeAreReadWithOrWithoutBlanks) {
    int value = -7;
    EXPECT_TRUE(ParseComboNumber(" 5", 1, 12, &value));
    EXPECT_EQ(value, 5);
    EXPECT_TRUE(ParseComboNumber("12 ", 1, 12, &value));
    EXPECT_EQ(value, 12);
    EXPECT_TRUE(ParseComboNumber("0", 0, 23, &value));
    EXPECT_EQ(value, 0);
    EXPECT_TRUE(ParseComboNumber("007", 0, 59, &value));
    EXPECT_EQ(value, 7);
}

TEST(ComboText, EverythingElseIsRefusedAndLeavesTheValueAlone) {
    int value = 42;
    for (const char* text : {"", "  ", "0", "13", "-1", "+3", "1a", "a1", "1 2", "3.0", "月",
                             "99999999999999999999"}) {
        EXPECT_FALSE(ParseComboNumber(text, 1, 12, &value)) << text;
    }
    EXPECT_FALSE(ParseComboNumber(nullptr, 1, 12, &value));
    EXPECT_EQ(value, 42);
}

TEST(ComboText, ReminderTimeNamesTheFirstFieldThatIsRefused) {
    ReminderTime t{9, 9, 9, 9};
    EXPECT_EQ(ReadReminderTime(" 2", " 5", " 7", " 5", &t), ReminderField::None);
    EXPECT_EQ(t.month, 2);
    EXPECT_EQ(t.day, 5);
    EXPECT_EQ(t.hour, 7);
    EXPECT_EQ(t.minute, 5);

    ReminderTime untouched{9, 9, 9, 9};
    EXPECT_EQ(ReadReminderTime("0", "32", "24", "60", &untouched), ReminderField::Month);
    EXPECT_EQ(ReadReminderTime("1", "32", "24", "60", &untouched), ReminderField::Day);
    EXPECT_EQ(ReadReminderTime("1", "31", "24", "60", &untouched), ReminderField::Hour);
    EXPECT_EQ(ReadReminderTime("1", "31", "23", "60", &untouched), ReminderField::Minute);
    EXPECT_EQ(untouched.month, 9);

    EXPECT_STRNE(ReminderFieldMessage(ReminderField::Hour), "");
    EXPECT_STREQ(ReminderFieldMessage(ReminderField::None), "");
}

} // namespace
} // namespace luna
