// GBK text, the one home of its rules: which bytes form a character, how a text is cut
// without splitting one, and the conversions between GBK (code page 936) and the wide
// (UTF-16 on Windows) strings the W calls take. Everything this program stores or
// exchanges is GBK; everything it hands to Windows is converted here, so nothing depends
// on the system's ANSI code page.
#pragma once

#include <cstddef>
#include <string>

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

// GBK to wide. `size` bytes at most, stopping at a terminator; bytes that form no GBK
// character become U+FFFD, so every text can be shown. Null gives an empty string.
std::wstring WideFromGbk(const char* text, std::size_t size = kGbkTerminated);
inline std::wstring WideFromGbk(const std::string& text) {
    return WideFromGbk(text.c_str(), text.size());
}

// GBK to UTF-8 (for files meant for other programs, such as calendar exports); bytes that
// form no GBK character become a stand-in.
std::string Utf8FromGbk(const std::string& gbk);

// Wide to GBK as the narrow calls of a Chinese system would give it: a character GBK
// lacks becomes '?'. For texts the user typed (reminders, festivals, separators).
std::string GbkFromWide(const std::wstring& text);

// Wide to GBK, exactly or not at all: false, with out empty, when some character has no
// GBK form. For what must not be mangled (paths, font face names).
bool ExactGbkFromWide(const std::wstring& text, std::string& out);

// How a wide text went into a fixed GBK field.
enum class GbkFit {
    kOk,              // all of it, terminated
    kUnrepresentable, // a character has no GBK form; the field is left empty
    kTooLong,         // it does not fit the field with its terminator; the field is left empty
};

// Stores text exactly into out (capacity bytes with the terminator) or refuses: paths such
// as the background picture and the autostart value, which must never be stored mangled
// or cut.
GbkFit StoreExactGbk(const std::wstring& text, char* out, std::size_t capacity);
template <std::size_t N> GbkFit StoreExactGbk(const std::wstring& text, char (&out)[N]) {
    return StoreExactGbk(text, out, N);
}

} // namespace luna
