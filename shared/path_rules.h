// Folder and path rules for the data files: the folder of a path is everything up to and
// including its last backslash; every path fits a 260-byte buffer or is refused.
#pragma once

#include <cstddef>
#include <cstdio>

namespace luna {

// Length of the folder part of `path`, or 0 when it has none: no backslash, or the only
// one is the first byte. Paths are GBK text: a trail byte 0x5C of a two-byte character is
// not a backslash.
std::size_t FolderPartLength(const char* path);

// Copies the folder part of `path` (terminated) into out. False, with out empty, when the
// path has no folder part or it does not fit.
bool FolderOfPath(const char* path, char* out, std::size_t capacity);
template <std::size_t N> bool FolderOfPath(const char* path, char (&out)[N]) {
    return FolderOfPath(path, out, N);
}

// out = folder followed by name. False, with out empty, when the result and its terminator
// do not fit `capacity` bytes.
bool JoinPath(const char* folder, const char* name, char* out, std::size_t capacity);
template <std::size_t N> bool JoinPath(const char* folder, const char* name, char (&out)[N]) {
    return JoinPath(folder, name, out, N);
}

// True when `path` with its terminator fits a 260-byte path buffer.
bool FitsPathBuffer(const char* path);

// fopen, remove and rename-over of a GBK path. On Windows the path goes to the wide calls
// converted with code page 936, so it names the same file whatever the system's code page.
std::FILE* OpenGbkPath(const char* path, const char* mode);
bool RemoveGbkPath(const char* path);
bool MoveGbkPathOver(const char* source, const char* target);

} // namespace luna
