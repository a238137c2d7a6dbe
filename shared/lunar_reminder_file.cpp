// The stamp of a lunar reminder record.
#include "shared/lunar_reminder_file.h"

#include <cstdio>

namespace luna {
namespace {

// "%2d" at text[0..1]: " 5" or "15" (also "05"); -1 when it is not that form.
int TwoColumns(const char* text) {
    const char tens = text[0];
    const char units = text[1];
    if (units < '0' || units > '9') {
        return -1;
    }
    if (tens == ' ') {
        return units - '0';
    }
    if (tens < '0' || tens > '9') {
        return -1;
    }
    return (tens - '0') * 10 + (units - '0');
}

bool InRange(int value, int low, int high) {
    return value >= low && value <= high;
}

bool Valid(const LunarStamp& s) {
    return InRange(s.month, 1, 12) && InRange(s.day, 1, 30) && InRange(s.hour, 0, 23) &&
           InRange(s.minute, 0, 59);
}

} // namespace

bool FormatLunarStamp(const LunarStamp& stamp, char (&out)[kLunarStampLength + 1]) {
    out[0] = '\0';
    if (!Valid(stamp)) {
        return false;
    }
    std::snprintf(out, sizeof out, "%2d%c%2d %2d:%2d", stamp.month,
                  stamp.leap ? kLeapMonthMark : kOrdinaryMonthMark, stamp.day, stamp.hour,
                  stamp.minute);
    return true;
}

bool ParseLunarStamp(const char* text, LunarStamp& out) {
    if (text == nullptr) {
        return false;
    }
    for (std::size_t i = 0; i < kLunarStampLength; ++i) {
        if (text[i] == '\0') {
            return false;
        }
    }
    const char mark = text[2];
    if ((mark != kOrdinaryMonthMark && mark != kLeapMonthMark) || text[5] != ' ' ||
        text[8] != ':') {
        return false;
    }
    LunarStamp s{TwoColumns(text), mark == kLeapMonthMark, TwoColumns(text + 3),
                 TwoColumns(text + 6), TwoColumns(text + 9)};
    if (!Valid(s)) {
        return false;
    }
    out = s;
    return true;
}

} // namespace luna
