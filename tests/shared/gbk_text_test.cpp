#include "shared/gbk_text.h"

#include <gtest/gtest.h>

#include <string>

namespace luna {
namespace {

TEST(GbkText, EveryGbkCharacterRoundTrips) {
    std::size_t mapped = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) {
                continue;
            }
            const char pair[3] = {static_cast<char>(lead), static_cast<char>(trail), '\0'};
            const std::wstring wide = WideFromGbk(pair);
            if (wide.size() != 1 || wide[0] == L'\xFFFD') {
                continue; // an unassigned code
            }
            ++mapped;
            std::string back;
            ASSERT_TRUE(ExactGbkFromWide(wide, back)) << lead << " " << trail;
            ASSERT_EQ(back, std::string(pair)) << lead << " " << trail;
        }
    }
    EXPECT_GE(mapped, 21700u); // nearly all of GBK's 21886 codes
}

TEST(GbkText, TextsConvertBothWays) {
    EXPECT_EQ(WideFromGbk("桌面时钟"), L"桌面时钟");
    EXPECT_EQ(GbkFromWide(L"桌面时钟 12:00"), "桌面时钟 12:00");
    EXPECT_EQ(WideFromGbk("桌面时钟", 4), L"桌面");
    EXPECT_EQ(WideFromGbk("ab\0cd", 5), L"ab");
    EXPECT_EQ(WideFromGbk(nullptr), L"");
    EXPECT_EQ(WideFromGbk(std::string("农历")), L"农历");
    // Broken bytes still show as something, and the text after them survives.
    const std::wstring broken = WideFromGbk("a\xFF"
                                            "b");
    EXPECT_EQ(broken.front(), L'a');
    EXPECT_EQ(broken.back(), L'b');
}

TEST(GbkText, CharactersGbkLacksAreQuestionMarksOrRefused) {
    const std::wstring korean = L"C:\\한글\\back.bmp";
    EXPECT_EQ(GbkFromWide(korean), "C:\\??\\back.bmp");
    std::string out = "old";
    EXPECT_FALSE(ExactGbkFromWide(korean, out));
    EXPECT_EQ(out, "");
    const std::wstring emoji = L"\U0001F600";
    EXPECT_FALSE(ExactGbkFromWide(emoji, out));
    const std::wstring kana = L"C:\\农历 かな\\back.bmp"; // kana are in GBK
    EXPECT_TRUE(ExactGbkFromWide(kana, out));
    EXPECT_EQ(WideFromGbk(out), kana);
    EXPECT_TRUE(ExactGbkFromWide(L"", out));
}

TEST(GbkText, ExactStoreFitsOrRefusesLeavingTheFieldEmpty) {
    char field[8] = "xxxxxxx";
    EXPECT_EQ(StoreExactGbk(L"C:\\农历", field), GbkFit::kOk); // 7 bytes and the terminator
    EXPECT_STREQ(field, "C:\\农历");
    EXPECT_EQ(StoreExactGbk(L"C:\\农历a", field), GbkFit::kTooLong);
    EXPECT_STREQ(field, "");
    const std::wstring korean = L"C:\\한";
    EXPECT_EQ(StoreExactGbk(korean, field), GbkFit::kUnrepresentable);
    EXPECT_STREQ(field, "");
    EXPECT_EQ(StoreExactGbk(std::wstring(L"a\0b", 3), field), GbkFit::kUnrepresentable);
    EXPECT_EQ(StoreExactGbk(L"a", nullptr, 0), GbkFit::kTooLong);
}

} // namespace
} // namespace luna
