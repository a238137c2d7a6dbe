// Per-day annotations of a Gregorian month for the desktop grid and the conversion dialog.
#include "shared/month_annotations.h"

#include <cstring>

#include "calendar/lunar.h"
#include "calendar/names.h"
#include "calendar/text_buffer.h"

namespace luna {
namespace {

void FormatDayLabel(const LunarDate& d, char (&label)[16]) {
    if (d.lunarDay == 1) {
        FormatMonthLabel(d.lunarMonth, d.isLeapMonth != 0, d.monthDays, label);
    } else {
        TextBuffer(label, sizeof label).Append(kLunarDayNames[d.lunarDay - 1]);
    }
}

template <std::size_t N> void CopyText(const char* text, char (&out)[N]) {
    TextBuffer(out, N).Append(text == nullptr ? "" : text);
}

} // namespace

CellPlace PlaceDay(int firstWeekday, int day) {
    const int cell = firstWeekday + day - 1;
    return CellPlace{cell % 7, cell / 7};
}

void FillHolidayMarks(const HolidayTable& table, int year, int month, HolidayMark (&marks)[31]) {
    for (int day = 1; day <= 31; ++day) {
        marks[day - 1] =
            day <= DaysInMonth(year, month) ? table.MarkOf(year, month, day) : HolidayMark::None;
    }
}

int FirstWeekdayOf(int year, int month) {
    return WeekdayOf(year, month, 1);
}

void FormatMonthLabel(int lunarMonth, bool isLeap, int monthDays, char (&label)[16]) {
    TextBuffer t(label, sizeof label);
    if (isLeap) {
        t.AppendFormat(monthDays == 30 ? "闰%d月大" : "闰%d月小", lunarMonth);
    } else {
        t.AppendFormat(monthDays == 30 ? "%d月大" : "%d月小", lunarMonth);
    }
}

void FormatTermLabel(int solarTerm, unsigned termSeconds, char (&label)[16]) {
    TextBuffer t(label, sizeof label);
    if (solarTerm < 1 || solarTerm > 24) {
        return;
    }
    const unsigned s = termSeconds % 86400;
    t.AppendFormat("%d:%d:%d\n", static_cast<int>(s / 3600), static_cast<int>(s % 3600 / 60),
                   static_cast<int>(s % 60));
    t.Append(kSolarTermNames[solarTerm]);
}

const char* DesktopMonth::Slot(int day, DesktopSlot slot) const {
    if (day < 1 || day > daysInMonth) {
        return nullptr;
    }
    const DesktopDay& d = days[day - 1];
    const char* text = nullptr;
    switch (slot) {
    case kDayLabelSlot:
        text = d.dayLabel;
        break;
    case kSolarFestivalSlot:
        text = d.solarFestival;
        break;
    case kOwnSolarSlot:
        text = d.ownSolar;
        break;
    case kLunarFestivalSlot:
        text = d.lunarFestival;
        break;
    case kOwnLunarSlot:
        text = d.ownLunar;
        break;
    default:
        break;
    }
    return (text != nullptr && text[0] != '\0') ? text : nullptr;
}

DesktopMonth BuildDesktopMonth(int year, int month, const DisplaySettings& s,
                               const char* const* ownSolar, std::size_t ownSolarCount,
                               const char* const* ownLunar, std::size_t ownLunarCount) {
    DesktopMonth m{};
    m.year = year;
    m.month = month;
    if (!IsSupportedDate(year, month, 1)) {
        return m;
    }
    m.daysInMonth = DaysInMonth(year, month);
    m.firstWeekday = FirstWeekdayOf(year, month);
    const FestivalList ownSolarList{ownSolar, ownSolar == nullptr ? 0 : ownSolarCount};
    const FestivalList ownLunarList{ownLunar, ownLunar == nullptr ? 0 : ownLunarCount};

    for (int day = 1; day <= m.daysInMonth; ++day) {
        DesktopDay& cell = m.days[day - 1];
        const LunarDate d = LunarOf(year, month, day);
        FormatDayLabel(d, cell.dayLabel);

        char solarKey[5];
        char lunarKey[5];
        FormatDayKey(month, day, solarKey);
        FormatDayKey(d.lunarMonth, d.lunarDay, lunarKey);
        if (s.showSolarFestivals) {
            cell.solarFestival = LastFestivalMatch(ListOf(kSolarFestivals), solarKey);
        }
        if (s.showOwnSolarFestivals) {
            CopyText(LastFestivalMatch(ownSolarList, solarKey), cell.ownSolar);
        }
        if (s.showLunarFestivals) {
            cell.lunarFestival = LastFestivalMatch(ListOf(kLunarFestivalsHook), lunarKey);
        }
        if (s.showOwnLunarFestivals) {
            CopyText(LastFestivalMatch(ownLunarList, lunarKey), cell.ownLunar);
        }
        if (s.showSolarTerms && d.solarTerm != 0) {
            FormatTermLabel(d.solarTerm, d.termSeconds, cell.dayLabel);
        }
    }
    return m;
}

std::size_t JoinCellAnnotation(const DesktopMonth& month, int day, char* out, std::size_t outSize) {
    const std::size_t capacity = outSize < kCellAnnotationMax ? outSize : kCellAnnotationMax;
    TextBuffer t(out, capacity);
    for (int slot = 0; slot < kDesktopSlotCount; ++slot) {
        const char* text = month.Slot(day, static_cast<DesktopSlot>(slot));
        if (text == nullptr) {
            continue;
        }
        const std::size_t size = std::strlen(text);
        if (size + 1 > t.Remaining()) {
            continue;
        }
        t.Append(text);
        t.Append("\n");
    }
    return t.Length();
}

ConversionMonth BuildConversionMonth(int year, int month) {
    ConversionMonth m{};
    m.year = year;
    m.month = month;
    if (!IsSupportedDate(year, month, 1)) {
        return m;
    }
    m.daysInMonth = DaysInMonth(year, month);
    m.firstWeekday = FirstWeekdayOf(year, month);

    const LunarDate first = LunarOf(year, month, 1);
    m.firstLunarYear = first.lunarYear;
    m.firstLunarMonth = first.lunarMonth;
    TextBuffer(m.title, sizeof m.title)
        .AppendFormat("农历:%s%s[%s]年%s%s月%s%s日", kYearStems[first.yearStem],
                      kYearBranches[first.yearBranch], kZodiac[first.zodiac],
                      kMonthStems[first.monthStem], kMonthBranches[first.monthBranch],
                      kDayStems[first.dayStem], kDayBranches[first.dayBranch]);

    for (int day = 1; day <= m.daysInMonth; ++day) {
        char(&label)[16] = m.labels[day - 1];
        const LunarDate d = LunarOf(year, month, day);
        FormatDayLabel(d, label);

        char key[5];
        FormatDayKey(month, day, key);
        if (const char* name = LastFestivalMatch(ListOf(kSolarFestivals), key)) {
            CopyText(name, label);
        }
        FormatDayKey(d.lunarMonth, d.lunarDay, key);
        if (const char* name = LastFestivalMatch(ListOf(kLunarFestivalsApp), key)) {
            CopyText(name, label);
        }
        if (d.solarTerm != 0) {
            FormatTermLabel(d.solarTerm, d.termSeconds, label);
        }
    }
    return m;
}

} // namespace luna
