#include "app/settings/settings_copy.h"

#include "app/desktop_windows.h"

namespace luna {

void SendSettingsCopy(HWND listView, HWND sender, std::uint32_t code, std::uint32_t size,
                      const void* data) {
    if (listView == nullptr) {
        return;
    }
    COPYDATASTRUCT copy{code, size, const_cast<void*>(data)};
    SendMessageA(listView, WM_COPYDATA, reinterpret_cast<WPARAM>(sender),
                 reinterpret_cast<LPARAM>(&copy));
}

void SendSettingsCopy(HWND sender, std::uint32_t code, std::uint32_t size, const void* data) {
    SendSettingsCopy(FindDesktopListView(), sender, code, size, data);
}

} // namespace luna
