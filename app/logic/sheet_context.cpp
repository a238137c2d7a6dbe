#include "app/logic/sheet_context.h"

#include "shared/messages.h"

namespace luna {

void SendDisplaySettings(SheetContext& context) {
    context.sink.SendCopy(CD_SETTINGS, &context.settings, kDisplaySettingsSize);
}

} // namespace luna
