#include "app/settings/sheet_font_picker.h"

#include <cstring>

#include "app/framework/font_dialog.h"
#include "shared/win32/desktop_dpi.h"
#include "shared/win32/wide_text.h"

namespace luna {
namespace {

constexpr char kCaption[] = "lunavis";
constexpr char kFaceNameMessage[] = "该字体的名称无法保存，请选择其他字体。";

} // namespace

bool PickFont(HWND owner, FontChoice* choice) {
    FontDialog dialog(CF_SCREENFONTS | CF_EFFECTS);
    if (!dialog.DoModal(owner)) {
        return false;
    }
    // The record keeps a GBK face name: a name GBK cannot hold would name another font.
    FontRecord record;
    if (!RecordFromLogFont(dialog.Font(), &record)) {
        MessageBoxGbk(owner, kFaceNameMessage, kCaption, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    // The dialog measured the height at this program's DPI; the shell draws at its own.
    record.lfHeight = HeightForDesktop(record.lfHeight);
    *choice = MakeFontChoice(record.lfFaceName, dialog.PointSizeTenths(), record);
    return true;
}

} // namespace luna
