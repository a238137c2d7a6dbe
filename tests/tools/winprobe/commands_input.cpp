// Real input, as a user would give it: it goes through the X server to whatever window is
// under the pointer.
#include "tests/tools/winprobe/probe.h"

namespace luna::tools {

namespace {

bool PointArgs(const Args& args, POINT& pt) {
    std::int64_t x = 0, y = 0;
    if (!IntegerArg(args, 0, 0, x) || !IntegerArg(args, 1, 0, y)) {
        return false;
    }
    pt = {static_cast<LONG>(x), static_cast<LONG>(y)};
    return true;
}

void SendButton(DWORD down, DWORD up) {
    INPUT inputs[2] = {};
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = down;
    inputs[1].type = INPUT_MOUSE;
    inputs[1].mi.dwFlags = up;
    SendInput(2, inputs, sizeof(INPUT));
}

int MouseClick(const Args& args) {
    POINT pt;
    if (!PointArgs(args, pt)) {
        return kExitUsage;
    }
    std::string button = args.size() > 2 ? args[2] : "left";
    SetCursorPos(pt.x, pt.y);
    Sleep(50);
    if (button == "left") {
        SendButton(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    } else if (button == "right") {
        SendButton(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    } else if (button == "double") {
        SendButton(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
        SendButton(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    } else {
        Complain("button must be left, right or double");
        return kExitUsage;
    }
    return kExitOk;
}

int MoveCursor(const Args& args) {
    POINT pt;
    if (!PointArgs(args, pt)) {
        return kExitUsage;
    }
    return SetCursorPos(pt.x, pt.y) ? kExitOk : kExitNo;
}

int Cursor(const Args&) {
    POINT pt;
    if (!GetCursorPos(&pt)) {
        return kExitNo;
    }
    PrintLine(std::to_string(pt.x) + " " + std::to_string(pt.y));
    return kExitOk;
}

int Key(const Args& args) {
    std::int64_t vk = 0;
    if (!IntegerArg(args, 0, 0, vk) || vk <= 0 || vk > 0xFE) {
        Complain("a virtual-key code 1..0xFE is needed");
        return kExitUsage;
    }
    INPUT inputs[2] = {};
    inputs[0].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = static_cast<WORD>(vk);
    inputs[1] = inputs[0];
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    return SendInput(2, inputs, sizeof(INPUT)) == 2 ? kExitOk : kExitNo;
}

const ProbeCommand kCommands[] = {
    {"mouse-click", "X Y [left|right|double]", "move the pointer there and click", 2, MouseClick},
    {"move-cursor", "X Y", "move the pointer", 2, MoveCursor},
    {"cursor", "", "print the pointer position", 0, Cursor},
    {"key", "VK", "press and release a key (virtual-key code, e.g. 0x0D for Enter)", 1, Key},
};

} // namespace

const CommandGroup kInputCommands = {"Input", kCommands, sizeof kCommands / sizeof *kCommands};

} // namespace luna::tools
