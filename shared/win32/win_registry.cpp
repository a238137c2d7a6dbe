// RegistryStore over the Windows registry.
#include "shared/win32/win_registry.h"

#include <cstring>
#include <string>
#include <vector>

#include "shared/settings_registry.h"
#include "shared/win32/wide_text.h"
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

bool IsTextType(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

// Key paths and value names: GBK, to the W calls. Null stays null (the default value).
struct WideName {
    explicit WideName(const char* name) : text(WideFromGbk(name)), null(name == nullptr) {}
    const wchar_t* get() const { return null ? nullptr : text.c_str(); }
    std::wstring text;
    bool null;
};

// GBK registry data of a text type to UTF-16, terminators and all, so that what lands in
// the registry is what the narrow calls store on a Chinese system.
std::wstring WideRegText(const char* data, std::size_t size) {
    std::wstring out;
    std::size_t at = 0;
    while (at < size) {
        const std::wstring piece = WideFromGbk(data + at, size - at);
        out += piece;
        std::size_t length = 0;
        while (at + length < size && data[at + length] != '\0') {
            ++length;
        }
        at += length;
        if (at < size) {
            out.push_back(L'\0');
            ++at;
        }
    }
    return out;
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
    if (RegCreateKeyExW(root_, WideName(path).get(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        Sam(access), nullptr, &opened, &disposition) != ERROR_SUCCESS) {
        return false;
    }
    *key = FromHkey(opened);
    *created = disposition == REG_CREATED_NEW_KEY;
    return true;
}

bool WinRegistry::OpenKey(const char* path, RegAccess access, RegKey* key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root_, WideName(path).get(), 0, Sam(access), &opened) != ERROR_SUCCESS) {
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
    const WideName wideName(name);
    DWORD valueType = REG_NONE;
    DWORD valueSize = 0;
    LONG result =
        RegQueryValueExW(ToHkey(key), wideName.get(), nullptr, &valueType, nullptr, &valueSize);
    if (result == ERROR_SUCCESS && IsTextType(valueType)) {
        // Read as UTF-16 and hand over as GBK, sized in GBK bytes.
        std::vector<wchar_t> wide(valueSize / sizeof(wchar_t) + 1, L'\0');
        DWORD wideSize = static_cast<DWORD>((wide.size() - 1) * sizeof(wchar_t));
        result = RegQueryValueExW(ToHkey(key), wideName.get(), nullptr, &valueType,
                                  reinterpret_cast<BYTE*>(wide.data()), &wideSize);
        if (result != ERROR_SUCCESS) {
            return result == ERROR_FILE_NOT_FOUND ? RegQueryStatus::NotFound
                                                  : RegQueryStatus::Failed;
        }
        const std::string gbk = GbkFromWide(std::wstring(wide.data(), wideSize / sizeof(wchar_t)));
        *type = valueType;
        *size = static_cast<std::uint32_t>(gbk.size());
        if (gbk.size() > capacity) {
            return RegQueryStatus::MoreData;
        }
        if (data != nullptr) {
            std::memcpy(data, gbk.data(), gbk.size());
        }
        return RegQueryStatus::Ok;
    }
    if (result == ERROR_SUCCESS || result == ERROR_MORE_DATA) {
        valueSize = capacity;
        result = RegQueryValueExW(ToHkey(key), wideName.get(), nullptr, &valueType,
                                  static_cast<BYTE*>(data), &valueSize);
    }
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
    const WideName wideName(name);
    if (IsTextType(type)) {
        const std::wstring wide = WideRegText(static_cast<const char*>(data), size);
        return RegSetValueExW(ToHkey(key), wideName.get(), 0, type,
                              reinterpret_cast<const BYTE*>(wide.data()),
                              static_cast<DWORD>(wide.size() * sizeof(wchar_t))) == ERROR_SUCCESS;
    }
    return RegSetValueExW(ToHkey(key), wideName.get(), 0, type, static_cast<const BYTE*>(data),
                          size) == ERROR_SUCCESS;
}

bool WinRegistry::DeleteSubKey(RegKey key, const char* subPath) {
    return RegDeleteKeyW(ToHkey(key), WideName(subPath).get()) == ERROR_SUCCESS;
}

bool WinRegistry::DeleteValue(RegKey key, const char* name) {
    return RegDeleteValueW(ToHkey(key), WideName(name).get()) == ERROR_SUCCESS;
}

bool ReadRegFontFromScreen(const char* keyPath, FontRecord* out) {
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
        *out = font;
    }
    return read;
}

void SleepMilliseconds(unsigned ms) {
    Sleep(ms);
}

} // namespace luna
