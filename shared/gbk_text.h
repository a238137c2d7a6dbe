// GBK text: the byte rule and safe cutting (from calendar/gbk_bytes.h, their one home, so
// every includer of this module has them) and the conversions between GBK (code page 936)
// and the wide (UTF-16 on Windows) strings the W calls take. Everything this program stores
// or exchanges is GBK; everything it hands to Windows is converted here, so nothing depends
// on the system's ANSI code page.
#pragma once

#include <cstddef>
#include <string>

#include "calendar/gbk_bytes.h"

namespace luna {

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
