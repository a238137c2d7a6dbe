// The desktop icon list view's window procedure while the library is attached: it shows
// the composed picture as its background, takes the control application's fonts and
// settings, runs the one-second tick and restores the list view on UM_EXIT.
#include <windows.h>

#include <commctrl.h>

#include <cstring>

#include "shared/win32/debug_log.h"
#include "hook/desktop/background_build.h"
#include "hook/desktop/calendar_text.h"
#include "hook/desktop/clock_strip.h"
#include "hook/desktop/desktop.h"
#include "hook/desktop/desktop_surfaces.h"
#include "hook/desktop/grid_view.h"
#include "hook/desktop/month_grid.h"
#include "hook/desktop/overlay_fonts.h"
#include "hook/desktop/reminder_panel.h"
#include "hook/desktop/reminders.h"
#include "hook/logic/background_colors.h"
#include "hook/logic/copy_data_action.h"
#include "hook/logic/tick_plan.h"
#include "hook/shared_hook_state.h"
#include "hook/subclass_chain.h"
#include "hook/subclass_procs.h"
#include "shared/messages.h"

namespace {

// The desktop this subclass draws and keeps.
luna::Desktop desktop;

LRESULT PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return luna::PassOn(luna::ViewSubclass(), window, message, wParam, lParam);
}

// Icon labels and the list's own background stay transparent over the picture.
LRESULT OnPaint(HWND window, WPARAM wParam, LPARAM lParam) {
    SendMessageW(window, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(CLR_NONE));
    SendMessageW(window, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(CLR_NONE));
    return PassOn(window, WM_PAINT, wParam, lParam);
}

LRESULT OnEraseBackground(HWND window, WPARAM wParam, LPARAM lParam) {
    if (!desktop.Ready()) {
        return PassOn(window, WM_ERASEBKGND, wParam, lParam);
    }
    luna::CopyPicture(desktop, reinterpret_cast<HDC>(wParam));
    return 1;
}

void ApplySettings(const void* record, bool redraw, const luna::LocalTime& now) {
    luna::DisplaySettings& settings = desktop.settings;
    const std::uint32_t drawnStyle = settings.desktopStyle;
    const std::uint32_t drawnColor = settings.desktopBackColor;
    std::memcpy(&settings, record, sizeof settings);
    luna::ReadWeekNumbers(desktop); // stored beside the record
    if (!redraw) {
        return;
    }
    if (GetTextColor(desktop.gridWork.dc) != settings.calendarColor) {
        SetTextColor(desktop.gridWork.dc, settings.calendarColor);
    }
    if (GetTextColor(desktop.picture.dc) != settings.clockColor) {
        SetTextColor(desktop.picture.dc, settings.clockColor);
    }
    if (luna::BackgroundChanged(drawnStyle, drawnColor, settings.desktopStyle,
                                settings.desktopBackColor)) {
        luna::RebuildBackground(desktop); // the whole overlay with it
        return;
    }
    luna::DrawClockStrip(desktop);
    luna::DrawCalendarText(desktop, now);
    luna::ResetDateKey(desktop.gridDate);
    luna::RefreshMonthGrid(desktop, now, 1);
}

LRESULT OnCopyData(LPARAM lParam) {
    const luna::LocalTime now = luna::CurrentLocalTime();
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (data == nullptr) {
        return 1;
    }
    const luna::CopyDataAction action =
        luna::DecideCopyData(data->dwData, data->cbData, data->lpData != nullptr);
    const auto* font = static_cast<const luna::FontRecord*>(data->lpData);
    switch (action) {
    case luna::CopyDataAction::kCalendarFont:
        if (luna::AdoptOverlayFont(desktop.gridWork.dc, desktop.calendarFont, *font)) {
            luna::ResetDateKey(desktop.gridDate);
            luna::RefreshMonthGrid(desktop, now, 1);
        }
        break;
    case luna::CopyDataAction::kClockFont:
        if (luna::AdoptOverlayFont(desktop.picture.dc, desktop.clockFont, *font)) {
            luna::DrawClockStrip(desktop);
            luna::DrawCalendarText(desktop, now);
        }
        break;
    case luna::CopyDataAction::kReminderFont:
        if (luna::AdoptOverlayFont(desktop.panelWork.dc, desktop.reminderFont, *font)) {
            luna::DrawReminderPanel(desktop);
        }
        break;
    case luna::CopyDataAction::kSettings:
        ApplySettings(data->lpData, true, now);
        break;
    case luna::CopyDataAction::kSettingsQuiet:
        ApplySettings(data->lpData, false, now);
        break;
    case luna::CopyDataAction::kIgnore:
        break;
    }
    return 1;
}

