// Arguments of winprobe as they come from a scenario script.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace luna::tools {

// Non-ASCII arguments do not survive Wine's command line without a generated locale, so the
// scenario library passes them as "%u8:" followed by the UTF-8 bytes in hexadecimal. Returns
// the argument itself when it is not in that form.
std::string DecodeArgument(const std::string& text);

// The "%u8:" form of any text.
std::string EncodeArgument(const std::string& utf8);

// Decimal, negative, or hexadecimal with 0x; or a known name such as WM_COMMAND, UM_EXIT, IDOK.
bool ParseInteger(const std::string& text, std::int64_t& out);

// Bytes from hexadecimal digits (blanks allowed between bytes).
bool ParseHexBytes(const std::string& text, std::vector<std::uint8_t>& out);

} // namespace luna::tools
