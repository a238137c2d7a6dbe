// Test doubles for the settings pages: an in-memory registry that also logs every write in
// order, and a message sink that logs into the same list, so a test sees the interleaving
// of registry writes and messages to lunahook.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "app/logic/sheet_context.h"
#include "tests/support/memory_registry.h"

namespace luna::test {

// One line per event: "set <key>\<value>", "delete <key>\<value>", "copy <code>",
// "reloadback". Keys are given as their last path component.
using EventLog = std::vector<std::string>;

class RecordingRegistry : public RegistryStore {
  public:
    RecordingRegistry(EventLog& log) : log_(log) {}

    MemoryRegistry& memory() { return memory_; }

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
    EventLog& log_;
    MemoryRegistry memory_;
    std::map<RegKey, std::string> names_;
};

class RecordingSink : public SettingsMessageSink {
  public:
    explicit RecordingSink(EventLog& log) : log_(log) {}
    void SendCopy(std::uint32_t code, const void* data, std::uint32_t size) override;
    void SendReloadBackground() override;

    // The payloads of the copy messages, in order.
    std::vector<std::vector<std::uint8_t>> payloads;

  private:
    EventLog& log_;
};

// A sheet context over recording doubles, with the default display settings.
struct PageBed {
    EventLog log;
    RecordingRegistry hkcu{log};
    RecordingRegistry hklm{log};
    RecordingSink sink{log};
    DisplaySettings settings = DefaultDisplaySettings();
    bool registryCleared = false;
    SheetContext context{hkcu, settings, registryCleared, sink};
};

// Number stored under a key path relative to HKCU; -1 when absent or not a number.
std::int64_t StoredNumber(MemoryRegistry& registry, const std::string& path,
                          const std::string& name);
// Text stored (without terminator); "<absent>" when there is none.
std::string StoredText(MemoryRegistry& registry, const std::string& path, const std::string& name);

} // namespace luna::test
