#include "app/settings/clock/clock_page.h"

#include <algorithm>
#include <cstring>

#include "app/framework/color_dialog.h"
#include "app/settings/clock/clock_page_ids.h"
#include "app/settings/sheet_controls.h"
#include "app/settings/sheet_font_picker.h"
#include "app/settings/shell_link.h"
#include "shared/picture_fit.h"
#include "shared/win32/wide_text.h"

namespace luna {
namespace {

constexpr char kMessageCaption[] = "lunavis";

// Reads an edit box; a text too long for a separator comes back whole so it can be refused.
bool ReadEditText(HWND page, int id, char* out, std::size_t size) {
    const std::string text = DlgItemTextGbk(page, id);
    if (!SeparatorFits(text.c_str())) {
        return false;
    }
    std::memset(out, 0, size);
    std::memcpy(out, text.c_str(), std::min(text.size(), size - 1));
    return true;
}

} // namespace

const MessageEntry<MessageHandler<ClockPage>> ClockPage::kMessages[] = {
    MapNotification(IDC_CLOCK_FONT, BN_CLICKED, &ClockPage::OnFont),
    MapNotification(IDC_CLOCK_COLOR, BN_CLICKED, &ClockPage::OnColor),
    MapNotification(IDC_CLOCK_YEAR4, BN_CLICKED, &ClockPage::OnYear4),
    MapNotification(IDC_CLOCK_YEAR2, BN_CLICKED, &ClockPage::OnYear2),
    MapNotification(IDC_CLOCK_HOUR12, BN_CLICKED, &ClockPage::OnHour12),
    MapNotification(IDC_CLOCK_WEEKDAY, BN_CLICKED, &ClockPage::OnDisplayOption),
    MapNotification(IDC_CLOCK_DATE, BN_CLICKED, &ClockPage::OnDisplayOption),
    MapNotification(IDC_CLOCK_SECONDS, BN_CLICKED, &ClockPage::OnDisplayOption),
    MapNotification(IDC_CLOCK_AMPM, BN_CLICKED, &ClockPage::OnDisplayOption),
    MapNotification(IDC_CLOCK_CUSTOM_DATE_SEP, BN_CLICKED, &ClockPage::OnDisplayOption),
    MapNotification(IDC_CLOCK_CUSTOM_TIME_SEP, BN_CLICKED, &ClockPage::OnDisplayOption),
    MapNotification(IDC_CLOCK_ORDER_YMD, BN_CLICKED, &ClockPage::OnDisplayOption),
    MapNotification(IDC_CLOCK_ORDER_MDY, BN_CLICKED, &ClockPage::OnDisplayOption),
    MapNotification(IDC_CLOCK_ORDER_DMY, BN_CLICKED, &ClockPage::OnDisplayOption),
    MapNotification(IDC_CLOCK_DATE_SEP, EN_CHANGE, &ClockPage::OnDateSeparatorEdited),
    MapNotification(IDC_CLOCK_TIME_SEP, EN_CHANGE, &ClockPage::OnTimeSeparatorEdited),
    MapNotification(IDC_CLOCK_OUTLINE, BN_CLICKED, &ClockPage::OnOutline),
};

ClockPage::ClockPage(ControlState& state) : PropertyPage(DLG_CLOCK_PAGE), state_(state) {}

bool ClockPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return DispatchTable(*this, kMessages, message, wParam, lParam, result);
}

