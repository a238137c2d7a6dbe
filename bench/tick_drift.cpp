// How a drifting one-second timer meets second 0: for an hour of ticks at a given period
// and starting phase, how many minutes no tick samples at second 0 (the old tick lost
// their reminders), how many second 0s are sampled twice (the old tick showed those
// reminders twice), and what the minute bookkeeping of the tick makes of the same ticks
// (minutes never checked, checked twice). Prints one line per period.
//
//   build/native/bench/tick_drift
#include <cstdint>
#include <cstdio>
#include <map>

#include "hook/logic/tick_plan.h"

namespace {

// Local time of a moment in milliseconds after 2027-02-16 09:00:00 (no date change).
luna::LocalTime At(std::int64_t ms) {
    const std::int64_t s = ms / 1000;
    return luna::LocalTime{2027,
                           2,
                           16,
                           2,
                           static_cast<int>(9 + s / 3600),
                           static_cast<int>(s / 60 % 60),
                           static_cast<int>(s % 60)};
}

struct Figures {
    int lostBefore = 0;    // minutes whose second 0 no tick sampled
    int doubledBefore = 0; // second 0s sampled more than once
    int missedAfter = 0;   // minutes the bookkeeping never checked
    int repeatedAfter = 0; // minutes it checked more than once
};

Figures RunHour(double periodMs, double phaseMs) {
    Figures f;
    std::map<std::int64_t, int> zeroSamples; // minute -> ticks at its second 0
    std::map<std::int64_t, int> checks;      // minute -> times checked
    luna::TickState state{};
    luna::LocalTime minute{};
    for (double t = phaseMs; t < 3600.0 * 1000; t += periodMs) {
        const luna::LocalTime now = At(static_cast<std::int64_t>(t));
        if (now.second == 0) {
            ++zeroSamples[luna::MinuteIndex(now)];
        }
        while (luna::NextDueMinute(state, now, minute)) {
            ++checks[luna::MinuteIndex(minute)];
        }
    }
    const std::int64_t first = luna::MinuteIndex(At(0)) + 1; // the first whole minute
    for (std::int64_t m = first; m < first + 59; ++m) {
        const int zero = zeroSamples.count(m) != 0 ? zeroSamples[m] : 0;
        const int checked = checks.count(m) != 0 ? checks[m] : 0;
        f.lostBefore += zero == 0 ? 1 : 0;
        f.doubledBefore += zero > 1 ? 1 : 0;
        f.missedAfter += checked == 0 ? 1 : 0;
        f.repeatedAfter += checked > 1 ? 1 : 0;
    }
    return f;
}

} // namespace

int main() {
    // Windows fires a 1000 ms timer every 1000 to 1016 ms (the clock tick is 15.625 ms).
    const double periods[] = {1000.0, 1001.0, 1010.0, 1015.625, 1016.0, 999.0};
    std::printf("%-10s %-28s %-28s\n", "period", "before: lost / doubled",
                "after: missed / repeated");
    for (double period : periods) {
        // Averaged over 100 starting phases across one second.
        Figures sum;
        for (int phase = 0; phase < 100; ++phase) {
            const Figures f = RunHour(period, phase * 10.0 + 0.5);
            sum.lostBefore += f.lostBefore;
            sum.doubledBefore += f.doubledBefore;
            sum.missedAfter += f.missedAfter;
            sum.repeatedAfter += f.repeatedAfter;
        }
        std::printf("%8.3f ms %10.2f / %-15.2f %10.2f / %-15.2f (per hour)\n", period,
                    sum.lostBefore / 100.0, sum.doubledBefore / 100.0, sum.missedAfter / 100.0,
                    sum.repeatedAfter / 100.0);
    }
    return 0;
}
