#include "shared/holiday_notice.h"

#include <algorithm>
#include <map>

#include "calendar/gbk_bytes.h"
#include "calendar/lunar.h"
#include "shared/notice_dates.h"
#include "shared/notice_items.h"
#include "shared/notice_text.h"

namespace luna {
namespace {

using Text = std::u32string;

constexpr std::size_t kMaxNameBytes = 40; // of a name as stored
constexpr std::size_t kMaxQuoteBytes = 240;

// What one clause says: its dates (in order), whether "至" joins the first two, a count
// of days ("共3天", "放假1天") or -1.
struct Clause {
    Text text;
    std::vector<NoticeDate> dates;
    bool span = false;
    int count = -1;
    std::size_t tail = 0; // where the words after the last date (and its note) begin

    // The words after the last date begin with `word` ("放假调休", "为公休日").
    bool DatesAreFollowedBy(const Text& word) const {
        const Text rest = TrimBlanks(text.substr(std::min(tail, text.size())));
        return rest.rfind(word, 0) == 0 || rest.rfind(U"为" + word, 0) == 0;
    }
};

// A holiday's name as stored: GBK, at most 40 bytes (a name taken from a long title is cut).
std::string HolidayName(const Text& name) {
    std::string gbk = GbkFromCodePoints(name);
    gbk.resize(GbkCutLength(gbk.c_str(), kMaxNameBytes));
    return gbk;
}

class NoticeReader {
  public:
    explicit NoticeReader(const std::string& bytes)
        : tooLong_(bytes.size() > kMaxOutsideTextBytes),
          original_(tooLong_ ? Text() : CodePointsFromBytes(bytes)), text_(FoldWidth(original_)) {}

    NoticeReading Run();

  private:
    bool Fail(const Text& sentence, const char* reason);
    bool ReadTitle();
    Text NameFromTitle() const;
    bool ReadItem(const Text& name, const Text& body);
    bool ReadSentence(const Text& name, const Text& sentence);
    bool ReadClause(const Text& sentence, Clause& clause, NoticeDate& last);
    bool Add(const NoticeDate& date, HolidayMark mark, const std::string& name,
             const Text& sentence);
    bool AddOffRun(NoticeDate first, NoticeDate last, const std::string& name,
                   const Text& sentence);

