// Controls as a user works them: check boxes, edit boxes, list and combo boxes, the pages
// of a property sheet, and the common dialogs a program opens (found through their owner).
#include <windows.h>

#include <commctrl.h>

#include "tests/tools/shell/win_text.h"
#include "tests/tools/winprobe/probe.h"

namespace luna::tools {

namespace {

constexpr UINT kTimeoutMs = 10000;

// Waits for the answer even while the program is slow to take messages (a loaded machine):
// giving up early would lose a keystroke or a click the scenario relies on.
bool SendWithin(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result = nullptr) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(hwnd, msg, wParam, lParam, SMTO_NORMAL, kTimeoutMs, &answer)) {
        Complain("no answer within the time-out");
        return false;
    }
    if (result) {
        *result = static_cast<LRESULT>(answer);
    }
    return true;
}

bool IsClass(HWND hwnd, const char* name) {
    return lstrcmpiA(ClassOf(hwnd).c_str(), name) == 0;
}

// Tells the control's parent what a user's choice would have told it.
bool NotifyParent(HWND control, WORD code) {
    HWND parent = GetParent(control);
    const int id = static_cast<int>(GetWindowLongPtrW(control, GWLP_ID));
    return parent &&
           SendWithin(parent, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
}

int Checked(const Args& args) {
    HWND button = FindWindowByPath(args[0]);
    LRESULT state = 0;
    if (!button || !SendWithin(button, BM_GETCHECK, 0, 0, &state)) {
        return kExitNo;
    }
    PrintLine(std::to_string(state));
    return state == BST_CHECKED ? kExitOk : kExitNo;
}

int SetText(const Args& args) {
    HWND hwnd = FindWindowByPath(args[0]);
    const std::wstring text = Utf8ToWide(args[1]);
    return hwnd && SendWithin(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()))
               ? kExitOk
               : kExitNo;
}

// One WM_CHAR per character, as the keyboard would give them; the control decides what it
// takes (its limit, for one).
int Type(const Args& args) {
    HWND hwnd = FindWindowByPath(args[0]);
    if (!hwnd) {
        return kExitNo;
    }
    for (wchar_t c : Utf8ToWide(args[1])) {
        if (!SendWithin(hwnd, WM_CHAR, c, 1)) {
            return kExitNo;
        }
    }
    return kExitOk;
}

int Select(const Args& args) {
    std::int64_t index = 0;
    if (!IntegerArg(args, 1, 0, index)) {
        return kExitUsage;
    }
    HWND hwnd = FindWindowByPath(args[0]);
    if (!hwnd) {
        return kExitNo;
    }
    const bool combo = IsClass(hwnd, "ComboBox");
    LRESULT result = 0;
    if (!SendWithin(hwnd, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(index), 0,
                    &result) ||
        result < 0) {
        Complain("no entry " + std::to_string(index));
        return kExitNo;
    }
    return NotifyParent(hwnd, combo ? CBN_SELCHANGE : LBN_SELCHANGE) ? kExitOk : kExitNo;
}

int SelectString(const Args& args) {
    HWND hwnd = FindWindowByPath(args[0]);
    if (!hwnd) {
        return kExitNo;
    }
    const bool combo = IsClass(hwnd, "ComboBox");
    const std::wstring text = Utf8ToWide(args[1]);
    LRESULT index = 0;
    if (!SendWithin(hwnd, combo ? CB_FINDSTRINGEXACT : LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                    reinterpret_cast<LPARAM>(text.c_str()), &index) ||
        index < 0) {
        Complain("no entry " + args[1]);
        return kExitNo;
    }
    if (!SendWithin(hwnd, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(index), 0)) {
        return kExitNo;
    }
    return NotifyParent(hwnd, combo ? CBN_SELCHANGE : LBN_SELCHANGE) ? kExitOk : kExitNo;
}

