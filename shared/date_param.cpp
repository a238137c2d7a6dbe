#include "shared/date_param.h"

#include "calendar/lunar.h"

namespace luna {

std::uintptr_t PackDateParam(int year, int month, int day) {
    return static_cast<std::uintptr_t>(year) * 10000u + static_cast<std::uintptr_t>(month) * 100u +
           static_cast<std::uintptr_t>(day);
}

bool UnpackDateParam(std::uintptr_t param, CivilDate& date) {
    if (param > 99991231u) {
        return false;
    }
    const int number = static_cast<int>(param);
    const CivilDate read{number / 10000, number / 100 % 100, number % 100};
    if (!IsSupportedDate(read.year, read.month, read.day)) {
        return false;
    }
    date = read;
    return true;
}

} // namespace luna
