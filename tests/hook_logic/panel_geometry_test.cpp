#include "hook/logic/panel_geometry.h"

#include <gtest/gtest.h>

namespace luna {
namespace {

void ExpectRect(const PixelRect& r, int left, int top, int right, int bottom) {
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.right, right);
    EXPECT_EQ(r.bottom, bottom);
}

TEST(PanelGeometry, CommonScreenSplitsIntoThirdsAndAStrip) {
    const PanelGeometry g = ComputePanelGeometry(1024, 768);
    EXPECT_EQ(g.screen.width, 1024);
    EXPECT_EQ(g.screen.height, 768);
    EXPECT_EQ(g.calendarSurface.width, 682);
    EXPECT_EQ(g.calendarSurface.height, 512);
    EXPECT_EQ(g.reminderSurface.width, 341);
    EXPECT_EQ(g.reminderSurface.height, 256);
    ExpectRect(g.clock, 682, 0, 1024, 42);
    ExpectRect(g.calendarText, 682, 42, 1024, 256);
    ExpectRect(g.reminder, 341, 0, 682, 256);
    ExpectRect(g.reminderLocal, 0, 0, 341, 256);
    ExpectRect(g.monthGrid, 341, 256, 1024, 768);
    ExpectRect(g.initialPanel, 0, 0, 682, 256);
}

TEST(PanelGeometry, OddSizesTruncateEachDivisionOnItsOwn) {
    // 2W/3 is (2W)/3, which can be one more than twice W/3.
    const PanelGeometry g = ComputePanelGeometry(1025, 611);
    EXPECT_EQ(g.calendarSurface.width, 683);
    EXPECT_EQ(g.reminderSurface.width, 341);
    EXPECT_EQ(g.calendarSurface.height, 407);
    ExpectRect(g.clock, 683, 0, 1025, 33);
    ExpectRect(g.calendarText, 683, 33, 1025, 203);
    ExpectRect(g.reminder, 341, 0, 683, 203);
    ExpectRect(g.monthGrid, 341, 203, 1025, 611);
}

TEST(PanelGeometry, NegativeOrZeroScreenGivesEmptyRectangles) {
    const PanelGeometry g = ComputePanelGeometry(-5, 0);
    EXPECT_EQ(g.screen.width, 0);
    EXPECT_EQ(g.calendarSurface.width, 0);
    EXPECT_EQ(g.clock.Width(), 0);
    EXPECT_EQ(g.monthGrid.Height(), 0);
}

// Header plus weeks rows of the grid end at or above the work area's bottom (768 - 30 for
// the taskbar), every week shown, for five- and six-week months on common screens.
TEST(GridMetrics, EveryWeekFitsAboveTheTaskbar) {
    const struct {
        int w, h;
    } screens[] = {{1024, 768}, {1366, 768}, {1600, 900}, {1920, 1080}, {2560, 1440}, {3840, 2160}};
    for (const auto& s : screens) {
        const PanelGeometry g = ComputePanelGeometry(PlaceSingleScreen(s.w, s.h, s.h - 30));
        for (int weeks : {4, 5, 6}) {
            const GridMetrics m = ComputeGridMetrics(g, weeks, 16);
            EXPECT_LE(g.monthGrid.top + m.titleHeight + (weeks + 1) * m.rowHeight, s.h - 30)
                << s.w << "x" << s.h << ", " << weeks << " weeks";
            EXPECT_GT(m.rowHeight, 40) << s.w << "x" << s.h;
        }
    }
}

TEST(GridMetrics, WidthSetsTheCellsWhereTheyFit) {
    // 4:3 with five weeks: 256 + 25 + 6 * 75 = 731 fits above 738, so nothing changes.
    const PanelGeometry g = ComputePanelGeometry(PlaceSingleScreen(1024, 768, 738));
    const GridMetrics five = ComputeGridMetrics(g, 5, 13);
    EXPECT_EQ(five.cellWidth, 97); // 682 / 7
    EXPECT_EQ(five.rowHeight, 75); // 682 / 9
    EXPECT_EQ(five.dayNumberBand, 20);
    // The first week lies below the title row and the weekday names: its Tuesday's number,
    // then annotations.
    const DayCellRects tuesday = GridDayCell(five, 2, 0);
    ExpectRect(tuesday.number, 194, 100, 291, 120);
    ExpectRect(tuesday.annotation, 194, 120, 291, 175);
    // Six weeks would end at 806: the rows shrink to 3 * (738 - 256) / (3 * 7 + 1).
    EXPECT_EQ(ComputeGridMetrics(g, 6, 13).rowHeight, 65);
    EXPECT_EQ(ComputeGridMetrics(g, 6, 13).cellWidth, 97);
}

TEST(GridMetrics, DayNumberBandGrowsWithTheFontUpToTheRow) {
    const PanelGeometry g = ComputePanelGeometry(PlaceSingleScreen(3840, 2160, 2130));
    EXPECT_EQ(ComputeGridMetrics(g, 5, 34).dayNumberBand, 34);
    const GridMetrics huge = ComputeGridMetrics(g, 5, 5000);
    EXPECT_EQ(huge.dayNumberBand, huge.rowHeight);
    EXPECT_EQ(ComputeGridMetrics(ComputePanelGeometry(0, 0), 6, 13).rowHeight, 0);
}

MonitorArea Monitor(PixelRect monitor, int taskbar, bool primary) {
    return {monitor, {monitor.left, monitor.top, monitor.right, monitor.bottom - taskbar}, primary};
}

TEST(DesktopPlacement, OneMonitorKeepsTheScreenAsFrameAndFitsTheGridToItsWorkArea) {
    DisplayLayout layout{{0, 0, 1920, 1080}, 1, {Monitor({0, 0, 1920, 1080}, 40, true)}};
    const DesktopPlacement p = PlaceDesktop(layout);
    EXPECT_EQ(p.picture.width, 1920);
    EXPECT_EQ(p.picture.height, 1080);
    ExpectRect(p.frame, 0, 0, 1920, 1080);
    EXPECT_EQ(p.gridBottom, 1040);
    EXPECT_TRUE(p == PlaceSingleScreen(1920, 1080, 1040));
}

TEST(DesktopPlacement, SeveralMonitorsPutThePanelsOnThePrimaryWorkArea) {
    // A secondary monitor left of the primary: the virtual screen starts at x = -1280, and
    // its top lies 200 rows above the primary's.
    DisplayLayout layout{
        {-1280, -200, 1920, 1080},
        2,
        {Monitor({-1280, -200, 0, 824}, 0, false), Monitor({0, 0, 1920, 1080}, 40, true)}};
    const DesktopPlacement p = PlaceDesktop(layout);
    EXPECT_EQ(p.picture.width, 3200);
    EXPECT_EQ(p.picture.height, 1280);
    ExpectRect(p.frame, 1280, 200, 3200, 1240); // picture coordinates
    EXPECT_EQ(p.gridBottom, 1240);
    const PanelGeometry g = ComputePanelGeometry(p);
    EXPECT_EQ(g.screen.width, 3200);
    ExpectRect(g.clock, 1280 + 1280, 200, 3200, 200 + 346 / 6);
    ExpectRect(g.monthGrid, 1280 + 640, 200 + 346, 3200, 1240);
    // A taskbar on the left of the primary: nothing lies under it.
    layout.monitors[1].work = {60, 0, 1920, 1080};
    EXPECT_EQ(PlaceDesktop(layout).frame.left, 1280 + 60);
    // No monitor marked primary: the first one is used; none reported: the whole screen.
    layout.monitors[1].primary = false;
    EXPECT_EQ(PlaceDesktop(layout).frame.left, 0);
    layout.monitorCount = 0;
    EXPECT_TRUE(PlaceDesktop(layout) == PlaceSingleScreen(3200, 1280, 1280));
}

TEST(DesktopPlacement, AWorkAreaOutsideTheScreenIsKeptOnThePicture) {
    DisplayLayout layout{
        {0, 0, 800, 600},
        2,
        {Monitor({0, 0, 800, 600}, 30, true), Monitor({800, 0, 1600, 600}, 0, false)}};
    layout.monitors[0].work = {-50, -50, 5000, 5000}; // stale, from before a change
    const DesktopPlacement p = PlaceDesktop(layout);
    ExpectRect(p.frame, 0, 0, 800, 600);
    EXPECT_EQ(p.gridBottom, 600);
}

} // namespace
} // namespace luna
