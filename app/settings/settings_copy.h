// Settings messages to lunahook: WM_COPYDATA to the desktop icon list view in the shell.
#pragma once

#include <windows.h>

#include <cstdint>

namespace luna {

// Sends `size` bytes of `data` with dwData = code; wParam names the sending window.
// Nothing happens when there is no list view.
void SendSettingsCopy(HWND listView, HWND sender, std::uint32_t code, std::uint32_t size,
                      const void* data);

// The same to the list view looked up afresh, as the settings pages send.
void SendSettingsCopy(HWND sender, std::uint32_t code, std::uint32_t size, const void* data);

} // namespace luna
