// The common colour dialog: the colour the user chose with OK. The custom colours are one
// set for the whole run, shared by every colour dialog.
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
    CHOOSECOLORA choose_{};
};

} // namespace luna
