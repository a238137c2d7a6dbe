// The timed shutdown's decision, made on each tick of the main window's timer.
#pragma once

#include "shared/display_settings.h"

namespace luna {

// True when the shutdown is armed and "%2d:%2d" of the hour and minute equals the armed
// time byte for byte, terminator included.
bool ShutdownDue(const DisplaySettings& settings, int hour, int minute);

// Fires at most once per run: the first due tick says so, every later one does not, even
// when the system page arms the shutdown again.
class ShutdownTrigger {
  public:
    bool Tick(const DisplaySettings& settings, int hour, int minute);
    bool Fired() const { return fired_; }

  private:
    bool fired_ = false;
};

} // namespace luna
