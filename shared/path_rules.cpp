// Folder and path rules for the data files.
#include "shared/path_rules.h"

#include <cstring>

#include "shared/registry_layout.h"

namespace luna {
namespace {

bool IsGbkLeadByte(unsigned char c) {
    return c >= 0x81 && c != 0xFF;
}

} // namespace

std::size_t FolderPartLength(const char* path) {
    if (path == nullptr) {
        return 0;
    }
    std::size_t lastBackslash = 0;
    bool found = false;
    for (std::size_t i = 0; path[i] != '\0'; ++i) {
        const unsigned char c = static_cast<unsigned char>(path[i]);
        if (IsGbkLeadByte(c) && path[i + 1] != '\0') {
            ++i; // the trail byte may be 0x5C without being a backslash
            continue;
        }
        if (c == '\\') {
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
