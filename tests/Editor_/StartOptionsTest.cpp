#include "Editor_/StartOptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lodrin {
namespace {

using Args = std::vector<std::string>;

TEST(StartOptionsTest, SlashMInEitherCaseBesideAtMostOneFile) {
    const struct {
        Args args;
        bool wheelSwitch;
        const char* file;
    } cases[] = {
        {{}, false, ""},
        {{"/m"}, true, ""},
        {{"/M"}, true, ""},
        {{"/m", "levels/a b.xsb"}, true, "levels/a b.xsb"},
        {{"a.xsb", "/M"}, true, "a.xsb"},
        {{"/mm"}, false, "/mm"}, // a path, not the switch
        {{"/home/u/m"}, false, "/home/u/m"},
        {{"--", "/m"}, false, "/m"}, // after "--" everything is a file
        {{"--", "-dash.xsb"}, false, "-dash.xsb"},
        {{"关卡.xsb"}, false, "关卡.xsb"},
    };
    for (const auto& c : cases) {
        const StartOptions options = ReadStartOptions(c.args);
        const std::string shown = c.args.empty() ? "(none)" : c.args.front();
        EXPECT_EQ(options.MouseWheelSwitch, c.wheelSwitch) << shown;
        EXPECT_EQ(options.LevelFile, c.file) << shown;
        EXPECT_TRUE(options.Error.empty()) << shown << ": " << options.Error;
        EXPECT_FALSE(options.ShowHelp || options.ShowVersion || options.ListSkins) << shown;
    }
}

TEST(StartOptionsTest, HelpVersionAndSkinListing) {
    EXPECT_TRUE(ReadStartOptions(Args{"--help"}).ShowHelp);
    EXPECT_TRUE(ReadStartOptions(Args{"-h"}).ShowHelp);
    EXPECT_TRUE(ReadStartOptions(Args{"--version"}).ShowVersion);
    EXPECT_TRUE(ReadStartOptions(Args{"-v"}).ShowVersion);
    const StartOptions listing = ReadStartOptions(Args{"/m", "--list-skins"});
    EXPECT_TRUE(listing.ListSkins);
    EXPECT_TRUE(listing.MouseWheelSwitch);
    EXPECT_FALSE(ReadStartOptions(Args{"--", "--help"}).ShowHelp);
}

TEST(StartOptionsTest, WrongCommandLinesAreNamed) {
    const struct {
        Args args;
        const char* error;
    } cases[] = {
        {{"-m"}, "unknown option: -m"},
        {{"--bogus", "a.xsb"}, "unknown option: --bogus"},
        {{"-"}, "unknown option: -"},
        {{"a.xsb", "b.xsb"}, "only one level file can be opened: b.xsb"},
        {{""}, "empty file name"},
        {{"-x", "-y"}, "unknown option: -x"}, // the first fault is the one told
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadStartOptions(c.args).Error, c.error) << c.args.front();
    }
    // --help still answers on a wrong line, as a person asking for help expects.
    const StartOptions helped = ReadStartOptions(Args{"--bogus", "--help"});
    EXPECT_TRUE(helped.ShowHelp);
    EXPECT_FALSE(helped.Error.empty());
}

} // namespace
} // namespace lodrin
