// Open popup menus (window class "#32768"): where they are, what they hold, and choosing an
// item with the keyboard as a user would. Their items are read from inside the process that
// shows them, with menureader.dll (tests/tools/menuprobe): under Wine another process cannot.
#include <cstdio>

#include "tests/tools/menuprobe/menu_reader.h"
#include "tests/tools/winprobe/probe.h"

namespace luna::tools {

namespace {

constexpr char kReplyClass[] = "LunaMenuReaderReply";
constexpr UINT kQueryTimeoutMs = 10000;
constexpr int kMostKeyPresses = 64;

struct MenuItem {
    bool separator = false;
    unsigned id = 0;
    bool grey = false;
    bool isDefault = false;
    bool hilite = false;
    RECT rect{};
    std::string text;
};

BOOL CALLBACK CollectMenuWindow(HWND hwnd, LPARAM found) {
    if (ClassOf(hwnd) == "#32768" && IsWindowVisible(hwnd)) {
        *reinterpret_cast<HWND*>(found) = hwnd;
        return FALSE;
    }
    return TRUE;
}

// The topmost visible popup menu window, or null.
HWND OpenMenuWindow() {
    HWND found = nullptr;
    EnumWindows(CollectMenuWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Polls until a menu is open (or, with `gone`, none is); false when the time is up.
bool WaitForMenu(double seconds, bool gone, HWND& menu) {
    const DWORD deadline = GetTickCount() + static_cast<DWORD>(seconds * 1000);
    for (;;) {
        menu = OpenMenuWindow();
        if ((menu != nullptr) != gone) {
            return true;
        }
        if (static_cast<LONG>(GetTickCount() - deadline) >= 0) {
            return false;
        }
        Sleep(50);
    }
}

LRESULT CALLBACK ReplyProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COPYDATA) {
        auto* cds = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        auto* reply = reinterpret_cast<std::string*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (cds && reply && cds->dwData == kMenuReaderReply) {
            reply->assign(cds->lpData ? static_cast<const char*>(cds->lpData) : "", cds->cbData);
            return 1;
        }
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

std::wstring ReaderPath() {
    wchar_t path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return {};
    }
    std::wstring folder(path, length);
    folder.resize(folder.find_last_of(L"\\/") + 1);
    std::string name = kMenuReaderLibrary;
    return folder + std::wstring(name.begin(), name.end());
}

// Asks the menu's own thread, through a hook of menureader.dll, what the menu holds.
bool QueryMenu(HWND menuWindow, std::string& reply) {
    HMODULE reader = LoadLibraryW(ReaderPath().c_str());
    // Through void (*)(), the one function type every other converts from without warning.
    FARPROC exported = reader ? GetProcAddress(reader, kMenuReaderHookName) : nullptr;
    auto hookProc = reinterpret_cast<HOOKPROC>(reinterpret_cast<void (*)()>(exported));
    if (!hookProc) {
        Complain("cannot load menureader.dll beside winprobe.exe");
        return false;
    }
    const DWORD thread = GetWindowThreadProcessId(menuWindow, nullptr);
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, hookProc, reader, thread);
    if (!hook) {
        Complain("cannot hook the menu's thread");
        return false;
    }
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = ReplyProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kReplyClass;
    RegisterClassExA(&wc);
    HWND window = CreateWindowExA(0, kReplyClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  wc.hInstance, nullptr);
    bool answered = false;
    if (window) {
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&reply));
        DWORD_PTR result = 0;
        answered = SendMessageTimeoutW(menuWindow, RegisterWindowMessageA(kMenuReaderQuery),
                                       reinterpret_cast<WPARAM>(window), 0, SMTO_ABORTIFHUNG,
                                       kQueryTimeoutMs, &result) != 0 &&
                   !reply.empty();
        DestroyWindow(window);
    }
    UnhookWindowsHookEx(hook);
    if (!answered) {
        Complain("the menu's thread did not answer");
    }
    return answered;
}

bool ParseItem(const std::string& line, MenuItem& item) {
    if (line == "sep") {
        item.separator = true;
        return true;
    }
    int grey = 0, isDefault = 0, hilite = 0, consumed = 0;
    long l = 0, t = 0, r = 0, b = 0;
    if (std::sscanf(line.c_str(), "item %u %d %d %d %ld %ld %ld %ld %n", &item.id, &grey,
                    &isDefault, &hilite, &l, &t, &r, &b, &consumed) < 8 ||
        consumed <= 0) {
        return false;
    }
    item.grey = grey != 0;
    item.isDefault = isDefault != 0;
    item.hilite = hilite != 0;
    item.rect = RECT{l, t, r, b};
    item.text = line.substr(static_cast<std::size_t>(consumed));
    return true;
}

