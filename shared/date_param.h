// A date carried in a message parameter, as the number yyyymmdd (20261222): the same in the
// 32- and 64-bit builds, readable in a log. The receiver takes only a real date in
// 1900-2099; anything else is not a date.
#pragma once

#include <cstdint>

namespace luna {

struct CivilDate {
    int year;
    int month;
    int day;
};

std::uintptr_t PackDateParam(int year, int month, int day);

// False for a number that is not a real date in 1900-2099 (a malformed or foreign message).
bool UnpackDateParam(std::uintptr_t param, CivilDate& date);

} // namespace luna
