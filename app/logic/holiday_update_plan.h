// When lunavis fetches holiday years from the internet, from where, and what it says about
// the outcome. Pure: the fetching thread and the registry are at the edges
// (app/holiday_update.h).
//
// Off until the user ticks it on the calendar page. Then, at most once a day, the current
// and the next year are fetched, each only while it has no data, or from November to
// January, when a known year may still be revised. The addresses come from the registry,
// tried in order; "{year}" in an address stands for the year.
#pragma once

#include <string>
#include <vector>

#include "calendar/holidays.h"
#include "shared/holiday_check.h"

namespace luna {

// The addresses used while the registry names none: the per-year files of a public data set
// that transcribes the notices, and a mirror of it.
constexpr char kDefaultHolidayUrls[] =
    "https://cdn.jsdelivr.net/gh/NateScarlet/holiday-cn@master/{year}.json;"
    "https://raw.githubusercontent.com/NateScarlet/holiday-cn/master/{year}.json";

constexpr std::size_t kMaxHolidayUrls = 8;
constexpr std::size_t kMaxHolidayUrlBytes = 512;

// The addresses of the registry value (or of the default when it is empty): split at ';'
// and line breaks, blanks trimmed, only http:// and https:// ones, at most kMaxHolidayUrls.
std::vector<std::string> HolidayUpdateAddresses(const std::string& value);

// The address of a year: every "{year}" replaced.
std::string HolidayAddressForYear(const std::string& address, int year);

// The years to fetch on `today` (year and month): this year and the next, each while it has
// no data, or in November, December and January.
std::vector<int> HolidayYearsToFetch(const HolidayTable& table, int year, int month);

// Whether the daily fetch is due: the tick is on, it was not tried today and some year is
// to be fetched.
bool HolidayUpdateDue(bool enabled, const std::string& lastDay, const std::string& today,
                      const std::vector<int>& years);

// What came of one year.
struct HolidayFetchOutcome {
    int year = 0;
    bool got = false;                           // a year was read and checked
    HolidayCheck check = HolidayCheck::Refused; // when got
    HolidayYear candidate;                      // when got
    std::string address;                        // where it came from, or the last address tried
    std::string problem;                        // GBK, when !got: the last address's fault
};

// The report of the fetch in words (GBK), one line a year: "2027 年：已更新（来自 ...）".
// storeErrors[i] is the error of storing outcomes[i], empty when it was stored or not due.
std::string HolidayUpdateReport(const std::vector<HolidayFetchOutcome>& outcomes,
                                const std::vector<std::string>& storeErrors);

} // namespace luna
