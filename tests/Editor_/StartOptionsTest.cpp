#include "Editor_/StartOptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lodrin {
namespace {

TEST(StartOptionsTest, OnlyALoneSlashMCounts) {
    using Args = std::vector<std::string>;
    EXPECT_TRUE(ReadStartOptions(Args{"/m"}).MouseWheelSwitch);
    EXPECT_TRUE(ReadStartOptions(Args{"/M"}).MouseWheelSwitch);
    EXPECT_FALSE(ReadStartOptions(Args{}).MouseWheelSwitch);
    EXPECT_FALSE(ReadStartOptions(Args{"/m", "x"}).MouseWheelSwitch);
    EXPECT_FALSE(ReadStartOptions(Args{"-m"}).MouseWheelSwitch);
    EXPECT_FALSE(ReadStartOptions(Args{"/mm"}).MouseWheelSwitch);
}

} // namespace
} // namespace lodrin
