#include "tests/support/memory_registry.h"

#include <gtest/gtest.h>

namespace luna {
namespace {

// The in-memory registry stands in for the real one in every settings test, so the
// Windows behaviours those tests rely on are pinned here.
TEST(MemoryRegistry, BehavesAsTheWindowsRegistryDoesForTheSettings) {
    MemoryRegistry reg;
    RegKey key = 0;
    bool created = false;
    ASSERT_TRUE(reg.CreateKey("Software\\A\\B", RegAccess::All, &key, &created));
    EXPECT_TRUE(created);
    reg.CloseKey(key);
    ASSERT_TRUE(reg.CreateKey("software\\a\\b", RegAccess::Query, &key, &created));
    EXPECT_FALSE(created); // names are case-insensitive
    ASSERT_TRUE(reg.SetValue(key, "V", 4, "\x01\x02\x03\x04", 4));
    std::uint8_t small[2];
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    EXPECT_EQ(reg.QueryValue(key, "v", small, sizeof small, &type, &size),
              RegQueryStatus::MoreData);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(reg.QueryValue(key, "w", small, sizeof small, &type, &size),
              RegQueryStatus::NotFound);
    reg.CloseKey(key);

    ASSERT_TRUE(reg.OpenKey("software", RegAccess::All, &key));
    EXPECT_FALSE(reg.DeleteSubKey(key, "a"));   // still has a subkey
    EXPECT_TRUE(reg.DeleteSubKey(key, "A\\b")); // a path below the key deletes its leaf
    EXPECT_TRUE(reg.DeleteSubKey(key, "a"));
    EXPECT_FALSE(reg.DeleteSubKey(key, "a"));
    reg.CloseKey(key);
    EXPECT_FALSE(reg.OpenKey("software\\a", RegAccess::All, &key));
    EXPECT_EQ(reg.KeyPaths(), std::vector<std::string>{"software"});
}

} // namespace
} // namespace luna
