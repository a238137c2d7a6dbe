// The reminder page (dialog 140) of the settings sheet: the dated reminders that lunahook
// announces on the desktop, saved to "res\Reminder.rem" (and the lunar ones to
// "res\LunarReminder.rem") beside the executable by the page's own Save button (or when the
// sheet closes and the user says so), the font lunahook draws them in, written by the
// sheet's Apply, and their export to an iCalendar file.
#pragma once

#include <string>

#include "app/control_state.h"
#include "app/framework/property_page.h"
#include "app/logic/reminder_list.h"
#include "app/logic/reminder_start.h"
#include "app/logic/sheet_font_choice.h"
#include "shared/file_replace.h"

namespace luna {

// Sent to the page: a new reminder on a day (wParam: the date, shared/date_param.h). The
// date lists stand on that day, 农历 unticked but ready with its lunar date, and the text
// field takes the keyboard.
constexpr UINT kStartReminderOnMessage = WM_APP + 1;

class ReminderPage : public PropertyPage {
  public:
    explicit ReminderPage(ControlState& state);

    // Reminders were added or deleted and not saved yet.
    bool HasUnsavedReminders() const { return list_.Unsaved(); }
    unsigned ReminderChanges() const { return list_.Changes(); }
    // Saves the list as the Save button does; false (after telling the user) when nothing
    // was saved.
    bool SaveReminders();

  protected:
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnApply() override;

  private:
    bool OnAdd(WPARAM, LPARAM, LRESULT&);
    bool OnDelete(WPARAM, LPARAM, LRESULT&);
    bool OnSave(WPARAM, LPARAM, LRESULT&);
    bool OnShowSelection(WPARAM, LPARAM, LRESULT&);
    bool OnTextChanged(WPARAM, LPARAM, LRESULT&);
    bool OnFont(WPARAM, LPARAM, LRESULT&);
    bool OnLunar(WPARAM, LPARAM, LRESULT&);
    bool OnExport(WPARAM, LPARAM, LRESULT&);
    bool OnStartReminderOn(WPARAM, LPARAM, LRESULT&);

    // The page's file beside the executable; false after telling the user it has none.
    bool FilePath(char (&path)[260]);
    // The lunar reminders' file beside it (false when the path does not fit).
    static bool LunarFilePath(const char (&path)[260], char (&lunarPath)[260]);
    void ShowList();
    void ShowButtons();
    void TellReadOutcome(const char* path, ReadCompleteness read, SaveOverGuard& guard);

    static const MessageEntry<MessageHandler<ReminderPage>> kMessages[];

    ControlState& state_;
    ReminderList list_;
    FontChoice font_{};
    bool fontChanged_ = false;
    SaveOverGuard saveGuard_;
    SaveOverGuard lunarSaveGuard_; // the same for LunarReminder.rem
    // The day a reminder was started on from the desktop: 农历 then shows its lunar date.
    ReminderStartRows start_{};
    bool started_ = false;
};

} // namespace luna
