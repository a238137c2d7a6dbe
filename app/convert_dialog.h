// The calendar conversion dialog: any Gregorian month from 1900 to 2099 as a calendar page
// with the lunar day, month start, festival or solar term of each day. Opened modally from
// the calendar page; nothing is returned.
#pragma once

#include "app/framework/dialog.h"
#include "app/logic/convert_view.h"

namespace luna {

class ConvertDialog : public Dialog {
  public:
    explicit ConvertDialog(HWND parent);

  protected:
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // Enter does nothing: the dialog closes with Esc or its close box only.
    void OnOK() override {}

  private:
    bool OnMonthChosen(WPARAM, LPARAM, LRESULT&);
    // The day numbers of marked days in the marks' colours.
    bool OnStaticColor(WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Title, lunar boxes and grid for one Gregorian month.
    void FillMonth(int year, int month);

    HolidayMark marks_[kConvertCellCount] = {};
};

} // namespace luna
