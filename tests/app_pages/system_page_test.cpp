#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "app/logic/calendar_page_rules.h"
#include "app/logic/clock_page_rules.h"
#include "app/logic/system_page_rules.h"
#include "page_recorder.h"

namespace luna::test {
namespace {

constexpr char kClock[] = "software\\wendrix\\clock";
constexpr char kDisplay[] = "software\\wendrix\\clock\\Display";
constexpr char kRun[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kExe[] = "C:\\luna\\lunavis.exe";

void NoSleep(unsigned) {}

TEST(SystemPageControls, StyleButtonFromTheStoredStyle) {
    DisplaySettings s = DefaultDisplaySettings();
    const std::pair<std::uint32_t, DesktopStyleButton> cases[] = {
        {0, DesktopStyleButton::Picture}, {1, DesktopStyleButton::Gradient},
        {2, DesktopStyleButton::Solid},   {3, DesktopStyleButton::Random},
        {9, DesktopStyleButton::Picture},
    };
    for (const auto& [style, button] : cases) {
        s.desktopStyle = style;
        EXPECT_EQ(SystemControlsFromSettings(s).style, button) << style;
    }
    s.autoStart = 1;
    s.shutdownArmed = 1; // the shutdown box always opens unticked
    const SystemPageControls c = SystemControlsFromSettings(s);
    EXPECT_TRUE(c.autoStart);
    EXPECT_FALSE(c.shutdown);
    EXPECT_EQ(c.hourIndex, 0);
    EXPECT_EQ(c.minuteIndex, 0);
}

TEST(SystemPageTexts, ListEntriesAndShutdownTimeArePaddedWithBlanks) {
    char entry[4];
    FormatListNumber(0, entry);
    EXPECT_STREQ(entry, " 0");
    FormatListNumber(59, entry);
    EXPECT_STREQ(entry, "59");
    // Padded entries sort like numbers, so a list's index is its number.
    char nine[4], ten[4];
    FormatListNumber(9, nine);
    FormatListNumber(10, ten);
    EXPECT_LT(std::strcmp(nine, ten), 0);

    char time[kShutdownTimeSize];
    FormatShutdownTime(23, 5, time);
    EXPECT_STREQ(time, "23: 5");
    FormatShutdownTime(7, 5, time);
    EXPECT_STREQ(time, " 7: 5");
    FormatShutdownTime(-1, 99, time); // no selection or a stray index stays a valid time
    EXPECT_STREQ(time, " 0:59");
}

TEST(SystemPageApply, AutostartOnAndOffThroughTheRunKey) {
    PageBed bed;
    SystemPageState state = SystemStateFromSettings(bed.settings);
    SystemPageControls c = SystemControlsFromSettings(bed.settings);
    c.autoStart = true;
    ApplySystemPage(bed.context, bed.hklm, kExe, state, c);
    EXPECT_EQ(bed.log, (EventLog{"set clock\\AutoStart", "set Run\\DeskTop"}));
    EXPECT_EQ(bed.settings.autoStart, 1u);
    EXPECT_EQ(StoredNumber(bed.hkcu.memory(), kClock, "AutoStart"), 1);
    EXPECT_EQ(StoredText(bed.hklm.memory(), kRun, "DeskTop"), kExe);

    bed.log.clear();
    c.autoStart = false;
    ApplySystemPage(bed.context, bed.hklm, kExe, state, c);
    EXPECT_EQ(bed.log, (EventLog{"set clock\\AutoStart", "delete Run\\DeskTop"}));
    EXPECT_EQ(bed.settings.autoStart, 0u);
    EXPECT_EQ(StoredNumber(bed.hkcu.memory(), kClock, "AutoStart"), 0);
    EXPECT_EQ(StoredText(bed.hklm.memory(), kRun, "DeskTop"), "<absent>");
    EXPECT_EQ(bed.hklm.memory().OpenKeyCount(), 0u);
}

TEST(SystemPageApply, WithoutRightsOnTheRunKeyAutostartStaysAndTheRestProceeds) {
    PageBed bed;
    bed.hkcu.memory().PutNumber(kClock, "AutoStart", 1);
    bed.settings.autoStart = 1;
    bed.hklm.memory().DenyAccess(true);
    SystemPageState state = SystemStateFromSettings(bed.settings);
    SystemPageControls c = SystemControlsFromSettings(bed.settings);
    c.autoStart = false;
    c.shutdown = true;
    c.hourIndex = 23;
    c.minuteIndex = 5;
    c.style = DesktopStyleButton::Gradient;
    ApplySystemPage(bed.context, bed.hklm, kExe, state, c);

    EXPECT_EQ(bed.settings.autoStart, 1u);
    EXPECT_EQ(StoredNumber(bed.hkcu.memory(), kClock, "AutoStart"), 1);
    EXPECT_EQ(bed.settings.shutdownArmed, 1u);
    EXPECT_STREQ(bed.settings.shutdownTime, "23: 5");
    EXPECT_EQ(bed.log, (EventLog{"set Display\\DeskTopStyle", "reloadback"}));
}

TEST(SystemPageApply, UntickedShutdownDisarmsAndKeepsTheTime) {
    PageBed bed;
    bed.settings.shutdownArmed = 1;
    std::strcpy(bed.settings.shutdownTime, " 7: 5");
    SystemPageState state = SystemStateFromSettings(bed.settings);
    ApplySystemPage(bed.context, bed.hklm, kExe, state, SystemControlsFromSettings(bed.settings));
    EXPECT_EQ(bed.settings.shutdownArmed, 0u);
    EXPECT_STREQ(bed.settings.shutdownTime, " 7: 5");
}

TEST(SystemPageApply, BackgroundWritesAndReloads) {
    // Same style, no colour, no bitmap: nothing of the background, only autostart.
    {
        PageBed bed;
        bed.settings.desktopStyle = 1;
        SystemPageState state = SystemStateFromSettings(bed.settings);
        ApplySystemPage(bed.context, bed.hklm, kExe, state,
                        SystemControlsFromSettings(bed.settings));
        EXPECT_EQ(bed.log, (EventLog{"set clock\\AutoStart", "delete Run\\DeskTop"}));
    }
    // A bitmap with the style unchanged: BackImage and one reload; the style stays.
    {
        PageBed bed;
        bed.settings.desktopStyle = 3;
        SystemPageState state = SystemStateFromSettings(bed.settings);
        ASSERT_TRUE(ChooseBackImage(state, "C:\\pics\\sea.bmp"));
        ApplySystemPage(bed.context, bed.hklm, kExe, state,
                        SystemControlsFromSettings(bed.settings));
        EXPECT_EQ(bed.log, (EventLog{"set clock\\AutoStart", "delete Run\\DeskTop",
                                     "set clock\\BackImage", "reloadback"}));
        EXPECT_EQ(StoredText(bed.hkcu.memory(), kClock, "BackImage"), "C:\\pics\\sea.bmp");
        EXPECT_EQ(bed.settings.desktopStyle, 3u);
        EXPECT_FALSE(state.backgroundChanged);
    }
    // A bitmap, a new style and a new colour: the bitmap's reload, then one for the rest.
    {
        PageBed bed;
        bed.log.clear();
        SystemPageState state = SystemStateFromSettings(bed.settings);
        ASSERT_TRUE(ChooseBackImage(state, "C:\\a.bmp"));
        state.pendingBackColor = 0x00FF00;
        SystemPageControls c = SystemControlsFromSettings(bed.settings);
        c.style = DesktopStyleButton::Solid;
        ApplySystemPage(bed.context, bed.hklm, kExe, state, c);
        EXPECT_EQ(bed.log,
                  (EventLog{"set clock\\AutoStart", "delete Run\\DeskTop", "set clock\\BackImage",
                            "reloadback", "set Display\\DeskTopStyle",
                            "set Display\\DeskTopBackColor", "reloadback"}));
        EXPECT_EQ(StoredNumber(bed.hkcu.memory(), kDisplay, "DeskTopStyle"), 2);
        EXPECT_EQ(StoredNumber(bed.hkcu.memory(), kDisplay, "DeskTopBackColor"), 0x00FF00);
        EXPECT_EQ(bed.settings.desktopBackColor, 0x00FF00u);
    }
}

TEST(SystemPageBitmap, APathThatDoesNotFitIsRefused) {
    SystemPageState state;
    const std::string tooLong(kPathCapacity, 'a');
    EXPECT_FALSE(ChooseBackImage(state, tooLong.c_str()));
    EXPECT_FALSE(state.backgroundChanged);
    const std::string longest(kPathCapacity - 1, 'b');
    EXPECT_TRUE(ChooseBackImage(state, longest.c_str()));
    EXPECT_EQ(std::string(state.backImagePath), longest);
}

// Clearing on the system page silences every page's next Apply (OK), which the system page
// ends as the last page; the Apply after that writes again.
TEST(ClearingTheRegistry, SilencesOneApplyOfEveryPage) {
    PageBed bed;
    bed.hkcu.memory().PutNumber(kDisplay, "DisPlayYear", 2);
    bed.hkcu.memory().PutText(kClock, "BackImage", "C:\\x.bmp");
    bed.hklm.memory().PutText(kRun, "DeskTop", kExe);

    ClearStoredSettings(bed.context, bed.hklm, NoSleep);
    EXPECT_TRUE(bed.registryCleared);
    EXPECT_FALSE(bed.hkcu.memory().HasKey("software\\wendrix"));
    EXPECT_TRUE(bed.hkcu.memory().HasKey("software"));
    EXPECT_EQ(StoredText(bed.hklm.memory(), kRun, "DeskTop"), "<absent>");
    const DisplaySettings before = bed.settings;

    auto applyAllPages = [&] {
        ClockPageFlags clockFlags{true, true, true};
        ClockPageControls clock = ClockControlsFromSettings(bed.settings);
        clock.hour12 = true;
        ApplyClockPage(bed.context, clockFlags, FontChoice{}, clock);
        CalendarPageFlags calendarFlags{false, true, true};
        ApplyCalendarPage(bed.context, calendarFlags, FontChoice{}, FestivalSwitches{});
        SystemPageState state = SystemStateFromSettings(bed.settings);
        SystemPageControls system = SystemControlsFromSettings(bed.settings);
        system.autoStart = true;
        ApplySystemPage(bed.context, bed.hklm, kExe, state, system);
    };

    bed.log.clear();
    applyAllPages();
    EXPECT_TRUE(bed.log.empty());
    EXPECT_FALSE(bed.registryCleared);
    EXPECT_EQ(std::memcmp(&before, &bed.settings, sizeof before), 0);
    EXPECT_FALSE(bed.hkcu.memory().HasKey("software\\wendrix"));

    applyAllPages();
    EXPECT_FALSE(bed.log.empty());
    EXPECT_EQ(StoredNumber(bed.hkcu.memory(), kDisplay, "DisPlayTime12"), 1);
    EXPECT_EQ(StoredNumber(bed.hkcu.memory(), kClock, "AutoStart"), 1);
    EXPECT_EQ(StoredText(bed.hklm.memory(), kRun, "DeskTop"), kExe);
}

} // namespace
} // namespace luna::test
