// Whether a reminder falls due in a given minute. A reminder's text starts with its due
// time, "%2d/%2d %2d:%2d" of month, day, hour and minute: 11 bytes, no year.
// The tick asks once for every minute that begins (late ticks and sleep included, see
// NextDueMinute), so a reminder is due in exactly one minute of its day and a kind of
// reminder only has to answer "due in this minute of this day?".
#pragma once

namespace luna {

constexpr int kReminderStampLength = 11;

struct ReminderStamp {
    char text[kReminderStampLength + 1];
};

// The stamp of a minute; empty when a number does not fit its two columns.
ReminderStamp FormatReminderStamp(int month, int day, int hour, int minute);

// True when the entry's first 11 bytes equal the stamp. A shorter entry, or an empty
// stamp, never matches.
bool ReminderIsDue(const char* entry, const ReminderStamp& stamp);

} // namespace luna
