#include "app/logic/system_page_rules.h"

#include <cstdio>
#include <cstring>

#include "shared/settings_registry.h"

namespace luna {

SystemPageControls SystemControlsFromSettings(const DisplaySettings& settings) {
    SystemPageControls c;
    c.autoStart = settings.autoStart != 0;
    switch (settings.desktopStyle) {
    case 3:
        c.style = DesktopStyleButton::Random;
        break;
    case 2:
        c.style = DesktopStyleButton::Solid;
        break;
    case 1:
        c.style = DesktopStyleButton::Gradient;
        break;
    default:
        c.style = DesktopStyleButton::Picture;
        break;
    }
    return c;
}

SystemPageState SystemStateFromSettings(const DisplaySettings& settings) {
    SystemPageState state;
    state.pendingBackColor = settings.desktopBackColor;
    return state;
}

void FormatListNumber(int number, char (&out)[4]) {
    std::snprintf(out, sizeof out, "%2d", number);
}

namespace {

int Clamp(int value, int count) {
    if (value < 0) {
        return 0;
    }
    return value < count ? value : count - 1;
}

// Sets AutoStart and the Run key's DeskTop value from the check box. Nothing at all changes
// when the Run key cannot be opened (an account without rights on the machine's keys).
void ApplyAutoStart(SheetContext& context, RegistryStore& hklm, const char* exePath, bool wanted) {
    RegKey run = 0;
    bool created = false;
    if (!hklm.CreateKey(regkey::Run, RegAccess::All, &run, &created)) {
        return;
    }
    if (wanted && exePath != nullptr && exePath[0] != '\0') {
        context.settings.autoStart = 1;
        WriteRegNumber(context.hkcu, regkey::Clock, regvalue::AutoStart, 1);
        hklm.SetValue(run, regvalue::DeskTop, kRegSz, exePath,
                      static_cast<std::uint32_t>(std::strlen(exePath)));
    } else if (!wanted) {
        context.settings.autoStart = 0;
        WriteRegNumber(context.hkcu, regkey::Clock, regvalue::AutoStart, 0);
        hklm.DeleteValue(run, regvalue::DeskTop);
    }
    hklm.CloseKey(run);
}

void ApplyShutdown(DisplaySettings& settings, const SystemPageControls& controls) {
    if (controls.shutdown) {
        settings.shutdownArmed = 1;
        FormatShutdownTime(controls.hourIndex, controls.minuteIndex, settings.shutdownTime);
    } else {
        settings.shutdownArmed = 0;
    }
}

} // namespace

void FormatShutdownTime(int hour, int minute, char (&out)[kShutdownTimeSize]) {
    std::memset(out, 0, sizeof out);
    std::snprintf(out, sizeof out, "%2d:%2d", Clamp(hour, kShutdownHours),
                  Clamp(minute, kShutdownMinutes));
}

bool ChooseBackImage(SystemPageState& state, const char* path) {
    if (path == nullptr || std::strlen(path) >= sizeof state.backImagePath) {
        return false;
    }
    std::memset(state.backImagePath, 0, sizeof state.backImagePath);
    std::strcpy(state.backImagePath, path);
    state.backgroundChanged = true;
    return true;
}

void ClearStoredSettings(SheetContext& context, RegistryStore& hklm, void (*sleepMs)(unsigned)) {
    ClearRegistry(context.hkcu, hklm, sleepMs);
    context.registryCleared = true;
}

void ApplySystemPage(SheetContext& context, RegistryStore& hklm, const char* exePath,
                     SystemPageState& state, const SystemPageControls& controls) {
    if (context.registryCleared) {
        context.registryCleared = false;
        return;
    }
    DisplaySettings& s = context.settings;
    ApplyAutoStart(context, hklm, exePath, controls.autoStart);
    ApplyShutdown(s, controls);

    if (state.backgroundChanged) {
        state.backgroundChanged = false;
        WriteRegText(context.hkcu, regkey::Clock, regvalue::BackImage, state.backImagePath);
        context.sink.SendReloadBackground();
    }

    bool backgroundChanged = false;
    if (controls.style != DesktopStyleButton::None) {
        const auto style = static_cast<std::uint32_t>(controls.style);
        if (style != s.desktopStyle) {
            s.desktopStyle = style;
            backgroundChanged = true;
            WriteRegNumber(context.hkcu, regkey::Display, regvalue::DeskTopStyle, style);
        }
    }
    if (state.pendingBackColor != s.desktopBackColor) {
        s.desktopBackColor = state.pendingBackColor;
        backgroundChanged = true;
        WriteRegNumber(context.hkcu, regkey::Display, regvalue::DeskTopBackColor,
                       s.desktopBackColor);
    }
    if (backgroundChanged) {
        context.sink.SendReloadBackground();
    }
}

} // namespace luna
