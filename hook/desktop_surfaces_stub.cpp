// Placeholder until the desktop drawing lands: the list view is subclassed without any
// surfaces of its own.
#include "hook/desktop_surfaces.h"

namespace luna {

void CreateSurfaces() {}

void ReleaseSurfaces() {}

void DrawReminderPanel() {}

} // namespace luna
