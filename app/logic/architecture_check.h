// A 32-bit lunavis on 64-bit Windows: its 32-bit lunahook cannot enter the 64-bit shell, so
// hooking would do nothing useful while reporting success. Such a start is refused with a
// message that names the 64-bit package.
#pragma once

#include <string>

namespace luna {

// build64: this build is 64-bit; wow64Known: IsWow64Process answered; underWow64: its answer.
// True when this lunavis may hook the shell. A question Windows cannot answer (no
// IsWow64Process on old systems) means a 32-bit system.
bool MayHookShell(bool build64, bool wow64Known, bool underWow64);

// The refusal, in Chinese and English (GBK): names the 64-bit package of this version,
// "lunavis-<version>-win64".
std::string Wow64RefusalText(const char* version);

} // namespace luna
