#include "app/settings/sheet_sink.h"

#include "app/settings/settings_copy.h"
#include "shared/messages.h"

namespace luna {

void ShellSettingsSink::SendCopy(std::uint32_t code, const void* data, std::uint32_t size) {
    SendSettingsCopy(page_, code, size, data);
}

void ShellSettingsSink::SendReloadBackground() {
    if (cachedListView_ != nullptr) {
        SendMessageA(cachedListView_, UM_RELOADBACK, 0, 0);
    }
}

} // namespace luna
