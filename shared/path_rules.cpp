// Folder and path rules for the data files.
#include "shared/path_rules.h"

#include <cstring>

#include "shared/gbk_text.h"
#include "shared/registry_layout.h"

namespace luna {

std::size_t FolderPartLength(const char* path) {
    if (path == nullptr) {
        return 0;
    }
    std::size_t lastBackslash = 0;
    bool found = false;
    // A trail byte may be 0x5C without being a backslash: walk whole characters.
    for (std::size_t i = 0; path[i] != '\0'; i += GbkCharBytes(path + i, kGbkTerminated)) {
        if (path[i] == '\\') {
            lastBackslash = i;
            found = true;
        }
    }
    if (!found || lastBackslash == 0) {
        return 0;
    }
    return lastBackslash + 1;
}

bool FolderOfPath(const char* path, char* out, std::size_t capacity) {
    if (out == nullptr || capacity == 0) {
        return false;
    }
    out[0] = '\0';
    const std::size_t length = FolderPartLength(path);
    if (length == 0 || length >= capacity) {
        return false;
    }
    std::memcpy(out, path, length);
    out[length] = '\0';
    return true;
}

bool JoinPath(const char* folder, const char* name, char* out, std::size_t capacity) {
    if (out == nullptr || capacity == 0) {
        return false;
    }
    out[0] = '\0';
    if (folder == nullptr || name == nullptr) {
        return false;
    }
    const std::size_t folderLength = std::strlen(folder);
    const std::size_t nameLength = std::strlen(name);
    if (folderLength >= capacity || nameLength >= capacity - folderLength) {
        return false;
    }
    std::memcpy(out, folder, folderLength);
    std::memcpy(out + folderLength, name, nameLength);
    out[folderLength + nameLength] = '\0';
    return true;
}

bool FitsPathBuffer(const char* path) {
    return path != nullptr && std::strlen(path) < kPathCapacity;
}

} // namespace luna
