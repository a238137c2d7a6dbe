// The DPI at which the shell draws the desktop. Font heights sent to the hook library are
// pixels at that DPI, so that a font chosen as 10.5 pt is drawn at 10.5 pt on the desktop,
// whatever DPI lunavis itself runs at.
#pragma once

#include <cstdint>

namespace luna {

// The DPI of the shell's desktop window where the system tells it (GetDpiForWindow, Windows
// 10 1607 and later), otherwise the screen's LOGPIXELSY.
std::int32_t DesktopDpi();

// LOGPIXELSY of this process's screen device context (96 when it cannot be read).
std::int32_t OwnScreenDpi();

// A font height (lfHeight) at this process's DPI rescaled to the desktop's DPI, rounded to
// the nearest pixel; unchanged where the two agree.
std::int32_t HeightForDesktop(std::int32_t ownHeight);

} // namespace luna
