// How the settings pages reach lunahook: copies to the desktop list view looked up afresh,
// with the page as the sender, and the background reload to the list view found at start-up.
#pragma once

#include <windows.h>

#include "app/logic/sheet_context.h"

namespace luna {

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

} // namespace luna
