// winprobe: looks at and drives Windows programs for the Wine scenarios.
//
//   winprobe COMMAND ARGS...     (winprobe help lists the commands)
//
// Prints its results as UTF-8 on stdout. Exit status 0 when the check held, 1 when it did not
// (no such window, false, time-out), 2 on bad usage.
#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>

#include "tests/tools/shell/win_text.h"
#include "tests/tools/winprobe/logic/probe_args.h"
#include "tests/tools/winprobe/probe.h"

namespace luna::tools {

namespace {

const CommandGroup* const kCommandGroups[] = {
    &kWindowCommands, &kMessageCommands, &kDialogCommands, &kShellCommands, &kInputCommands,
    &kNotifyCommands, &kControlCommands, &kListCommands,   &kMenuCommands,
};

void PrintHelp() {
    PrintLine("usage: winprobe COMMAND ARGS...");
    PrintLine(
        "PATH: Class[Title]/Class/@ControlId, e.g. Shell_TrayWnd/TrayNotifyWnd/TrayClockWClass");
    PrintLine("Arguments of the form %u8:<hex> are UTF-8 bytes in hexadecimal.");
    for (const CommandGroup* group : kCommandGroups) {
        PrintLine(std::string("\n") + group->title + ":");
        for (std::size_t i = 0; i < group->count; ++i) {
            const ProbeCommand& c = group->commands[i];
            PrintLine(std::string("  ") + c.name + " " + c.usage);
            PrintLine(std::string("      ") + c.help);
        }
    }
}

const ProbeCommand* FindCommand(const std::string& name) {
    for (const CommandGroup* group : kCommandGroups) {
        for (std::size_t i = 0; i < group->count; ++i) {
            if (name == group->commands[i].name) {
                return &group->commands[i];
            }
        }
    }
    return nullptr;
}

Args Arguments() {
    Args args;
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; argv && i < count; ++i) {
        args.push_back(DecodeArgument(WideToUtf8(argv[i])));
    }
    LocalFree(argv);
    return args;
}

int Run() {
    // Byte for byte: no CR added before line feeds.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    Args args = Arguments();
    if (args.empty() || args[0] == "help" || args[0] == "--help") {
        PrintHelp();
        return args.empty() ? kExitUsage : kExitOk;
    }
    const ProbeCommand* command = FindCommand(args[0]);
    if (!command) {
        Complain("unknown command " + args[0] + " (winprobe help lists them)");
        return kExitUsage;
    }
    args.erase(args.begin());
    if (args.size() < command->minArgs) {
        Complain(std::string("usage: winprobe ") + command->name + " " + command->usage);
        return kExitUsage;
    }
    return command->run(args);
}

} // namespace

} // namespace luna::tools

int main() {
    return luna::tools::Run();
}