BOOL ClockPage::OnInitDialog() {
    HWND page = Window();
    // The edit boxes take the page's separator texts (empty on a new page) and their limit.
    SendDlgItemMessageW(page, IDC_CLOCK_DATE_SEP, EM_LIMITTEXT, kSeparatorMaxBytes, 0);
    SendDlgItemMessageW(page, IDC_CLOCK_TIME_SEP, EM_LIMITTEXT, kSeparatorMaxBytes, 0);
    SetDlgItemTextGbk(page, IDC_CLOCK_DATE_SEP, dateSeparatorText_);
    SetDlgItemTextGbk(page, IDC_CLOCK_TIME_SEP, timeSeparatorText_);

    flags_ = ClockPageFlags{};
    outlineChanged_ = false;
    SetTicked(page, IDC_CLOCK_OUTLINE, state_.textOutline);
    const ClockPageControls c = ClockControlsFromSettings(state_.settings);
    SetTicked(page, c.year4 ? IDC_CLOCK_YEAR4 : IDC_CLOCK_YEAR2, true);
    SetTicked(page, IDC_CLOCK_WEEKDAY, c.weekday);
    SetTicked(page, IDC_CLOCK_DATE, c.date);
    SetTicked(page, IDC_CLOCK_HOUR12, c.hour12);
    EnablePageControl(page, IDC_CLOCK_AMPM, c.amPmEnabled);
    SetTicked(page, IDC_CLOCK_SECONDS, c.seconds);

    // Showing the stored separators counts as editing them, like the user's own typing.
    SetDlgItemTextGbk(page, IDC_CLOCK_DATE_SEP, c.dateSeparatorText);
    SetDlgItemTextGbk(page, IDC_CLOCK_TIME_SEP, c.timeSeparatorText);
    // The custom boxes become active only when the user edits a separator.
    SetTicked(page, IDC_CLOCK_CUSTOM_DATE_SEP, false);
    EnablePageControl(page, IDC_CLOCK_CUSTOM_DATE_SEP, false);
    SetTicked(page, IDC_CLOCK_CUSTOM_TIME_SEP, false);
    EnablePageControl(page, IDC_CLOCK_CUSTOM_TIME_SEP, false);

    if (c.amPm) {
        SetTicked(page, IDC_CLOCK_AMPM, true);
    }
    switch (c.dateOrder) {
    case DateOrderButton::YearMonthDay:
        SetTicked(page, IDC_CLOCK_ORDER_YMD, true);
        break;
    case DateOrderButton::MonthDayYear:
        SetTicked(page, IDC_CLOCK_ORDER_MDY, true);
        break;
    default:
        SetTicked(page, IDC_CLOCK_ORDER_DMY, true);
        break;
    }
    return TRUE;
}

void ClockPage::MarkDisplayChanged() {
    flags_.displayChanged = true;
    SetModified(true);
}

bool ClockPage::OnFont(WPARAM, LPARAM, LRESULT&) {
    if (PickFont(Window(), &font_)) {
        flags_.fontChanged = true;
        SetModified(true);
    } else {
        flags_.fontChanged = false; // a font chosen earlier in this visit is not written
    }
    return true;
}

bool ClockPage::OnColor(WPARAM, LPARAM, LRESULT&) {
    ColorDialog dialog(0, CC_FULLOPEN);
    if (dialog.DoModal(Window())) {
        SetModified(true);
        flags_.colorChanged = true;
        state_.settings.clockColor = dialog.Color();
    } else {
        flags_.colorChanged = false;
    }
    return true;
}

bool ClockPage::OnYear4(WPARAM, LPARAM, LRESULT&) {
    SetTicked(Window(), IDC_CLOCK_YEAR2, !IsTicked(Window(), IDC_CLOCK_YEAR4));
    MarkDisplayChanged();
    return true;
}

bool ClockPage::OnYear2(WPARAM, LPARAM, LRESULT&) {
    SetTicked(Window(), IDC_CLOCK_YEAR4, !IsTicked(Window(), IDC_CLOCK_YEAR2));
    MarkDisplayChanged();
    return true;
}

bool ClockPage::OnHour12(WPARAM, LPARAM, LRESULT&) {
    MarkDisplayChanged();
    EnablePageControl(Window(), IDC_CLOCK_AMPM, IsTicked(Window(), IDC_CLOCK_HOUR12));
    return true;
}

bool ClockPage::OnOutline(WPARAM, LPARAM, LRESULT&) {
    outlineChanged_ = true;
    SetModified(true);
    return true;
}

bool ClockPage::OnDisplayOption(WPARAM, LPARAM, LRESULT&) {
    MarkDisplayChanged();
    return true;
}

// Edit boxes of this system may count their limit in characters rather than bytes; a text
// longer than a separator's two bytes is cut back to what fits, so typing stops there.
bool ClockPage::KeepSeparatorLimit(int editId) {
    const std::string text = DlgItemTextGbk(Window(), editId);
    if (SeparatorFits(text.c_str())) {
        return true;
    }
    char field[2];
    WriteSeparator(field, text.c_str());
    SetDlgItemTextGbk(Window(), editId, ReadSeparator(field).text); // notifies once more
    SendDlgItemMessageW(Window(), editId, EM_SETSEL, kSeparatorMaxBytes, kSeparatorMaxBytes);
    MessageBeep(MB_OK);
    return false;
}

