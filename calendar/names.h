// The name tables through which the indices of a LunarDate become text. Every entry is
// one GBK character (two bytes) or, for the day names, two of them.
#pragma once

#include <cstdint>

namespace luna {

inline constexpr const char* kYearStems[10] = {"庚", "辛", "壬", "癸", "甲",
                                               "乙", "丙", "丁", "戊", "己"};
inline constexpr const char* kYearBranches[12] = {"子", "丑", "寅", "卯", "辰", "巳",
                                                  "午", "未", "申", "酉", "戌", "亥"};
inline constexpr const char* kZodiac[12] = {"鼠", "牛", "虎", "兔", "龙", "蛇",
                                            "马", "羊", "猴", "鸡", "狗", "猪"};
inline constexpr const char* kMonthStems[10] = {"丁", "戊", "己", "庚", "辛",
                                                "壬", "癸", "甲", "乙", "丙"};
inline constexpr const char* kMonthBranches[12] = {"丑", "寅", "卯", "辰", "巳", "午",
                                                   "未", "申", "酉", "戌", "亥", "子"};
inline constexpr const char* kDayStems[10] = {"癸", "甲", "乙", "丙", "丁",
                                              "戊", "己", "庚", "辛", "壬"};
inline constexpr const char* kDayBranches[12] = {"卯", "辰", "巳", "午", "未", "申",
                                                 "酉", "戌", "亥", "子", "丑", "寅"};
inline constexpr const char* kWeekdayNames[7] = {"日", "一", "二", "三", "四", "五", "六"};

// Index 0 is a single blank standing for "no term".
inline constexpr const char* kSolarTermNames[25] = {
    " ",    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨",
    "立夏", "小满", "芒种", "夏至", "小暑", "大暑", "立秋", "处暑", "白露",
    "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

// Gregorian day - 1: the numbers 1 to 31 right-aligned in two columns.
inline constexpr const char* kSolarDayNames[31] = {
    " 1", " 2", " 3", " 4", " 5", " 6", " 7", " 8", " 9", "10", "11", "12", "13", "14", "15", "16",
    "17", "18", "19", "20", "21", "22", "23", "24", "25", "26", "27", "28", "29", "30", "31"};

// Lunar day - 1. Days 21 to 29 are written with "甘".
inline constexpr const char* kLunarDayNames[30] = {
    "初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
    "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十",
    "甘一", "甘二", "甘三", "甘四", "甘五", "甘六", "甘七", "甘八", "甘九", "三十"};

// Offset of each term within a tropical year in minutes, term 1 (小寒) first.
inline constexpr std::int32_t kSolarTermMinutes[24] = {
    0,      21208,  42467,  63836,  85337,  107014, 128867, 150921, 173149, 195551, 218072, 240693,
    263343, 285989, 308563, 331033, 353350, 375494, 397447, 419210, 440795, 462224, 483532, 504758};

inline constexpr double kTropicalYearSeconds = 31556925.9747;

// Seconds from the start of the day count (1 January 1900 = day 1) to the first term.
inline constexpr std::int64_t kSolarTermEpochSeconds = 525605;

} // namespace luna
