// Binary input for the file readers: a file opened in binary mode, or bytes in memory
// (tests and fuzzing). Neither allocates.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace luna {

class ByteSource {
  public:
    virtual ~ByteSource() = default;
    // Reads up to n bytes; fewer only at the end of the data or on an error.
    virtual std::size_t Read(void* buffer, std::size_t n) = 0;
    virtual bool Failed() const = 0;
};

class MemorySource : public ByteSource {
  public:
    MemorySource(const void* data, std::size_t size)
        : data_(static_cast<const std::uint8_t*>(data)), size_(size) {}
    std::size_t Read(void* buffer, std::size_t n) override;
    bool Failed() const override { return false; }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

class FileSource : public ByteSource {
  public:
    // Opens path for binary reading; a path that does not fit a 260-byte buffer is refused.
    explicit FileSource(const char* path);
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    bool IsOpen() const { return file_ != nullptr; }
    std::size_t Read(void* buffer, std::size_t n) override;
    bool Failed() const override;

  private:
    std::FILE* file_ = nullptr;
};

} // namespace luna
