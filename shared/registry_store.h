// A registry below one root key (HKEY_CURRENT_USER or HKEY_LOCAL_MACHINE), reduced to the
// operations the settings need. WinRegistry is the real one, MemoryRegistry the one the
// native tests use. Paths are relative to the root and separated by backslashes.
#pragma once

#include <cstdint>

namespace luna {

// An open key; 0 is never a valid key.
using RegKey = std::uintptr_t;

enum class RegAccess {
    All,   // KEY_ALL_ACCESS: lunavis
    Query, // KEY_QUERY_VALUE: lunahook inside the shell
};

enum class RegQueryStatus {
    Ok,       // data, type and size are set
    NotFound, // no such value
    MoreData, // the value is larger than the capacity: size holds its real size, the data
              // buffer's content is undefined
    Failed,   // any other error
};

class RegistryStore {
  public:
    virtual ~RegistryStore() = default;

    // Opens `path`, creating it and any missing keys on the way. On success sets *key and
    // *created (true when the key did not exist before this call).
    virtual bool CreateKey(const char* path, RegAccess access, RegKey* key, bool* created) = 0;
    // Opens an existing key; fails when it is missing.
    virtual bool OpenKey(const char* path, RegAccess access, RegKey* key) = 0;
    virtual void CloseKey(RegKey key) = 0;

    // Reads value `name` (empty or null: the key's default value) into `data`, at most
    // `capacity` bytes. *type and *size are set for Ok and MoreData.
    virtual RegQueryStatus QueryValue(RegKey key, const char* name, void* data,
                                      std::uint32_t capacity, std::uint32_t* type,
                                      std::uint32_t* size) = 0;
    virtual bool SetValue(RegKey key, const char* name, std::uint32_t type, const void* data,
                          std::uint32_t size) = 0;
    // Deletes the key `subPath` below `key`; fails when it has subkeys of its own.
    virtual bool DeleteSubKey(RegKey key, const char* subPath) = 0;
    virtual bool DeleteValue(RegKey key, const char* name) = 0;
};

} // namespace luna
