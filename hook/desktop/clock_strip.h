// The clock strip of the desktop picture, (2W/3, 0)-(W, H/18).
#pragma once

#include "hook/desktop/desktop.h"

namespace luna {

// The clock text of the current local time, drawn over the clean background.
void DrawClockStrip(Desktop& desktop);

} // namespace luna
