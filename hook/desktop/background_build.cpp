#include "hook/desktop/background_build.h"

#include <ctime>

#include "shared/win32/debug_log.h"
#include "hook/desktop/calendar_text.h"
#include "hook/desktop/clock_strip.h"
#include "hook/desktop/desktop_surfaces.h"
#include "hook/desktop/month_grid.h"
#include "hook/desktop/overlay_outline.h"
#include "hook/desktop/picture_background.h"
#include "hook/desktop/reminder_panel.h"
#include "hook/logic/background_colors.h"
#include "hook/logic/background_settings.h"
#include "hook/subclass_chain.h"
#include "shared/display_settings.h"
#include "shared/registry_layout.h"
#include "shared/win32/wide_text.h"
#include "shared/win32/win_registry.h"

namespace luna {
namespace {

void FillWith(HDC dc, const RECT& area, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    if (brush == nullptr) {
        return;
    }
    FillRect(dc, &area, brush);
    DeleteObject(brush);
}

} // namespace

void ReadStoredBackground(Desktop& desktop) {
    WinRegistry currentUser(HKEY_CURRENT_USER);
    const BackgroundSettings read = ReadBackgroundSettingsFrom(currentUser);
    desktop.settings.desktopStyle = read.style;
    desktop.settings.desktopBackColor = read.backColor;
}

HBITMAP LoadBackgroundPicture(const Desktop& desktop) {
    WinRegistry currentUser(HKEY_CURRENT_USER);
    BackgroundSettings read = ReadBackgroundSettingsFrom(currentUser);
    SetTextOutline(read.textOutline);
    if (EffectiveDesktopStyle(desktop.settings.desktopStyle) != kStyleBitmap) {
        return nullptr;
    }
    read.backColor = desktop.settings.desktopBackColor; // the bars and the fallback
    return LoadPictureBackground(read, desktop.panels.screen.width, desktop.panels.screen.height);
}

void FillBackground(const Desktop& desktop, HDC background) {
    const int width = desktop.panels.screen.width;
    const int height = desktop.panels.screen.height;
    const RECT whole{0, 0, width, height};
    switch (EffectiveDesktopStyle(desktop.settings.desktopStyle)) {
    case kStyleGradient:
        for (int row = 0; GradientPaintsRow(row, height); ++row) {
            FillWith(background, RECT{0, row, width, row + 1}, GradientRowColor(row));
        }
        break;
    case kStyleSolid:
        FillWith(background, whole, desktop.settings.desktopBackColor);
        break;
    case kStyleRandom:
        FillWith(background, whole,
                 RandomBackgroundColor(static_cast<std::uint32_t>(std::time(nullptr))));
        break;
    default:
        break; // the loaded bitmap, or the blank one
    }
}

HBITMAP CreateBlankBackground(const Desktop& desktop, HDC screen) {
    HBITMAP blank =
        CreateSurfaceBitmap(screen, desktop.panels.screen.width, desktop.panels.screen.height);
    if (blank == nullptr) {
        WriteDebugLog("Create BackImage Error!!!!!!!!!!!!!!!!");
    }
    return blank;
}

LRESULT RebuildBackground(Desktop& desktop) {
    if (!desktop.Ready()) {
        return 1;
    }
    // The old background goes first; the surface holds its original bitmap meanwhile.
    Surface& back = desktop.background;
    SelectObject(back.dc, back.original);
    if (back.bitmap != nullptr) {
        DeleteObject(back.bitmap);
        back.bitmap = nullptr;
    }

    HBITMAP bitmap = LoadBackgroundPicture(desktop);
    if (bitmap == nullptr) {
        HDC screen = GetDC(GetDesktopWindow());
        bitmap = CreateBlankBackground(desktop, screen);
        ReleaseDC(GetDesktopWindow(), screen);
    }
    if (bitmap != nullptr) {
        SelectObject(back.dc, bitmap);
        back.bitmap = bitmap;
    }
    FillBackground(desktop, back.dc);
    BitBlt(desktop.picture.dc, 0, 0, desktop.panels.screen.width, desktop.panels.screen.height,
           back.dc, 0, 0, SRCCOPY);
    RedrawPicture(desktop);
    return 1;
}

void RedrawPicture(Desktop& desktop) {
    const LocalTime now = CurrentLocalTime();
    DrawClockStrip(desktop);
    DrawCalendarText(desktop, now);
    ResetDateKey(desktop.gridDate);
    RefreshMonthGrid(desktop, now, 1);
    DrawReminderPanel(desktop);

    HWND view = AttachedViewWindow();
    if (view != nullptr) {
        InvalidateRect(view, nullptr, TRUE);
    }
}

void CopyPicture(const Desktop& desktop, HDC target) {
    BitBlt(target, 0, 0, desktop.panels.screen.width, desktop.panels.screen.height,
           desktop.picture.dc, 0, 0, SRCCOPY);
}

} // namespace luna
