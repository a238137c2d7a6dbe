#include "app/logic/system_page_rules.h"

#include <cstddef>
#include <cstdio>
#include <cstring>

#include "shared/settings_registry.h"
#include "shared/settings_table.h"

namespace luna {

SystemPageControls SystemControlsFromSettings(const DisplaySettings& settings) {
    SystemPageControls c;
    c.autoStart = settings.autoStart != 0;
    int hour = 0;
    int minute = 0;
    if (settings.shutdownArmed != 0 &&
        std::sscanf(settings.shutdownTime, "%2d:%2d", &hour, &minute) == 2 && hour >= 0 &&
        hour < kShutdownHours && minute >= 0 && minute < kShutdownMinutes) {
        c.shutdown = true;
        c.hourIndex = hour;
        c.minuteIndex = minute;
    }
    switch (EffectiveDesktopStyle(settings.desktopStyle)) {
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

// Makes the Run values match the box and keeps AutoStart and `autoStart` equal to what is
// really stored.
AutostartOutcome ApplyAutoStart(SheetContext& context, RegistryStore& hklm, const char* exePath,
                                bool wanted) {
    bool on = false;
    const AutostartOutcome outcome = ApplyAutostart(context.hkcu, hklm, exePath, wanted, &on);
    const std::uint32_t stored = on ? 1 : 0;
    if (context.settings.autoStart != stored) {
        context.settings.autoStart = stored;
        StoreSettingAt(context.hkcu, context.settings, offsetof(DisplaySettings, autoStart));
    }
    return outcome;
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

const char* PictureRefusalMessage(PictureVerdict verdict) {
    switch (verdict) {
    case PictureVerdict::Usable:
        break;
    case PictureVerdict::Unreadable:
        return "无法读取这个文件，请选择一张图片。\n\n桌面背景保持不变。";
    case PictureVerdict::Empty:
        return "这个文件是空的，不是图片。\n\n桌面背景保持不变。";
    case PictureVerdict::UnknownFormat:
        return "无法识别这个文件的格式。桌面背景可以使用 JPEG、PNG、BMP、GIF 和 TIFF "
               "图片。\n\n桌面背景保持不变。";
    case PictureVerdict::TooLarge:
        return "这张图片太大：桌面背景的图片每边最多 16384 像素，文件最大 256 "
               "MB。\n\n桌面背景保持不变。";
    case PictureVerdict::Broken:
        return "这张图片已损坏，无法显示。\n\n桌面背景保持不变。";
    }
    return nullptr;
}

void ClearStoredSettings(SheetContext& context, RegistryStore& hklm, void (*sleepMs)(unsigned)) {
    ClearRegistry(context.hkcu, hklm, sleepMs);
    context.registryCleared = true;
}

void EndSettingsSheet(bool& registryCleared) {
    registryCleared = false;
}

SystemApplyOutcome ApplySystemPage(SheetContext& context, RegistryStore& hklm, const char* exePath,
                                   SystemPageState& state, const SystemPageControls& controls) {
    SystemApplyOutcome outcome;
    if (context.registryCleared) {
        return outcome;
    }
    DisplaySettings& s = context.settings;
    outcome.autoStart = ApplyAutoStart(context, hklm, exePath, controls.autoStart);
    if (state.shutdownChanged) {
        state.shutdownChanged = false;
        if (controls.shutdown && state.powerOffRefused) {
            outcome.shutdownNotArmed = true; // it could not fire again in this run
        } else {
            ApplyShutdown(s, controls);
        }
    }

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
            StoreSettingAt(context.hkcu, s, offsetof(DisplaySettings, desktopStyle));
        }
    }
    if (state.pendingBackColor != s.desktopBackColor) {
        s.desktopBackColor = state.pendingBackColor;
        backgroundChanged = true;
        StoreSettingAt(context.hkcu, s, offsetof(DisplaySettings, desktopBackColor));
    }
    if (backgroundChanged) {
        SendDisplaySettings(context); // the desktop takes the style and colour from it
    }
    // The placement is not in the record: the picture is placed anew from the registry.
    if (controls.fit >= 0 &&
        EffectivePictureFit(static_cast<std::uint32_t>(controls.fit)) != state.storedFit) {
        state.storedFit = EffectivePictureFit(static_cast<std::uint32_t>(controls.fit));
        WritePictureFit(context.hkcu, state.storedFit);
        context.sink.SendReloadBackground();
    }
    return outcome;
}

} // namespace luna
