// The calendar page's decisions: the festival switches shown from the display settings, and
// what its Apply writes and sends given the change flags and the check boxes.
#pragma once

#include "app/logic/sheet_context.h"
#include "app/logic/sheet_font_choice.h"

namespace luna {

// The five festival check boxes, in id order 1092 to 1096.
struct FestivalSwitches {
    bool solar = false;       // "显示阳历节日"
    bool lunar = false;       // "显示农历节日"
    bool solarTerms = false;  // "显示二十四节气"
    bool ownSolar = false;    // "显示自定义阳历节日"
    bool ownLunar = false;    // "显示自定义阴历节日"
    bool weekNumbers = false; // "显示周数": stored beside the record (kWeekNumbersSetting)
};

struct CalendarPageFlags {
    bool fontChanged = false;
    bool colorChanged = false;
    bool festivalChanged = false;
    bool weekNumbersChanged = false;
};

// Any non-zero stored value shows as ticked. The week numbers come from their own value.
FestivalSwitches FestivalSwitchesFromSettings(const DisplaySettings& settings);
bool WeekNumbersTicked(RegistryStore& hkcu);

// The calendar page's Apply. Writes nothing while the registry has been cleared. Clears the
// flags it acts on.
void ApplyCalendarPage(SheetContext& context, CalendarPageFlags& flags, const FontChoice& font,
                       const FestivalSwitches& switches);

} // namespace luna
