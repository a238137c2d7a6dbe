// lunacal holidays --notice FILE: the days a notice sets, in the form of lunacal holidays.
#pragma once

#include <string>

#include "calendar/holidays.h"
#include "tools/lunacal/gbk_output.h"

namespace luna::lunacal {

// Reads the notice in the file and writes its year's lines to `out`. The exit status: 0,
// or 2 with one message on `err` that names the file and quotes the sentence the reader
// stopped at. A notice that changes a year is laid over that year of `holidays`.
int RunHolidayNotice(const std::string& path, const HolidayTable& holidays, GbkOutput& out,
                     GbkOutput& err);

} // namespace luna::lunacal
