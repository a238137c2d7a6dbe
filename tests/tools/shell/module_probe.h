// How a module is held in this process: whether it is loaded and its loader load count
// (-1 once the module has been pinned and can no longer be unloaded).
#pragma once

#include <string>

namespace luna::tools {

struct ModuleState {
    bool loaded = false;
    bool countKnown = false;
    int loadCount = 0;
};

ModuleState ProbeModule(const std::wstring& name);

} // namespace luna::tools
