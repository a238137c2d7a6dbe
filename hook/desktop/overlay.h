// The overlay drawn onto the composed desktop picture: the clock strip, the calendar
// text, the reminder panel (declared with the surfaces) and the month grid. Each operation
// restores its own rectangle from the clean background, draws, and invalidates only that
// rectangle of the list view, whose erase then copies the picture to the screen.
#pragma once

#include <windows.h>

#include "calendar/local_time.h"
#include "shared/font_record.h"

namespace luna {

// The clock text of the current local time, in the strip (2W/3, 0)-(W, H/18).
void DrawClockText();

// The desktop calendar text of now, in the date rectangle (2W/3, H/18)-(W, H/3).
void DrawCalendarText(const LocalTime& now);

// Redraws the month grid when forced and today differs from m_LastDate, which then
// takes today's date.
void RefreshMonthGrid(const LocalTime& now, int force);

// The grid of a Gregorian month with its first day in column firstWeekday (0 = Sunday)
// and the day `today` in blue, in (W/3, H/3)-(W, H).
void DrawMonthGrid(int year, int month, int firstWeekday, int today);

// Makes a font from a received font record (its face name GBK) and selects it into the
// surface's context in place of the previous one, which is deleted. A font that cannot be
// made leaves the previous one in place; returns false then.
bool AdoptOverlayFont(HDC surface, HFONT& slot, const FontRecord& received);

// Until a font record arrives, a surface draws with the font it was made with: the
// context's own font, but of the GB2312 character set, so its Chinese texts look the same
// on every system code page.
bool AdoptDefaultOverlayFont(HDC surface, HFONT& slot);

// Deletes the three overlay fonts (after their surfaces are gone).
void ReleaseOverlayFonts();

} // namespace luna
