#include "shared/holiday_check.h"

#include <set>

#include "calendar/lunar.h"

namespace luna {
namespace {

constexpr std::size_t kMaxNameBytes = 40;
constexpr std::size_t kMaxNoticeBytes = 400;

// No control characters, and for a name no '?' that a character without a GBK form became
// (a notice's addresses may hold one).
bool CleanText(const std::string& text, bool name) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F || (name && c == '?')) {
            return false;
        }
    }
    return true;
}

HolidayCheck Refuse(std::string& reason, const std::string& why) {
    reason = why;
    return HolidayCheck::Refused;
}

bool SameDays(const HolidayYear& a, const HolidayYear& b) {
    if (a.days.size() != b.days.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.days.size(); ++i) {
        const HolidayEntry& x = a.days[i];
        const HolidayEntry& y = b.days[i];
        if (x.year != y.year || x.month != y.month || x.day != y.day || x.mark != y.mark ||
            x.name != y.name) {
            return false;
        }
    }
    return true;
}

} // namespace

HolidayCheck CheckHolidayYear(const HolidayYear& candidate, int expectedYear,
                              const HolidayYear* stored, std::string& reason) {
    const int year = candidate.year;
    if (year <= kFirstYear || year > kLastYear || (expectedYear != 0 && year != expectedYear)) {
        return Refuse(reason, "年份不符");
    }
    if (candidate.days.empty() || candidate.days.size() > kMaxHolidayDays) {
        return Refuse(reason, "日期的数目不对");
    }
    if (candidate.notice.size() > kMaxNoticeBytes || !CleanText(candidate.notice, false)) {
        return Refuse(reason, "通知标题过长或含有无法显示的字符");
    }
    std::set<int> seen;
    for (const HolidayEntry& e : candidate.days) {
        const std::string date =
            std::to_string(e.year) + "-" + std::to_string(e.month) + "-" + std::to_string(e.day);
        if (!IsSupportedDate(e.year, e.month, e.day) ||
            !(e.year == year || (e.year == year - 1 && e.month == 12))) {
            return Refuse(reason, date + " 不在 " + std::to_string(year) + " 年之内");
        }
        if (!seen.insert(DayNumber(e.year, e.month, e.day)).second) {
            return Refuse(reason, date + " 出现了两次");
        }
        const int weekday = WeekdayOf(e.year, e.month, e.day);
        if (e.mark != HolidayMark::Off &&
            (e.mark != HolidayMark::Work || (weekday != 0 && weekday != 6))) {
            return Refuse(reason, date + " 标为上班，却不是周末");
        }
        if (e.name.empty() || e.name.size() > kMaxNameBytes || !CleanText(e.name, true)) {
            return Refuse(reason, date + " 的节日名称不对");
        }
    }
    if (stored == nullptr) {
        return HolidayCheck::Added;
    }
    return SameDays(candidate, *stored) ? HolidayCheck::Unchanged : HolidayCheck::Revised;
}

} // namespace luna
