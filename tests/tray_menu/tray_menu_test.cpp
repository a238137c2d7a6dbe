#include "app/logic/tray_menu.h"

#include <gtest/gtest.h>

#include "shared/clock_menu.h"
#include "shared/messages.h"

namespace luna {
namespace {

constexpr unsigned kWmCommand = 0x0111;

// Every item of the menu, as either Windows family shows it, is carried out: the taskbar's
// numbers go to the taskbar as its own WM_COMMAND, the program's four to the main window
// as the very messages the shell's menu posts.
TEST(TrayMenu, EveryItemOfTheMenuIsCarriedOut) {
    for (bool nt : {true, false}) {
        const ClockMenu menu = ComposeClockMenu(false, nt);
        int taskbar = 0;
        int main = 0;
        for (std::size_t i = 0; i < menu.count; ++i) {
            const ClockMenuEntry& entry = menu.entries[i];
            if (entry.separator) {
                continue;
            }
            const TrayMenuPost post = TrayMenuCommandPost(entry.id);
            if (entry.id >= 400) {
                EXPECT_EQ(post.target, TrayMenuTarget::Taskbar) << entry.id;
                EXPECT_EQ(post.message, kWmCommand) << entry.id;
                EXPECT_EQ(post.wParam, entry.id) << "menu command, notification code 0";
                ++taskbar;
            } else {
                EXPECT_EQ(post.target, TrayMenuTarget::MainWindow) << entry.id;
                EXPECT_EQ(post.wParam, 0u) << entry.id;
                ++main;
            }
        }
        EXPECT_EQ(taskbar, nt ? 7 : 6);
        EXPECT_EQ(main, 4);
    }
}

TEST(TrayMenu, ProgramItemsPostTheirPrivateMessages) {
    const struct {
        unsigned id;
        unsigned message;
    } cases[] = {
        {kMenuReminder, UM_REMINDER},
        {kMenuShowMain, UM_SHOWMAIN},
        {kMenuHelp, UM_HELP},
        {kMenuExit, UM_EXIT},
    };
    for (const auto& c : cases) {
        const TrayMenuPost post = TrayMenuCommandPost(c.id);
        EXPECT_EQ(post.target, TrayMenuTarget::MainWindow) << c.id;
        EXPECT_EQ(post.message, c.message) << c.id;
    }
}

// A dismissed menu (0) and ids that are not the menu's post nothing: the main dialog's own
// buttons (1, 2, 1003) must never be pressed from here.
TEST(TrayMenu, DismissedOrForeignIdsPostNothing) {
    for (unsigned id : {0u, 1u, 2u, 99u, 104u, 400u, 406u, 1003u, 0x10000u + 415u}) {
        EXPECT_EQ(TrayMenuCommandPost(id).target, TrayMenuTarget::None) << id;
    }
}

} // namespace
} // namespace luna
