#include <gtest/gtest.h>

#include "tests/tools/shell/logic/shell_options.h"
#include "tests/tools/shell/logic/utf.h"
#include "tests/tools/winprobe/logic/probe_args.h"
#include "tests/tools/winprobe/logic/window_path.h"

namespace luna::tools {
namespace {

TEST(ShellOptions, ParsesEveryLayoutAndRejectsNonsense) {
    ShellOptions o;
    std::string error;
    ASSERT_TRUE(ParseShellOptions({}, o, error));
    EXPECT_TRUE(o.defView && o.listView && o.clock);
    EXPECT_FALSE(o.activeDesktop || o.workerW || o.oneThread);

    ASSERT_TRUE(
        ParseShellOptions({"--workerw", "--no-clock", "--log", "Z:\\a b\\s.log"}, o, error));
    EXPECT_TRUE(o.workerW);
    EXPECT_FALSE(o.clock);
    EXPECT_EQ(o.logPath, "Z:\\a b\\s.log");

    EXPECT_FALSE(ParseShellOptions({"--log"}, o, error));
    EXPECT_FALSE(ParseShellOptions({"--bogus"}, o, error));
    EXPECT_NE(error.find("--bogus"), std::string::npos);
    EXPECT_FALSE(ParseShellOptions({"--no-defview", "--workerw"}, o, error));
    EXPECT_FALSE(ParseShellOptions({"--no-defview", "--active-desktop"}, o, error));
    EXPECT_FALSE(ParseShellOptions({"--win11-24h2", "--workerw"}, o, error));
    EXPECT_FALSE(ParseShellOptions({"--win11-24h2", "--no-defview"}, o, error));
}

TEST(ShellOptions, SplitsRequests) {
    EXPECT_EQ(SplitWords("  tray-callback\t65537  517 \n"),
              (std::vector<std::string>{"tray-callback", "65537", "517"}));
    EXPECT_TRUE(SplitWords("   ").empty());
}

TEST(Utf, ConvertsAndEscapes) {
    EXPECT_EQ(Utf16ToUtf8(u"时钟 ok"), u8"时钟 ok");
    EXPECT_EQ(Utf16ToUtf8(u"\U0001F600"), u8"\U0001F600");
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), u8"\uFFFD");
    EXPECT_EQ(EscapeLine("a\nb\\c\td\x01"), "a\\nb\\\\c\\td\\x01");
    EXPECT_EQ(EscapeLine("桌面"), "桌面");
}

TEST(ProbeArgs, RoundTripsEncodedTextAndLeavesOtherArgumentsAlone) {
    EXPECT_EQ(DecodeArgument(EncodeArgument("岚溪创作室")), "岚溪创作室");
    EXPECT_EQ(EncodeArgument("A"), "%u8:41");
    EXPECT_EQ(DecodeArgument("Progman"), "Progman");
    EXPECT_EQ(DecodeArgument("%u8:4"), "%u8:4"); // odd digit count: not an encoding
    EXPECT_EQ(DecodeArgument("%u8:zz"), "%u8:zz");
}

TEST(ProbeArgs, ParsesNumbersAndNames) {
    std::int64_t v = 0;
    ASSERT_TRUE(ParseInteger("0x1400", v));
    EXPECT_EQ(v, 0x1400);
    ASSERT_TRUE(ParseInteger("-1", v));
    EXPECT_EQ(v, -1);
    ASSERT_TRUE(ParseInteger("65537", v));
    EXPECT_EQ(v, 65537);
    ASSERT_TRUE(ParseInteger("UM_CLOCKMENU", v));
    EXPECT_EQ(v, 0x1501);
    ASSERT_TRUE(ParseInteger("WM_RBUTTONUP", v));
    EXPECT_EQ(v, 0x205);
    ASSERT_TRUE(ParseInteger("0xFFFFFFFFFFFFFFFF", v));
    EXPECT_EQ(v, -1);
    EXPECT_FALSE(ParseInteger("", v));
    EXPECT_FALSE(ParseInteger("12a", v));
    EXPECT_FALSE(ParseInteger("WM_NOSUCH", v));
    EXPECT_FALSE(ParseInteger("99999999999999999999999", v));

    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(ParseHexBytes("e6 a1 8c0a", bytes));
    EXPECT_EQ(bytes, (std::vector<std::uint8_t>{0xE6, 0xA1, 0x8C, 0x0A}));
    EXPECT_FALSE(ParseHexBytes("e", bytes));
    EXPECT_FALSE(ParseHexBytes("e 6", bytes));
    EXPECT_FALSE(ParseHexBytes("gg", bytes));
}

