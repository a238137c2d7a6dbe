// The calendar page's part in keeping the holiday data current: the status of the covered
// years and the import dialog.
#include "app/app_holidays.h"
#include "app/logic/holiday_import.h"
#include "app/res/calendar_page_ids.h"
#include "app/settings/calendar_page.h"
#include "app/settings/holiday_import_dialog.h"
#include "shared/win32/wide_text.h"

namespace luna {

void IDD_CALENDER::ShowHolidayStatus() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    SetDlgItemTextGbk(Window(), IDC_CALENDAR_HOLIDAY_NOTE,
                      HolidayCoverageNote(AppHolidays()).c_str());
    SetDlgItemTextGbk(Window(), IDC_CALENDAR_HOLIDAY_STATUS,
                      HolidayStatusText(AppHolidays(), now.wYear, now.wMonth).c_str());
}

bool IDD_CALENDER::OnHolidayImport(WPARAM, LPARAM, LRESULT&) {
    HolidayImportDialog dialog(Window());
    if (dialog.DoModal() == IDOK) {
        ShowHolidayStatus();
    }
    return true;
}

} // namespace luna
