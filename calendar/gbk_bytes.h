// The GBK byte rule, the one home of it: which bytes form a character and how a text is cut
// without splitting one. Pure byte work, so the engine can cut its texts; shared/gbk_text.h
// adds the conversions to and from the wide strings Windows takes.
#pragma once

#include <cstddef>

namespace luna {

// A character is a lead byte 0x81-0xFE followed by a trail byte 0x40-0xFE other than
// 0x7F (two bytes), or any other single byte. A lead byte without a trail byte after it is
// a broken character of one byte.
constexpr bool IsGbkLeadByte(unsigned char c) {
    return c >= 0x81 && c <= 0xFE;
}
constexpr bool IsGbkTrailByte(unsigned char c) {
    return c >= 0x40 && c <= 0xFE && c != 0x7F;
}

// Pass as `available` for terminated text: the byte after a non-terminator may be read.
constexpr std::size_t kGbkTerminated = static_cast<std::size_t>(-1);

// Bytes (1 or 2) of the character that starts at text[0]; text[1] is read only when
// `available` >= 2.
std::size_t GbkCharBytes(const char* text, std::size_t available);

// Length of the longest prefix of text that has at most `limit` bytes, stops at the
// terminator and ends on a character boundary. Reads no byte at or beyond `limit`: a lead
// byte whose trail would lie there is left out, as is one followed by the terminator.
// Null counts as empty.
std::size_t GbkCutLength(const char* text, std::size_t limit);

// Copies terminated text into out, cut by GbkCutLength to capacity - 1 bytes, and
// terminates it. Returns the bytes copied; capacity 0 writes nothing.
std::size_t CopyGbkCut(char* out, std::size_t capacity, const char* text);
template <std::size_t N> std::size_t CopyGbkCut(char (&out)[N], const char* text) {
    return CopyGbkCut(out, N, text);
}

} // namespace luna
