// The frame of a holiday notice: the items "一、元旦：…" its body is made of, and the year
// it speaks of. On text folded by FoldWidth (shared/notice_text.h).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace luna {

// A name of more code points than this is no holiday's name.
constexpr std::size_t kMaxNoticeNameLength = 40;

// The header of one item: "一、元旦:" at the start of the text, a line or a sentence.
struct NoticeItemHeader {
    std::size_t start = 0; // of the numeral
    std::size_t body = 0;  // after the colon
    std::u32string name;   // "元旦", "国庆节、中秋节"
};

// The headers of the text in order.
std::vector<NoticeItemHeader> FindNoticeItemHeaders(const std::u32string& text);

// The first "YYYY年" of the text (four digits not preceded by a digit), or 0.
int FirstYearIn(const std::u32string& text);

} // namespace luna
