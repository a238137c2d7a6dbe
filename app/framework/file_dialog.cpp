#include "app/framework/file_dialog.h"

#include "shared/gbk_text.h"

namespace luna {

OpenFileDialog::OpenFileDialog(const char* defaultExtension, const char* filter, DWORD flags)
    : defaultExtension_(WideFromGbk(defaultExtension)), filter_(WideFromGbk(filter)),
      flags_(flags) {
    for (wchar_t& c : filter_) {
        if (c == L'|') {
            c = L'\0';
        }
    }
    filter_.push_back(L'\0');
    filter_.push_back(L'\0');
}

bool OpenFileDialog::DoModal(HWND owner) {
    path_[0] = L'\0';
    OPENFILENAMEW open{};
    open.lStructSize = sizeof open;
    open.hwndOwner = owner;
    open.lpstrFilter = filter_.c_str();
    open.nFilterIndex = 1;
    open.lpstrFile = path_;
    open.nMaxFile = MAX_PATH;
    open.lpstrDefExt = defaultExtension_.empty() ? nullptr : defaultExtension_.c_str();
    open.Flags = flags_ | OFN_EXPLORER;
    if (!GetOpenFileNameW(&open)) {
        path_[0] = L'\0';
        return false;
    }
    path_[MAX_PATH - 1] = L'\0';
    return true;
}

} // namespace luna
