// Reading the State Council General Office's notice of a year's holidays, as published and
// pasted or saved by the user, into the year's days off and make-up workdays.
//
// The notice lists one item per holiday, "一、元旦：1月1日（周四）至3日（周六）放假调休，共3天。
// 1月4日（周日）上班。", in UTF-8 or GBK, with full- or half-width punctuation. The reader
// takes the forms the notices have used since 2008: spans ("至", also across a month or a
// year), single days ("放假1天", "不调休"), "与周末连休" (the adjoining weekend is off too),
// "5月1日放假，5月2日（星期一）补休" (off from the holiday through the day in lieu, the
// weekend between included), any number of make-up days before "上班", and notes in
// brackets, whose weekday must agree with the date. A notice that changes one holiday of a
// year already published (its title has no "部分节假日安排") names the holiday in its title;
// "延长...假期至2月2日" lengthens it.
//
// Nothing is guessed: a sentence that speaks of days off or work and cannot be read stops
// the reader, which then returns that sentence and no days.
#pragma once

#include <string>
#include <vector>

#include "calendar/holidays.h"

namespace luna {

// "延长2020年春节假期至2月2日": the holiday's days off run on to that day.
struct NoticeExtension {
    std::string name; // GBK
    int month = 0;
    int day = 0;
};

struct NoticeReading {
    bool ok = false;
    int year = 0;
    std::string notice;                // GBK: the title and the number, as far as found
    bool amendment = false;            // changes holidays of a year published before
    std::vector<std::string> holidays; // GBK names the notice sets, in its order
    std::vector<HolidayEntry> days;    // in date order; the first may lie in the year before
    std::vector<NoticeExtension> extensions;
    std::string reason;    // GBK, when !ok: what was wrong
    std::string stoppedAt; // GBK, when !ok: the sentence the reader stopped at
};

// Reads the notice (at most kMaxOutsideTextBytes bytes).
NoticeReading ReadHolidayNotice(const std::string& bytes);

} // namespace luna
