// The font dialog of the clock and calendar pages: screen fonts with effects, no initial
// font; the colour it offers is not used.
#pragma once

#include <windows.h>

#include "app/logic/sheet_font_choice.h"

namespace luna {

// True, with the choice, when the user pressed OK.
bool PickFont(HWND owner, FontChoice* choice);

} // namespace luna
