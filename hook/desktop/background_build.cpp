#include "hook/desktop/background_build.h"

#include <cstdlib>
#include <initializer_list>
#include <ctime>

#include "hook/debug_log.h"
#include "hook/desktop/desktop_state.h"
#include "hook/desktop/desktop_surfaces.h"
#include "hook/logic/background_colors.h"
#include "hook/logic/background_settings.h"
#include "hook/desktop/overlay.h"
#include "hook/subclass_chain.h"
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
HBITMAP LoadStretchedToScreen(const char* path) {
    auto file = static_cast<HBITMAP>(LoadImageW(nullptr, WideFromGbk(path).c_str(), IMAGE_BITMAP, 0,
                                                0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (file == nullptr) {
        return nullptr;
    }
    BITMAP size{};
    GetObjectA(file, sizeof size, &size);
    HWND desktop = GetDesktopWindow();
    HDC screen = GetDC(desktop);
    HBITMAP stretched = CreateSurfaceBitmap(screen, m_ScreenWidth, m_ScreenHeight);
    HDC from = CreateCompatibleDC(screen);
    HDC to = CreateCompatibleDC(screen);
    if (stretched != nullptr && from != nullptr && to != nullptr) {
        HGDIOBJ oldFrom = SelectObject(from, file);
        HGDIOBJ oldTo = SelectObject(to, stretched);
        SetStretchBltMode(to, COLORONCOLOR);
        StretchBlt(to, 0, 0, m_ScreenWidth, m_ScreenHeight, from, 0, 0, size.bmWidth,
                   std::abs(size.bmHeight), SRCCOPY);
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

HBITMAP ReadBackgroundSettings() {
    WinRegistry currentUser(HKEY_CURRENT_USER);
    const BackgroundSettings read = ReadBackgroundSettingsFrom(currentUser);
    m_DeskTopStyle = read.style;
    m_DeskTopBackColor = read.backColor;
    if (m_DeskTopStyle != kStyleBitmap || !read.hasBackImage || read.backImage[0] == '\0') {
        return nullptr;
    }
    return LoadStretchedToScreen(read.backImage);
}

void FillBackground(HDC background) {
    const RECT whole{0, 0, m_ScreenWidth, m_ScreenHeight};
    switch (m_DeskTopStyle) {
    case kStyleGradient:
        for (int row = 0; GradientPaintsRow(row, m_ScreenHeight); ++row) {
            FillWith(background, RECT{0, row, m_ScreenWidth, row + 1}, GradientRowColor(row));
        }
        break;
    case kStyleSolid:
        FillWith(background, whole, m_DeskTopBackColor);
        break;
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

    HWND view = AttachedViewWindow();
    if (view != nullptr) {
        InvalidateRect(view, nullptr, TRUE);
    }
}

void CopyPicture(HDC target) {
    BitBlt(target, 0, 0, m_ScreenWidth, m_ScreenHeight, m_DeskSurface.dc, 0, 0, SRCCOPY);
}

} // namespace luna
