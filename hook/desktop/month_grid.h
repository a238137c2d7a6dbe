// The month grid of the desktop picture, (W/3, H/3)-(W, H): a title row with the month and
// its marks (grid_view.h), a weekday header, then one cell per day with its number and its
// annotations (lunar day or month label or solar term, then the festivals), with the badge
// of an official day off (休) or make-up workday (班) in its top right corner, and the week
// numbers left of them when they are on. Today's cell is blue.
#pragma once

#include "calendar/local_time.h"
#include "hook/desktop/desktop.h"

namespace luna {

// Redraws the month of `now` when forced and today differs from the date the grid was
// last drawn for, which then becomes today.
void RefreshMonthGrid(Desktop& desktop, const LocalTime& now, int force);

// Draws the Gregorian month with the day `today` marked (0: none) into the picture.
void DrawMonthGrid(Desktop& desktop, int year, int month, int today);

} // namespace luna
