// The official days off (休) and make-up workdays (班) of a year, as the State Council's
// General Office sets them by notice. A year without a notice has no marks: nothing is
// ever guessed. Names are GBK texts such as "春节" or "中秋节、国庆节".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace luna {

enum class HolidayMark : std::uint8_t {
    None = 0, // an ordinary day, or a year without data
    Off = 1,  // 休: a day off
    Work = 2, // 班: a make-up workday on a weekend
};

// One marked day of a year.
struct HolidayEntry {
    int month = 0; // 1-12
    int day = 0;   // 1-31
    HolidayMark mark = HolidayMark::None;
    std::string name; // GBK
};

// Where a year's days came from.
enum class HolidaySource : std::uint8_t {
    Shipped = 0,  // the table compiled into the program
    Imported = 1, // pasted or opened by the user
    Fetched = 2,  // downloaded by the update
};

// The marked days of one year in date order, with the notice they come from.
struct HolidayYear {
    int year = 0;
    std::vector<HolidayEntry> days;
    std::string notice; // GBK: the notice's title and number, empty when unknown
    HolidaySource source = HolidaySource::Shipped;
    std::string sourceDate; // "YYYY-MM-DD" of an import or fetch, else empty
};

} // namespace luna
