#include "hook/logic/lunar_due.h"

#include <cstring>

#include "calendar/lunar.h"
#include "calendar/lunar_rules.h"
#include "hook/logic/reminder_check.h"
#include "shared/lunar_reminder_file.h"

namespace luna {

bool LunarReminderOnDay(const char* record, int year, int month, int day, ReminderEntry& out) {
    out[0] = '\0';
    LunarStamp stamp{};
    if (!ParseLunarStamp(record, stamp)) {
        return false;
    }
    if (!IsSupportedDate(year, month, day)) {
        return false;
    }
    const LunarDate today = LunarOf(year, month, day);
    GregorianDay due{};
    if (!LunarAnniversaryIn(today.lunarYear, stamp.month, stamp.leap, stamp.day, due) ||
        due.year != year || due.month != month || due.day != day) {
        return false;
    }
    const ReminderStamp gregorian = FormatReminderStamp(month, day, stamp.hour, stamp.minute);
    std::memcpy(out, gregorian.text, kReminderStampLength);
    const char* text = record + kLunarStampLength;
    const std::size_t room = kReminderRecordSize - kReminderStampLength;
    const void* end = std::memchr(text, '\0', room);
    const std::size_t length =
        end == nullptr ? room : static_cast<std::size_t>(static_cast<const char*>(end) - text);
    std::memcpy(out + kReminderStampLength, text, length);
    out[kReminderStampLength + length] = '\0';
    return true;
}

std::size_t LunarRemindersOnDay(const char* const* records, std::size_t count, int year, int month,
                                int day, ReminderEntry* out, std::size_t capacity) {
    std::size_t found = 0;
    for (std::size_t i = 0; records != nullptr && i < count && records[i] != nullptr; ++i) {
        if (found < capacity && LunarReminderOnDay(records[i], year, month, day, out[found])) {
            ++found;
        }
    }
    return found;
}

} // namespace luna
