#include "hook/logic/background_settings.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/logic/system_page_rules.h"
#include "tests/support/memory_registry.h"
#include "shared/settings_registry.h"

namespace luna {
namespace {

using Bytes = std::vector<std::uint8_t>;

// What the system page shows for the registry: its style button and the colour it keeps.
std::uint32_t PageStyle(MemoryRegistry& registry) {
    return static_cast<std::uint32_t>(
        SystemControlsFromSettings(LoadDisplaySettings(registry)).style);
}

// Whatever a damaged or hand-edited registry holds, the desktop draws the style the system
// page shows, with the colour lunavis loads.
TEST(BackgroundSettings, TheDesktopReadsWhatTheSettingsRead) {
    struct Case {
        const char* what;
        std::uint32_t type;
        Bytes style;
        std::uint32_t drawn;
    } const cases[] = {
        {"a proper DWORD", kRegDword, {2, 0, 0, 0}, 2},
        {"the text \"2\"", kRegSz, {'2'}, 0},
        {"three binary bytes", kRegBinary, {2, 0, 0}, 0},
        {"four binary bytes", kRegBinary, {2, 0, 0, 0}, 0},
        {"an unknown style", kRegDword, {0xFF, 0xFF, 0xFF, 0xFF}, 0},
        {"eight bytes", kRegDword, Bytes(8, 1), 0},
    };
    for (const Case& c : cases) {
        MemoryRegistry registry;
        registry.Put(regkey::Display, regvalue::DeskTopStyle, c.type, c.style);
        registry.Put(regkey::Display, regvalue::DeskTopBackColor, kRegBinary, {0x99, 0x66, 0x33});
        const BackgroundSettings read = ReadBackgroundSettingsFrom(registry);
        EXPECT_EQ(read.style, c.drawn) << c.what;
        EXPECT_EQ(read.style, PageStyle(registry)) << c.what;
        EXPECT_EQ(read.backColor, LoadDisplaySettings(registry).desktopBackColor) << c.what;
        EXPECT_EQ(read.backColor, 0u) << c.what; // 3 bytes are refused: the default
        EXPECT_EQ(registry.OpenKeyCount(), 0u);
    }
}

TEST(BackgroundSettings, BackImageIsATextThatFitsOrNothing) {
    MemoryRegistry registry;
    BackgroundSettings read = ReadBackgroundSettingsFrom(registry);
    EXPECT_FALSE(read.hasBackImage);
    EXPECT_TRUE(registry.HasKey(regkey::Clock)); // created empty, as lunavis does
    registry.PutText(regkey::Clock, regvalue::BackImage, std::string(259, 'a'));
    read = ReadBackgroundSettingsFrom(registry);
    EXPECT_TRUE(read.hasBackImage);
    EXPECT_EQ(std::strlen(read.backImage), 259u);
    for (const Bytes& refused : {Bytes(260, 'a'), Bytes{'C', ':', '\\'}}) {
        registry.Put(regkey::Clock, regvalue::BackImage,
                     refused.size() == 260 ? kRegSz : kRegExpandSz, refused);
        read = ReadBackgroundSettingsFrom(registry);
        EXPECT_FALSE(read.hasBackImage);
        EXPECT_STREQ(read.backImage, "");
        char settingsPath[kPathCapacity];
        EXPECT_FALSE(ReadRegText(registry, regkey::Clock, regvalue::BackImage, settingsPath));
    }
}

} // namespace
} // namespace luna
