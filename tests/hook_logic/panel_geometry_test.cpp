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

TEST(GridMetrics, CellsComeFromTheWidthAlone) {
    const GridMetrics m = ComputeGridMetrics(1024);
    EXPECT_EQ(m.cellWidth, 97); // 682 / 7
    EXPECT_EQ(m.rowHeight, 75); // 682 / 9
    EXPECT_EQ(ComputeGridMetrics(0).cellWidth, 0);
}

} // namespace
} // namespace luna
