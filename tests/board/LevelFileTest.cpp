#include "board/LevelFile.h"
#include "support/SharedData.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include <sys/resource.h>

namespace lodrin {
namespace {

namespace fs = std::filesystem;

class LevelFileTest : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return (temp.Path() / name).string(); }
    test::TempDir temp{"关卡 folder"};
    const fs::path& dir = temp.Path();
};

TEST(FixLevelFileName, AddsXsbOnlyWhenThereIsNoExtension) {
    EXPECT_EQ(FixLevelFileName("/a/level."), "/a/level.xsb");
    EXPECT_EQ(FixLevelFileName("/a/level"), "/a/level.xsb");
    EXPECT_EQ(FixLevelFileName("/a/level.txt"), "/a/level.txt");
    EXPECT_EQ(FixLevelFileName("/a.b/level"), "/a.b/level.xsb");
    EXPECT_EQ(FixLevelFileName("/a/关卡 1"), "/a/关卡 1.xsb");
}

TEST_F(LevelFileTest, WritesTheTextThenCrLf) {
    const std::string path = Path("level one.xsb");
    ASSERT_TRUE(SaveLevelFile(path, "\n#@#\nTitle: 标题"));
    EXPECT_EQ(test::ReadFileBytes(path), "\n#@#\nTitle: 标题\r\n");
    ASSERT_TRUE(SaveLevelFile(path, ""));
    EXPECT_EQ(test::ReadFileBytes(path), "\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator{}), 1);
}

TEST_F(LevelFileTest, FailedWriteKeepsThePreviousFile) {
    const std::string path = Path("keep.xsb");
    ASSERT_TRUE(SaveLevelFile(path, "old level"));
    // A file size limit makes the write fail part way, whatever rights the test has.
    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool ok = SaveLevelFile(path, std::string(100000, '#'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(ok);
    EXPECT_EQ(test::ReadFileBytes(path), "old level\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator{}), 1);
}

TEST_F(LevelFileTest, FailsOnAFolderOrAMissingFolder) {
    EXPECT_FALSE(SaveLevelFile(dir.string(), "x"));
    EXPECT_FALSE(SaveLevelFile(Path("missing/level.xsb"), "x"));
    EXPECT_TRUE(fs::is_directory(dir));
}

} // namespace
} // namespace lodrin
