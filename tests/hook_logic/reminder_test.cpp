#include "hook/logic/reminder_check.h"
#include "hook/logic/reminder_panel_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace luna {
namespace {

TEST(ReminderCheck, StampIsTheRecordPrefixWithBlankPadding) {
    EXPECT_STREQ(FormatReminderStamp(3, 1, 8, 5).text, " 3/ 1  8: 5");
    EXPECT_STREQ(FormatReminderStamp(12, 31, 23, 59).text, "12/31 23:59");
    EXPECT_STREQ(FormatReminderStamp(100, 1, 1, 1).text, ""); // would not fit 11 bytes
}

TEST(ReminderCheck, MatchesTheFirstElevenBytesOnly) {
    const ReminderStamp due = FormatReminderStamp(3, 1, 8, 5);
    EXPECT_TRUE(ReminderIsDue(" 3/ 1  8: 5 dentist", due));
    EXPECT_TRUE(ReminderIsDue(" 3/ 1  8: 5", due));
    EXPECT_FALSE(ReminderIsDue(" 3/ 1  8: 6 dentist", due));
    EXPECT_FALSE(ReminderIsDue(" 3/ 1  8:", due)); // shorter than the stamp
    EXPECT_FALSE(ReminderIsDue("", due));
    EXPECT_FALSE(ReminderIsDue(nullptr, due));
    EXPECT_FALSE(ReminderIsDue(" 3/ 1  8: 5 x", FormatReminderStamp(100, 1, 1, 1)));
}

std::string PanelOf(const std::vector<const char*>& entries, std::size_t* shown = nullptr) {
    static ReminderPanelText panel; // 2 KB: keep it off the test's stack frame
    ComposeReminderPanelText(entries.data(), entries.size(), panel);
    if (shown != nullptr) {
        *shown = panel.entriesShown;
    }
    return std::string(panel.text);
}

TEST(ReminderPanel, EntriesAreJoinedByLineFeedsAndPaddedWithBlanks) {
    std::size_t shown = 0;
    const std::string text = PanelOf({" 3/ 1  8: 5 a", " 4/ 2 10:30 b", nullptr, "hidden"}, &shown);
    ASSERT_EQ(text.size(), kReminderPanelChars);
    EXPECT_EQ(shown, 2u);
    EXPECT_EQ(text.substr(0, 27), " 3/ 1  8: 5 a\n 4/ 2 10:30 b");
    EXPECT_EQ(text.find_first_not_of(' ', 27), std::string::npos);
    EXPECT_EQ(PanelOf({}), std::string(kReminderPanelChars, ' '));
    static ReminderPanelText none;
    ComposeReminderPanelText(nullptr, 50, none); // no list at all
    EXPECT_EQ(none.entriesShown, 0u);
}

TEST(ReminderPanel, OnlyWholeEntriesThatFitAreShown) {
    const std::string long99(99, 'x');
    std::vector<const char*> entries(50, long99.c_str());
    std::size_t shown = 0;
    const std::string text = PanelOf(entries, &shown);
    ASSERT_EQ(text.size(), kReminderPanelChars);
    EXPECT_EQ(shown, 20u); // 20 entries of 99 bytes and a line feed fill 2000 bytes
    EXPECT_EQ(text.find(' '), std::string::npos);

    const std::string long1990(1990, 'y');
    const std::string short20(20, 'z');
    const std::string cut = PanelOf({long1990.c_str(), short20.c_str(), "w"}, &shown);
    EXPECT_EQ(shown, 1u); // the second does not fit whole; nothing after it either
    EXPECT_EQ(cut.substr(0, 1991), long1990 + "\n");
    EXPECT_EQ(cut.find('z'), std::string::npos);
    EXPECT_EQ(cut.find('w'), std::string::npos);
}

} // namespace
} // namespace luna
