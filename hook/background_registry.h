// The three registry values the library reads itself, inside the shell.
#pragma once

#include <cstdint>

namespace luna {

// Opens HKEY_CURRENT_USER\subkey with create semantics (KEY_QUERY_VALUE) and reads the
// value into destination, capacity bytes at most; its type is not checked. Returns 1 when
// the value was read, 0 otherwise. A key that had to be created stays, empty, and counts
// as holding no values. A text that fills the whole capacity without a terminator counts
// as unreadable; a shorter one is terminated here.
int ReadRegistryValue(const char* subkey, const char* valueName, void* destination,
                      std::uint32_t capacity);

// Both read into 32-bit destinations (4 bytes).
int ReadRegistryNumber(const char* subkey, const char* valueName, std::uint32_t& value);

// The BackImage path into a 260-byte buffer, always terminated ("" when unreadable).
int ReadBackImagePath(char (&path)[260]);

} // namespace luna
