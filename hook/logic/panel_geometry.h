// Where the desktop's panels lie. The panels split a frame of W by H pixels into thirds:
// every division truncates; 2W/3 is (2 * W) / 3 and H/18 is (H / 3) / 6. With one monitor
// the frame is the whole screen; with several it is the primary monitor's work area, so no
// panel straddles two monitors or lies under the taskbar. The month grid's rows always end
// above the bottom of the work area.
#pragma once

namespace luna {

struct PixelRect {
    int left, top, right, bottom;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

struct PixelSize {
    int width, height;
};

// One monitor in virtual-screen coordinates: its whole area and its work area (without the
// taskbar and other docked bars).
struct MonitorArea {
    PixelRect monitor;
    PixelRect work;
    bool primary;
};

// What the system reports about its monitors; at most kMaxMonitors are looked at.
constexpr int kMaxMonitors = 16;
struct DisplayLayout {
    PixelRect virtualScreen; // the desktop window spans this
    int monitorCount;
    MonitorArea monitors[kMaxMonitors];
};

// Where the desktop picture's panels go, in picture coordinates (the picture's (0, 0) is the
// virtual screen's top left corner).
struct DesktopPlacement {
    PixelSize picture; // the composed picture: the whole virtual screen
    PixelRect frame;   // the W by H area the panels are laid out in
    int gridBottom;    // the month grid's rows end at or above this row
    bool operator==(const DesktopPlacement& other) const;
};

// One monitor (or none reported): the frame is that monitor, the grid ends at its work area's
// bottom. Several: the frame is the primary monitor's work area (the first monitor's when
// none is marked primary). Empty or inverted rectangles count as empty.
DesktopPlacement PlaceDesktop(const DisplayLayout& layout);

// A single screen of W by H whose work area ends at workBottom.
DesktopPlacement PlaceSingleScreen(int width, int height, int workBottom);

struct PanelGeometry {
    PixelSize screen;          // the composed picture and the clean background
    PixelSize calendarSurface; // 2W/3 by 2H/3: work surface of the month grid
    PixelSize reminderSurface; // W/3 by H/3: work surface of the reminder panel
    PixelRect clock;           // (2W/3, 0)-(W, H/18): the clock strip
    PixelRect calendarText;    // (2W/3, H/18)-(W, H/3): the calendar text (the date rectangle)
    PixelRect reminder;        // (W/3, 0)-(2W/3, H/3): where the reminder panel lands
    PixelRect reminderLocal;   // (0, 0)-(W/3, H/3): the reminder panel on its work surface
    PixelRect monthGrid;       // (W/3, H/3)-(W, H): the month grid's share of the frame
    PixelRect initialPanel;    // (0, 0)-(2W/3, H/3): the work rectangle at creation
    int gridBottom;            // from the placement, never below monthGrid.bottom
};

// All rectangles are in picture coordinates, offset by the frame's corner. Sizes below zero
// count as zero, so a failed screen query yields empty rectangles.
PanelGeometry ComputePanelGeometry(const DesktopPlacement& placement);
// A single screen of W by H with the work area the whole screen.
PanelGeometry ComputePanelGeometry(int width, int height);

// Cells of the month grid. The width sets both measures, (2W/3)/7 and (2W/3)/9, as long as
// the title row (a third of a row), the header row and `weeks` rows of days fit above the
// grid's bottom; otherwise the rows shrink to fit. A cell's top band holds the day number:
// 20 pixels, or the calendar font's height where that is taller, but never more than the row.
struct GridMetrics {
    int cellWidth;
    int rowHeight;
    int dayNumberBand;
    int titleHeight; // the title row above the weekday names
    int weekColumn;  // the week-number column left of the days: 0 here (month_view.h)
};
GridMetrics ComputeGridMetrics(const PanelGeometry& geometry, int weeks, int fontHeight);

// Where the grid's cells lie on its work surface: below the title row, row 0 holds the
// weekday names, week w of the month (0 = the first) lies in row w + 1; the columns start
// right of the week column. A day's cell has the day-number band at its top and the
// annotations below.
struct DayCellRects {
    PixelRect number;
    PixelRect annotation;
};
PixelRect GridHeaderCell(const GridMetrics& metrics, int column);
DayCellRects GridDayCell(const GridMetrics& metrics, int column, int week);

} // namespace luna
