// Defaults of the display settings record and the 2-byte separator fields.
#include "shared/display_settings.h"

#include <cstring>

#include "shared/gbk_text.h"

namespace luna {

DisplaySettings DefaultDisplaySettings() {
    DisplaySettings s;
    std::memset(&s, 0, sizeof s);
    s.yearDigits = 4;
    s.showWeekday = 1;
    s.showDate = 1;
    s.hour12 = 0;
    s.showSeconds = 1;
    s.dateOrder = 1;
    s.bkDisplayStyle = 4;
    s.reminderExact = 1;
    s.spare17 = 1;
    s.showSolarFestivals = 1;
    s.showLunarFestivals = 1;
    s.showSolarTerms = 1;
    s.showOwnSolarFestivals = 0;
    s.showOwnLunarFestivals = 0;
    s.amPm = 1;
    s.reminderBackColor = 0xFFFFFF;
    return s;
}

// Reads at most the two bytes of the field; a lead byte without its trail byte is a
// broken character and is dropped, so it cannot swallow the text that follows.
SeparatorText ReadSeparator(const char (&field)[2]) {
    SeparatorText out{};
    const std::size_t length = GbkCutLength(field, 2);
    std::memcpy(out.text, field, length);
    out.text[length] = '\0';
    return out;
}

// Keeps the longest prefix of at most two bytes that ends on a character boundary:
// one GBK character, or up to two single-byte characters. Unused bytes are zeroed.
void WriteSeparator(char (&field)[2], const char* text) {
    field[0] = '\0';
    field[1] = '\0';
    if (text == nullptr) {
        return;
    }
    std::memcpy(field, text, GbkCutLength(text, 2));
}

std::uint32_t EffectiveDesktopStyle(std::uint32_t stored) {
    return stored <= 3 ? stored : 0;
}

} // namespace luna
