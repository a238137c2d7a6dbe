// What the reminder page's Apply does, and where the page keeps its file. The list itself
// is written only by the page's Save button, never by Apply.
#pragma once

#include <cstddef>

#include "app/logic/sheet_context.h"
#include "app/logic/sheet_font_choice.h"

namespace luna {

// A font chosen on the reminder page: written under the reminder key and sent to lunahook
// as CD_REMINDERFONT, unless the registry was cleared in this run. Clears fontChanged when
// it writes.
void ApplyReminderPage(SheetContext& context, bool& fontChanged, const FontChoice& font);

// "res\Reminder.rem" in the folder of the executable. False, with out empty, when the
// executable's path has no folder part or the result does not fit `capacity` bytes.
bool ReminderPagePath(const char* exePath, char* out, std::size_t capacity);

} // namespace luna
