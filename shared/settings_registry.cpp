// WriteRegValue, ReadRegValue, ReadRegColor, ReadRegFont and WriteFontGroup.
#include "shared/registry_layout.h"
#include "shared/settings_registry.h"

#include <cstring>
#include <limits>

namespace luna {
namespace {

// Texts longer than this are refused whatever the destination (no setting comes close).
constexpr std::uint32_t kMaxTextRead = 1024;

void StoreLittleEndian(std::uint32_t number, std::uint8_t (&bytes)[4]) {
    for (int i = 0; i < 4; ++i) {
        bytes[i] = static_cast<std::uint8_t>(number >> (8 * i));
    }
}

std::uint32_t LoadLittleEndian(const std::uint8_t (&bytes)[4]) {
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

// Opens keyPath with create semantics; false for a key created just now (closed again).
bool OpenExistingOrCreate(RegistryStore& store, const char* keyPath, RegAccess access,
                          RegKey* key) {
    bool created = false;
    if (!store.CreateKey(keyPath, access, key, &created)) {
        return false;
    }
    if (created) {
        store.CloseKey(*key);
        return false;
    }
    return true;
}

std::size_t BoundedLength(const char* text, std::size_t limit) {
    std::size_t length = 0;
    while (length < limit && text[length] != '\0') {
        ++length;
    }
    return length;
}

} // namespace

void WriteRegValue(RegistryStore& hkcu, const char* keyPath, const char* valueName,
                   const char* text, std::uint32_t number, std::uint32_t type, bool isNumber) {
    RegKey key = 0;
    bool created = false;
    if (!hkcu.CreateKey(keyPath, RegAccess::All, &key, &created)) {
        return;
    }
    if (isNumber) {
        std::uint8_t bytes[4];
        StoreLittleEndian(number, bytes);
        hkcu.SetValue(key, valueName, type, bytes, sizeof bytes);
    } else {
        const std::size_t length = text == nullptr ? 0 : std::strlen(text);
        if (length <= std::numeric_limits<std::uint32_t>::max()) {
            hkcu.SetValue(key, valueName, type, text == nullptr ? "" : text,
                          static_cast<std::uint32_t>(length));
        }
    }
    hkcu.CloseKey(key);
}

bool QueryRegNumber(RegistryStore& store, RegKey key, const char* valueName, std::uint32_t* out) {
    std::uint8_t bytes[4] = {};
    std::uint32_t type = kRegNone;
    std::uint32_t size = 0;
    if (store.QueryValue(key, valueName, bytes, sizeof bytes, &type, &size) != RegQueryStatus::Ok ||
        type != kRegDword || size != sizeof bytes) {
        return false;
    }
    *out = LoadLittleEndian(bytes);
    return true;
}

bool QueryRegText(RegistryStore& store, RegKey key, const char* valueName, char* out,
                  std::uint32_t capacity) {
    if (capacity == 0) {
        return false;
    }
    char scratch[kMaxTextRead];
    const std::uint32_t limit = capacity < kMaxTextRead ? capacity : kMaxTextRead;
    std::uint32_t type = kRegNone;
    std::uint32_t size = 0;
    if (store.QueryValue(key, valueName, scratch, limit, &type, &size) != RegQueryStatus::Ok ||
        type != kRegSz || size > limit) {
        return false;
    }
    const void* nul = std::memchr(scratch, 0, size);
    const std::size_t length =
        nul == nullptr ? size : static_cast<std::size_t>(static_cast<const char*>(nul) - scratch);
    if (length >= capacity) {
        return false; // no room for the terminator: refused rather than cut
    }
    std::memcpy(out, scratch, length);
    out[length] = '\0';
    return true;
}

bool ReadRegValue(RegistryStore& hkcu, const char* keyPath, const char* valueName, void* dest,
                  std::uint32_t capacity, RegValueKind kind, RegAccess access) {
    RegKey key = 0;
    if (!OpenExistingOrCreate(hkcu, keyPath, access, &key)) {
        return false;
    }
    bool read = false;
    if (kind == RegValueKind::Number) {
        std::uint32_t number = 0;
        read = capacity == sizeof number && QueryRegNumber(hkcu, key, valueName, &number);
        if (read) {
            std::memcpy(dest, &number, sizeof number);
        }
    } else {
        read = QueryRegText(hkcu, key, valueName, static_cast<char*>(dest), capacity);
    }
    hkcu.CloseKey(key);
    return read;
}

std::uint32_t ReadRegColor(RegistryStore& hkcu, const char* keyPath) {
    std::uint32_t color = 0;
    if (!ReadRegNumber(hkcu, keyPath, regvalue::FontColor, &color)) {
        return 0;
    }
    return color;
}

FontRecord BuildFontRecord(const char* faceName, std::uint32_t pointSizeTenths,
                           std::uint32_t weight, std::uint32_t charset, std::uint32_t italic,
                           std::uint32_t underline, const ScreenMetrics& screen) {
    FontRecord font;
    std::memset(&font, 0, sizeof font);
    constexpr std::int64_t kMaxHeight = std::numeric_limits<std::int32_t>::max();
    std::int64_t device = static_cast<std::int64_t>(screen.logPixelsY) * pointSizeTenths / 720;
    if (device > kMaxHeight) {
        device = kMaxHeight;
    } else if (device < -kMaxHeight) {
        device = -kMaxHeight;
    }
    std::int32_t logical = static_cast<std::int32_t>(device);
    if (screen.toLogical != nullptr) {
        logical = screen.toLogical(logical, screen.context);
        if (logical == std::numeric_limits<std::int32_t>::min()) {
            logical = -std::numeric_limits<std::int32_t>::max();
        }
    }
    font.lfHeight = -logical;
    font.lfWeight = static_cast<std::int32_t>(weight);
    font.lfItalic = static_cast<std::uint8_t>(italic & 0xFF);
    font.lfUnderline = static_cast<std::uint8_t>(underline & 0xFF);
    font.lfCharSet = static_cast<std::uint8_t>(charset & 0xFF);
    if (faceName != nullptr) {
        const std::size_t length = BoundedLength(faceName, kFaceNameSize - 1);
        std::memcpy(font.lfFaceName, faceName, length);
    }
    return font;
}

bool ReadRegFont(RegistryStore& hkcu, const char* keyPath, const ScreenMetrics& screen,
                 FontRecord* out) {
    RegKey key = 0;
    if (!OpenExistingOrCreate(hkcu, keyPath, RegAccess::All, &key)) {
        return false;
    }
    char faceName[kFontNameReadCapacity];
    std::uint32_t numbers[5] = {};
    const char* const numberNames[5] = {regvalue::FontSize, regvalue::FontWeight, regvalue::Charset,
                                        regvalue::Italic, regvalue::UnderLine};
    bool complete = QueryRegText(hkcu, key, regvalue::FontName, faceName, sizeof faceName) &&
                    std::strlen(faceName) < kFaceNameSize;
    for (int i = 0; complete && i < 5; ++i) {
        complete = QueryRegNumber(hkcu, key, numberNames[i], &numbers[i]);
    }
    std::uint32_t tenths = 0;
    const bool hasTenths = complete &&
                           QueryRegNumber(hkcu, key, regvalue::FontSizeTenths, &tenths) &&
                           tenths / 10 == numbers[0];
    hkcu.CloseKey(key);
    if (!complete || numbers[0] > kMaxFontPoints) {
        return false;
    }
    *out = BuildFontRecord(faceName, hasTenths ? tenths : numbers[0] * 10, numbers[1], numbers[2],
                           numbers[3], numbers[4], screen);
    return true;
}

void WriteFontGroup(RegistryStore& hkcu, const char* keyPath, const char* faceName,
                    std::int32_t pointSizeTenths, const FontRecord& font) {
    char name[kFaceNameSize] = {};
    if (faceName != nullptr) {
        std::memcpy(name, faceName, BoundedLength(faceName, kFaceNameSize - 1));
    }
    const std::uint32_t points =
        pointSizeTenths > 0 ? static_cast<std::uint32_t>(pointSizeTenths / 10) : 0;
    WriteRegText(hkcu, keyPath, regvalue::FontName, name);
    WriteRegNumber(hkcu, keyPath, regvalue::FontSize, points);
    WriteRegNumber(hkcu, keyPath, regvalue::FontWeight, static_cast<std::uint32_t>(font.lfWeight));
    WriteRegNumber(hkcu, keyPath, regvalue::Charset, font.lfCharSet);
    WriteRegNumber(hkcu, keyPath, regvalue::Italic, font.lfItalic);
    WriteRegNumber(hkcu, keyPath, regvalue::Bolt, font.lfWeight == 700 ? 1 : 0);
    WriteRegNumber(hkcu, keyPath, regvalue::UnderLine, font.lfUnderline != 0 ? 1 : 0);
    WriteRegNumber(hkcu, keyPath, regvalue::FontSizeTenths,
                   pointSizeTenths > 0 ? static_cast<std::uint32_t>(pointSizeTenths) : 0);
}

} // namespace luna
