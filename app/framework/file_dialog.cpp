#include "app/framework/file_dialog.h"

#include "shared/gbk_text.h"

namespace luna {

FileDialog::FileDialog(const char* defaultExtension, const char* filter, DWORD flags,
                       const char* initialName)
    : defaultExtension_(WideFromGbk(defaultExtension)), filter_(WideFromGbk(filter)),
      initialName_(WideFromGbk(initialName)), flags_(flags) {
    for (wchar_t& c : filter_) {
        if (c == L'|') {
            c = L'\0';
        }
    }
    filter_.push_back(L'\0');
    filter_.push_back(L'\0');
}

bool FileDialog::Run(HWND owner, BOOL(WINAPI* show)(LPOPENFILENAMEW)) {
    path_[0] = L'\0';
    initialName_.copy(path_, MAX_PATH - 1);
    path_[initialName_.size() < MAX_PATH ? initialName_.size() : MAX_PATH - 1] = L'\0';
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter_.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path_;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrDefExt = defaultExtension_.empty() ? nullptr : defaultExtension_.c_str();
    dialog.Flags = flags_ | OFN_EXPLORER;
    if (!show(&dialog)) {
        path_[0] = L'\0';
        return false;
    }
    path_[MAX_PATH - 1] = L'\0';
    return true;
}

} // namespace luna
