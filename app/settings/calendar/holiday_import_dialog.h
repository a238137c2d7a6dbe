// The dialog "导入放假安排", opened from the calendar page: the user pastes a notice or opens
// a holiday file, sees what was read month by month, and stores it in Holidays.txt with
// OK; a year that already has data is replaced only after the user agrees.
#pragma once

#include <string>

#include "app/framework/dialog.h"
#include "app/logic/holiday_import.h"

namespace luna {

class HolidayImportDialog : public Dialog {
  public:
    explicit HolidayImportDialog(HWND parent);

  protected:
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnOK() override;

  private:
    bool OnRead(WPARAM, LPARAM, LRESULT&);
    bool OnOpen(WPARAM, LPARAM, LRESULT&);
    void Show(const HolidayImport& import);

    static const MessageEntry<MessageHandler<HolidayImportDialog>> kMessages[];

    HolidayImport import_;
};

} // namespace luna
