// The conversions from GBK to wide strings and UTF-8 and back. On Windows they are
// MultiByteToWideChar/WideCharToMultiByte with code page 936, the very tables the narrow
// calls of a Chinese system use; elsewhere (the unit tests) iconv's CP936.
#include "shared/gbk_text.h"

#include <cstring>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <iconv.h>
#endif

namespace luna {
namespace {

constexpr unsigned kGbkCodePage = 936;

#ifdef _WIN32

std::wstring Widen(const char* text, std::size_t size) {
    const int length = static_cast<int>(size);
    const int needed = MultiByteToWideChar(kGbkCodePage, 0, text, length, nullptr, 0);
    if (needed <= 0) {
        return std::wstring();
    }
    std::wstring out(static_cast<std::size_t>(needed), L'\0');
    MultiByteToWideChar(kGbkCodePage, 0, text, length, &out[0], needed);
    return out;
}

std::string NarrowTo(unsigned codePage, const std::wstring& text) {
    const int length = static_cast<int>(text.size());
    const int needed =
        WideCharToMultiByte(codePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) {
        return std::string();
    }
    std::string out(static_cast<std::size_t>(needed), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), length, &out[0], needed, nullptr, nullptr);
    return out;
}

std::string Narrow(const std::wstring& text) {
    return NarrowTo(kGbkCodePage, text);
}

std::string Utf8(const std::string& gbk) {
    return NarrowTo(CP_UTF8, Widen(gbk.data(), gbk.size()));
}

#else

// Runs iconv over the whole input; where it meets something it cannot convert, `onError`
// appends a stand-in and the input moves on by `skip` bytes.
template <typename OutChar>
std::basic_string<OutChar> Convert(const char* to, const char* from, const char* input,
                                   std::size_t size, std::size_t skip, OutChar standIn) {
    std::basic_string<OutChar> out;
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return out;
    }
    char* in = const_cast<char*>(input);
    std::size_t inLeft = size;
    OutChar chunk[256];
    while (inLeft > 0) {
        char* outPtr = reinterpret_cast<char*>(chunk);
        std::size_t outLeft = sizeof chunk;
        const std::size_t result = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(chunk, (sizeof chunk - outLeft) / sizeof(OutChar));
        if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
            // EILSEQ or EINVAL (an incomplete sequence at the end): one stand-in, move on.
            out.push_back(standIn);
            const std::size_t step = skip < inLeft ? skip : inLeft;
            in += step;
            inLeft -= step;
        }
    }
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    iconv_close(cd);
    return out;
}

std::wstring Widen(const char* text, std::size_t size) {
    return Convert<wchar_t>("WCHAR_T", "CP936", text, size, 1, L'\xFFFD');
}

std::string Narrow(const std::wstring& text) {
    return Convert<char>("CP936", "WCHAR_T", reinterpret_cast<const char*>(text.data()),
                         text.size() * sizeof(wchar_t), sizeof(wchar_t), '?');
}

std::string Utf8(const std::string& gbk) {
    return Convert<char>("UTF-8", "CP936", gbk.data(), gbk.size(), 1, '?');
}

#endif

} // namespace

std::string Utf8FromGbk(const std::string& gbk) {
    return gbk.empty() ? gbk : Utf8(gbk);
}

std::wstring WideFromGbk(const char* text, std::size_t size) {
    if (text == nullptr) {
        return std::wstring();
    }
    std::size_t length = 0;
    while (length < size && text[length] != '\0') {
        ++length;
    }
    return length == 0 ? std::wstring() : Widen(text, length);
}

std::string GbkFromWide(const std::wstring& text) {
    return text.empty() ? std::string() : Narrow(text);
}

bool ExactGbkFromWide(const std::wstring& text, std::string& out) {
    out = GbkFromWide(text);
    // Whatever had no GBK form (a stand-in, a best-fit look-alike, a lone surrogate) does
    // not come back as it was.
    if (Widen(out.data(), out.size()) != text) {
        out.clear();
        return false;
    }
    return true;
}

GbkFit StoreExactGbk(const std::wstring& text, char* out, std::size_t capacity) {
    if (out == nullptr || capacity == 0) {
        return GbkFit::kTooLong;
    }
    out[0] = '\0';
    std::string gbk;
    if (!ExactGbkFromWide(text, gbk)) {
        return GbkFit::kUnrepresentable;
    }
    if (gbk.size() >= capacity || gbk.find('\0') != std::string::npos) {
        return gbk.size() >= capacity ? GbkFit::kTooLong : GbkFit::kUnrepresentable;
    }
    std::memcpy(out, gbk.c_str(), gbk.size() + 1);
    return GbkFit::kOk;
}

} // namespace luna
