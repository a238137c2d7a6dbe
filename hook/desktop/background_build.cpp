#include "hook/desktop/background_build.h"

#include <cstdlib>
#include <initializer_list>
#include <ctime>

#include "hook/debug_log.h"
#include "hook/desktop/calendar_text.h"
#include "hook/desktop/clock_strip.h"
#include "hook/desktop/desktop_surfaces.h"
#include "hook/desktop/month_grid.h"
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

// Loads a bitmap file at its own size and stretches it onto a new W by H surface bitmap.
// (Asking LoadImage for the stretched size leaves megabytes of its temporary work behind
// in the shell's heap at large screen sizes.)
HBITMAP LoadStretchedToScreen(const char* path, PixelSize screenSize) {
    const int width = screenSize.width;
    const int height = screenSize.height;
    auto file = static_cast<HBITMAP>(LoadImageW(nullptr, WideFromGbk(path).c_str(), IMAGE_BITMAP, 0,
                                                0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (file == nullptr) {
        return nullptr;
    }
    BITMAP size{};
    GetObjectA(file, sizeof size, &size);
    HWND desktop = GetDesktopWindow();
    HDC screen = GetDC(desktop);
    HBITMAP stretched = CreateSurfaceBitmap(screen, width, height);
    HDC from = CreateCompatibleDC(screen);
    HDC to = CreateCompatibleDC(screen);
    if (stretched != nullptr && from != nullptr && to != nullptr) {
        HGDIOBJ oldFrom = SelectObject(from, file);
        HGDIOBJ oldTo = SelectObject(to, stretched);
        SetStretchBltMode(to, COLORONCOLOR);
        StretchBlt(to, 0, 0, width, height, from, 0, 0, size.bmWidth, std::abs(size.bmHeight),
                   SRCCOPY);
        SelectObject(from, oldFrom);
        SelectObject(to, oldTo);
    }
    for (HDC dc : {from, to}) {
        if (dc != nullptr) {
            DeleteDC(dc);
        }
    }
    ReleaseDC(desktop, screen);
    DeleteObject(file);
    return stretched;
}

} // namespace

void ReadStoredBackground(Desktop& desktop) {
    WinRegistry currentUser(HKEY_CURRENT_USER);
    const BackgroundSettings read = ReadBackgroundSettingsFrom(currentUser);
    desktop.settings.desktopStyle = read.style;
    desktop.settings.desktopBackColor = read.backColor;
}

HBITMAP LoadBackgroundPicture(const Desktop& desktop) {
    if (EffectiveDesktopStyle(desktop.settings.desktopStyle) != kStyleBitmap) {
        return nullptr;
    }
    WinRegistry currentUser(HKEY_CURRENT_USER);
    char path[kPathCapacity];
    if (!ReadBackImageFrom(currentUser, path) || path[0] == '\0') {
        return nullptr;
    }
    return LoadStretchedToScreen(path, desktop.panels.screen);
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
