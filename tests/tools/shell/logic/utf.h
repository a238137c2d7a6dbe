// Text conversions the stand-in shell and the probe need on both platforms.
#pragma once

#include <string>

namespace luna::tools {

// UTF-16 to UTF-8; unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(const std::u16string& text);

// Reads a terminated UTF-16 text of at most maxUnits code units from little-endian bytes
// (the terminator is optional when the field is full).
std::u16string ReadUtf16Field(const unsigned char* bytes, std::size_t maxUnits);

// One-line form of a text for logs and replies: backslash, line feed, carriage return and tab
// become \\, \n, \r and \t; other control bytes become \xNN.
std::string EscapeLine(const std::string& text);

} // namespace luna::tools
