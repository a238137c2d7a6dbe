// lunacal: the calendar engine on the command line.
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "shared/reminder_export.h"
#include "calendar/calendar_text.h"
#include "tools/lunacal/command_line.h"
#include "tools/lunacal/export_lines.h"
#include "tools/lunacal/gbk_output.h"
#include "tools/lunacal/holiday_view.h"
#include "tools/lunacal/month_view.h"
#include "shared/gbk_text.h"
#include "shared/holiday_file.h"
#include "shared/ics_writer.h"
#include "shared/lunar_reminder_file.h"
#include "shared/month_annotations.h"
#include "shared/rem_files.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

using namespace luna;
using namespace luna::lunacal;

constexpr int kExitBadInput = 2;
constexpr int kExitOutputFailed = 1;
constexpr int kExitNoHolidayData = 3;

// The shipped years with the user's file over them; each bad line of the file is told on
// standard error once.
HolidayTable LoadHolidays(const std::string& file) {
    std::vector<std::string> messages;
    HolidayTable table = LoadHolidayTable(file.empty() ? nullptr : file.c_str(), &messages);
    GbkOutput err(stderr);
    for (const std::string& message : messages) {
        err.Write("lunacal: " + message + "\n");
    }
    err.Flush();
    return table;
}

Clock ReadClock() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return Clock{CivilDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday}, local.tm_hour};
}

// What a file holds, told by its name (in any case): LunarReminder.rem lunar reminders,
// Solar.rem and Lunch.rem festivals; any other file is read as a Reminder.rem.
enum class FileKind { Reminders, LunarReminders, SolarFestivals, LunarFestivals };

bool NameIs(const std::string& name, const char* expected) {
    if (name.size() != std::strlen(expected)) {
        return false;
    }
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto lower = [](char c) {
            return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
        };
        if (lower(name[i]) != lower(expected[i])) {
            return false;
        }
    }
    return true;
}

FileKind KindOfFile(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (NameIs(name, kLunarReminderFileName)) {
        return FileKind::LunarReminders;
    }
    if (NameIs(name, kSolarFileName)) {
        return FileKind::SolarFestivals;
    }
    if (NameIs(name, kLunarFileName)) {
        return FileKind::LunarFestivals;
    }
    return FileKind::Reminders;
}

std::string UtcStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
#ifdef _WIN32
    gmtime_s(&utc, &now);
#else
    gmtime_r(&now, &utc);
#endif
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%dT%H%M%SZ", &utc);
    return text;
}

// Writes the iCalendar text to standard output; the exit status.
int RunIcs(const Command& command, const HolidayTable& holidays) {
    ExportSources sources;
    for (const std::string& file : command.files) {
        const FileKind kind = KindOfFile(file);
        const bool festivals = kind == FileKind::SolarFestivals || kind == FileKind::LunarFestivals;
        std::vector<std::string> items;
        const ReadCompleteness read = festivals ? ReadFestivalFile(file.c_str(), &items)
                                                : ReadReminderFile(file.c_str(), &items);
        if (read == ReadCompleteness::NoFile) {
            std::fprintf(stderr, "lunacal: cannot read %s\n", file.c_str());
            return kExitBadInput;
        }
        std::vector<std::string>& into = kind == FileKind::LunarReminders   ? sources.lunarReminders
                                         : kind == FileKind::SolarFestivals ? sources.solarFestivals
                                         : kind == FileKind::LunarFestivals ? sources.lunarFestivals
                                                                            : sources.reminders;
        into.insert(into.end(), items.begin(), items.end());
    }
    ExportRange range{};
    ExportRangeFrom(GregorianDay{command.date.year, command.date.month, command.date.day},
                    command.years, range);
    std::vector<IcsEvent> events = PlanReminderEvents(sources, range, &Utf8FromGbk);
    if (command.holidays) {
        const std::vector<IcsEvent> marked = PlanHolidayEvents(holidays, range, &Utf8FromGbk);
        events.insert(events.end(), marked.begin(), marked.end());
    }
    const std::string ics = WriteICalendar(events, UtcStamp());
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY); // the CR LF of the lines are written as they are
#endif
    if (std::fwrite(ics.data(), 1, ics.size(), stdout) != ics.size() || std::fflush(stdout) != 0) {
        std::fprintf(stderr, "lunacal: could not write the output\n");
        return kExitOutputFailed;
    }
    return 0;
}

// The exit status.
int Run(const Command& command, const HolidayTable& holidays, GbkOutput& out) {
    switch (command.action) {
    case Action::Help:
        out.Write(UsageText());
        break;
    case Action::HolidaysHelp:
        out.Write(std::string(UsageText()) + "\n" + HolidayCoverageNote(holidays) + "\n");
        break;
    case Action::Holidays: {
        const HolidayYear* year = holidays.Year(command.date.year);
        if (year == nullptr) {
            std::fprintf(stderr,
                         "lunacal: no holiday arrangement known for %d (the data goes to %d)\n",
                         command.date.year, holidays.LastYear());
            return kExitNoHolidayData;
        }
        out.Write(RenderHolidayYear(*year));
        break;
    }
    case Action::HolidayYears:
        for (const int year : holidays.Years()) {
            out.Write(std::to_string(year) + "\t" + holidays.Year(year)->notice + "\n");
        }
        break;
    case Action::DayText: {
        char text[kCalendarTextMax];
        ComposeCalendarText(command.date.year, command.date.month, command.date.day, command.hour,
                            text);
        out.Write(std::string(text) + "\n");
        break;
    }
    case Action::Month: {
        ConversionMonth month = BuildConversionMonth(command.date.year, command.date.month);
        FillHolidayMarks(holidays, command.date.year, command.date.month, month.marks);
        out.Write(command.list ? RenderMonthList(month) : RenderMonthGrid(month));
        break;
    }
    case Action::Ics:
        break; // RunIcs
    case Action::Export: {
        std::string lines;
        CivilDate day = command.date;
        while (true) {
            AppendExportLine(day.year, day.month, day.day, lines);
            if (lines.size() >= 1 << 16) {
                out.Write(lines);
                lines.clear();
            }
            if (!IsAfter(command.last, day)) {
                break;
            }
            day = NextDay(day);
        }
        out.Write(lines);
        break;
    }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const ParseResult parsed = ParseCommandLine(args, ReadClock());
    if (!parsed.ok) {
        std::fprintf(stderr, "lunacal: %s\n", parsed.error.c_str());
        return kExitBadInput;
    }
    const std::string& holidayFile = parsed.command.holidayFile;
    if (!holidayFile.empty() && !ReadHolidayFile(holidayFile.c_str()).opened) {
        std::fprintf(stderr, "lunacal: cannot read %s\n", holidayFile.c_str());
        return kExitBadInput;
    }
    const HolidayTable holidays = LoadHolidays(holidayFile);
    if (parsed.command.action == Action::Ics) {
        return RunIcs(parsed.command, holidays);
    }
    GbkOutput out(stdout);
    const int status = Run(parsed.command, holidays, out);
    if (status != 0) {
        return status;
    }
    if (!out.Flush()) {
        std::fprintf(stderr, "lunacal: could not write the output\n");
        return kExitOutputFailed;
    }
    return 0;
}
