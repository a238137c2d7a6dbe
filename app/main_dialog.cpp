#include "app/main_dialog.h"

#include "app/app_holidays.h"
#include "app/holiday_update.h"

#include "app/settings/about_dialog.h"
#include "app/desktop_windows.h"
#include "app/framework/application.h"
#include "app/logic/system_page_rules.h"
#include "app/res/resource_ids.h"
#include "app/settings/reminder/reminder_page.h"
#include "app/settings/shell_link.h"
#include "app/timed_shutdown.h"
#include "app/tray_icon.h"
#include "shared/win32/debug_log.h"
#include "hook/lunahook.h"
#include "shared/date_param.h"
#include "shared/messages.h"
#include "shared/registry_layout.h"
#include "shared/settings_registry.h"
#include "shared/win32/win_registry.h"
#include "shared/win32/wide_text.h"

namespace luna {
namespace {

// The settings sheet this window owns, when it is open.
HWND OpenSettingsSheet(HWND owner);

} // namespace

namespace {

// lunavis started "as administrator" (to switch autostart) would otherwise never hear the
// shell, which runs at a lower integrity level. Looked up: Windows 7 and later only.
void AcceptFromLowerIntegrity(HWND window, UINT message) {
    using FilterFn = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
    auto filter = reinterpret_cast<FilterFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("user32.dll"), "ChangeWindowMessageFilterEx")));
    constexpr DWORD kAllow = 1; // MSGFLT_ALLOW
    if (filter != nullptr && message != 0) {
        filter(window, message, kAllow, nullptr);
    }
}

} // namespace

const MessageEntry<MessageHandler<MainDialog>> MainDialog::kMessages[] = {
    MapMessage(WM_SYSCOMMAND, &MainDialog::OnSysCommand),
    MapMessage(WM_PAINT, &MainDialog::OnPaint),
    MapMessage(WM_QUERYDRAGICON, &MainDialog::OnQueryDragIcon),
    MapMessage(WM_WINDOWPOSCHANGING, &MainDialog::OnWindowPosChanging),
    MapCommand(IDOK, &MainDialog::OnOpenSettings),
    MapMessage(UM_SHOWMAIN, &MainDialog::OnOpenSettings),
    MapCommand(IDC_MAIN_EXIT, &MainDialog::OnExit),
    MapMessage(UM_EXIT, &MainDialog::OnExit),
    // Esc, the close box and WM_CLOSE: the shell must never stay hooked after we end.
    MapCommand(IDCANCEL, &MainDialog::OnExit),
    MapMessage(WM_ENDSESSION, &MainDialog::OnEndSession),
    MapMessage(UM_HELP, &MainDialog::OnHelp),
    MapMessage(WM_TIMER, &MainDialog::OnTimer),
    MapMessage(UM_TRAYICON, &MainDialog::OnTrayIcon),
    MapMessage(UM_REMINDER, &MainDialog::OnReminder),
    MapMessage(UM_NEWREMINDERON, &MainDialog::OnNewReminderOn),
    MapMessage(UM_HOLIDAYFETCHED, &MainDialog::OnHolidayFetched),
};

MainDialog::MainDialog(ControlState& state, SingleInstanceEvent& instanceEvent)
    : Dialog(IDD_MAIN, nullptr), state_(state), instanceEvent_(instanceEvent),
      icon_(LoadIconA(ApplicationInstance(), MAKEINTRESOURCEA(IDR_MAINFRAME))) {}

bool MainDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    // A registered message has no fixed number for the table.
    if (message == taskbarCreated_ && taskbarCreated_ != 0) {
        OnShellRestarted();
        result = 0;
        return true;
    }
    return DispatchTable(*this, kMessages, message, wParam, lParam, result);
}

