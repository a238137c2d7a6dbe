#include "app/convert_dialog.h"

#include "app/app_holidays.h"
#include "app/settings/editor_controls.h"
#include "app/logic/convert_view.h"
#include "app/res/convert_dialog_ids.h"
#include "shared/win32/wide_text.h"

namespace luna {

namespace {

using Handler = MessageHandler<ConvertDialog>;

} // namespace

ConvertDialog::ConvertDialog(HWND parent) : Dialog(DLG_CONVERT, parent) {}

bool ConvertDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    static const MessageEntry<Handler> kTable[] = {
        MapNotification<Handler>(IDC_CONVERT_YEAR, CBN_SELCHANGE, &ConvertDialog::OnMonthChosen),
        MapNotification<Handler>(IDC_CONVERT_MONTH, CBN_SELCHANGE, &ConvertDialog::OnMonthChosen),
    };
    if (message == WM_CTLCOLORSTATIC) {
        return OnStaticColor(wParam, lParam, result);
    }
    return DispatchTable(*this, kTable, message, wParam, lParam, result);
}

bool ConvertDialog::OnStaticColor(WPARAM wParam, LPARAM lParam, LRESULT& result) {
    const int k = GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) - IDC_CONVERT_DAY_FIRST;
    if (k < 0 || k >= kConvertCellCount || marks_[k] == HolidayMark::None) {
        return false;
    }
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, marks_[k] == HolidayMark::Off ? kHolidayOffColor : kHolidayWorkColor);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    return true;
}

BOOL ConvertDialog::OnInitDialog() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    int yearIndex = now.wYear - kConvertFirstYear;
    yearIndex = yearIndex < 0                    ? 0
                : yearIndex >= kConvertYearCount ? kConvertYearCount - 1
                                                 : yearIndex;
    const int monthIndex = now.wMonth >= 1 && now.wMonth <= 12 ? now.wMonth - 1 : 0;

    HWND dialog = Window();
    FillNumberCombo(dialog, IDC_CONVERT_YEAR, kConvertFirstYear,
                    kConvertFirstYear + kConvertYearCount - 1, "%d", yearIndex);
    FillNumberCombo(dialog, IDC_CONVERT_MONTH, 1, 12, "%2d月", monthIndex);
    FillNumberCombo(dialog, IDC_CONVERT_LUNAR_YEAR, kConvertFirstLunarYear,
                    kConvertFirstLunarYear + kConvertYearCount - 1, "%d", -1);
    FillNumberCombo(dialog, IDC_CONVERT_LUNAR_MONTH, 1, 12, "%2d月", -1);
    FillMonth(kConvertFirstYear + yearIndex, monthIndex + 1);
    return TRUE;
}

bool ConvertDialog::OnMonthChosen(WPARAM, LPARAM, LRESULT&) {
    int year = 0;
    int month = 0;
    if (ConvertMonthOfSelection(SelectedRow(Window(), IDC_CONVERT_YEAR),
                                SelectedRow(Window(), IDC_CONVERT_MONTH), &year, &month)) {
        FillMonth(year, month);
    }
    return true;
}

void ConvertDialog::FillMonth(int year, int month) {
    ConversionMonth shown = BuildConversionMonth(year, month);
    FillHolidayMarks(AppHolidays(), year, month, shown.marks);
    const ConvertView view = LayOutConvertMonth(shown);
    HWND dialog = Window();
    SendDlgItemMessageW(dialog, IDC_CONVERT_LUNAR_YEAR, CB_SETCURSEL,
                        static_cast<WPARAM>(view.lunarYearIndex), 0);
    SendDlgItemMessageW(dialog, IDC_CONVERT_LUNAR_MONTH, CB_SETCURSEL,
                        static_cast<WPARAM>(view.lunarMonthIndex), 0);
    SetDlgItemTextGbk(dialog, IDC_CONVERT_TITLE, view.title);
    for (int k = 0; k < kConvertCellCount; ++k) {
        marks_[k] = view.cells[k].mark;
        SetDlgItemTextGbk(dialog, IDC_CONVERT_DAY_FIRST + k, view.cells[k].number);
        SetDlgItemTextGbk(dialog, IDC_CONVERT_LABEL_FIRST + k, view.cells[k].label);
    }
    SetDlgItemTextGbk(dialog, IDC_CONVERT_HOLIDAY_NOTE,
                      ConvertHolidayNote(AppHolidays(), year).c_str());
}

} // namespace luna
