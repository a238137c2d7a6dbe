// iCalendar (RFC 5545) text for phone and web calendars: one VCALENDAR of VEVENTs, each
// timed event with a display alarm at its start. Times are floating local times (no time
// zone), as a reminder is meant for the wall clock wherever its user is. Texts are UTF-8;
// lines end in CR LF and are folded at 75 octets, never inside a UTF-8 character.
#pragma once

#include <string>
#include <vector>

namespace luna {

struct IcsEvent {
    std::string uid;         // unique and stable across exports (ASCII)
    std::string summary;     // one line, UTF-8
    std::string description; // UTF-8, may hold line feeds; empty: none written
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;        // timed events only
    int minute = 0;      // timed events only
    bool allDay = false; // a date without a time and without an alarm
    bool yearly = false; // repeats every year up to and including the `until` day
    int untilYear = 0;
    int untilMonth = 0;
    int untilDay = 0;
};

// A whole iCalendar object. dtstampUtc: the export's moment as "YYYYMMDDTHHMMSSZ".
std::string WriteICalendar(const std::vector<IcsEvent>& events, const std::string& dtstampUtc);

// A TEXT value escaped as RFC 5545 wants it (backslash, semicolon, comma, line feed;
// carriage returns dropped).
std::string EscapeIcsText(const std::string& utf8);

// One content line, folded at 75 octets, with its CR LF.
std::string FoldIcsLine(const std::string& line);

} // namespace luna
