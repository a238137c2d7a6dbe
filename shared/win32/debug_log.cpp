#include "shared/win32/debug_log.h"

#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <string>

namespace luna {

void WriteDebugLog(const char* text) {
    // Opened and closed for every line: both processes, and several threads of the shell,
    // append to the same file. Opened for appending only, each write lands at the end as
    // one piece; a seek to the end followed by a write (the C library's "a" mode) lets two
    // writers put their lines at the same offset, and one line is lost.
    HANDLE file = CreateFileW(L"e:\\lunadebug.txt", FILE_APPEND_DATA,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return;
    }
    const std::string line = std::string(text) + "\r\n";
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
}

void WriteDebugLogf(const char* format, ...) {
    char line[160];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    WriteDebugLog(line);
}

} // namespace luna
