// The common colour dialog: the colour the user chose with OK.
#pragma once

#include <windows.h>

#include <commdlg.h>

namespace luna {

class ColorDialog {
  public:
    // flags such as CC_FULLOPEN (the custom colours panel open).
    ColorDialog(COLORREF initial, DWORD flags);

    // True when the user chose a colour with OK.
    bool DoModal(HWND owner);
    COLORREF Color() const { return choose_.rgbResult; }

  private:
    CHOOSECOLORW choose_{};
    COLORREF customColors_[16];
};

} // namespace luna
