// Text mode as the C runtime on Windows does it, over binary I/O so it behaves the same on
// every platform: writing turns LF into CR LF; reading turns CR LF into LF, keeps a lone CR,
// and ends the file at the first 0x1A byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "shared/byte_source.h"

namespace luna {

class TextModeReader {
  public:
    explicit TextModeReader(ByteSource& raw) : raw_(raw) {}

    // Reads up to n bytes of translated text; fewer only at the end or on an error.
    std::size_t Read(void* buffer, std::size_t n);
    // Reads up to `count` records of `size` bytes, as fread does: returns the number of
    // complete records; a partial record at the end is consumed and not counted.
    std::size_t ReadRecords(void* buffer, std::size_t size, std::size_t count);

    bool AtEnd() const { return ended_; }
    bool Failed() const { return raw_.Failed(); }
    // The text ended at an end-of-file byte that had more data after it: that data was
    // not read.
    bool StoppedEarly() const { return stoppedEarly_; }

  private:
    bool Fill();

    ByteSource& raw_;
    std::uint8_t chunk_[512];
    std::size_t chunkPos_ = 0;
    std::size_t chunkLen_ = 0;
    bool rawEnded_ = false;
    bool ended_ = false;
    bool stoppedEarly_ = false;
};

// Appends `data` to `out` as text mode writes it.
void AppendTextMode(const void* data, std::size_t size, std::vector<std::uint8_t>& out);

// Whole-buffer forms, for tests.
std::vector<std::uint8_t> EncodeTextMode(const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> DecodeTextMode(const std::vector<std::uint8_t>& bytes);

} // namespace luna
