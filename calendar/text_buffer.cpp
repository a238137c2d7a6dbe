// Bounded composition of terminated GBK texts.
#include "calendar/text_buffer.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "calendar/gbk_bytes.h"

namespace luna {

TextBuffer::TextBuffer(char* out, std::size_t capacity) : out_(out), capacity_(capacity) {
    if (capacity_ > 0) {
        out_[0] = '\0';
    }
}

void TextBuffer::AppendBytes(const char* text, std::size_t byteCount) {
    // Once something did not fit, nothing more goes in: the result stays a prefix of
    // the whole text.
    if (text == nullptr || truncated_) {
        return;
    }
    std::size_t size = 0;
    while (size < byteCount && text[size] != '\0') {
        ++size;
    }
    const std::size_t room = Remaining();
    if (size > room) {
        size = GbkCutLength(text, room);
        truncated_ = true;
    }
    if (capacity_ == 0) {
        return;
    }
    std::memcpy(out_ + length_, text, size);
    length_ += size;
    out_[length_] = '\0';
}

void TextBuffer::Append(const char* text) {
    AppendBytes(text, static_cast<std::size_t>(-1));
}

void TextBuffer::AppendFormat(const char* format, ...) {
    // Every formatted piece of the calendar texts is short; a longer one is cut on a
    // character boundary, appended as far as it goes, and ends the text.
    char piece[256];
    va_list args;
    va_start(args, format);
    const int written = std::vsnprintf(piece, sizeof piece, format, args);
    va_end(args);
    if (written < 0 || truncated_) {
        return;
    }
    const std::size_t size = static_cast<std::size_t>(written);
    if (size < sizeof piece) {
        AppendBytes(piece, size);
        return;
    }
    AppendBytes(piece, GbkCutLength(piece, sizeof piece - 1));
    truncated_ = true;
}

} // namespace luna
