// Binary input from memory or from a file.
#include "shared/byte_source.h"

#include <cstring>

#include "shared/path_rules.h"

namespace luna {

std::size_t MemorySource::Read(void* buffer, std::size_t n) {
    const std::size_t left = size_ - pos_;
    const std::size_t take = n < left ? n : left;
    if (take > 0) {
        std::memcpy(buffer, data_ + pos_, take);
        pos_ += take;
    }
    return take;
}

FileSource::FileSource(const char* path) {
    if (FitsPathBuffer(path)) {
        file_ = OpenGbkPath(path, "rb");
    }
}

FileSource::~FileSource() {
    if (file_ != nullptr) {
        std::fclose(file_);
    }
}

std::size_t FileSource::Read(void* buffer, std::size_t n) {
    if (file_ == nullptr) {
        return 0;
    }
    return std::fread(buffer, 1, n, file_);
}

bool FileSource::Failed() const {
    return file_ == nullptr || std::ferror(file_) != 0;
}

} // namespace luna
