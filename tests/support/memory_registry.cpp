// An in-memory registry for the native tests.
#include "tests/support/memory_registry.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace luna {

struct MemoryRegistry::Key {
    std::map<std::string, std::unique_ptr<Key>> subkeys; // by lower-case name
    std::vector<std::pair<std::string, Value>> values;   // in order of first writing
};

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::vector<std::string> SplitPath(const std::string& path) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : path) {
        if (c == '\\') {
            if (!part.empty()) {
                parts.push_back(Lower(part));
            }
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) {
        parts.push_back(Lower(part));
    }
    return parts;
}

template <typename KeyT> auto FindValue(KeyT& key, const char* name) {
    const std::string wanted = Lower(name == nullptr ? "" : name);
    return std::find_if(key.values.begin(), key.values.end(),
                        [&](const auto& entry) { return Lower(entry.first) == wanted; });
}

} // namespace

MemoryRegistry::MemoryRegistry() : root_(std::make_unique<Key>()) {}
MemoryRegistry::~MemoryRegistry() = default;

MemoryRegistry::Key* MemoryRegistry::Resolve(const std::string& path, bool create, bool* created) {
    Key* key = root_.get();
    bool made = false;
    for (const std::string& part : SplitPath(path)) {
        auto found = key->subkeys.find(part);
        if (found == key->subkeys.end()) {
            if (!create) {
                return nullptr;
            }
            found = key->subkeys.emplace(part, std::make_unique<Key>()).first;
            made = true;
        }
        key = found->second.get();
    }
    if (created != nullptr) {
        *created = made;
    }
    return key;
}

const MemoryRegistry::Key* MemoryRegistry::ResolveConst(const std::string& path) const {
    return const_cast<MemoryRegistry*>(this)->Resolve(path, false, nullptr);
}

MemoryRegistry::Key* MemoryRegistry::FromHandle(RegKey key) const {
    const auto found = open_.find(key);
    return found == open_.end() ? nullptr : found->second;
}

bool MemoryRegistry::CreateKey(const char* path, RegAccess access, RegKey* key, bool* created) {
    if (denied_ || (readOnly_ && access == RegAccess::All)) {
        return false;
    }
    bool made = false;
    Key* resolved = Resolve(path == nullptr ? "" : path, true, &made);
    *key = nextHandle_++;
    open_[*key] = resolved;
    *created = made;
    return true;
}

bool MemoryRegistry::OpenKey(const char* path, RegAccess access, RegKey* key) {
    if (denied_ || (readOnly_ && access == RegAccess::All)) {
        return false;
    }
    Key* resolved = Resolve(path == nullptr ? "" : path, false, nullptr);
    if (resolved == nullptr) {
        return false;
    }
    *key = nextHandle_++;
    open_[*key] = resolved;
    return true;
}

void MemoryRegistry::CloseKey(RegKey key) {
    open_.erase(key);
}

RegQueryStatus MemoryRegistry::QueryValue(RegKey key, const char* name, void* data,
                                          std::uint32_t capacity, std::uint32_t* type,
                                          std::uint32_t* size) {
    Key* resolved = FromHandle(key);
    if (denied_ || resolved == nullptr) {
        return RegQueryStatus::Failed;
    }
    const auto found = FindValue(*resolved, name);
    if (found == resolved->values.end()) {
        return RegQueryStatus::NotFound;
    }
    const Value& value = found->second;
    *type = value.type;
    *size = static_cast<std::uint32_t>(value.data.size());
    if (value.data.size() > capacity) {
        return RegQueryStatus::MoreData;
    }
    if (!value.data.empty()) {
        std::memcpy(data, value.data.data(), value.data.size());
    }
    return RegQueryStatus::Ok;
}

