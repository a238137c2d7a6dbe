// StartHook and EndHook against a scripted shell: the order of lookups, hooks and log
// lines, the clean-up on every failure path, and a start after a run that never ended.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "tests/hook/fake_shell.h"

namespace luna::test {
namespace {

using Lines = std::vector<std::string>;

// The subclasses' restore: each clears its own window field before EndHook goes on.
void RestoreLikeSubclasses(FakeShell& shell, SharedHookState& state) {
    shell.onExit = [&state](WindowHandle window) {
        for (WindowHandle* field : {&state.m_hDeskWnd, &state.m_hViewWnd, &state.m_hClockWnd}) {
            if (*field == window) {
                *field = nullptr;
            }
        }
    };
}

TEST(StartHook, ClassicShellHooksAllThreeWindowsInOrder) {
    FakeShell shell;
    shell.AddClassicShell();
    SharedHookState state{};
    ASSERT_EQ(1, RunStartHook(state, Window(0x999), shell));

    EXPECT_EQ(
        (Lines{"桌面窗口已经找到:110", "桌面钩子函数勾连成功,返回钩子:A000",
               "钩子函数勾连前的桌面句柄:110,返回钩子:A000", "视图窗口已经找到:120",
               "视图钩子函数勾连成功,返回钩子:B000", "钩子函数勾连前的视图句柄:120,返回钩子:B000",
               "时钟窗口已经找到:150", "时钟钩子函数勾连前的时钟句柄:150,返回钩子:C000"}),
        shell.log);
    // Double clicks go onto the list view's class right after its hook, and the taskbar
    // is asked to lay itself out once everything is hooked.
    const Lines& calls = shell.calls;
    auto at = [&calls](const std::string& call) {
        return std::find(calls.begin(), calls.end(), call) - calls.begin();
    };
    EXPECT_EQ(at("hook view 120") + 1, at("dblclks 120"));
    EXPECT_LT(at("hook desktop 110"), at("hook view 120"));
    EXPECT_LT(at("hook view 120"), at("hook clock 150"));
    EXPECT_EQ("post size 130", calls.back());

    EXPECT_EQ(Window(0x999), state.m_hMainWnd);
    EXPECT_EQ(shell.progman, state.m_hProgman);
    EXPECT_EQ(shell.desktopView, state.m_hDeskWnd);
    EXPECT_EQ(shell.listView, state.m_hViewWnd);
    EXPECT_EQ(shell.clock, state.m_hClockWnd);
    EXPECT_EQ(Hook(0xA000), state.m_hDeskHook);
    EXPECT_EQ(Hook(0xB000), state.m_hViewHook);
    EXPECT_EQ(Hook(0xC000), state.m_hClockHook);
    EXPECT_EQ(nullptr, state.m_DeskOldProc); // subclassing happens in the shell, later
}

TEST(StartHook, FindsTheDesktopViewUnderAWorkerWindow) {
    FakeShell shell;
    shell.progman = shell.Add("Progman");
    shell.Add("WorkerW");
    WindowHandle worker = shell.Add("WorkerW");
    shell.desktopView = shell.Add("SHELLDLL_DefView", worker);
    shell.listView = shell.Add("SysListView32", shell.desktopView);
    shell.AddTaskbar();
    SharedHookState state{};
    EXPECT_EQ(1, RunStartHook(state, nullptr, shell));
    EXPECT_EQ(shell.progman, state.m_hProgman);
    EXPECT_EQ(shell.desktopView, state.m_hDeskWnd);
    EXPECT_EQ(shell.listView, state.m_hViewWnd);
}

TEST(StartHook, FailuresLeaveNoHookBehind) {
    struct Case {
        const char* name;
        void (*build)(FakeShell&);
        std::set<HookTarget> failing;
        Lines log;
        Lines unhooked;
    };
    const Case cases[] = {
        {"no desktop view",
         [](FakeShell& s) {
             s.Add("Progman");
             s.AddTaskbar();
         },
         {},
         {"桌面窗口未能找到"},
         {}},
        {"no list view",
         [](FakeShell& s) {
             s.Add("SHELLDLL_DefView", s.Add("Progman"));
             s.AddTaskbar();
         },
         {},
         {"桌面窗口已经找到:110", "桌面钩子函数勾连成功,返回钩子:A000",
          "钩子函数勾连前的桌面句柄:110,返回钩子:A000", "视图窗口未能找到"},
         {"unhook A000"}},
        {"desktop hook refused",
         [](FakeShell& s) { s.AddClassicShell(); },
         {HookTarget::Desktop},
         {"桌面窗口已经找到:110", "\n桌面钩子函数勾连失败\n"},
         {}},
        {"view hook refused",
         [](FakeShell& s) { s.AddClassicShell(); },
         {HookTarget::View},
         {"桌面窗口已经找到:110", "桌面钩子函数勾连成功,返回钩子:A000",
          "钩子函数勾连前的桌面句柄:110,返回钩子:A000", "视图窗口已经找到:120",
          "\n视图钩子函数勾连失败\n"},
         {"unhook A000"}},
        {"clock hook refused",
         [](FakeShell& s) { s.AddClassicShell(); },
         {HookTarget::Clock},
         {"桌面窗口已经找到:110", "桌面钩子函数勾连成功,返回钩子:A000",
          "钩子函数勾连前的桌面句柄:110,返回钩子:A000", "视图窗口已经找到:120",
          "视图钩子函数勾连成功,返回钩子:B000", "钩子函数勾连前的视图句柄:120,返回钩子:B000",
          "时钟窗口已经找到:150", "时钟钩子函数勾连失败"},
         {"unhook A000", "unhook B000"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeShell shell;
        c.build(shell);
        // A refused hook hands out no handle, so the next one keeps its number.
        shell.failingHooks = c.failing;
        SharedHookState state{};
        EXPECT_EQ(0, RunStartHook(state, nullptr, shell));
        EXPECT_EQ(c.log, shell.log);
        Lines unhooked;
        for (const std::string& call : shell.calls) {
            if (call.rfind("unhook", 0) == 0) {
                unhooked.push_back(call);
            }
            EXPECT_NE("post size 130", call);
        }
        EXPECT_EQ(c.unhooked, unhooked);
        EXPECT_EQ(nullptr, state.m_hDeskHook);
        EXPECT_EQ(nullptr, state.m_hViewHook);
        EXPECT_EQ(nullptr, state.m_hClockHook);
    }
}

TEST(StartHook, WithoutATaskbarClockTheDesktopIsStillHooked) {
    FakeShell shell;
    shell.Add("SysListView32", shell.Add("SHELLDLL_DefView", shell.Add("Progman")));
    shell.Add("Shell_TrayWnd"); // a taskbar without a notification area
    // A clock class at the top level is not the taskbar's clock.
    shell.Add("TrayClockWClass");
    SharedHookState state{};
    EXPECT_EQ(1, RunStartHook(state, nullptr, shell));
    EXPECT_EQ("时钟窗口未能找到", shell.log.back());
    EXPECT_EQ(nullptr, state.m_hClockWnd);
    EXPECT_EQ(nullptr, state.m_hClockHook);
    for (const std::string& call : shell.calls) {
        EXPECT_EQ(std::string::npos, call.find("hook clock"));
    }
}

TEST(EndHook, RestoresEveryWindowThenRemovesTheHooks) {
    FakeShell shell;
    shell.AddClassicShell();
    SharedHookState state{};
    RestoreLikeSubclasses(shell, state);
    ASSERT_EQ(1, RunStartHook(state, Window(0x999), shell));
    state.m_DeskOldProc = Proc(0x11);
    state.m_ViewOldProc = Proc(0x22);
    state.m_ClockOldProc = Proc(0x33);
    shell.calls.clear();
    shell.log.clear();

    EXPECT_EQ(1, RunEndHook(state, shell));
    EXPECT_EQ((Lines{"exit 110", "exit 120", "exit 150", "log \n开始卸载钩子“\n", "unhook A000",
                     "log 卸载桌面钩子函数:A000\n", "log 结束桌面时钟2", "unhook B000",
                     "log \n视图卸载钩子函数:B000\n", "unhook C000", "log 卸载时钟钩子函数:C000",
                     "size+repaint 130"}),
              shell.calls);
    SharedHookState cleared{};
    cleared.m_hProgman = shell.progman; // kept for reference
    cleared.m_hMainWnd = Window(0x999); // never cleared
    EXPECT_EQ(0, std::memcmp(&cleared, &state, sizeof state));

    // A second call only tells the windows again (a restored window ignores it).
    shell.calls.clear();
    EXPECT_EQ(1, RunEndHook(state, shell));
    EXPECT_EQ((Lines{"exit 110", "exit 120", "exit 150", "log \n开始卸载钩子“\n"}), shell.calls);
}

// Another process overwrote the shared record: its window fields name nothing, or the
// wrong windows. The shell's windows are still told to restore themselves.
TEST(EndHook, TellsTheShellsWindowsWhateverTheRecordSays) {
    for (std::uintptr_t garbage : {std::uintptr_t{0x41414141}, std::uintptr_t{0x130}}) {
        FakeShell shell;
        shell.AddClassicShell();
        SharedHookState state{};
        ASSERT_EQ(1, RunStartHook(state, Window(0x999), shell));
        state.m_hDeskWnd = state.m_hViewWnd = state.m_hClockWnd = Window(garbage);
        shell.calls.clear();
        RunEndHook(state, shell);
        const Lines exits(shell.calls.begin(), shell.calls.begin() + 3);
        EXPECT_EQ((Lines{"exit 110", "exit 120", "exit 150"}), exits) << garbage;
    }
}

TEST(EndHook, GoneWindowsAndRefusedUnhooksStillEndCleared) {
    FakeShell shell;
    shell.AddClassicShell();
    SharedHookState state{};
    ASSERT_EQ(1, RunStartHook(state, nullptr, shell));
    shell.destroyed.insert(0x110); // the desktop view went away meanwhile
    shell.failingUnhooks = {0xA000, 0xB000, 0xC000};
    shell.calls.clear();

    EXPECT_EQ(1, RunEndHook(state, shell));
    EXPECT_EQ((Lines{"exit 120", "exit 150", "log \n开始卸载钩子“\n", "unhook A000",
                     "log 桌面钩子函数卸载失败!", "unhook B000", "log 视图钩子函数卸载失败!",
                     "unhook C000", "log 时钟钩子函数卸载失败!", "size+repaint 130"}),
              shell.calls);
    EXPECT_FALSE(HasLeftovers(state));
    EXPECT_EQ(nullptr, state.m_hDeskWnd);
    EXPECT_EQ(nullptr, state.m_hViewWnd);
    EXPECT_EQ(nullptr, state.m_hClockWnd);
}

TEST(EndHook, WithoutAClockHookTheTaskbarIsLeftAlone) {
    FakeShell shell;
    shell.Add("SysListView32", shell.Add("SHELLDLL_DefView", shell.Add("Progman")));
    shell.AddTaskbar();
    shell.failingHooks = {HookTarget::Clock};
    SharedHookState state{};
    RunStartHook(state, nullptr, shell); // fails at the clock and removes the others
    shell.calls.clear();
    RunEndHook(state, shell);
    for (const std::string& call : shell.calls) {
        EXPECT_EQ(std::string::npos, call.find("size+repaint"));
    }
}

TEST(StartHook, ARunThatNeverEndedIsUndoneFirst) {
    FakeShell shell;
    shell.AddClassicShell();
    SharedHookState state{};
    RestoreLikeSubclasses(shell, state);
    ASSERT_EQ(1, RunStartHook(state, Window(0x111), shell));
    // The shell subclassed its windows; then lunavis died without EndHook.
    state.m_DeskOldProc = Proc(0x11);
    state.m_ViewOldProc = Proc(0x22);
    state.m_ClockOldProc = Proc(0x33);
    ASSERT_TRUE(HasLeftovers(state));
    shell.calls.clear();
    shell.log.clear();

    ASSERT_EQ(1, RunStartHook(state, Window(0x222), shell));
    const Lines expectedStart = {"exit 110", "exit 120", "exit 150", "log \n开始卸载钩子“\n",
                                 "unhook A000"};
    ASSERT_GE(shell.calls.size(), expectedStart.size());
    EXPECT_TRUE(std::equal(expectedStart.begin(), expectedStart.end(), shell.calls.begin()));
    // Fresh hooks, no saved procedure: the shell subclasses its windows anew.
    EXPECT_EQ(Hook(0xD000), state.m_hDeskHook);
    EXPECT_EQ(nullptr, state.m_DeskOldProc);
    EXPECT_EQ(nullptr, state.m_ViewOldProc);
    EXPECT_EQ(nullptr, state.m_ClockOldProc);
    EXPECT_EQ(Window(0x222), state.m_hMainWnd);
    EXPECT_EQ(shell.listView, state.m_hViewWnd);
}

TEST(StartHook, AWindowRestoredAfterAFailedStartIsSubclassedAgainLater) {
    // The desktop was subclassed in the moment before the view hook failed; EndHook
    // restores it, and the next start must not take the stale procedure for a live one.
    FakeShell shell;
    shell.AddClassicShell();
    shell.failingHooks = {HookTarget::View};
    SharedHookState state{};
    RestoreLikeSubclasses(shell, state);
    ASSERT_EQ(0, RunStartHook(state, nullptr, shell));
    state.m_DeskOldProc = Proc(0x11);
    RunEndHook(state, shell);
    EXPECT_EQ(nullptr, state.m_DeskOldProc);
    EXPECT_FALSE(HasLeftovers(state));
}

} // namespace
} // namespace luna::test
