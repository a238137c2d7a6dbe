// lunacal as a program: exit status, standard output in UTF-8, messages on stderr.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class Lunacal : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/lunacal-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
    }
    void TearDown() override {
        std::remove((dir_ + "/out").c_str());
        std::remove((dir_ + "/err").c_str());
        rmdir(dir_.c_str());
    }

    // Arguments are plain ASCII words, passed through the shell unquoted.
    Outcome Run(const std::string& args) {
        const std::string command = std::string("'") + LUNACAL_PATH + "' " + args + " >'" + dir_ +
                                    "/out' 2>'" + dir_ + "/err'";
        Outcome outcome;
        const int raw = std::system(command.c_str());
        outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        outcome.out = ReadAll(dir_ + "/out");
        outcome.err = ReadAll(dir_ + "/err");
        return outcome;
    }

    std::string dir_;
};

TEST_F(Lunacal, BadInputExitsWithStatus2AndOneMessage) {
    // One of each kind; the parser's own tests cover the rest.
    const char* bad[] = {"2004-02-30",    "2100-01-01",
                         "2004-01-22 24", "export 2004-02-01 2004-01-01",
                         "month 2004",    "--bogus"};
    for (const char* args : bad) {
        const Outcome o = Run(args);
        EXPECT_EQ(o.status, 2) << args;
        EXPECT_EQ(o.out, "") << args;
        ASSERT_FALSE(o.err.empty()) << args;
        EXPECT_EQ(o.err.rfind("lunacal: ", 0), 0u) << o.err;
        EXPECT_EQ(o.err.find('\n'), o.err.size() - 1) << o.err;
    }
}

TEST_F(Lunacal, HelpGoesToStandardOutput) {
    const Outcome o = Run("--help");
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.out.rfind("Usage: lunacal", 0), 0u);
    EXPECT_EQ(o.err, "");
}

TEST_F(Lunacal, DayTextInUtf8) {
    const Outcome o = Run("2004-01-22 10");
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.out, u8"\n农历:甲申[猴]年\n1月1日\n丙寅月庚子日巳时\n农历春节\n");
    EXPECT_EQ(Run("2004-01-31 0").out,
              u8"\n农历:甲申[猴]年\n1月10日\n丙寅月己酉日子时\n农历十全十美\n");
}

TEST_F(Lunacal, MonthListAndGrid) {
    EXPECT_EQ(Run("month 1900 1 --list").out.rfind(u8"1\t元旦\n2\t初二\n", 0), 0u);
    const Outcome o = Run("month 2004 03");
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.out.rfind(std::string(21, ' ') + u8"农历:甲申[猴]年丁卯月己卯日\n", 0), 0u);
    EXPECT_NE(o.out.find(u8"闰2月小"), std::string::npos);
}

TEST_F(Lunacal, ExportCoversEveryDayOfTheTable) {
    Outcome o = Run("export 2004-01-21 2004-01-22");
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.out, u8"2004-01-21\t2003\t12\t30\t0\t30\t癸未\t乙丑\t己亥\t羊\t-\t-\n"
                     u8"2004-01-22\t2004\t1\t1\t0\t29\t甲申\t丙寅\t庚子\t猴\t-\t-\n");

    o = Run("export 1900-01-01 2099-12-31");
    EXPECT_EQ(o.status, 0);
    std::size_t lines = 0;
    for (char c : o.out) {
        lines += c == '\n';
    }
    EXPECT_EQ(lines, 73049u); // 200 years of 365 days and 49 leap days
    EXPECT_EQ(o.out.rfind(u8"1900-01-01\t1899\t12\t1\t0\t30\t己亥\t丁丑\t甲戌\t猪\t-\t-\n", 0), 0u);
    const std::string last = u8"2099-12-31\t2099\t11\t20\t0\t29\t";
    EXPECT_NE(o.out.find(last), std::string::npos);
    EXPECT_EQ(o.out.compare(o.out.size() - 1, 1, "\n"), 0);
}

} // namespace

// A year the data covers, one it does not (never guessed), and the marks of a month.
TEST_F(Lunacal, HolidaysOfCoveredAndUncoveredYears) {
    const Outcome covered = Run("holidays 2026");
    EXPECT_EQ(covered.status, 0);
    EXPECT_NE(covered.out.find(u8"2026-10-01\t休\t国庆节\n"), std::string::npos);
    EXPECT_NE(covered.out.find(u8"2026-10-10\t班\t国庆节\n"), std::string::npos);
    const Outcome missing = Run("holidays 2027");
    EXPECT_EQ(missing.status, 3);
    EXPECT_EQ(missing.out, "");
    EXPECT_NE(missing.err, "");
    EXPECT_NE(Run("month --list 2026 10").out.find(u8"\n10\t9月大\t班\n"), std::string::npos);
}
