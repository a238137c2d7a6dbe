#include "tools/lunacal/notice_command.h"

#include <cstdio>

#include "shared/holiday_amend.h"
#include "shared/holiday_notice.h"
#include "shared/notice_text.h"
#include "tools/lunacal/holiday_view.h"

namespace luna::lunacal {
namespace {

constexpr int kExitBadInput = 2;

} // namespace

int RunHolidayNotice(const std::string& path, const HolidayTable& holidays, GbkOutput& out,
                     GbkOutput& err) {
    std::string bytes;
    if (!ReadOutsideText(std::fopen(path.c_str(), "rb"), bytes)) {
        err.Write("lunacal: cannot read " + path + "\n");
        return kExitBadInput;
    }
    const NoticeReading reading = ReadHolidayNotice(bytes);
    if (!reading.ok) {
        err.Write("lunacal: " + path + ": " + reading.reason +
                  (reading.stoppedAt.empty() ? "" : "：“" + reading.stoppedAt + "”") + "\n");
        return kExitBadInput;
    }
    HolidayYear year;
    std::string reason;
    if (!ApplyNotice(reading, holidays.Year(reading.year), year, reason)) {
        err.Write("lunacal: " + path + ": " + reason + "\n");
        return kExitBadInput;
    }
    out.Write(RenderHolidayYear(year));
    return 0;
}

} // namespace luna::lunacal
