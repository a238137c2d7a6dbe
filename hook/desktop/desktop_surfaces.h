// The desktop's off-screen surfaces, which the list view's first-time work sets up and its
// detach tears down, together with the background, the settings copy and the reminder and
// festival files.
#pragma once

#include <windows.h>

#include "hook/desktop/desktop.h"

namespace luna {

// A bitmap for a surface: a 32-bit top-down DIB section, whose pixels are virtual memory of
// their own, given back to the system the moment the bitmap is deleted. Null for an empty
// size or when it cannot be made. Its pixels start black.
HBITMAP CreateSurfaceBitmap(HDC screen, int width, int height);

// Creates the surfaces, loads the background, the registry style and the reminder and
// festival files. Runs in the shell on the list view's thread.
void CreateSurfaces(Desktop& desktop);

// After a change of the screen's size, of the monitors or of the work area: makes the
// surfaces anew for the new placement (fonts, colours, settings and files kept) and redraws
// the whole picture. Returns false, doing nothing, while the placement is unchanged.
bool RefitSurfaces(Desktop& desktop);

// Releases what CreateSurfaces made. Safe to call when nothing was created.
void ReleaseSurfaces(Desktop& desktop);

} // namespace luna
