// Saving through a temporary file of its own beside the target, and backups.
#include "shared/file_replace.h"

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <vector>

#include "shared/path_rules.h"
#include "shared/registry_layout.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace luna {
namespace {

// Tries this many temporary names before giving up (each taken one is another save's).
constexpr unsigned kTempAttempts = 64;
constexpr int kBackupNames = 10;

// A new file, created only when no file of that name exists, written whole and flushed.
#ifdef _WIN32
struct NewFile {
    HANDLE handle = INVALID_HANDLE_VALUE;
    bool exists = false; // creation failed because the name is taken
};
bool CreateExclusive(const char* path, NewFile* file) {
    file->handle =
        CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    const DWORD error = file->handle == INVALID_HANDLE_VALUE ? GetLastError() : 0;
    file->exists = error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ||
                   error == ERROR_ACCESS_DENIED; // a folder, or a file being deleted
    return file->handle != INVALID_HANDLE_VALUE;
}
bool WriteAllAndFlush(const NewFile& file, const void* data, std::size_t size) {
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    while (size > 0) {
        const DWORD chunk = size > 0x10000000u ? 0x10000000u : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!WriteFile(file.handle, bytes, chunk, &written, nullptr) || written == 0) {
            return false;
        }
        bytes += written;
        size -= written;
    }
    return FlushFileBuffers(file.handle) != 0;
}
bool CloseNew(const NewFile& file) {
    return CloseHandle(file.handle) != 0;
}
unsigned ProcessSeed() {
    return static_cast<unsigned>(GetCurrentProcessId()) * 2654435761u ^ GetTickCount();
}
#else
struct NewFile {
    int fd = -1;
    bool exists = false; // creation failed because the name is taken
};
bool CreateExclusive(const char* path, NewFile* file) {
    file->fd = open(path, O_WRONLY | O_CREAT | O_EXCL, 0644);
    file->exists = file->fd < 0 && errno == EEXIST;
    return file->fd >= 0;
}
bool WriteAllAndFlush(const NewFile& file, const void* data, std::size_t size) {
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    while (size > 0) {
        const ssize_t written = write(file.fd, bytes, size);
        if (written <= 0) {
            return false;
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return fsync(file.fd) == 0;
}
bool CloseNew(const NewFile& file) {
    return close(file.fd) == 0;
}
unsigned ProcessSeed() {
    return static_cast<unsigned>(getpid()) * 2654435761u ^
           static_cast<unsigned>(std::time(nullptr));
}
#endif

// A different start for every save of the run, and for every process.
unsigned NextTempStart() {
    static std::atomic<unsigned> counter{0};
    static const unsigned seed = ProcessSeed();
    return seed + 0x9E37u * counter.fetch_add(1);
}

// Creates `path` exclusively and writes the bytes; a file that was created and could not be
// written whole is removed again. *taken tells that the name already existed.
bool WriteNewFile(const char* path, const void* data, std::size_t size, bool* taken) {
    *taken = false;
    NewFile file;
    if (!CreateExclusive(path, &file)) {
        *taken = file.exists;
        return false;
    }
    bool written = WriteAllAndFlush(file, data, size);
    written = CloseNew(file) && written;
    if (!written) {
        std::remove(path);
    }
    return written;
}

bool ReadWholeFile(const char* path, std::vector<std::uint8_t>* bytes) {
    if (!FitsPathBuffer(path)) {
        return false;
    }
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        return false;
    }
    std::uint8_t chunk[4096];
    for (;;) {
        const std::size_t got = std::fread(chunk, 1, sizeof chunk, file);
        bytes->insert(bytes->end(), chunk, chunk + got);
        if (got < sizeof chunk) {
            break;
        }
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    return !failed;
}

} // namespace

bool TempPathBeside(const char* path, unsigned attempt, char* out, std::size_t capacity) {
    if (out == nullptr || capacity == 0) {
        return false;
    }
    out[0] = '\0';
    if (path == nullptr || path[0] == '\0') {
        return false;
    }
    const int length =
        std::snprintf(out, capacity, "%s.~%04x", path, static_cast<unsigned>(attempt & 0xFFFF));
    if (length < 0 || static_cast<std::size_t>(length) >= capacity) {
        out[0] = '\0';
        return false;
    }
    return true;
}

bool MoveFileOver(const char* source, const char* target) {
#ifdef _WIN32
    return MoveFileExA(source, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    return std::rename(source, target) == 0;
#endif
}

bool WriteFileReplacing(const char* path, const void* data, std::size_t size) {
    if (!FitsPathBuffer(path)) {
        return false;
    }
    const unsigned start = NextTempStart();
    for (unsigned attempt = 0; attempt < kTempAttempts; ++attempt) {
        char temp[kPathCapacity];
        if (!TempPathBeside(path, start + attempt * 0x1F3Du, temp, sizeof temp)) {
            return false;
        }
        bool taken = false;
        if (!WriteNewFile(temp, data, size, &taken)) {
            if (taken) {
                continue; // another save's temporary file: never touched
            }
            return false;
        }
        if (!MoveFileOver(temp, path)) {
            std::remove(temp);
            return false;
        }
        return true;
    }
    return false;
}

bool KeepBackupCopy(const char* path, char* out, std::size_t capacity) {
    if (out == nullptr || capacity == 0) {
        return false;
    }
    out[0] = '\0';
    std::vector<std::uint8_t> bytes;
    if (!ReadWholeFile(path, &bytes)) {
        return false;
    }
    for (int n = 0; n < kBackupNames; ++n) {
        char name[kPathCapacity];
        const int length = n == 0 ? std::snprintf(name, sizeof name, "%s.bak", path)
                                  : std::snprintf(name, sizeof name, "%s.%d.bak", path, n);
        if (length < 0 || static_cast<std::size_t>(length) >= sizeof name ||
            static_cast<std::size_t>(length) >= capacity) {
            return false;
        }
        bool taken = false;
        if (WriteNewFile(name, bytes.data(), bytes.size(), &taken)) {
            std::memcpy(out, name, static_cast<std::size_t>(length) + 1);
            return true;
        }
        if (!taken) {
            return false;
        }
    }
    return false;
}

bool SaveOverGuard::BeforeSave(const char* path) {
    if (!backupNeeded_) {
        return true;
    }
    if (!KeepBackupCopy(path, backupPath_, sizeof backupPath_)) {
        backupPath_[0] = '\0';
        return false;
    }
    backupNeeded_ = false;
    return true;
}

} // namespace luna
