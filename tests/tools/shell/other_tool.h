// --other-tool: the stand-in shell plays another desktop tool (an icon organiser, say). Once
// lunavis has subclassed the desktop view and its list view, the tool subclasses both over
// it, counts the messages its procedure receives, and on request restores each window to
// the procedure it saved, unconditionally, as such tools do.
#pragma once

#include <string>

#include "tests/tools/shell/shell_context.h"

namespace luna::tools {

constexpr UINT_PTR kOtherToolTimer = 0x4F54; // on the control window

// Starts watching for lunavis's subclasses (a timer on the control window).
void WatchForOtherTool(ShellContext& ctx);

// The control window's timer: subclasses both windows once both are lunavis's.
void OtherToolTick(ShellContext& ctx);

// "other-tool": "installed=0|1 desktop=N view=N" (messages received so far);
// "other-tool-restore": puts back the saved procedures, "ok".
std::string OtherToolReport();
std::string OtherToolRestore(ShellContext& ctx);

} // namespace luna::tools
