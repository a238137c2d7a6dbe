#include "shared/reminder_export.h"

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

namespace {

// One date, Gregorian (yearly) or lunar (one per lunar year), with what an event needs.
struct Occasion {
    bool lunar;
    int month;
    bool leap;
    int day;
    int hour;
    int minute;
    bool allDay;
};

void AddEvents(const Occasion& o, const std::string& uid, const IcsEvent& texts,
               const ExportRange& range, std::vector<IcsEvent>& events) {
    const int first = NumberOf(range.first);
    const int last = NumberOf(range.last);
    IcsEvent e = texts;
    e.hour = o.hour;
    e.minute = o.minute;
    e.allDay = o.allDay;
    if (!o.lunar) {
        for (int year = range.first.year; year <= range.last.year; ++year) {
            // 29 February outside leap years, or a day the month lacks, is skipped.
            if (!IsSupportedDate(year, o.month, o.day)) {
                continue;
            }
            const int n = DayNumber(year, o.month, o.day);
            if (n < first || n > last) {
                continue;
            }
            e.uid = uid + "@lunavis";
            e.year = year;
            e.month = o.month;
            e.day = o.day;
            e.yearly = true;
            e.untilYear = range.last.year;
            e.untilMonth = range.last.month;
            e.untilDay = range.last.day;
            events.push_back(e);
            return;
        }
        return;
    }
    const LunarDate from = LunarOf(range.first.year, range.first.month, range.first.day);
    for (int lunarYear = from.lunarYear; lunarYear <= range.last.year; ++lunarYear) {
        GregorianDay due{};
        if (!LunarAnniversaryIn(lunarYear, o.month, o.leap, o.day, due)) {
            continue;
        }
        const int n = NumberOf(due);
        if (n < first || n > last) {
            continue;
        }
        char date[16];
        std::snprintf(date, sizeof date, "%04d%02d%02d", due.year, due.month, due.day);
        e.uid = uid + "-" + date + "@lunavis";
        e.year = due.year;
        e.month = due.month;
        e.day = due.day;
        events.push_back(e);
    }
}

// A festival record: "%2d%2d" of month and day, then the name.
bool ParseFestival(const std::string& record, int& month, int& day) {
    if (record.size() < 4) {
        return false;
    }
    month = TwoColumns(record.c_str());
    day = TwoColumns(record.c_str() + 2);
    return month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

} // namespace

std::vector<IcsEvent> PlanReminderEvents(const ExportSources& sources, const ExportRange& range,
                                         GbkToUtf8Function toUtf8) {
    std::vector<IcsEvent> events;
    UidMaker uids;
    for (const std::string& record : sources.reminders) {
        GregorianStamp s{};
        if (ParseGregorianStamp(record, s)) {
            IcsEvent texts;
            FillTexts(record, toUtf8, texts);
            AddEvents({false, s.month, false, s.day, s.hour, s.minute, false},
                      uids.For("g", record), texts, range, events);
        }
    }
    for (const std::string& record : sources.lunarReminders) {
        LunarStamp s{};
        if (ParseLunarStamp(record.c_str(), s)) {
            IcsEvent texts;
            FillTexts(record, toUtf8, texts);
            AddEvents({true, s.month, s.leap, s.day, s.hour, s.minute, false},
                      uids.For("l", record), texts, range, events);
        }
    }
    for (const bool lunar : {false, true}) {
        for (const std::string& record : lunar ? sources.lunarFestivals : sources.solarFestivals) {
            int month = 0;
            int day = 0;
            if (ParseFestival(record, month, day) && (!lunar || day <= 30)) {
                IcsEvent texts;
                texts.summary = toUtf8(record.substr(4));
                AddEvents({lunar, month, false, day, 0, 0, true},
                          uids.For(lunar ? "fl" : "fs", record), texts, range, events);
            }
        }
    }
    return events;
}

} // namespace luna
