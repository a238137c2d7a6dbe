#include "shared/notice_text.h"

#include "shared/gbk_text.h"

namespace luna {

bool ReadOutsideText(std::FILE* file, std::string& bytes) {
    if (file == nullptr) {
        return false;
    }
    bytes.resize(kMaxOutsideTextBytes + 1);
    bytes.resize(std::fread(&bytes[0], 1, bytes.size(), file));
    const bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one UTF-8 character at text[i]; false when it is not well formed.
bool DecodeUtf8(const std::string& text, std::size_t& i, char32_t& out) {
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
    const unsigned char lead = byte(i);
    std::size_t extra = 0;
    char32_t min = 0;
    if (lead < 0x80) {
        out = lead;
        ++i;
        return true;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1;
        out = lead & 0x1F;
        min = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2;
        out = lead & 0x0F;
        min = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3;
        out = lead & 0x07;
        min = 0x10000;
    } else {
        return false;
    }
    if (text.size() - i <= extra) {
        return false;
    }
    for (std::size_t k = 1; k <= extra; ++k) {
        const unsigned char c = byte(i + k);
        if ((c & 0xC0) != 0x80) {
            return false;
        }
        out = (out << 6) | (c & 0x3F);
    }
    if (out < min || out > 0x10FFFF || (out >= 0xD800 && out <= 0xDFFF)) {
        return false;
    }
    i += extra + 1;
    return true;
}

} // namespace

bool IsWellFormedUtf8(const std::string& bytes) {
    std::size_t i = 0;
    char32_t c = 0;
    while (i < bytes.size()) {
        if (!DecodeUtf8(bytes, i, c)) {
            return false;
        }
    }
    return true;
}

std::u32string CodePointsFromBytes(const std::string& bytes) {
    std::u32string out;
    if (IsWellFormedUtf8(bytes)) {
        std::size_t i = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
        char32_t c = 0;
        while (i < bytes.size() && DecodeUtf8(bytes, i, c)) {
            out.push_back(c);
        }
        return out;
    }
    // GBK has no character outside the basic plane, so a wide character is a code point on
    // both 16-bit and 32-bit wchar_t. Terminators inside the bytes are kept as such.
    std::size_t start = 0;
    while (start <= bytes.size()) {
        std::size_t end = bytes.find('\0', start);
        if (end == std::string::npos) {
            end = bytes.size();
        }
        for (wchar_t w : WideFromGbk(bytes.data() + start, end - start)) {
            const char32_t c = static_cast<char32_t>(w);
            out.push_back(c >= 0xD800 && c <= 0xDFFF ? kReplacement : c);
        }
        if (end < bytes.size()) {
            out.push_back(U'\0');
        }
        start = end + 1;
    }
    return out;
}

std::u32string FoldWidth(std::u32string text) {
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xFF01 && c <= 0xFF5E) {
            c -= 0xFEE0;
        } else if (c == 0x3000) {
            c = U' ';
        } else if (c == U'\r') {
            c = U'\n';
        }
        out.push_back(c);
    }
    return out;
}

std::string GbkFromCodePoints(const std::u32string& text) {
    std::wstring wide;
    wide.reserve(text.size());
    for (char32_t c : text) {
        // Characters beyond the basic plane have no GBK form anyway.
        wide.push_back(c > 0xFFFF || c == 0 ? L'?' : static_cast<wchar_t>(c));
    }
    return GbkFromWide(wide);
}

bool Contains(const std::u32string& text, const std::u32string& part) {
    return text.find(part) != std::u32string::npos;
}

std::u32string TrimBlanks(const std::u32string& text) {
    const std::u32string blanks = U" \t\n";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::u32string::npos) {
        return std::u32string();
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::vector<std::u32string> SplitOutsideBrackets(const std::u32string& text,
                                                 const std::u32string& separators) {
    std::vector<std::u32string> out;
    int depth = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const char32_t c = i < text.size() ? text[i] : U'\n';
        if (c == U'(') {
            ++depth;
        } else if (c == U')' && depth > 0) {
            --depth;
        }
        if (i == text.size() || (depth == 0 && separators.find(c) != std::u32string::npos)) {
            std::u32string piece = TrimBlanks(text.substr(start, i - start));
            if (!piece.empty()) {
                out.push_back(piece);
            }
            start = i + 1;
        }
    }
    return out;
}

} // namespace luna
