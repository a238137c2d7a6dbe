// Text that comes from outside (a pasted or downloaded notice, a data file) as Unicode code
// points, whatever its encoding: UTF-8 when every byte of it is well-formed UTF-8, else GBK.
// Full-width letters, digits and punctuation are folded to their half-width forms so a
// reader sees one form of each.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

namespace luna {

// The largest text read from outside; anything longer is refused whole.
constexpr std::size_t kMaxOutsideTextBytes = 256 * 1024;

// Reads an opened file (nullptr when it could not be opened) and closes it: at most one byte
// more than kMaxOutsideTextBytes, so a larger file is refused as such. False when it could
// not be read.
bool ReadOutsideText(std::FILE* file, std::string& bytes);

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool IsWellFormedUtf8(const std::string& bytes);

// The code points of the bytes: UTF-8 (a leading byte-order mark dropped) when well formed,
// else GBK, whose unreadable bytes become U+FFFD.
std::u32string CodePointsFromBytes(const std::string& bytes);

// Full-width forms U+FF01-U+FF5E become their ASCII forms, the ideographic space a space,
// carriage returns line feeds; one code point for one, so a place in the folded text is the
// same place in the original.
std::u32string FoldWidth(std::u32string text);

// GBK of the code points; a character GBK lacks becomes '?'.
std::string GbkFromCodePoints(const std::u32string& text);

// True when `part` occurs in `text`.
bool Contains(const std::u32string& text, const std::u32string& part);

// ASCII digits only: the folded text has no others.
inline bool IsDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

// Without blanks, tabs and line feeds at either end.
std::u32string TrimBlanks(const std::u32string& text);

// The pieces between any of `separators` that lie outside round brackets, trimmed; empty
// pieces are dropped. A note such as "（农历正月初七，星期日）" stays whole.
std::vector<std::u32string> SplitOutsideBrackets(const std::u32string& text,
                                                 const std::u32string& separators);

} // namespace luna
