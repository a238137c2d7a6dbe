#include "shared/file_replace.h"
#include "shared/path_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace luna {
namespace {

std::string Folder(const char* path) {
    char out[260];
    return FolderOfPath(path, out) ? std::string(out) : std::string("<none>");
}

TEST(PathRules, FolderEndsAtTheLastBackslash) {
    EXPECT_EQ(Folder("C:\\luna\\res\\back.bmp"), "C:\\luna\\res\\");
    EXPECT_EQ(Folder("C:\\back.bmp"), "C:\\");
    EXPECT_EQ(Folder("res\\"), "res\\");
}

TEST(PathRules, NoFolderWithoutBackslashOrWithOnlyALeadingOne) {
    EXPECT_EQ(Folder("back.bmp"), "<none>");
    EXPECT_EQ(Folder("\\back.bmp"), "<none>");
    EXPECT_EQ(Folder(""), "<none>");
    EXPECT_EQ(Folder(nullptr), "<none>");
}

TEST(PathRules, TrailByteOfATwoByteCharacterIsNoBackslash) {
    // 0x81 0x5C is one GBK character; the folder ends at the real backslash before it.
    EXPECT_EQ(Folder("C:\\dir\\\x81"
                     "\x5C"
                     "x.bmp"),
              "C:\\dir\\");
    EXPECT_EQ(Folder("C:\\\x81"
                     "\x5C"
                     "\\x.bmp"),
              "C:\\\x81"
              "\x5C"
              "\\");
    EXPECT_EQ(Folder("\x81"
                     "\x5C"
                     "x.bmp"),
              "<none>");
}

TEST(PathRules, ResultsThatDoNotFitAreRefusedNotCut) {
    char small[8];
    EXPECT_FALSE(FolderOfPath("C:\\abcdefgh\\x", small));
    EXPECT_STREQ(small, "");
    EXPECT_TRUE(JoinPath("C:\\ab\\", "x", small));
    EXPECT_STREQ(small, "C:\\ab\\x");
    EXPECT_FALSE(JoinPath("C:\\ab\\", "xy", small));
    EXPECT_STREQ(small, "");

    const std::string longest(259, 'a');
    EXPECT_TRUE(FitsPathBuffer(longest.c_str()));
    EXPECT_FALSE(FitsPathBuffer((longest + "a").c_str()));
}

TEST(PathRules, TemporaryNamesLieBesideTheTargetAndDifferByAttempt) {
    char temp[260];
    ASSERT_TRUE(TempPathBeside("C:\\res\\Solar.rem", 0x1ab, temp, sizeof temp));
    EXPECT_STREQ(temp, "C:\\res\\Solar.rem.~01ab");
    ASSERT_TRUE(TempPathBeside("C:\\res\\Solar.rem", 0x2ffff, temp, sizeof temp));
    EXPECT_STREQ(temp, "C:\\res\\Solar.rem.~ffff");
    EXPECT_FALSE(TempPathBeside(std::string(254, 'a').c_str(), 0, temp, sizeof temp));
    EXPECT_FALSE(TempPathBeside("", 0, temp, sizeof temp));
}

} // namespace
} // namespace luna
