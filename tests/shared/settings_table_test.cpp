#include "shared/settings_table.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <utility>

#include "tests/support/memory_registry.h"
#include "shared/settings_registry.h"

namespace luna {
namespace {

// Every stored field gets a value of its own, unlike its default and every other field's;
// the record written row by row loads back byte for byte, from as many values as rows.
TEST(SettingsTable, EveryFieldRoundTripsThroughAValueOfItsOwn) {
    const DisplaySettings defaults = DefaultDisplaySettings();
    DisplaySettings written = defaults;
    std::set<std::pair<std::string, std::string>> stored;
    std::uint32_t next = 0x21;
    for (const SettingRow& row : StoredSettings()) {
        if (row.kind == SettingKind::Separator) {
            const char text[] = {static_cast<char>(next), static_cast<char>(next + 1), '\0'};
            SetSettingText(written, row, text);
            EXPECT_STRNE(SettingText(written, row).text, SettingText(defaults, row).text);
        } else {
            SetSettingNumber(written, row, next);
            EXPECT_NE(SettingNumber(written, row), SettingNumber(defaults, row));
        }
        next += 2;
        EXPECT_EQ(FindSetting(row.field), &row);
        EXPECT_TRUE(stored.emplace(row.keyPath, row.valueName).second) << row.field;
    }

    MemoryRegistry hkcu;
    for (const SettingRow& row : StoredSettings()) {
        StoreSetting(hkcu, row, written);
    }
    const DisplaySettings loaded = LoadDisplaySettings(hkcu);
    EXPECT_EQ(std::memcmp(&loaded, &written, sizeof loaded), 0);

    std::size_t values = 0;
    for (const std::string& key : hkcu.KeyPaths()) {
        values += hkcu.ValueNames(key).size();
    }
    EXPECT_EQ(values, stored.size());
}

} // namespace
} // namespace luna

namespace luna {
namespace {

// A value beside the record: what lunavis stores, the shell reads back; a missing or
// refused value is the default (the week numbers stay off).
TEST(SideSettings, StoredValuesReadBackAndAnythingElseIsTheDefault) {
    MemoryRegistry hkcu;
    const SideSettingRow& row = *FindSideSetting("showWeekNumbers");
    EXPECT_EQ(ReadSideSetting(hkcu, row, RegAccess::Query), 0u);
    StoreSideSetting(hkcu, row, 1);
    EXPECT_EQ(ReadSideSetting(hkcu, row, RegAccess::Query), 1u);
    hkcu.PutText(row.keyPath, row.valueName, "1");
    EXPECT_EQ(ReadSideSetting(hkcu, row, RegAccess::Query), 0u);
}

} // namespace
} // namespace luna
