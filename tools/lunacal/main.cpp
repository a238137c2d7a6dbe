// lunacal: the calendar engine on the command line.
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "calendar/calendar_text.h"
#include "calendar/month_annotations.h"
#include "tools/lunacal/command_line.h"
#include "tools/lunacal/export_lines.h"
#include "tools/lunacal/gbk_output.h"
#include "tools/lunacal/month_view.h"

namespace {

using namespace luna;
using namespace luna::lunacal;

constexpr int kExitBadInput = 2;
constexpr int kExitOutputFailed = 1;

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

void Run(const Command& command, GbkOutput& out) {
    switch (command.action) {
    case Action::Help:
        out.Write(UsageText());
        break;
    case Action::DayText: {
        char text[kCalendarTextMax];
        ComposeCalendarText(command.date.year, command.date.month, command.date.day, command.hour,
                            text);
        out.Write(std::string(text) + "\n");
        break;
    }
    case Action::Month: {
        const ConversionMonth month = BuildConversionMonth(command.date.year, command.date.month);
        out.Write(command.list ? RenderMonthList(month) : RenderMonthGrid(month));
        break;
    }
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
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const ParseResult parsed = ParseCommandLine(args, ReadClock());
    if (!parsed.ok) {
        std::fprintf(stderr, "lunacal: %s\n", parsed.error.c_str());
        return kExitBadInput;
    }
    GbkOutput out(stdout);
    Run(parsed.command, out);
    if (!out.Flush()) {
        std::fprintf(stderr, "lunacal: could not write the output\n");
        return kExitOutputFailed;
    }
    return 0;
}