bool ReadMenu(HWND menuWindow, std::vector<MenuItem>& items) {
    std::string reply;
    if (!QueryMenu(menuWindow, reply)) {
        return false;
    }
    items.clear();
    std::size_t start = 0;
    while (start < reply.size()) {
        std::size_t end = reply.find('\n', start);
        if (end == std::string::npos) {
            end = reply.size();
        }
        MenuItem item;
        if (!ParseItem(reply.substr(start, end - start), item)) {
            Complain("cannot read the menu: " + reply.substr(start, end - start));
            return false;
        }
        items.push_back(item);
        start = end + 1;
    }
    return true;
}

HWND RequireMenu() {
    HWND menu = OpenMenuWindow();
    if (!menu) {
        Complain("no popup menu is open");
    }
    return menu;
}

void PressKey(HWND menuWindow, WPARAM key) {
    PostMessageW(menuWindow, WM_KEYDOWN, key, 1);
    PostMessageW(menuWindow, WM_KEYUP, key, 0xC0000001);
}

int FindItem(const std::vector<MenuItem>& items, unsigned id) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!items[i].separator && items[i].id == id) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int HilitedItem(const std::vector<MenuItem>& items) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!items[i].separator && items[i].hilite) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// Waits until the highlighted item is another than `before`.
bool WaitForHiliteChange(HWND menuWindow, int before, std::vector<MenuItem>& items) {
    for (int attempt = 0; attempt < 40; ++attempt) {
        Sleep(25);
        if (!ReadMenu(menuWindow, items)) {
            return false;
        }
        if (HilitedItem(items) != before) {
            return true;
        }
    }
    return false;
}

int MenuWait(const Args& args) {
    double seconds = 10;
    if (!SecondsArg(args, 0, 10, seconds)) {
        return kExitUsage;
    }
    HWND menu = nullptr;
    if (!WaitForMenu(seconds, false, menu)) {
        Complain("no popup menu opened in time");
        return kExitNo;
    }
    RECT rc{};
    GetWindowRect(menu, &rc);
    char text[96];
    std::snprintf(text, sizeof text, "%ld %ld %ld %ld", rc.left, rc.top, rc.right, rc.bottom);
    PrintLine(text);
    return kExitOk;
}

int MenuGone(const Args& args) {
    double seconds = 10;
    if (!SecondsArg(args, 0, 10, seconds)) {
        return kExitUsage;
    }
    HWND menu = nullptr;
    if (!WaitForMenu(seconds, true, menu)) {
        Complain("a popup menu is still open");
        return kExitNo;
    }
    return kExitOk;
}

int MenuItems(const Args&) {
    HWND menu = RequireMenu();
    std::vector<MenuItem> items;
    if (!menu || !ReadMenu(menu, items)) {
        return kExitNo;
    }
    for (const MenuItem& item : items) {
        if (item.separator) {
            PrintLine("-");
            continue;
        }
        PrintLine(std::to_string(item.id) + " " + (item.grey ? "grey" : "enabled") +
                  (item.isDefault ? ",default" : "") + " " + item.text);
    }
    return kExitOk;
}

int MenuChoose(const Args& args) {
    std::int64_t id = 0;
    if (!IntegerArg(args, 0, 0, id)) {
        return kExitUsage;
    }
    HWND menu = RequireMenu();
    std::vector<MenuItem> items;
    if (!menu || !ReadMenu(menu, items)) {
        return kExitNo;
    }
    const int target = FindItem(items, static_cast<unsigned>(id));
    if (target < 0) {
        Complain("the menu has no item " + std::to_string(id));
        return kExitNo;
    }
    // Down or up, one item at a time, until the item is highlighted; then Enter.
    for (int presses = 0; presses < kMostKeyPresses; ++presses) {
        const int current = HilitedItem(items);
        if (current == target) {
            PressKey(menu, VK_RETURN);
            return kExitOk;
        }
        PressKey(menu, current < 0 || current < target ? VK_DOWN : VK_UP);
        if (!WaitForHiliteChange(menu, current, items)) {
            Complain("the menu does not follow the keys");
            return kExitNo;
        }
    }
    Complain("item " + std::to_string(id) + " could not be reached");
    return kExitNo;
}

int MenuClose(const Args&) {
    HWND menu = RequireMenu();
    if (!menu) {
        return kExitNo;
    }
    PressKey(menu, VK_ESCAPE);
    return kExitOk;
}

const ProbeCommand kCommands[] = {
    {"menu-wait", "[SECONDS=10]",
     "wait until a popup menu is open; print its window rectangle: left top right bottom", 0,
     MenuWait},
    {"menu-gone", "[SECONDS=10]", "wait until no popup menu is open", 0, MenuGone},
    {"menu-items", "",
     "list the open popup menu: '-' per separator, else ID enabled|grey[,default] TEXT", 0,
     MenuItems},
    {"menu-choose", "ID", "highlight the item with the arrow keys and press Enter, as a user would",
     1, MenuChoose},
    {"menu-close", "", "press Esc in the open popup menu", 0, MenuClose},
};

} // namespace

const CommandGroup kMenuCommands = {"Popup menus", kCommands, sizeof kCommands / sizeof *kCommands};

} // namespace luna::tools