// Redraws what no longer matches the clock.
void RedrawForTime(const luna::LocalTime& now) {
    const luna::TickPlan plan =
        luna::PlanTick(now, desktop.settings.showSeconds != 0, desktop.gridDate, desktop.tick);
    if (plan.dateChanged) {
        luna::DrawClockStrip(desktop);
        luna::DrawCalendarText(desktop, now);
        luna::RefreshMonthGrid(desktop, now, 1);
        if (luna::userLunarReminders[0] != nullptr) {
            luna::DrawReminderPanel(desktop); // the lunar reminders of the new day
        }
    }
    if (plan.drawClock) {
        luna::DrawClockStrip(desktop);
    }
    if (plan.drawCalendarText) {
        luna::DrawCalendarText(desktop, now);
    }
}

// Checks the reminders of every minute that has begun since the last one checked, in
// order. A box runs a modal loop in which further ticks arrive: they redraw, but leave the
// reminders to the loop that is already running (showingReminders), which asks again with
// the time then once the box is closed. So boxes come one after another, in the order their
// minutes began, never one on top of another. The log lines count how often a tick came late for
// second 0 (the minute is still checked) and how often second 0 was sampled twice (it is checked
// once).
void CheckDueMinutes(const luna::LocalTime& now) {
    if (desktop.showingReminders) {
        return;
    }
    if (!desktop.tick.started) {
        luna::WriteDebugLogf("tick: first at %04d-%02d-%02d %02d:%02d:%02d", now.year, now.month,
                             now.day, now.hour, now.minute, now.second);
    }
    desktop.showingReminders = true;
    luna::LocalTime minute{};
    luna::LocalTime first{};
    int checked = 0;
    while (luna::NextDueMinute(desktop.tick, luna::CurrentLocalTime(), minute)) {
        if (checked++ == 0) {
            first = minute;
        }
        luna::CheckReminders(minute);
    }
    desktop.showingReminders = false;
    if (checked > 1 || (checked == 1 && now.second != 0)) {
        luna::WriteDebugLogf("tick: %d minute(s) from %02d:%02d checked at %02d:%02d:%02d", checked,
                             first.hour, first.minute, now.hour, now.minute, now.second);
    } else if (checked == 0 && now.second == 0) {
        luna::WriteDebugLogf("tick: second 0 of %02d:%02d sampled again", now.hour, now.minute);
    }
}

LRESULT OnTick() {
    const luna::LocalTime now = luna::CurrentLocalTime();
    RedrawForTime(now);
    luna::CheckGridIdle(desktop, now);
    CheckDueMinutes(now);
    return 0;
}

// The clock was set, or the machine woke up: everything is drawn afresh at once. The
// reminders that fell due today in the meantime follow from a tick posted here, so that
// their boxes never hold up whoever sent the broadcast.
void OnTimeChanged(HWND window, const char* why) {
    const luna::LocalTime now = luna::CurrentLocalTime();
    luna::WriteDebugLogf("%s: redrawn for %04d-%02d-%02d %02d:%02d:%02d", why, now.year, now.month,
                         now.day, now.hour, now.minute, now.second);
    luna::ForgetDrawnTexts(desktop.tick);
    luna::ResetDateKey(desktop.gridDate);
    RedrawForTime(now);
    PostMessageW(window, WM_TIMER, luna::kViewTimerId, 0);
}

