// Text-mode translation over binary I/O.
#include "shared/text_mode.h"

#include <cstring>

namespace luna {
namespace {

constexpr std::uint8_t kEndOfFileByte = 0x1A;

} // namespace

// Moves the unread bytes to the front of the chunk and reads more behind them. False when
// nothing more could be read.
bool TextModeReader::Fill() {
    if (rawEnded_) {
        return false;
    }
    const std::size_t unread = chunkLen_ - chunkPos_;
    std::memmove(chunk_, chunk_ + chunkPos_, unread);
    chunkPos_ = 0;
    chunkLen_ = unread;
    const std::size_t room = sizeof chunk_ - unread;
    const std::size_t got = raw_.Read(chunk_ + unread, room);
    if (got < room) {
        rawEnded_ = true; // a short read means the end of the data or an error
    }
    chunkLen_ += got;
    return got > 0;
}

std::size_t TextModeReader::Read(void* buffer, std::size_t n) {
    std::uint8_t* out = static_cast<std::uint8_t*>(buffer);
    std::size_t written = 0;
    while (written < n && !ended_) {
        if (chunkPos_ == chunkLen_ && !Fill()) {
            ended_ = true;
            break;
        }
        const std::uint8_t c = chunk_[chunkPos_];
        if (c == kEndOfFileByte) {
            ended_ = true;
            if (chunkPos_ + 1 == chunkLen_) {
                Fill(); // is anything behind it? the end byte moves to the front
            }
            stoppedEarly_ = chunkPos_ + 1 < chunkLen_;
            break;
        }
        if (c == '\r') {
            if (chunkPos_ + 1 == chunkLen_) {
                Fill(); // look one byte ahead; the CR moves to the front
            }
            if (chunkPos_ + 1 < chunkLen_ && chunk_[chunkPos_ + 1] == '\n') {
                out[written++] = '\n';
                chunkPos_ += 2;
                continue;
            }
        }
        out[written++] = c;
        ++chunkPos_;
    }
    return written;
}

std::size_t TextModeReader::ReadRecords(void* buffer, std::size_t size, std::size_t count) {
    if (size == 0 || count == 0 || count > static_cast<std::size_t>(-1) / size) {
        return 0;
    }
    return Read(buffer, size * count) / size;
}

void AppendTextMode(const void* data, std::size_t size, std::vector<std::uint8_t>& out) {
    const std::uint8_t* bytes = static_cast<const std::uint8_t*>(data);
    for (std::size_t i = 0; i < size; ++i) {
        if (bytes[i] == '\n') {
            out.push_back('\r');
        }
        out.push_back(bytes[i]);
    }
}

std::vector<std::uint8_t> EncodeTextMode(const std::vector<std::uint8_t>& bytes) {
    std::vector<std::uint8_t> out;
    out.reserve(bytes.size());
    AppendTextMode(bytes.data(), bytes.size(), out);
    return out;
}

std::vector<std::uint8_t> DecodeTextMode(const std::vector<std::uint8_t>& bytes) {
    MemorySource source(bytes.data(), bytes.size());
    TextModeReader reader(source);
    std::vector<std::uint8_t> out;
    std::uint8_t buffer[256];
    for (;;) {
        const std::size_t got = reader.Read(buffer, sizeof buffer);
        out.insert(out.end(), buffer, buffer + got);
        if (got < sizeof buffer) {
            return out;
        }
    }
}

} // namespace luna
