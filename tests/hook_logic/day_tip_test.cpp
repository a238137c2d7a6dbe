#include "hook/logic/day_tip.h"

#include <gtest/gtest.h>

#include <string>

#include "shared/display_settings.h"

namespace luna {
namespace {

// 22 December 2026 (冬至, lunar 11-14): everything the tip gathers, and nothing of the days
// around it.
TEST(DayTip, ShowsTheWholeDayAndOnlyThatDay) {
    DisplaySettings s = DefaultDisplaySettings();
    s.showSolarFestivals = s.showOwnSolarFestivals = s.showLunarFestivals = 1;
    s.showOwnLunarFestivals = s.showSolarTerms = 1;
    const char* ownSolar[] = {"1222家庭日", "1223别的日", "FFFF"};
    const DesktopMonth month = BuildDesktopMonth(2026, 12, s, ownSolar, 3, nullptr, 0);
    const char* reminders[] = {"12/22  9:30开会\r\n带上资料", "12/23  9:30明天的", nullptr};
    const char* lunar[] = {"11/14  8: 0妈妈生日", "11/15  8: 0不是今天", nullptr};
    const HolidayTable holidays;
    const DayTipSources sources{&month, reminders, 3, lunar, 3, &holidays};
    char out[kDayTipMax];
    ComposeDayTip(22, sources, out, sizeof out);
    EXPECT_EQ(std::string(out), "2026年12月22日 星期二\n"
                                "农历:丙午[马]年\n11月（大）14日\n庚子月庚午日\n"
                                "节气 冬至 03:02:37\n"
                                "阳历家庭日\n"
                                "备忘  9:30开会\n"
                                "备忘  8: 0妈妈生日");
    EXPECT_EQ(ComposeDayTip(32, sources, out, sizeof out), 0u);
    const DesktopMonth october = BuildDesktopMonth(2026, 10, s, nullptr, 0, nullptr, 0);
    const DayTipSources national{&october, nullptr, 0, nullptr, 0, &holidays};
    ComposeDayTip(1, national, out, sizeof out);
    EXPECT_NE(std::string(out).find("\n国庆节 放假"), std::string::npos) << out;
}

} // namespace
} // namespace luna
