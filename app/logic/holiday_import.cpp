#include "app/logic/holiday_import.h"

#include "shared/holiday_amend.h"
#include "shared/holiday_check.h"
#include "shared/holiday_json.h"
#include "shared/holiday_notice.h"
#include "shared/holiday_store.h"
#include "shared/notice_text.h"

namespace luna {
namespace {

// The first character that is not blank, after a byte-order mark.
char FirstMark(const std::string& bytes) {
    std::size_t at = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    at = bytes.find_first_not_of(" \t\r\n", at);
    return at == std::string::npos ? '\0' : bytes[at];
}

bool HasYearLine(const std::string& bytes) {
    for (std::size_t at = bytes.find('['); at != std::string::npos; at = bytes.find('[', at + 1)) {
        const std::size_t line = bytes.find_last_not_of(" \t", at == 0 ? 0 : at - 1);
        const bool lineStart = at == 0 || line == std::string::npos || bytes[line] == '\n';
        if (lineStart && at + 5 < bytes.size() && bytes[at + 5] == ']') {
            return true;
        }
    }
    return false;
}

std::string DayRun(const HolidayEntry& first, const HolidayEntry& last) {
    std::string text = std::to_string(first.day) + "日";
    if (last.day != first.day) {
        text += "-" + std::to_string(last.day) + "日";
    }
    return text + (first.mark == HolidayMark::Work ? " 班 " : " 休 ") + first.name;
}

} // namespace

HolidayImport ReadHolidayImport(const std::string& bytes, const HolidayTable& table) {
    HolidayImport result;
    std::string reason;
    if (bytes.size() > kMaxOutsideTextBytes) {
        result.message = "文字太长，不是一份放假安排。";
        return result;
    }
    if (FirstMark(bytes) == '{') {
        HolidayYear year;
        if (!ReadHolidayJson(bytes, year, reason)) {
            result.message = "无法读取这份 JSON：" + reason + "。";
            return result;
        }
        result.years.push_back(year);
    } else if (HasYearLine(bytes)) {
        // Our own form is GBK; a copy saved as UTF-8 is taken too.
        const std::string gbk =
            IsWellFormedUtf8(bytes) ? GbkFromCodePoints(CodePointsFromBytes(bytes)) : bytes;
        const HolidayParse parse = ParseHolidayText(gbk, HolidaySource::Imported);
        if (!parse.problems.empty() || parse.years.empty()) {
            const int line = parse.problems.empty() ? 1 : parse.problems[0].line;
            result.message = "第" + std::to_string(line) + "行无法读取：" +
                             (parse.problems.empty() ? "没有年份" : parse.problems[0].reason) +
                             "。没有保存任何内容。";
            return result;
        }
        result.years = parse.years;
    } else {
        const NoticeReading reading = ReadHolidayNotice(bytes);
        HolidayYear year;
        if (!reading.ok) {
            result.message =
                "无法读取这份通知：" + reading.reason +
                (reading.stoppedAt.empty() ? "" : "。读到这一句停下：“" + reading.stoppedAt + "”") +
                "。没有保存任何内容。";
            return result;
        }
        if (!ApplyNotice(reading, table.Year(reading.year), year, reason)) {
            result.message = reason + "。";
            return result;
        }
        result.years.push_back(year);
    }
    for (HolidayYear& year : result.years) {
        TakeProvenance(year);
        year.source = HolidaySource::Imported;
        if (CheckHolidayYear(year, 0, nullptr, reason) == HolidayCheck::Refused) {
            result.years.clear();
            result.message = std::to_string(year.year) + " 年的安排有误：" + reason + "。";
            return result;
        }
        result.message +=
            (result.message.empty() ? "读到 " : "、") + std::to_string(year.year) + " 年";
    }
    result.message += "的放假安排，请核对后按“导入”保存。";
    result.ok = true;
    return result;
}

std::string HolidayPreviewText(const HolidayYear& year) {
    std::string text;
    int month = 0;
    int monthYear = 0;
    for (std::size_t i = 0; i < year.days.size();) {
        const HolidayEntry& first = year.days[i];
        std::size_t end = i + 1;
        while (end < year.days.size() && year.days[end].year == first.year &&
               year.days[end].month == first.month && year.days[end].mark == first.mark &&
               year.days[end].name == first.name &&
               year.days[end].day == year.days[end - 1].day + 1) {
            ++end;
        }
        if (first.month != month || first.year != monthYear) {
            text += (text.empty() ? "" : "\r\n") +
                    (first.year != year.year ? std::to_string(first.year) + "年" : std::string()) +
                    std::to_string(first.month) + "月  ";
            month = first.month;
            monthYear = first.year;
        } else {
            text += "；";
        }
        text += DayRun(first, year.days[end - 1]);
        i = end;
    }
    return text + "\r\n";
}

std::string HolidaySourceWords(HolidayYear year) {
    TakeProvenance(year);
    if (year.source == HolidaySource::Shipped) {
        return "随程序提供";
    }
    return std::string(year.source == HolidaySource::Fetched ? "联网获取" : "导入") +
           (year.sourceDate.empty() ? "" : "于 " + year.sourceDate);
}

std::string HolidayStatusText(const HolidayTable& table, int todayYear, int todayMonth) {
    std::string shipped;
    std::string others;
    int first = 0;
    int last = 0;
    for (const int y : table.Years()) {
        if (table.Year(y)->source == HolidaySource::Shipped) {
            first = first == 0 ? y : first;
            last = y;
            continue;
        }
        others += (others.empty() ? "" : "；") + std::to_string(y) + " 年" +
                  HolidaySourceWords(*table.Year(y));
    }
    if (first != 0) {
        shipped = std::to_string(first) + "-" + std::to_string(last) + " 年随程序提供";
    }
    std::string text = shipped + (shipped.empty() || others.empty() ? "" : "；") + others;
    if (todayMonth == 12 && !table.Covers(todayYear + 1)) {
        text += "\r\n" + std::to_string(todayYear + 1) +
                " 年的放假安排尚未收录，通知发布后可点“导入放假安排”。";
    }
    return text;
}

} // namespace luna