TEST(WindowPath, ParsesClassesTitlesIdsAndHandles) {
    std::vector<PathElement> p;
    std::string error;
    ASSERT_TRUE(ParseWindowPath("Shell_TrayWnd/TrayNotifyWnd/TrayClockWClass", p, error));
    ASSERT_EQ(p.size(), 3u);
    EXPECT_EQ(p[2].className, "TrayClockWClass");
    EXPECT_FALSE(p[2].title.has_value());

    ASSERT_TRUE(ParseWindowPath("#32770[日期/时间]/@1", p, error));
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p[0].className, "#32770");
    EXPECT_EQ(*p[0].title, "日期/时间"); // '/' inside brackets belongs to the title
    EXPECT_EQ(p[1].kind, PathElement::Kind::ControlId);
    EXPECT_EQ(p[1].controlId, 1);

    ASSERT_TRUE(ParseWindowPath("0x1A2B/*[]", p, error));
    EXPECT_EQ(p[0].kind, PathElement::Kind::Handle);
    EXPECT_EQ(p[0].handle, 0x1A2Bu);
    EXPECT_EQ(p[1].className, "");
    EXPECT_EQ(*p[1].title, "");

    EXPECT_FALSE(ParseWindowPath("Progman//SysListView32", p, error));
    EXPECT_FALSE(ParseWindowPath("#32770[open", p, error));
    EXPECT_FALSE(ParseWindowPath("Progman/0x12", p, error));
    EXPECT_FALSE(ParseWindowPath("@x", p, error));
    EXPECT_FALSE(ParseWindowPath("A[b]c", p, error));
}

TEST(WindowPath, KeepsBracketsAndSlashesInsideTitles) {
    std::vector<PathElement> p;
    std::string error;
    ASSERT_TRUE(ParseWindowPath("[a[b]/c]/Static", p, error));
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p[0].className, "");
    EXPECT_EQ(*p[0].title, "a[b]/c");
    EXPECT_EQ(p[1].className, "Static");

    ASSERT_TRUE(ParseWindowPath("Internet Explorer_Server", p, error)); // blanks are part of names
    EXPECT_EQ(p[0].className, "Internet Explorer_Server");
    EXPECT_FALSE(ParseWindowPath("", p, error));
    EXPECT_FALSE(ParseWindowPath("Progman/", p, error));
}

TEST(WindowPath, MatchesAsWindowsCompares) {
    std::vector<PathElement> p;
    std::string error;
    ASSERT_TRUE(ParseWindowPath("syslistview32/Button[确定]/@1001", p, error));
    EXPECT_TRUE(ElementMatches(p[0], "SysListView32", "FolderView", 1));
    EXPECT_FALSE(ElementMatches(p[0], "SysListView", "", 1));
    EXPECT_TRUE(ElementMatches(p[1], "Button", "确定", 7));
    EXPECT_FALSE(ElementMatches(p[1], "Button", "确定 ", 7)); // titles are exact
    EXPECT_TRUE(ElementMatches(p[2], "Edit", "", 1001));
    EXPECT_FALSE(ElementMatches(p[2], "Edit", "", 1002));
}

} // namespace
} // namespace luna::tools
