#include <gtest/gtest.h>

#include "app/logic/architecture_check.h"

namespace luna {
namespace {

TEST(ArchitectureCheck, OnlyA32BitBuildUnderWow64IsRefused) {
    EXPECT_FALSE(MayHookShell(false, true, true));
    EXPECT_TRUE(MayHookShell(false, true, false));
    EXPECT_TRUE(MayHookShell(false, false, false)); // no IsWow64Process: a 32-bit system
    EXPECT_TRUE(MayHookShell(true, true, false));
    EXPECT_TRUE(MayHookShell(true, false, true));
}

TEST(ArchitectureCheck, RefusalNamesThe64BitPackageInBothLanguages) {
    const std::string text = Wow64RefusalText("1.2.3");
    // The source's Chinese is GBK at run time: "64 位的安装包 lunavis-1.2.3-win64".
    EXPECT_NE(text.find("64 \xCE\xBB\xB5\xC4\xB0\xB2\xD7\xB0\xB0\xFC lunavis-1.2.3-win64"),
              std::string::npos);
    EXPECT_NE(text.find("Please use the 64-bit package lunavis-1.2.3-win64."), std::string::npos);
}

} // namespace
} // namespace luna
