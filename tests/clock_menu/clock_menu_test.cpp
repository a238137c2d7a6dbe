#include "shared/clock_menu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shared/messages.h"

namespace luna {
namespace {

// One line per entry: "id text" or "-" for a separator, "(grey)" appended when greyed.
std::vector<std::string> Lines(const ClockMenu& menu) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < menu.count; ++i) {
        const ClockMenuEntry& e = menu.entries[i];
        if (e.separator) {
            lines.push_back("-");
            continue;
        }
        lines.push_back(std::to_string(e.id) + " " + e.text + (e.grayed ? " (grey)" : ""));
    }
    return lines;
}

const std::vector<std::string> kNtMenu = {
    "408 调整日期/时间(&ADJUST)",
    "-",
    "403 层叠窗口(&LAYER)",
    "404 横向平铺窗口(&VERTICAL)",
    "405 纵向平铺窗口(H&ORIZON)",
    "-",
    "415 最小化所有窗口(MI&N)",
    "-",
    "420 任务管理器(MANAGE&R)...",
    "-",
    "413 任务栏属性(&TASK)...",
    "-",
    "100 备忘录(&REMINDER)",
    "-",
    "101 显示主窗口(&MainWindow)",
    "102 帮助(&HELP)",
    "103 退出(&EXIT)",
};

TEST(ClockMenu, NtFamilyMenuHasEveryItemInOrder) {
    const ClockMenu menu = ComposeClockMenu(false, true);
    EXPECT_EQ(Lines(menu), kNtMenu);
    EXPECT_EQ(menu.count, kClockMenuCapacity);
    EXPECT_EQ(menu.defaultId, kMenuShowMain);
}

TEST(ClockMenu, NineXFamilyLosesTaskManagerAndOneSeparator) {
    std::vector<std::string> expected = kNtMenu;
    expected.erase(expected.begin() + 8, expected.begin() + 10);
    const ClockMenu menu = ComposeClockMenu(false, false);
    EXPECT_EQ(Lines(menu), expected);
    EXPECT_EQ(menu.defaultId, kMenuShowMain);
}

TEST(ClockMenu, OpenSheetGreysShowMainAndExitOnly) {
    for (bool nt : {true, false}) {
        const ClockMenu menu = ComposeClockMenu(true, nt);
        for (std::size_t i = 0; i < menu.count; ++i) {
            const ClockMenuEntry& e = menu.entries[i];
            const bool expectGrey = !e.separator && (e.id == kMenuShowMain || e.id == kMenuExit);
            EXPECT_EQ(e.grayed, expectGrey) << "entry " << i << " id " << e.id;
        }
        // The default stays the default even while greyed.
        EXPECT_EQ(menu.defaultId, kMenuShowMain);
    }
    // And once the sheet has closed, nothing is grey again.
    const ClockMenu after = ComposeClockMenu(false, true);
    for (std::size_t i = 0; i < after.count; ++i) {
        EXPECT_FALSE(after.entries[i].grayed);
    }
}

TEST(ClockMenu, TextsAreGbkBytes) {
    // "退出" in code page 936: the menu's texts reach Windows as GBK.
    const ClockMenu menu = ComposeClockMenu(false, true);
    const std::string exitText = menu.entries[menu.count - 1].text;
    EXPECT_EQ(exitText, "\xCD\xCB\xB3\xF6(&EXIT)");
}

TEST(ClockMenu, VersionHighBitNamesTheFamily) {
    EXPECT_TRUE(IsNtFamilyVersion(0x23F00206u));  // an NT version word
    EXPECT_TRUE(IsNtFamilyVersion(0x00000004u));  // NT 4 with build 0
    EXPECT_FALSE(IsNtFamilyVersion(0xC0000A04u)); // a 9x version word
    EXPECT_FALSE(IsNtFamilyVersion(0x80000000u));
}

TEST(ClockMenu, EveryItemHasARouteAndTheRoutesAreRight) {
    const ClockMenu menu = ComposeClockMenu(false, true);
    for (std::size_t i = 0; i < menu.count; ++i) {
        const ClockMenuEntry& e = menu.entries[i];
        if (!e.separator) {
            EXPECT_NE(RouteClockCommand(e.id).route, ClockCommandRoute::NotOurs) << e.id;
        }
    }
    const struct {
        unsigned id;
        unsigned message;
    } privateOnes[] = {{100, UM_REMINDER}, {101, UM_SHOWMAIN}, {102, UM_HELP}, {103, UM_EXIT}};
    for (const auto& p : privateOnes) {
        const ClockCommand c = RouteClockCommand(p.id);
        EXPECT_EQ(c.route, ClockCommandRoute::MainWindow) << p.id;
        EXPECT_EQ(c.message, p.message) << p.id;
    }
    for (unsigned id : {403u, 404u, 405u, 408u, 413u, 415u, 420u}) {
        EXPECT_EQ(RouteClockCommand(id).route, ClockCommandRoute::Taskbar) << id;
    }
    for (unsigned id :
         {0u, 1u, 99u, 104u, 402u, 406u, 407u, 409u, 414u, 416u, 419u, 421u, 0x1400u, 0xFFFFu}) {
        EXPECT_EQ(RouteClockCommand(id).route, ClockCommandRoute::NotOurs) << id;
    }
}

} // namespace
} // namespace luna
