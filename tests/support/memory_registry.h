// An in-memory registry with the semantics of the Windows one as far as the settings use
// it: case-insensitive key and value names, create-on-open with disposition, deleting a key
// with subkeys fails. For native tests and fuzzing; not used by the deliverables.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "shared/registry_store.h"

namespace luna {

class MemoryRegistry : public RegistryStore {
  public:
    struct Value {
        std::uint32_t type = 0;
        std::vector<std::uint8_t> data;
    };

    MemoryRegistry();
    ~MemoryRegistry() override;

    bool CreateKey(const char* path, RegAccess access, RegKey* key, bool* created) override;
    bool OpenKey(const char* path, RegAccess access, RegKey* key) override;
    void CloseKey(RegKey key) override;
    RegQueryStatus QueryValue(RegKey key, const char* name, void* data, std::uint32_t capacity,
                              std::uint32_t* type, std::uint32_t* size) override;
    bool SetValue(RegKey key, const char* name, std::uint32_t type, const void* data,
                  std::uint32_t size) override;
    bool DeleteSubKey(RegKey key, const char* subPath) override;
    bool DeleteValue(RegKey key, const char* name) override;

    // Inspection and set-up for tests; paths are relative to the root.
    bool HasKey(const std::string& path) const;
    const Value* Find(const std::string& path, const std::string& name) const;
    void Put(const std::string& path, const std::string& name, std::uint32_t type,
             std::vector<std::uint8_t> data);
    void PutNumber(const std::string& path, const std::string& name, std::uint32_t number);
    // Stores the text's bytes without terminator, as lunavis does.
    void PutText(const std::string& path, const std::string& name, const std::string& text);
    // Every key path, in lower case, sorted.
    std::vector<std::string> KeyPaths() const;
    // Value names of a key in the order they were first written.
    std::vector<std::string> ValueNames(const std::string& path) const;
    // Number of keys currently open.
    std::size_t OpenKeyCount() const;
    // Makes every operation fail from now on (an account without rights).
    void DenyAccess(bool deny) { denied_ = deny; }
    // Keys open for querying only, as HKEY_LOCAL_MACHINE for an account without rights:
    // opening or creating a key with RegAccess::All fails.
    void DenyWrites(bool deny) { readOnly_ = deny; }

  private:
    struct Key;
    Key* Resolve(const std::string& path, bool create, bool* created);
    const Key* ResolveConst(const std::string& path) const;
    Key* FromHandle(RegKey key) const;

    std::unique_ptr<Key> root_;
    std::map<RegKey, Key*> open_;
    RegKey nextHandle_ = 1;
    bool denied_ = false;
    bool readOnly_ = false;
};

} // namespace luna
