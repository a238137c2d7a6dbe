// A moment of the local clock, as the texts of the desktop need it.
#pragma once

namespace luna {

struct LocalTime {
    int year, month, day, weekday, hour, minute, second; // weekday 0 = Sunday
};

} // namespace luna
