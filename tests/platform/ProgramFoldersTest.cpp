// Where the programs read their skins and keep their stores: their own folder, or the
// installed share folder and the user's data folder.

#include "platform/ProgramFolders.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace lodrin {
namespace {

TEST(ProgramFoldersTest, OwnFolderOrInstalledLayout) {
    const struct {
        const char* what;
        ProgramPlace place;
        bool installed;
        const char* skins;
        const char* data;
    } cases[] = {
        {"build folder", {"/b/bin", true, "", "", "/home/u"}, false, "/b/bin/Skins", "/b/bin"},
        {"installed, read-only",
         {"/usr/bin", false, "/usr/share/lodrin", "", "/home/u"},
         true,
         "/usr/share/lodrin/Skins",
         "/home/u/.local/share/lodrin"},
        {"installed, writable (root, or a prefix in the home)",
         {"/usr/bin", true, "/usr/share/lodrin", "", "/root"},
         true,
         "/usr/share/lodrin/Skins",
         "/root/.local/share/lodrin"},
        {"data home set",
         {"/usr/bin", false, "/usr/share/lodrin", "/x/data", "/home/u"},
         true,
         "/usr/share/lodrin/Skins",
         "/x/data/lodrin"},
        {"relative data home ignored",
         {"/usr/bin", false, "/usr/share/lodrin", "rel/data", "/home/u"},
         true,
         "/usr/share/lodrin/Skins",
         "/home/u/.local/share/lodrin"},
        {"read-only copied folder",
         {"/opt/lodrin", false, "", "", "/home/u"},
         true,
         "/opt/lodrin/Skins",
         "/home/u/.local/share/lodrin"},
        {"no home at all",
         {"/usr/bin", false, "/usr/share/lodrin", "", ""},
         true,
         "/usr/share/lodrin/Skins",
         "/usr/bin"},
    };
    for (const auto& c : cases) {
        const ProgramFolders folders = ChooseProgramFolders(c.place);
        EXPECT_EQ(folders.Installed, c.installed) << c.what;
        EXPECT_EQ(folders.Skins, c.skins) << c.what;
        EXPECT_EQ(folders.Data, c.data) << c.what;
    }
}

TEST(ProgramFoldersTest, LooksForTheShareFolderBesideTheProgram) {
    test::TempDir root("pre fix 前缀");
    const std::filesystem::path bin = root.Path() / "bin";
    std::filesystem::create_directories(bin);
    ProgramPlace place = LookAtProgramPlace(bin.string());
    EXPECT_TRUE(place.ProgramFolderWritable);
    EXPECT_EQ(place.ShareFolder, "");
    EXPECT_EQ(place.Home, std::getenv("HOME") ? std::getenv("HOME") : "");

    std::filesystem::create_directories(root.Path() / "share" / "lodrin" / "Skins");
    place = LookAtProgramPlace(bin.string());
    EXPECT_EQ(place.ShareFolder, (root.Path() / "share" / "lodrin").string());
    EXPECT_EQ(ChooseProgramFolders(place).Skins, (root.Path() / "share/lodrin/Skins").string());

    if (geteuid() != 0) { // root may write anywhere
        chmod(bin.c_str(), 0555);
        EXPECT_FALSE(LookAtProgramPlace(bin.string()).ProgramFolderWritable);
        chmod(bin.c_str(), 0755);
    }
}

TEST(ProgramFoldersTest, MakeFolderMakesTheParentsToo) {
    test::TempDir root;
    const std::string deep = (root.Path() / "home/.local/share/lodrin").string();
    EXPECT_TRUE(MakeFolder(deep));
    EXPECT_TRUE(std::filesystem::is_directory(deep));
    EXPECT_TRUE(MakeFolder(deep)); // already there
    const std::string underFile = (root.Path() / "file").string();
    std::FILE* file = std::fopen(underFile.c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    EXPECT_FALSE(MakeFolder(underFile + "/lodrin"));
}

} // namespace
} // namespace lodrin
