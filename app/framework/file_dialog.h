// The common open-file dialog: the full path the user chose with OK.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <string>

namespace luna {

class OpenFileDialog {
  public:
    // defaultExtension without its dot ("bmp"); filter as "Name (*.x)|*.x||", the pairs
    // separated by '|' (GBK).
    OpenFileDialog(const char* defaultExtension, const char* filter, DWORD flags);

    // True when the user chose a file with OK. A path longer than MAX_PATH is refused by
    // the dialog itself and counts as a cancel.
    bool DoModal(HWND owner);
    // The chosen path, wide: it may hold characters GBK lacks.
    const wchar_t* Path() const { return path_; }

  private:
    std::wstring defaultExtension_;
    std::wstring filter_; // '\0'-separated, double-terminated
    DWORD flags_;
    wchar_t path_[MAX_PATH] = {};
};

} // namespace luna
