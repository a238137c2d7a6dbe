#include "calendar/gbk_bytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace luna {
namespace {

// Offsets where a character of `text` starts, and its end, by the character rule.
std::vector<std::size_t> Boundaries(const std::string& text) {
    std::vector<std::size_t> out{0};
    for (std::size_t i = 0; i < text.size();) {
        i += GbkCharBytes(text.data() + i, text.size() - i);
        out.push_back(i);
    }
    return out;
}

TEST(GbkBytes, CharactersAreLeadAndTrailPairsOrSingleBytes) {
    EXPECT_EQ(GbkCharBytes("农", kGbkTerminated), 2u);
    EXPECT_EQ(GbkCharBytes("农", 1), 1u);       // the trail is not there to read
    EXPECT_EQ(GbkCharBytes("\x81\x5C", 2), 2u); // a trail byte can look like a backslash
    EXPECT_EQ(GbkCharBytes("\x81\x7F", 2), 1u);
    EXPECT_EQ(GbkCharBytes("\x81\x39", 2), 1u);
    EXPECT_EQ(GbkCharBytes("\xFF\xA1", 2), 1u);
    EXPECT_EQ(GbkCharBytes("\x80\xA1", 2), 1u);
    EXPECT_EQ(GbkCharBytes("\xFE\xFE", 2), 2u);
    EXPECT_EQ(GbkCharBytes("\xFE\xFF", 2), 1u);
}

TEST(GbkBytes, CutsAtEveryLimitKeepWholeCharactersAndReadNothingPastTheLimit) {
    const std::string text = "a农b\x81\x7F"
                             "历\x81\x5C"
                             "\x81\x81\x81z\xFE";
    const std::vector<std::size_t> bounds = Boundaries(text);
    for (std::size_t limit = 0; limit <= text.size() + 1; ++limit) {
        const std::size_t cut = GbkCutLength(text.c_str(), limit);
        ASSERT_LE(cut, limit);
        // On a boundary, and the character after it would not fit, or is a lead byte whose
        // next byte lies at the limit, or is the broken lead at the very end.
        std::size_t next = 0;
        for (std::size_t b : bounds) {
            if (b > cut) {
                next = b;
                break;
            }
        }
        ASSERT_TRUE(std::find(bounds.begin(), bounds.end(), cut) != bounds.end()) << limit;
        const bool leadAtLimit = cut + 1 == limit && IsGbkLeadByte(text[cut]);
        ASSERT_TRUE(next == 0 || next > limit || leadAtLimit || next == text.size()) << limit;
        // Whatever lies at the limit and beyond changes nothing.
        for (char beyond : {'\0', '\x40', '\xA1', '\x7F'}) {
            if (limit >= text.size()) {
                break;
            }
            std::string copy = text.substr(0, limit);
            copy.push_back(beyond);
            copy += "\xA1\xA1";
            ASSERT_EQ(GbkCutLength(copy.c_str(), limit), cut) << limit;
        }
    }
    EXPECT_EQ(GbkCutLength(text.c_str(), 100), text.size() - 1); // lone lead at the end
    EXPECT_EQ(GbkCutLength("a农", 2), 1u);
    EXPECT_EQ(GbkCutLength("\x81\x81\x81", 3), 2u);
    EXPECT_EQ(GbkCutLength(nullptr, 10), 0u);
    EXPECT_EQ(GbkCutLength("ab\0cd", 5), 2u);
}

TEST(GbkBytes, CopyCutTerminatesWithinCapacity) {
    char out[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(CopyGbkCut(out, "农历"), 2u);
    EXPECT_STREQ(out, "农");
    EXPECT_EQ(CopyGbkCut(out, 1, "abc"), 0u);
    EXPECT_STREQ(out, "");
    EXPECT_EQ(CopyGbkCut(out, 0, "abc"), 0u);
    EXPECT_EQ(CopyGbkCut(out, nullptr), 0u);
    EXPECT_STREQ(out, "");
}

} // namespace
} // namespace luna
