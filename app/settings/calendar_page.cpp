#include "app/settings/calendar_page.h"
#include "app/app_holidays.h"

#include "app/convert_dialog.h"
#include "app/settings/festival_dialog.h"
#include "app/framework/color_dialog.h"
#include "app/res/calendar_page_ids.h"
#include "app/settings/sheet_controls.h"
#include "app/settings/sheet_font_picker.h"
#include "app/settings/sheet_page_context.h"
#include "shared/win32/wide_text.h"
#include "shared/win32/win_registry.h"

namespace luna {

const MessageEntry<MessageHandler<IDD_CALENDER>> IDD_CALENDER::kMessages[] = {
    MapNotification(IDC_CALENDAR_FONT, BN_CLICKED, &IDD_CALENDER::OnFont),
    MapNotification(IDC_CALENDAR_COLOR, BN_CLICKED, &IDD_CALENDER::OnColor),
    MapNotification(IDC_CALENDAR_FESTIVALS, BN_CLICKED, &IDD_CALENDER::OnFestivals),
    MapNotification(IDC_CALENDAR_CONVERT, BN_CLICKED, &IDD_CALENDER::OnConvert),
    MapNotification(IDC_CALENDAR_SOLAR, BN_CLICKED, &IDD_CALENDER::OnFestivalSwitch),
    MapNotification(IDC_CALENDAR_LUNAR, BN_CLICKED, &IDD_CALENDER::OnFestivalSwitch),
    MapNotification(IDC_CALENDAR_TERMS, BN_CLICKED, &IDD_CALENDER::OnFestivalSwitch),
    MapNotification(IDC_CALENDAR_OWN_SOLAR, BN_CLICKED, &IDD_CALENDER::OnFestivalSwitch),
    MapNotification(IDC_CALENDAR_OWN_LUNAR, BN_CLICKED, &IDD_CALENDER::OnFestivalSwitch),
    MapNotification(IDC_CALENDAR_WEEK_NUMBERS, BN_CLICKED, &IDD_CALENDER::OnWeekNumbers),
};

IDD_CALENDER::IDD_CALENDER(ControlState& state) : PropertyPage(DLG_CALENDAR_PAGE), state_(state) {}

bool IDD_CALENDER::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return DispatchTable(*this, kMessages, message, wParam, lParam, result);
}

BOOL IDD_CALENDER::OnInitDialog() {
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
    flags_.fontChanged = false;
    return TRUE;
}

bool IDD_CALENDER::OnFont(WPARAM, LPARAM, LRESULT&) {
    if (PickFont(Window(), &font_)) {
        flags_.fontChanged = true;
        SetModified(true);
    } else {
        flags_.fontChanged = false;
    }
    return true;
}

bool IDD_CALENDER::OnColor(WPARAM, LPARAM, LRESULT&) {
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

bool IDD_CALENDER::OnFestivals(WPARAM, LPARAM, LRESULT&) {
    FestivalDialog dialog(Window());
    dialog.DoModal();
    return true;
}

bool IDD_CALENDER::OnConvert(WPARAM, LPARAM, LRESULT&) {
    ConvertDialog dialog(Window());
    dialog.DoModal();
    return true;
}

bool IDD_CALENDER::OnFestivalSwitch(WPARAM, LPARAM, LRESULT&) {
    flags_.festivalChanged = true;
    SetModified(true);
    return true;
}

bool IDD_CALENDER::OnWeekNumbers(WPARAM, LPARAM, LRESULT&) {
    flags_.weekNumbersChanged = true;
    SetModified(true);
    return true;
}

FestivalSwitches IDD_CALENDER::ReadSwitches() const {
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

bool IDD_CALENDER::OnApply() {
    PageContext apply(state_, Window());
    ApplyCalendarPage(apply.context, flags_, font_, ReadSwitches());
    return true;
}

} // namespace luna
