#include "app/settings/calendar/calendar_page.h"
#include "app/app_holidays.h"

#include "app/convert_dialog.h"
#include "app/settings/calendar/festival_dialog.h"
#include "app/framework/color_dialog.h"
#include "app/settings/calendar/calendar_page_ids.h"
#include "app/settings/sheet_controls.h"
#include "app/settings/sheet_font_picker.h"
#include "app/settings/shell_link.h"
#include "shared/win32/wide_text.h"
#include "shared/win32/win_registry.h"

namespace luna {

const MessageEntry<MessageHandler<CalendarPage>> CalendarPage::kMessages[] = {
    MapNotification(IDC_CALENDAR_FONT, BN_CLICKED, &CalendarPage::OnFont),
    MapNotification(IDC_CALENDAR_COLOR, BN_CLICKED, &CalendarPage::OnColor),
    MapNotification(IDC_CALENDAR_FESTIVALS, BN_CLICKED, &CalendarPage::OnFestivals),
    MapNotification(IDC_CALENDAR_CONVERT, BN_CLICKED, &CalendarPage::OnConvert),
    MapNotification(IDC_CALENDAR_SOLAR, BN_CLICKED, &CalendarPage::OnFestivalSwitch),
    MapNotification(IDC_CALENDAR_LUNAR, BN_CLICKED, &CalendarPage::OnFestivalSwitch),
    MapNotification(IDC_CALENDAR_TERMS, BN_CLICKED, &CalendarPage::OnFestivalSwitch),
    MapNotification(IDC_CALENDAR_OWN_SOLAR, BN_CLICKED, &CalendarPage::OnFestivalSwitch),
    MapNotification(IDC_CALENDAR_OWN_LUNAR, BN_CLICKED, &CalendarPage::OnFestivalSwitch),
    MapNotification(IDC_CALENDAR_WEEK_NUMBERS, BN_CLICKED, &CalendarPage::OnWeekNumbers),
    MapNotification(IDC_CALENDAR_HOLIDAY_IMPORT, BN_CLICKED, &CalendarPage::OnHolidayImport),
    MapNotification(IDC_CALENDAR_HOLIDAY_UPDATE, BN_CLICKED, &CalendarPage::OnHolidayUpdateTick),
    MapNotification(IDC_CALENDAR_HOLIDAY_UPDATE_NOW, BN_CLICKED, &CalendarPage::OnHolidayUpdateNow),
};

CalendarPage::CalendarPage(ControlState& state) : PropertyPage(DLG_CALENDAR_PAGE), state_(state) {}

bool CalendarPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return DispatchTable(*this, kMessages, message, wParam, lParam, result);
}

BOOL CalendarPage::OnInitDialog() {
    HWND page = Window();
    const FestivalSwitches s = FestivalSwitchesFromSettings(state_.settings);
    SetTicked(page, IDC_CALENDAR_SOLAR, s.solar);
    SetTicked(page, IDC_CALENDAR_LUNAR, s.lunar);
    SetTicked(page, IDC_CALENDAR_TERMS, s.solarTerms);
    SetTicked(page, IDC_CALENDAR_OWN_SOLAR, s.ownSolar);
    SetTicked(page, IDC_CALENDAR_OWN_LUNAR, s.ownLunar);
    WinRegistry currentUser(HKEY_CURRENT_USER);
    SetTicked(page, IDC_CALENDAR_WEEK_NUMBERS, WeekNumbersTicked(currentUser));
    SetDlgItemTextGbk(page, IDC_CALENDAR_HOLIDAY_NOTE, HolidayCoverageNote(AppHolidays()).c_str());
    ShowHolidayStatus(true);
    flags_.fontChanged = false;
    return TRUE;
}

bool CalendarPage::OnFont(WPARAM, LPARAM, LRESULT&) {
    if (PickFont(Window(), &font_)) {
        flags_.fontChanged = true;
        SetModified(true);
    } else {
        flags_.fontChanged = false;
    }
    return true;
}

bool CalendarPage::OnColor(WPARAM, LPARAM, LRESULT&) {
    ColorDialog dialog(0, CC_FULLOPEN);
    if (dialog.DoModal(Window())) {
        SetModified(true);
        flags_.colorChanged = true;
        state_.settings.calendarColor = dialog.Color();
    } else {
        flags_.colorChanged = false;
    }
    return true;
}

bool CalendarPage::OnFestivals(WPARAM, LPARAM, LRESULT&) {
    FestivalDialog dialog(Window());
    dialog.DoModal();
    return true;
}

bool CalendarPage::OnConvert(WPARAM, LPARAM, LRESULT&) {
    ConvertDialog dialog(Window());
    dialog.DoModal();
    return true;
}

bool CalendarPage::OnFestivalSwitch(WPARAM, LPARAM, LRESULT&) {
    flags_.festivalChanged = true;
    SetModified(true);
    return true;
}

bool CalendarPage::OnWeekNumbers(WPARAM, LPARAM, LRESULT&) {
    flags_.weekNumbersChanged = true;
    SetModified(true);
    return true;
}

FestivalSwitches CalendarPage::ReadSwitches() const {
    HWND page = Window();
    FestivalSwitches s;
    s.solar = IsTicked(page, IDC_CALENDAR_SOLAR);
    s.lunar = IsTicked(page, IDC_CALENDAR_LUNAR);
    s.solarTerms = IsTicked(page, IDC_CALENDAR_TERMS);
    s.ownSolar = IsTicked(page, IDC_CALENDAR_OWN_SOLAR);
    s.ownLunar = IsTicked(page, IDC_CALENDAR_OWN_LUNAR);
    s.weekNumbers = IsTicked(page, IDC_CALENDAR_WEEK_NUMBERS);
    return s;
}

bool CalendarPage::OnApply() {
    PageContext apply(state_, Window());
    ApplyCalendarPage(apply.context, flags_, font_, ReadSwitches());
    ApplyHolidayUpdateTick();
    return true;
}

} // namespace luna
