// What every page of the settings sheet works on: the registry of the current user, the
// process-wide display settings and clear flag, and the way settings reach lunahook.
#pragma once

#include <cstdint>

#include "shared/display_settings.h"
#include "shared/registry_store.h"

namespace luna {

// The messages a page sends to the desktop list view inside the shell.
class SettingsMessageSink {
  public:
    virtual ~SettingsMessageSink() = default;
    // WM_COPYDATA with dwData = code and `size` bytes of `data`.
    virtual void SendCopy(std::uint32_t code, const void* data, std::uint32_t size) = 0;
    // UM_RELOADBACK: the background picture (BackImage) changed.
    virtual void SendReloadBackground() = 0;
};

struct SheetContext {
    RegistryStore& hkcu;
    DisplaySettings& settings;
    bool& registryCleared; // set by clearing the registry; no page writes while it is set
    SettingsMessageSink& sink;
};

// Sends the whole display settings record (CD_SETTINGS).
void SendDisplaySettings(SheetContext& context);

} // namespace luna
