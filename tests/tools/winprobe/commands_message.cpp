// Sending and posting messages, with numbers or with a WM_COPYDATA payload.
#include "tests/tools/winprobe/logic/probe_args.h"
#include "tests/tools/winprobe/probe.h"

namespace luna::tools {

namespace {

constexpr UINT kSendTimeoutMs = 10000;

bool MessageArgs(const Args& args, UINT& msg, WPARAM& wParam, LPARAM& lParam) {
    std::int64_t m = 0, w = 0, l = 0;
    if (!IntegerArg(args, 1, 0, m) || !IntegerArg(args, 2, 0, w) || !IntegerArg(args, 3, 0, l)) {
        return false;
    }
    msg = static_cast<UINT>(m);
    wParam = static_cast<WPARAM>(w);
    lParam = static_cast<LPARAM>(l);
    return true;
}

int Send(const Args& args) {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    if (!MessageArgs(args, msg, wParam, lParam)) {
        return kExitUsage;
    }
    HWND hwnd = FindWindowByPath(args[0]);
    if (!hwnd) {
        return kExitNo;
    }
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(hwnd, msg, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                             &result)) {
        Complain("no answer within the time-out");
        return kExitNo;
    }
    PrintLine(std::to_string(static_cast<long long>(static_cast<LONG_PTR>(result))));
    return kExitOk;
}

int Post(const Args& args) {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    if (!MessageArgs(args, msg, wParam, lParam)) {
        return kExitUsage;
    }
    HWND hwnd = FindWindowByPath(args[0]);
    if (!hwnd) {
        return kExitNo;
    }
    return PostMessageW(hwnd, msg, wParam, lParam) ? kExitOk : kExitNo;
}

int SendCopyData(const Args& args, const std::vector<std::uint8_t>& payload) {
    std::int64_t code = 0, wParam = 0;
    if (!IntegerArg(args, 1, 0, code) || !IntegerArg(args, 3, 0, wParam)) {
        return kExitUsage;
    }
    HWND hwnd = FindWindowByPath(args[0]);
    if (!hwnd) {
        return kExitNo;
    }
    COPYDATASTRUCT cds{};
    cds.dwData = static_cast<ULONG_PTR>(code);
    cds.cbData = static_cast<DWORD>(payload.size());
    cds.lpData = payload.empty() ? nullptr : const_cast<std::uint8_t*>(payload.data());
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(hwnd, WM_COPYDATA, static_cast<WPARAM>(wParam),
                             reinterpret_cast<LPARAM>(&cds), SMTO_ABORTIFHUNG, kSendTimeoutMs,
                             &result)) {
        Complain("no answer within the time-out");
        return kExitNo;
    }
    PrintLine(std::to_string(static_cast<long long>(static_cast<LONG_PTR>(result))));
    return kExitOk;
}

// Reads at most 16 MB: more than any message payload a test needs.
bool ReadWholeFile(const std::wstring& path, std::vector<std::uint8_t>& out) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    LARGE_INTEGER size{};
    bool ok = GetFileSizeEx(file, &size) && size.QuadPart <= (16 << 20);
    if (ok) {
        out.resize(static_cast<std::size_t>(size.QuadPart));
        DWORD read = 0;
        ok = out.empty() ||
             (ReadFile(file, out.data(), static_cast<DWORD>(out.size()), &read, nullptr) &&
              read == out.size());
    }
    CloseHandle(file);
    return ok;
}

int CopyDataFile(const Args& args) {
    std::vector<std::uint8_t> payload;
    if (!ReadWholeFile(WindowsPath(args[2]), payload)) {
        Complain("cannot read " + args[2]);
        return kExitUsage;
    }
    return SendCopyData(args, payload);
}

int CopyDataHex(const Args& args) {
    std::vector<std::uint8_t> payload;
    if (!ParseHexBytes(args[2], payload)) {
        Complain("not hexadecimal bytes: " + args[2]);
        return kExitUsage;
    }
    return SendCopyData(args, payload);
}

// Starts a program whose path may hold any character (the command line of Wine's loader
// would mangle what the locale cannot spell); its folder is the current directory.
int Start(const Args& args) {
    const std::wstring path = WindowsPath(args[0]);
    std::wstring folder = path.substr(0, path.find_last_of(L'\\') + 1);
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
        Complain("cannot start " + args[0]);
        return kExitNo;
    }
    PrintLine(std::to_string(process.dwProcessId));
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return kExitOk;
}

const ProbeCommand kCommands[] = {
    {"start", "PATH", "start a program (any characters in its path), print its process id", 1,
     Start},
    {"send", "PATH MSG [WPARAM] [LPARAM]",
     "SendMessage (10 s time-out), print the result; numbers or names like WM_COMMAND, UM_EXIT", 2,
     Send},
    {"post", "PATH MSG [WPARAM] [LPARAM]", "PostMessage", 2, Post},
    {"copydata", "PATH CODE FILE [WPARAM]",
     "send WM_COPYDATA with dwData CODE and the file's bytes, print the result", 3, CopyDataFile},
    {"copydata-hex", "PATH CODE HEX [WPARAM]",
     "send WM_COPYDATA with dwData CODE and the given bytes, print the result", 3, CopyDataHex},
};

} // namespace

const CommandGroup kMessageCommands = {"Messages", kCommands, sizeof kCommands / sizeof *kCommands};

} // namespace luna::tools
