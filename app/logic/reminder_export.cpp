#include "app/logic/reminder_export.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>

#include "calendar/lunar.h"
#include "shared/lunar_reminder_file.h"

namespace luna {
namespace {

constexpr std::size_t kStampLength = 11;

struct GregorianStamp {
    int month;
    int day;
    int hour;
    int minute;
};

// "%2d" at text[0..1], -1 otherwise.
int TwoColumns(const char* text) {
    if (text[1] < '0' || text[1] > '9') {
        return -1;
    }
    if (text[0] == ' ') {
        return text[1] - '0';
    }
    if (text[0] < '0' || text[0] > '9') {
        return -1;
    }
    return (text[0] - '0') * 10 + (text[1] - '0');
}

bool ParseGregorianStamp(const std::string& record, GregorianStamp& out) {
    if (record.size() < kStampLength || record[2] != '/' || record[5] != ' ' || record[8] != ':') {
        return false;
    }
    const char* t = record.c_str();
    out = GregorianStamp{TwoColumns(t), TwoColumns(t + 3), TwoColumns(t + 6), TwoColumns(t + 9)};
    return out.month >= 1 && out.month <= 12 && out.day >= 1 && out.day <= 31 && out.hour >= 0 &&
           out.hour <= 23 && out.minute >= 0 && out.minute <= 59;
}

int NumberOf(const GregorianDay& d) {
    return DayNumber(d.year, d.month, d.day);
}

std::string Hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(value));
    return text;
}

// FNV-1a of the record: the same reminder gets the same identifier in every export.
std::uint32_t Fingerprint(const std::string& text) {
    std::uint32_t hash = 2166136261u;
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    return hash;
}

// The first line of the text after the stamp, or a default summary for an empty one.
void FillTexts(const std::string& record, GbkToUtf8Function toUtf8, IcsEvent& e) {
    std::string text = record.substr(kStampLength);
    const std::size_t lineEnd = text.find_first_of("\r\n");
    std::string summary = text.substr(0, lineEnd);
    if (summary.empty()) {
        summary = "备忘";
    }
    e.summary = toUtf8(summary);
    if (lineEnd != std::string::npos) {
        e.description = toUtf8(text);
    }
}

class UidMaker {
  public:
    // "lunavis-<fingerprint>[-<n>]": n counts earlier records with the same text.
    std::string For(const std::string& kind, const std::string& record) {
        const int seen = seen_[kind + record]++;
        std::string uid = "lunavis-" + kind + "-" + Hex(Fingerprint(record));
        if (seen > 0) {
            uid += "-" + std::to_string(seen);
        }
        return uid;
    }

  private:
    std::map<std::string, int> seen_;
};

} // namespace

bool ExportRangeFrom(const GregorianDay& first, int years, ExportRange& out) {
    if (!IsSupportedDate(first.year, first.month, first.day) || years < 1 ||
        years > kMaxExportYears) {
        return false;
    }
    out.first = first;
    const int endYear = first.year + years;
    if (endYear > kLastYear) {
        out.last = GregorianDay{kLastYear, 12, 31};
        return true;
    }
    const int endDay = first.day <= DaysInMonth(endYear, first.month)
                           ? first.day
                           : DaysInMonth(endYear, first.month);
    return GregorianOfDayNumber(DayNumber(endYear, first.month, endDay) - 1, out.last);
}

std::vector<IcsEvent> PlanReminderEvents(const std::vector<std::string>& reminders,
                                         const std::vector<std::string>& lunarReminders,
                                         const ExportRange& range, GbkToUtf8Function toUtf8) {
    std::vector<IcsEvent> events;
    const int first = NumberOf(range.first);
    const int last = NumberOf(range.last);
    UidMaker uids;

    for (const std::string& record : reminders) {
        GregorianStamp s{};
        if (!ParseGregorianStamp(record, s)) {
            continue;
        }
        for (int year = range.first.year; year <= range.last.year; ++year) {
            if (!IsSupportedDate(year, s.month, s.day)) {
                continue; // 29 February outside leap years, or a day the month lacks
            }
            const int n = DayNumber(year, s.month, s.day);
            if (n < first || n > last) {
                continue;
            }
            IcsEvent e;
            e.uid = uids.For("g", record) + "@lunavis";
            e.year = year;
            e.month = s.month;
            e.day = s.day;
            e.hour = s.hour;
            e.minute = s.minute;
            e.yearly = true;
            e.untilYear = range.last.year;
            e.untilMonth = range.last.month;
            e.untilDay = range.last.day;
            FillTexts(record, toUtf8, e);
            events.push_back(std::move(e));
            break;
        }
    }

    LunarDate from{};
    from.year = range.first.year;
    from.month = range.first.month;
    from.day = range.first.day;
    ConvertToLunar(from);
    for (const std::string& record : lunarReminders) {
        LunarStamp s{};
        if (!ParseLunarStamp(record.c_str(), s)) {
            continue;
        }
        const std::string base = uids.For("l", record);
        for (int lunarYear = from.lunarYear; lunarYear <= range.last.year; ++lunarYear) {
            GregorianDay due{};
            if (!LunarAnniversaryIn(lunarYear, s.month, s.leap, s.day, due)) {
                continue;
            }
            const int n = NumberOf(due);
            if (n < first || n > last) {
                continue;
            }
            IcsEvent e;
            char date[16];
            std::snprintf(date, sizeof date, "%04d%02d%02d", due.year, due.month, due.day);
            e.uid = base + "-" + date + "@lunavis";
            e.year = due.year;
            e.month = due.month;
            e.day = due.day;
            e.hour = s.hour;
            e.minute = s.minute;
            FillTexts(record, toUtf8, e);
            events.push_back(std::move(e));
        }
    }
    return events;
}

} // namespace luna
