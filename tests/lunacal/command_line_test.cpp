#include <gtest/gtest.h>

#include <sstream>

#include "tools/lunacal/command_line.h"

namespace luna::lunacal {
namespace {

const Clock kClock{CivilDate{2004, 1, 22}, 10};

ParseResult Parse(const std::string& line, const Clock& clock = kClock) {
    std::vector<std::string> args;
    std::istringstream words(line);
    for (std::string word; words >> word;) {
        args.push_back(word);
    }
    return ParseCommandLine(args, clock);
}

// yyyymmdd, then the hour (2 digits) and the list flag, as one number
long long Summary(const ParseResult& r) {
    const Command& c = r.command;
    return ((c.date.year * 100LL + c.date.month) * 100 + c.date.day) * 1000 + c.hour * 10 + c.list;
}

TEST(CommandLine, DefaultsComeFromTheClock) {
    EXPECT_EQ(Summary(Parse("")), 20040122100);
    EXPECT_EQ(Summary(Parse("1999-12-31")), 19991231100);
    EXPECT_EQ(Summary(Parse("1999-1-2 0")), 19990102000);
    EXPECT_EQ(Parse("month").command.action, Action::Month);
    EXPECT_EQ(Summary(Parse("month")), 20040101000);
    EXPECT_EQ(Summary(Parse("month 2099 12 --list")), 20991201001);
    EXPECT_EQ(Parse("export 1900-01-01 1900-01-01").command.action, Action::Export);
    EXPECT_EQ(Parse("month --help").command.action, Action::Help);
    EXPECT_TRUE(Parse("-h").ok);
}

TEST(CommandLine, BadInputGivesOneLineOfMessage) {
    // clang-format off
    const char* bad[] = {
        "2004-02-30", "2003-02-29", "2004-13-01", "04-01-22", "2004/01/22", "2004-01-22x",
        "2004-001-22", "20040122", "1899-12-31", "2100-01-01", "2004-01-22 24",
        "2004-01-22 -1", "2004-01-22 1a", "2004-01-22 100", "2004-01-22 10 x",
        "export 2004-02-01 2004-01-01", "export 2004-01-01", "export 2004-01-01 2100-01-01",
        "month 2100 1", "month 2004 13", "month 2004", "month 2004 1 2", "month 04 1",
        "--bogus", "frobnicate"};
    // clang-format on
    for (const char* args : bad) {
        const ParseResult r = Parse(args);
        EXPECT_FALSE(r.ok) << args;
        EXPECT_FALSE(r.error.empty());
        EXPECT_EQ(r.error.find('\n'), std::string::npos);
    }
    EXPECT_FALSE(ParseCommandLine({""}, kClock).ok);

    // A clock outside the table cannot give a default day or month.
    const Clock future{CivilDate{2100, 1, 1}, 0};
    EXPECT_FALSE(Parse("", future).ok);
    EXPECT_FALSE(Parse("month", future).ok);
    EXPECT_TRUE(Parse("2004-01-22", future).ok);
}

TEST(CommandLine, MessagesNameTheProblemInPrintableText) {
    EXPECT_NE(Parse("2100-01-01").error.find("outside 1900-2099"), std::string::npos);
    EXPECT_NE(Parse("2004-01-22 24").error.find("0-23"), std::string::npos);
    EXPECT_NE(Parse("export 2004-02-01 2004-01-01").error.find("after"), std::string::npos);
    const std::string wild = Parse(std::string("\x01\xC4\xEA") + std::string(100, 'x')).error;
    EXPECT_LT(wild.size(), 100u);
    for (char c : wild) {
        EXPECT_TRUE(c >= 0x20 && c < 0x7F);
    }
}

} // namespace
} // namespace luna::lunacal
