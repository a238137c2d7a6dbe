#include "hook/debug_log.h"

#include <cstdarg>
#include <cstdio>

namespace luna {

void WriteDebugLog(const char* text) {
    // Opened and closed for every line: both processes append to the same file.
    std::FILE* file = std::fopen("e:\\lunadebug.txt", "a");
    if (file == nullptr) {
        return;
    }
    std::fprintf(file, "%s\n", text);
    std::fclose(file);
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
