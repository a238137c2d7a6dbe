#include "app/exe_path.h"

#include "shared/win32/wide_text.h"

namespace luna {

void ExecutablePathGbk(char (&path)[kPathCapacity]) {
    if (ModulePathGbk(nullptr, path, sizeof path) != GbkFit::kOk) {
        path[0] = '\0';
    }
}

} // namespace luna
