// Conversions between UTF-8, UTF-16 and the ANSI code page at the Win32 edge.
#pragma once

#include <windows.h>

#include <string>

namespace luna::tools {

std::wstring Utf8ToWide(const std::string& text);
std::string WideToUtf8(const std::wstring& text);
// ANSI code page (GBK under the test bed's locale) to UTF-8.
std::string AnsiToUtf8(const std::string& text);
// "0x" and the hexadecimal digits of a handle or pointer-sized value.
std::string HexValue(ULONG_PTR value);

} // namespace luna::tools
