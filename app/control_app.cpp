#include "app/control_app.h"

#include "app/desktop_windows.h"
#include "app/logic/architecture_check.h"
#include "app/main_dialog.h"
#include "shared/win32/wide_text.h"

namespace luna {
namespace {

constexpr char kMessageCaption[] = "岚溪创作室";

// IsWow64Process is looked up: systems older than XP SP2 do not have it.
bool MayHookThisShell() {
#if defined(_WIN64)
    return MayHookShell(true, false, false);
#else
    using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
    auto isWow64 = reinterpret_cast<IsWow64ProcessFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "IsWow64Process")));
    BOOL under = FALSE;
    const bool known = isWow64 != nullptr && isWow64(GetCurrentProcess(), &under) != FALSE;
    return MayHookShell(false, known, under != FALSE);
#endif
}

} // namespace

bool ControlApp::InitApplication() {
    if (!MayHookThisShell()) {
        MessageBoxGbk(nullptr, Wow64RefusalText(LUNA_VERSION).c_str(), kMessageCaption,
                      MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    if (!instanceEvent_.Create()) {
        MessageBoxA(nullptr, "该程序已经有一个实例在运行", kMessageCaption, MB_OK);
        instanceEvent_.Close();
        return false;
    }
    if (ActiveDesktopIsOn()) {
        MessageBoxA(nullptr, "关闭Desktop选项\nClose The Activate Desktop!", kMessageCaption,
                    MB_OK);
        return false;
    }
    return true;
}

void ControlApp::InitInstance() {
    MainDialog mainDialog(state_, instanceEvent_);
    mainDialog.DoModal();
}

} // namespace luna
