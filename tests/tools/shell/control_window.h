// The hidden window through which tests ask the stand-in shell about its state.
#pragma once

#include "tests/tools/shell/shell_context.h"

namespace luna::tools {

bool RegisterControlClass(HINSTANCE instance);
HWND CreateControlWindow(HINSTANCE instance, ShellContext& ctx);

} // namespace luna::tools
