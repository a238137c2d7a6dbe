#include "app/settings/shell_link.h"

#include "app/desktop_windows.h"
#include "app/settings/settings_sheet.h"
#include "shared/messages.h"

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

void ShellSettingsSink::SendCopy(std::uint32_t code, const void* data, std::uint32_t size) {
    SendSettingsCopy(FindDesktopListView(), page_, code, size, data);
}

void ShellSettingsSink::SendReloadBackground() {
    if (cachedListView_ != nullptr) {
        SendMessageA(cachedListView_, UM_RELOADBACK, 0, 0);
    }
}

void RunSettingsSheet(const SettingsSheetRequest& request) {
    SettingsSheet sheet(request.state, request.owner);
    sheet.Header().dwFlags &= ~static_cast<DWORD>(PSH_HASHELP | PSH_MODELESS);
    sheet.sheetIcon = request.icon;
    sheet.DoModal();
}

} // namespace luna
