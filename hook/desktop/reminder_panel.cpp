#include "hook/desktop/reminder_panel.h"

#include "hook/desktop/reminders.h"
#include "hook/logic/reminder_panel_text.h"
#include "hook/desktop/overlay_outline.h"
#include "shared/win32/wide_text.h"

namespace luna {
namespace {

constexpr COLORREF kReminderRed = RGB(255, 0, 0);

} // namespace

void DrawReminderPanel(Desktop& desktop) {
    if (!desktop.Ready()) {
        return;
    }
    struct PanelWork {
        ReminderPanelText text;
        ReminderEntry lunarToday[kReminderSlots];
    };
    auto* panel =
        static_cast<PanelWork*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(PanelWork)));
    if (panel == nullptr) {
        return;
    }
    const char* entries[2 * kReminderSlots] = {};
    std::size_t count = 0;
    for (std::size_t i = 0; i < kReminderSlots && userReminders[i] != nullptr; ++i) {
        entries[count++] = userReminders[i];
    }
    const std::size_t lunarDue = LunarRemindersDueOn(CurrentLocalTime(), panel->lunarToday);
    for (std::size_t i = 0; i < lunarDue; ++i) {
        entries[count++] = panel->lunarToday[i];
    }
    ComposeReminderPanelText(entries, count, panel->text);

    HDC work = desktop.panelWork.dc;
    SetTextColor(work, kReminderRed);
    RECT local = ToRect(desktop.panels.reminderLocal);
    const RECT target = ToRect(desktop.panels.reminder);
    BitBlt(work, 0, 0, local.right, local.bottom, desktop.background.dc, target.left, target.top,
           SRCCOPY);
    DrawOverlayText(work, panel->text.text, static_cast<int>(kReminderPanelChars), &local,
                    DT_WORDBREAK);
    BitBlt(desktop.picture.dc, target.left, target.top, local.right, local.bottom, work, 0, 0,
           SRCCOPY);
    ShowOnView(target);
    HeapFree(GetProcessHeap(), 0, panel);
}

} // namespace luna
