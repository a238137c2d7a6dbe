// The stand-in shell's event log: UTF-8, one event per line, appended from any thread.
#pragma once

#include <windows.h>

#include <string>

namespace luna::tools {

class ShellLog {
  public:
    ShellLog();
    ~ShellLog();
    ShellLog(const ShellLog&) = delete;
    ShellLog& operator=(const ShellLog&) = delete;

    void Open(const std::string& utf8Path);
    // Appends one line; the file is opened and closed for each line so it can be read at any time.
    void Write(const std::string& line);
    void Printf(const char* format, ...) __attribute__((format(printf, 2, 3)));

  private:
    CRITICAL_SECTION lock_;
    std::wstring path_;
};

} // namespace luna::tools
