// Dialogs and message boxes: pressing buttons, reading what a message box says.
#include "tests/tools/winprobe/probe.h"

namespace luna::tools {

namespace {

constexpr char kDialogClass[] = "#32770";

// Posted, never sent: a button that opens a modal dialog must not block the probe.
int Click(const Args& args) {
    HWND button = FindWindowByPath(args[0]);
    if (!button) {
        return kExitNo;
    }
    HWND parent = GetParent(button);
    int id = static_cast<int>(GetWindowLongPtrW(button, GWLP_ID));
    if (!parent) {
        Complain(args[0] + " is not a control");
        return kExitUsage;
    }
    return PostMessageW(parent, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                        reinterpret_cast<LPARAM>(button))
               ? kExitOk
               : kExitNo;
}

int Press(const Args& args) {
    HWND button = FindWindowByPath(args[0]);
    if (!button) {
        return kExitNo;
    }
    return PostMessageW(button, BM_CLICK, 0, 0) ? kExitOk : kExitNo;
}

bool IsMessageText(HWND child) {
    if (ClassOf(child) != "Static") {
        return false;
    }
    LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
    return (style & SS_TYPEMASK) != SS_ICON && !TitleOf(child).empty();
}

// The message box (a visible #32770, optionally with this title) nearest the top.
HWND FindMessageBox(const Args& args) {
    for (HWND hwnd = GetTopWindow(nullptr); hwnd; hwnd = GetWindow(hwnd, GW_HWNDNEXT)) {
        if (ClassOf(hwnd) == kDialogClass && IsWindowVisible(hwnd) &&
            (args.empty() || TitleOf(hwnd) == args[0])) {
            return hwnd;
        }
    }
    Complain("no message box" + (args.empty() ? std::string() : " titled " + args[0]));
    return nullptr;
}

int MessageBoxText(const Args& args) {
    HWND box = FindMessageBox(args);
    if (!box) {
        return kExitNo;
    }
    std::string text;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsMessageText(child)) {
            text += (text.empty() ? "" : "\n") + TextOf(child);
        }
    }
    PrintLine(text);
    return kExitOk;
}

int MessageBoxButtons(const Args& args) {
    HWND box = FindMessageBox(args);
    if (!box) {
        return kExitNo;
    }
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) == "Button") {
            PrintLine(Describe(child));
        }
    }
    return kExitOk;
}

const ProbeCommand kCommands[] = {
    {"click", "PATH",
     "post WM_COMMAND/BN_CLICKED for the control at PATH to its parent, e.g. '#32770["
     u8"关于"
     "]/@1'",
     1, Click},
    {"press", "PATH", "post BM_CLICK to the button at PATH", 1, Press},
    {"msgbox", "[TITLE]", "print the text of the topmost visible message box", 0, MessageBoxText},
    {"msgbox-buttons", "[TITLE]", "list the buttons of the topmost visible message box", 0,
     MessageBoxButtons},
};

} // namespace

const CommandGroup kDialogCommands = {"Dialogs", kCommands, sizeof kCommands / sizeof *kCommands};

} // namespace luna::tools
