// The three registry values the library reads itself, inside the shell.
#pragma once

#include <cstdint>

namespace luna {

// ReadRegistryValue of registry_value.h on HKEY_CURRENT_USER.
int ReadRegistryValue(const char* subkey, const char* valueName, void* destination,
                      std::uint32_t capacity);

// Both read into 32-bit destinations (4 bytes).
int ReadRegistryNumber(const char* subkey, const char* valueName, std::uint32_t& value);

// The BackImage path into a 260-byte buffer, always terminated ("" when unreadable).
int ReadBackImagePath(char (&path)[260]);

} // namespace luna
