// sectiongarbage: loads a lunahook library and overwrites its shared section.
//
//   sectiongarbage DLLPATH           every field of the shared record becomes 0x...41414141
//   sectiongarbage DLLPATH windows   the procedure and hook fields get that garbage, the window
//                                 fields name real windows of the wrong kind: the taskbar as
//                                 the list view, Progman as the desktop view, the list view
//                                 as the clock and the taskbar as lunavis's main window
//
// Prints the section's address and exits 0; 1 when the library or its section is missing,
// 2 on bad usage. The library stays loaded only while this program runs; the section is
// shared with every other process that maps the same file.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "hook/shared_hook_state.h"

namespace {

// The library's ".shr" section in this process, or null.
void* SharedSection(HMODULE module) {
    auto* base = reinterpret_cast<std::uint8_t*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
    for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section) {
        if (std::memcmp(section->Name, ".shr", 5) == 0 &&
            section->Misc.VirtualSize >= sizeof(luna::SharedHookState)) {
            return base + section->VirtualAddress;
        }
    }
    return nullptr;
}

template <class T> T Garbage(std::uintptr_t n) {
    return reinterpret_cast<T>(static_cast<std::uintptr_t>(0x4141414141414141ULL) + n);
}

HWND Find(const char* path0, const char* path1, const char* path2) {
    HWND w = FindWindowA(path0, nullptr);
    if (w && path1) {
        w = FindWindowExA(w, nullptr, path1, nullptr);
    }
    if (w && path2) {
        w = FindWindowExA(w, nullptr, path2, nullptr);
    }
    return w;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3 || (argc == 3 && std::strcmp(argv[2], "windows") != 0)) {
        std::fprintf(stderr, "usage: sectiongarbage DLLPATH [windows]\n");
        return 2;
    }
    HMODULE module = LoadLibraryA(argv[1]);
    if (module == nullptr) {
        std::fprintf(stderr, "cannot load %s (error %lu)\n", argv[1], GetLastError());
        return 1;
    }
    auto* state = static_cast<luna::SharedHookState*>(SharedSection(module));
    if (state == nullptr) {
        std::fprintf(stderr, "no shared section in %s\n", argv[1]);
        return 1;
    }
    state->m_hDeskHook = Garbage<luna::HookHandle>(1);
    state->m_DeskOldProc = Garbage<luna::WindowProc>(2);
    state->m_hViewHook = Garbage<luna::HookHandle>(3);
    state->m_ViewOldProc = Garbage<luna::WindowProc>(4);
    state->m_hClockHook = Garbage<luna::HookHandle>(5);
    state->m_ClockOldProc = Garbage<luna::WindowProc>(6);
    state->m_hProgman = Garbage<HWND>(7);
    if (argc == 3) {
        state->m_hDeskWnd = Find("Progman", nullptr, nullptr);
        state->m_hMainWnd = Find("Shell_TrayWnd", nullptr, nullptr);
        state->m_hViewWnd = state->m_hMainWnd;
        state->m_hClockWnd = Find("Progman", "SHELLDLL_DefView", "SysListView32");
    } else {
        state->m_hDeskWnd = Garbage<HWND>(8);
        state->m_hMainWnd = Garbage<HWND>(9);
        state->m_hViewWnd = Garbage<HWND>(10);
        state->m_hClockWnd = Garbage<HWND>(11);
    }
    std::printf("shared section at %p written\n", static_cast<void*>(state));
    return 0;
}
