#include "shared/holiday_json.h"

#include <algorithm>
#include <vector>

#include "calendar/gbk_bytes.h"
#include "calendar/lunar.h"
#include "shared/notice_text.h"

namespace luna {
namespace {

constexpr int kMaxDepth = 6;
constexpr std::size_t kMaxItems = 400; // members or elements of one object or array

struct Json {
    enum class Kind { Null, Bool, Number, String, Array, Object } kind = Kind::Null;
    bool flag = false;
    long long number = 0;
    bool integral = true;
    std::u32string text;
    std::vector<Json> items;
    std::vector<std::pair<std::u32string, Json>> members;

    const Json* Member(const std::u32string& key) const {
        for (const auto& m : members) {
            if (m.first == key) {
                return &m.second;
            }
        }
        return nullptr;
    }
};

class Parser {
  public:
    explicit Parser(const std::u32string& text) : t_(text) {}

    bool Document(Json& out) {
        if (!Value(out, 0)) {
            return false;
        }
        Blanks();
        return at_ == t_.size();
    }

  private:
    void Blanks() {
        while (at_ < t_.size() &&
               (t_[at_] == U' ' || t_[at_] == U'\t' || t_[at_] == U'\n' || t_[at_] == U'\r')) {
            ++at_;
        }
    }

    bool Literal(const std::u32string& word) {
        if (t_.compare(at_, word.size(), word) != 0) {
            return false;
        }
        at_ += word.size();
        return true;
    }

    bool Hex4(char32_t& out) {
        out = 0;
        for (int k = 0; k < 4; ++k, ++at_) {
            if (at_ >= t_.size()) {
                return false;
            }
            const char32_t c = t_[at_];
            const int digit = c >= U'0' && c <= U'9'   ? static_cast<int>(c - U'0')
                              : c >= U'a' && c <= U'f' ? static_cast<int>(c - U'a' + 10)
                              : c >= U'A' && c <= U'F' ? static_cast<int>(c - U'A' + 10)
                                                       : -1;
            if (digit < 0) {
                return false;
            }
            out = out * 16 + static_cast<char32_t>(digit);
        }
        return true;
    }

    bool String(std::u32string& out) {
        if (!Literal(U"\"")) {
            return false;
        }
        while (at_ < t_.size() && t_[at_] != U'"') {
            char32_t c = t_[at_++];
            if (c < 0x20) {
                return false;
            }
            if (c == U'\\') {
                if (at_ >= t_.size()) {
                    return false;
                }
                const char32_t e = t_[at_++];
                const std::u32string from = U"\"\\/bfnrt";
                const std::u32string to = U"\"\\/\b\f\n\r\t";
                if (e == U'u') {
                    if (!Hex4(c)) {
                        return false;
                    }
                    if (c >= 0xD800 && c <= 0xDBFF) {
                        char32_t low = 0;
                        if (!Literal(U"\\u") || !Hex4(low) || low < 0xDC00 || low > 0xDFFF) {
                            return false;
                        }
                        c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                    } else if (c >= 0xDC00 && c <= 0xDFFF) {
                        return false;
                    }
                } else if (from.find(e) != std::u32string::npos) {
                    c = to[from.find(e)];
                } else {
                    return false;
                }
            }
            out.push_back(c);
        }
        return Literal(U"\"");
    }

    bool Number(Json& out) {
        out.kind = Json::Kind::Number;
        const std::size_t start = at_;
        const bool negative = Literal(U"-");
        std::size_t digits = 0;
        while (at_ < t_.size() && IsDigit(t_[at_])) {
            if (++digits <= 15) {
                out.number = out.number * 10 + static_cast<long long>(t_[at_] - U'0');
            }
            ++at_;
        }
        if (digits == 0 || (digits > 1 && t_[at_ - digits] == U'0')) {
            return false;
        }
        // Fractions and exponents are well-formed JSON but never a year: kept as such.
        if (at_ < t_.size() && (t_[at_] == U'.' || t_[at_] == U'e' || t_[at_] == U'E')) {
            out.integral = false;
            while (at_ < t_.size() && (IsDigit(t_[at_]) || Contains(U".eE+-", {t_[at_]}))) {
                ++at_;
            }
        }
        out.number = negative ? -out.number : out.number;
        return at_ > start && digits <= 15;
    }

