// Where the main window hands over to the settings sheet.
#pragma once

#include <windows.h>

#include "app/control_state.h"

namespace luna {

struct SettingsSheetRequest {
    HWND owner;          // the main window
    HICON icon;          // icon 134, for the sheet's title bar
    ControlState& state; // settings, clear flag and list view of the whole run
};

// Shows the settings sheet modally; returns when it has closed.
void RunSettingsSheet(const SettingsSheetRequest& request);

} // namespace luna
