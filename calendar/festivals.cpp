// Festival keys and the walk over festival tables and lists.
#include "calendar/festivals.h"

#include <cstring>

namespace luna {
namespace {

void PutTwoColumns(int value, char* out) {
    out[0] = value >= 10 ? static_cast<char>('0' + value / 10) : ' ';
    out[1] = static_cast<char>('0' + value % 10);
}

} // namespace

void FormatDayKey(int month, int day, char (&key)[5]) {
    if (month < 0 || month > 99 || day < 0 || day > 99) {
        key[0] = '\0';
        return;
    }
    PutTwoColumns(month, key);
    PutTwoColumns(day, key + 2);
    key[4] = '\0';
}

bool FestivalMatches(const char* entry, const char* key4) {
    if (entry == nullptr || key4 == nullptr) {
        return false;
    }
    for (int i = 0; i < 4; ++i) {
        if (entry[i] == '\0' || key4[i] == '\0' || entry[i] != key4[i]) {
            return false;
        }
    }
    return key4[4] == '\0';
}

const char* FestivalName(const char* entry) {
    if (entry == nullptr) {
        return "";
    }
    for (int i = 0; i < 4; ++i) {
        if (entry[i] == '\0') {
            return entry + i;
        }
    }
    return entry + 4;
}

bool IsFestivalListEnd(const char* entry) {
    return entry == nullptr || entry[0] == '\0' || std::strcmp(entry, kFestivalEnd) == 0;
}

const char* LastFestivalMatch(FestivalList list, const char* key4) {
    const char* last = nullptr;
    ForEachFestivalMatch(list, key4, [&last](const char* name) { last = name; });
    return last;
}

} // namespace luna
