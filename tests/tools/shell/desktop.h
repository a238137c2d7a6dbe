// The desktop side of the stand-in shell: Progman, SHELLDLL_DefView and the icon list view,
// or the WorkerW layout and the Active Desktop child when the options ask for them.
#pragma once

#include "tests/tools/shell/shell_context.h"

namespace luna::tools {

bool RegisterDesktopClasses(HINSTANCE instance);
// Creates the desktop windows on the calling thread; fills ctx.windows and ctx.procs.
bool CreateDesktop(HINSTANCE instance, ShellContext& ctx);
// Creates and fills the icon list view covering `parent`.
HWND CreateDesktopListView(HINSTANCE instance, HWND parent);
// Adds the item of --wide-item: a name outside code page 936.
void AddWideItem(HWND view);

} // namespace luna::tools
