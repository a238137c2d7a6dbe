// The calendar text of a day: the lunar lines, the solar-term line and the festival
// lines, as the hook library's GetDate hands them out and the desktop reuses them.
#pragma once

#include <cstddef>

#include "calendar/festivals.h"
#include "calendar/lunar.h"
#include "calendar/text_buffer.h"

namespace luna {

// Bytes GetDate's callers provide, terminator included; the longest text of any day and
// hour in 1900-2099 fits.
constexpr std::size_t kCalendarTextMax = 103;

// Composes the calendar text of the hook library for a day and hour into out, which
// must hold kCalendarTextMax bytes. Returns the length (without terminator); a date
// outside 1900-2099 gives the empty text.
int ComposeCalendarText(int year, int month, int day, int hour, char* out);

// "\n农历:..年\n..月..日\n..月..日<hour>": one of the four lunar formats, chosen by
// the leap flag and the month length.
void AppendLunarText(TextBuffer& text, const LunarDate& date);

// "\n今日:hh:mm:ss<term>" with blank-padded fields, or nothing on a day without a term.
void AppendSolarTermLine(TextBuffer& text, const LunarDate& date);

// One line per matching entry of the list, each "\n" + heading + name, in list order.
void AppendFestivalLines(TextBuffer& text, const char* heading, FestivalList list,
                         const char* key4);

inline constexpr const char* kSolarHeading = "阳历";
inline constexpr const char* kLunarHeading = "农历";

} // namespace luna
