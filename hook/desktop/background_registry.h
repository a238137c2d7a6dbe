// The registry values the library reads itself, inside the shell, from HKEY_CURRENT_USER
// (rules in logic/background_settings.h).
#pragma once

#include "hook/logic/background_settings.h"

namespace luna {

BackgroundSettings ReadBackgroundRegistry();

// The BackImage path into a 260-byte buffer, always terminated ("" when unreadable).
int ReadBackImagePath(char (&path)[kPathCapacity]);

} // namespace luna
