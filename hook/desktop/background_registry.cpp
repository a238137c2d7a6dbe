#include "hook/desktop/background_registry.h"

#include <windows.h>

#include "shared/win32/win_registry.h"

namespace luna {

BackgroundSettings ReadBackgroundRegistry() {
    WinRegistry currentUser(HKEY_CURRENT_USER);
    return ReadBackgroundSettingsFrom(currentUser);
}

int ReadBackImagePath(char (&path)[kPathCapacity]) {
    WinRegistry currentUser(HKEY_CURRENT_USER);
    return ReadBackImageFrom(currentUser, path) ? 1 : 0;
}

} // namespace luna
