// The table of stored DisplaySettings fields and the reads and writes it drives.
#include "shared/settings_table.h"

#include <cstring>
#include <iterator>

#include "shared/registry_layout.h"
#include "shared/settings_registry.h"

namespace luna {
namespace {

constexpr std::size_t SizeOf(SettingKind kind) {
    switch (kind) {
    case SettingKind::LowByte:
        return 1;
    case SettingKind::Separator:
        return 2;
    case SettingKind::Number:
    case SettingKind::Color:
        break;
    }
    return 4;
}

// Refuses, at compile time, a row whose kind does not fit its member.
constexpr SettingKind Fits(SettingKind kind, std::size_t memberSize) {
    return SizeOf(kind) == memberSize ? kind : throw "the kind does not fit the member";
}

#define LUNA_SETTING(member, kind, key, value)                                                     \
    SettingRow {                                                                                   \
#member, offsetof(DisplaySettings, member),                                                \
            Fits(SettingKind::kind, sizeof(DisplaySettings::member)), regkey::key, regvalue::value \
    }

// The stored names keep their historic spellings (DisPlayYear, DaySparator, ...).
constexpr SettingRow kRows[] = {
    LUNA_SETTING(yearDigits, LowByte, Display, DisPlayYear),
    LUNA_SETTING(showWeekday, Number, Display, DisPlayMonth),
    LUNA_SETTING(showDate, Number, Display, DisPlayDate),
    LUNA_SETTING(hour12, Number, Display, DisPlayTime12),
    LUNA_SETTING(showSeconds, Number, Display, DisPlaySecond),
    LUNA_SETTING(dateOrder, LowByte, Display, DisPlayStyle),
    LUNA_SETTING(bkDisplayStyle, LowByte, Display, BkDisPlayStyle),
    LUNA_SETTING(reminderExact, LowByte, Display, ReminderExact),
    LUNA_SETTING(showSolarFestivals, Number, Display, MerryCheckSolar),
    LUNA_SETTING(showLunarFestivals, Number, Display, MerryCheckLunch),
    LUNA_SETTING(showSolarTerms, Number, Display, MerryCheckJieQi),
    LUNA_SETTING(showOwnSolarFestivals, Number, Display, MerryCheckSelfSolar),
    LUNA_SETTING(showOwnLunarFestivals, Number, Display, MerryCheckSelfLunch),
    LUNA_SETTING(timeSeparator, Separator, Display, TimeSparator),
    LUNA_SETTING(dateSeparator, Separator, Display, DateSeparator),
    LUNA_SETTING(amPm, Number, Display, DaySparator),
    LUNA_SETTING(reminderBackColor, Color, Display, ReminderBkColor),
    LUNA_SETTING(clockColor, Color, Clock, FontColor),
    LUNA_SETTING(calendarColor, Color, Calender, FontColor),
    LUNA_SETTING(autoStart, Number, Clock, AutoStart),
    LUNA_SETTING(desktopStyle, Number, Display, DeskTopStyle),
    LUNA_SETTING(desktopBackColor, Color, Display, DeskTopBackColor),
};

#undef LUNA_SETTING

std::uint8_t* FieldOf(DisplaySettings& settings, const SettingRow& row) {
    return reinterpret_cast<std::uint8_t*>(&settings) + row.offset;
}
const std::uint8_t* FieldOf(const DisplaySettings& settings, const SettingRow& row) {
    return reinterpret_cast<const std::uint8_t*>(&settings) + row.offset;
}

char (&SeparatorField(DisplaySettings& settings, const SettingRow& row))[2] {
    return *reinterpret_cast<char(*)[2]>(FieldOf(settings, row));
}
const char (&SeparatorField(const DisplaySettings& settings, const SettingRow& row))[2] {
    return *reinterpret_cast<const char(*)[2]>(FieldOf(settings, row));
}

} // namespace

SettingRows StoredSettings() {
    return {std::begin(kRows), std::end(kRows)};
}

const SettingRow* FindSetting(const char* field) {
    for (const SettingRow& row : kRows) {
        if (field != nullptr && std::strcmp(row.field, field) == 0) {
            return &row;
        }
    }
    return nullptr;
}

const SettingRow* FindSettingAt(std::size_t offset) {
    for (const SettingRow& row : kRows) {
        if (row.offset == offset) {
            return &row;
        }
    }
    return nullptr;
}

std::uint32_t SettingNumber(const DisplaySettings& settings, const SettingRow& row) {
    const std::uint8_t* field = FieldOf(settings, row);
    if (row.kind == SettingKind::LowByte) {
        return *field;
    }
    std::uint32_t number = 0;
    std::memcpy(&number, field, sizeof number);
    return number;
}

void SetSettingNumber(DisplaySettings& settings, const SettingRow& row, std::uint32_t number) {
    std::uint8_t* field = FieldOf(settings, row);
    if (row.kind == SettingKind::LowByte) {
        *field = static_cast<std::uint8_t>(number & 0xFF);
    } else {
        std::memcpy(field, &number, sizeof number);
    }
}

SeparatorText SettingText(const DisplaySettings& settings, const SettingRow& row) {
    return ReadSeparator(SeparatorField(settings, row));
}

void SetSettingText(DisplaySettings& settings, const SettingRow& row, const char* text) {
    WriteSeparator(SeparatorField(settings, row), text);
}

void LoadSetting(RegistryStore& hkcu, const SettingRow& row, DisplaySettings& settings) {
    switch (row.kind) {
    case SettingKind::Number:
    case SettingKind::LowByte:
    case SettingKind::Color: {
        std::uint32_t number = 0;
        if (ReadRegNumber(hkcu, row.keyPath, row.valueName, &number)) {
            SetSettingNumber(settings, row, number);
        }
        return;
    }
    case SettingKind::Separator: {
        // A longer stored text is refused and the field stays as it is.
        char text[3];
        if (ReadRegText(hkcu, row.keyPath, row.valueName, text)) {
            SetSettingText(settings, row, text);
        }
        return;
    }
    }
}

void StoreSetting(RegistryStore& hkcu, const SettingRow& row, const DisplaySettings& settings) {
    if (row.kind == SettingKind::Separator) {
        WriteRegText(hkcu, row.keyPath, row.valueName, SettingText(settings, row).text);
    } else {
        WriteRegNumber(hkcu, row.keyPath, row.valueName, SettingNumber(settings, row));
    }
}

void StoreSettingAt(RegistryStore& hkcu, const DisplaySettings& settings, std::size_t offset) {
    if (const SettingRow* row = FindSettingAt(offset)) {
        StoreSetting(hkcu, *row, settings);
    }
}

const SideSettingRow kWeekNumbersSetting{"showWeekNumbers", regkey::Display, regvalue::WeekNumbers,
                                         0};

const SideSettingRow* FindSideSetting(const char* name) {
    static const SideSettingRow* const kSideRows[] = {&kWeekNumbersSetting};
    for (const SideSettingRow* row : kSideRows) {
        if (name != nullptr && std::strcmp(row->name, name) == 0) {
            return row;
        }
    }
    return nullptr;
}

std::uint32_t ReadSideSetting(RegistryStore& hkcu, const SideSettingRow& row, RegAccess access) {
    std::uint32_t number = 0;
    return ReadRegNumber(hkcu, row.keyPath, row.valueName, &number, access) ? number
                                                                            : row.defaultNumber;
}

void StoreSideSetting(RegistryStore& hkcu, const SideSettingRow& row, std::uint32_t number) {
    WriteRegNumber(hkcu, row.keyPath, row.valueName, number);
}

void StoreSettings(RegistryStore& hkcu, const DisplaySettings& settings, const std::size_t* offsets,
                   std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        StoreSettingAt(hkcu, settings, offsets[i]);
    }
}

} // namespace luna
