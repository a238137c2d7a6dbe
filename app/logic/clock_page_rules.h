// The clock page's decisions: how its controls start from the display settings, and what
// its Apply writes and sends given the change flags and the controls.
#pragma once

#include <cstddef>

#include "app/logic/sheet_context.h"
#include "app/logic/sheet_font_choice.h"

namespace luna {

// A separator edit box takes at most this many bytes: one GBK character or two single-byte
// characters.
constexpr std::size_t kSeparatorMaxBytes = 2;

// The message shown when a separator box holds more than kSeparatorMaxBytes.
extern const char kSeparatorTooLongMessage[];

// The date order radio buttons; None when no button is ticked.
enum class DateOrderButton { None = 0, YearMonthDay = 1, MonthDayYear = 2, DayMonthYear = 3 };

struct ClockPageControls {
    bool year4 = false;
    bool year2 = false;
    bool weekday = false;
    bool date = false;
    bool hour12 = false;
    bool seconds = false;
    bool amPm = false;
    bool amPmEnabled = false;
    bool customDateSeparator = false; // "自定义日期间割符"
    bool customTimeSeparator = false; // "自定义时间间割符"
    DateOrderButton dateOrder = DateOrderButton::None;
    char dateSeparatorText[kSeparatorMaxBytes + 1] = {}; // edit box texts, terminated
    char timeSeparatorText[kSeparatorMaxBytes + 1] = {};
};

struct ClockPageFlags {
    bool displayChanged = false;
    bool fontChanged = false;
    bool colorChanged = false;
};

// The controls as the page opens them from the settings. The custom separator boxes start
// unticked (and disabled): they take effect only after the user edits a separator.
ClockPageControls ClockControlsFromSettings(const DisplaySettings& settings);

// True when an edit box text is short enough for a separator.
bool SeparatorFits(const char* text);

// What Apply did to the custom separator boxes: a ticked box is unticked and disabled once
// its separator has been stored.
struct ClockApplyResult {
    bool dateSeparatorStored = false;
    bool timeSeparatorStored = false;
};

// The clock page's Apply. Writes nothing while the registry has been cleared. Clears the
// flags it acts on.
ClockApplyResult ApplyClockPage(SheetContext& context, ClockPageFlags& flags,
                                const FontChoice& font, const ClockPageControls& controls);

} // namespace luna
