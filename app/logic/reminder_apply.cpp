#include "app/logic/reminder_apply.h"

#include "shared/messages.h"
#include "shared/path_rules.h"
#include "shared/registry_layout.h"
#include "shared/rem_files.h"

namespace luna {

void ApplyReminderPage(SheetContext& context, bool& fontChanged, const FontChoice& font) {
    if (context.registryCleared || !fontChanged) {
        return;
    }
    fontChanged = false;
    ApplyFontChoice(context, regkey::Reminder, CD_REMINDERFONT, font);
}

bool ReminderPagePath(const char* exePath, char* out, std::size_t capacity) {
    char folder[kPathCapacity] = {};
    if (capacity > 0) {
        out[0] = '\0';
    }
    return FolderOfPath(exePath, folder) && JoinPath(folder, kReminderPageFile, out, capacity);
}

} // namespace luna
