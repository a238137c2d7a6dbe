#include "hook/logic/background_settings.h"

#include "shared/display_settings.h"
#include "shared/settings_registry.h"

namespace luna {

BackgroundSettings ReadBackgroundSettingsFrom(RegistryStore& hkcu) {
    BackgroundSettings read;
    std::uint32_t number = 0;
    if (ReadRegNumber(hkcu, regkey::Display, regvalue::DeskTopStyle, &number, RegAccess::Query)) {
        read.style = number;
    }
    read.style = EffectiveDesktopStyle(read.style);
    if (ReadRegNumber(hkcu, regkey::Display, regvalue::DeskTopBackColor, &number,
                      RegAccess::Query)) {
        read.backColor = number;
    }
    read.hasBackImage = ReadBackImageFrom(hkcu, read.backImage);
    read.fit = ReadPictureFit(hkcu, RegAccess::Query);
    read.textOutline = ReadTextOutline(hkcu, RegAccess::Query);
    return read;
}

bool ReadBackImageFrom(RegistryStore& hkcu, char (&path)[kPathCapacity]) {
    if (!ReadRegText(hkcu, regkey::Clock, regvalue::BackImage, path, RegAccess::Query)) {
        path[0] = '\0';
        return false;
    }
    return true;
}

} // namespace luna
