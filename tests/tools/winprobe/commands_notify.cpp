// A stand-in owner of a notification icon, for testing a shell's notification area.
//
// "notify-owner LOG" runs until it is closed: a hidden top-level window titled
// kOwnerTitle that takes orders by WM_COPYDATA (dwData: 0 add, 1 modify, 2 delete;
// wParam: the icon id; data: the tooltip as UTF-8) and answers with what Shell_NotifyIconA
// returned. It uses the first, 88-byte form of the record, as lunavis does, and appends every
// callback message it receives to LOG as "callback id=.. event=0x.. cursor=X,Y".
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>

#include "shared/messages.h"
#include "tests/tools/shell/win_text.h"
#include "tests/tools/winprobe/probe.h"

namespace luna::tools {

namespace {

constexpr char kOwnerClass[] = "LunaNotifyOwner";
constexpr char kOwnerTitle[] = "LunaNotifyOwner";
constexpr std::size_t kFirstFormTipBytes = 63;

struct OwnerState {
    std::wstring logPath;
    HICON icon = nullptr;
};

void AppendLine(const OwnerState& state, const std::string& line) {
    HANDLE file =
        CreateFileW(state.logPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return;
    }
    std::string text = line + "\n";
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

BOOL Notify(HWND owner, const OwnerState& state, DWORD action, UINT id, const std::string& tip) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = owner;
    data.uID = id;
    if (action == NIM_ADD || action == NIM_MODIFY) {
        data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
        data.uCallbackMessage = UM_TRAYICON;
        data.hIcon = state.icon;
        // The tooltip goes in ANSI (GBK), as a program of this code page sends it, cut to the
        // 63 bytes of the first form's field at a character boundary.
        std::wstring wide = Utf8ToWide(tip);
        int size = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
        std::string ansi(size > 0 ? size : 1, '\0');
        WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, ansi.data(), size, nullptr, nullptr);
        std::size_t cut = 0;
        while (cut < ansi.size() && ansi[cut] != '\0') {
            std::size_t next = cut + (IsDBCSLeadByte(static_cast<BYTE>(ansi[cut])) ? 2 : 1);
            if (next > kFirstFormTipBytes) {
                break;
            }
            cut = next;
        }
        std::memcpy(data.szTip, ansi.data(), cut);
        data.szTip[cut] = '\0';
    }
    return Shell_NotifyIconA(action, &data);
}

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<OwnerState*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!state) {
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    if (msg == WM_COPYDATA) {
        auto* cds = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (!cds || cds->dwData > NIM_DELETE) {
            return 0;
        }
        std::string tip(cds->lpData ? static_cast<const char*>(cds->lpData) : "",
                        cds->lpData ? cds->cbData : 0);
        return Notify(hwnd, *state, static_cast<DWORD>(cds->dwData), static_cast<UINT>(wParam),
                      tip);
    }
    if (msg == UM_TRAYICON) {
        POINT pt{};
        GetCursorPos(&pt);
        char line[128];
        std::snprintf(line, sizeof line, "callback id=%llu event=0x%X cursor=%ld,%ld",
                      static_cast<unsigned long long>(wParam), static_cast<unsigned>(lParam), pt.x,
                      pt.y);
        AppendLine(*state, line);
        return 0;
    }
    if (msg == WM_CLOSE) {
        DestroyWindow(hwnd);
        return 0;
    }
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

int NotifyOwner(const Args& args) {
    OwnerState state;
    state.logPath = WindowsPath(args[0]);
    state.icon = LoadIconA(nullptr, IDI_APPLICATION);
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = OwnerProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kOwnerClass;
    RegisterClassExA(&wc);
    HWND owner = CreateWindowExA(WS_EX_TOOLWINDOW, kOwnerClass, kOwnerTitle, WS_POPUP, 0, 0, 1, 1,
                                 nullptr, nullptr, wc.hInstance, nullptr);
    if (!owner) {
        Complain("cannot create the owner window");
        return kExitNo;
    }
    SetWindowLongPtrA(owner, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&state));
    AppendLine(state, "owner " + HandleText(owner));
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        DispatchMessageA(&msg);
    }
    return kExitOk;
}

const ProbeCommand kCommands[] = {
    {"notify-owner", "LOG",
     "run a hidden window owning notification icons (orders by copydata: 0 add, 1 modify, "
     "2 delete; wParam id; data tip); log its callbacks",
     1, NotifyOwner},
};

} // namespace

const CommandGroup kNotifyCommands = {"Notification icons", kCommands,
                                      sizeof kCommands / sizeof *kCommands};

} // namespace luna::tools
