#include <cstdio>
#include <cstdlib>

#include "tests/tools/shell/logic/utf.h"
#include "tests/tools/shell/win_text.h"
#include "tests/tools/winprobe/logic/probe_args.h"
#include "tests/tools/winprobe/logic/window_path.h"
#include "tests/tools/winprobe/probe.h"

namespace luna::tools {

namespace {

long ControlIdOf(HWND hwnd) {
    return static_cast<long>(GetWindowLongPtrW(hwnd, GWLP_ID));
}

bool Matches(HWND hwnd, const PathElement& element) {
    return ElementMatches(element, ClassOf(hwnd), TitleOf(hwnd), ControlIdOf(hwnd));
}

// Depth first over every window that fits, so "WorkerW/SHELLDLL_DefView" finds the WorkerW
// that holds the view even when an empty one comes first.
HWND Resolve(HWND parent, const std::vector<PathElement>& path, std::size_t index) {
    if (index == path.size()) {
        return parent;
    }
    const PathElement& element = path[index];
    if (element.kind == PathElement::Kind::Handle) {
        HWND hwnd = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(element.handle));
        return IsWindow(hwnd) ? Resolve(hwnd, path, index + 1) : nullptr;
    }
    HWND child = nullptr;
    while ((child = FindWindowExW(index == 0 ? nullptr : parent, child, nullptr, nullptr))) {
        if (Matches(child, element)) {
            if (HWND found = Resolve(child, path, index + 1)) {
                return found;
            }
        }
    }
    return nullptr;
}

} // namespace

std::string HandleText(HWND hwnd) {
    return HexValue(reinterpret_cast<ULONG_PTR>(hwnd));
}

std::string ClassOf(HWND hwnd) {
    wchar_t buffer[256] = {};
    int n = GetClassNameW(hwnd, buffer, 256);
    return WideToUtf8(std::wstring(buffer, n > 0 ? n : 0));
}

std::string TitleOf(HWND hwnd) {
    wchar_t buffer[1024] = {};
    int n = GetWindowTextW(hwnd, buffer, 1024);
    return WideToUtf8(std::wstring(buffer, n > 0 ? n : 0));
}

std::string TextOf(HWND hwnd) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) {
        return TitleOf(hwnd);
    }
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, 2000, &copied)) {
        return TitleOf(hwnd);
    }
    text.resize(copied < length ? copied : length);
    return WideToUtf8(text);
}

std::string Describe(HWND hwnd) {
    char head[160];
    std::snprintf(head, sizeof head, "%s id=%ld class=", HandleText(hwnd).c_str(),
                  ControlIdOf(hwnd));
    return head + ClassOf(hwnd) + " visible=" + (IsWindowVisible(hwnd) ? "1" : "0") +
           " text=" + EscapeLine(TitleOf(hwnd));
}

HWND FindWindowByPath(const std::string& path, bool quiet) {
    std::vector<PathElement> elements;
    std::string error;
    if (!ParseWindowPath(path, elements, error)) {
        // A malformed path is a mistake in the scenario, not a missing window.
        Complain(error);
        std::exit(kExitUsage);
    }
    HWND found = Resolve(nullptr, elements, 0);
    if (!found && !quiet) {
        Complain("no window " + path);
    }
    return found;
}

HWND WaitForWindow(const std::string& path, double seconds, bool gone, bool& reached) {
    DWORD deadline = GetTickCount() + static_cast<DWORD>(seconds * 1000);
    for (;;) {
        HWND hwnd = FindWindowByPath(path, true);
        if ((hwnd != nullptr) != gone) {
            reached = true;
            return hwnd;
        }
        if (static_cast<LONG>(GetTickCount() - deadline) >= 0) {
            reached = false;
            return hwnd;
        }
        Sleep(50);
    }
}

bool IntegerArg(const Args& args, std::size_t index, std::int64_t fallback, std::int64_t& out) {
    if (index >= args.size()) {
        out = fallback;
        return true;
    }
    if (!ParseInteger(args[index], out)) {
        Complain("not a number: " + args[index]);
        return false;
    }
    return true;
}

bool SecondsArg(const Args& args, std::size_t index, double fallback, double& out) {
    if (index >= args.size()) {
        out = fallback;
        return true;
    }
    char* end = nullptr;
    out = std::strtod(args[index].c_str(), &end);
    if (!end || *end != '\0' || out < 0 || out > 3600) {
        Complain("not a time in seconds: " + args[index]);
        return false;
    }
    return true;
}

std::wstring WindowsPath(const std::string& path) {
    if (!path.empty() && path[0] == '/') {
        std::string converted = "Z:" + path;
        for (char& c : converted) {
            if (c == '/') {
                c = '\\';
            }
        }
        return Utf8ToWide(converted);
    }
    return Utf8ToWide(path);
}

} // namespace luna::tools
