// Where each field of DisplaySettings is stored: one row per field, read by the loader,
// written by the pages' Apply, printed by the probes and encoded for the scenarios
// (tests/tools/settingsrec). Fields without a row live only in memory: the shutdown time and its
// switch, the reserved and spare bytes.
//
// Kept apart on purpose: the font groups (FontName .. FontSizeTenths, a LOGFONT record of
// their own), BackImage (a path, EnsureBackImage) and the Run key's DeskTop value
// (autostart.h); AutoStart itself is a row.
#pragma once

#include <cstddef>
#include <cstdint>

#include "shared/display_settings.h"
#include "shared/registry_store.h"

namespace luna {

enum class SettingKind : std::uint8_t {
    Number,    // REG_DWORD into a 4-byte field
    LowByte,   // REG_DWORD whose low byte fills a 1-byte field; written as a whole REG_DWORD
    Color,     // a colour (0x00BBGGRR) as REG_DWORD into a 4-byte field, read as a Number
    Separator, // REG_SZ of at most 2 bytes into a 2-byte field (ReadSeparator, WriteSeparator)
};

struct SettingRow {
    const char* field;   // the member's name, as the scenarios and probes spell it
    std::size_t offset;  // of the member in DisplaySettings
    SettingKind kind;    // the member's size follows from it
    const char* keyPath; // regkey::
    const char* valueName;
};

struct SettingRows {
    const SettingRow* first;
    const SettingRow* last;
    const SettingRow* begin() const { return first; }
    const SettingRow* end() const { return last; }
};

// Every stored field, in the order of the record.
SettingRows StoredSettings();

// The row of a field, by its name or its offset; null when the field is not stored.
const SettingRow* FindSetting(const char* field);
const SettingRow* FindSettingAt(std::size_t offset);

// A numeric field's value (Number, LowByte, Color), and setting it: a LowByte field takes
// the low byte.
std::uint32_t SettingNumber(const DisplaySettings& settings, const SettingRow& row);
void SetSettingNumber(DisplaySettings& settings, const SettingRow& row, std::uint32_t number);

// A Separator field as a terminated text, and setting it (ReadSeparator, WriteSeparator).
SeparatorText SettingText(const DisplaySettings& settings, const SettingRow& row);
void SetSettingText(DisplaySettings& settings, const SettingRow& row, const char* text);

// Reads the row's value into its field by the registry helpers' rules; a value that is
// missing or refused leaves the field as it is.
void LoadSetting(RegistryStore& hkcu, const SettingRow& row, DisplaySettings& settings);

// Writes the field's value: a number as REG_DWORD, a separator as its text.
void StoreSetting(RegistryStore& hkcu, const SettingRow& row, const DisplaySettings& settings);

// Writes the field at this offset (offsetof(DisplaySettings, member)), or the fields at these
// offsets in this order. An offset without a row writes nothing.
void StoreSettingAt(RegistryStore& hkcu, const DisplaySettings& settings, std::size_t offset);
void StoreSettings(RegistryStore& hkcu, const DisplaySettings& settings, const std::size_t* offsets,
                   std::size_t count);
template <std::size_t N>
void StoreSettings(RegistryStore& hkcu, const DisplaySettings& settings,
                   const std::size_t (&offsets)[N]) {
    StoreSettings(hkcu, settings, offsets, N);
}

// Values stored beside the record: lunavis writes them from its pages, and lunahook reads
// them itself with the one registry reader (the record that crosses processes keeps its 96
// bytes). A missing or refused value counts as the row's default.
struct SideSettingRow {
    const char* name; // as the scenarios and probes spell it
    const char* keyPath;
    const char* valueName;
    std::uint32_t defaultNumber;
};

// The week-number column of the desktop's month grid (calendar page, off by default).
extern const SideSettingRow kWeekNumbersSetting;

// The side row of a name; null when there is none.
const SideSettingRow* FindSideSetting(const char* name);

// The stored number, or the default. `access` as for ReadRegValue.
std::uint32_t ReadSideSetting(RegistryStore& hkcu, const SideSettingRow& row,
                              RegAccess access = RegAccess::All);
void StoreSideSetting(RegistryStore& hkcu, const SideSettingRow& row, std::uint32_t number);

} // namespace luna
