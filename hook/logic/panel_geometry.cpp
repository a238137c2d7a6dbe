#include "hook/logic/panel_geometry.h"

namespace luna {

PanelGeometry ComputePanelGeometry(int width, int height) {
    const int w = width > 0 ? width : 0;
    const int h = height > 0 ? height : 0;
    const int twoThirdsW = static_cast<int>((2LL * w) / 3);
    const int thirdW = w / 3;
    const int thirdH = h / 3;
    const int stripH = thirdH / 6;

    PanelGeometry g{};
    g.screen = {w, h};
    g.calendarSurface = {twoThirdsW, static_cast<int>((2LL * h) / 3)};
    g.reminderSurface = {thirdW, thirdH};
    g.clock = {twoThirdsW, 0, w, stripH};
    g.calendarText = {twoThirdsW, stripH, w, thirdH};
    g.reminder = {thirdW, 0, twoThirdsW, thirdH};
    g.reminderLocal = {0, 0, thirdW, thirdH};
    g.monthGrid = {thirdW, thirdH, w, h};
    g.initialPanel = {0, 0, twoThirdsW, thirdH};
    return g;
}

GridMetrics ComputeGridMetrics(int width) {
    const int gridWidth = width > 0 ? static_cast<int>((2LL * width) / 3) : 0;
    return {gridWidth / 7, gridWidth / 9};
}

} // namespace luna
