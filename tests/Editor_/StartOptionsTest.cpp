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

TEST(StartOptionsTest, LevelFileIsTheFirstArgumentThatIsNotTheSwitch) {
    using Args = std::vector<std::string>;
    struct Case {
        Args args;
        std::string file;
        bool wheel;
    };
    const Case cases[] = {
        {{}, "", false},
        {{"/m"}, "", true},
        {{"levels.xsb"}, "levels.xsb", false},
        {{"/m", "levels.xsb"}, "levels.xsb", false},
        {{"/M", "a.xsb", "b.xsb"}, "a.xsb", false},
        {{"a.xsb", "/m"}, "a.xsb", false},
    };
    for (const Case& c : cases) {
        const StartOptions options = ReadStartOptions(c.args);
        EXPECT_EQ(options.LevelFile, c.file);
        EXPECT_EQ(options.MouseWheelSwitch, c.wheel);
    }
}

} // namespace
} // namespace lodrin
