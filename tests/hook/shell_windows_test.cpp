// The shell window lookups shared by both deliverables.
#include <gtest/gtest.h>

#include "shared/shell_windows.h"
#include "tests/hook/fake_shell.h"

namespace luna::test {
namespace {

auto Finder(FakeShell& shell) {
    return [&shell](WindowHandle parent, WindowHandle after, const char* className) {
        return shell.FindWindowByClass(parent, after, className);
    };
}

TEST(ShellWindows, ActiveDesktopOnlyInsideTheDesktopView) {
    FakeShell classic;
    classic.AddClassicShell();
    EXPECT_FALSE(HasActiveDesktop<WindowHandle>(Finder(classic)));
    classic.Add("Internet Explorer_Server", classic.desktopView);
    EXPECT_TRUE(HasActiveDesktop<WindowHandle>(Finder(classic)));

    FakeShell worker;
    worker.Add("Progman");
    WindowHandle view = worker.Add("SHELLDLL_DefView", worker.Add("WorkerW"));
    worker.Add("Internet Explorer_Server", view);
    EXPECT_TRUE(HasActiveDesktop<WindowHandle>(Finder(worker)));

    // A browser's top-level window of that class is no desktop.
    FakeShell noView;
    noView.Add("Progman");
    noView.Add("Internet Explorer_Server");
    EXPECT_FALSE(HasActiveDesktop<WindowHandle>(Finder(noView)));
}

TEST(ShellWindows, ListViewAndClockLookupsStopAtAMissingParent) {
    FakeShell shell;
    shell.Add("Progman");
    shell.Add("SysListView32");   // top-level, not the desktop's
    shell.Add("TrayClockWClass"); // top-level, no taskbar
    auto find = Finder(shell);
    WindowHandle view = FindDesktopView<WindowHandle>(find).desktopView;
    EXPECT_EQ(nullptr, view);
    EXPECT_EQ(nullptr, FindDesktopListViewIn(view, find));
    EXPECT_EQ(nullptr, FindTaskbarClock<WindowHandle>(find));

    FakeShell classic;
    classic.AddClassicShell();
    EXPECT_EQ(classic.listView,
              FindDesktopListViewIn(FindDesktopView<WindowHandle>(Finder(classic)).desktopView,
                                    Finder(classic)));
    EXPECT_EQ(classic.clock, FindTaskbarClock<WindowHandle>(Finder(classic)));
}

TEST(ShellWindows, ProgmansOwnDesktopViewComesBeforeAnyWorkerWindow) {
    FakeShell shell;
    WindowHandle worker = shell.Add("WorkerW");
    shell.Add("SHELLDLL_DefView", worker);
    WindowHandle progman = shell.Add("Progman");
    WindowHandle own = shell.Add("SHELLDLL_DefView", progman);
    EXPECT_EQ(own, FindDesktopView<WindowHandle>(Finder(shell)).desktopView);
}

TEST(ShellWindows, NoDesktopViewAnywhere) {
    FakeShell shell;
    for (int i = 0; i < 5; ++i) {
        shell.Add("WorkerW");
    }
    DesktopViewWindows<WindowHandle> found = FindDesktopView<WindowHandle>(Finder(shell));
    EXPECT_EQ(nullptr, found.progman);
    EXPECT_EQ(nullptr, found.desktopView);
}

} // namespace
} // namespace luna::test
