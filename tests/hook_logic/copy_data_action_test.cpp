#include "hook/logic/copy_data_action.h"

#include "shared/messages.h"

#include <gtest/gtest.h>

namespace luna {
namespace {

TEST(CopyData, EachCodeWithItsRecordSelectsItsAction) {
    EXPECT_EQ(DecideCopyData(CD_CALENDARFONT, 60, true), CopyDataAction::kCalendarFont);
    EXPECT_EQ(DecideCopyData(CD_CLOCKFONT, 60, true), CopyDataAction::kClockFont);
    EXPECT_EQ(DecideCopyData(CD_REMINDERFONT, 60, true), CopyDataAction::kReminderFont);
    EXPECT_EQ(DecideCopyData(CD_SETTINGS, 96, true), CopyDataAction::kSettings);
    EXPECT_EQ(DecideCopyData(CD_SETTINGSQUIET, 96, true), CopyDataAction::kSettingsQuiet);
    // Larger payloads are read up to the record's size.
    EXPECT_EQ(DecideCopyData(CD_CLOCKFONT, 92, true), CopyDataAction::kClockFont);
    EXPECT_EQ(DecideCopyData(CD_SETTINGS, 4096, true), CopyDataAction::kSettings);
}

TEST(CopyData, ShortMissingOrUnknownPayloadsAreIgnored) {
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