BOOL MainDialog::OnInitDialog() {
    // Broadcast to every top-level window whenever the shell starts, after a crash too.
    taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
    AcceptFromLowerIntegrity(Window(), taskbarCreated_);
    AddAboutToSystemMenu();
    SendMessageA(Window(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageA(Window(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));

    WinRegistry currentUser(HKEY_CURRENT_USER);
    state_.settings = LoadDisplaySettings(currentUser);
    state_.desktopListView = FindDesktopListView();
    // A path that does not fit or that GBK cannot hold exactly stays empty: no default
    // path rather than a wrong one.
    char exePath[MAX_PATH + 1] = {};
    ModulePathGbk(nullptr, exePath, MAX_PATH);
    EnsureBackImage(currentUser, exePath);
    state_.pictureFit = ReadPictureFit(currentUser, RegAccess::All);
    state_.textOutline = ReadTextOutline(currentUser, RegAccess::All);

    StartHook(Window());

    // Off the taskbar and off the screen.
    LONG_PTR exStyle = GetWindowLongPtrA(Window(), GWL_EXSTYLE);
    SetWindowLongPtrA(Window(), GWL_EXSTYLE, (exStyle & ~WS_EX_APPWINDOW) | WS_EX_TOOLWINDOW);
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(Window(), &placement);
    placement.showCmd = SW_HIDE;
    SetWindowPlacement(Window(), &placement);

    SendSettingsToShell();
    SetTimer(Window(), kMainTimerId, 1000, nullptr);

    trayIcon_ =
        MakeTrayIconRecord(Window(), LoadIconA(ApplicationInstance(), MAKEINTRESOURCEA(IDI_SHEET)));
    AddTrayIcon(trayIcon_);
    ShowWindow(Window(), SW_HIDE);
    LoadAppHolidays(Window());
    InitHolidayUpdate(Window());
    CheckHolidayUpdate();
    return TRUE;
}

// A new shell has new windows and an empty notification area. The shared record still
// names the dead shell's windows and hooks: StartHook clears them as it does after a
// killed lunavis, then hooks the new shell.
void MainDialog::OnShellRestarted() {
    if (exiting_) {
        return;
    }
    WriteDebugLog("外壳已重新启动(TaskbarCreated),重新勾连");
    state_.desktopListView = FindDesktopListView();
    StartHook(Window());
    SendSettingsToShell();
    if (state_.sheetOpen) {
        PostSheetState(1);
    }
    AddTrayIcon(trayIcon_);
}

void MainDialog::AddAboutToSystemMenu() {
    HMENU systemMenu = GetSystemMenu(Window(), FALSE);
    if (systemMenu == nullptr) {
        return;
    }
    wchar_t text[128] = {};
    LoadStringW(ApplicationInstance(), IDS_ABOUTBOX, text, 128);
    if (text[0] != L'\0') {
        AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(systemMenu, MF_STRING, IDM_ABOUTBOX, text);
    }
}

void MainDialog::SendSettingsToShell() {
    HWND listView = state_.desktopListView;
    SendSettingsCopy(listView, Window(), CD_SETTINGS, kDisplaySettingsSize, &state_.settings);
    const struct {
        const char* key;
        std::uint32_t code;
    } fonts[] = {{regkey::Calender, CD_CALENDARFONT},
                 {regkey::Clock, CD_CLOCKFONT},
                 {regkey::Reminder, CD_REMINDERFONT}};
    for (const auto& font : fonts) {
        FontRecord record;
        if (ReadRegFontFromScreen(font.key, &record)) {
            static_assert(sizeof record == kFontRecordSize, "the font record travels as 60 bytes");
            SendSettingsCopy(listView, Window(), font.code, kFontRecordSize, &record);
        }
    }
}

bool MainDialog::OnSysCommand(WPARAM wParam, LPARAM, LRESULT& result) {
    if ((wParam & 0xFFF0) != IDM_ABOUTBOX) {
        return false;
    }
    ShowAbout();
    result = 0;
    return true;
}

bool MainDialog::OnPaint(WPARAM, LPARAM, LRESULT& result) {
    if (!IsIconic(Window())) {
        return false;
    }
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Window(), &paint);
    SendMessageA(Window(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    GetClientRect(Window(), &client);
    const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, icon_);
    EndPaint(Window(), &paint);
    result = 0;
    return true;
}

bool MainDialog::OnQueryDragIcon(WPARAM, LPARAM, LRESULT& result) {
    result = reinterpret_cast<LRESULT>(icon_);
    return true;
}

bool MainDialog::OnWindowPosChanging(WPARAM, LPARAM lParam, LRESULT&) {
    // The dialog manager shows a modal dialog once its initialisation is done; this
    // window stays hidden for the whole run.
    reinterpret_cast<WINDOWPOS*>(lParam)->flags &= ~SWP_SHOWWINDOW;
    return false;
}

bool MainDialog::OnOpenSettings(WPARAM, LPARAM, LRESULT& result) {
    result = 0;
    // One sheet at a time: a request while it is open brings it forward.
    if (HWND sheet = OpenSettingsSheet(Window())) {
        SetForegroundWindow(sheet);
        return true;
    }
    OpenSettings();
    return true;
}

bool MainDialog::OnExit(WPARAM, LPARAM, LRESULT& result) {
    ExitPath();
    result = 0;
    return true;
}

bool MainDialog::OnEndSession(WPARAM, LPARAM, LRESULT&) {
    ExitPath(); // whatever wParam says
    return false;
}

bool MainDialog::OnHelp(WPARAM, LPARAM, LRESULT& result) {
    ShowAbout();
    result = 0;
    return true;
}

bool MainDialog::OnTimer(WPARAM, LPARAM, LRESULT&) {
    // Whatever the timer: it serves the timed shutdown and the daily holiday check.
    SYSTEMTIME now;
    GetLocalTime(&now);
    if (state_.settings.shutdownArmed != 0) {
        CheckShutdown(shutdown_, state_.settings, Window(), now, &state_.powerOffRefused);
    }
    CheckHolidayUpdate(); // the daily fetch of the holiday data, when it is on
    return false;         // then the default processing
}

bool MainDialog::OnTrayIcon(WPARAM, LPARAM lParam, LRESULT& result) {
    result = OnTrayIconCallback(trayIcon_, state_.desktopListView, state_.sheetOpen, lParam);
    return true;
}

namespace {

struct SheetSearch {
    HWND owner;
    HWND sheet;
};

// A named CALLBACK: a lambda does not convert to the __stdcall WNDENUMPROC of the 32-bit build.
BOOL CALLBACK FindOwnedSheet(HWND window, LPARAM lParam) {
    auto* s = reinterpret_cast<SheetSearch*>(lParam);
    if (GetWindow(window, GW_OWNER) == s->owner &&
        SendMessageA(window, PSM_GETTABCONTROL, 0, 0) != 0) {
        s->sheet = window;
        return FALSE;
    }
    return TRUE;
}

// The settings sheet this window owns, when it is open: the one owned window that answers
// as a property sheet.
HWND OpenSettingsSheet(HWND owner) {
    SheetSearch search{owner, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindOwnedSheet, reinterpret_cast<LPARAM>(&search));
    return search.sheet;
}

constexpr int kReminderPageIndex = 1;
constexpr WPARAM kSheetJustOpened = 1; // our own repost; the clock menu posts 0

} // namespace

// "备忘录(&REMINDER)" of the clock menu: the settings sheet on its reminder page. An open
// sheet comes forward; otherwise the sheet opens, and the request, posted again, turns it
// to the reminder page from inside the sheet's own loop.
bool MainDialog::OnReminder(WPARAM wParam, LPARAM, LRESULT& result) {
    result = 0;
    if (HWND sheet = OpenSettingsSheet(Window())) {
        SetForegroundWindow(sheet);
        SendMessageA(sheet, PSM_SETCURSEL, kReminderPageIndex, 0);
    } else if (wParam != kSheetJustOpened) {
        PostMessageA(Window(), UM_REMINDER, kSheetJustOpened, 0);
        OpenSettings();
    }
    return true;
}

// A day double-clicked on the desktop's month grid: a new reminder on it, on the reminder
// page. An open sheet comes forward on that day; otherwise the sheet opens and the request,
// posted again with lParam kSheetJustOpened, reaches the page from inside the sheet's loop.
// Whatever is not a real date in 1900-2099 is ignored.
bool MainDialog::OnNewReminderOn(WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    CivilDate date{};
    if (!UnpackDateParam(wParam, date)) {
        return true;
    }
    if (HWND sheet = OpenSettingsSheet(Window())) {
        SetForegroundWindow(sheet);
        SendMessageA(sheet, PSM_SETCURSEL, kReminderPageIndex, 0);
        if (auto page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0))) {
            SendMessageA(page, kStartReminderOnMessage, wParam, 0);
        }
    } else if (lParam != static_cast<LPARAM>(kSheetJustOpened)) {
        PostMessageA(Window(), UM_NEWREMINDERON, wParam, static_cast<LPARAM>(kSheetJustOpened));
        OpenSettings();
    }
    return true;
}

