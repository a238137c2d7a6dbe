#include "shared/settings_registry.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/support/memory_registry.h"
#include "shared/picture_fit.h"
#include "shared/registry_layout.h"

namespace luna {
namespace {

using Names = std::vector<std::string>;

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

void PutFont(MemoryRegistry& reg, const char* key, const std::string& face, std::uint32_t size) {
    reg.PutText(key, regvalue::FontName, face);
    reg.PutNumber(key, regvalue::FontSize, size);
    reg.PutNumber(key, regvalue::FontWeight, 700);
    reg.PutNumber(key, regvalue::Charset, 0x186); // only the low byte counts
    reg.PutNumber(key, regvalue::Italic, 1);
    reg.PutNumber(key, regvalue::UnderLine, 0);
}

TEST(SettingsLoad, FirstLoadCreatesTheKeysEmptyAndKeepsEveryDefault) {
    MemoryRegistry hkcu;
    const DisplaySettings loaded = LoadDisplaySettings(hkcu);
    const DisplaySettings defaults = DefaultDisplaySettings();
    EXPECT_EQ(std::memcmp(&loaded, &defaults, sizeof loaded), 0);
    FontRecord font;
    EXPECT_FALSE(ReadRegFont(hkcu, regkey::Calender, {}, &font));
    EXPECT_FALSE(ReadRegFont(hkcu, regkey::Clock, {}, &font));
    EXPECT_FALSE(ReadRegFont(hkcu, regkey::Reminder, {}, &font));
    EXPECT_EQ(hkcu.KeyPaths(),
              (Names{"software", "software\\wendrix", "software\\wendrix\\clock",
                     "software\\wendrix\\clock\\calender", "software\\wendrix\\clock\\display",
                     "software\\wendrix\\clock\\reminder"}));
    for (const char* key : {regkey::Clock, regkey::Display, regkey::Calender, regkey::Reminder}) {
        EXPECT_TRUE(hkcu.ValueNames(key).empty()) << key;
    }
    EXPECT_EQ(hkcu.OpenKeyCount(), 0u);
}

TEST(SettingsLoad, PresentValuesFillTheirFieldsAndByteFieldsTakeTheLowByte) {
    MemoryRegistry hkcu;
    LoadDisplaySettings(hkcu); // keys exist now: values written later count
    hkcu.PutNumber(regkey::Display, regvalue::DisPlayYear, 0x302);
    hkcu.PutNumber(regkey::Display, regvalue::DisPlayStyle, 0x103);
    hkcu.PutNumber(regkey::Display, regvalue::DisPlayTime12, 1);
    hkcu.PutNumber(regkey::Display, regvalue::DaySparator, 0);
    hkcu.PutNumber(regkey::Display, regvalue::MerryCheckSelfLunch, 1);
    hkcu.PutNumber(regkey::Display, regvalue::DeskTopStyle, 2);
    hkcu.PutNumber(regkey::Display, regvalue::DeskTopBackColor, 0x00FF8000);
    hkcu.PutNumber(regkey::Display, regvalue::ReminderExact, 0x1FF);
    hkcu.PutText(regkey::Display, regvalue::DateSeparator, "-");
    hkcu.PutText(regkey::Display, regvalue::TimeSparator, "");
    hkcu.PutNumber(regkey::Calender, regvalue::FontColor, 0x0000FF);
    hkcu.PutNumber(regkey::Clock, regvalue::FontColor, 0x00FF00);
    hkcu.PutNumber(regkey::Clock, regvalue::AutoStart, 1);
    const DisplaySettings s = LoadDisplaySettings(hkcu);
    EXPECT_EQ(s.yearDigits, 2);
    EXPECT_EQ(s.dateOrder, 3);
    EXPECT_EQ(s.hour12, 1u);
    EXPECT_EQ(s.amPm, 0u);
    EXPECT_EQ(s.showOwnLunarFestivals, 1u);
    EXPECT_EQ(s.desktopStyle, 2u);
    EXPECT_EQ(s.desktopBackColor, 0x00FF8000u);
    EXPECT_EQ(s.reminderExact, 0xFF);
    EXPECT_EQ(std::string(s.dateSeparator, 2), std::string("-\0", 2));
    EXPECT_EQ(std::string(s.timeSeparator, 2), std::string("\0\0", 2));
    EXPECT_EQ(s.calendarColor, 0x0000FFu);
    EXPECT_EQ(s.clockColor, 0x00FF00u);
    EXPECT_EQ(s.autoStart, 1u);
    EXPECT_EQ(s.showSeconds, 1u); // absent: default
}

TEST(SettingsLoad, DamagedValuesAreRefusedAndTheirDefaultsStand) {
    MemoryRegistry hkcu;
    LoadDisplaySettings(hkcu);
    hkcu.Put(regkey::Display, regvalue::DisPlayYear, kRegSz, Bytes("2"));
    hkcu.Put(regkey::Display, regvalue::DisPlaySecond, kRegDword, {0, 0});
    hkcu.Put(regkey::Display, regvalue::DisPlayDate, kRegBinary, {0, 0, 0, 0});
    hkcu.Put(regkey::Display, regvalue::DisPlayMonth, kRegDword, {0, 0, 0, 0, 0, 0, 0, 0});
    hkcu.PutText(regkey::Display, regvalue::DateSeparator, "abc"); // longer than 2 bytes
    hkcu.PutNumber(regkey::Display, regvalue::TimeSparator, 0x3A); // not a text
    hkcu.Put(regkey::Clock, regvalue::FontColor, kRegSz, Bytes("red!"));
    const DisplaySettings s = LoadDisplaySettings(hkcu);
    const DisplaySettings defaults = DefaultDisplaySettings();
    EXPECT_EQ(std::memcmp(&s, &defaults, sizeof s), 0);
}

TEST(SettingsLoad, TextsReadBackWithOrWithoutTerminatorButNeverOverflow) {
    MemoryRegistry hkcu;
    LoadDisplaySettings(hkcu);
    hkcu.PutText(regkey::Display, regvalue::TimeSparator, "时"); // two GBK bytes, no NUL
    hkcu.Put(regkey::Display, regvalue::DateSeparator, kRegSz, {'/', 0, 'x'}); // NUL inside
    DisplaySettings s = LoadDisplaySettings(hkcu);
    EXPECT_EQ(std::string(s.timeSeparator, 2), "时");
    EXPECT_EQ(std::string(s.dateSeparator, 2), std::string("/\0", 2));

    hkcu.Put(regkey::Display, regvalue::DateSeparator, kRegSz, {'/', 0, 'x', 'y'}); // too large
    s = LoadDisplaySettings(hkcu);
    EXPECT_EQ(std::string(s.dateSeparator, 2), std::string("\0\0", 2));

    char buffer[4] = {'?', '?', '?', '?'};
    hkcu.PutText(regkey::Clock, "Fill", "abcd"); // fills the buffer, no room for the NUL
    EXPECT_FALSE(ReadRegText(hkcu, regkey::Clock, "Fill", buffer));
    EXPECT_EQ(std::string(buffer, 4), "????"); // untouched
    hkcu.Put(regkey::Clock, "Fill", kRegSz, Bytes(std::string("abc\0", 4)));
    EXPECT_TRUE(ReadRegText(hkcu, regkey::Clock, "Fill", buffer));
    EXPECT_STREQ(buffer, "abc");
}

TEST(BackImage, MissingOrUnusableValueGetsTheDefaultBesideTheExecutable) {
    MemoryRegistry hkcu;
    LoadDisplaySettings(hkcu);
    EnsureBackImage(hkcu, "C:\\Program Files\\luna\\lunavis.exe");
    char path[260];
    ASSERT_TRUE(ReadRegText(hkcu, regkey::Clock, regvalue::BackImage, path));
    EXPECT_STREQ(path, "C:\\Program Files\\luna\\res\\back.png");
    EXPECT_EQ(hkcu.Find(regkey::Clock, regvalue::BackImage)->data.size(), std::strlen(path));
    EXPECT_EQ(ReadPictureFit(hkcu, RegAccess::Query), PictureFit::Fill); // a new installation

    hkcu.PutText(regkey::Clock, regvalue::BackImage, "D:\\pics\\sea.bmp");
    EnsureBackImage(hkcu, "C:\\luna\\lunavis.exe");
    ASSERT_TRUE(ReadRegText(hkcu, regkey::Clock, regvalue::BackImage, path));
    EXPECT_STREQ(path, "D:\\pics\\sea.bmp");

    hkcu.PutText(regkey::Clock, regvalue::BackImage, "D:\\" + std::string(257, 'p'));
    EXPECT_FALSE(ReadRegText(hkcu, regkey::Clock, regvalue::BackImage, path)); // 260 bytes
    EnsureBackImage(hkcu, "C:\\luna\\lunavis.exe");
    ASSERT_TRUE(ReadRegText(hkcu, regkey::Clock, regvalue::BackImage, path));
    EXPECT_STREQ(path, "C:\\luna\\res\\back.png");
}

// Those who kept the old default see the new one; their placement stays as it was.
TEST(BackImage, TheOldDefaultBesideTheExecutableBecomesTheNewOne) {
    MemoryRegistry hkcu;
    hkcu.PutText(regkey::Clock, regvalue::BackImage, "C:\\luna\\res\\back.bmp");
    EnsureBackImage(hkcu, "C:\\luna\\lunavis.exe");
    char path[260];
    ASSERT_TRUE(ReadRegText(hkcu, regkey::Clock, regvalue::BackImage, path));
    EXPECT_STREQ(path, "C:\\luna\\res\\back.png");
    EXPECT_EQ(ReadPictureFit(hkcu, RegAccess::Query), PictureFit::Stretch);

    hkcu.PutText(regkey::Clock, regvalue::BackImage, "D:\\res\\back.bmp"); // the user's own
    EnsureBackImage(hkcu, "C:\\luna\\lunavis.exe");
    ASSERT_TRUE(ReadRegText(hkcu, regkey::Clock, regvalue::BackImage, path));
    EXPECT_STREQ(path, "D:\\res\\back.bmp");
}

TEST(BackImage, NothingIsWrittenWithoutAFolderOrWhenTheResultWouldNotFit) {
    MemoryRegistry hkcu;
    LoadDisplaySettings(hkcu);
    EnsureBackImage(hkcu, "lunavis.exe");
    EnsureBackImage(hkcu, ("C:\\" + std::string(250, 'd') + "\\lunavis.exe").c_str());
    EXPECT_EQ(hkcu.Find(regkey::Clock, regvalue::BackImage), nullptr);
}

TEST(FontGroup, TenAndAHalfPointsIsStoredWithItsTenthsAndReadBackWhole) {
    MemoryRegistry hkcu;
    FontRecord chosen{};
    chosen.lfHeight = -14;
    chosen.lfWeight = 700;
    chosen.lfCharSet = 134;
    chosen.lfUnderline = 5;
    std::strcpy(chosen.lfFaceName, "宋体");
    WriteFontGroup(hkcu, regkey::Clock, "宋体", 105, chosen);
    EXPECT_EQ(hkcu.ValueNames(regkey::Clock),
              (Names{"FontName", "FontSize", "FontWeight", "Charset", "Italic", "Bolt", "UnderLine",
                     "FontSizeTenths"}));
    EXPECT_EQ(hkcu.Find(regkey::Clock, "FontName")->data, Bytes("宋体")); // no terminator
    EXPECT_EQ(hkcu.Find(regkey::Clock, "FontSize")->data, (std::vector<std::uint8_t>{10, 0, 0, 0}));
    EXPECT_EQ(hkcu.Find(regkey::Clock, "Bolt")->data[0], 1);
    EXPECT_EQ(hkcu.Find(regkey::Clock, "UnderLine")->data[0], 1);

    FontRecord font;
    std::memset(&font, 0x55, sizeof font);
    ASSERT_TRUE(ReadRegFont(hkcu, regkey::Clock, {}, &font));
    FontRecord expected{};
    expected.lfHeight = -14; // 96 * 10.5 / 72
    expected.lfWeight = 700;
    expected.lfCharSet = 134;
    expected.lfUnderline = 1;
    std::strcpy(expected.lfFaceName, "宋体");
    EXPECT_EQ(std::memcmp(&font, &expected, sizeof font), 0);
    ScreenMetrics dpi192;
    dpi192.logPixelsY = 192;
    ASSERT_TRUE(ReadRegFont(hkcu, regkey::Clock, dpi192, &font));
    EXPECT_EQ(font.lfHeight, -28); // 10.5 pt at 192 DPI, where 10 pt would give 26

    // An earlier version changed FontSize to 12 and left the tenths behind: 12 points.
    hkcu.PutNumber(regkey::Clock, regvalue::FontSize, 12);
    ASSERT_TRUE(ReadRegFont(hkcu, regkey::Clock, {}, &font));
    EXPECT_EQ(font.lfHeight, -16);
    // A group written by an earlier version has no tenths: its whole points, as ever.
    RegKey clock = 0;
    ASSERT_TRUE(hkcu.OpenKey(regkey::Clock, RegAccess::All, &clock));
    ASSERT_TRUE(hkcu.DeleteValue(clock, regvalue::FontSizeTenths));
    hkcu.CloseKey(clock);
    hkcu.PutNumber(regkey::Clock, regvalue::FontSize, 10);
    ASSERT_TRUE(ReadRegFont(hkcu, regkey::Clock, {}, &font));
    EXPECT_EQ(font.lfHeight, -13);
}

TEST(FontGroup, HeightUsesTheScreenAndItsDeviceToLogicalConversion) {
    ScreenMetrics screen;
    screen.logPixelsY = 120;
    screen.toLogical = [](std::int32_t device, void* scale) {
        return device * *static_cast<int*>(scale);
    };
    int scale = 2;
    screen.context = &scale;
    const FontRecord font = BuildFontRecord("Arial", 90, 400, 0x1FF, 0x101, 0, screen);
    EXPECT_EQ(font.lfHeight, -30); // 120 * 9 / 72 = 15 device units, 30 logical
    EXPECT_EQ(font.lfCharSet, 0xFF);
    EXPECT_EQ(font.lfItalic, 1);
    EXPECT_STREQ(font.lfFaceName, "Arial");
}

TEST(FontGroup, AMissingOrDamagedValueFailsOnlyThatFontAndBoltIsNeverRead) {
    MemoryRegistry hkcu;
    for (const char* key : {regkey::Clock, regkey::Calender, regkey::Reminder}) {
        PutFont(hkcu, key, "Arial", 12);
    }
    hkcu.DeleteValue(0, "none"); // harmless on a bad handle
    RegKey clock = 0;
    ASSERT_TRUE(hkcu.OpenKey(regkey::Clock, RegAccess::All, &clock));
    ASSERT_TRUE(hkcu.DeleteValue(clock, regvalue::Charset));
    hkcu.CloseKey(clock);
    FontRecord font;
    std::memset(&font, 0x55, sizeof font);
    EXPECT_FALSE(ReadRegFont(hkcu, regkey::Clock, {}, &font));
    EXPECT_EQ(font.lfHeight, 0x55555555); // left untouched
    EXPECT_TRUE(ReadRegFont(hkcu, regkey::Calender, {}, &font));
    EXPECT_EQ(font.lfCharSet, 0x86);
    EXPECT_EQ(font.lfHeight, -16);
    hkcu.PutNumber(regkey::Reminder, regvalue::Bolt, 0);
    EXPECT_TRUE(ReadRegFont(hkcu, regkey::Reminder, {}, &font));
    EXPECT_EQ(font.lfWeight, 700);

    PutFont(hkcu, regkey::Reminder, std::string(31, 'f'), 12);
    EXPECT_TRUE(ReadRegFont(hkcu, regkey::Reminder, {}, &font));
    EXPECT_EQ(std::string(font.lfFaceName), std::string(31, 'f'));
    PutFont(hkcu, regkey::Reminder, std::string(32, 'f'), 12);
    EXPECT_FALSE(ReadRegFont(hkcu, regkey::Reminder, {}, &font));
    PutFont(hkcu, regkey::Reminder, std::string(200, 'f'), 12);
    EXPECT_FALSE(ReadRegFont(hkcu, regkey::Reminder, {}, &font));
    PutFont(hkcu, regkey::Reminder, "Arial", 0xFFFFFFFF);
    EXPECT_FALSE(ReadRegFont(hkcu, regkey::Reminder, {}, &font));
    PutFont(hkcu, regkey::Reminder, "Arial", 12);
    hkcu.Put(regkey::Reminder, regvalue::Italic, kRegDword, {1});
    EXPECT_FALSE(ReadRegFont(hkcu, regkey::Reminder, {}, &font));
}

TEST(RegistryWrites, NumbersTakeFourBytesTextsNoTerminatorAndADeniedKeyWritesNothing) {
    MemoryRegistry hkcu;
    WriteRegValue(hkcu, regkey::Display, regvalue::DisPlayYear, nullptr, 0x01020304, kRegDword,
                  true);
    WriteRegValue(hkcu, regkey::Display, regvalue::DateSeparator, "年", 0, kRegSz, false);
    EXPECT_EQ(hkcu.Find(regkey::Display, "DisPlayYear")->data,
              (std::vector<std::uint8_t>{4, 3, 2, 1}));
    EXPECT_EQ(hkcu.Find(regkey::Display, "DateSeparator")->type, kRegSz);
    EXPECT_EQ(hkcu.Find(regkey::Display, "DateSeparator")->data, Bytes("年"));
    std::uint32_t number = 7;
    EXPECT_FALSE(ReadRegNumber(hkcu, regkey::Calender, regvalue::FontColor, &number)); // new key
    hkcu.DenyAccess(true);
    WriteRegNumber(hkcu, regkey::Display, regvalue::DeskTopStyle, 3);
    EXPECT_FALSE(ReadRegNumber(hkcu, regkey::Display, regvalue::DisPlayYear, &number));
    EXPECT_EQ(number, 7u);
    hkcu.DenyAccess(false);
    EXPECT_EQ(hkcu.Find(regkey::Display, "DeskTopStyle"), nullptr);
}

MemoryRegistry* gWatched = nullptr;
std::vector<Names> gKeysAtPause;

TEST(ClearRegistry, RemovesTheProductKeysLeafFirstAndTheAutostartValue) {
    MemoryRegistry hkcu;
    MemoryRegistry hklm;
    LoadDisplaySettings(hkcu);
    FontRecord font;
    ReadRegFont(hkcu, regkey::Reminder, {}, &font);
    hkcu.PutText("software\\other", "Keep", "yes");
    hklm.PutText(regkey::Run, regvalue::DeskTop, "C:\\luna\\lunavis.exe");
    hklm.PutText(regkey::Run, "Other", "C:\\other.exe");
    gWatched = &hkcu;
    gKeysAtPause.clear();
    ClearRegistry(hkcu, hklm, [](unsigned ms) {
        EXPECT_EQ(ms, 100u);
        gKeysAtPause.push_back(gWatched->KeyPaths());
    });
    ASSERT_EQ(gKeysAtPause.size(), 2u);
    EXPECT_FALSE(std::count(gKeysAtPause[0].begin(), gKeysAtPause[0].end(),
                            "software\\wendrix\\clock\\calender"));
    EXPECT_TRUE(std::count(gKeysAtPause[0].begin(), gKeysAtPause[0].end(),
                           "software\\wendrix\\clock\\display"));
    EXPECT_FALSE(std::count(gKeysAtPause[1].begin(), gKeysAtPause[1].end(),
                            "software\\wendrix\\clock\\display"));
    EXPECT_EQ(hkcu.KeyPaths(), (Names{"software", "software\\other"}));
    EXPECT_EQ(hklm.ValueNames(regkey::Run), Names{"Other"});
    EXPECT_EQ(hkcu.OpenKeyCount() + hklm.OpenKeyCount(), 0u);

    // The user's Run value goes too (where autostart lives now).
    MemoryRegistry user;
    user.PutText(regkey::Run, regvalue::DeskTop, "\"C:\\luna\\lunavis.exe\"");
    user.PutText(regkey::Run, "Other", "C:\\other.exe");
    ClearRegistry(user, hklm, nullptr);
    EXPECT_EQ(user.ValueNames(regkey::Run), Names{"Other"});

    // Nothing left to clear: every step fails quietly.
    ClearRegistry(hkcu, hklm, nullptr);
    EXPECT_EQ(hkcu.KeyPaths(), (Names{"software", "software\\other"}));
}

TEST(ClearRegistry, AForeignSubkeyKeepsItsParentsAndTheRestIsStillCleared) {
    MemoryRegistry hkcu;
    MemoryRegistry hklm;
    LoadDisplaySettings(hkcu);
    hkcu.PutText("software\\wendrix\\clock\\skins", "Name", "x");
    hklm.PutText(regkey::Run, regvalue::DeskTop, "C:\\luna\\lunavis.exe");
    ClearRegistry(hkcu, hklm, nullptr);
    EXPECT_EQ(hkcu.KeyPaths(), (Names{"software", "software\\wendrix", "software\\wendrix\\clock",
                                      "software\\wendrix\\clock\\skins"}));
    EXPECT_TRUE(hklm.ValueNames(regkey::Run).empty());
}

} // namespace
} // namespace luna