void ClockPage::SeparatorEdited(int checkBoxId) {
    SetTicked(Window(), checkBoxId, true);
    EnablePageControl(Window(), checkBoxId, true);
    MarkDisplayChanged();
}

bool ClockPage::OnDateSeparatorEdited(WPARAM, LPARAM, LRESULT&) {
    if (KeepSeparatorLimit(IDC_CLOCK_DATE_SEP)) {
        SeparatorEdited(IDC_CLOCK_CUSTOM_DATE_SEP);
    }
    return true;
}

bool ClockPage::OnTimeSeparatorEdited(WPARAM, LPARAM, LRESULT&) {
    if (KeepSeparatorLimit(IDC_CLOCK_TIME_SEP)) {
        SeparatorEdited(IDC_CLOCK_CUSTOM_TIME_SEP);
    }
    return true;
}

// Leaving the page takes the separator texts; one too long keeps the user on the page.
bool ClockPage::OnKillActive() {
    return TakeSeparatorText(IDC_CLOCK_DATE_SEP, dateSeparatorText_) &&
           TakeSeparatorText(IDC_CLOCK_TIME_SEP, timeSeparatorText_);
}

bool ClockPage::TakeSeparatorText(int editId, char (&text)[kSeparatorMaxBytes + 1]) {
    if (ReadEditText(Window(), editId, text, sizeof text)) {
        return true;
    }
    MessageBoxGbk(Window(), kSeparatorTooLongMessage, kMessageCaption, MB_OK | MB_ICONEXCLAMATION);
    HWND edit = GetDlgItem(Window(), editId);
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    return false;
}

ClockPageControls ClockPage::ReadControls() const {
    HWND page = Window();
    ClockPageControls c;
    c.year4 = IsTicked(page, IDC_CLOCK_YEAR4);
    c.year2 = IsTicked(page, IDC_CLOCK_YEAR2);
    c.weekday = IsTicked(page, IDC_CLOCK_WEEKDAY);
    c.date = IsTicked(page, IDC_CLOCK_DATE);
    c.hour12 = IsTicked(page, IDC_CLOCK_HOUR12);
    c.seconds = IsTicked(page, IDC_CLOCK_SECONDS);
    c.amPm = IsTicked(page, IDC_CLOCK_AMPM);
    c.customDateSeparator = IsTicked(page, IDC_CLOCK_CUSTOM_DATE_SEP);
    c.customTimeSeparator = IsTicked(page, IDC_CLOCK_CUSTOM_TIME_SEP);
    if (IsTicked(page, IDC_CLOCK_ORDER_YMD)) {
        c.dateOrder = DateOrderButton::YearMonthDay;
    } else if (IsTicked(page, IDC_CLOCK_ORDER_MDY)) {
        c.dateOrder = DateOrderButton::MonthDayYear;
    } else if (IsTicked(page, IDC_CLOCK_ORDER_DMY)) {
        c.dateOrder = DateOrderButton::DayMonthYear;
    }
    std::memcpy(c.dateSeparatorText, dateSeparatorText_, sizeof c.dateSeparatorText);
    std::memcpy(c.timeSeparatorText, timeSeparatorText_, sizeof c.timeSeparatorText);
    return c;
}

bool ClockPage::OnApply() {
    // The sheet has the page taken its texts when it was last left (or now, when active).
    PageContext apply(state_, Window());
    const ClockApplyResult result = ApplyClockPage(apply.context, flags_, font_, ReadControls());
    // The outline is drawn by the desktop with its background, which it reads anew.
    if (outlineChanged_ && !apply.context.registryCleared) {
        outlineChanged_ = false;
        state_.textOutline = IsTicked(Window(), IDC_CLOCK_OUTLINE);
        WriteTextOutline(apply.context.hkcu, state_.textOutline);
        apply.context.sink.SendReloadBackground();
    }
    if (result.dateSeparatorStored) {
        SetTicked(Window(), IDC_CLOCK_CUSTOM_DATE_SEP, false);
        EnablePageControl(Window(), IDC_CLOCK_CUSTOM_DATE_SEP, false);
    }
    if (result.timeSeparatorStored) {
        SetTicked(Window(), IDC_CLOCK_CUSTOM_TIME_SEP, false);
        EnablePageControl(Window(), IDC_CLOCK_CUSTOM_TIME_SEP, false);
    }
    return true;
}

} // namespace luna
