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
    const HeadlessOptions none = ParseHeadlessArgs({});
    EXPECT_FALSE(none.Import);
    EXPECT_EQ(none.Folder, "");
    EXPECT_TRUE(none.Error.empty());

    const HeadlessOptions mobile = ParseHeadlessArgs({"--import", "mobile"});
    EXPECT_TRUE(mobile.Import);
    EXPECT_EQ(mobile.Source, ImportSource::Mobile);
    EXPECT_EQ(mobile.Folder, "");

    const HeadlessOptions old = ParseHeadlessArgs({"--dir", "/my stores", "--import", "old"});
    EXPECT_EQ(old.Source, ImportSource::Old);
    EXPECT_EQ(old.Folder, "/my stores");

    // --dir alone opens the window on that folder.
    const HeadlessOptions window = ParseHeadlessArgs({"--dir", "/x"});
    EXPECT_FALSE(window.Import);
    EXPECT_EQ(window.Folder, "/x");
    EXPECT_TRUE(window.Error.empty());
}

TEST(HeadlessArgs, WrongLinesAreNamedAndHelpStillAnswers) {
    const struct {
        std::vector<std::string> args;
        const char* error;
    } cases[] = {
        {{"--import"}, "unknown or incomplete argument: --import"},
        {{"--import", "new"}, "unknown or incomplete argument: --import"},
        {{"--import", "old", "--dir"}, "unknown or incomplete argument: --dir"},
        {{"--dir", ""}, "unknown or incomplete argument: --dir"},
        {{"-x", "--import", "mobile"}, "unknown or incomplete argument: -x"},
        {{"stray"}, "unknown or incomplete argument: stray"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseHeadlessArgs(c.args).Error, c.error) << c.args.front();
    }
    EXPECT_TRUE(ParseHeadlessArgs({"--help"}).ShowHelp);
    EXPECT_TRUE(ParseHeadlessArgs({"-h"}).ShowHelp);
    EXPECT_TRUE(ParseHeadlessArgs({"--version"}).ShowVersion);
    EXPECT_TRUE(ParseHeadlessArgs({"-v"}).ShowVersion);
    const HeadlessOptions helped = ParseHeadlessArgs({"--import", "nonsense", "--help"});
    EXPECT_TRUE(helped.ShowHelp);
    EXPECT_FALSE(helped.Error.empty());
}

TEST(HeadlessImport, PrintsTheReportOrTheMessage) {
    test::TempDir dir;
    std::atomic<bool> stop{false};
    HeadlessOptions options = ParseHeadlessArgs({"--import", "mobile", "--dir", dir.Folder()});
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
