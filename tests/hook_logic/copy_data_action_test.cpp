#include "hook/logic/copy_data_action.h"

#include "shared/messages.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

namespace luna {
namespace {

// Each code selects its action with its whole record (60 bytes for a font, 96 for the
// settings) or a larger payload, read up to the record's size; anything less is ignored.
TEST(CopyData, EachCodeTakesItsWholeRecordOrNothing) {
    EXPECT_EQ(DecideCopyData(CD_CALENDARFONT, 60, true), CopyDataAction::kCalendarFont);
    EXPECT_EQ(DecideCopyData(CD_CLOCKFONT, 60, true), CopyDataAction::kClockFont);
    EXPECT_EQ(DecideCopyData(CD_REMINDERFONT, 60, true), CopyDataAction::kReminderFont);
    EXPECT_EQ(DecideCopyData(CD_SETTINGS, 96, true), CopyDataAction::kSettings);
    EXPECT_EQ(DecideCopyData(CD_SETTINGSQUIET, 96, true), CopyDataAction::kSettingsQuiet);
    EXPECT_EQ(DecideCopyData(CD_CLOCKFONT, 92, true), CopyDataAction::kClockFont);
    EXPECT_EQ(DecideCopyData(CD_SETTINGS, 4096, true), CopyDataAction::kSettings);

    EXPECT_EQ(DecideCopyData(CD_CALENDARFONT, 59, true), CopyDataAction::kIgnore);
    EXPECT_EQ(DecideCopyData(CD_SETTINGS, 95, true), CopyDataAction::kIgnore);
    EXPECT_EQ(DecideCopyData(CD_SETTINGS, 60, true), CopyDataAction::kIgnore); // a font's size
    EXPECT_EQ(DecideCopyData(CD_SETTINGSQUIET, 0, true), CopyDataAction::kIgnore);
    EXPECT_EQ(DecideCopyData(CD_SETTINGS, 96, false), CopyDataAction::kIgnore);
    EXPECT_EQ(DecideCopyData(4, 96, true), CopyDataAction::kIgnore);
    EXPECT_EQ(DecideCopyData(0x100000000ull, 60, true), CopyDataAction::kIgnore);
}

} // namespace
} // namespace luna

namespace luna {
namespace {

TEST(CopyData, AnAbsurdFontSizeIsCutToASaneRange) {
    FontRecord font{};
    std::memset(font.lfFaceName, 'x', sizeof font.lfFaceName); // no terminator
    font.lfHeight = std::numeric_limits<std::int32_t>::min();
    font.lfWidth = std::numeric_limits<std::int32_t>::max();
    font.lfWeight = 700;
    const FontRecord sane = SaneReceivedFont(font);
    EXPECT_EQ(sane.lfHeight, -kMaxOverlayFontPixels);
    EXPECT_EQ(sane.lfWidth, kMaxOverlayFontPixels);
    EXPECT_EQ(sane.lfWeight, 700);
    EXPECT_EQ(sane.lfFaceName[kFaceNameSize - 1], '\0');
    font.lfHeight = -16; // an ordinary font is left alone
    font.lfWidth = 0;
    EXPECT_EQ(SaneReceivedFont(font).lfHeight, -16);
    EXPECT_EQ(SaneReceivedFont(font).lfWidth, 0);
}

} // namespace
} // namespace luna
