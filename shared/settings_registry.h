// The registry helpers through which all settings access goes, and the decisions built on
// them: loading DisplaySettings, the default BackImage, the font value group, clearing.
//
// Keys are opened with create semantics: a key that had to be created by a read counts as
// holding no values, so merely loading the settings creates the product keys, empty.
//
// What a damaged or hand-edited registry can hold is handled as follows; a value that is
// refused counts as missing, so its default stands, and the destination is left untouched:
// - a number must be REG_DWORD with exactly 4 bytes of data; any other type or size is
//   refused;
// - a text must be REG_SZ; it may be stored with or without its terminator, and ends at its
//   first NUL. A text that does not fit the destination together with its terminator is
//   refused rather than cut (a cut path or face name would name something else); so is one
//   of any other type;
// - FontName longer than the 31 bytes lfFaceName holds makes that font count as missing,
//   and so does a FontSize too large for a sensible height (see kMaxFontPoints);
// - BackImage of 260 bytes or more (without terminator) counts as missing, and start-up
//   then writes the default path over it.
#pragma once

#include <cstdint>

#include "shared/display_settings.h"
#include "shared/font_record.h"
#include "shared/registry_layout.h"
#include "shared/registry_store.h"

namespace luna {

// Largest FontSize accepted, in points; the common font dialog offers at most 1638.
constexpr std::uint32_t kMaxFontPoints = 16384;

// Opens keyPath (creating missing keys) and stores either the 4 bytes of `number`
// (isNumber set, type REG_DWORD) or `text` without its terminator (type REG_SZ). Nothing
// is written when the key cannot be opened.
void WriteRegValue(RegistryStore& hkcu, const char* keyPath, const char* valueName,
                   const char* text, std::uint32_t number, std::uint32_t type, bool isNumber);
inline void WriteRegNumber(RegistryStore& hkcu, const char* keyPath, const char* valueName,
                           std::uint32_t number) {
    WriteRegValue(hkcu, keyPath, valueName, nullptr, number, 4 /*REG_DWORD*/, true);
}
inline void WriteRegText(RegistryStore& hkcu, const char* keyPath, const char* valueName,
                         const char* text) {
    WriteRegValue(hkcu, keyPath, valueName, text, 0, 1 /*REG_SZ*/, false);
}

enum class RegValueKind { Number, Text };

// The one registry reader. Opens keyPath with create semantics; false when the key was
// created now, cannot be opened, or the value is missing or refused (rules above). On
// success a Number fills the 4 bytes at dest (capacity must be 4), a Text fills dest with a
// terminated string. `access` is the reading mode: RegAccess::All for lunavis, which owns
// the keys; RegAccess::Query for lunahook inside the shell, which opens (or creates empty)
// its keys for querying only and never writes. Both modes check values by the same rules.
bool ReadRegValue(RegistryStore& hkcu, const char* keyPath, const char* valueName, void* dest,
                  std::uint32_t capacity, RegValueKind kind, RegAccess access = RegAccess::All);
inline bool ReadRegNumber(RegistryStore& hkcu, const char* keyPath, const char* valueName,
                          std::uint32_t* out, RegAccess access = RegAccess::All) {
    return ReadRegValue(hkcu, keyPath, valueName, out, 4, RegValueKind::Number, access);
}
template <std::uint32_t N>
bool ReadRegText(RegistryStore& hkcu, const char* keyPath, const char* valueName, char (&out)[N],
                 RegAccess access = RegAccess::All) {
    return ReadRegValue(hkcu, keyPath, valueName, out, N, RegValueKind::Text, access);
}

// The same rules on a key that is already open.
bool QueryRegNumber(RegistryStore& store, RegKey key, const char* valueName, std::uint32_t* out);
bool QueryRegText(RegistryStore& store, RegKey key, const char* valueName, char* out,
                  std::uint32_t capacity);

// Converts a height in device units to logical units on the screen (DPtoLP on Windows).
using DeviceToLogicalFn = std::int32_t (*)(std::int32_t deviceUnits, void* context);

struct ScreenMetrics {
    std::int32_t logPixelsY = 96;
    DeviceToLogicalFn toLogical = nullptr; // null: logical units are device units
    void* context = nullptr;
};

// Builds the font record from the font value group of keyPath. False when the key was new
// or any of FontName, FontSize, FontWeight, Charset, Italic, UnderLine is missing or
// refused; *out is then left untouched. Bolt is never read. The size is FontSizeTenths
// where that value agrees with FontSize (the same whole points), otherwise FontSize: a
// group written by an earlier version, or changed by one since, keeps its whole points.
bool ReadRegFont(RegistryStore& hkcu, const char* keyPath, const ScreenMetrics& screen,
                 FontRecord* out);

// The record ReadRegFont builds from the values it read (pure). The height is
// -(logPixelsY * pointSizeTenths / 720), truncated, in the screen's logical units.
FontRecord BuildFontRecord(const char* faceName, std::uint32_t pointSizeTenths,
                           std::uint32_t weight, std::uint32_t charset, std::uint32_t italic,
                           std::uint32_t underline, const ScreenMetrics& screen);

// Writes the values of a font chosen in a font dialog, in the order FontName, FontSize
// (whole points, truncated), FontWeight, Charset, Italic, Bolt, UnderLine, FontSizeTenths.
void WriteFontGroup(RegistryStore& hkcu, const char* keyPath, const char* faceName,
                    std::int32_t pointSizeTenths, const FontRecord& font);

// Defaults, then every stored field (settings_table.h) whose value is present. Does not
// touch BackImage: see EnsureBackImage.
DisplaySettings LoadDisplaySettings(RegistryStore& hkcu);

// Writes BackImage as the executable's folder followed by "res\back.png" when it is
// missing (or refused), and with it DeskTopFit as a new installation's (Fill). A BackImage
// naming "res\back.bmp" beside the executable, the default of earlier versions, is
// rewritten to the new default. Nothing is written when exePath has no folder part or the
// result would not fit a path buffer.
void EnsureBackImage(RegistryStore& hkcu, const char* exePath);

// The folder of the data files (the festival files, the desktop's reminders): the folder
// of BackImage, or where EnsureBackImage would put it ("res\" beside the executable) while
// it is missing or has no folder part. False when neither gives a folder.
bool DataFilesFolder(RegistryStore& hkcu, const char* exePath, char (&folder)[kPathCapacity]);

// The clearing sequence: the product keys below "software\wendrix" leaf first, with a
// 100 ms pause after each of the first two deletions, then "wendrix" itself, then the
// DeskTop value of the machine's Run key and of the user's. No step depends on the one
// before.
void ClearRegistry(RegistryStore& hkcu, RegistryStore& hklm, void (*sleepMs)(unsigned));

} // namespace luna
