// Creating and releasing the four off-screen surfaces of the desktop picture.
#include "hook/desktop_surfaces.h"

#include <windows.h>

#include <cstring>

#include "hook/background_build.h"
#include "hook/desktop_state.h"
#include "hook/overlay.h"
#include "hook/reminders.h"

namespace luna {
namespace {

// A memory context compatible with the screen, holding `bitmap` when there is one.
Surface MakeSurface(HDC screen, HBITMAP bitmap) {
    Surface surface;
    surface.dc = CreateCompatibleDC(screen);
    if (surface.dc == nullptr) {
        if (bitmap != nullptr) {
            DeleteObject(bitmap);
        }
        return surface;
    }
    // The context's own bitmap, put back before ours is deleted or swapped.
    surface.original = GetCurrentObject(surface.dc, OBJ_BITMAP);
    if (bitmap != nullptr) {
        SelectObject(surface.dc, bitmap);
        surface.bitmap = bitmap;
    }
    SetBkMode(surface.dc, TRANSPARENT);
    return surface;
}

void ReleaseSurface(Surface& surface) {
    if (surface.dc != nullptr) {
        if (surface.original != nullptr) {
            SelectObject(surface.dc, surface.original);
        }
        DeleteDC(surface.dc);
    }
    if (surface.bitmap != nullptr) {
        DeleteObject(surface.bitmap);
    }
    surface = Surface{};
}

} // namespace

void CreateSurfaces() {
    if (SurfacesReady()) {
        ReleaseSurfaces(); // a previous attachment that never detached
    }
    std::memset(&m_Settings, 0, sizeof m_Settings);
    std::memset(&m_LastDate, 0, sizeof m_LastDate);
    ResetTickState(m_Tick);
    ClearFestivalCopies();

    HWND desktop = GetDesktopWindow();
    HDC screen = GetDC(desktop);
    m_ScreenWidth = GetDeviceCaps(screen, HORZRES);
    m_ScreenHeight = GetDeviceCaps(screen, VERTRES);
    m_Panels = ComputePanelGeometry(m_ScreenWidth, m_ScreenHeight);

    HBITMAP background = ReadBackgroundSettings();
    LoadReminderFiles();

    m_DeskSurface =
        MakeSurface(screen, CreateCompatibleBitmap(screen, m_ScreenWidth, m_ScreenHeight));
    if (background == nullptr) {
        background = CreateBlankBackground(screen);
    }
    m_BackSurface = MakeSurface(screen, background);
    if (m_BackSurface.dc != nullptr) {
        FillBackground(m_BackSurface.dc);
        if (m_DeskSurface.dc != nullptr) {
            BitBlt(m_DeskSurface.dc, 0, 0, m_ScreenWidth, m_ScreenHeight, m_BackSurface.dc, 0, 0,
                   SRCCOPY);
        }
    }
    m_CalendarSurface =
        MakeSurface(screen, CreateCompatibleBitmap(screen, m_Panels.calendarSurface.width,
                                                   m_Panels.calendarSurface.height));
    m_ReminderSurface =
        MakeSurface(screen, CreateCompatibleBitmap(screen, m_Panels.reminderSurface.width,
                                                   m_Panels.reminderSurface.height));
    ReleaseDC(desktop, screen);
    AdoptDefaultOverlayFont(m_DeskSurface.dc, m_ClockFont);
    AdoptDefaultOverlayFont(m_CalendarSurface.dc, m_CalendarFont);
    AdoptDefaultOverlayFont(m_ReminderSurface.dc, m_ReminderFont);

    m_PanelRect = ToRect(m_Panels.initialPanel);
    m_DateRect = ToRect(m_Panels.calendarText);
}

void ReleaseSurfaces() {
    ReleaseSurface(m_DeskSurface);
    ReleaseSurface(m_BackSurface);
    ReleaseSurface(m_CalendarSurface);
    ReleaseSurface(m_ReminderSurface);
}

} // namespace luna
