// Message tables: which entry a message reaches.
#include <gtest/gtest.h>

#include "app/framework/message_table.h"

namespace luna {
namespace {

constexpr unsigned kPaint = 0x000F;
constexpr unsigned kTimer = 0x0113;
constexpr int kChange = 0x0300; // EN_CHANGE
constexpr int kFocus = 0x0100;  // EN_SETFOCUS

std::uintptr_t CommandParam(unsigned id, int code) {
    return (static_cast<std::uintptr_t>(code) << 16) | id;
}

TEST(MessageTable, CommandsMatchTheirControlAndNotification) {
    const MessageEntry<int> table[] = {
        MapMessage(kPaint, 1),
        MapCommand(1003, 2),
        MapNotification(1075, kChange, 3),
        MapCommand(1075, 4),
    };
    auto handler = [&table](unsigned message, std::uintptr_t wParam) {
        const MessageEntry<int>* entry = FindMessageEntry(table, message, wParam);
        return entry == nullptr ? 0 : entry->handler;
    };
    // Any wParam for an ordinary message; none for a message not in the table.
    EXPECT_EQ(1, handler(kPaint, 0x12345678));
    EXPECT_EQ(0, handler(kTimer, 1));
    // A button's click (code 0) and a menu or accelerator command reach the same entry.
    EXPECT_EQ(2, handler(kCommandMessage, CommandParam(1003, 0)));
    EXPECT_EQ(2, handler(kCommandMessage, CommandParam(1003, 1)));
    // The control id is the low word only: an id in the high word matches nothing.
    EXPECT_EQ(0, handler(kCommandMessage, CommandParam(1004, 0)));
    EXPECT_EQ(0, handler(kCommandMessage, CommandParam(0, 1003)));
    // A notification entry takes its own code; the entry after it takes the others.
    EXPECT_EQ(3, handler(kCommandMessage, CommandParam(1075, kChange)));
    EXPECT_EQ(4, handler(kCommandMessage, CommandParam(1075, kFocus)));
    // A command id equal to a message number is no message of that number.
    EXPECT_EQ(0, handler(kCommandMessage, CommandParam(kPaint, 0)));
}

TEST(MessageTable, BitsAboveThirtyTwoAreIgnored) {
    const MessageEntry<int> table[] = {MapCommand(1, 7)};
    const std::uintptr_t wide = sizeof(std::uintptr_t) > 4 ? (std::uintptr_t{1} << 40) : 0;
    EXPECT_NE(nullptr, FindMessageEntry(table, kCommandMessage, wide | CommandParam(1, 0)));
}

} // namespace
} // namespace luna
