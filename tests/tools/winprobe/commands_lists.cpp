// Reading what list boxes, combo boxes and whole grids of controls show, in one call each:
// a scenario checks dozens of cells without starting the probe for every one.
#include <windows.h>

#include "tests/tools/shell/win_text.h"
#include "tests/tools/winprobe/probe.h"

namespace luna::tools {

namespace {

constexpr UINT kTimeoutMs = 10000;
constexpr LRESULT kLongestEntry = 4096;

// Line breaks and tabs inside a text are shown as \r, \n and \t, so one entry is one line.
std::string OneLine(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            out += c;
        }
    }
    return out;
}

bool Ask(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(hwnd, msg, wParam, lParam, SMTO_ABORTIFHUNG, kTimeoutMs, &answer)) {
        Complain("no answer within the time-out");
        return false;
    }
    result = static_cast<LRESULT>(answer);
    return true;
}

int Items(const Args& args) {
    HWND hwnd = FindWindowByPath(args[0]);
    if (!hwnd) {
        return kExitNo;
    }
    const bool combo = lstrcmpiA(ClassOf(hwnd).c_str(), "ComboBox") == 0;
    LRESULT count = 0;
    if (!Ask(hwnd, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0, count) || count < 0) {
        return kExitNo;
    }
    for (LRESULT i = 0; i < count; ++i) {
        LRESULT length = 0;
        if (!Ask(hwnd, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, i, 0, length) || length < 0 ||
            length > kLongestEntry) {
            Complain("entry " + std::to_string(i) + " cannot be read");
            return kExitNo;
        }
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        LRESULT copied = 0;
        if (!Ask(hwnd, combo ? CB_GETLBTEXT : LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()),
                 copied) ||
            copied < 0) {
            return kExitNo;
        }
        text.resize(static_cast<std::size_t>(copied < length ? copied : length));
        PrintLine(OneLine(WideToUtf8(text)));
    }
    return kExitOk;
}

int Texts(const Args& args) {
    std::int64_t first = 0;
    std::int64_t last = 0;
    if (!IntegerArg(args, 1, 0, first) || !IntegerArg(args, 2, 0, last) || last < first ||
        last - first > 1000) {
        return kExitUsage;
    }
    HWND dialog = FindWindowByPath(args[0]);
    if (!dialog) {
        return kExitNo;
    }
    for (std::int64_t id = first; id <= last; ++id) {
        HWND control = GetDlgItem(dialog, static_cast<int>(id));
        if (!control) {
            Complain("no control " + std::to_string(id));
            return kExitNo;
        }
        PrintLine(std::to_string(id) + "\t" + OneLine(TextOf(control)));
    }
    return kExitOk;
}

const ProbeCommand kCommands[] = {
    {"items", "PATH",
     "print every entry of a list or combo box, one a line (\\r, \\n, \\t, \\\\ escaped)", 1,
     Items},
    {"texts", "DIALOGPATH FIRSTID LASTID",
     "print 'id<TAB>text' of the dialog's controls FIRSTID..LASTID (escaped as by items)", 3,
     Texts},
};

} // namespace

const CommandGroup kListCommands = {"Lists and grids", kCommands,
                                    sizeof kCommands / sizeof *kCommands};

} // namespace luna::tools
