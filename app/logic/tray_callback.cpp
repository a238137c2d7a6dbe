#include "app/logic/tray_callback.h"

namespace luna {

namespace {

constexpr unsigned kMouseMove = 0x0200;
constexpr unsigned kLeftDoubleClick = 0x0203;
constexpr unsigned kRightButtonUp = 0x0205;

} // namespace

TrayCallbackReply DecideTrayCallback(unsigned mouseMessage) {
    switch (mouseMessage) {
    case kMouseMove:
        return {TrayCallbackAction::RefreshTip, 0};
    case kLeftDoubleClick:
        return {TrayCallbackAction::Nothing, 0};
    case kRightButtonUp:
        return {TrayCallbackAction::OpenClockMenu, 1};
    default:
        return {TrayCallbackAction::Nothing, 1};
    }
}

std::uint32_t PackScreenPoint(int x, int y) {
    const auto low = static_cast<std::uint32_t>(static_cast<std::uint16_t>(x));
    const auto high = static_cast<std::uint32_t>(static_cast<std::uint16_t>(y));
    return low | (high << 16);
}

} // namespace luna
