// A bounded, always terminated GBK text under composition. An append that does not fit
// is cut at a character boundary and ends the text: later appends add nothing, so the
// result is always a prefix of the whole text. Nothing is written past the capacity.
#pragma once

#include <cstddef>

namespace luna {

class TextBuffer {
  public:
    // out must hold capacity bytes; capacity 0 makes every append a no-op.
    TextBuffer(char* out, std::size_t capacity);

    void Append(const char* text);
    // Appends at most byteCount bytes of text (stopping early at its terminator).
    void AppendBytes(const char* text, std::size_t byteCount);
    void AppendFormat(const char* format, ...) __attribute__((format(printf, 2, 3)));

    std::size_t Length() const { return length_; }
    std::size_t Remaining() const { return capacity_ == 0 ? 0 : capacity_ - 1 - length_; }
    bool Truncated() const { return truncated_; }
    const char* Text() const { return out_; }

  private:
    char* out_;
    std::size_t capacity_;
    std::size_t length_ = 0;
    bool truncated_ = false;
};

} // namespace luna
