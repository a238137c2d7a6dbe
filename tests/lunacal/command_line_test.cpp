#include <gtest/gtest.h>

#include "tools/lunacal/command_line.h"

namespace luna::lunacal {
namespace {

const Clock kClock{CivilDate{2004, 1, 22}, 10};

ParseResult Parse(std::vector<std::string> args, const Clock& clock = kClock) {
    return ParseCommandLine(args, clock);
}

TEST(CommandLine, DefaultsComeFromTheClock) {
    ParseResult r = Parse({});
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.command.action, Action::DayText);
    EXPECT_EQ(r.command.date.day, 22);
    EXPECT_EQ(r.command.hour, 10);

    r = Parse({"1999-12-31"});
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.command.date.year, 1999);
    EXPECT_EQ(r.command.hour, 10);

    r = Parse({"1999-1-2", "0"});
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.command.date.month, 1);
    EXPECT_EQ(r.command.date.day, 2);
    EXPECT_EQ(r.command.hour, 0);

    r = Parse({"month"});
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.command.action, Action::Month);
    EXPECT_EQ(r.command.date.year, 2004);
    EXPECT_EQ(r.command.date.month, 1);
    EXPECT_FALSE(r.command.list);

    r = Parse({"month", "2099", "12", "--list"});
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.command.date.year, 2099);
    EXPECT_EQ(r.command.date.month, 12);
    EXPECT_TRUE(r.command.list);

    r = Parse({"export", "1900-01-01", "1900-01-01"});
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.command.action, Action::Export);

    EXPECT_EQ(Parse({"month", "--help"}).command.action, Action::Help);
    EXPECT_TRUE(Parse({"-h"}).ok);
}

TEST(CommandLine, BadInputGivesOneMessage) {
    const std::vector<std::vector<std::string>> bad = {
        {"2004-02-30"},
        {"2003-02-29"},
        {"2004-13-01"},
        {"04-01-22"},
        {"2004/01/22"},
        {"2004-01-22x"},
        {"2004-001-22"},
        {"20040122"},
        {""},
        {"1899-12-31"},
        {"2100-01-01"},
        {"2004-01-22", "24"},
        {"2004-01-22", "-1"},
        {"2004-01-22", "1a"},
        {"2004-01-22", "100"},
        {"2004-01-22", "10", "x"},
        {"export", "2004-02-01", "2004-01-01"},
        {"export", "2004-01-01"},
        {"export", "2004-01-01", "2100-01-01"},
        {"month", "2100", "1"},
        {"month", "2004", "13"},
        {"month", "2004"},
        {"month", "2004", "1", "2"},
        {"month", "04", "1"},
        {"--bogus"},
        {"frobnicate"},
    };
    for (const auto& args : bad) {
        const ParseResult r = Parse(args);
        EXPECT_FALSE(r.ok) << args[0];
        EXPECT_FALSE(r.error.empty());
        EXPECT_EQ(r.error.find('\n'), std::string::npos);
    }
    // A clock outside the table cannot give a default day or month.
    const Clock future{CivilDate{2100, 1, 1}, 0};
    EXPECT_FALSE(Parse({}, future).ok);
    EXPECT_FALSE(Parse({"month"}, future).ok);
    EXPECT_TRUE(Parse({"2004-01-22"}, future).ok);
}

TEST(CommandLine, MessagesNameTheProblem) {
    EXPECT_NE(Parse({"2100-01-01"}).error.find("outside 1900-2099"), std::string::npos);
    EXPECT_NE(Parse({"2004-01-22", "24"}).error.find("0-23"), std::string::npos);
    EXPECT_NE(Parse({"export", "2004-02-01", "2004-01-01"}).error.find("after"), std::string::npos);
    const std::string wild = Parse({std::string("\x01\xC4\xEA") + std::string(100, 'x')}).error;
    EXPECT_LT(wild.size(), 100u);
    for (char c : wild) {
        EXPECT_TRUE(c >= 0x20 && c < 0x7F);
    }
}

TEST(CommandLine, NextDayWalksMonthAndYearEnds) {
    CivilDate d = NextDay(CivilDate{2004, 2, 28});
    EXPECT_EQ(d.day, 29);
    d = NextDay(d);
    EXPECT_EQ(d.month, 3);
    EXPECT_EQ(d.day, 1);
    d = NextDay(CivilDate{1999, 12, 31});
    EXPECT_EQ(d.year, 2000);
    EXPECT_EQ(d.month, 1);
    EXPECT_TRUE(IsAfter(CivilDate{2004, 1, 2}, CivilDate{2004, 1, 1}));
    EXPECT_FALSE(IsAfter(CivilDate{2004, 1, 1}, CivilDate{2004, 1, 1}));
}

} // namespace
} // namespace luna::lunacal
