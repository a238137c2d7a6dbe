// The main window's door to the settings sheet.
#include "app/settings/sheet_launch.h"
#include "app/settings/settings_sheet.h"

namespace luna {

void RunSettingsSheet(const SettingsSheetRequest& request) {
    SettingsSheet sheet(request.state, request.owner);
    sheet.Header().dwFlags &= ~static_cast<DWORD>(PSH_HASHELP | PSH_MODELESS);
    sheet.sheetIcon = request.icon;
    sheet.DoModal();
}

} // namespace luna
