#include "hook/desktop/clock_strip.h"

#include "shared/desktop_text.h"
#include "hook/desktop/overlay_outline.h"
#include "shared/win32/wide_text.h"

namespace luna {

void DrawClockStrip(Desktop& desktop) {
    if (!desktop.Ready()) {
        return;
    }
    char text[64];
    ComposeClockText(CurrentLocalTime(), desktop.settings, text, sizeof text);
    const RECT strip = ToRect(desktop.panels.clock);
    RestoreBackground(desktop, strip);
    RECT area = strip;
    DrawOverlayText(desktop.picture.dc, text, -1, &area, DT_WORDBREAK | DT_CENTER);
    ShowOnView(strip);
}

} // namespace luna
