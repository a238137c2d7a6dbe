// Reading the holiday text form, and the table of shipped and user years.
#include "calendar/holidays.h"

#include <algorithm>
#include <cstdio>

#include "calendar/gbk_bytes.h"
#include "calendar/lunar.h"

namespace luna {
namespace {

constexpr std::size_t kNameMax = 40; // bytes of a holiday's name
constexpr std::size_t kNoticeMax = 400;
constexpr int kRunMax = 31; // days in one run

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) {
        s.remove_suffix(1);
    }
    return s;
}

// Reads exactly `digits` decimal digits from the front of s.
bool TakeNumber(std::string_view& s, std::size_t digits, int& value) {
    if (s.size() < digits) {
        return false;
    }
    value = 0;
    for (std::size_t i = 0; i < digits; ++i) {
        if (s[i] < '0' || s[i] > '9') {
            return false;
        }
        value = value * 10 + (s[i] - '0');
    }
    s.remove_prefix(digits);
    return true;
}

bool TakeChar(std::string_view& s, char c) {
    if (s.empty() || s.front() != c) {
        return false;
    }
    s.remove_prefix(1);
    return true;
}

struct Day {
    int year;
    int month;
    int day;
};

// "YYYY-MM-DD" at the front of s.
bool TakeDate(std::string_view& s, Day& d) {
    return TakeNumber(s, 4, d.year) && TakeChar(s, '-') && TakeNumber(s, 2, d.month) &&
           TakeChar(s, '-') && TakeNumber(s, 2, d.day);
}

// The end of a run: "DD", "MM-DD" or "YYYY-MM-DD", the missing parts taken from start.
bool TakeRunEnd(std::string_view& s, const Day& start, Day& end) {
    std::size_t digits = 0;
    while (digits < s.size() && s[digits] >= '0' && s[digits] <= '9') {
        ++digits;
    }
    end = start;
    if (digits == 4) {
        return TakeDate(s, end);
    }
    if (digits != 2) {
        return false;
    }
    if (s.size() > 2 && s[2] == '-') {
        return TakeNumber(s, 2, end.month) && TakeChar(s, '-') && TakeNumber(s, 2, end.day);
    }
    return TakeNumber(s, 2, end.day);
}

Day NextDay(const Day& d) {
    if (d.day < DaysInMonth(d.year, d.month)) {
        return Day{d.year, d.month, d.day + 1};
    }
    return d.month < 12 ? Day{d.year, d.month + 1, 1} : Day{d.year + 1, 1, 1};
}

int Serial(const Day& d) {
    return DayNumber(d.year, d.month, d.day);
}

int Serial(const HolidayEntry& e) {
    return DayNumber(e.year, e.month, e.day);
}

std::string DateText(const Day& d) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year, d.month, d.day);
    return text;
}

// Adds the days of one day line to the year; "" or why the line was refused.
std::string ReadDayLine(std::string_view line, HolidayYear& year) {
    Day start{};
    if (!TakeDate(line, start) || !IsSupportedDate(start.year, start.month, start.day)) {
        return "日期应写作 YYYY-MM-DD";
    }
    Day end = start;
    if (line.substr(0, 2) == "..") {
        line.remove_prefix(2);
        if (!TakeRunEnd(line, start, end) || !IsSupportedDate(end.year, end.month, end.day)) {
            return "日期段的结束日期无效";
        }
    }
    const int first = Serial(start);
    const int last = Serial(end);
    if (last < first || last - first >= kRunMax) {
        return "日期段无效";
    }
    if (start.year < year.year - 1 || end.year > year.year) {
        return "日期不在 " + std::to_string(year.year) + " 年的安排之内";
    }
    line = Trim(line);
    HolidayMark mark = HolidayMark::None;
    const std::string_view off = "休";
    const std::string_view work = "班";
    if (line.substr(0, off.size()) == off) {
        mark = HolidayMark::Off;
        line.remove_prefix(off.size());
    } else if (line.substr(0, work.size()) == work) {
        mark = HolidayMark::Work;
        line.remove_prefix(work.size());
    } else {
        return "日期后应写“休”或“班”";
    }
    if (line.empty() || (line.front() != ' ' && line.front() != '\t')) {
        return "缺少节日名称";
    }
    const std::string_view name = Trim(line);
    if (name.empty() || name.size() > kNameMax) {
        return "缺少节日名称或名称过长";
    }
    for (Day d = start; Serial(d) <= last; d = NextDay(d)) {
        for (const HolidayEntry& e : year.days) {
            if (Serial(e) == Serial(d)) {
                return DateText(d) + " 已出现过";
            }
        }
    }
    for (Day d = start; Serial(d) <= last; d = NextDay(d)) {
        year.days.push_back(HolidayEntry{d.month, d.day, mark, std::string(name), d.year});
    }
    return "";
}