    bool Value(Json& out, int depth) {
        Blanks();
        if (depth > kMaxDepth || at_ >= t_.size()) {
            return false;
        }
        const char32_t c = t_[at_];
        if (c == U'{' || c == U'[') {
            const bool object = c == U'{';
            out.kind = object ? Json::Kind::Object : Json::Kind::Array;
            ++at_;
            Blanks();
            if (Literal(object ? U"}" : U"]")) {
                return true;
            }
            do {
                if (out.items.size() + out.members.size() >= kMaxItems) {
                    return false;
                }
                if (object) {
                    std::u32string key;
                    Blanks();
                    if (!String(key) || out.Member(key) != nullptr) {
                        return false;
                    }
                    Blanks();
                    out.members.emplace_back(key, Json());
                    if (!Literal(U":") || !Value(out.members.back().second, depth + 1)) {
                        return false;
                    }
                } else {
                    out.items.emplace_back();
                    if (!Value(out.items.back(), depth + 1)) {
                        return false;
                    }
                }
                Blanks();
            } while (Literal(U","));
            return Literal(object ? U"}" : U"]");
        }
        if (c == U'"') {
            out.kind = Json::Kind::String;
            return String(out.text);
        }
        if (Literal(U"true") || Literal(U"false")) {
            out.kind = Json::Kind::Bool;
            out.flag = t_[at_ - 1] == U'e' && t_[at_ - 2] == U'u';
            return true;
        }
        if (Literal(U"null")) {
            return true;
        }
        return Number(out);
    }

    const std::u32string& t_;
    std::size_t at_ = 0;
};

// "YYYY-MM-DD" exactly, a real date.
bool ReadDate(const std::u32string& s, HolidayEntry& e) {
    if (s.size() != 10 || s[4] != U'-' || s[7] != U'-') {
        return false;
    }
    int parts[3] = {0, 0, 0};
    const std::size_t starts[3] = {0, 5, 8};
    const std::size_t lengths[3] = {4, 2, 2};
    for (int p = 0; p < 3; ++p) {
        for (std::size_t k = starts[p]; k < starts[p] + lengths[p]; ++k) {
            if (!IsDigit(s[k])) {
                return false;
            }
            parts[p] = parts[p] * 10 + static_cast<int>(s[k] - U'0');
        }
    }
    e.year = parts[0];
    e.month = parts[1];
    e.day = parts[2];
    return IsSupportedDate(e.year, e.month, e.day);
}

bool Refuse(std::string& reason, const char* why) {
    reason = why;
    return false;
}

} // namespace

bool ReadHolidayJson(const std::string& bytes, HolidayYear& out, std::string& reason) {
    if (bytes.size() > kMaxHolidayJsonBytes) {
        return Refuse(reason, "文件太大，不是一年的放假安排");
    }
    if (!IsWellFormedUtf8(bytes)) {
        return Refuse(reason, "不是 UTF-8 编码的 JSON");
    }
    const std::u32string text = CodePointsFromBytes(bytes);
    Json root;
    if (!Parser(text).Document(root) || root.kind != Json::Kind::Object) {
        return Refuse(reason, "JSON 格式不对");
    }
    const Json* year = root.Member(U"year");
    const Json* days = root.Member(U"days");
    if (year == nullptr || year->kind != Json::Kind::Number || !year->integral ||
        year->number <= kFirstYear || year->number > kLastYear) {
        return Refuse(reason, "缺少年份 year");
    }
    if (days == nullptr || days->kind != Json::Kind::Array) {
        return Refuse(reason, "缺少日期列表 days");
    }
    HolidayYear result;
    result.year = static_cast<int>(year->number);
    for (const Json& day : days->items) {
        const Json* name = day.Member(U"name");
        const Json* date = day.Member(U"date");
        const Json* off = day.Member(U"isOffDay");
        HolidayEntry e;
        if (day.kind != Json::Kind::Object || name == nullptr || name->kind != Json::Kind::String ||
            date == nullptr || date->kind != Json::Kind::String || !ReadDate(date->text, e) ||
            off == nullptr || off->kind != Json::Kind::Bool) {
            return Refuse(reason, "days 中有一项缺少 name、date 或 isOffDay");
        }
        e.mark = off->flag ? HolidayMark::Off : HolidayMark::Work;
        e.name = GbkFromCodePoints(name->text);
        result.days.push_back(e);
    }
    if (const Json* papers = root.Member(U"papers")) {
        for (const Json& paper : papers->items) {
            if (paper.kind == Json::Kind::String) {
                std::u32string line = paper.text;
                for (char32_t& c : line) {
                    c = c < 0x20 || c == 0x7F ? U' ' : c; // one line, whatever the set wrote
                }
                result.notice += (result.notice.empty() ? "" : "；") + GbkFromCodePoints(line);
            }
        }
    }
    // The papers are titles or addresses of notices: kept as far as a year line holds them.
    result.notice.resize(GbkCutLength(result.notice.c_str(), kMaxHolidayNoticeBytes));
    std::sort(result.days.begin(), result.days.end(),
              [](const HolidayEntry& a, const HolidayEntry& b) {
                  return DayNumber(a.year, a.month, a.day) < DayNumber(b.year, b.month, b.day);
              });
    out = result;
    return true;
}

} // namespace luna
