// The lunar year table of 1900-2099 and the constants derived from it at compile time.
#pragma once

#include <cstdint>

namespace luna {

// One entry per lunar year 1900 + i. Bits 15 down to 4: lengths of months 1 to 12 (set =
// 30 days, clear = 29); bits 3 to 0: number of the leap month, 0 = none. The leap month
// follows the ordinary month of the same number.
inline constexpr std::uint32_t kLunarYearInfo[200] = {
    0x4BD8, 0x4AE0, 0xA570, 0x54D5, 0xD260, 0xD950, 0x6554, 0x56A0, 0x9AD0, 0x55D2, // 1900
    0x4AE0, 0xA5B6, 0xA4D0, 0xD250, 0xD255, 0xB540, 0xD6A0, 0xADA2, 0x95B0, 0x4977, // 1910
    0x4970, 0xA4B0, 0xB4B5, 0x6A50, 0x6D40, 0xAB54, 0x2B60, 0x9570, 0x52F2, 0x4970, // 1920
    0x6566, 0xD4A0, 0xEA50, 0x6E95, 0x5AD0, 0x2B60, 0x86E3, 0x92E0, 0xC8D7, 0xC950, // 1930
    0xD4A0, 0xD8A6, 0xB550, 0x56A0, 0xA5B4, 0x25D0, 0x92D0, 0xD2B2, 0xA950, 0xB557, // 1940
    0x6CA0, 0xB550, 0x5355, 0x4DA0, 0xA5D0, 0x4573, 0x52D0, 0xA9A8, 0xE950, 0x6AA0, // 1950
    0xAEA6, 0xAB50, 0x4B60, 0xAAE4, 0xA570, 0x5260, 0xF263, 0xD950, 0x5B57, 0x56A0, // 1960
    0x96D0, 0x4DD5, 0x4AD0, 0xA4D0, 0xD4D4, 0xD250, 0xD558, 0xB540, 0xB5A0, 0x95A6, // 1970
    0x95B0, 0x49B0, 0xA974, 0xA4B0, 0xB27A, 0x6A50, 0x6D40, 0xAF46, 0xAB60, 0x9570, // 1980
    0x4AF5, 0x4970, 0x64B0, 0x74A3, 0xEA50, 0x6B58, 0x55C0, 0xAB60, 0x96D5, 0x92E0, // 1990
    0xC960, 0xD954, 0xD4A0, 0xDA50, 0x7552, 0x56A0, 0xABB7, 0x25D0, 0x92D0, 0xCAB5, // 2000
    0xA950, 0xB4A0, 0xBAA4, 0xAD50, 0x55D9, 0x4BA0, 0xA5B0, 0x5176, 0x52B0, 0xA930, // 2010
    0x7954, 0x6AA0, 0xAD50, 0x5B52, 0x4B60, 0xA6E6, 0xA4E0, 0xD260, 0xEA65, 0xD530, // 2020
    0x5AA0, 0x76A3, 0x96D0, 0x4BD7, 0x4AD0, 0xA4D0, 0xD0B6, 0xD250, 0xD520, 0xDD45, // 2030
    0xB5A0, 0x56D0, 0x55B2, 0x49B0, 0xA577, 0xA4B0, 0xAA50, 0xB255, 0x6D20, 0xADA0, // 2040
    0x4B63, 0x9370, 0x49F8, 0x4970, 0x64B0, 0x68A6, 0xEA50, 0x6B20, 0xA6C4, 0xAAE0, // 2050
    0x92E0, 0xD2E3, 0xC960, 0xD557, 0xD4A0, 0xDA50, 0x5D55, 0x56A0, 0xA6D0, 0x55D4, // 2060
    0x52D0, 0xA9B8, 0xA950, 0xB4A0, 0xB6A6, 0xAD50, 0x55A0, 0xABA4, 0xA5B0, 0x52B0, // 2070
    0xB273, 0x6930, 0x7337, 0x6AA0, 0xAD50, 0x4B55, 0x4B60, 0xA570, 0x54E4, 0xD260, // 2080
    0xE968, 0xD520, 0xDAA0, 0x6AA6, 0x56D0, 0x4AE0, 0xA9D4, 0xA4D0, 0xD150, 0xF252, // 2090
};

// Non-zero where the year's leap month has 30 days; read only for years with a leap month.
inline constexpr std::uint8_t kLeapMonthIsLong[200] = {
    0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, // 1900
    0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0, // 1920
    0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, // 1940
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, // 1960
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, // 1980
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, // 2000
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, // 2020
    0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 1, 0, // 2040
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, // 2060
    0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, // 2080
};

constexpr int kLunarYearCount = 200;

constexpr int LeapMonthOf(int yearIndex) {
    return static_cast<int>(kLunarYearInfo[yearIndex] & 0xF);
}

// Length of ordinary month 1-12 of a lunar year.
constexpr int LunarMonthLength(int yearIndex, int month) {
    return (kLunarYearInfo[yearIndex] >> (16 - month)) & 1 ? 30 : 29;
}

// Length of the year's leap month, 0 when it has none.
constexpr int LeapMonthLength(int yearIndex) {
    if (LeapMonthOf(yearIndex) == 0) {
        return 0;
    }
    return kLeapMonthIsLong[yearIndex] ? 30 : 29;
}

constexpr int LunarYearLength(int yearIndex) {
    int days = LeapMonthLength(yearIndex);
    for (int month = 1; month <= 12; ++month) {
        days += LunarMonthLength(yearIndex, month);
    }
    return days;
}

// Day number (31 January 1900 = 1) of the first day of each lunar year 1900 + i; the
// entry after the last is the day after lunar year 2099 ends.
struct LunarYearStarts {
    int day[kLunarYearCount + 1];
};

constexpr LunarYearStarts MakeLunarYearStarts() {
    LunarYearStarts starts{};
    starts.day[0] = 1;
    for (int i = 0; i < kLunarYearCount; ++i) {
        starts.day[i + 1] = starts.day[i] + LunarYearLength(i);
    }
    return starts;
}

inline constexpr LunarYearStarts kLunarYearStarts = MakeLunarYearStarts();

} // namespace luna
