#include "app/logic/calendar_page_rules.h"

#include <cstddef>

#include "shared/messages.h"
#include "shared/registry_layout.h"
#include "shared/settings_table.h"

namespace luna {

FestivalSwitches FestivalSwitchesFromSettings(const DisplaySettings& settings) {
    FestivalSwitches s;
    s.solar = settings.showSolarFestivals != 0;
    s.lunar = settings.showLunarFestivals != 0;
    s.solarTerms = settings.showSolarTerms != 0;
    s.ownSolar = settings.showOwnSolarFestivals != 0;
    s.ownLunar = settings.showOwnLunarFestivals != 0;
    return s;
}

bool WeekNumbersTicked(RegistryStore& hkcu) {
    return ReadSideSetting(hkcu, kWeekNumbersSetting) != 0;
}

namespace {

// The festival switches Apply writes, in this order.
constexpr std::size_t kFestivalSwitches[] = {
    offsetof(DisplaySettings, showSolarFestivals), offsetof(DisplaySettings, showLunarFestivals),
    offsetof(DisplaySettings, showSolarTerms), offsetof(DisplaySettings, showOwnSolarFestivals),
    offsetof(DisplaySettings, showOwnLunarFestivals)};

void ApplyFestivalSwitches(SheetContext& context, const FestivalSwitches& switches) {
    DisplaySettings& s = context.settings;
    s.showSolarFestivals = switches.solar ? 1 : 0;
    s.showLunarFestivals = switches.lunar ? 1 : 0;
    s.showSolarTerms = switches.solarTerms ? 1 : 0;
    s.showOwnLunarFestivals = switches.ownLunar ? 1 : 0;
    s.showOwnSolarFestivals = switches.ownSolar ? 1 : 0;
    StoreSettings(context.hkcu, s, kFestivalSwitches);
}

} // namespace

void ApplyCalendarPage(SheetContext& context, CalendarPageFlags& flags, const FontChoice& font,
                       const FestivalSwitches& switches) {
    if (context.registryCleared) {
        return;
    }
    if (flags.fontChanged) {
        flags.fontChanged = false;
        ApplyFontChoice(context, regkey::Calender, CD_CALENDARFONT, font);
    }
    if (flags.festivalChanged) {
        ApplyFestivalSwitches(context, switches);
    }
    if (flags.colorChanged) {
        StoreSettingAt(context.hkcu, context.settings, offsetof(DisplaySettings, calendarColor));
    }
    if (flags.weekNumbersChanged) {
        // lunahook reads the value itself when the settings arrive.
        StoreSideSetting(context.hkcu, kWeekNumbersSetting, switches.weekNumbers ? 1 : 0);
    }
    if (flags.festivalChanged || flags.colorChanged || flags.weekNumbersChanged) {
        flags.festivalChanged = false;
        flags.colorChanged = false;
        flags.weekNumbersChanged = false;
        SendDisplaySettings(context);
    }
}

} // namespace luna
