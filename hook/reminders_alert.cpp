// The reminder alert, run by the list view's tick at second 0 of every minute.
#include <windows.h>

#include <cstring>

#include "hook/logic/reminder_check.h"
#include "hook/reminders.h"
#include "hook/subclass_chain.h"

namespace luna {

void CheckReminders(const LocalTime& now) {
    const ReminderStamp stamp = FormatReminderStamp(now.month, now.day, now.hour, now.minute);
    // The box runs a modal loop in which the library may detach and free the list, so
    // the list is read afresh after every box and each text is shown from a copy.
    for (std::size_t i = 0; i < kReminderSlots && m_Reminder[i] != nullptr; ++i) {
        if (!ReminderIsDue(m_Reminder[i], stamp)) {
            continue;
        }
        char text[256] = {};
        std::strncpy(text, m_Reminder[i], sizeof text - 1);
        HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
        if (taskbar != nullptr) {
            EnableWindow(taskbar, FALSE);
        }
        MessageBoxA(AttachedViewWindow(), text, "Reminder",
                    MB_OK | MB_TOPMOST | MB_TASKMODAL | MB_SYSTEMMODAL);
        if (taskbar != nullptr) {
            EnableWindow(taskbar, TRUE);
        }
    }
}

} // namespace luna
