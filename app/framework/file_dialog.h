// The common file dialogs: the full path the user chose with OK.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <string>

namespace luna {

class FileDialog {
  public:
    // The chosen path, wide: it may hold characters GBK lacks.
    const wchar_t* Path() const { return path_; }

  protected:
    // defaultExtension without its dot ("bmp"); filter as "Name (*.x)|*.x||", the pairs
    // separated by '|' (GBK); initialName the file name offered at first ("" for none).
    FileDialog(const char* defaultExtension, const char* filter, DWORD flags,
               const char* initialName);

    // True when the user chose a file with OK. A path longer than MAX_PATH is refused by
    // the dialog itself and counts as a cancel.
    bool Run(HWND owner, BOOL(WINAPI* show)(LPOPENFILENAMEW));

  private:
    std::wstring defaultExtension_;
    std::wstring filter_; // '\0'-separated, double-terminated
    std::wstring initialName_;
    DWORD flags_;
    wchar_t path_[MAX_PATH] = {};
};

// A file to read.
class OpenFileDialog : public FileDialog {
  public:
    OpenFileDialog(const char* defaultExtension, const char* filter, DWORD flags)
        : FileDialog(defaultExtension, filter, flags, "") {}
    bool DoModal(HWND owner) { return Run(owner, GetOpenFileNameW); }
};

// Where to write a file.
class SaveFileDialog : public FileDialog {
  public:
    SaveFileDialog(const char* defaultExtension, const char* filter, DWORD flags,
                   const char* initialName)
        : FileDialog(defaultExtension, filter, flags, initialName) {}
    bool DoModal(HWND owner) { return Run(owner, GetSaveFileNameW); }
};

} // namespace luna
