// The control application's process-wide state: the display settings it owns for the
// whole run, the clear-registry flag and the desktop list view found at start-up.
#pragma once

#include <windows.h>

#include "shared/display_settings.h"
#include "shared/picture_fit.h"

namespace luna {

struct ControlState {
    DisplaySettings settings = DefaultDisplaySettings();
    bool registryCleared = false;
    HWND desktopListView = nullptr; // null when the shell has no such window
    bool sheetOpen = false;         // the settings sheet is open (greys two items of the menu)
    bool powerOffRefused = false;   // the timed shutdown fired and Windows refused to power off
    // Beside the record, loaded with it: DeskTopFit and TextOutline as stored.
    PictureFit pictureFit = PictureFit::Stretch;
    bool textOutline = false;
};

} // namespace luna
