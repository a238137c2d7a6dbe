#include "app/logic/shutdown.h"

#include <cstdio>
#include <cstring>

namespace luna {

bool ShutdownDue(const DisplaySettings& settings, int hour, int minute) {
    if (settings.shutdownArmed == 0) {
        return false;
    }
    char now[sizeof settings.shutdownTime] = {};
    const int length = std::snprintf(now, sizeof now, "%2d:%2d", hour, minute);
    if (length < 0 || static_cast<std::size_t>(length) >= sizeof now) {
        return false;
    }
    return std::memcmp(now, settings.shutdownTime, static_cast<std::size_t>(length) + 1) == 0;
}

bool ShutdownTrigger::Tick(const DisplaySettings& settings, int hour, int minute) {
    if (fired_ || !ShutdownDue(settings, hour, minute)) {
        return false;
    }
    fired_ = true;
    return true;
}

} // namespace luna
