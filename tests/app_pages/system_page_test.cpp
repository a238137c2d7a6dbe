#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "app/logic/calendar_page_rules.h"
#include "app/logic/clock_page_rules.h"
#include "app/logic/system_page_rules.h"
#include "page_recorder.h"
#include "shared/messages.h"

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
    const SystemPageControls c = SystemControlsFromSettings(s);
    EXPECT_TRUE(c.autoStart);
    EXPECT_FALSE(c.shutdown);
    EXPECT_EQ(c.hourIndex, 0);
    EXPECT_EQ(c.minuteIndex, 0);
}

// The page opens showing an armed shutdown, with its time.
TEST(SystemPageControls, AnArmedShutdownShowsTickedWithItsTime) {
    DisplaySettings s = DefaultDisplaySettings();
    s.shutdownArmed = 1;
    std::strcpy(s.shutdownTime, "23: 5");
    SystemPageControls c = SystemControlsFromSettings(s);
    EXPECT_TRUE(c.shutdown);
    EXPECT_EQ(c.hourIndex, 23);
    EXPECT_EQ(c.minuteIndex, 5);
    s.shutdownArmed = 0; // disarmed: unticked, whatever time is kept
    c = SystemControlsFromSettings(s);
    EXPECT_FALSE(c.shutdown);
    EXPECT_EQ(c.hourIndex, 0);
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

// Autostart lives under the user's own Run key, quoted, and needs no rights; an Apply that
// changes nothing writes nothing.
TEST(SystemPageApply, AutostartOnAndOffThroughTheUsersRunKeyQuoted) {
    PageBed bed;
    bed.hklm.memory().DenyWrites(true); // a standard account
    const char* exe = "C:\\My Apps\\lunavis\\lunavis.exe";
    SystemPageState state = SystemStateFromSettings(bed.settings);
    SystemPageControls c = SystemControlsFromSettings(bed.settings);
    c.autoStart = true;
    SystemApplyOutcome outcome = ApplySystemPage(bed.context, bed.hklm, exe, state, c);
    EXPECT_EQ(outcome.autoStart, AutostartOutcome::Done);
    EXPECT_EQ(bed.log, (EventLog{"set Run\\DeskTop", "set clock\\AutoStart"}));
    EXPECT_EQ(StoredText(bed.hkcu.memory(), kRun, "DeskTop"),
              "\"C:\\My Apps\\lunavis\\lunavis.exe\"");
    EXPECT_EQ(bed.settings.autoStart, 1u);
    EXPECT_EQ(StoredNumber(bed.hkcu.memory(), kClock, "AutoStart"), 1);
    EXPECT_TRUE(ReadAutostart(bed.hkcu, bed.hklm, "c:\\my apps\\LUNAVIS\\lunavis.exe").user);

    bed.log.clear();
    ApplySystemPage(bed.context, bed.hklm, exe, state, c);
    EXPECT_TRUE(bed.log.empty());

    c.autoStart = false;
    outcome = ApplySystemPage(bed.context, bed.hklm, exe, state, c);
    EXPECT_EQ(outcome.autoStart, AutostartOutcome::Done);
    EXPECT_EQ(bed.log, (EventLog{"delete Run\\DeskTop", "set clock\\AutoStart"}));
    EXPECT_EQ(StoredText(bed.hkcu.memory(), kRun, "DeskTop"), "<absent>");
    EXPECT_EQ(bed.settings.autoStart, 0u);
    EXPECT_EQ(bed.hkcu.memory().OpenKeyCount() + bed.hklm.memory().OpenKeyCount(), 0u);
}

// A machine entry of an older version counts; it is rewritten quoted, and removed with the
// tick, where the account may; where it may not, the user is told and the tick stays true.
TEST(SystemPageApply, AnOlderMachineEntryIsQuotedOrRemovedWhereTheAccountMay) {
    PageBed bed;
    bed.hklm.memory().PutText(kRun, "DeskTop", kExe);
    EXPECT_TRUE(ReadAutostart(bed.hkcu, bed.hklm, kExe).On());
    SystemPageState state = SystemStateFromSettings(bed.settings);
    SystemPageControls c = SystemControlsFromSettings(bed.settings);
    c.autoStart = true;
    ApplySystemPage(bed.context, bed.hklm, kExe, state, c);
    EXPECT_EQ(StoredText(bed.hklm.memory(), kRun, "DeskTop"), "\"C:\\luna\\lunavis.exe\"");
    EXPECT_EQ(StoredText(bed.hkcu.memory(), kRun, "DeskTop"), "<absent>"); // started once

    bed.hklm.memory().DenyWrites(true);
    c.autoStart = false;
    SystemApplyOutcome outcome = ApplySystemPage(bed.context, bed.hklm, kExe, state, c);
    EXPECT_EQ(outcome.autoStart, AutostartOutcome::MachineKeyKept);
    EXPECT_EQ(bed.settings.autoStart, 1u);
    bed.hklm.memory().DenyWrites(false);
    outcome = ApplySystemPage(bed.context, bed.hklm, kExe, state, c);
    EXPECT_EQ(outcome.autoStart, AutostartOutcome::Done);
    EXPECT_EQ(StoredText(bed.hklm.memory(), kRun, "DeskTop"), "<absent>");
    EXPECT_EQ(bed.settings.autoStart, 0u);
}

TEST(SystemPageApply, AFailedOrImpossibleAutostartIsReportedAndNotShownAsOn) {
    PageBed bed;
    SystemPageState state = SystemStateFromSettings(bed.settings);
    SystemPageControls c = SystemControlsFromSettings(bed.settings);
    c.autoStart = true;
    // The path could not be had as GBK: nothing is stored, never a mangled path.
    EXPECT_EQ(ApplySystemPage(bed.context, bed.hklm, "", state, c).autoStart,
              AutostartOutcome::NoPath);
    EXPECT_TRUE(bed.log.empty());
    bed.hkcu.memory().DenyAccess(true);
    EXPECT_EQ(ApplySystemPage(bed.context, bed.hklm, kExe, state, c).autoStart,
              AutostartOutcome::WriteFailed);
    EXPECT_EQ(bed.settings.autoStart, 0u);
}

TEST(Autostart, ACommandStartsThisProgramQuotedOrNot) {
    bool quoted = false;
    EXPECT_TRUE(CommandStartsProgram("\"C:\\luna\\lunavis.exe\"", kExe, &quoted));
    EXPECT_TRUE(quoted);
    EXPECT_TRUE(CommandStartsProgram("\"c:\\LUNA\\lunavis.exe\" /min", kExe, &quoted));
    EXPECT_TRUE(CommandStartsProgram("C:\\luna\\lunavis.exe", kExe, &quoted));
    EXPECT_FALSE(quoted);
    EXPECT_TRUE(CommandStartsProgram("C:\\luna\\lunavis.exe -x", kExe, &quoted));
    EXPECT_FALSE(CommandStartsProgram("C:\\luna\\lunavis.exe2", kExe, &quoted));
    EXPECT_FALSE(CommandStartsProgram("\"C:\\luna\\lunavis.exe", kExe, &quoted));
    EXPECT_FALSE(CommandStartsProgram("D:\\luna\\lunavis.exe", kExe, &quoted));
    EXPECT_FALSE(CommandStartsProgram("", kExe, &quoted));
    EXPECT_FALSE(CommandStartsProgram("\"\"", "", &quoted));
    // A double-byte character whose trail byte is a letter compares exactly.
    EXPECT_FALSE(CommandStartsProgram("C:\\\x81\x61.exe", "C:\\\x81\x41.exe", &quoted));
    char command[kRunCommandCapacity];
    EXPECT_FALSE(AutostartCommand(std::string(262, 'a').c_str(), command));
    EXPECT_TRUE(AutostartCommand(std::string(259, 'a').c_str(), command));
}

// Looking at the page and pressing OK leaves an armed shutdown as it is; only a change of
// its controls arms or disarms it.
TEST(SystemPageApply, TheShutdownChangesOnlyWhenItsControlsChanged) {
    PageBed bed;
    bed.settings.shutdownArmed = 1;
    std::strcpy(bed.settings.shutdownTime, " 7: 5");
    SystemPageState state = SystemStateFromSettings(bed.settings);
    SystemPageControls c = SystemControlsFromSettings(bed.settings);
    c.shutdown = false; // what an unvisited or untouched box reported before
    ApplySystemPage(bed.context, bed.hklm, kExe, state, c);
    EXPECT_EQ(bed.settings.shutdownArmed, 1u);
    EXPECT_STREQ(bed.settings.shutdownTime, " 7: 5");

    state.shutdownChanged = true;
    ApplySystemPage(bed.context, bed.hklm, kExe, state, c);
    EXPECT_EQ(bed.settings.shutdownArmed, 0u);
    EXPECT_STREQ(bed.settings.shutdownTime, " 7: 5");
    EXPECT_FALSE(state.shutdownChanged);

    state.shutdownChanged = true;
    c.shutdown = true;
    c.hourIndex = 23;
    c.minuteIndex = 5;
    EXPECT_FALSE(ApplySystemPage(bed.context, bed.hklm, kExe, state, c).shutdownNotArmed);
    EXPECT_EQ(bed.settings.shutdownArmed, 1u);
    EXPECT_STREQ(bed.settings.shutdownTime, "23: 5");

    // After Windows refused a power-off in this run, arming again is refused and said so.
    bed.settings.shutdownArmed = 0;
    state.powerOffRefused = true;
    state.shutdownChanged = true;
    EXPECT_TRUE(ApplySystemPage(bed.context, bed.hklm, kExe, state, c).shutdownNotArmed);
    EXPECT_EQ(bed.settings.shutdownArmed, 0u);
}

TEST(SystemPageApply, BackgroundWritesAndReloads) {
    // Same style, no colour, no bitmap: nothing of the background, only autostart.
    {
        PageBed bed;
        bed.settings.desktopStyle = 1;
        SystemPageState state = SystemStateFromSettings(bed.settings);
        ApplySystemPage(bed.context, bed.hklm, kExe, state,
                        SystemControlsFromSettings(bed.settings));
        EXPECT_TRUE(bed.log.empty());
    }
    // A bitmap with the style unchanged: BackImage and one reload; the style stays.
    {
        PageBed bed;
        bed.settings.desktopStyle = 3;
        SystemPageState state = SystemStateFromSettings(bed.settings);
        ASSERT_TRUE(ChooseBackImage(state, "C:\\pics\\sea.bmp"));
        ApplySystemPage(bed.context, bed.hklm, kExe, state,
                        SystemControlsFromSettings(bed.settings));
        EXPECT_EQ(bed.log, (EventLog{"set clock\\BackImage", "reloadback"}));
        EXPECT_EQ(StoredText(bed.hkcu.memory(), kClock, "BackImage"), "C:\\pics\\sea.bmp");
        EXPECT_EQ(bed.settings.desktopStyle, 3u);
        EXPECT_FALSE(state.backgroundChanged);
    }
    // A bitmap, a new style and a new colour: the picture's reload, then the settings record
    // that carries the style and colour.
    {
        PageBed bed;
        bed.log.clear();
        SystemPageState state = SystemStateFromSettings(bed.settings);
        ASSERT_TRUE(ChooseBackImage(state, "C:\\a.bmp"));
        state.pendingBackColor = 0x00FF00;
        SystemPageControls c = SystemControlsFromSettings(bed.settings);
        c.style = DesktopStyleButton::Solid;
        ApplySystemPage(bed.context, bed.hklm, kExe, state, c);
        EXPECT_EQ(bed.log, (EventLog{"set clock\\BackImage", "reloadback",
                                     "set Display\\DeskTopStyle", "set Display\\DeskTopBackColor",
                                     "copy " + std::to_string(CD_SETTINGS)}));
        EXPECT_EQ(StoredNumber(bed.hkcu.memory(), kDisplay, "DeskTopStyle"), 2);
        EXPECT_EQ(StoredNumber(bed.hkcu.memory(), kDisplay, "DeskTopBackColor"), 0x00FF00);
        EXPECT_EQ(bed.settings.desktopBackColor, 0x00FF00u);
    }
}

// A new placement is written once and reloads the background; keeping it writes nothing.
TEST(SystemPageApply, APlacementIsWrittenOnlyWhenChanged) {
    PageBed bed;
    SystemPageState state = SystemStateFromSettings(bed.settings);
    SystemPageControls c = SystemControlsFromSettings(bed.settings);
    c.fit = static_cast<int>(PictureFit::Fill);
    ApplySystemPage(bed.context, bed.hklm, kExe, state, c);
    EXPECT_EQ(bed.log, (EventLog{"set Display\\DeskTopFit", "reloadback"}));
    EXPECT_EQ(StoredNumber(bed.hkcu.memory(), kDisplay, "DeskTopFit"), 1);
    bed.log.clear();
    ApplySystemPage(bed.context, bed.hklm, kExe, state, c);
    EXPECT_TRUE(bed.log.empty());
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

// Clearing on the system page silences every page of that sheet, for every Apply (Apply,
// then OK); the flag ends when the sheet closes, and the next sheet writes again.
TEST(ClearingTheRegistry, SilencesEveryPageOfItsSheetAndNoOther) {
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
    applyAllPages(); // Apply
    applyAllPages(); // then OK, in the same sheet
    EXPECT_TRUE(bed.log.empty());
    EXPECT_TRUE(bed.registryCleared);
    EXPECT_EQ(std::memcmp(&before, &bed.settings, sizeof before), 0);
    EXPECT_FALSE(bed.hkcu.memory().HasKey("software\\wendrix"));

    EndSettingsSheet(bed.registryCleared); // the sheet closes, by OK, Cancel or its box
    EXPECT_FALSE(bed.registryCleared);
    applyAllPages();
    EXPECT_FALSE(bed.log.empty());
    EXPECT_EQ(StoredNumber(bed.hkcu.memory(), kDisplay, "DisPlayTime12"), 1);
    EXPECT_EQ(StoredNumber(bed.hkcu.memory(), kClock, "AutoStart"), 1);
    EXPECT_EQ(StoredText(bed.hkcu.memory(), kRun, "DeskTop"), "\"C:\\luna\\lunavis.exe\"");
}

} // namespace
} // namespace luna::test
