// Questions to the stand-in shell (see tests/tools/shell/shell_protocol.h for the exchange).
#include <cctype>

#include "tests/tools/shell/shell_protocol.h"
#include "tests/tools/winprobe/logic/probe_args.h"
#include "tests/tools/winprobe/probe.h"

namespace luna::tools {

namespace {

constexpr char kReplyClass[] = "LunaProbeReply";

LRESULT CALLBACK ReplyProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COPYDATA) {
        auto* cds = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        auto* reply = reinterpret_cast<std::string*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (cds && reply && cds->dwData == kShellReplyCode && cds->lpData) {
            reply->assign(static_cast<const char*>(cds->lpData), cds->cbData);
            return 1;
        }
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

int Shell(const Args& args) {
    // Names such as WM_RBUTTONUP travel as numbers: the shell knows no names.
    std::string request;
    for (const auto& word : args) {
        std::int64_t value = 0;
        bool named = !word.empty() && std::isalpha(static_cast<unsigned char>(word[0])) &&
                     ParseInteger(word, value);
        request += (request.empty() ? "" : " ") + (named ? std::to_string(value) : word);
    }
    if (request.size() > kShellMaxRequest) {
        Complain("request too long");
        return kExitUsage;
    }
    HWND shell = FindWindowA(kShellControlClass, nullptr);
    if (!shell) {
        Complain("the stand-in shell is not running");
        return kExitNo;
    }
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = ReplyProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kReplyClass;
    RegisterClassExA(&wc);
    HWND window = CreateWindowExA(0, kReplyClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  wc.hInstance, nullptr);
    if (!window) {
        Complain("cannot create the reply window");
        return kExitNo;
    }
    std::string reply;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&reply));
    COPYDATASTRUCT cds{};
    cds.dwData = kShellRequestCode;
    cds.cbData = static_cast<DWORD>(request.size());
    cds.lpData = request.data();
    DWORD_PTR known = 0;
    BOOL answered =
        SendMessageTimeoutA(shell, WM_COPYDATA, reinterpret_cast<WPARAM>(window),
                            reinterpret_cast<LPARAM>(&cds), SMTO_ABORTIFHUNG, 10000, &known);
    DestroyWindow(window);
    if (!answered) {
        Complain("the stand-in shell did not answer");
        return kExitNo;
    }
    if (!reply.empty()) {
        Print(reply.back() == '\n' ? reply : reply + "\n");
    }
    if (!known) {
        Complain("the stand-in shell did not understand: " + request);
        return kExitUsage;
    }
    return kExitOk;
}

const ProbeCommand kCommands[] = {
    {"shell", "REQUEST...",
     "ask the stand-in shell: ping | windows | subclassed | procs | module NAME | tray | tip ID | "
     "icon-rect ID | tray-callback ID MOUSEMSG | layout | repaint | quit",
     1, Shell},
};

} // namespace

const CommandGroup kShellCommands = {"Stand-in shell", kCommands,
                                     sizeof kCommands / sizeof *kCommands};

} // namespace luna::tools
