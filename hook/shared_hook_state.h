// The record that lunavis and the shell's copy of lunahook share. It lives in a data
// section that every process mapping the library sees as the same memory: lunavis writes
// the hook and window handles, the hook procedures in the shell write the saved window
// procedures, EndHook clears them.
#pragma once

#include <cinttypes>
#include <cstdint>

#ifdef _WIN32
#include <windows.h>
#endif

namespace luna {

#ifdef _WIN32
using HookHandle = HHOOK;
using WindowHandle = HWND;
using WindowProc = WNDPROC;
#else
// Native builds run the installation logic under unit tests with opaque handles of the
// same size as the Windows ones.
struct OpaqueHook;
struct OpaqueWindow;
struct OpaqueProc;
using HookHandle = OpaqueHook*;
using WindowHandle = OpaqueWindow*;
using WindowProc = OpaqueProc*;
#endif

// Eleven fields, in this order. Each is pointer-sized: 32 bits in the i686 build, 64 in
// the x86_64 build, where window procedures do not fit in 32 bits.
struct SharedHookState {
    HookHandle m_hDeskHook;    // hook on the desktop view's thread
    WindowProc m_DeskOldProc;  // desktop view's previous procedure; null = not subclassed
    HookHandle m_hViewHook;    // hook on the icon list view's thread
    WindowProc m_ViewOldProc;  // list view's previous procedure; null = not subclassed
    HookHandle m_hClockHook;   // hook on the taskbar clock's thread
    WindowProc m_ClockOldProc; // taskbar clock's previous procedure; null = not subclassed
    WindowHandle m_hProgman;   // kept for reference only
    WindowHandle m_hDeskWnd;   // desktop view window (SHELLDLL_DefView)
    WindowHandle m_hMainWnd;   // lunavis main window, target of the clock menu's messages
    WindowHandle m_hViewWnd;   // desktop icon list view (SysListView32)
    WindowHandle m_hClockWnd;  // taskbar clock (TrayClockWClass)
};

static_assert(sizeof(SharedHookState) == 11 * sizeof(void*), "eleven pointer-sized fields");
#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(SharedHookState) == 44, "the 32-bit shared record is 44 bytes");
#endif

// A handle's bits, for log lines ("%" PRIXPTR prints them in hexadecimal).
template <class Handle> std::uintptr_t HandleBits(Handle handle) {
    return reinterpret_cast<std::uintptr_t>(handle);
}

// The library's one instance, in its shared section. Defined only in lunahook.
SharedHookState& SharedState();

} // namespace luna
