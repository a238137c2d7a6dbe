// Loading DisplaySettings at start-up, the default BackImage, and clearing the registry.
#include "shared/path_rules.h"
#include "shared/registry_layout.h"
#include "shared/settings_registry.h"
#include "shared/settings_table.h"

namespace luna {

DisplaySettings LoadDisplaySettings(RegistryStore& hkcu) {
    DisplaySettings s = DefaultDisplaySettings();
    for (const SettingRow& row : StoredSettings()) {
        LoadSetting(hkcu, row, s);
    }
    return s;
}

namespace {

bool DefaultBackImage(const char* exePath, char (&path)[kPathCapacity]) {
    char folder[kPathCapacity];
    return FolderOfPath(exePath, folder) && JoinPath(folder, kDefaultBackImageName, path);
}

} // namespace

void EnsureBackImage(RegistryStore& hkcu, const char* exePath) {
    char current[kPathCapacity];
    if (ReadRegText(hkcu, regkey::Clock, regvalue::BackImage, current)) {
        return;
    }
    char path[kPathCapacity];
    if (DefaultBackImage(exePath, path)) {
        WriteRegText(hkcu, regkey::Clock, regvalue::BackImage, path);
    }
}

bool DataFilesFolder(RegistryStore& hkcu, const char* exePath, char (&folder)[kPathCapacity]) {
    char backImage[kPathCapacity];
    if (ReadRegText(hkcu, regkey::Clock, regvalue::BackImage, backImage) &&
        FolderOfPath(backImage, folder)) {
        return true;
    }
    return DefaultBackImage(exePath, backImage) && FolderOfPath(backImage, folder);
}

void ClearRegistry(RegistryStore& hkcu, RegistryStore& hklm, void (*sleepMs)(unsigned)) {
    const auto pause = [sleepMs] {
        if (sleepMs != nullptr) {
            sleepMs(100);
        }
    };
    RegKey key = 0;
    const bool wendrixOpen = hkcu.OpenKey(regkey::Wendrix, RegAccess::All, &key);
    if (wendrixOpen) {
        hkcu.DeleteSubKey(key, regkey::ClockCalenderSub);
    }
    pause();
    if (wendrixOpen) {
        hkcu.DeleteSubKey(key, regkey::ClockDisplaySub);
    }
    pause();
    if (wendrixOpen) {
        hkcu.DeleteSubKey(key, regkey::ClockReminderSub);
        hkcu.DeleteSubKey(key, regkey::ClockSub);
        hkcu.CloseKey(key);
    }
    if (hkcu.OpenKey(regkey::Software, RegAccess::All, &key)) {
        hkcu.DeleteSubKey(key, regkey::WendrixName);
        hkcu.CloseKey(key);
    }
    if (hklm.OpenKey(regkey::Run, RegAccess::All, &key)) {
        hklm.DeleteValue(key, regvalue::DeskTop);
        hklm.CloseKey(key);
    }
    if (hkcu.OpenKey(regkey::Run, RegAccess::All, &key)) {
        hkcu.DeleteValue(key, regvalue::DeskTop);
        hkcu.CloseKey(key);
    }
}

} // namespace luna
