#include "page_recorder.h"

#include <cstring>

namespace luna::test {
namespace {

std::string LastComponent(const char* path) {
    const char* slash = std::strrchr(path, '\\');
    return slash != nullptr ? slash + 1 : path;
}

} // namespace

bool RecordingRegistry::CreateKey(const char* path, RegAccess access, RegKey* key, bool* created) {
    if (!memory_.CreateKey(path, access, key, created)) {
        return false;
    }
    names_[*key] = LastComponent(path);
    return true;
}

bool RecordingRegistry::OpenKey(const char* path, RegAccess access, RegKey* key) {
    if (!memory_.OpenKey(path, access, key)) {
        return false;
    }
    names_[*key] = LastComponent(path);
    return true;
}

void RecordingRegistry::CloseKey(RegKey key) {
    names_.erase(key);
    memory_.CloseKey(key);
}

RegQueryStatus RecordingRegistry::QueryValue(RegKey key, const char* name, void* data,
                                             std::uint32_t capacity, std::uint32_t* type,
                                             std::uint32_t* size) {
    return memory_.QueryValue(key, name, data, capacity, type, size);
}

bool RecordingRegistry::SetValue(RegKey key, const char* name, std::uint32_t type, const void* data,
                                 std::uint32_t size) {
    log_.push_back("set " + names_[key] + "\\" + name);
    return memory_.SetValue(key, name, type, data, size);
}

bool RecordingRegistry::DeleteSubKey(RegKey key, const char* subPath) {
    log_.push_back("deletekey " + names_[key] + "\\" + subPath);
    return memory_.DeleteSubKey(key, subPath);
}

bool RecordingRegistry::DeleteValue(RegKey key, const char* name) {
    log_.push_back("delete " + names_[key] + "\\" + name);
    return memory_.DeleteValue(key, name);
}

void RecordingSink::SendCopy(std::uint32_t code, const void* data, std::uint32_t size) {
    log_.push_back("copy " + std::to_string(code));
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    payloads.emplace_back(bytes, bytes + size);
}

void RecordingSink::SendReloadBackground() {
    log_.push_back("reloadback");
}

std::int64_t StoredNumber(MemoryRegistry& registry, const std::string& path,
                          const std::string& name) {
    const MemoryRegistry::Value* value = registry.Find(path, name);
    if (value == nullptr || value->type != 4 || value->data.size() != 4) {
        return -1;
    }
    std::uint32_t number = 0;
    std::memcpy(&number, value->data.data(), 4);
    return number;
}

std::string StoredText(MemoryRegistry& registry, const std::string& path, const std::string& name) {
    const MemoryRegistry::Value* value = registry.Find(path, name);
    if (value == nullptr) {
        return "<absent>";
    }
    return std::string(value->data.begin(), value->data.end());
}

} // namespace luna::test
