// Loading DisplaySettings at start-up, the default BackImage, and clearing the registry.
#include "shared/path_rules.h"
#include "shared/registry_layout.h"
#include "shared/settings_registry.h"

namespace luna {
namespace {

void LoadNumber(RegistryStore& hkcu, const char* keyPath, const char* valueName,
                std::uint32_t& field) {
    std::uint32_t number = 0;
    if (ReadRegNumber(hkcu, keyPath, valueName, &number)) {
        field = number;
    }
}

// The 8-bit fields take the low byte of their REG_DWORD.
void LoadLowByte(RegistryStore& hkcu, const char* keyPath, const char* valueName,
                 std::uint8_t& field) {
    std::uint32_t number = 0;
    if (ReadRegNumber(hkcu, keyPath, valueName, &number)) {
        field = static_cast<std::uint8_t>(number & 0xFF);
    }
}

// A separator of up to 2 bytes; a longer stored text is refused and the field stays empty.
void LoadSeparator(RegistryStore& hkcu, const char* valueName, char (&field)[2]) {
    char text[3];
    if (ReadRegText(hkcu, regkey::Display, valueName, text)) {
        WriteSeparator(field, text);
    }
}

} // namespace

DisplaySettings LoadDisplaySettings(RegistryStore& hkcu) {
    DisplaySettings s = DefaultDisplaySettings();
    const char* const display = regkey::Display;
    LoadLowByte(hkcu, display, regvalue::DisPlayYear, s.yearDigits);
    LoadNumber(hkcu, display, regvalue::DisPlayMonth, s.showWeekday);
    LoadNumber(hkcu, display, regvalue::DisPlayDate, s.showDate);
    LoadNumber(hkcu, display, regvalue::DisPlaySecond, s.showSeconds);
    LoadNumber(hkcu, display, regvalue::DisPlayTime12, s.hour12);
    LoadLowByte(hkcu, display, regvalue::DisPlayStyle, s.dateOrder);
    LoadLowByte(hkcu, display, regvalue::BkDisPlayStyle, s.bkDisplayStyle);
    LoadNumber(hkcu, display, regvalue::DaySparator, s.amPm);
    LoadNumber(hkcu, display, regvalue::ReminderBkColor, s.reminderBackColor);
    LoadLowByte(hkcu, display, regvalue::ReminderExact, s.reminderExact);
    LoadNumber(hkcu, display, regvalue::DeskTopStyle, s.desktopStyle);
    LoadNumber(hkcu, display, regvalue::DeskTopBackColor, s.desktopBackColor);
    LoadNumber(hkcu, display, regvalue::MerryCheckSolar, s.showSolarFestivals);
    LoadNumber(hkcu, display, regvalue::MerryCheckLunch, s.showLunarFestivals);
    LoadNumber(hkcu, display, regvalue::MerryCheckJieQi, s.showSolarTerms);
    LoadNumber(hkcu, display, regvalue::MerryCheckSelfSolar, s.showOwnSolarFestivals);
    LoadNumber(hkcu, display, regvalue::MerryCheckSelfLunch, s.showOwnLunarFestivals);
    LoadSeparator(hkcu, regvalue::DateSeparator, s.dateSeparator);
    LoadSeparator(hkcu, regvalue::TimeSparator, s.timeSeparator);
    s.calendarColor = ReadRegColor(hkcu, regkey::Calender);
    s.clockColor = ReadRegColor(hkcu, regkey::Clock);
    LoadNumber(hkcu, regkey::Clock, regvalue::AutoStart, s.autoStart);
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