// "[YYYY] notice": the year opened, or 0.
int ReadYearLine(std::string_view line, std::string& notice) {
    int year = 0;
    if (!TakeChar(line, '[') || !TakeNumber(line, 4, year) || !TakeChar(line, ']') ||
        year < kFirstYear + 1 || year > kLastYear) {
        return 0;
    }
    line = Trim(line);
    // A long title is cut at a character, never inside one.
    notice.assign(line.data(), GbkCutLength(line.data(), std::min(line.size(), kNoticeMax)));
    return year;
}

void SortDays(HolidayYear& year) {
    std::sort(year.days.begin(), year.days.end(),
              [](const HolidayEntry& a, const HolidayEntry& b) { return Serial(a) < Serial(b); });
}

} // namespace

HolidayParse ParseHolidayText(std::string_view text, HolidaySource source) {
    HolidayParse result;
    HolidayYear* current = nullptr;
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view raw = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++number;
        const std::string_view line = Trim(raw);
        if (line.empty() || line.front() == '#') {
            continue;
        }
        std::string reason;
        if (line.front() == '[') {
            std::string notice;
            const int year = ReadYearLine(line, notice);
            if (year == 0) {
                reason = "年份行应写作 [YYYY] 通知标题";
            } else {
                result.years.erase(
                    std::remove_if(result.years.begin(), result.years.end(),
                                   [year](const HolidayYear& y) { return y.year == year; }),
                    result.years.end());
                HolidayYear opened;
                opened.year = year;
                opened.notice = notice;
                opened.source = source;
                result.years.push_back(opened);
                current = &result.years.back();
            }
        } else if (current == nullptr) {
            reason = "日期行之前缺少年份行 [YYYY]";
        } else {
            reason = ReadDayLine(line, *current);
        }
        if (!reason.empty()) {
            result.problems.push_back(HolidayProblem{number, reason});
        }
    }
    for (HolidayYear& year : result.years) {
        SortDays(year);
    }
    return result;
}

HolidayTable::HolidayTable() : years_(ShippedHolidayYears()) {}

void HolidayTable::Apply(const std::vector<HolidayYear>& years) {
    for (const HolidayYear& year : years) {
        auto at = std::find_if(years_.begin(), years_.end(),
                               [&](const HolidayYear& y) { return y.year == year.year; });
        if (at != years_.end()) {
            *at = year;
        } else {
            years_.push_back(year);
        }
    }
    std::sort(years_.begin(), years_.end(),
              [](const HolidayYear& a, const HolidayYear& b) { return a.year < b.year; });
}

const HolidayEntry* HolidayTable::Find(int year, int month, int day) const {
    // A date is set by its own year's notice or, at the end of December, by the next one's.
    for (const int notice : {year, year + 1}) {
        if (const HolidayYear* y = Year(notice)) {
            for (const HolidayEntry& e : y->days) {
                if (e.year == year && e.month == month && e.day == day) {
                    return &e;
                }
            }
        }
    }
    return nullptr;
}

HolidayMark HolidayTable::MarkOf(int year, int month, int day) const {
    const HolidayEntry* e = Find(year, month, day);
    return e == nullptr ? HolidayMark::None : e->mark;
}

bool HolidayTable::Covers(int year) const {
    return Year(year) != nullptr;
}

int HolidayTable::LastYear() const {
    return years_.empty() ? 0 : years_.back().year;
}

std::vector<int> HolidayTable::Years() const {
    std::vector<int> years;
    for (const HolidayYear& y : years_) {
        years.push_back(y.year);
    }
    return years;
}

const HolidayYear* HolidayTable::Year(int year) const {
    for (const HolidayYear& y : years_) {
        if (y.year == year) {
            return &y;
        }
    }
    return nullptr;
}

std::string HolidayCoverageNote(const HolidayTable& table) {
    const int last = table.LastYear();
    if (last == 0) {
        return "未收录节假日安排";
    }
    return "节假日安排已收录至 " + std::to_string(last) + " 年";
}

std::string HolidayTextLine(const HolidayEntry* entry) {
    if (entry == nullptr || entry->mark == HolidayMark::None) {
        return "";
    }
    return entry->mark == HolidayMark::Off ? entry->name + " 放假" : "调休上班";
}

} // namespace luna
