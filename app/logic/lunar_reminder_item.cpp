#include "app/logic/lunar_reminder_item.h"

#include <cstdio>
#include <cstring>

#include "calendar/lunar_rules.h"
#include "calendar/names.h"

namespace luna {
namespace {

constexpr char kLeapPrefix[] = "闰";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::vector<LunarMonthChoice> LunarMonthChoices() {
    std::vector<LunarMonthChoice> choices;
    for (int month = 1; month <= 12; ++month) {
        char text[16];
        std::snprintf(text, sizeof text, "%2d", month);
        choices.push_back({month, false, text});
        if (LeapMonthOccurs(month)) {
            choices.push_back({month, true, std::string(kLeapPrefix) + text});
        }
    }
    return choices;
}

std::vector<std::string> LunarDayChoices() {
    return std::vector<std::string>(std::begin(kLunarDayNames), std::end(kLunarDayNames));
}

bool ParseLunarMonthText(const char* text, int* month, bool* leap) {
    if (text == nullptr) {
        return false;
    }
    const char* p = text;
    while (IsBlank(*p)) {
        ++p;
    }
    const std::size_t prefix = std::strlen(kLeapPrefix);
    const bool isLeap = std::strncmp(p, kLeapPrefix, prefix) == 0;
    if (isLeap) {
        p += prefix;
    }
    int number = 0;
    if (!ParseComboNumber(p, 1, 12, &number) || (isLeap && !LeapMonthOccurs(number))) {
        return false;
    }
    *month = number;
    *leap = isLeap;
    return true;
}

bool ParseLunarDayText(const char* text, int* day) {
    if (text == nullptr) {
        return false;
    }
    std::string trimmed(text);
    while (!trimmed.empty() && IsBlank(trimmed.back())) {
        trimmed.pop_back();
    }
    std::size_t start = 0;
    while (start < trimmed.size() && IsBlank(trimmed[start])) {
        ++start;
    }
    trimmed.erase(0, start);
    for (int i = 0; i < 30; ++i) {
        if (trimmed == kLunarDayNames[i]) {
            *day = i + 1;
            return true;
        }
    }
    return ParseComboNumber(text, 1, 30, day);
}

std::string ComposeLunarReminderItem(const LunarStamp& stamp, const char* text) {
    char lunarStamp[kLunarStampLength + 1];
    if (!FormatLunarStamp(stamp, lunarStamp)) {
        return std::string();
    }
    // The same cut as a Gregorian item's; only the stamp differs.
    std::string item =
        ComposeReminderItem(ReminderTime{stamp.month, stamp.day, stamp.hour, stamp.minute}, text);
    item.replace(0, kLunarStampLength, lunarStamp);
    return item;
}

std::string GregorianPageItem(const std::string& record) {
    return kGregorianItemKind + record;
}

std::string LunarPageItem(const std::string& record) {
    return kLunarItemKind + record;
}

bool IsLunarPageItem(const std::string& item) {
    return !item.empty() && item[0] == kLunarItemKind;
}

std::string RecordOfPageItem(const std::string& item) {
    return item.empty() ? std::string() : item.substr(1);
}

std::string PageItemDisplay(const std::string& item) {
    const std::string record = RecordOfPageItem(item);
    LunarStamp s{};
    if (!IsLunarPageItem(item) || !ParseLunarStamp(record.c_str(), s)) {
        return record;
    }
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "农历%s%d月%s %2d:%2d", s.leap ? kLeapPrefix : "", s.month,
                  kLunarDayNames[s.day - 1], s.hour, s.minute);
    return stamp + record.substr(kLunarStampLength);
}

std::string PageItemText(const std::string& item) {
    return ReminderTextOf(RecordOfPageItem(item));
}

} // namespace luna