    bool tooLong_;
    Text original_; // as given, for quoting
    Text text_;     // folded to half-width
    Text title_;
    std::size_t bodyStart_ = 0;
    NoticeReading result_;
    std::map<int, HolidayEntry> days_;
};

bool NoticeReader::Fail(const Text& sentence, const char* reason) {
    // Quoted as the user wrote it: the folded text has the original's length.
    const std::size_t at = sentence.empty() ? Text::npos : text_.find(sentence);
    std::string quote =
        GbkFromCodePoints(at == Text::npos ? sentence : original_.substr(at, sentence.size()));
    quote.resize(GbkCutLength(quote.c_str(), kMaxQuoteBytes));
    result_.stoppedAt = quote;
    result_.reason = reason;
    return false;
}

bool NoticeReader::ReadTitle() {
    std::size_t lineStart = 0;
    for (int lines = 0; lineStart < text_.size() && lines < 24; ++lines) {
        std::size_t end = text_.find(U'\n', lineStart);
        end = end == Text::npos ? text_.size() : end;
        const Text line = TrimBlanks(text_.substr(lineStart, end - lineStart));
        if (title_.empty() && Contains(line, U"关于") && Contains(line, U"通知") &&
            line.size() < 80) {
            title_ = line;
            bodyStart_ = end;
        } else if (!title_.empty() &&
                   (line.rfind(U"国办发", 0) == 0 || line.rfind(U"国发", 0) == 0) &&
                   Contains(line, U"号") && line.size() < 40) {
            result_.notice = GbkFromCodePoints(title_ + U" " + line);
            bodyStart_ = end;
        }
        lineStart = end + 1;
    }
    if (title_.empty()) {
        return Fail(TrimBlanks(text_.substr(0, text_.find(U'\n'))),
                    "找不到通知的标题（“国务院办公厅关于……的通知”）");
    }
    if (result_.notice.empty()) {
        result_.notice = GbkFromCodePoints(title_);
    }
    result_.amendment = !Contains(title_, U"部分节假日安排");
    // "……通知如下：" (or "如下。") ends the introduction.
    const std::size_t intro = text_.find(U"如下", bodyStart_);
    if (intro != Text::npos && intro + 2 < text_.size() &&
        Text(U":。").find(text_[intro + 2]) != Text::npos) {
        bodyStart_ = intro + 3;
    }
    // A notice of its own day (such as a commemoration) may carry the year in its text only.
    result_.year = FirstYearIn(title_);
    result_.year = result_.year != 0 ? result_.year : FirstYearIn(text_.substr(bodyStart_));
    if (result_.year <= kFirstYear || result_.year >= kLastYear) {
        return Fail(title_, "通知中没有年份");
    }
    return true;
}

// The holiday an amendment speaks of: "关于调整2019年劳动节假期安排的通知" gives 劳动节.
Text NoticeReader::NameFromTitle() const {
    Text name = title_.substr(title_.find(U"关于") + 2);
    for (const Text& verb : {Text(U"调整"), Text(U"延长")}) {
        if (name.rfind(verb, 0) == 0) {
            name.erase(0, verb.size());
        }
    }
    if (name.size() > 5 && IsDigit(name[0]) && name[4] == U'年') {
        name.erase(0, 5);
    }
    std::size_t end = name.size();
    for (const Text& tail :
         {Text(U"假期"), Text(U"调休放假"), Text(U"放假"), Text(U"安排"), Text(U"的通知")}) {
        end = std::min(end, name.find(tail));
    }
    return TrimBlanks(name.substr(0, end));
}

bool NoticeReader::Add(const NoticeDate& date, HolidayMark mark, const std::string& name,
                       const Text& sentence) {
    if (date.year < result_.year - 1 || date.year > result_.year) {
        return Fail(sentence, "日期不在通知的年份");
    }
    if (mark == HolidayMark::Work && !IsWeekend(date)) {
        return Fail(sentence, "上班的日子不是周末");
    }
    const auto found = days_.find(Serial(date));
    if (found != days_.end()) {
        if (found->second.mark == mark && found->second.name == name) {
            return true; // a run that reaches a day it already holds
        }
        return Fail(sentence, "同一天出现了两次");
    }
    days_[Serial(date)] = HolidayEntry{date.month, date.day, mark, name, date.year};
    return true;
}

bool NoticeReader::AddOffRun(NoticeDate first, NoticeDate last, const std::string& name,
                             const Text& sentence) {
    if (Serial(last) < Serial(first) || Serial(last) - Serial(first) >= kMaxHolidayRunDays) {
        return Fail(sentence, "放假的起止日期不对");
    }
    for (NoticeDate d = first; Serial(d) <= Serial(last); d = Step(d, 1)) {
        if (!Add(d, HolidayMark::Off, name, sentence)) {
            return false;
        }
    }
    return true;
}

bool NoticeReader::ReadClause(const Text& sentence, Clause& clause, NoticeDate& last) {
    const Text& t = clause.text;
    int year = 0;
    for (std::size_t i = 0; i < t.size();) {
        if (t[i] == U'(') {
            const std::size_t open = i;
            const std::size_t close = t.find(U')', i);
            const Text note = t.substr(i + 1, (close == Text::npos ? t.size() : close) - i - 1);
            const int weekday = NamedWeekday(note);
            if (weekday >= 0 && !clause.dates.empty() && i > 0 && t[i - 1] == U'日' &&
                WeekdayOf(last.year, last.month, last.day) != weekday) {
                return Fail(sentence, "括号里的星期与日期不符");
            }
            i = close == Text::npos ? t.size() : close + 1;
            clause.tail = open == clause.tail ? i : clause.tail; // a note on the last date
            continue;
        }
        if (t[i] == U'至' && clause.dates.size() == 1) {
            clause.span = true;
        }
        if (!IsDigit(t[i])) {
            ++i;
            continue;
        }
        int number = 0;
        std::size_t digits = 0;
        for (; i < t.size() && IsDigit(t[i]); ++i, ++digits) {
            number = digits < 5 ? number * 10 + static_cast<int>(t[i] - U'0') : 100000;
        }
        const char32_t unit = i < t.size() ? t[i] : U'\0';
        if (unit == U'年') {
            year = number;
        } else if (unit == U'月' && i + 1 < t.size() && IsDigit(t[i + 1])) {
            last.year = year != 0 ? year : result_.year;
            last.month = number;
            year = 0;
            continue; // the day follows
        } else if (unit == U'日') {
            if (last.month == 0) {
                return Fail(sentence, "日期缺少月份");
            }
            last.day = number;
            if (!IsSupportedDate(last.year, last.month, last.day)) {
                return Fail(sentence, "日期不存在");
            }
            clause.dates.push_back(last);
            clause.tail = i + 1;
        } else if (unit == U'天') {
            clause.count = number;
        }
        if (i < t.size()) {
            ++i;
        }
    }
    return true;
}

bool NoticeReader::ReadSentence(const Text& name32, const Text& sentence) {
    bool speaks = false;
    for (const Text& key :
         {Text(U"放假"), Text(U"上班"), Text(U"补休"), Text(U"连休"), Text(U"延长")}) {
        speaks = speaks || Contains(sentence, key);
    }
    if (!speaks) {
        return true; // greetings, duties, the signature: nothing about days
    }
    const std::string name = HolidayName(name32);
    NoticeDate last;
    NoticeDate single;
    int added = 0;
    for (const Text& piece : SplitOutsideBrackets(sentence, U",")) {
        Clause clause{piece, {}, false, -1};
        if (!ReadClause(sentence, clause, last)) {
            return false;
        }
        const std::size_t dates = clause.dates.size();
        const std::size_t before = days_.size();
        if (Contains(piece, U"正常上班") || Contains(piece, U"不调休")) {
            continue;
        } else if (Contains(piece, U"上班")) {
            if (dates == 0 || !clause.DatesAreFollowedBy(U"上班")) {
                return Fail(sentence, "上班的日期没有写出");
            }
            for (const NoticeDate& d : clause.dates) {
                if (!Add(d, HolidayMark::Work, name, sentence)) {
                    return false;
                }
            }
        } else if (Contains(piece, U"延长")) {
            if (dates != 1 || !Contains(piece, U"至") || clause.dates[0].year != result_.year) {
                return Fail(sentence, "延长到哪一天没有写清");
            }
            result_.extensions.push_back({name, clause.dates[0].month, clause.dates[0].day});
        } else if (Contains(piece, U"补休") || Contains(piece, U"连休")) {
            // Off from the holiday through the day in lieu, or with its adjoining weekend.
            const bool inLieu = Contains(piece, U"补休");
            if (single.month == 0 || dates != (inLieu ? 1u : 0u) ||
                (inLieu && !clause.DatesAreFollowedBy(U"补休"))) {
                return Fail(sentence, "补休或连休没有对应的放假日");
            }
            NoticeDate first = single;
            NoticeDate end = inLieu ? clause.dates[0] : single;
            if (Serial(end) < Serial(first)) {
                std::swap(first, end);
            }
            while (IsWeekend(Step(first, -1))) {
                first = Step(first, -1);
            }
            while (IsWeekend(Step(end, 1))) {
                end = Step(end, 1);
            }
            if (!AddOffRun(first, end, name, sentence)) {
                return false;
            }
        } else if (Contains(piece, U"放假") || Contains(piece, U"调休") ||
                   Contains(piece, U"公休")) {
            if (!clause.DatesAreFollowedBy(U"放假") && !clause.DatesAreFollowedBy(U"调休") &&
                !clause.DatesAreFollowedBy(U"公休")) {
                return Fail(sentence, "读不懂这句里的日期");
            }
            if (dates == 2 && clause.span) {
                if (!AddOffRun(clause.dates[0], clause.dates[1], name, sentence)) {
                    return false;
                }
            } else if (dates == 1 && !clause.span) {
                single = clause.dates[0];
                if (!Add(single, HolidayMark::Off, name, sentence)) {
                    return false;
                }
            } else {
                return Fail(sentence, "放假的日期没有写清");
            }
        } else if (dates != 0) {
            return Fail(sentence, "读不懂这句里的日期");
        }
        added += static_cast<int>(days_.size() - before);
        if (clause.count >= 0 && clause.count != added) {
            return Fail(sentence, "天数与日期不符");
        }
    }
    return true;
}

bool NoticeReader::ReadItem(const Text& name, const Text& body) {
    if (name.empty() || name.size() > kMaxNoticeNameLength) {
        return Fail(body.substr(0, 60), "节日名称不对");
    }
    const std::string gbkName = HolidayName(name);
    if (std::find(result_.holidays.begin(), result_.holidays.end(), gbkName) !=
        result_.holidays.end()) {
        return Fail(name, "同一个节日出现了两次");
    }
    result_.holidays.push_back(gbkName);
    for (const Text& sentence : SplitOutsideBrackets(body, U"。.;\n")) {
        if (!ReadSentence(name, sentence)) {
            return false;
        }
    }
    return true;
}

NoticeReading NoticeReader::Run() {
    if (tooLong_) {
        Fail(Text(), "文字太长，不像是放假通知");
        return result_;
    }
    if (!ReadTitle()) {
        return result_;
    }
    const Text body = text_.substr(bodyStart_);
    const std::vector<NoticeItemHeader> headers = FindNoticeItemHeaders(body);
    bool read = true;
    if (headers.empty()) {
        read = ReadItem(NameFromTitle(), body);
    }
    for (std::size_t k = 0; read && k < headers.size(); ++k) {
        const std::size_t end = k + 1 < headers.size() ? headers[k + 1].start : body.size();
        read = ReadItem(headers[k].name, body.substr(headers[k].body, end - headers[k].body));
    }
    if (read && days_.empty() && result_.extensions.empty()) {
        read = Fail(title_, "通知中没有找到放假或上班的日期");
    }
    if (!read) {
        result_.holidays.clear();
        result_.extensions.clear();
        return result_;
    }
    for (const auto& entry : days_) { // in date order
        result_.days.push_back(entry.second);
    }
    result_.ok = true;
    return result_;
}

} // namespace

NoticeReading ReadHolidayNotice(const std::string& bytes) {
    return NoticeReader(bytes).Run();
}

} // namespace luna
