// The shell-side state of the desktop picture: the four off-screen surfaces, the screen
// size and background settings, the settings copy, the date last drawn, the overlay fonts
// and the settings-sheet flag. It belongs to the shell's copy of the library and is
// touched only on the thread that owns the desktop list view (m_SheetOpen excepted).
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>

#include "calendar/local_time.h"
#include "hook/logic/panel_geometry.h"
#include "hook/logic/tick_plan.h"
#include "shared/display_settings.h"

namespace luna {

// A memory device context with the bitmap selected into it. `original` is the bitmap the
// context came with, put back before the own bitmap is deleted.
struct Surface {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ original = nullptr;
};

extern Surface m_DeskSurface;     // W by H: background plus overlay, what the list view shows
extern Surface m_BackSurface;     // W by H: the background alone
extern Surface m_CalendarSurface; // 2W/3 by 2H/3: work surface of the month grid
extern Surface m_ReminderSurface; // W/3 by H/3: work surface of the reminder panel

extern int m_ScreenWidth;
extern int m_ScreenHeight;
extern PanelGeometry m_Panels; // every rectangle, from the screen's placement at creation
                               // and after every change of the screen

extern std::uint32_t m_DeskTopStyle;
extern COLORREF m_DeskTopBackColor;

extern RECT m_PanelRect; // work rectangle of the reminder panel
extern RECT m_DateRect;  // the calendar text's rectangle

extern DisplaySettings m_Settings; // last CD_SETTINGS or CD_SETTINGSQUIET record
extern DateKey m_LastDate;         // date the month grid was last drawn for
extern TickState m_Tick;           // what the tick has drawn and the last minute it handled

// Fonts received with CD_*FONT, each selected into its surface; null until one arrives.
extern HFONT m_CalendarFont;
extern HFONT m_ClockFont;
extern HFONT m_ReminderFont;

// 1 while the control application's settings sheet is open (UM_SHEETSTATE). Written on
// the desktop thread, read by the clock menu on the taskbar thread.
extern std::atomic<std::uint8_t> m_SheetOpen;

// True between CreateSurfaces and ReleaseSurfaces.
bool SurfacesReady();

// The local clock now.
LocalTime CurrentLocalTime();

RECT ToRect(const PixelRect& r);

} // namespace luna
