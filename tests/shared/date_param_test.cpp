#include "shared/date_param.h"

#include <gtest/gtest.h>

namespace luna {
namespace {

TEST(DateParam, OnlyRealDatesOf1900To2099ComeThrough) {
    CivilDate date{};
    ASSERT_TRUE(UnpackDateParam(PackDateParam(2026, 12, 22), date));
    EXPECT_EQ(date.year * 10000 + date.month * 100 + date.day, 20261222);
    EXPECT_TRUE(UnpackDateParam(PackDateParam(1900, 1, 1), date));
    EXPECT_TRUE(UnpackDateParam(PackDateParam(2099, 12, 31), date));
    const std::uintptr_t refused[] = {
        0,        18991231, 21000101, 20270229,
        20261300, 20261232, 20261200, static_cast<std::uintptr_t>(-1)};
    for (std::uintptr_t param : refused) {
        date = {1, 2, 3};
        EXPECT_FALSE(UnpackDateParam(param, date)) << param;
        EXPECT_EQ(date.year, 1) << param; // left as it was
    }
}

} // namespace
} // namespace luna
