#include "hook/logic/reminder_panel_text.h"

#include <cstring>

namespace luna {

void ComposeReminderPanelText(const char* const* entries, std::size_t count,
                              ReminderPanelText& out) {
    std::memset(out.text, 0, sizeof out.text);
    out.entriesShown = 0;
    std::size_t used = 0;
    for (std::size_t i = 0; entries != nullptr && i < count && entries[i] != nullptr; ++i) {
        const std::size_t length = std::strlen(entries[i]);
        if (length + 1 > kReminderPanelChars - used) {
            break;
        }
        std::memcpy(out.text + used, entries[i], length);
        used += length;
        ++out.entriesShown;
        if (i + 1 < count && entries[i + 1] != nullptr) {
            out.text[used++] = '\n';
        }
    }
    std::memset(out.text + used, ' ', kReminderPanelChars - used);
    out.text[kReminderPanelChars] = '\0';
}

} // namespace luna
