#include "hook/logic/registry_value.h"

#include <cstring>

#include "shared/registry_layout.h"

namespace luna {

int ReadRegistryValue(RegistryStore& registry, const char* subkey, const char* valueName,
                      void* destination, std::uint32_t capacity) {
    RegKey key = 0;
    bool created = false;
    if (destination == nullptr || capacity == 0 ||
        !registry.CreateKey(subkey, RegAccess::Query, &key, &created)) {
        return 0;
    }
    if (created) {
        registry.CloseKey(key);
        return 0;
    }
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    const RegQueryStatus status =
        registry.QueryValue(key, valueName, destination, capacity, &type, &size);
    registry.CloseKey(key);
    if (status != RegQueryStatus::Ok) {
        return 0;
    }
    if (type == kRegSz || type == kRegExpandSz) {
        char* text = static_cast<char*>(destination);
        if (size < capacity) {
            text[size] = '\0';
        } else if (std::memchr(text, '\0', capacity) == nullptr) {
            return 0;
        }
    }
    return 1;
}

} // namespace luna
