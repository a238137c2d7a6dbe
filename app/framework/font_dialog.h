// The common font dialog: what the settings pages read from it after OK.
#pragma once

#include <windows.h>

#include <commdlg.h>

namespace luna {

class FontDialog {
  public:
    // No initial font and no printer; flags such as CF_SCREENFONTS | CF_EFFECTS.
    explicit FontDialog(DWORD flags);

    // True when the user chose a font with OK.
    bool DoModal(HWND owner);

    const LOGFONTW& Font() const { return font_; }
    // Point size in tenths of a point.
    int PointSizeTenths() const { return choose_.iPointSize; }

  private:
    CHOOSEFONTW choose_{};
    LOGFONTW font_{};
};

} // namespace luna
