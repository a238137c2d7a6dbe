// A registry filled with arbitrary values of arbitrary types and sizes under the product
// keys: loading the settings, the default BackImage and the three fonts never overflow,
// and every text that comes out is terminated within its field.
#include <cstdint>
#include <cstring>

#include "fuzz_check.h"
#include "tests/support/memory_registry.h"
#include "shared/registry_layout.h"
#include "shared/settings_registry.h"

namespace {

const char* const kKeys[] = {luna::regkey::Clock, luna::regkey::Reminder, luna::regkey::Display,
                             luna::regkey::Calender};
const char* const kNames[] = {
    luna::regvalue::FontName,     luna::regvalue::FontSize,     luna::regvalue::FontWeight,
    luna::regvalue::Charset,      luna::regvalue::Italic,       luna::regvalue::UnderLine,
    luna::regvalue::FontColor,    luna::regvalue::AutoStart,    luna::regvalue::BackImage,
    luna::regvalue::DisPlayYear,  luna::regvalue::DisPlayStyle, luna::regvalue::DateSeparator,
    luna::regvalue::TimeSparator, luna::regvalue::DaySparator,  luna::regvalue::ReminderExact,
    luna::regvalue::DeskTopStyle};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    luna::MemoryRegistry hkcu;
    std::size_t at = 0;
    // Each entry: key, name, type, length (two bytes), then the data.
    while (at + 5 <= size) {
        const char* key = kKeys[data[at] % 4];
        const char* name = kNames[data[at + 1] % (sizeof kNames / sizeof kNames[0])];
        const std::uint32_t type = data[at + 2] % 5;
        std::size_t length = data[at + 3] | (data[at + 4] & 0x03) << 8;
        at += 5;
        length = std::min(length, size - at);
        hkcu.Put(key, name, type, std::vector<std::uint8_t>(data + at, data + at + length));
        at += length;
    }
    const luna::DisplaySettings settings = luna::LoadDisplaySettings(hkcu);
    FUZZ_CHECK(std::strlen(luna::ReadSeparator(settings.timeSeparator).text) <= 2);
    FUZZ_CHECK(std::strlen(luna::ReadSeparator(settings.dateSeparator).text) <= 2);
    luna::EnsureBackImage(hkcu, "C:\\luna\\lunavis.exe");
    char backImage[luna::kPathCapacity];
    FUZZ_CHECK(luna::ReadRegText(hkcu, luna::regkey::Clock, luna::regvalue::BackImage, backImage));
    for (const char* key : {luna::regkey::Calender, luna::regkey::Clock, luna::regkey::Reminder}) {
        luna::FontRecord font;
        if (luna::ReadRegFont(hkcu, key, luna::ScreenMetrics{}, &font)) {
            FUZZ_CHECK(std::memchr(font.lfFaceName, 0, sizeof font.lfFaceName) != nullptr);
            FUZZ_CHECK(font.lfHeight <= 0);
        }
    }
    FUZZ_CHECK(hkcu.OpenKeyCount() == 0);
    return 0;
}
