// The reminder alert, run by the list view's tick once for every minute that begins.
#include <windows.h>

#include <cstring>

#include "hook/logic/reminder_check.h"
#include "hook/desktop/reminders.h"
#include "hook/subclass_chain.h"
#include "shared/win32/wide_text.h"

namespace luna {

namespace {

void ShowReminderBox(const char* text) {
    HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
    if (taskbar != nullptr) {
        EnableWindow(taskbar, FALSE);
    }
    MessageBoxGbk(AttachedViewWindow(), text, "Reminder",
                  MB_OK | MB_TOPMOST | MB_TASKMODAL | MB_SYSTEMMODAL);
    if (taskbar != nullptr) {
        EnableWindow(taskbar, TRUE);
    }
}

} // namespace

void CheckReminders(const LocalTime& minute) {
    const ReminderStamp stamp =
        FormatReminderStamp(minute.month, minute.day, minute.hour, minute.minute);
    // The box runs a modal loop in which the library may detach and free the list, so
    // the list is read afresh after every box and each text is shown from a copy.
    for (std::size_t i = 0; i < kReminderSlots && userReminders[i] != nullptr; ++i) {
        if (!ReminderIsDue(userReminders[i], stamp)) {
            continue;
        }
        char text[256] = {};
        std::strncpy(text, userReminders[i], sizeof text - 1);
        ShowReminderBox(text);
    }
    // Lunar reminders, turned into the entries of that date before the check; the
    // entries are copies, so a detach during a box cannot take them away.
    ReminderEntry lunar[kReminderSlots];
    const std::size_t due = LunarRemindersDueOn(minute, lunar);
    for (std::size_t i = 0; i < due; ++i) {
        if (ReminderIsDue(lunar[i], stamp)) {
            ShowReminderBox(lunar[i]);
        }
    }
}

} // namespace luna
