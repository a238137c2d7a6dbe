#include "hook/logic/panel_geometry.h"

#include <algorithm>

namespace luna {
namespace {

constexpr int kDayNumberMinBand = 20;

PixelRect Normalized(const PixelRect& r) {
    return {r.left, r.top, std::max(r.left, r.right), std::max(r.top, r.bottom)};
}

// The common part of two rectangles, empty (at a's corner) when they do not meet.
PixelRect Intersect(const PixelRect& a, const PixelRect& b) {
    const int left = std::max(a.left, b.left);
    const int top = std::max(a.top, b.top);
    const int right = std::min(a.right, b.right);
    const int bottom = std::min(a.bottom, b.bottom);
    if (right <= left || bottom <= top) {
        return {a.left, a.top, a.left, a.top};
    }
    return {left, top, right, bottom};
}

PixelRect Offset(const PixelRect& r, int dx, int dy) {
    return {r.left - dx, r.top - dy, r.right - dx, r.bottom - dy};
}

} // namespace

bool DesktopPlacement::operator==(const DesktopPlacement& other) const {
    return picture.width == other.picture.width && picture.height == other.picture.height &&
           frame.left == other.frame.left && frame.top == other.frame.top &&
           frame.right == other.frame.right && frame.bottom == other.frame.bottom &&
           gridBottom == other.gridBottom;
}

DesktopPlacement PlaceSingleScreen(int width, int height, int workBottom) {
    const int w = std::max(width, 0);
    const int h = std::max(height, 0);
    return {{w, h}, {0, 0, w, h}, std::clamp(workBottom, 0, h)};
}

DesktopPlacement PlaceDesktop(const DisplayLayout& layout) {
    const PixelRect screen = Normalized(layout.virtualScreen);
    const int count = std::clamp(layout.monitorCount, 0, kMaxMonitors);
    if (count == 0) {
        return PlaceSingleScreen(screen.Width(), screen.Height(), screen.Height());
    }
    const MonitorArea* chosen = &layout.monitors[0];
    for (int i = 0; i < count; ++i) {
        if (layout.monitors[i].primary) {
            chosen = &layout.monitors[i];
            break;
        }
    }
    DesktopPlacement placement{};
    placement.picture = {screen.Width(), screen.Height()};
    const PixelRect monitor = Normalized(chosen->monitor);
    const PixelRect area = count == 1 ? monitor : Intersect(Normalized(chosen->work), monitor);
    // Kept inside the picture, so that every panel lies on the surfaces.
    PixelRect frame = Offset(area, screen.left, screen.top);
    frame.left = std::clamp(frame.left, 0, placement.picture.width);
    frame.right = std::clamp(frame.right, frame.left, placement.picture.width);
    frame.top = std::clamp(frame.top, 0, placement.picture.height);
    frame.bottom = std::clamp(frame.bottom, frame.top, placement.picture.height);
    placement.frame = frame;
    const int workBottom = Normalized(chosen->work).bottom - screen.top;
    placement.gridBottom =
        count == 1 ? std::clamp(workBottom, frame.top, frame.bottom) : frame.bottom;
    return placement;
}

PanelGeometry ComputePanelGeometry(const DesktopPlacement& placement) {
    const int w = std::max(placement.frame.Width(), 0);
    const int h = std::max(placement.frame.Height(), 0);
    const int x = placement.frame.left;
    const int y = placement.frame.top;
    const int twoThirdsW = static_cast<int>((2LL * w) / 3);
    const int thirdW = w / 3;
    const int thirdH = h / 3;
    const int stripH = thirdH / 6;

    PanelGeometry g{};
    g.screen = {std::max(placement.picture.width, 0), std::max(placement.picture.height, 0)};
    g.calendarSurface = {twoThirdsW, static_cast<int>((2LL * h) / 3)};
    g.reminderSurface = {thirdW, thirdH};
    g.clock = {x + twoThirdsW, y, x + w, y + stripH};
    g.calendarText = {x + twoThirdsW, y + stripH, x + w, y + thirdH};
    g.reminder = {x + thirdW, y, x + twoThirdsW, y + thirdH};
    g.reminderLocal = {0, 0, thirdW, thirdH};
    g.monthGrid = {x + thirdW, y + thirdH, x + w, y + h};
    g.initialPanel = {x, y, x + twoThirdsW, y + thirdH};
    g.gridBottom = std::clamp(placement.gridBottom, g.monthGrid.top, g.monthGrid.bottom);
    return g;
}

PanelGeometry ComputePanelGeometry(int width, int height) {
    return ComputePanelGeometry(PlaceSingleScreen(width, height, height));
}

GridMetrics ComputeGridMetrics(const PanelGeometry& geometry, int weeks, int fontHeight) {
    const int gridWidth = geometry.calendarSurface.width;
    GridMetrics m{gridWidth / 7, gridWidth / 9, 0, 0, 0};
    const int rows = std::max(weeks, 0) + 1; // the weekday names, then the weeks
    const int room = geometry.gridBottom - geometry.monthGrid.top;
    if (static_cast<long long>(m.rowHeight) * rows + m.rowHeight / 3 > room) {
        // rows * rh + rh / 3 <= room
        m.rowHeight = static_cast<int>(std::max(3LL * room / (3LL * rows + 1), 0LL));
    }
    m.titleHeight = m.rowHeight / 3;
    m.dayNumberBand = std::min(std::max(kDayNumberMinBand, fontHeight), m.rowHeight);
    return m;
}

PixelRect GridHeaderCell(const GridMetrics& metrics, int column) {
    const int left = metrics.weekColumn + column * metrics.cellWidth;
    const int top = metrics.titleHeight;
    return PixelRect{left, top, left + metrics.cellWidth, top + metrics.rowHeight};
}

DayCellRects GridDayCell(const GridMetrics& metrics, int column, int week) {
    const int left = metrics.weekColumn + column * metrics.cellWidth;
    const int right = left + metrics.cellWidth;
    const int top = metrics.titleHeight + (week + 1) * metrics.rowHeight;
    const int band = top + metrics.dayNumberBand;
    return DayCellRects{{left, top, right, band}, {left, band, right, top + metrics.rowHeight}};
}

} // namespace luna
