// Until the settings sheet exists the main window's OK command opens nothing.
#include "app/settings_sheet_launch.h"

namespace luna {

void RunSettingsSheet(const SettingsSheetRequest& /*request*/) {}

} // namespace luna
