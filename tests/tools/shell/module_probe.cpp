#include "tests/tools/shell/module_probe.h"

#include <windows.h>
#include <winternl.h>

#include <cstddef>

namespace luna::tools {

namespace {

// The loader's record of a module, as far as the load count (the layout every Windows and
// Wine share; later Windows call the field ObsoleteLoadCount).
struct LoaderEntry {
    LIST_ENTRY inLoadOrder;
    LIST_ENTRY inMemoryOrder;
    LIST_ENTRY inInitializationOrder;
    void* dllBase;
    void* entryPoint;
    ULONG sizeOfImage;
    UNICODE_STRING fullDllName;
    UNICODE_STRING baseDllName;
    ULONG flags;
    SHORT loadCount;
    SHORT tlsIndex;
};
static_assert(offsetof(LoaderEntry, loadCount) == (sizeof(void*) == 8 ? 0x6C : 0x38),
              "loader entry layout");

using QueryProcessFn = LONG(NTAPI*)(HANDLE, PROCESSINFOCLASS, void*, ULONG, ULONG*);
using LockFn = LONG(NTAPI*)(ULONG, ULONG*, ULONG_PTR*);
using UnlockFn = LONG(NTAPI*)(ULONG, ULONG_PTR);

template <typename Fn> Fn NtdllFunction(const char* name) {
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    FARPROC proc = ntdll ? GetProcAddress(ntdll, name) : nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(proc));
}

// Holds the loader lock so the module list cannot change while it is walked.
class LoaderLock {
  public:
    LoaderLock()
        : lock_(NtdllFunction<LockFn>("LdrLockLoaderLock")),
          unlock_(NtdllFunction<UnlockFn>("LdrUnlockLoaderLock")) {
        if (lock_ && unlock_) {
            locked_ = lock_(0, nullptr, &cookie_) >= 0;
        }
    }
    ~LoaderLock() {
        if (locked_) {
            unlock_(0, cookie_);
        }
    }
    LoaderLock(const LoaderLock&) = delete;
    LoaderLock& operator=(const LoaderLock&) = delete;

  private:
    LockFn lock_;
    UnlockFn unlock_;
    ULONG_PTR cookie_ = 0;
    bool locked_ = false;
};

PEB* ProcessPeb() {
    auto query = NtdllFunction<QueryProcessFn>("NtQueryInformationProcess");
    PROCESS_BASIC_INFORMATION info{};
    if (!query ||
        query(GetCurrentProcess(), ProcessBasicInformation, &info, sizeof info, nullptr) < 0) {
        return nullptr;
    }
    return info.PebBaseAddress;
}

} // namespace

ModuleState ProbeModule(const std::wstring& name) {
    ModuleState state;
    HMODULE module = GetModuleHandleW(name.c_str());
    if (!module) {
        return state;
    }
    state.loaded = true;
    LoaderLock lock;
    PEB* peb = ProcessPeb();
    if (!peb || !peb->Ldr) {
        return state;
    }
    LIST_ENTRY* head = &peb->Ldr->InMemoryOrderModuleList;
    for (LIST_ENTRY* link = head->Flink; link && link != head; link = link->Flink) {
        auto* entry = CONTAINING_RECORD(link, LoaderEntry, inMemoryOrder);
        if (entry->dllBase == module) {
            state.countKnown = true;
            state.loadCount = entry->loadCount;
            break;
        }
    }
    return state;
}

} // namespace luna::tools
