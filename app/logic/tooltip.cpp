#include "app/logic/tooltip.h"

#include <cstdio>
#include <cstring>

#include "shared/gbk_text.h"

namespace luna {

namespace {

std::size_t BoundedLength(const char* text, std::size_t bound) {
    if (text == nullptr) {
        return 0;
    }
    const void* end = std::memchr(text, '\0', bound);
    return end != nullptr ? static_cast<std::size_t>(static_cast<const char*>(end) - text) : bound;
}

} // namespace

void ComposeTrayTip(const LocalTime& now, const char* calendarText, char (&tip)[kTrayTipSize]) {
    // Six numbers of up to eleven characters and the four GBK characters fit easily.
    char composed[128 + kTrayCalendarBufferSize] = {};
    const int written = std::snprintf(composed, 128, "%d年%d月%d日\n%d:%d:%02d", now.year,
                                      now.month, now.day, now.hour, now.minute, now.second);
    std::size_t length = written > 0 ? static_cast<std::size_t>(written) : 0;
    if (length >= 128) {
        length = 127;
    }
    const std::size_t calendarLength = BoundedLength(calendarText, kTrayCalendarBufferSize);
    std::memcpy(composed + length, calendarText != nullptr ? calendarText : "", calendarLength);
    composed[length + calendarLength] = '\0';

    std::memset(tip, 0, sizeof tip);
    std::memcpy(tip, composed, GbkCutLength(composed, kTrayTipSize - 1));
}

bool AppendTipLine(const char (&tip)[kTrayTipSize], const char* line,
                   char (&out)[kTrayLongTipSize]) {
    std::memset(out, 0, sizeof out);
    std::memcpy(out, tip, BoundedLength(tip, kTrayTipSize - 1));
    if (line == nullptr || line[0] == '\0') {
        return false;
    }
    char joined[kTrayTipSize + kTrayLongTipSize + 1] = {};
    std::snprintf(joined, sizeof joined, "%s\n%s", out, line);
    std::memset(out, 0, sizeof out);
    std::memcpy(out, joined, GbkCutLength(joined, kTrayLongTipSize - 1));
    return true;
}

} // namespace luna
