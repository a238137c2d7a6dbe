// The settings sheet: clock, reminder, calendar and system pages, in this tab order. It
// lives while it is open, so every opening starts each page afresh from the settings.
#pragma once

#include "app/settings/calendar/calendar_page.h"
#include "app/settings/clock/clock_page.h"
#include "app/control_state.h"
#include "app/framework/property_sheet.h"
#include "app/settings/system/system_page.h"
#include "app/settings/reminder/reminder_page.h"

namespace luna {

class SettingsSheet : public PropertySheetDialog {
  public:
    // The owner is the main window; the sheet is always topmost and centred.
    SettingsSheet(ControlState& state, HWND owner);

    // Runs the sheet with sheetIcon in its title bar.
    INT_PTR DoModal();

    HICON sheetIcon = nullptr;

  protected:
    void OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    void CentreOnScreen();
    // The sheet is about to close (OK, Cancel, Esc or the close box): reminders added or
    // deleted and not saved are saved or dropped as the user says. False keeps it open.
    bool MayClose();

    ClockPage clockPage_;
    ReminderPage reminderPage_;
    CalendarPage calendarPage_;
    SystemPage systemPage_;
    // The user said No to saving these changes (the reminder page's change count): one
    // closing sends several of the messages that close a sheet, and asks once.
    unsigned droppedChanges_ = 0;
    bool dropped_ = false;
};

} // namespace luna
