#include "shared/holiday_store.h"

#include <cstdio>

#include "calendar/gbk_bytes.h"

namespace luna {
namespace {

constexpr char kImportedWord[] = "（导入 ";
constexpr char kFetchedWord[] = "（联网获取 ";
constexpr char kTagEnd[] = "）";
constexpr std::size_t kDateLength = 10;
constexpr std::size_t kNoticeRoom = 360; // of the 400 bytes a year line's notice may have

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The year a line opens ("[2027] ..."), or 0.
int YearOfLine(const std::string& line) {
    std::size_t at = line.find_first_not_of(" \t");
    if (at == std::string::npos || line[at] != '[' || line.size() < at + 6 || line[at + 5] != ']') {
        return 0;
    }
    int year = 0;
    for (std::size_t k = at + 1; k < at + 5; ++k) {
        if (line[k] < '0' || line[k] > '9') {
            return 0;
        }
        year = year * 10 + (line[k] - '0');
    }
    return year;
}

} // namespace

std::string ProvenanceTag(HolidaySource source, const std::string& date) {
    if (source == HolidaySource::Shipped) {
        return "";
    }
    return (source == HolidaySource::Fetched ? kFetchedWord : kImportedWord) + date + kTagEnd;
}

void TakeProvenance(HolidayYear& year) {
    std::string& notice = year.notice;
    if (!EndsWith(notice, kTagEnd)) {
        return;
    }
    for (const HolidaySource source : {HolidaySource::Imported, HolidaySource::Fetched}) {
        const std::string word = source == HolidaySource::Fetched ? kFetchedWord : kImportedWord;
        const std::size_t length = word.size() + kDateLength + std::string(kTagEnd).size();
        if (notice.size() >= length &&
            notice.compare(notice.size() - length, word.size(), word) == 0) {
            year.source = source;
            year.sourceDate = notice.substr(notice.size() - length + word.size(), kDateLength);
            notice.erase(notice.size() - length);
            return;
        }
    }
}

std::string HolidayYearBlock(const HolidayYear& year) {
    std::string notice = year.notice;
    notice.resize(GbkCutLength(notice.c_str(), kNoticeRoom));
    std::string block = "[" + std::to_string(year.year) + "] " + notice +
                        ProvenanceTag(year.source, year.sourceDate) + "\r\n";
    for (const HolidayEntry& e : year.days) {
        char date[16];
        std::snprintf(date, sizeof date, "%04d-%02d-%02d ", e.year, e.month, e.day);
        block += date + std::string(e.mark == HolidayMark::Work ? "班 " : "休 ") + e.name + "\r\n";
    }
    return block;
}

std::string ReplaceHolidayYearBlock(const std::string& fileText, const HolidayYear& year) {
    std::string kept;
    bool inYear = false;
    std::size_t start = 0;
    while (start < fileText.size()) {
        std::size_t end = fileText.find('\n', start);
        end = end == std::string::npos ? fileText.size() : end + 1;
        const std::string line = fileText.substr(start, end - start);
        const int opened = YearOfLine(line);
        if (opened != 0) {
            inYear = opened == year.year;
        }
        if (!inYear) {
            kept += line;
        }
        start = end;
    }
    // One blank line before the block, however often the last block is replaced.
    kept.erase(kept.find_last_not_of(" \t\r\n") + 1);
    if (!kept.empty()) {
        kept += "\r\n\r\n";
    }
    return kept + HolidayYearBlock(year);
}

} // namespace luna