int Selected(const Args& args) {
    HWND hwnd = FindWindowByPath(args[0]);
    if (!hwnd) {
        return kExitNo;
    }
    const bool combo = IsClass(hwnd, "ComboBox");
    LRESULT index = 0;
    if (!SendWithin(hwnd, combo ? CB_GETCURSEL : LB_GETCURSEL, 0, 0, &index)) {
        return kExitNo;
    }
    std::wstring text;
    LRESULT length = 0;
    if (index >= 0 &&
        SendWithin(hwnd, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, index, 0, &length) &&
        length >= 0 && length < 4096) {
        text.assign(static_cast<std::size_t>(length) + 1, L'\0');
        SendWithin(hwnd, combo ? CB_GETLBTEXT : LB_GETTEXT, index,
                   reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(length));
    }
    PrintLine(std::to_string(index) + " " + WideToUtf8(text));
    return index >= 0 ? kExitOk : kExitNo;
}

int SheetPage(const Args& args) {
    std::int64_t index = 0;
    if (!IntegerArg(args, 1, 0, index)) {
        return kExitUsage;
    }
    HWND sheet = FindWindowByPath(args[0]);
    LRESULT result = 0;
    if (!sheet || !SendWithin(sheet, PSM_SETCURSEL, static_cast<WPARAM>(index), 0, &result)) {
        return kExitNo;
    }
    return result ? kExitOk : kExitNo;
}

// A visible, enabled top-level window that `owner` owns: the dialog it runs modally.
HWND OwnedWindow(HWND owner) {
    for (HWND hwnd = GetTopWindow(nullptr); hwnd; hwnd = GetWindow(hwnd, GW_HWNDNEXT)) {
        if (hwnd != owner && GetWindow(hwnd, GW_OWNER) == owner && IsWindowVisible(hwnd) &&
            IsWindowEnabled(hwnd)) {
            return hwnd;
        }
    }
    return nullptr;
}

int WaitOwned(const Args& args) {
    double seconds = 10;
    if (!SecondsArg(args, 1, 10, seconds)) {
        return kExitUsage;
    }
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
    do {
        if (HWND owner = FindWindowByPath(args[0], true)) {
            if (HWND owned = OwnedWindow(owner)) {
                PrintLine(Describe(owned));
                return kExitOk;
            }
        }
        Sleep(100);
    } while (GetTickCount64() < deadline);
    Complain("no window owned by " + args[0]);
    return kExitNo;
}

int Styles(const Args& args) {
    HWND hwnd = FindWindowByPath(args[0]);
    if (!hwnd) {
        return kExitNo;
    }
    char line[64];
    wsprintfA(line, "style=0x%08X exstyle=0x%08X",
              static_cast<unsigned>(GetWindowLongPtrW(hwnd, GWL_STYLE)),
              static_cast<unsigned>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE)));
    PrintLine(line);
    return kExitOk;
}

const ProbeCommand kCommands[] = {
    {"checked", "PATH", "print the button's check state (0, 1, 2); succeed when ticked", 1,
     Checked},
    {"set-text", "PATH TEXT", "send WM_SETTEXT (as a program sets a control's text)", 2, SetText},
    {"type", "PATH TEXT", "send WM_CHAR for each character of TEXT, as typing would", 2, Type},
    {"select", "PATH INDEX",
     "select an entry of a list or combo box and tell its parent (LBN_ or CBN_SELCHANGE)", 2,
     Select},
    {"select-string", "PATH TEXT",
     "select the entry with exactly this text in a list or combo box and tell its parent", 2,
     SelectString},
    {"selected", "PATH", "print the selected index and its text of a list or combo box", 1,
     Selected},
    {"sheet-page", "SHEETPATH INDEX", "select a page of a property sheet (PSM_SETCURSEL)", 2,
     SheetPage},
    {"styles", "PATH", "print the window's style and extended style in hexadecimal", 1, Styles},
    {"wait-owned", "PATH [SECONDS=10]",
     "wait for a visible, enabled window owned by PATH (a modal dialog it opened), describe it", 1,
     WaitOwned},
};

} // namespace

const CommandGroup kControlCommands = {"Controls", kCommands, sizeof kCommands / sizeof *kCommands};

} // namespace luna::tools
