// How the library reads its own registry values (DeskTopStyle, DeskTopBackColor,
// BackImage) inside the shell: the key is opened with create semantics for query access;
// a key that had to be created stays, empty, and counts as holding no values.
#pragma once

#include <cstdint>

#include "shared/registry_store.h"

namespace luna {

// Reads the value into destination, at most capacity bytes; its type is not checked.
// Returns 1 when it was read and 0 otherwise. A text that fills the whole capacity without
// a terminator counts as unreadable; a shorter one is terminated here, since texts are
// stored without their terminator.
int ReadRegistryValue(RegistryStore& registry, const char* subkey, const char* valueName,
                      void* destination, std::uint32_t capacity);

} // namespace luna
