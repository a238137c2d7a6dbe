// Where the desktop's panels lie for a screen of W by H pixels. Every division truncates;
// 2W/3 is (2 * W) / 3 and H/18 is (H / 3) / 6.
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

struct PanelGeometry {
    PixelSize screen;          // W by H: the composed picture and the clean background
    PixelSize calendarSurface; // 2W/3 by 2H/3: work surface of the month grid
    PixelSize reminderSurface; // W/3 by H/3: work surface of the reminder panel
    PixelRect clock;           // (2W/3, 0)-(W, H/18): the clock strip
    PixelRect calendarText;    // (2W/3, H/18)-(W, H/3): the calendar text (the date rectangle)
    PixelRect reminder;        // (W/3, 0)-(2W/3, H/3): where the reminder panel lands
    PixelRect reminderLocal;   // (0, 0)-(W/3, H/3): the reminder panel on its work surface
    PixelRect monthGrid;       // (W/3, H/3)-(W, H): the month grid's share of the screen
    PixelRect initialPanel;    // (0, 0)-(2W/3, H/3): the work rectangle at creation
};

// Sizes below zero count as zero, so a failed screen query yields empty rectangles.
PanelGeometry ComputePanelGeometry(int width, int height);

// Cells of the month grid: both measures come from the grid's width alone.
struct GridMetrics {
    int cellWidth; // (2W/3) / 7
    int rowHeight; // (2W/3) / 9
};
GridMetrics ComputeGridMetrics(int width);

} // namespace luna
