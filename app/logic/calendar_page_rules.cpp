#include "app/logic/calendar_page_rules.h"

#include "shared/messages.h"
#include "shared/registry_layout.h"
#include "shared/settings_registry.h"

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

namespace {

void ApplyFestivalSwitches(SheetContext& context, const FestivalSwitches& switches) {
    DisplaySettings& s = context.settings;
    s.showSolarFestivals = switches.solar ? 1 : 0;
    s.showLunarFestivals = switches.lunar ? 1 : 0;
    s.showSolarTerms = switches.solarTerms ? 1 : 0;
    s.showOwnLunarFestivals = switches.ownLunar ? 1 : 0;
    s.showOwnSolarFestivals = switches.ownSolar ? 1 : 0;

    RegistryStore& hkcu = context.hkcu;
    WriteRegNumber(hkcu, regkey::Display, regvalue::MerryCheckSolar, s.showSolarFestivals);
    WriteRegNumber(hkcu, regkey::Display, regvalue::MerryCheckLunch, s.showLunarFestivals);
    WriteRegNumber(hkcu, regkey::Display, regvalue::MerryCheckJieQi, s.showSolarTerms);
    WriteRegNumber(hkcu, regkey::Display, regvalue::MerryCheckSelfSolar, s.showOwnSolarFestivals);
    WriteRegNumber(hkcu, regkey::Display, regvalue::MerryCheckSelfLunch, s.showOwnLunarFestivals);
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
        WriteRegNumber(context.hkcu, regkey::Calender, regvalue::FontColor,
                       context.settings.calendarColor);
    }
    if (flags.festivalChanged || flags.colorChanged) {
        flags.festivalChanged = false;
        flags.colorChanged = false;
        SendDisplaySettings(context);
    }
}

} // namespace luna
