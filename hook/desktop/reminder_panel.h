// The reminder panel of the desktop picture, (W/3, 0)-(2W/3, H/3): the reminders of
// Reminder.rem, then the lunar ones that fall on today, in red.
#pragma once

#include "hook/desktop/desktop.h"

namespace luna {

// Draws the panel on its work surface over the clean background and copies it into the
// picture. Without memory for its work it keeps its previous image.
void DrawReminderPanel(Desktop& desktop);

} // namespace luna
