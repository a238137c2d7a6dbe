// Writes the program's GBK text to standard output: converted to UTF-8 on Linux,
// as it is on Windows.
#pragma once

#include <cstdio>
#include <string>

namespace luna::lunacal {

class GbkOutput {
  public:
    explicit GbkOutput(std::FILE* stream);
    ~GbkOutput();
    GbkOutput(const GbkOutput&) = delete;
    GbkOutput& operator=(const GbkOutput&) = delete;

    // Buffers whole texts (never half a character) and writes them in large blocks.
    void Write(const std::string& gbk);
    // Writes what is buffered; false once anything could not be converted or written.
    bool Flush();

  private:
    std::FILE* stream_;
    std::string pending_;
    std::string converted_;
    void* converter_ = nullptr;
    bool failed_ = false;
};

// GBK to UTF-8 (an undecodable byte becomes '?'); on Windows a plain copy.
bool ConvertGbkToUtf8(void* converter, const std::string& gbk, std::string& utf8);

} // namespace luna::lunacal
