// The calendar page's part in keeping the holiday data current: the status of the covered
// years, the import dialog and the update from the internet.
#include "app/app_holidays.h"
#include "app/holiday_update.h"
#include "app/logic/holiday_import.h"
#include "app/settings/calendar/calendar_page_ids.h"
#include "app/settings/calendar/calendar_page.h"
#include "app/settings/calendar/holiday_import_dialog.h"
#include "app/settings/sheet_controls.h"
#include "shared/win32/wide_text.h"

namespace luna {

void CalendarPage::ShowHolidayStatus(bool withTick) {
    if (withTick) {
        const bool updating = HolidayUpdateEnabled();
        SetTicked(Window(), IDC_CALENDAR_HOLIDAY_UPDATE, updating);
        EnableWindow(GetDlgItem(Window(), IDC_CALENDAR_HOLIDAY_UPDATE_NOW),
                     updating ? TRUE : FALSE);
    }
    SYSTEMTIME now;
    GetLocalTime(&now);
    SetDlgItemTextGbk(Window(), IDC_CALENDAR_HOLIDAY_NOTE,
                      HolidayCoverageNote(AppHolidays()).c_str());
    SetDlgItemTextGbk(Window(), IDC_CALENDAR_HOLIDAY_STATUS,
                      HolidayStatusText(AppHolidays(), now.wYear, now.wMonth).c_str());
}

bool CalendarPage::OnHolidayImport(WPARAM, LPARAM, LRESULT&) {
    HolidayImportDialog dialog(Window());
    if (dialog.DoModal() == IDOK) {
        ShowHolidayStatus(false);
    }
    return true;
}

bool CalendarPage::OnHolidayUpdateTick(WPARAM, LPARAM, LRESULT&) {
    EnableWindow(GetDlgItem(Window(), IDC_CALENDAR_HOLIDAY_UPDATE_NOW),
                 IsTicked(Window(), IDC_CALENDAR_HOLIDAY_UPDATE) ? TRUE : FALSE);
    SetModified(true);
    return true;
}

// The outcome comes in words when the fetch ends (MainDialog::OnHolidayFetched).
bool CalendarPage::OnHolidayUpdateNow(WPARAM, LPARAM, LRESULT&) {
    if (!RequestHolidayUpdate()) {
        MessageBoxGbk(Window(), "节假日数据正在更新，请稍候。", "lunavis",
                      MB_OK | MB_ICONINFORMATION);
    }
    return true;
}

void CalendarPage::ApplyHolidayUpdateTick() {
    if (state_.registryCleared) {
        return; // a cleared registry stays empty until the sheet closes
    }
    const bool on = IsTicked(Window(), IDC_CALENDAR_HOLIDAY_UPDATE);
    if (on != HolidayUpdateEnabled()) {
        SetHolidayUpdateEnabled(on);
    }
}

} // namespace luna
