#include "app/logic/reminder_apply.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "shared/messages.h"
#include "tests/app_pages/page_recorder.h"

namespace luna {
namespace {

using test::EventLog;
using test::PageBed;

FontChoice ItalicFont() {
    FontRecord record{};
    record.lfHeight = -16;
    record.lfWeight = 700;
    record.lfItalic = 1;
    std::strcpy(record.lfFaceName, "黑体");
    return MakeFontChoice("黑体", 125, record);
}

TEST(ReminderApply, ChosenFontIsWrittenUnderTheReminderKeyThenSentOnce) {
    PageBed bed;
    bool fontChanged = true;
    const FontChoice font = ItalicFont();
    ApplyReminderPage(bed.context, fontChanged, font);
    EXPECT_EQ(
        bed.log,
        (EventLog{"set reminder\\FontName", "set reminder\\FontSize", "set reminder\\FontWeight",
                  "set reminder\\Charset", "set reminder\\Italic", "set reminder\\Bolt",
                  "set reminder\\UnderLine", "set reminder\\FontSizeTenths", "copy 2"}));
    const std::string key = "software\\wendrix\\clock\\reminder";
    EXPECT_EQ(test::StoredText(bed.hkcu.memory(), key, "FontName"), "黑体");
    EXPECT_EQ(test::StoredNumber(bed.hkcu.memory(), key, "FontSize"), 12);
    EXPECT_EQ(test::StoredNumber(bed.hkcu.memory(), key, "Bolt"), 1);
    ASSERT_EQ(bed.sink.payloads.size(), 1u);
    ASSERT_EQ(bed.sink.payloads[0].size(), kFontRecordSize);
    EXPECT_EQ(std::memcmp(bed.sink.payloads[0].data(), &font.record, kFontRecordSize), 0);
    EXPECT_FALSE(fontChanged);

    // Applying again without a new choice writes and sends nothing.
    bed.log.clear();
    ApplyReminderPage(bed.context, fontChanged, font);
    EXPECT_TRUE(bed.log.empty());
}

TEST(ReminderApply, NothingAfterTheRegistryWasClearedOrWithoutAChosenFont) {
    PageBed bed;
    bed.registryCleared = true;
    bool fontChanged = true;
    ApplyReminderPage(bed.context, fontChanged, ItalicFont());
    EXPECT_TRUE(bed.log.empty());

    bed.registryCleared = false;
    fontChanged = false; // chosen, then the font dialog was cancelled
    ApplyReminderPage(bed.context, fontChanged, ItalicFont());
    EXPECT_TRUE(bed.log.empty());
}

TEST(ReminderPagePath, FileLiesInResBesideTheExecutable) {
    char path[260];
    EXPECT_TRUE(ReminderPagePath("C:\\luna\\lunavis.exe", path, sizeof path));
    EXPECT_STREQ(path, "C:\\luna\\res\\Reminder.rem");
    EXPECT_FALSE(ReminderPagePath("lunavis.exe", path, sizeof path));
    EXPECT_STREQ(path, "");
    EXPECT_FALSE(ReminderPagePath("\\lunavis.exe", path, sizeof path));
    const std::string deep = "C:\\" + std::string(245, 'd') + "\\lunavis.exe";
    EXPECT_FALSE(ReminderPagePath(deep.c_str(), path, sizeof path)); // would not fit
}

} // namespace
} // namespace luna
