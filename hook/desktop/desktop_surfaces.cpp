// Creating and releasing the four off-screen surfaces of the desktop picture.
#include "hook/desktop/desktop_surfaces.h"

#include <windows.h>

#include <cstddef>
#include <cstring>

#include "hook/desktop/background_build.h"
#include "hook/desktop/overlay_fonts.h"
#include "hook/desktop/reminders.h"

namespace luna {
namespace {

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

// The four surfaces for the desktop's panels, the background filled and copied onto the
// picture. `background` is the loaded background bitmap or null.
void MakeSurfaces(Desktop& desktop, HDC screen, HBITMAP background) {
    const PanelGeometry& panels = desktop.panels;
    const int width = panels.screen.width;
    const int height = panels.screen.height;
    desktop.picture = MakeSurface(screen, CreateSurfaceBitmap(screen, width, height));
    if (background == nullptr) {
        background = CreateBlankBackground(desktop, screen);
    }
    desktop.background = MakeSurface(screen, background);
    if (desktop.background.dc != nullptr) {
        FillBackground(desktop, desktop.background.dc);
        if (desktop.picture.dc != nullptr) {
            BitBlt(desktop.picture.dc, 0, 0, width, height, desktop.background.dc, 0, 0, SRCCOPY);
        }
    }
    desktop.gridWork = MakeSurface(screen, CreateSurfaceBitmap(screen, panels.calendarSurface.width,
                                                               panels.calendarSurface.height));
    desktop.panelWork =
        MakeSurface(screen, CreateSurfaceBitmap(screen, panels.reminderSurface.width,
                                                panels.reminderSurface.height));
}

void UsePlacement(Desktop& desktop, const DesktopPlacement& placement) {
    desktop.placement = placement;
    desktop.panels = ComputePanelGeometry(placement);
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

void CreateSurfaces(Desktop& desktop) {
    if (desktop.Ready()) {
        ReleaseSurfaces(desktop); // a previous attachment that never detached
    }
    std::memset(&desktop.settings, 0, sizeof desktop.settings);
    std::memset(&desktop.gridDate, 0, sizeof desktop.gridDate);
    ResetTickState(desktop.tick);
    ClearFestivalCopies();

    HWND window = GetDesktopWindow();
    HDC screen = GetDC(window);
    UsePlacement(desktop, ReadPlacement(screen));
    ReadStoredBackground(desktop);
    HBITMAP background = LoadBackgroundPicture(desktop);
    LoadReminderFiles();
    MakeSurfaces(desktop, screen, background);
    ReleaseDC(window, screen);
    // Until the fonts arrive, each surface draws with a GB2312 font of its default size.
    AdoptDefaultOverlayFont(desktop.picture.dc, desktop.clockFont);
    AdoptDefaultOverlayFont(desktop.gridWork.dc, desktop.calendarFont);
    AdoptDefaultOverlayFont(desktop.panelWork.dc, desktop.reminderFont);
}

bool RefitSurfaces(Desktop& desktop) {
    if (!desktop.Ready()) {
        return false;
    }
    HWND window = GetDesktopWindow();
    HDC screen = GetDC(window);
    const DesktopPlacement placement = ReadPlacement(screen);
    if (placement == desktop.placement) {
        ReleaseDC(window, screen);
        return false;
    }
    const COLORREF clockColor = GetTextColor(desktop.picture.dc);
    const COLORREF calendarColor = GetTextColor(desktop.gridWork.dc);
    ReleaseSurfaces(desktop);
    UsePlacement(desktop, placement);
    MakeSurfaces(desktop, screen, LoadBackgroundPicture(desktop));
    ReleaseDC(window, screen);
    Reselect(desktop.picture, desktop.clockFont);
    Reselect(desktop.gridWork, desktop.calendarFont);
    Reselect(desktop.panelWork, desktop.reminderFont);
    SetTextColor(desktop.picture.dc, clockColor);
    SetTextColor(desktop.gridWork.dc, calendarColor);
    RedrawPicture(desktop);
    return true;
}

void ReleaseSurfaces(Desktop& desktop) {
    ReleaseSurface(desktop.picture);
    ReleaseSurface(desktop.background);
    ReleaseSurface(desktop.gridWork);
    ReleaseSurface(desktop.panelWork);
}

} // namespace luna
