// The hook library's registry reader against arbitrary values of arbitrary types and sizes:
// it never overflows, the path it gives is terminated and fits, and it always agrees with
// what lunavis reads from the same registry (the style the system page shows, the colour,
// whether BackImage is usable).
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "fuzz_check.h"
#include "hook/logic/background_settings.h"
#include "shared/display_settings.h"
#include "tests/support/memory_registry.h"
#include "shared/registry_layout.h"
#include "shared/settings_registry.h"

namespace {

const char* const kKeys[] = {luna::regkey::Clock, luna::regkey::Display};
const char* const kNames[] = {luna::regvalue::DeskTopStyle, luna::regvalue::DeskTopBackColor,
                              luna::regvalue::BackImage};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    luna::MemoryRegistry hkcu;
    std::size_t at = 0;
    // Each entry: key, name, type, length (two bytes), then the data.
    while (at + 5 <= size) {
        const char* key = kKeys[data[at] % 2];
        const char* name = kNames[data[at + 1] % 3];
        const std::uint32_t type = data[at + 2] % 8;
        std::size_t length = data[at + 3] | (data[at + 4] & 0x07) << 8;
        at += 5;
        length = std::min(length, size - at);
        hkcu.Put(key, name, type, std::vector<std::uint8_t>(data + at, data + at + length));
        at += length;
    }
    const luna::BackgroundSettings read = luna::ReadBackgroundSettingsFrom(hkcu);
    FUZZ_CHECK(read.style <= 3);
    FUZZ_CHECK(std::memchr(read.backImage, 0, sizeof read.backImage) != nullptr);
    FUZZ_CHECK(read.hasBackImage || read.backImage[0] == '\0');
    FUZZ_CHECK(hkcu.OpenKeyCount() == 0);

    const luna::DisplaySettings settings = luna::LoadDisplaySettings(hkcu);
    FUZZ_CHECK(read.style == luna::EffectiveDesktopStyle(settings.desktopStyle));
    FUZZ_CHECK(read.backColor == settings.desktopBackColor);
    char path[luna::kPathCapacity];
    const bool settingsPath =
        luna::ReadRegText(hkcu, luna::regkey::Clock, luna::regvalue::BackImage, path);
    FUZZ_CHECK(settingsPath == read.hasBackImage);
    FUZZ_CHECK(!settingsPath || std::strcmp(path, read.backImage) == 0);
    return 0;
}
