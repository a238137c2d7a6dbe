// What the notification icon's callback does for each mouse message over the icon.
#pragma once

#include <cstdint>

namespace luna {

enum class TrayCallbackAction {
    RefreshTip,    // the pointer moved over the icon
    OpenClockMenu, // the right button came up: the clock menu at the pointer
    Nothing,
};

struct TrayCallbackReply {
    TrayCallbackAction action;
    long result; // what the callback answers; the shell ignores it
};

TrayCallbackReply DecideTrayCallback(unsigned mouseMessage);

// A screen point as UM_CLOCKMENU carries it: x in the low 16 bits, y in the high 16 bits
// (each as its 16-bit two's complement, so the receiver can read negative values back).
std::uint32_t PackScreenPoint(int x, int y);

} // namespace luna
