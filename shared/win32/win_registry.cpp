// RegistryStore over the Windows registry.
#include "shared/win32/win_registry.h"

#include <cstring>

#include "shared/settings_registry.h"
#include "shared/win32/desktop_dpi.h"

namespace luna {
namespace {

REGSAM Sam(RegAccess access) {
    return access == RegAccess::All ? KEY_ALL_ACCESS : KEY_QUERY_VALUE;
}

HKEY ToHkey(RegKey key) {
    return reinterpret_cast<HKEY>(key);
}
RegKey FromHkey(HKEY key) {
    return reinterpret_cast<RegKey>(key);
}

std::int32_t DeviceToLogicalOnDc(std::int32_t deviceUnits, void* context) {
    POINT points[2] = {{0, 0}, {0, static_cast<LONG>(deviceUnits)}};
    if (!DPtoLP(static_cast<HDC>(context), points, 2)) {
        return deviceUnits;
    }
    return static_cast<std::int32_t>(points[1].y - points[0].y);
}

} // namespace

bool WinRegistry::CreateKey(const char* path, RegAccess access, RegKey* key, bool* created) {
    HKEY opened = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExA(root_, path, 0, nullptr, REG_OPTION_NON_VOLATILE, Sam(access), nullptr,
                        &opened, &disposition) != ERROR_SUCCESS) {
        return false;
    }
    *key = FromHkey(opened);
    *created = disposition == REG_CREATED_NEW_KEY;
    return true;
}

bool WinRegistry::OpenKey(const char* path, RegAccess access, RegKey* key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(root_, path, 0, Sam(access), &opened) != ERROR_SUCCESS) {
        return false;
    }
    *key = FromHkey(opened);
    return true;
}

void WinRegistry::CloseKey(RegKey key) {
    RegCloseKey(ToHkey(key));
}

RegQueryStatus WinRegistry::QueryValue(RegKey key, const char* name, void* data,
                                       std::uint32_t capacity, std::uint32_t* type,
                                       std::uint32_t* size) {
    DWORD valueType = REG_NONE;
    DWORD valueSize = capacity;
    const LONG result = RegQueryValueExA(ToHkey(key), name, nullptr, &valueType,
                                         static_cast<BYTE*>(data), &valueSize);
    if (result == ERROR_SUCCESS || result == ERROR_MORE_DATA) {
        *type = valueType;
        *size = valueSize;
        // A success never reports more than was asked for; should it, treat it as too large.
        if (result == ERROR_MORE_DATA || valueSize > capacity) {
            return RegQueryStatus::MoreData;
        }
        return RegQueryStatus::Ok;
    }
    return result == ERROR_FILE_NOT_FOUND ? RegQueryStatus::NotFound : RegQueryStatus::Failed;
}

bool WinRegistry::SetValue(RegKey key, const char* name, std::uint32_t type, const void* data,
                           std::uint32_t size) {
    return RegSetValueExA(ToHkey(key), name, 0, type, static_cast<const BYTE*>(data), size) ==
           ERROR_SUCCESS;
}

bool WinRegistry::DeleteSubKey(RegKey key, const char* subPath) {
    return RegDeleteKeyA(ToHkey(key), subPath) == ERROR_SUCCESS;
}

bool WinRegistry::DeleteValue(RegKey key, const char* name) {
    return RegDeleteValueA(ToHkey(key), name) == ERROR_SUCCESS;
}

bool ReadRegFontFromScreen(const char* keyPath, LOGFONTA* out) {
    HDC screen = GetDC(nullptr);
    ScreenMetrics metrics;
    if (screen != nullptr) {
        metrics.logPixelsY = DesktopDpi(); // the shell draws the font, at its DPI
        metrics.toLogical = DeviceToLogicalOnDc;
        metrics.context = screen;
    }
    WinRegistry hkcu(HKEY_CURRENT_USER);
    FontRecord font;
    const bool read = ReadRegFont(hkcu, keyPath, metrics, &font);
    if (screen != nullptr) {
        ReleaseDC(nullptr, screen);
    }
    if (read) {
        std::memcpy(out, &font, sizeof font);
    }
    return read;
}

void SleepMilliseconds(unsigned ms) {
    Sleep(ms);
}

} // namespace luna