bool MemoryRegistry::SetValue(RegKey key, const char* name, std::uint32_t type, const void* data,
                              std::uint32_t size) {
    Key* resolved = FromHandle(key);
    if (denied_ || resolved == nullptr) {
        return false;
    }
    Value value;
    value.type = type;
    const std::uint8_t* bytes = static_cast<const std::uint8_t*>(data);
    value.data.assign(bytes, bytes + size);
    const auto found = FindValue(*resolved, name);
    if (found == resolved->values.end()) {
        resolved->values.emplace_back(name == nullptr ? "" : name, std::move(value));
    } else {
        found->second = std::move(value);
    }
    return true;
}

bool MemoryRegistry::DeleteSubKey(RegKey key, const char* subPath) {
    Key* base = FromHandle(key);
    if (denied_ || base == nullptr || subPath == nullptr) {
        return false;
    }
    const std::vector<std::string> parts = SplitPath(subPath);
    if (parts.empty()) {
        return false;
    }
    Key* parent = base;
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        const auto found = parent->subkeys.find(parts[i]);
        if (found == parent->subkeys.end()) {
            return false;
        }
        parent = found->second.get();
    }
    const auto victim = parent->subkeys.find(parts.back());
    if (victim == parent->subkeys.end() || !victim->second->subkeys.empty()) {
        return false;
    }
    // Handles still open on the deleted key stop working, as on Windows.
    for (auto it = open_.begin(); it != open_.end();) {
        it = it->second == victim->second.get() ? open_.erase(it) : std::next(it);
    }
    parent->subkeys.erase(victim);
    return true;
}

bool MemoryRegistry::DeleteValue(RegKey key, const char* name) {
    Key* resolved = FromHandle(key);
    if (denied_ || resolved == nullptr) {
        return false;
    }
    const auto found = FindValue(*resolved, name);
    if (found == resolved->values.end()) {
        return false;
    }
    resolved->values.erase(found);
    return true;
}

bool MemoryRegistry::HasKey(const std::string& path) const {
    return ResolveConst(path) != nullptr;
}

const MemoryRegistry::Value* MemoryRegistry::Find(const std::string& path,
                                                  const std::string& name) const {
    const Key* key = ResolveConst(path);
    if (key == nullptr) {
        return nullptr;
    }
    const auto found = FindValue(*key, name.c_str());
    return found == key->values.end() ? nullptr : &found->second;
}

void MemoryRegistry::Put(const std::string& path, const std::string& name, std::uint32_t type,
                         std::vector<std::uint8_t> data) {
    Key* key = Resolve(path, true, nullptr);
    const auto found = FindValue(*key, name.c_str());
    Value value{type, std::move(data)};
    if (found == key->values.end()) {
        key->values.emplace_back(name, std::move(value));
    } else {
        found->second = std::move(value);
    }
}

void MemoryRegistry::PutNumber(const std::string& path, const std::string& name,
                               std::uint32_t number) {
    std::vector<std::uint8_t> data(4);
    for (int i = 0; i < 4; ++i) {
        data[i] = static_cast<std::uint8_t>(number >> (8 * i));
    }
    Put(path, name, 4 /*REG_DWORD*/, std::move(data));
}

void MemoryRegistry::PutText(const std::string& path, const std::string& name,
                             const std::string& text) {
    Put(path, name, 1 /*REG_SZ*/, std::vector<std::uint8_t>(text.begin(), text.end()));
}

std::vector<std::string> MemoryRegistry::KeyPaths() const {
    std::vector<std::string> paths;
    std::vector<std::pair<std::string, const Key*>> pending{{"", root_.get()}};
    while (!pending.empty()) {
        const auto [prefix, key] = pending.back();
        pending.pop_back();
        for (const auto& [name, child] : key->subkeys) {
            const std::string path = prefix.empty() ? name : prefix + "\\" + name;
            paths.push_back(path);
            pending.emplace_back(path, child.get());
        }
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

std::vector<std::string> MemoryRegistry::ValueNames(const std::string& path) const {
    std::vector<std::string> names;
    if (const Key* key = ResolveConst(path)) {
        for (const auto& entry : key->values) {
            names.push_back(entry.first);
        }
    }
    return names;
}

std::size_t MemoryRegistry::OpenKeyCount() const {
    return open_.size();
}

} // namespace luna
