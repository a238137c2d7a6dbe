#include "tests/tools/winprobe/logic/probe_args.h"

#include <cerrno>
#include <cstdlib>

#include "shared/messages.h"

namespace luna::tools {

namespace {

constexpr char kEncodedPrefix[] = "%u8:";

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

struct NamedNumber {
    const char* name;
    std::int64_t value;
};

// Names a scenario may use instead of numbers.
constexpr NamedNumber kNames[] = {
    {"WM_NULL", 0x0000},
    {"WM_SIZE", 0x0005},
    {"WM_ACTIVATE", 0x0006},
    {"WM_SETTEXT", 0x000C},
    {"WM_GETTEXT", 0x000D},
    {"WM_PAINT", 0x000F},
    {"WM_CLOSE", 0x0010},
    {"WM_QUERYENDSESSION", 0x0011},
    {"WM_QUIT", 0x0012},
    {"WM_ERASEBKGND", 0x0014},
    {"WM_ENDSESSION", 0x0016},
    {"WM_COPYDATA", 0x004A},
    {"WM_KEYDOWN", 0x0100},
    {"WM_KEYUP", 0x0101},
    {"WM_CHAR", 0x0102},
    {"WM_INITDIALOG", 0x0110},
    {"WM_COMMAND", 0x0111},
    {"WM_SYSCOMMAND", 0x0112},
    {"WM_TIMER", 0x0113},
    {"WM_MOUSEMOVE", 0x0200},
    {"WM_LBUTTONDOWN", 0x0201},
    {"WM_LBUTTONUP", 0x0202},
    {"WM_LBUTTONDBLCLK", 0x0203},
    {"WM_RBUTTONDOWN", 0x0204},
    {"WM_RBUTTONUP", 0x0205},
    {"WM_RBUTTONDBLCLK", 0x0206},
    {"WM_MBUTTONDOWN", 0x0207},
    {"WM_MBUTTONUP", 0x0208},
    {"WM_MOUSELEAVE", 0x02A3},
    {"LVM_SETITEMPOSITION", 0x100F},
    {"WM_USER", 0x0400},
    {"BM_CLICK", 0x00F5},
    {"BM_GETCHECK", 0x00F0},
    {"IDOK", 1},
    {"IDCANCEL", 2},
    {"IDABORT", 3},
    {"IDRETRY", 4},
    {"IDIGNORE", 5},
    {"IDYES", 6},
    {"IDNO", 7},
    {"UM_EXIT", UM_EXIT},
    {"UM_SHOWMAIN", UM_SHOWMAIN},
    {"UM_SHEETSTATE", UM_SHEETSTATE},
    {"UM_REMINDER", UM_REMINDER},
    {"UM_TRAYICON", UM_TRAYICON},
    {"UM_CLOCKMENU", UM_CLOCKMENU},
    {"UM_HELP", UM_HELP},
    {"UM_RELOADBACK", UM_RELOADBACK},
    {"UM_NEWREMINDERON", UM_NEWREMINDERON},
};

} // namespace

std::string DecodeArgument(const std::string& text) {
    std::string prefix = kEncodedPrefix;
    if (text.compare(0, prefix.size(), prefix) != 0) {
        return text;
    }
    std::vector<std::uint8_t> bytes;
    if (!ParseHexBytes(text.substr(prefix.size()), bytes)) {
        return text;
    }
    return std::string(bytes.begin(), bytes.end());
}

std::string EncodeArgument(const std::string& utf8) {
    static const char digits[] = "0123456789abcdef";
    std::string out = kEncodedPrefix;
    for (unsigned char c : utf8) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

bool ParseInteger(const std::string& text, std::int64_t& out) {
    for (const auto& named : kNames) {
        if (text == named.name) {
            out = named.value;
            return true;
        }
    }
    if (text.empty()) {
        return false;
    }
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    bool negative = text[0] == '-';
    if (negative) {
        long long v = std::strtoll(begin, &end, 0);
        out = v;
    } else {
        unsigned long long v = std::strtoull(begin, &end, 0);
        out = static_cast<std::int64_t>(v);
    }
    return errno == 0 && end != begin && *end == '\0';
}

bool ParseHexBytes(const std::string& text, std::vector<std::uint8_t>& out) {
    out.clear();
    int high = -1;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            if (high >= 0) {
                return false;
            }
            continue;
        }
        int digit = HexDigit(c);
        if (digit < 0) {
            return false;
        }
        if (high < 0) {
            high = digit;
        } else {
            out.push_back(static_cast<std::uint8_t>(high * 16 + digit));
            high = -1;
        }
    }
    return high < 0;
}

} // namespace luna::tools
