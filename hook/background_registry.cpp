#include "hook/background_registry.h"

#include <windows.h>

#include <cstring>

#include "hook/logic/registry_value.h"
#include "shared/registry_layout.h"
#include "shared/win32/win_registry.h"

namespace luna {

int ReadRegistryValue(const char* subkey, const char* valueName, void* destination,
                      std::uint32_t capacity) {
    WinRegistry currentUser(HKEY_CURRENT_USER);
    return ReadRegistryValue(currentUser, subkey, valueName, destination, capacity);
}

int ReadRegistryNumber(const char* subkey, const char* valueName, std::uint32_t& value) {
    std::uint32_t read = 0;
    if (!ReadRegistryValue(subkey, valueName, &read, sizeof read)) {
        return 0;
    }
    value = read;
    return 1;
}

int ReadBackImagePath(char (&path)[260]) {
    std::memset(path, 0, sizeof path);
    if (!ReadRegistryValue(regkey::Clock, regvalue::BackImage, path, sizeof path)) {
        path[0] = '\0';
        return 0;
    }
    path[sizeof path - 1] = '\0';
    return 1;
}

} // namespace luna
