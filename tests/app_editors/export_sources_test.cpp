#include "app/logic/export_sources.h"

#include <gtest/gtest.h>

#include "shared/rem_files.h"
#include "tests/shared/temp_folder.h"
#include "tests/support/memory_registry.h"

namespace luna {
namespace {

// Without BackImage the festivals lie in the program's res folder, where the festival dialog
// saved them: the export takes them from there too.
TEST(ReminderExport, TakesTheFestivalsFromTheDataFolderWhenBackImageIsUnset) {
    TempFolder temp;
    const std::string program = temp.File("bin") + "\\";
    ASSERT_TRUE(WriteFestivalFile((program + "res\\" + kSolarFileName).c_str(), {" 1 1own"}));
    MemoryRegistry hkcu;
    const ExportSources sources = GatherExportSources({}, hkcu, (program + "lunavis.exe").c_str());
    EXPECT_EQ(sources.solarFestivals, std::vector<std::string>{" 1 1own"});
}

} // namespace
} // namespace luna
