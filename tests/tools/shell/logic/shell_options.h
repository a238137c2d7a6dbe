// Command-line options of the stand-in shell.
#pragma once

#include <string>
#include <vector>

namespace luna::tools {

struct ShellOptions {
    bool defView = true;        // SHELLDLL_DefView under the desktop
    bool listView = true;       // SysListView32 under SHELLDLL_DefView
    bool clock = true;          // TrayClockWClass under TrayNotifyWnd
    bool activeDesktop = false; // an "Internet Explorer_Server" child of SHELLDLL_DefView
    bool workerW = false;       // SHELLDLL_DefView under a top-level WorkerW, not under Progman
    bool oneThread = false;     // desktop and taskbar on one thread (default: one thread each)
    bool win11Layout = false;   // Windows 11 24H2: the wallpaper WorkerW is a child of Progman
    bool otherTool = false;     // subclass the view windows ourselves once lunavis has
    bool wideItem = false;      // a desktop item whose name lies outside code page 936
    std::string logPath;        // UTF-8 event log; none when empty
};

// Parses the arguments after the program name. On failure returns false and says why.
bool ParseShellOptions(const std::vector<std::string>& args, ShellOptions& out, std::string& error);

// The words of a request, split at runs of blanks.
std::vector<std::string> SplitWords(const std::string& text);

} // namespace luna::tools
