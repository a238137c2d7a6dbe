// The official days off (休) and make-up workdays (班) of a year, as the State Council's
// General Office sets them by notice. A year without a notice has no marks: nothing is
// ever guessed. Names are GBK texts such as "春节" or "中秋节、国庆节".
//
// The days are written in one text form, both in the table compiled into the program and
// in the user's own file (GBK, one statement a line, "#" starts a comment):
//
//   [2027] 国务院办公厅关于2027年部分节假日安排的通知
//   2027-01-01..03 休 元旦
//   2026-12-27 班 元旦
//
// "[YEAR] TEXT" opens the year whose notice TEXT names; each day line that follows gives a
// date or a run of dates ("..DD", "..MM-DD" or "..YYYY-MM-DD" ends the run), 休 or 班, and
// the holiday's name. A notice may reach into the end of the year before it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
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
    int year = 0;     // the date's own year: the notice's year, or the year before it
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

// A line of a holiday text that was not taken, with why (GBK).
struct HolidayProblem {
    int line = 0; // 1-based
    std::string reason;
};

struct HolidayParse {
    std::vector<HolidayYear> years; // in the order of the text
    std::vector<HolidayProblem> problems;
};

// Reads the text form above. A bad line is reported and skipped, and everything else
// still counts; a year given twice keeps its later block.
HolidayParse ParseHolidayText(std::string_view text, HolidaySource source);

// The years shipped with the program, 2008 to 2026, as the notices state them (the whole
// reading of the shipped table, and its years).
const HolidayParse& ShippedHolidays();
const std::vector<HolidayYear>& ShippedHolidayYears();

// The shipped years with the user's years laid over them: a year of the user's replaces
// the shipped year of that number whole.
class HolidayTable {
  public:
    HolidayTable(); // the shipped years alone
    void Apply(const std::vector<HolidayYear>& years);

    // The entry of a date, or nullptr for an unmarked day or a year without data.
    const HolidayEntry* Find(int year, int month, int day) const;
    HolidayMark MarkOf(int year, int month, int day) const;

    bool Covers(int year) const;
    int LastYear() const; // 0 when no year has data
    std::vector<int> Years() const;
    const HolidayYear* Year(int year) const;

  private:
    std::vector<HolidayYear> years_; // by year
};

// "节假日安排已收录至 2026 年": how far the data goes (GBK).
std::string HolidayCoverageNote(const HolidayTable& table);

// The line the calendar text and the tip add on a marked day: "国庆节 放假" on a day off,
// "调休上班" on a make-up workday, "" on other days (GBK).
std::string HolidayTextLine(const HolidayEntry* entry);

} // namespace luna
