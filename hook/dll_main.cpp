// The library's entry point: remembers the module instance on every call.
#include "hook/library_instance.h"

namespace {

HINSTANCE libraryInstance = nullptr;

} // namespace

namespace luna {

HINSTANCE LibraryInstance() {
    return libraryInstance;
}

} // namespace luna

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD /*reason*/, LPVOID /*reserved*/) {
    libraryInstance = instance;
    return TRUE;
}
