#include "hook/background_build.h"

#include <ctime>

#include "hook/background_registry.h"
#include "hook/debug_log.h"
#include "hook/desktop_state.h"
#include "hook/desktop_surfaces.h"
#include "hook/logic/background_colors.h"
#include "hook/overlay.h"
#include "hook/shared_hook_state.h"
#include "shared/registry_layout.h"

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

HBITMAP ReadBackgroundSettings() {
    m_DeskTopStyle = 0;
    m_DeskTopBackColor = 0;
    ReadRegistryNumber(regkey::Display, regvalue::DeskTopStyle, m_DeskTopStyle);
    if (m_DeskTopStyle != kStyleBitmap) {
        return nullptr;
    }
    char path[kPathCapacity];
    if (!ReadBackImagePath(path) || path[0] == '\0') {
        return nullptr;
    }
    return static_cast<HBITMAP>(LoadImageA(nullptr, path, IMAGE_BITMAP, m_ScreenWidth,
                                           m_ScreenHeight, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
}

void FillBackground(HDC background) {
    const RECT whole{0, 0, m_ScreenWidth, m_ScreenHeight};
    switch (m_DeskTopStyle) {
    case kStyleGradient:
        for (int row = 0; GradientPaintsRow(row, m_ScreenHeight); ++row) {
            FillWith(background, RECT{0, row, m_ScreenWidth, row + 1}, GradientRowColor(row));
        }
        break;
    case kStyleSolid: {
        std::uint32_t color = 0;
        ReadRegistryNumber(regkey::Display, regvalue::DeskTopBackColor, color);
        m_DeskTopBackColor = color;
        FillWith(background, whole, m_DeskTopBackColor);
        break;
    }
    case kStyleRandom:
        FillWith(background, whole,
                 RandomBackgroundColor(static_cast<std::uint32_t>(std::time(nullptr))));
        break;
    default:
        break; // the loaded bitmap, or the blank one
    }
}

HBITMAP CreateBlankBackground(HDC screen) {
    HBITMAP blank = CreateSurfaceBitmap(screen, m_ScreenWidth, m_ScreenHeight);
    if (blank == nullptr) {
        WriteDebugLog("Create BackImage Error!!!!!!!!!!!!!!!!");
    }
    return blank;
}

LRESULT RebuildBackground() {
    if (!SurfacesReady()) {
        return 1;
    }
    // The old background goes first; the surface holds its original bitmap meanwhile.
    SelectObject(m_BackSurface.dc, m_BackSurface.original);
    if (m_BackSurface.bitmap != nullptr) {
        DeleteObject(m_BackSurface.bitmap);
        m_BackSurface.bitmap = nullptr;
    }

    HBITMAP bitmap = ReadBackgroundSettings();
    if (bitmap == nullptr) {
        HDC screen = GetDC(GetDesktopWindow());
        bitmap = CreateBlankBackground(screen);
        ReleaseDC(GetDesktopWindow(), screen);
    }
    if (bitmap != nullptr) {
        SelectObject(m_BackSurface.dc, bitmap);
        m_BackSurface.bitmap = bitmap;
    }
    FillBackground(m_BackSurface.dc);
    BitBlt(m_DeskSurface.dc, 0, 0, m_ScreenWidth, m_ScreenHeight, m_BackSurface.dc, 0, 0, SRCCOPY);
    RedrawPicture();
    return 1;
}

void RedrawPicture() {
    const LocalTime now = CurrentLocalTime();
    DrawClockText();
    DrawCalendarText(now);
    ResetDateKey(m_LastDate);
    RefreshMonthGrid(now, 1);
    DrawReminderPanel();

    HWND view = SharedState().m_hViewWnd;
    if (view != nullptr) {
        InvalidateRect(view, nullptr, TRUE);
    }
}

void CopyPicture(HDC target) {
    BitBlt(target, 0, 0, m_ScreenWidth, m_ScreenHeight, m_DeskSurface.dc, 0, 0, SRCCOPY);
}

} // namespace luna
