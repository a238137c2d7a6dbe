// The real registry: RegistryStore over RegCreateKeyExA and friends below one root key.
#pragma once

#include <windows.h>

#include "shared/font_record.h"
#include "shared/registry_store.h"

namespace luna {

class WinRegistry : public RegistryStore {
  public:
    explicit WinRegistry(HKEY root) : root_(root) {}

    bool CreateKey(const char* path, RegAccess access, RegKey* key, bool* created) override;
    bool OpenKey(const char* path, RegAccess access, RegKey* key) override;
    void CloseKey(RegKey key) override;
    RegQueryStatus QueryValue(RegKey key, const char* name, void* data, std::uint32_t capacity,
                              std::uint32_t* type, std::uint32_t* size) override;
    bool SetValue(RegKey key, const char* name, std::uint32_t type, const void* data,
                  std::uint32_t size) override;
    bool DeleteSubKey(RegKey key, const char* subPath) override;
    bool DeleteValue(RegKey key, const char* name) override;

  private:
    HKEY root_;
};

// ReadRegFont on HKEY_CURRENT_USER with the screen's LOGPIXELSY and DPtoLP on the screen DC.
bool ReadRegFontFromScreen(const char* keyPath, FontRecord* out);

// The Sleep the clearing sequence pauses with.
void SleepMilliseconds(unsigned ms);

} // namespace luna
