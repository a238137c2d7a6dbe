#include "hook/logic/registry_value.h"

#include "shared/memory_registry.h"
#include "shared/registry_layout.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace luna {
namespace {

TEST(ReadRegistryValue, AMissingKeyIsCreatedEmptyAndReadsNothing) {
    MemoryRegistry registry;
    std::uint32_t style = 7;
    EXPECT_EQ(ReadRegistryValue(registry, regkey::Display, regvalue::DeskTopStyle, &style, 4), 0);
    EXPECT_EQ(style, 7u);
    EXPECT_TRUE(registry.HasKey(regkey::Display));
    EXPECT_TRUE(registry.ValueNames(regkey::Display).empty());
    EXPECT_EQ(registry.OpenKeyCount(), 0u);
    // The key now exists, but the value does not.
    EXPECT_EQ(ReadRegistryValue(registry, regkey::Display, regvalue::DeskTopStyle, &style, 4), 0);
    EXPECT_EQ(registry.OpenKeyCount(), 0u);
}

TEST(ReadRegistryValue, NumbersAreReadWhateverTheirType) {
    MemoryRegistry registry;
    registry.PutNumber(regkey::Display, regvalue::DeskTopStyle, 2);
    registry.Put(regkey::Display, regvalue::DeskTopBackColor, kRegBinary, {0x99, 0x66, 0x33, 0});
    std::uint32_t value = 0;
    EXPECT_EQ(ReadRegistryValue(registry, regkey::Display, regvalue::DeskTopStyle, &value, 4), 1);
    EXPECT_EQ(value, 2u);
    EXPECT_EQ(ReadRegistryValue(registry, regkey::Display, regvalue::DeskTopBackColor, &value, 4),
              1);
    EXPECT_EQ(value, 0x336699u);
    registry.Put(regkey::Display, "Big", kRegBinary, std::vector<std::uint8_t>(8, 1));
    EXPECT_EQ(ReadRegistryValue(registry, regkey::Display, "Big", &value, 4), 0); // too large
    registry.DenyAccess(true);
    EXPECT_EQ(ReadRegistryValue(registry, regkey::Display, regvalue::DeskTopStyle, &value, 4), 0);
}

TEST(ReadRegistryValue, TextsStoredWithoutTerminatorComeBackTerminated) {
    MemoryRegistry registry;
    registry.PutText(regkey::Clock, regvalue::BackImage, "C:\\lunavis\\res\\back.bmp");
    char path[260];
    std::memset(path, 'x', sizeof path);
    EXPECT_EQ(ReadRegistryValue(registry, regkey::Clock, regvalue::BackImage, path, 260), 1);
    EXPECT_STREQ(path, "C:\\lunavis\\res\\back.bmp");

    // 259 bytes and the terminator fill the buffer exactly; 260 bytes do not fit.
    registry.PutText(regkey::Clock, regvalue::BackImage, std::string(259, 'a'));
    EXPECT_EQ(ReadRegistryValue(registry, regkey::Clock, regvalue::BackImage, path, 260), 1);
    EXPECT_EQ(std::strlen(path), 259u);
    registry.PutText(regkey::Clock, regvalue::BackImage, std::string(260, 'a'));
    EXPECT_EQ(ReadRegistryValue(registry, regkey::Clock, regvalue::BackImage, path, 260), 0);
    // A stored terminator within the capacity is fine.
    registry.Put(regkey::Clock, regvalue::BackImage, kRegSz,
                 std::vector<std::uint8_t>{'a', 'b', 0});
    EXPECT_EQ(ReadRegistryValue(registry, regkey::Clock, regvalue::BackImage, path, 3), 1);
    EXPECT_STREQ(path, "ab");
}

} // namespace
} // namespace luna
