// Built-in festival tables and the key by which a day looks up its festivals.
//
// A festival entry is one text: four bytes of key ("%2d%2d" of month and day), then the
// name. A table or list ends at the entry "FFFF".
#pragma once

#include <cstddef>

namespace luna {

inline constexpr const char* kFestivalEnd = "FFFF";

// Gregorian festivals, the same in both deliverables.
inline constexpr const char* kSolarFestivals[] = {
    " 1 1元旦",           " 1 4黑人日",       " 125世界麻风病日", " 2 2世界湿地日",
    " 2 7国际声援南非日", " 210国际气象节",   " 214情人节",       " 3 8妇女节",
    " 312植树节",         " 315消费者权益日", " 4 1愚人节",       " 422世界地球日",
    " 5 1国际劳动节",     " 5 4青年节",       " 512护士节",       " 6 1儿童节",
    " 7 1香港回归纪念",   " 718云帆诞辰",     " 8 1建军节",       " 8 8父亲节",
    " 9 9毛泽东逝世纪念", " 910教师节",       " 928孔子诞辰",     "10 1国庆节",
    "10 6老人节",         "1021生日",         "1024联合国日",     "1112孙中山诞辰纪念",
    "1220澳门回归纪念",   "1224平安夜",       "1225圣诞夜",       "1226毛泽东诞辰纪念",
    kFestivalEnd};

// Lunar festivals of the hook library (with the 10th day of the 1st month).
inline constexpr const char* kLunarFestivalsHook[] = {
    " 1 1春节",   " 110十全十美", " 115元宵节", " 5 5端午节", " 7 7七夕情人节", " 715中元节",
    " 815中秋节", " 9 9重阳节",   "12 8腊八节", "1223小年",   "1230除夕",       kFestivalEnd};

// Lunar festivals of the control application (without the 10th day of the 1st month).
inline constexpr const char* kLunarFestivalsApp[] = {
    " 1 1春节",   " 115元宵节", " 5 5端午节", " 7 7七夕情人节", " 715中元节", " 815中秋节",
    " 9 9重阳节", "12 8腊八节", "1223小年",   "1230除夕",       kFestivalEnd};

// A run of festival entries that ends at a null entry, an empty entry, the entry "FFFF"
// or after count entries, whichever comes first. Built-in tables and the user's lists
// (read from Solar.rem and Lunch.rem) are both seen through this.
struct FestivalList {
    const char* const* entries;
    std::size_t count;
};

template <std::size_t N> constexpr FestivalList ListOf(const char* const (&table)[N]) {
    return FestivalList{table, N};
}

// The key of a day, "%2d%2d" of month and day; empty when either is outside 0-99.
void FormatDayKey(int month, int day, char (&key)[5]);

// True when the entry's first four bytes equal the key. An entry shorter than four
// bytes, or a key that is not four bytes long, never matches.
bool FestivalMatches(const char* entry, const char* key4);

// The name part of an entry (from its fifth byte); "" for an entry shorter than that.
const char* FestivalName(const char* entry);

// True when the entry ends its list (null, empty or "FFFF").
bool IsFestivalListEnd(const char* entry);

// Name of the last entry of the list that matches the key, or nullptr.
const char* LastFestivalMatch(FestivalList list, const char* key4);

// Calls visit(name) for each matching entry of the list, in list order.
template <typename Visit>
void ForEachFestivalMatch(FestivalList list, const char* key4, Visit&& visit) {
    for (std::size_t i = 0; i < list.count && !IsFestivalListEnd(list.entries[i]); ++i) {
        if (FestivalMatches(list.entries[i], key4)) {
            visit(FestivalName(list.entries[i]));
        }
    }
}

} // namespace luna
