#include "app/settings/reminder/reminder_date_controls.h"

#include <vector>

#include "app/exe_path.h"
#include "app/logic/lunar_reminder_item.h"
#include "app/logic/reminder_item.h"
#include "app/settings/reminder/reminder_page_ids.h"
#include "app/settings/editor_controls.h"
#include "shared/win32/wide_text.h"

namespace luna {
namespace {

struct TimeCombo {
    int id;
    int first;
    int last;
};
constexpr TimeCombo kTimeCombos[] = {
    {IDC_REMINDER_MONTH, 1, 12},
    {IDC_REMINDER_DAY, 1, 31},
    {IDC_REMINDER_HOUR, 0, 23},
    {IDC_REMINDER_MINUTE, 0, 59},
};

constexpr char kLunarMonthRefused[] = "“月”须为农历月份：1 到 12，闰月如“闰 4”，请重新选择。";
constexpr char kLunarDayRefused[] = "“日”须为农历日子：初一到三十，请重新选择。";

// Replaces a combo box's items by GBK texts, in their order, and selects one.
void FillTextCombo(HWND dialog, int id, const std::vector<std::string>& items, int selected) {
    HWND combo = GetDlgItem(dialog, id);
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : items) {
        SendTextMessageGbk(combo, CB_INSERTSTRING, static_cast<WPARAM>(-1), item.c_str());
    }
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

int ComboOfField(ReminderField field) {
    switch (field) {
    case ReminderField::Month:
        return IDC_REMINDER_MONTH;
    case ReminderField::Day:
        return IDC_REMINDER_DAY;
    case ReminderField::Hour:
        return IDC_REMINDER_HOUR;
    default:
        return IDC_REMINDER_MINUTE;
    }
}

bool ComposeGregorianFromControls(HWND page, std::string& item) {
    const std::string month = ControlText(page, IDC_REMINDER_MONTH);
    const std::string day = ControlText(page, IDC_REMINDER_DAY);
    const std::string hour = ControlText(page, IDC_REMINDER_HOUR);
    const std::string minute = ControlText(page, IDC_REMINDER_MINUTE);
    ReminderTime time{};
    const ReminderField refused =
        ReadReminderTime(month.c_str(), day.c_str(), hour.c_str(), minute.c_str(), &time);
    if (refused != ReminderField::None) {
        MessageBoxGbk(page, ReminderFieldMessage(refused), kPageMessageCaption,
                      MB_OK | MB_ICONEXCLAMATION);
        SetFocus(GetDlgItem(page, ComboOfField(refused)));
        return false;
    }
    const std::string text = ControlText(page, IDC_REMINDER_TEXT);
    item = GregorianPageItem(ComposeReminderItem(time, text.c_str()));
    return true;
}

bool ComposeLunarFromControls(HWND page, std::string& item) {
    LunarStamp stamp{};
    int refusedCombo = 0;
    const char* message = nullptr;
    ReminderTime time{};
    const std::string hour = DlgItemTextGbk(page, IDC_REMINDER_HOUR);
    const std::string minute = DlgItemTextGbk(page, IDC_REMINDER_MINUTE);
    if (!ParseLunarMonthText(DlgItemTextGbk(page, IDC_REMINDER_MONTH).c_str(), &stamp.month,
                             &stamp.leap)) {
        refusedCombo = IDC_REMINDER_MONTH;
        message = kLunarMonthRefused;
    } else if (!ParseLunarDayText(DlgItemTextGbk(page, IDC_REMINDER_DAY).c_str(), &stamp.day)) {
        refusedCombo = IDC_REMINDER_DAY;
        message = kLunarDayRefused;
    } else {
        const ReminderField refused =
            ReadReminderTime("1", "1", hour.c_str(), minute.c_str(), &time);
        if (refused != ReminderField::None) {
            refusedCombo = ComboOfField(refused);
            message = ReminderFieldMessage(refused);
        }
    }
    if (message != nullptr) {
        MessageBoxGbk(page, message, kPageMessageCaption, MB_OK | MB_ICONEXCLAMATION);
        SetFocus(GetDlgItem(page, refusedCombo));
        return false;
    }
    stamp.hour = time.hour;
    stamp.minute = time.minute;
    const std::string text = ControlText(page, IDC_REMINDER_TEXT);
    item = LunarPageItem(ComposeLunarReminderItem(stamp, text.c_str()));
    return true;
}

} // namespace

void FillReminderTimeCombos(HWND page) {
    for (const TimeCombo& combo : kTimeCombos) {
        FillNumberCombo(page, combo.id, combo.first, combo.last, "%2d", 0);
    }
}

void FillReminderDateCombos(HWND page, bool lunar, const ReminderStartRows* start) {
    const int monthRow = SelectedRow(page, IDC_REMINDER_MONTH);
    const int dayRow = SelectedRow(page, IDC_REMINDER_DAY);
    if (!lunar) {
        // Back from the lunar list: the month of the chosen row, the same day.
        int month = 1;
        bool leap = false;
        ParseLunarMonthText(DlgItemTextGbk(page, IDC_REMINDER_MONTH).c_str(), &month, &leap);
        FillNumberCombo(page, IDC_REMINDER_MONTH, 1, 12, "%2d", monthRow < 0 ? 0 : month - 1);
        FillNumberCombo(page, IDC_REMINDER_DAY, 1, 31, "%2d", dayRow < 0 ? 0 : dayRow);
        return;
    }
    const std::vector<LunarMonthChoice> choices = LunarMonthChoices();
    std::vector<std::string> months;
    int selected = 0;
    for (const LunarMonthChoice& choice : choices) {
        if (!choice.leap && choice.month == monthRow + 1) {
            selected = static_cast<int>(months.size());
        }
        months.push_back(choice.text);
    }
    int lunarDay = dayRow < 0 ? 0 : (dayRow > 29 ? 29 : dayRow);
    if (start != nullptr && monthRow == start->month && dayRow == start->day) {
        selected = start->lunarMonth; // the day picked on the desktop, as a lunar date
        lunarDay = start->lunarDay;
    }
    FillTextCombo(page, IDC_REMINDER_MONTH, months, selected);
    FillTextCombo(page, IDC_REMINDER_DAY, LunarDayChoices(), lunarDay);
}

bool ComposeReminderFromControls(HWND page, std::string& item) {
    if (IsDlgButtonChecked(page, IDC_REMINDER_LUNAR) == BST_CHECKED) {
        return ComposeLunarFromControls(page, item);
    }
    return ComposeGregorianFromControls(page, item);
}

} // namespace luna
