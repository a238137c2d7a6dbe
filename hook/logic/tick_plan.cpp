#include "hook/logic/tick_plan.h"

#include <cstdio>
#include <cstring>

namespace luna {

DateKey FormatDateKey(int year, int month, int day) {
    DateKey key{};
    std::snprintf(key.text, sizeof key.text, "%4d/%2d%2d", year, month, day);
    return key;
}

void ResetDateKey(DateKey& key) {
    std::memset(key.text, 0, sizeof key.text);
    std::memcpy(key.text, kNoDateDrawn, sizeof kNoDateDrawn);
}

static bool SameKey(const DateKey& a, const DateKey& b) {
    return std::strncmp(a.text, b.text, sizeof a.text) == 0;
}

bool GridNeedsRedraw(const DateKey& today, const DateKey& lastDrawn, int force) {
    return force != 0 && !SameKey(today, lastDrawn);
}

TickPlan PlanTick(const LocalTime& now, bool showSeconds, const DateKey& lastDrawn) {
    TickPlan plan{};
    const bool topOfMinute = now.second == 0;
    plan.drawClock = showSeconds || topOfMinute;
    plan.drawCalendarText = plan.drawClock && topOfMinute && now.minute == 0;
    plan.dateChanged = !SameKey(FormatDateKey(now.year, now.month, now.day), lastDrawn);
    plan.checkReminders = topOfMinute;
    return plan;
}

} // namespace luna
