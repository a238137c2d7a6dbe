#include "shared/notice_items.h"

#include "shared/notice_text.h"

namespace luna {

using Text = std::u32string;

std::vector<NoticeItemHeader> FindNoticeItemHeaders(const Text& text) {
    std::vector<NoticeItemHeader> out;
    const Text numerals = U"一二三四五六七八九十";
    const Text stops = U",。;:()\n";
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (numerals.find(text[i]) == Text::npos ||
            (i > 0 && Text(U"\n。: ").find(text[i - 1]) == Text::npos)) {
            continue;
        }
        std::size_t at = i;
        while (at < text.size() && numerals.find(text[at]) != Text::npos) {
            ++at;
        }
        if (at >= text.size() || text[at] != U'、') {
            continue;
        }
        std::size_t colon = at + 1;
        while (colon < text.size() && stops.find(text[colon]) == Text::npos &&
               colon - at <= kMaxNoticeNameLength) {
            ++colon;
        }
        if (colon < text.size() && text[colon] == U':' && colon > at + 1) {
            out.push_back({i, colon + 1, TrimBlanks(text.substr(at + 1, colon - at - 1))});
            i = colon;
        }
    }
    return out;
}

int FirstYearIn(const Text& t) {
    for (std::size_t i = 0; i + 4 < t.size(); ++i) {
        if ((i == 0 || !IsDigit(t[i - 1])) && IsDigit(t[i]) && IsDigit(t[i + 1]) &&
            IsDigit(t[i + 2]) && IsDigit(t[i + 3]) && t[i + 4] == U'年') {
            int year = 0;
            for (std::size_t k = i; k < i + 4; ++k) {
                year = year * 10 + static_cast<int>(t[k] - U'0');
            }
            return year;
        }
    }
    return 0;
}

} // namespace luna
