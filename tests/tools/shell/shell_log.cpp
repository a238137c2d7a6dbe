#include "tests/tools/shell/shell_log.h"

#include <cstdarg>
#include <cstdio>

#include "tests/tools/shell/win_text.h"

namespace luna::tools {

ShellLog::ShellLog() {
    InitializeCriticalSection(&lock_);
}

ShellLog::~ShellLog() {
    DeleteCriticalSection(&lock_);
}

void ShellLog::Open(const std::string& utf8Path) {
    path_ = Utf8ToWide(utf8Path);
}

void ShellLog::Write(const std::string& line) {
    if (path_.empty()) {
        return;
    }
    std::string text = line + "\n";
    EnterCriticalSection(&lock_);
    HANDLE file = CreateFileW(path_.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        CloseHandle(file);
    }
    LeaveCriticalSection(&lock_);
}

void ShellLog::Printf(const char* format, ...) {
    char buffer[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    Write(buffer);
}

} // namespace luna::tools
