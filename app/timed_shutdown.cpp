#include "app/timed_shutdown.h"

#include "hook/lunahook.h"
#include "shared/messages.h"

namespace luna {

namespace {

// One privilege and its attributes: the record AdjustTokenPrivileges is handed.
static_assert(sizeof(TOKEN_PRIVILEGES) == 16, "one privilege: 16 bytes in both builds");

void EnableShutdownPrivilege() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, &token)) {
        return;
    }
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid);
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    AdjustTokenPrivileges(token, FALSE, &privileges, sizeof privileges, nullptr, nullptr);
    CloseHandle(token);
}

} // namespace

void CheckShutdown(ShutdownTrigger& trigger, const DisplaySettings& settings, HWND mainWindow,
                   const SYSTEMTIME& now, bool* refused) {
    if (!trigger.Tick(settings, now.wHour, now.wMinute)) {
        return;
    }
    KillTimer(mainWindow, kMainTimerId);
    EndHook();
    EnableShutdownPrivilege();
    if (!ExitWindowsEx(EWX_POWEROFF, 0)) {
        *refused = true;
    }
}

} // namespace luna
