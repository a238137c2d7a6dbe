#include <cstring>

#include <gtest/gtest.h>

#include "app/logic/clock_page_rules.h"
#include "page_recorder.h"
#include "shared/messages.h"

namespace luna::test {
namespace {

constexpr char kDisplay[] = "software\\wendrix\\clock\\Display";
constexpr char kClock[] = "software\\wendrix\\clock";

FontChoice BoldFont() {
    FontRecord record{};
    record.lfHeight = -14;
    record.lfWeight = 700;
    record.lfUnderline = 1;
    record.lfCharSet = 134;
    std::strcpy(record.lfFaceName, "宋体");
    return MakeFontChoice("宋体", 105, record);
}

TEST(ClockPageControls, FirstStartShowsTheDefaults) {
    const ClockPageControls c = ClockControlsFromSettings(DefaultDisplaySettings());
    EXPECT_TRUE(c.year4);
    EXPECT_FALSE(c.year2);
    EXPECT_TRUE(c.weekday);
    EXPECT_TRUE(c.date);
    EXPECT_TRUE(c.seconds);
    EXPECT_FALSE(c.hour12);
    EXPECT_TRUE(c.amPm);
    EXPECT_FALSE(c.amPmEnabled);
    EXPECT_FALSE(c.customDateSeparator);
    EXPECT_FALSE(c.customTimeSeparator);
    EXPECT_STREQ(c.dateSeparatorText, "");
    EXPECT_STREQ(c.timeSeparatorText, "");
    EXPECT_EQ(c.dateOrder, DateOrderButton::YearMonthDay);
}

TEST(ClockPageControls, FollowTheStoredSettings) {
    DisplaySettings s = DefaultDisplaySettings();
    s.yearDigits = 2;
    s.hour12 = 1;
    s.amPm = 0;
    s.dateOrder = 2;
    WriteSeparator(s.dateSeparator, "中");
    WriteSeparator(s.timeSeparator, ".");
    ClockPageControls c = ClockControlsFromSettings(s);
    EXPECT_FALSE(c.year4);
    EXPECT_TRUE(c.year2);
    EXPECT_TRUE(c.hour12);
    EXPECT_TRUE(c.amPmEnabled);
    EXPECT_FALSE(c.amPm);
    EXPECT_EQ(c.dateOrder, DateOrderButton::MonthDayYear);
    EXPECT_STREQ(c.dateSeparatorText, "中");
    EXPECT_STREQ(c.timeSeparatorText, ".");

    // Any date order other than 1 and 2 shows day/month/year; a year other than 4 digits
    // shows two.
    for (std::uint8_t order : {0, 3, 200}) {
        s.dateOrder = order;
        EXPECT_EQ(ClockControlsFromSettings(s).dateOrder, DateOrderButton::DayMonthYear);
    }
    s.yearDigits = 7;
    EXPECT_TRUE(ClockControlsFromSettings(s).year2);
}

TEST(ClockPageApply, WritesFontColourAndDisplayInOrderThenOneSettingsMessage) {
    PageBed bed;
    ClockPageFlags flags{true, true, true};
    bed.settings.clockColor = 0x00336699;
    ClockPageControls c = ClockControlsFromSettings(bed.settings);
    c.year2 = true;
    c.year4 = false;
    c.hour12 = true;
    c.amPm = false;
    c.seconds = false;
    c.customDateSeparator = true;
    std::strcpy(c.dateSeparatorText, "-");
    c.customTimeSeparator = true;
    std::strcpy(c.timeSeparatorText, "时");
    c.dateOrder = DateOrderButton::DayMonthYear;

    const FontChoice font = BoldFont();
    const ClockApplyResult result = ApplyClockPage(bed.context, flags, font, c);

    const EventLog expected = {"set clock\\FontName",
                               "set clock\\FontSize",
                               "set clock\\FontWeight",
                               "set clock\\Charset",
                               "set clock\\Italic",
                               "set clock\\Bolt",
                               "set clock\\UnderLine",
                               "set clock\\FontSizeTenths",
                               "copy 1",
                               "set clock\\FontColor",
                               "set Display\\DateSeparator",
                               "set Display\\TimeSparator",
                               "set Display\\DisPlayYear",
                               "set Display\\DisPlayMonth",
                               "set Display\\DisPlayDate",
                               "set Display\\DisPlaySecond",
                               "set Display\\DisPlayTime12",
                               "set Display\\DisPlayStyle",
                               "set Display\\DaySparator",
                               "copy 3"};
    EXPECT_EQ(bed.log, expected);
    EXPECT_FALSE(flags.fontChanged || flags.colorChanged || flags.displayChanged);
    EXPECT_TRUE(result.dateSeparatorStored);
    EXPECT_TRUE(result.timeSeparatorStored);

    MemoryRegistry& reg = bed.hkcu.memory();
    EXPECT_EQ(StoredText(reg, kClock, "FontName"), "宋体");
    EXPECT_EQ(StoredNumber(reg, kClock, "FontSize"), 10);
    EXPECT_EQ(StoredNumber(reg, kClock, "Bolt"), 1);
    EXPECT_EQ(StoredNumber(reg, kClock, "UnderLine"), 1);
    EXPECT_EQ(StoredNumber(reg, kClock, "FontColor"), 0x00336699);
    EXPECT_EQ(StoredNumber(reg, kDisplay, "DisPlayYear"), 2);
    EXPECT_EQ(StoredNumber(reg, kDisplay, "DisPlayTime12"), 1);
    EXPECT_EQ(StoredNumber(reg, kDisplay, "DisPlaySecond"), 0);
    EXPECT_EQ(StoredNumber(reg, kDisplay, "DisPlayStyle"), 3);
    EXPECT_EQ(StoredNumber(reg, kDisplay, "DaySparator"), 0);
    EXPECT_EQ(StoredText(reg, kDisplay, "DateSeparator"), "-");
    EXPECT_EQ(StoredText(reg, kDisplay, "TimeSparator"), "时");

    // The messages carry the dialog's own font record and the updated settings.
    ASSERT_EQ(bed.sink.payloads.size(), 2u);
    ASSERT_EQ(bed.sink.payloads[0].size(), kFontRecordSize);
    EXPECT_EQ(std::memcmp(bed.sink.payloads[0].data(), &font.record, kFontRecordSize), 0);
    ASSERT_EQ(bed.sink.payloads[1].size(), kDisplaySettingsSize);
    EXPECT_EQ(std::memcmp(bed.sink.payloads[1].data(), &bed.settings, kDisplaySettingsSize), 0);
    EXPECT_EQ(bed.settings.yearDigits, 2);
    EXPECT_EQ(bed.settings.dateOrder, 3);
    EXPECT_STREQ(ReadSeparator(bed.settings.timeSeparator).text, "时");
}

TEST(ClockPageApply, SeparatorsOnlyWhenTheirBoxesAreTicked) {
    PageBed bed;
    WriteSeparator(bed.settings.dateSeparator, "/");
    ClockPageFlags flags;
    flags.displayChanged = true;
    ClockPageControls c = ClockControlsFromSettings(bed.settings);
    std::strcpy(c.dateSeparatorText, "."); // typed, then the box unticked again
    const ClockApplyResult result = ApplyClockPage(bed.context, flags, FontChoice{}, c);

    EXPECT_FALSE(result.dateSeparatorStored);
    EXPECT_FALSE(result.timeSeparatorStored);
    EXPECT_STREQ(ReadSeparator(bed.settings.dateSeparator).text, "/");
    EXPECT_EQ(StoredText(bed.hkcu.memory(), kDisplay, "DateSeparator"), "<absent>");
    EXPECT_EQ(bed.log.front(), "set Display\\DisPlayYear");
    EXPECT_EQ(bed.log.back(), "copy 3");
}

TEST(ClockPageApply, EachFlagAloneDoesOnlyItsPart) {
    {
        PageBed bed;
        ClockPageFlags flags;
        flags.fontChanged = true;
        ApplyClockPage(bed.context, flags, BoldFont(), ClockPageControls{});
        EXPECT_EQ(bed.log.size(), 9u);
        EXPECT_EQ(bed.log.back(), "copy 1"); // a font alone sends no CD_SETTINGS
    }
    {
        PageBed bed;
        ClockPageFlags flags;
        flags.colorChanged = true;
        bed.settings.clockColor = 0xFF;
        ApplyClockPage(bed.context, flags, FontChoice{}, ClockPageControls{});
        EXPECT_EQ(bed.log, (EventLog{"set clock\\FontColor", "copy 3"}));
        EXPECT_FALSE(flags.colorChanged);
    }
    {
        PageBed bed;
        ClockPageFlags flags;
        ApplyClockPage(bed.context, flags, BoldFont(), ClockPageControls{});
        EXPECT_TRUE(bed.log.empty());
    }
}

TEST(ClockPageApply, BothYearBoxesTickedGiveTwoDigits) {
    PageBed bed;
    ClockPageFlags flags;
    flags.displayChanged = true;
    ClockPageControls c = ClockControlsFromSettings(bed.settings);
    c.year2 = true;
    ApplyClockPage(bed.context, flags, FontChoice{}, c);
    EXPECT_EQ(bed.settings.yearDigits, 2);
}

TEST(ClockPageApply, NothingWhileTheRegistryIsCleared) {
    PageBed bed;
    bed.registryCleared = true;
    ClockPageFlags flags{true, true, true};
    ClockPageControls c = ClockControlsFromSettings(bed.settings);
    c.hour12 = true;
    ApplyClockPage(bed.context, flags, BoldFont(), c);
    EXPECT_TRUE(bed.log.empty());
    EXPECT_EQ(bed.settings.hour12, 0u);
    EXPECT_TRUE(bed.registryCleared); // only the system page ends the cleared state
}

TEST(ClockPageSeparators, TwoBytesFitAndReadBackExactly) {
    EXPECT_TRUE(SeparatorFits(""));
    EXPECT_TRUE(SeparatorFits("ab"));
    EXPECT_TRUE(SeparatorFits("中"));
    EXPECT_FALSE(SeparatorFits("abc"));
    EXPECT_FALSE(SeparatorFits("中文"));
    EXPECT_STREQ(kSeparatorTooLongMessage, "“请填入不多于2个的字符。”");

    for (const char* text : {"ab", "中", ":", ""}) {
        PageBed bed;
        ClockPageFlags flags;
        flags.displayChanged = true;
        ClockPageControls c = ClockControlsFromSettings(bed.settings);
        c.customTimeSeparator = true;
        std::strcpy(c.timeSeparatorText, text);
        ApplyClockPage(bed.context, flags, FontChoice{}, c);
        EXPECT_EQ(StoredText(bed.hkcu.memory(), kDisplay, "TimeSparator"), text);
        EXPECT_STREQ(ReadSeparator(bed.settings.timeSeparator).text, text);
        // The neighbouring date separator field is untouched.
        EXPECT_STREQ(ReadSeparator(bed.settings.dateSeparator).text, "");
    }
}

TEST(FontChoice, TakesTheDialogsAttributes) {
    FontRecord record{};
    record.lfWeight = 400;
    record.lfItalic = 1;
    record.lfCharSet = 134;
    const std::string longFace(40, 'x');
    const FontChoice font = MakeFontChoice(longFace.c_str(), 120, record);
    EXPECT_EQ(font.bold, 0u);
    EXPECT_EQ(font.underline, 0u);
    EXPECT_EQ(font.italic, 1);
    EXPECT_EQ(font.charset, 134);
    EXPECT_EQ(font.pointSizeTenths, 120);
    EXPECT_EQ(std::strlen(font.face), kFaceNameSize - 1);
}

} // namespace
} // namespace luna::test
