#include "ImportSolution/HeadlessImport.h"
#include "ImportSolution/ImportMessages.h"
#include "ImportSolution/ImportRun.h"
#include "support/MobileStoreFixture.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace lodrin {
namespace {

TEST(HeadlessArgs, ReadsTheSourceAndTheFolder) {
    const HeadlessOptions none = ParseHeadlessArgs({}, "/prog/");
    EXPECT_FALSE(none.Import);
    EXPECT_TRUE(none.Error.empty());

    const HeadlessOptions mobile = ParseHeadlessArgs({"--import", "mobile"}, "/prog/");
    EXPECT_TRUE(mobile.Import);
    EXPECT_EQ(mobile.Source, ImportSource::Mobile);
    EXPECT_EQ(mobile.Folder, "/prog/");

    const HeadlessOptions old =
        ParseHeadlessArgs({"--dir", "/my stores", "--import", "old"}, "/p/");
    EXPECT_EQ(old.Source, ImportSource::Old);
    EXPECT_EQ(old.Folder, "/my stores");

    for (const std::vector<std::string>& bad :
         std::vector<std::vector<std::string>>{{"--import"},
                                               {"--import", "new"},
                                               {"--dir", "/x"},
                                               {"--import", "old", "--dir"},
                                               {"-x"}}) {
        EXPECT_FALSE(ParseHeadlessArgs(bad, "/p/").Error.empty()) << bad[0];
    }
}

TEST(HeadlessImport, PrintsTheReportOrTheMessage) {
    test::TempDir dir;
    std::atomic<bool> stop{false};
    HeadlessOptions options = ParseHeadlessArgs({"--import", "mobile", "--dir", dir.Folder()}, "");
    std::ostringstream missing;
    EXPECT_EQ(RunHeadlessImport(options, missing, stop), 1);
    EXPECT_EQ(missing.str(), std::string(MobileStoreMissingText) + "\n");

    test::WriteMobileStore(dir.Folder() + "Lodrin_An.db", {{test::SmallLevel, "ulR"}});
    std::ostringstream report;
    EXPECT_EQ(RunHeadlessImport(options, report, stop), 0);
    EXPECT_EQ(report.str(), ReportText({1, 1, 0}) + "\n");

    options.Source = ImportSource::Old;
    std::ostringstream old;
    EXPECT_EQ(RunHeadlessImport(options, old, stop), 1);
    EXPECT_EQ(old.str(), std::string(OldStoreMissingText) + "\n");
}

} // namespace
} // namespace lodrin
