#include "app/logic/clock_page_rules.h"

#include <cstddef>
#include <cstring>

#include "shared/messages.h"
#include "shared/registry_layout.h"
#include "shared/settings_table.h"

namespace luna {

const char kSeparatorTooLongMessage[] = "“请填入不多于2个的字符。”";

namespace {

void CopySeparator(char (&out)[kSeparatorMaxBytes + 1], const char (&field)[2]) {
    const SeparatorText text = ReadSeparator(field);
    std::memcpy(out, text.text, sizeof out);
}

// The display options Apply writes, in this order.
constexpr std::size_t kDisplayOptions[] = {
    offsetof(DisplaySettings, yearDigits), offsetof(DisplaySettings, showWeekday),
    offsetof(DisplaySettings, showDate),   offsetof(DisplaySettings, showSeconds),
    offsetof(DisplaySettings, hour12),     offsetof(DisplaySettings, dateOrder),
    offsetof(DisplaySettings, amPm)};

std::uint8_t DateOrderValue(DateOrderButton button, std::uint8_t current) {
    switch (button) {
    case DateOrderButton::YearMonthDay:
        return 1;
    case DateOrderButton::MonthDayYear:
        return 2;
    case DateOrderButton::DayMonthYear:
        return 3;
    case DateOrderButton::None:
        break;
    }
    return current;
}

void ApplyDisplayOptions(SheetContext& context, const ClockPageControls& controls,
                         ClockApplyResult& result) {
    DisplaySettings& s = context.settings;
    if (controls.year4) {
        s.yearDigits = 4;
    }
    if (controls.year2) {
        s.yearDigits = 2;
    }
    s.showWeekday = controls.weekday ? 1 : 0;
    s.showDate = controls.date ? 1 : 0;
    s.hour12 = controls.hour12 ? 1 : 0;
    s.showSeconds = controls.seconds ? 1 : 0;
    s.amPm = controls.amPm ? 1 : 0;
    // A separator the user typed: the field keeps what fits (see WriteSeparator) and the
    // registry gets exactly that, so both read back alike.
    if (controls.customDateSeparator) {
        WriteSeparator(s.dateSeparator, controls.dateSeparatorText);
        StoreSettingAt(context.hkcu, s, offsetof(DisplaySettings, dateSeparator));
        result.dateSeparatorStored = true;
    }
    if (controls.customTimeSeparator) {
        WriteSeparator(s.timeSeparator, controls.timeSeparatorText);
        StoreSettingAt(context.hkcu, s, offsetof(DisplaySettings, timeSeparator));
        result.timeSeparatorStored = true;
    }
    s.dateOrder = DateOrderValue(controls.dateOrder, s.dateOrder);
    StoreSettings(context.hkcu, s, kDisplayOptions);
}

} // namespace

ClockPageControls ClockControlsFromSettings(const DisplaySettings& settings) {
    ClockPageControls c;
    c.year4 = settings.yearDigits == 4;
    c.year2 = !c.year4;
    c.weekday = settings.showWeekday != 0;
    c.date = settings.showDate != 0;
    c.hour12 = settings.hour12 != 0;
    c.amPmEnabled = c.hour12;
    c.seconds = settings.showSeconds != 0;
    c.amPm = settings.amPm != 0;
    CopySeparator(c.dateSeparatorText, settings.dateSeparator);
    CopySeparator(c.timeSeparatorText, settings.timeSeparator);
    switch (settings.dateOrder) {
    case 1:
        c.dateOrder = DateOrderButton::YearMonthDay;
        break;
    case 2:
        c.dateOrder = DateOrderButton::MonthDayYear;
        break;
    default:
        c.dateOrder = DateOrderButton::DayMonthYear;
        break;
    }
    return c;
}

bool SeparatorFits(const char* text) {
    return text == nullptr || std::strlen(text) <= kSeparatorMaxBytes;
}

ClockApplyResult ApplyClockPage(SheetContext& context, ClockPageFlags& flags,
                                const FontChoice& font, const ClockPageControls& controls) {
    ClockApplyResult result;
    if (context.registryCleared) {
        return result;
    }
    if (flags.fontChanged) {
        flags.fontChanged = false;
        ApplyFontChoice(context, regkey::Clock, CD_CLOCKFONT, font);
    }
    if (flags.colorChanged) {
        StoreSettingAt(context.hkcu, context.settings, offsetof(DisplaySettings, clockColor));
    }
    if (flags.displayChanged) {
        ApplyDisplayOptions(context, controls, result);
    }
    if (flags.colorChanged || flags.displayChanged) {
        flags.colorChanged = false;
        flags.displayChanged = false;
        SendDisplaySettings(context);
    }
    return result;
}

} // namespace luna
