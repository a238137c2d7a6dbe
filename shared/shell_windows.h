// Where the shell keeps the windows that both deliverables look for. Each lookup takes a
// finder with the contract of FindWindowExA: find(parent, after, className) gives the
// next window of that class after `after` (null: the first) among the children of
// `parent` (null: the top-level windows), or null. A lookup whose parent was not found
// stops there instead of searching the top-level windows.
#pragma once

namespace luna {

template <class Handle> struct DesktopViewWindows {
    Handle progman;     // the Progman window, or null
    Handle desktopView; // the SHELLDLL_DefView window, or null
};

// How many top-level WorkerW windows are examined at most.
constexpr int kWorkerWindowLimit = 256;

// The desktop view window: the SHELLDLL_DefView child of Progman or, where Progman has
// none, of one of the top-level WorkerW windows.
template <class Handle, class Finder> DesktopViewWindows<Handle> FindDesktopView(Finder&& find) {
    DesktopViewWindows<Handle> found{nullptr, nullptr};
    found.progman = find(Handle{}, Handle{}, "Progman");
    if (found.progman != nullptr) {
        found.desktopView = find(found.progman, Handle{}, "SHELLDLL_DefView");
    }
    if (found.desktopView != nullptr) {
        return found;
    }
    Handle worker = find(Handle{}, Handle{}, "WorkerW");
    for (int examined = 0; worker != nullptr && examined < kWorkerWindowLimit; ++examined) {
        found.desktopView = find(worker, Handle{}, "SHELLDLL_DefView");
        if (found.desktopView != nullptr) {
            break;
        }
        worker = find(Handle{}, worker, "WorkerW");
    }
    return found;
}

// The desktop icon list view: the SysListView32 child of the desktop view window.
template <class Handle, class Finder>
Handle FindDesktopListViewIn(Handle desktopView, Finder&& find) {
    return desktopView == nullptr ? Handle{} : find(desktopView, Handle{}, "SysListView32");
}

// Active Desktop: an "Internet Explorer_Server" child of the desktop view window.
template <class Handle, class Finder> bool HasActiveDesktop(Finder&& find) {
    Handle view = FindDesktopView<Handle>(find).desktopView;
    return view != nullptr && find(view, Handle{}, "Internet Explorer_Server") != nullptr;
}

// The taskbar clock: Shell_TrayWnd, its child TrayNotifyWnd, that one's TrayClockWClass.
template <class Handle, class Finder> Handle FindTaskbarClock(Finder&& find) {
    Handle tray = find(Handle{}, Handle{}, "Shell_TrayWnd");
    Handle notify = tray == nullptr ? Handle{} : find(tray, Handle{}, "TrayNotifyWnd");
    return notify == nullptr ? Handle{} : find(notify, Handle{}, "TrayClockWClass");
}

} // namespace luna
