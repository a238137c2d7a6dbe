#include "app/logic/tray_menu.h"

#include "shared/clock_menu.h"

namespace luna {

namespace {

constexpr unsigned kWmCommand = 0x0111;

} // namespace

TrayMenuPost TrayMenuCommandPost(unsigned chosenId) {
    if (chosenId == 0) {
        return {TrayMenuTarget::None, 0, 0};
    }
    const ClockCommand command = RouteClockCommand(chosenId);
    switch (command.route) {
    case ClockCommandRoute::Taskbar:
        return {TrayMenuTarget::Taskbar, kWmCommand, chosenId & 0xFFFFu};
    case ClockCommandRoute::MainWindow:
        return {TrayMenuTarget::MainWindow, command.message, 0};
    case ClockCommandRoute::NotOurs:
        break;
    }
    return {TrayMenuTarget::None, 0, 0};
}

} // namespace luna
