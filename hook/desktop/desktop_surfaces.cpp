// Creating and releasing the four off-screen surfaces of the desktop picture.
#include "hook/desktop/desktop_surfaces.h"

#include <windows.h>

#include <cstddef>
#include <cstring>

#include "hook/desktop/background_build.h"
#include "hook/desktop/desktop_state.h"
#include "hook/desktop/overlay.h"
#include "hook/desktop/reminders.h"

namespace luna {
namespace {

// The placement the surfaces were made for.
DesktopPlacement m_Placement = {};

PixelRect FromRect(const RECT& r) {
    return PixelRect{r.left, r.top, r.right, r.bottom};
}

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    auto* layout = reinterpret_cast<DisplayLayout*>(data);
    if (layout->monitorCount >= kMaxMonitors) {
        return FALSE;
    }
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(monitor, &info)) {
        MonitorArea& area = layout->monitors[layout->monitorCount++];
        area.monitor = FromRect(info.rcMonitor);
        area.work = FromRect(info.rcWork);
        area.primary = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
    }
    return TRUE;
}

// The monitors as the system reports them now. The primary monitor's work area is taken
// from SPI_GETWORKAREA, which is what the shell itself has set for its taskbar.
DesktopPlacement ReadPlacement(HDC screen) {
    DisplayLayout layout{};
    const int x = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int y = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int cx = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int cy = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    if (cx > 0 && cy > 0) {
        layout.virtualScreen = {x, y, x + cx, y + cy};
    } else {
        layout.virtualScreen = {0, 0, GetDeviceCaps(screen, HORZRES),
                                GetDeviceCaps(screen, VERTRES)};
    }
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&layout));
    RECT work;
    if (SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0)) {
        for (int i = 0; i < layout.monitorCount; ++i) {
            if (layout.monitors[i].primary) {
                layout.monitors[i].work = FromRect(work);
            }
        }
    }
    return PlaceDesktop(layout);
}

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

// The four surfaces for m_Panels, the background filled and copied onto the picture.
// `background` is the loaded background bitmap or null.
void MakeSurfaces(HDC screen, HBITMAP background) {
    m_DeskSurface = MakeSurface(screen, CreateSurfaceBitmap(screen, m_ScreenWidth, m_ScreenHeight));
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
        MakeSurface(screen, CreateSurfaceBitmap(screen, m_Panels.calendarSurface.width,
                                                m_Panels.calendarSurface.height));
    m_ReminderSurface =
        MakeSurface(screen, CreateSurfaceBitmap(screen, m_Panels.reminderSurface.width,
                                                m_Panels.reminderSurface.height));
    m_PanelRect = ToRect(m_Panels.initialPanel);
    m_DateRect = ToRect(m_Panels.calendarText);
}

void UsePlacement(const DesktopPlacement& placement) {
    m_Placement = placement;
    m_Panels = ComputePanelGeometry(placement);
    m_ScreenWidth = m_Panels.screen.width;
    m_ScreenHeight = m_Panels.screen.height;
}

// Selects a font into a new surface, when there is one.
void Reselect(const Surface& surface, HFONT font) {
    if (surface.dc != nullptr && font != nullptr) {
        SelectObject(surface.dc, font);
    }
}

} // namespace

HBITMAP CreateSurfaceBitmap(HDC screen, int width, int height) {
    if (width <= 0 || height <= 0) {
        return nullptr;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap != nullptr && bits != nullptr) {
        // Black, as a blank background must be, whatever memory the section was given.
        std::memset(bits, 0,
                    static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    }
    return bitmap;
}

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
    UsePlacement(ReadPlacement(screen));
    HBITMAP background = ReadBackgroundSettings();
    LoadReminderFiles();
    MakeSurfaces(screen, background);
    ReleaseDC(desktop, screen);
    // Until the fonts arrive, each surface draws with a GB2312 font of its default size.
    AdoptDefaultOverlayFont(m_DeskSurface.dc, m_ClockFont);
    AdoptDefaultOverlayFont(m_CalendarSurface.dc, m_CalendarFont);
    AdoptDefaultOverlayFont(m_ReminderSurface.dc, m_ReminderFont);
}

bool RefitSurfaces() {
    if (!SurfacesReady()) {
        return false;
    }
    HWND desktop = GetDesktopWindow();
    HDC screen = GetDC(desktop);
    const DesktopPlacement placement = ReadPlacement(screen);
    if (placement == m_Placement) {
        ReleaseDC(desktop, screen);
        return false;
    }
    const COLORREF clockColor = GetTextColor(m_DeskSurface.dc);
    const COLORREF calendarColor = GetTextColor(m_CalendarSurface.dc);
    ReleaseSurfaces();
    UsePlacement(placement);
    MakeSurfaces(screen, ReadBackgroundSettings());
    ReleaseDC(desktop, screen);
    Reselect(m_DeskSurface, m_ClockFont);
    Reselect(m_CalendarSurface, m_CalendarFont);
    Reselect(m_ReminderSurface, m_ReminderFont);
    SetTextColor(m_DeskSurface.dc, clockColor);
    SetTextColor(m_CalendarSurface.dc, calendarColor);
    RedrawPicture();
    return true;
}

void ReleaseSurfaces() {
    ReleaseSurface(m_DeskSurface);
    ReleaseSurface(m_BackSurface);
    ReleaseSurface(m_CalendarSurface);
    ReleaseSurface(m_ReminderSurface);
}

} // namespace luna
