// Loading DisplaySettings at start-up, the default BackImage, and clearing the registry.
#include <cstring>

#include "shared/path_rules.h"
#include "shared/picture_fit.h"
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

bool BackImageBeside(const char* exePath, const char* name, char (&path)[kPathCapacity]) {
    char folder[kPathCapacity];
    return FolderOfPath(exePath, folder) && JoinPath(folder, name, path);
}

bool DefaultBackImage(const char* exePath, char (&path)[kPathCapacity]) {
    return BackImageBeside(exePath, kDefaultBackImageName, path);
}

} // namespace

void EnsureBackImage(RegistryStore& hkcu, const char* exePath) {
    char current[kPathCapacity];
    char path[kPathCapacity];
    if (ReadRegText(hkcu, regkey::Clock, regvalue::BackImage, current)) {
        // The default picture of earlier versions is now the new one.
        char old[kPathCapacity];
        if (BackImageBeside(exePath, kOldDefaultBackImageName, old) &&
            std::strcmp(current, old) == 0 && DefaultBackImage(exePath, path)) {
            WriteRegText(hkcu, regkey::Clock, regvalue::BackImage, path);
        }
        return;
    }
    if (DefaultBackImage(exePath, path)) {
        WriteRegText(hkcu, regkey::Clock, regvalue::BackImage, path);
        // A first start: a new installation places its pictures the new way.
        WritePictureFit(hkcu, kNewInstallFit);
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