void MainDialog::PostSheetState(WPARAM open) {
    // Without a list view there is nobody to tell (a null window would post to ourselves).
    if (state_.desktopListView != nullptr) {
        PostMessageA(state_.desktopListView, UM_SHEETSTATE, open, 0);
    }
}

void MainDialog::OpenSettings() {
    state_.sheetOpen = true;
    PostSheetState(1);
    RunSettingsSheet(
        {Window(), LoadIconA(ApplicationInstance(), MAKEINTRESOURCEA(IDI_SHEET)), state_});
    EndSettingsSheet(state_.registryCleared); // a clearing silences only its own sheet
    PostSheetState(0);
    state_.sheetOpen = false;
}

void MainDialog::ExitPath() {
    if (exiting_) {
        return; // a second request while the first one ends the loop
    }
    exiting_ = true;
    KillTimer(Window(), kMainTimerId);
    StopHolidayUpdate(); // waits a second at most
    EndHook();
    RemoveTrayIcon(Window());
    RedrawWindow(GetDesktopWindow(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_ERASENOW);
    instanceEvent_.Close();
    EndDialog(IDOK);
}

// A fetch of the holiday data ended: what passed is stored; "立即更新" gets its report.
bool MainDialog::OnHolidayFetched(WPARAM, LPARAM lParam, LRESULT& result) {
    result = 0;
    const std::string report = FinishHolidayUpdate(lParam);
    if (!report.empty() && !exiting_) {
        HWND sheet = OpenSettingsSheet(Window());
        MessageBoxGbk(sheet != nullptr ? sheet : Window(), report.c_str(), "lunavis",
                      MB_OK | MB_ICONINFORMATION);
    }
    return true;
}

void MainDialog::ShowAbout() {
    // Owned by the open sheet, which is topmost, the box comes up above it; else by us.
    HWND sheet = OpenSettingsSheet(Window());
    AboutDialog about(sheet != nullptr ? sheet : Window());
    about.DoModal();
}

} // namespace luna
