// The executable's own path, as the GBK text the registry and the data files use.
#pragma once

#include "shared/registry_layout.h"

namespace luna {

// The full path as GBK (converted from the wide path with code page 936). Empty when it
// does not fit a path buffer whole or holds a character GBK cannot represent: a cut or
// mangled path would name another file.
void ExecutablePathGbk(char (&path)[kPathCapacity]);

} // namespace luna
