// iCalendar text.
#include "shared/ics_writer.h"

#include <cstdio>

namespace luna {
namespace {

constexpr std::size_t kFoldOctets = 75;

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

std::string DateText(int year, int month, int day) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", year, month, day);
    return text;
}

std::string DateTimeText(int year, int month, int day, int hour, int minute, int second) {
    char text[16];
    std::snprintf(text, sizeof text, "T%02d%02d%02d", hour, minute, second);
    return DateText(year, month, day) + text;
}

void AppendEvent(const IcsEvent& e, const std::string& dtstamp, std::string& out) {
    out += "BEGIN:VEVENT\r\n";
    out += FoldIcsLine("UID:" + e.uid);
    out += "DTSTAMP:" + dtstamp + "\r\n";
    if (e.allDay) {
        out += "DTSTART;VALUE=DATE:" + DateText(e.year, e.month, e.day) + "\r\n";
    } else {
        out += "DTSTART:" + DateTimeText(e.year, e.month, e.day, e.hour, e.minute, 0) + "\r\n";
    }
    if (e.yearly) {
        // UNTIL takes the form of DTSTART: a date, or a floating local time.
        out += "RRULE:FREQ=YEARLY;UNTIL=" +
               (e.allDay ? DateText(e.untilYear, e.untilMonth, e.untilDay)
                         : DateTimeText(e.untilYear, e.untilMonth, e.untilDay, 23, 59, 59)) +
               "\r\n";
    }
    out += FoldIcsLine("SUMMARY:" + EscapeIcsText(e.summary));
    if (!e.description.empty()) {
        out += FoldIcsLine("DESCRIPTION:" + EscapeIcsText(e.description));
    }
    if (e.allDay) {
        out += "TRANSP:TRANSPARENT\r\n";
    } else {
        out += "BEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER:PT0S\r\n";
        out += FoldIcsLine("DESCRIPTION:" + EscapeIcsText(e.summary));
        out += "END:VALARM\r\n";
    }
    out += "END:VEVENT\r\n";
}

} // namespace

std::string EscapeIcsText(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (const char c : utf8) {
        switch (c) {
        case '\\':
        case ';':
        case ',':
            out += '\\';
            out += c;
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string FoldIcsLine(const std::string& line) {
    std::string out;
    std::size_t at = 0;
    std::size_t room = kFoldOctets; // the first line has 75 octets, the others 74 after the blank
    while (line.size() - at > room) {
        std::size_t cut = at + room;
        while (cut > at + 1 && IsContinuationByte(line[cut])) {
            --cut;
        }
        out.append(line, at, cut - at);
        out += "\r\n ";
        at = cut;
        room = kFoldOctets - 1;
    }
    out.append(line, at, std::string::npos);
    out += "\r\n";
    return out;
}

std::string WriteICalendar(const std::vector<IcsEvent>& events, const std::string& dtstampUtc) {
    std::string out = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//lunavis//Reminders//ZH\r\n"
                      "CALSCALE:GREGORIAN\r\nMETHOD:PUBLISH\r\n";
    for (const IcsEvent& e : events) {
        AppendEvent(e, dtstampUtc, out);
    }
    out += "END:VCALENDAR\r\n";
    return out;
}

} // namespace luna
