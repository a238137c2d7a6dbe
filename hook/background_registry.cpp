#include "hook/background_registry.h"

#include <windows.h>

#include <cstring>

#include "shared/registry_layout.h"

namespace luna {

int ReadRegistryValue(const char* subkey, const char* valueName, void* destination,
                      std::uint32_t capacity) {
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, subkey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_QUERY_VALUE, nullptr, &key, &disposition) != ERROR_SUCCESS) {
        return 0;
    }
    if (disposition == REG_CREATED_NEW_KEY) {
        RegCloseKey(key);
        return 0;
    }
    DWORD type = 0;
    DWORD size = capacity;
    const LONG status =
        RegQueryValueExA(key, valueName, nullptr, &type, static_cast<BYTE*>(destination), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) {
        return 0;
    }
    if (type == REG_SZ || type == REG_EXPAND_SZ) {
        // Texts are stored without their terminator.
        char* text = static_cast<char*>(destination);
        if (size >= capacity && std::memchr(text, '\0', capacity) == nullptr) {
            return 0;
        }
        if (size < capacity) {
            text[size] = '\0';
        }
    }
    return 1;
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
