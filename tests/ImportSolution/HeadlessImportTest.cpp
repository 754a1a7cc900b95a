#include "ImportSolution/HeadlessImport.h"
#include "ImportSolution/ImportMessages.h"
#include "ImportSolution/ImportRun.h"
#include "ImportSolution/OldStoreFiles.h"
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

TEST(HeadlessImport, PrintsTheReportOrTheMessageAndItsReason) {
    test::TempDir dir;
    std::atomic<bool> stop{false};
    const OldStoreReaderCommand reader = test::RealOldStoreReader();
    HeadlessOptions options = ParseHeadlessArgs({"--import", "mobile", "--dir", dir.Folder()});
    std::ostringstream missing, missingWhy;
    EXPECT_EQ(RunHeadlessImport(options, reader, missing, missingWhy, stop), 1);
    EXPECT_EQ(missing.str(), std::string(MobileStoreMissingText) + "\n");
    EXPECT_EQ(missingWhy.str(), "");

    test::WriteMobileStore(dir.Folder() + "Lodrin_An.db", {{test::SmallLevel, "ulR"}});
    std::ostringstream report, reportWhy;
    EXPECT_EQ(RunHeadlessImport(options, reader, report, reportWhy, stop), 0);
    EXPECT_EQ(report.str(), ReportText({1, 1, 0}) + "\n");
    EXPECT_EQ(reportWhy.str(), "");

    options.Source = ImportSource::Old;
    std::ostringstream old, oldWhy;
    EXPECT_EQ(RunHeadlessImport(options, reader, old, oldWhy, stop), 1);
    EXPECT_EQ(old.str(), std::string(OldStoreMissingText) + "\n");

    test::WriteFileBytes(dir.Folder() + "Lodrin.dat", "not an Access file");
    std::ostringstream bad, badWhy;
    EXPECT_EQ(RunHeadlessImport(options, reader, bad, badWhy, stop), 1);
    EXPECT_EQ(bad.str(), std::string(OldStoreOpenFailedText) + "\n");
    EXPECT_EQ(badWhy.str(), "the old store is not a Jet (Access) database file\n");
}

TEST(HeadlessImport, ReaderThatCrashesHangsOrPrintsGivesOnlyTheMessage) {
    test::TempDir dir;
    std::atomic<bool> stop{false};
    std::string jet("\x00\x01\x00\x00Standard Jet DB\x00", 20);
    test::WriteFileBytes(dir.Folder() + "Lodrin.dat", jet + std::string(4096, '\0'));
    const HeadlessOptions options = ParseHeadlessArgs({"--import", "old", "--dir", dir.Folder()});
    OldStoreReaderCommand hang = test::FakeOldStoreReader("hang");
    auto now = std::make_shared<std::int64_t>(0);
    hang.Clock = [now] { return *now += ReaderLimits{}.StallMs + 1; };
    const std::pair<OldStoreReaderCommand, const char*> cases[] = {
        {test::FakeOldStoreReader("crash"), "signal 6"},
        {hang, "sent nothing"},
        {test::FakeOldStoreReader("crash-after"), "signal 6"},
    };
    for (const auto& [reader, reason] : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(RunHeadlessImport(options, reader, out, err, stop), 1);
        const std::string expected(reader.Program[1] == "crash-after" ? ImportFailedText
                                                                      : OldStoreOpenFailedText);
        EXPECT_EQ(out.str(), expected + "\n") << reader.Program[1];
        EXPECT_NE(err.str().find(reason), std::string::npos) << err.str();
    }
    const std::filesystem::path fixture = test::OldFixture("old_store.mdb");
    LODRIN_REQUIRE_SHARED(fixture);
    std::filesystem::remove(dir.Folder() + "Lodrin.dat");
    std::filesystem::create_symlink(fixture, dir.Folder() + "Lodrin.dat");
    std::filesystem::remove(dir.Folder() + "Lodrin.db");
    std::ostringstream out, err;
    EXPECT_EQ(RunHeadlessImport(options, test::FakeOldStoreReader("print"), out, err, stop), 0);
    EXPECT_EQ(out.str(), ReportText({7, 6, 1}) + "\n") << "nothing the reader prints";
    EXPECT_EQ(err.str(), "");
}

} // namespace
} // namespace lodrin
