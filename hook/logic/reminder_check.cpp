#include "hook/logic/reminder_check.h"

#include <cstdio>
#include <cstring>

namespace luna {

static bool FitsTwoColumns(int value) {
    return value >= 0 && value <= 99;
}

ReminderStamp FormatReminderStamp(int month, int day, int hour, int minute) {
    ReminderStamp stamp{};
    if (FitsTwoColumns(month) && FitsTwoColumns(day) && FitsTwoColumns(hour) &&
        FitsTwoColumns(minute)) {
        std::snprintf(stamp.text, sizeof stamp.text, "%2d/%2d %2d:%2d", month, day, hour, minute);
    }
    return stamp;
}

bool ReminderIsDue(const char* entry, const ReminderStamp& stamp) {
    if (entry == nullptr || stamp.text[0] == '\0') {
        return false;
    }
    char prefix[kReminderStampLength + 1] = {};
    std::strncpy(prefix, entry, kReminderStampLength);
    return std::memcmp(prefix, stamp.text, sizeof prefix) == 0;
}

} // namespace luna
