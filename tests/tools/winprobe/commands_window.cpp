// Finding windows and reading what they show.
#include <cstdio>

#include "tests/tools/winprobe/probe.h"

namespace luna::tools {

namespace {

int Find(const Args& args) {
    HWND hwnd = FindWindowByPath(args[0]);
    if (!hwnd) {
        return kExitNo;
    }
    PrintLine(HandleText(hwnd));
    return kExitOk;
}

int WaitCommon(const Args& args, bool gone) {
    double seconds = 0;
    if (!SecondsArg(args, 1, 10, seconds)) {
        return kExitUsage;
    }
    bool reached = false;
    HWND hwnd = WaitForWindow(args[0], seconds, gone, reached);
    if (!reached) {
        Complain(std::string(gone ? "still there after " : "no window after ") +
                 std::to_string(seconds) + " s: " + args[0]);
        return kExitNo;
    }
    if (!gone) {
        PrintLine(HandleText(hwnd));
    }
    return kExitOk;
}

int Wait(const Args& args) {
    return WaitCommon(args, false);
}
int WaitGone(const Args& args) {
    return WaitCommon(args, true);
}

int Text(const Args& args) {
    HWND hwnd = FindWindowByPath(args[0]);
    if (!hwnd) {
        return kExitNo;
    }
    PrintLine(TextOf(hwnd));
    return kExitOk;
}

int Class(const Args& args) {
    HWND hwnd = FindWindowByPath(args[0]);
    if (!hwnd) {
        return kExitNo;
    }
    PrintLine(ClassOf(hwnd));
    return kExitOk;
}

int Children(const Args& args) {
    HWND hwnd = FindWindowByPath(args[0]);
    if (!hwnd) {
        return kExitNo;
    }
    for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        PrintLine(Describe(child));
    }
    return kExitOk;
}

int TopLevel(const Args&) {
    for (HWND hwnd = GetTopWindow(nullptr); hwnd; hwnd = GetWindow(hwnd, GW_HWNDNEXT)) {
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        PrintLine(Describe(hwnd) + " pid=" + std::to_string(pid));
    }
    return kExitOk;
}

int Visible(const Args& args) {
    HWND hwnd = FindWindowByPath(args[0]);
    bool visible = hwnd && IsWindowVisible(hwnd);
    PrintLine(visible ? "1" : "0");
    return visible ? kExitOk : kExitNo;
}

int Enabled(const Args& args) {
    HWND hwnd = FindWindowByPath(args[0]);
    bool enabled = hwnd && IsWindowEnabled(hwnd);
    PrintLine(enabled ? "1" : "0");
    return enabled ? kExitOk : kExitNo;
}

int Rect(const Args& args) {
    HWND hwnd = FindWindowByPath(args[0]);
    RECT rc;
    if (!hwnd || !GetWindowRect(hwnd, &rc)) {
        return kExitNo;
    }
    char text[80];
    std::snprintf(text, sizeof text, "%ld %ld %ld %ld", rc.left, rc.top, rc.right, rc.bottom);
    PrintLine(text);
    return kExitOk;
}

int Pid(const Args& args) {
    HWND hwnd = FindWindowByPath(args[0]);
    if (!hwnd) {
        return kExitNo;
    }
    DWORD pid = 0;
    DWORD tid = GetWindowThreadProcessId(hwnd, &pid);
    PrintLine(std::to_string(pid) + " " + std::to_string(tid));
    return kExitOk;
}

const ProbeCommand kCommands[] = {
    {"find", "PATH", "print the window's handle", 1, Find},
    {"wait", "PATH [SECONDS=10]", "wait until the window exists, print its handle", 1, Wait},
    {"wait-gone", "PATH [SECONDS=10]", "wait until no such window exists", 1, WaitGone},
    {"text", "PATH", "print the window's text (WM_GETTEXT)", 1, Text},
    {"class", "PATH", "print the window's class", 1, Class},
    {"children", "PATH", "list the direct children: handle, id, class, visibility, text", 1,
     Children},
    {"toplevel", "", "list the top-level windows in z-order", 0, TopLevel},
    {"visible", "PATH", "print 1 and succeed when the window is visible, else 0", 1, Visible},
    {"enabled", "PATH", "print 1 and succeed when the window is enabled, else 0", 1, Enabled},
    {"rect", "PATH", "print the window rectangle on screen: left top right bottom", 1, Rect},
    {"pid", "PATH", "print the Windows process and thread ids owning the window", 1, Pid},
};

} // namespace

const CommandGroup kWindowCommands = {"Windows", kCommands, sizeof kCommands / sizeof *kCommands};

} // namespace luna::tools
