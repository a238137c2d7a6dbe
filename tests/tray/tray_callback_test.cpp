#include "app/logic/tray_callback.h"

#include <gtest/gtest.h>

namespace luna {
namespace {

TEST(TrayCallback, EachMouseMessageHasItsActionAndAnswer) {
    const struct {
        unsigned message;
        TrayCallbackAction action;
        long result;
    } cases[] = {
        {0x0200, TrayCallbackAction::RefreshTip, 0},    // WM_MOUSEMOVE
        {0x0201, TrayCallbackAction::Nothing, 1},       // WM_LBUTTONDOWN
        {0x0202, TrayCallbackAction::Nothing, 1},       // WM_LBUTTONUP
        {0x0203, TrayCallbackAction::Nothing, 0},       // WM_LBUTTONDBLCLK
        {0x0204, TrayCallbackAction::Nothing, 1},       // WM_RBUTTONDOWN
        {0x0205, TrayCallbackAction::OpenClockMenu, 1}, // WM_RBUTTONUP
        {0x0206, TrayCallbackAction::Nothing, 1},       // WM_RBUTTONDBLCLK
        {0x0207, TrayCallbackAction::Nothing, 1},       // WM_MBUTTONDOWN
        {0x0000, TrayCallbackAction::Nothing, 1},
    };
    for (const auto& c : cases) {
        const TrayCallbackReply reply = DecideTrayCallback(c.message);
        EXPECT_EQ(reply.action, c.action) << std::hex << c.message;
        EXPECT_EQ(reply.result, c.result) << std::hex << c.message;
    }
}

TEST(TrayCallback, PointPacksXLowYHigh) {
    EXPECT_EQ(PackScreenPoint(0, 0), 0u);
    EXPECT_EQ(PackScreenPoint(1000, 740), (740u << 16) | 1000u);
    EXPECT_EQ(PackScreenPoint(65535, 1), 0x0001FFFFu);
    // A point left of and above the primary monitor reads back signed.
    const std::uint32_t packed = PackScreenPoint(-20, -1);
    EXPECT_EQ(static_cast<std::int16_t>(packed & 0xFFFF), -20);
    EXPECT_EQ(static_cast<std::int16_t>(packed >> 16), -1);
}

} // namespace
} // namespace luna
