// The library's module instance handle in the calling process, set by the entry point;
// the hook procedures are placed with it.
#pragma once

#include <windows.h>

namespace luna {

HINSTANCE LibraryInstance();

} // namespace luna
