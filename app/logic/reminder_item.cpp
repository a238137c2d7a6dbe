#include "app/logic/reminder_item.h"

#include <cstdio>
#include <cstring>

#include "shared/gbk_text.h"

namespace luna {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Longest byte count of text that keeps whole characters and whole CR LF pairs.
std::size_t CutLength(const std::string& text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) {
        return text.size();
    }
    std::size_t length = GbkCutLength(text.c_str(), maxBytes);
    if (length > 0 && text[length - 1] == '\r' && text[length] == '\n') {
        --length;
    }
    return length;
}

} // namespace

bool ParseComboNumber(const char* text, int low, int high, int* value) {
    if (text == nullptr) {
        return false;
    }
    const char* p = text;
    while (IsBlank(*p)) {
        ++p;
    }
    long number = 0;
    int digits = 0;
    while (*p >= '0' && *p <= '9') {
        if (++digits > 6) {
            return false; // far out of any range, and no overflow
        }
        number = number * 10 + (*p - '0');
        ++p;
    }
    while (IsBlank(*p)) {
        ++p;
    }
    if (digits == 0 || *p != '\0' || number < low || number > high) {
        return false;
    }
    *value = static_cast<int>(number);
    return true;
}

ReminderField ReadReminderTime(const char* month, const char* day, const char* hour,
                               const char* minute, ReminderTime* time) {
    ReminderTime t{};
    if (!ParseComboNumber(month, 1, 12, &t.month)) {
        return ReminderField::Month;
    }
    if (!ParseComboNumber(day, 1, 31, &t.day)) {
        return ReminderField::Day;
    }
    if (!ParseComboNumber(hour, 0, 23, &t.hour)) {
        return ReminderField::Hour;
    }
    if (!ParseComboNumber(minute, 0, 59, &t.minute)) {
        return ReminderField::Minute;
    }
    *time = t;
    return ReminderField::None;
}

const char* ReminderFieldMessage(ReminderField field) {
    switch (field) {
    case ReminderField::Month:
        return "“月”须为 1 到 12 之间的数字，请重新选择。";
    case ReminderField::Day:
        return "“日”须为 1 到 31 之间的数字，请重新选择。";
    case ReminderField::Hour:
        return "“时”须为 0 到 23 之间的数字，请重新选择。";
    case ReminderField::Minute:
        return "“分”须为 0 到 59 之间的数字，请重新选择。";
    case ReminderField::None:
        break;
    }
    return "";
}

std::string ComposeReminderItem(const ReminderTime& time, const char* text) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%2d/%2d %2d:%2d", time.month, time.day, time.hour,
                  time.minute);
    std::string item(stamp, std::strlen(stamp) < kReminderStampLength ? std::strlen(stamp)
                                                                      : kReminderStampLength);
    std::string body;
    for (const char* p = text != nullptr ? text : ""; *p != '\0'; ++p) {
        if (*p != '\x1a') {
            body += *p;
        }
    }
    item.append(body, 0, CutLength(body, kReminderTextMax));
    return item;
}

std::string ReminderTextOf(const std::string& item) {
    return item.size() > kReminderStampLength ? item.substr(kReminderStampLength) : std::string();
}

} // namespace luna
