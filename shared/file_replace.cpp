// Saving through a temporary file beside the target.
#include "shared/file_replace.h"

#include <cstdio>
#include <cstring>

#include "shared/path_rules.h"
#include "shared/registry_layout.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace luna {
namespace {

bool FlushToDisk(std::FILE* file) {
    if (std::fflush(file) != 0) {
        return false;
    }
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

} // namespace

bool TempPathBeside(const char* path, char* out, std::size_t capacity) {
    if (out == nullptr || capacity == 0) {
        return false;
    }
    out[0] = '\0';
    if (path == nullptr) {
        return false;
    }
    const std::size_t length = std::strlen(path);
    if (length == 0 || length >= capacity || path[length - 1] == '\\') {
        return false;
    }
    std::memcpy(out, path, length + 1);
    out[length - 1] = path[length - 1] == '~' ? '_' : '~';
    return true;
}

bool MoveFileOver(const char* source, const char* target) {
    return MoveGbkPathOver(source, target);
}

bool WriteFileReplacing(const char* path, const void* data, std::size_t size) {
    char temp[kPathCapacity];
    if (!FitsPathBuffer(path) || !TempPathBeside(path, temp, sizeof temp)) {
        return false;
    }
    std::FILE* file = OpenGbkPath(temp, "wb");
    if (file == nullptr) {
        return false;
    }
    bool written = size == 0 || std::fwrite(data, 1, size, file) == size;
    written = FlushToDisk(file) && written;
    written = std::fclose(file) == 0 && written;
    if (!written || !MoveFileOver(temp, path)) {
        RemoveGbkPath(temp);
        return false;
    }
    return true;
}

} // namespace luna
