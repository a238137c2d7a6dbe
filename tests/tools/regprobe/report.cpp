// "name=value" lines for the scenarios to grep.
#include "report.h"

#include <cstdio>

#include "shared/settings_table.h"

namespace luna {

// Colours in hexadecimal, separators as their text, every other field in decimal.
void PrintDisplaySettings(const DisplaySettings& s) {
    for (const SettingRow& row : StoredSettings()) {
        const unsigned long number = SettingNumber(s, row);
        switch (row.kind) {
        case SettingKind::Separator:
            std::printf("%s=%s\n", row.field, SettingText(s, row).text);
            break;
        case SettingKind::Color:
            std::printf("%s=0x%06lX\n", row.field, number);
            break;
        case SettingKind::Number:
        case SettingKind::LowByte:
            std::printf("%s=%lu\n", row.field, number);
            break;
        }
    }
}

void PrintFont(const char* prefix, const FontRecord& font) {
    std::printf("%s.lfHeight=%ld\n", prefix, static_cast<long>(font.lfHeight));
    std::printf("%s.lfWidth=%ld\n", prefix, static_cast<long>(font.lfWidth));
    std::printf("%s.lfWeight=%ld\n", prefix, static_cast<long>(font.lfWeight));
    std::printf("%s.lfItalic=%u\n", prefix, font.lfItalic);
    std::printf("%s.lfUnderline=%u\n", prefix, font.lfUnderline);
    std::printf("%s.lfStrikeOut=%u\n", prefix, font.lfStrikeOut);
    std::printf("%s.lfCharSet=%u\n", prefix, font.lfCharSet);
    std::printf("%s.lfFaceName=%.32s\n", prefix, font.lfFaceName);
}

} // namespace luna
