// The executable's own path, as the GBK text the registry and the data files use.
#pragma once

#include "shared/registry_layout.h"

namespace luna {

// The full path as GBK (ModulePathGbk of wide_text.h). Empty when it does not fit a path
// buffer whole or holds a character GBK cannot represent: a cut or mangled path would name
// another file.
void ExecutablePathGbk(char (&path)[kPathCapacity]);

// The caption of the settings pages' own messages.
constexpr char kPageMessageCaption[] = "岚溪工作室";

} // namespace luna