bool IsResume(WPARAM event) {
    return event == PBT_APMRESUMEAUTOMATIC || event == PBT_APMRESUMESUSPEND ||
           event == PBT_APMRESUMECRITICAL;
}

// Frees everything the attachment made and takes our procedure out of the list view's
// chain (or leaves it there as a pass-through, see RestoreSubclass).
LRESULT DetachView(HWND window) {
    luna::SharedHookState& state = luna::SharedState();
    luna::LocalSubclass& record = luna::ViewSubclass();
    luna::WriteDebugLogf("listview  prevwndproc handle:%" PRIXPTR,
                         luna::HandleBits(record.previous));
    luna::WriteDebugLog("结束视图勾连");
    KillTimer(window, luna::kViewTimerId);
    luna::FreeReminderCopies();
    luna::ReleaseGridView(desktop, window);
    luna::ReleaseSurfaces(desktop);
    luna::ReleaseOverlayFonts(desktop);
    desktop.sheetOpen = 0;
    // Cleared before the restore, so the hook procedure can no longer match the window.
    state.m_hViewWnd = nullptr;
    if (luna::RestoreSubclass(record)) {
        luna::WriteDebugLog("恢复视图进程");
    } else {
        luna::WriteDebugLog("视图窗口过程留作转发");
    }
    return 1;
}

// The shell resizes the desktop's windows when the screen changes (a new resolution, a
// monitor docked or undocked) or the taskbar moves: the list view then gets WM_SIZE. The
// surfaces follow the new screen at once.
LRESULT OnScreenChange(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = PassOn(window, message, wParam, lParam);
    if (luna::RefitSurfaces(desktop)) {
        luna::WriteDebugLogf("desktop resized %dx%d", desktop.panels.screen.width,
                             desktop.panels.screen.height);
    }
    return result;
}

} // namespace

luna::Desktop& luna::ViewDesktop() {
    return desktop;
}

LRESULT CALLBACK ViewSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!luna::IsActive(luna::ViewSubclass()) || window != luna::ViewSubclass().window) {
        // Left in the chain after a detach: a plain pass-through. Our own exit request
        // stays ours.
        return message == luna::UM_EXIT ? 1 : PassOn(window, message, wParam, lParam);
    }
    switch (message) {
    case WM_PAINT:
        return OnPaint(window, wParam, lParam);
    case WM_ERASEBKGND:
        return OnEraseBackground(window, wParam, lParam);
    case WM_COPYDATA:
        return OnCopyData(lParam);
    case WM_TIMER:
        if (wParam == luna::kViewTimerId) {
            return OnTick();
        }
        if (wParam == luna::kDayTipTimerId) {
            luna::OnDayTipTimer(desktop, window);
            return 0;
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
        // The grid's marks take their clicks; everything else reaches the list view as is.
        if (luna::OnGridMouse(desktop, window, message, lParam)) {
            return 0;
        }
        break;
    case WM_TIMECHANGE:
        OnTimeChanged(window, "time change");
        break; // the list view may want it too
    case WM_POWERBROADCAST:
        if (IsResume(wParam)) {
            OnTimeChanged(window, "resume");
        }
        break;
    case WM_SIZE:
    case WM_DISPLAYCHANGE:
        return OnScreenChange(window, message, wParam, lParam);
    case WM_SETTINGCHANGE:
        if (wParam == SPI_SETWORKAREA) {
            return OnScreenChange(window, message, wParam, lParam);
        }
        break;
    case luna::UM_EXIT:
        return DetachView(window);
    case luna::UM_SHEETSTATE:
        desktop.sheetOpen = wParam == 1 ? 1 : 0;
        return 0;
    case luna::UM_RELOADBACK:
        return luna::RebuildBackground(desktop);
    default:
        break;
    }
    return PassOn(window, message, wParam, lParam);
}
