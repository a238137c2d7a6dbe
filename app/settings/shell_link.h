// Where the control application meets lunahook and the settings sheet: settings travel as
// WM_COPYDATA to the desktop icon list view in the shell, and the main window opens the
// sheet here. The pages reach lunahook through a PageContext, with the page as the sender.
#pragma once

#include <windows.h>

#include <cstdint>

#include "app/control_state.h"
#include "app/logic/sheet_context.h"
#include "shared/win32/win_registry.h"

namespace luna {

// Sends `size` bytes of `data` with dwData = code; wParam names the sending window.
// Nothing happens when there is no list view.
void SendSettingsCopy(HWND listView, HWND sender, std::uint32_t code, std::uint32_t size,
                      const void* data);

// The pages' messages: copies to the desktop list view looked up afresh, with the page as
// the sender, and the background reload to the list view found at start-up.
class ShellSettingsSink : public SettingsMessageSink {
  public:
    ShellSettingsSink(HWND page, HWND cachedListView)
        : page_(page), cachedListView_(cachedListView) {}

    void SendCopy(std::uint32_t code, const void* data, std::uint32_t size) override;
    void SendReloadBackground() override;

  private:
    HWND page_;
    HWND cachedListView_;
};

// The pieces a settings page's Apply works on: the current user's registry, the state of
// the whole run and the way to lunahook.
struct PageContext {
    PageContext(ControlState& state, HWND page)
        : hkcu(HKEY_CURRENT_USER),
          sink(page, state.desktopListView), context{hkcu, state.settings, state.registryCleared,
                                                     sink} {}
    PageContext(const PageContext&) = delete;
    PageContext& operator=(const PageContext&) = delete;

    WinRegistry hkcu;
    ShellSettingsSink sink;
    SheetContext context;
};

struct SettingsSheetRequest {
    HWND owner;          // the main window
    HICON icon;          // icon 134, for the sheet's title bar
    ControlState& state; // settings, clear flag and list view of the whole run
};

// Shows the settings sheet modally; returns when it has closed.
void RunSettingsSheet(const SettingsSheetRequest& request);

} // namespace luna
