#include "app/logic/festival_item.h"

#include <cstdio>
#include <cstring>

#include "shared/gbk_text.h"

namespace luna {

std::string ComposeFestivalItem(int month, int day, const char* text) {
    if (month < 1 || month > 99 || day < 1 || day > 99) {
        return std::string();
    }
    char key[8];
    std::snprintf(key, sizeof key, "%2d%2d", month, day);
    std::string body;
    for (const char* p = text != nullptr ? text : ""; *p != '\0'; ++p) {
        if (*p == '\r' || *p == '\n') {
            break;
        }
        if (*p != '\x1a') {
            body += *p;
        }
    }
    std::string item(key, kFestivalKeyLength);
    const std::size_t limit = body.size() < kFestivalTextMax ? body.size() : kFestivalTextMax;
    item.append(body, 0, GbkCutLength(body.c_str(), limit));
    return item;
}

std::string FestivalItemFromRecord(const char* text) {
    std::size_t length = 0;
    while (length < kFestivalRecordSize && text[length] != '\0') {
        ++length;
    }
    return std::string(text, GbkCutLength(text, length));
}

bool IsFestivalEndText(const std::string& text) {
    return text == kFestivalEndText;
}

} // namespace luna
