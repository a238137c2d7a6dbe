// The desktop picture as the shell's copy of the library keeps it: one object, owned by the
// list view's subclass (view_subclass.cpp) and touched only on the thread that owns the
// list view (`sheetOpen` excepted). Every drawing function takes it as its first argument.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>

#include "calendar/local_time.h"
#include "hook/desktop/grid_view.h"
#include "hook/logic/panel_geometry.h"
#include "hook/logic/tick_plan.h"
#include "shared/display_settings.h"
#include "shared/month_annotations.h"

namespace luna {

// A memory device context with the bitmap selected into it. `original` is the bitmap the
// context came with, put back before the own bitmap is deleted.
struct Surface {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ original = nullptr;
};

struct Desktop {
    // The last CD_SETTINGS or CD_SETTINGSQUIET record (before the first, the registry's
    // background style and colour). The background is filled by its style and colour.
    DisplaySettings settings = {};

    DesktopPlacement placement = {}; // the screen the surfaces were made for
    PanelGeometry panels = {};       // every rectangle, from `placement`

    Surface picture;    // W by H: background plus overlay, what the list view shows
    Surface background; // W by H: the background alone
    Surface gridWork;   // 2W/3 by 2H/3: work surface of the month grid
    Surface panelWork;  // W/3 by H/3: work surface of the reminder panel

    // Fonts received with CD_*FONT, each selected into its surface; null until one arrives.
    HFONT clockFont = nullptr;    // on `picture`: clock strip and calendar text
    HFONT calendarFont = nullptr; // on `gridWork`
    HFONT reminderFont = nullptr; // on `panelWork`

    DateKey gridDate = {};   // the date the month grid was last drawn for
    DesktopMonth month = {}; // the month the grid shows, with its annotations
    GridView grid = {};      // which month that is, where it lies, the pointer over it
    TickState tick = {};     // what the tick has drawn and the last minute it handled
    // True while the tick shows reminder boxes (see CheckDueMinutes).
    bool showingReminders = false;

    // 1 while the control application's settings sheet is open (UM_SHEETSTATE). Written on
    // the desktop thread, read by the clock menu on the taskbar thread.
    std::atomic<std::uint8_t> sheetOpen{0};

    // True between CreateSurfaces and ReleaseSurfaces.
    bool Ready() const;
};

// The one desktop of this process, owned by the list view's subclass.
Desktop& ViewDesktop();

// The local clock now.
LocalTime CurrentLocalTime();

RECT ToRect(const PixelRect& r);

// Puts the clean background back under a rectangle of the composed picture.
void RestoreBackground(const Desktop& desktop, const RECT& r);

// Has the list view copy a rectangle of the picture to the screen with its next erase.
void ShowOnView(const RECT& r);

} // namespace luna
