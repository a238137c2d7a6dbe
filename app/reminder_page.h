// The reminder page (dialog 140) of the settings sheet: the dated reminders that lunahook
// announces on the desktop, saved to "res\Reminder.rem" beside the executable by the page's
// own Save button (or when the sheet closes and the user says so), and the font lunahook
// draws them in, written by the sheet's Apply.
#pragma once

#include "app/control_state.h"
#include "app/framework/property_page.h"
#include "app/logic/reminder_list.h"
#include "app/logic/sheet_font_choice.h"
#include "shared/file_replace.h"

namespace luna {

class IDD_REMINDER : public PropertyPage {
  public:
    explicit IDD_REMINDER(ControlState& state);

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

    // The page's file beside the executable; false after telling the user it has none.
    bool FilePath(char (&path)[260]);
    void ShowList();
    void ShowButtons();
    void TellReadOutcome(const char* path, ReadCompleteness read);

    static const MessageEntry<MessageHandler<IDD_REMINDER>> kMessages[];

    ControlState& state_;
    ReminderList list_;
    FontChoice font_{};
    bool fontChanged_ = false;
    SaveOverGuard saveGuard_;
};

} // namespace luna
