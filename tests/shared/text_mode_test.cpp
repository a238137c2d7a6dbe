#include "shared/text_mode.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace luna {
namespace {

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

TEST(TextMode, WritingTurnsEachLineFeedIntoCarriageReturnLineFeed) {
    EXPECT_EQ(EncodeTextMode(Bytes("a\nb\r\nc\r\x1A")), Bytes("a\r\nb\r\r\nc\r\x1A"));
}

TEST(TextMode, ReadingJoinsPairsKeepsLoneCarriageReturnsAndStopsAtEndByte) {
    EXPECT_EQ(DecodeTextMode(Bytes("a\r\nb\rc\n\r")), Bytes("a\nb\rc\n\r"));
    EXPECT_EQ(DecodeTextMode(Bytes("a\r\r\nb")), Bytes("a\r\nb"));
    EXPECT_EQ(DecodeTextMode(Bytes("ab\r\x1A\r\ncd")), Bytes("ab\r"));
    EXPECT_EQ(DecodeTextMode(Bytes("\x1A"
                                   "abc")),
              Bytes(""));
}

TEST(TextMode, PairSplitAcrossTheReadersInternalChunkIsStillJoined) {
    for (std::size_t at : {510u, 511u, 512u, 513u, 1023u}) {
        std::string text(at, 'x');
        text += "\r\nyz";
        EXPECT_EQ(DecodeTextMode(Bytes(text)), Bytes(std::string(at, 'x') + "\nyz")) << at;
    }
}

TEST(TextMode, WhatIsWrittenReadsBackUnchangedUnlessItHoldsTheEndByte) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        std::vector<std::uint8_t> bytes(random() % 2000);
        for (auto& b : bytes) {
            const std::uint8_t pick[] = {'\r', '\n', 'a', 0, 0xB0};
            b = random() % 3 == 0 ? static_cast<std::uint8_t>(random() % 256) : pick[random() % 5];
            if (b == 0x1A) {
                b = 'z';
            }
        }
        ASSERT_EQ(DecodeTextMode(EncodeTextMode(bytes)), bytes) << round;
    }
}

TEST(TextMode, RecordsAreCountedWholeAndAPartialTailIsConsumed) {
    const std::vector<std::uint8_t> file = Bytes("aaaa\r\nbbb"
                                                 "cc");
    MemorySource source(file.data(), file.size());
    TextModeReader reader(source);
    char records[3][4];
    EXPECT_EQ(reader.ReadRecords(records, 4, 3), 2u); // "aaaa", "\nbbb", then "cc" is partial
    EXPECT_EQ(std::string(records[1], 4), "\nbbb");
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(reader.ReadRecords(records, 4, 3), 0u);
}

} // namespace
} // namespace luna
