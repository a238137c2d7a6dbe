#include <cstring>

#include <gtest/gtest.h>

#include "app/logic/calendar_page_rules.h"
#include "page_recorder.h"

namespace luna::test {
namespace {

constexpr char kDisplay[] = "software\\wendrix\\clock\\Display";
constexpr char kCalender[] = "software\\wendrix\\clock\\calender";

FontChoice SomeFont() {
    FontRecord record{};
    record.lfWeight = 400;
    std::strcpy(record.lfFaceName, "Arial");
    return MakeFontChoice("Arial", 90, record);
}

TEST(CalendarPageControls, FirstStartTicksTheBuiltInFestivalsOnly) {
    const FestivalSwitches s = FestivalSwitchesFromSettings(DefaultDisplaySettings());
    EXPECT_TRUE(s.solar);
    EXPECT_TRUE(s.lunar);
    EXPECT_TRUE(s.solarTerms);
    EXPECT_FALSE(s.ownSolar);
    EXPECT_FALSE(s.ownLunar);
}

TEST(CalendarPageApply, WritesFontFestivalsColourInOrderThenOneSettingsMessage) {
    PageBed bed;
    bed.settings.calendarColor = 0x123456;
    CalendarPageFlags flags{true, true, true};
    FestivalSwitches s = FestivalSwitchesFromSettings(bed.settings);
    s.lunar = false;
    s.ownLunar = true;
    ApplyCalendarPage(bed.context, flags, SomeFont(), s);

    const EventLog expected = {"set calender\\FontName",
                               "set calender\\FontSize",
                               "set calender\\FontWeight",
                               "set calender\\Charset",
                               "set calender\\Italic",
                               "set calender\\Bolt",
                               "set calender\\UnderLine",
                               "set calender\\FontSizeTenths",
                               "copy 0",
                               "set Display\\MerryCheckSolar",
                               "set Display\\MerryCheckLunch",
                               "set Display\\MerryCheckJieQi",
                               "set Display\\MerryCheckSelfSolar",
                               "set Display\\MerryCheckSelfLunch",
                               "set calender\\FontColor",
                               "copy 3"};
    EXPECT_EQ(bed.log, expected);
    EXPECT_FALSE(flags.fontChanged || flags.colorChanged || flags.festivalChanged);

    MemoryRegistry& reg = bed.hkcu.memory();
    EXPECT_EQ(StoredNumber(reg, kDisplay, "MerryCheckSolar"), 1);
    EXPECT_EQ(StoredNumber(reg, kDisplay, "MerryCheckLunch"), 0);
    EXPECT_EQ(StoredNumber(reg, kDisplay, "MerryCheckJieQi"), 1);
    EXPECT_EQ(StoredNumber(reg, kDisplay, "MerryCheckSelfSolar"), 0);
    EXPECT_EQ(StoredNumber(reg, kDisplay, "MerryCheckSelfLunch"), 1);
    EXPECT_EQ(StoredNumber(reg, kCalender, "FontColor"), 0x123456);
    EXPECT_EQ(StoredNumber(reg, kCalender, "FontSize"), 9);
    EXPECT_EQ(bed.settings.showLunarFestivals, 0u);
    EXPECT_EQ(bed.settings.showOwnLunarFestivals, 1u);
    ASSERT_EQ(bed.sink.payloads.size(), 2u);
    EXPECT_EQ(std::memcmp(bed.sink.payloads[1].data(), &bed.settings, sizeof bed.settings), 0);
}

TEST(CalendarPageApply, EachFlagAloneDoesOnlyItsPart) {
    {
        PageBed bed;
        CalendarPageFlags flags;
        flags.fontChanged = true;
        ApplyCalendarPage(bed.context, flags, SomeFont(), FestivalSwitches{});
        ASSERT_EQ(bed.log.size(), 9u);
        EXPECT_EQ(bed.log.back(), "copy 0"); // no CD_SETTINGS for a font alone
    }
    {
        PageBed bed;
        CalendarPageFlags flags;
        flags.colorChanged = true;
        ApplyCalendarPage(bed.context, flags, SomeFont(), FestivalSwitches{});
        EXPECT_EQ(bed.log, (EventLog{"set calender\\FontColor", "copy 3"}));
        EXPECT_EQ(bed.settings.showSolarFestivals, 1u); // switches not read without their flag
    }
    {
        PageBed bed;
        CalendarPageFlags flags;
        flags.festivalChanged = true;
        FestivalSwitches all{true, true, true, true, true};
        ApplyCalendarPage(bed.context, flags, SomeFont(), all);
        EXPECT_EQ(bed.log.size(), 6u);
        EXPECT_EQ(bed.log.back(), "copy 3");
        EXPECT_EQ(bed.settings.showOwnSolarFestivals, 1u);
    }
}

// The week numbers live beside the record: stored, then announced with the record, whose
// arrival makes lunahook read them.
TEST(CalendarPageApply, TheWeekNumberTickIsStoredBesideTheRecordAndAnnounced) {
    PageBed bed;
    CalendarPageFlags flags;
    flags.weekNumbersChanged = true;
    FestivalSwitches s = FestivalSwitchesFromSettings(bed.settings);
    s.weekNumbers = true;
    ApplyCalendarPage(bed.context, flags, SomeFont(), s);
    EXPECT_EQ(bed.log, (EventLog{"set Display\\WeekNumbers", "copy 3"}));
    EXPECT_TRUE(WeekNumbersTicked(bed.hkcu.memory()));
}

TEST(CalendarPageApply, NothingWhileTheRegistryIsCleared) {
    PageBed bed;
    bed.registryCleared = true;
    CalendarPageFlags flags{true, true, true};
    ApplyCalendarPage(bed.context, flags, SomeFont(), FestivalSwitches{});
    EXPECT_TRUE(bed.log.empty());
    EXPECT_EQ(bed.settings.showSolarFestivals, 1u);
}

} // namespace
} // namespace luna::test
