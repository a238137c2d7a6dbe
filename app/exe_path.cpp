#include "app/exe_path.h"

#include <windows.h>

namespace luna {

void ExecutablePathGbk(char (&path)[kPathCapacity]) {
    constexpr UINT kGbkCodePage = 936;
    path[0] = '\0';
    wchar_t wide[kPathCapacity + 1] = {};
    const DWORD length = GetModuleFileNameW(nullptr, wide, kPathCapacity + 1);
    if (length == 0 || length > kPathCapacity) {
        return;
    }
    BOOL lossy = FALSE;
    const int bytes =
        WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, wide, static_cast<int>(length),
                            path, static_cast<int>(kPathCapacity) - 1, nullptr, &lossy);
    if (bytes <= 0 || lossy) {
        path[0] = '\0';
        return;
    }
    path[bytes] = '\0';
}

} // namespace luna
