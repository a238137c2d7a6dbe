#include "app/framework/file_dialog.h"

namespace luna {

OpenFileDialog::OpenFileDialog(const char* defaultExtension, const char* filter, DWORD flags)
    : defaultExtension_(defaultExtension != nullptr ? defaultExtension : ""),
      filter_(filter != nullptr ? filter : ""), flags_(flags) {
    for (char& c : filter_) {
        if (c == '|') {
            c = '\0';
        }
    }
    filter_.push_back('\0');
    filter_.push_back('\0');
}

bool OpenFileDialog::DoModal(HWND owner) {
    path_[0] = '\0';
    OPENFILENAMEA open{};
    open.lStructSize = sizeof open;
    open.hwndOwner = owner;
    open.lpstrFilter = filter_.c_str();
    open.nFilterIndex = 1;
    open.lpstrFile = path_;
    open.nMaxFile = sizeof path_;
    open.lpstrDefExt = defaultExtension_.empty() ? nullptr : defaultExtension_.c_str();
    open.Flags = flags_ | OFN_EXPLORER;
    if (!GetOpenFileNameA(&open)) {
        path_[0] = '\0';
        return false;
    }
    path_[sizeof path_ - 1] = '\0';
    return true;
}

} // namespace luna
