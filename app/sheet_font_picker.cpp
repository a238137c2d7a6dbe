#include "app/sheet_font_picker.h"

#include <cstring>

#include "app/framework/font_dialog.h"
#include "shared/win32/desktop_dpi.h"

namespace luna {

bool PickFont(HWND owner, FontChoice* choice) {
    FontDialog dialog(CF_SCREENFONTS | CF_EFFECTS);
    if (!dialog.DoModal(owner)) {
        return false;
    }
    FontRecord record;
    std::memcpy(&record, &dialog.Font(), sizeof record);
    // The dialog measured the height at this program's DPI; the shell draws at its own.
    record.lfHeight = HeightForDesktop(record.lfHeight);
    *choice = MakeFontChoice(dialog.FaceName(), dialog.PointSizeTenths(), record);
    return true;
}

} // namespace luna
