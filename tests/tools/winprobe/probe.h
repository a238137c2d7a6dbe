// winprobe's building blocks: the command table and the helpers every command group uses.
//
// To add commands, write a new commands_<group>.cpp that defines a CommandGroup, declare it
// below and list it in kCommandGroups (main.cpp).
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace luna::tools {

// Exit codes: the check held / it did not (not found, false, timed out) / bad usage.
constexpr int kExitOk = 0;
constexpr int kExitNo = 1;
constexpr int kExitUsage = 2;

using Args = std::vector<std::string>; // UTF-8, after the command name

struct ProbeCommand {
    const char* name;
    const char* usage; // arguments, e.g. "PATH [SECONDS]"
    const char* help;  // one line
    std::size_t minArgs;
    int (*run)(const Args& args);
};

struct CommandGroup {
    const char* title;
    const ProbeCommand* commands;
    std::size_t count;
};

extern const CommandGroup kWindowCommands;
extern const CommandGroup kMessageCommands;
extern const CommandGroup kDialogCommands;
extern const CommandGroup kShellCommands;
extern const CommandGroup kInputCommands;
extern const CommandGroup kNotifyCommands;
extern const CommandGroup kMenuCommands;
extern const CommandGroup kControlCommands;
extern const CommandGroup kListCommands;

// Output: UTF-8 to stdout, byte for byte; diagnostics to stderr.
void Print(const std::string& text);
void PrintLine(const std::string& text);
void Complain(const std::string& text);

// Window lookup (window_lookup.cpp). Returns nullptr, after saying why on stderr when
// `quiet` is false, if no window fits.
HWND FindWindowByPath(const std::string& path, bool quiet = false);
// Polls until the window exists (or, with `gone`, no longer exists) or the time is up.
HWND WaitForWindow(const std::string& path, double seconds, bool gone, bool& reached);
std::string ClassOf(HWND hwnd);
std::string TitleOf(HWND hwnd);  // without sending messages
std::string TextOf(HWND hwnd);   // WM_GETTEXT, falling back to the title
std::string Describe(HWND hwnd); // "0x... id=.. class=.. visible=.. text=.."
std::string HandleText(HWND hwnd);

// Arguments.
bool IntegerArg(const Args& args, std::size_t index, std::int64_t fallback, std::int64_t& out);
bool SecondsArg(const Args& args, std::size_t index, double fallback, double& out);
// A Unix path (/...) becomes its Z: form; anything else is taken as a Windows path.
std::wstring WindowsPath(const std::string& path);

} // namespace luna::tools
