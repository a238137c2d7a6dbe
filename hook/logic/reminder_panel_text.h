// The text of the reminder panel: the loaded reminders, whole, one after another with a
// line feed between them, then blanks up to exactly 2000 characters.
#pragma once

#include <cstddef>

namespace luna {

constexpr std::size_t kReminderPanelChars = 2000;

struct ReminderPanelText {
    char text[kReminderPanelChars + 1]; // always terminated after the 2000 characters
    std::size_t entriesShown;           // how many reminders fitted
};

// entries: up to count texts; the first null entry ends the list. An entry that, with its
// line feed and the text before it, would not fit in 2000 characters ends the panel.
void ComposeReminderPanelText(const char* const* entries, std::size_t count,
                              ReminderPanelText& out);

} // namespace luna
