// GBK characters and cutting on their boundaries.
#include "calendar/gbk_bytes.h"

#include <cstring>

namespace luna {

std::size_t GbkCharBytes(const char* text, std::size_t available) {
    if (available >= 2 && IsGbkLeadByte(static_cast<unsigned char>(text[0])) &&
        IsGbkTrailByte(static_cast<unsigned char>(text[1]))) {
        return 2;
    }
    return 1;
}

std::size_t GbkCutLength(const char* text, std::size_t limit) {
    if (text == nullptr) {
        return 0;
    }
    std::size_t kept = 0;
    while (kept < limit && text[kept] != '\0') {
        const bool lead = IsGbkLeadByte(static_cast<unsigned char>(text[kept]));
        if (lead && (kept + 1 == limit || text[kept + 1] == '\0')) {
            break; // its trail byte is cut off or missing
        }
        kept += GbkCharBytes(text + kept, limit - kept);
    }
    return kept;
}

std::size_t CopyGbkCut(char* out, std::size_t capacity, const char* text) {
    if (out == nullptr || capacity == 0) {
        return 0;
    }
    const std::size_t length = GbkCutLength(text, capacity - 1);
    if (length > 0) {
        std::memmove(out, text, length);
    }
    out[length] = '\0';
    return length;
}

} // namespace luna
