#include "ImportSolution/DateModule.h"
#include "ImportSolution/ImportMessages.h"
#include "ImportSolution/ImportRun.h"
#include "ImportSolution/ImportStart.h"
#include "ImportSolution/OldStoreFiles.h"
#include "support/MobileStoreFixture.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>

namespace lodrin {
namespace {

// A file that begins as a Jet database does; the fake readers do not read it.
std::string JetSignatureFile() {
    std::string bytes("\x00\x01\x00\x00Standard Jet DB\x00", 20);
    bytes.resize(4096, '\0');
    return bytes;
}

// A clock that stands still until it is told to jump past the stall limit.
struct TJumpClock {
    std::shared_ptr<std::atomic<std::int64_t>> Now = std::make_shared<std::atomic<std::int64_t>>(0);
    MsClock Clock() const {
        return [now = Now] { return now->load(); };
    }
    void Jump() { *Now += ReaderLimits{}.StallMs + 1; }
};

// A clock on which every reading comes a whole stall limit after the one before.
MsClock RacingClock() {
    auto now = std::make_shared<std::int64_t>(0);
    return [now] { return *now += ReaderLimits{}.StallMs + 1; };
}

class OldStoreReaderTest : public testing::Test {
protected:
    test::TempDir Dir{"reader 子进程"};
    ImportPaths Paths = ImportPaths::In(Dir.Path().string());
    std::atomic<bool> Stop{false};

    void SetUp() override { test::WriteFileBytes(Paths.OldStore(), JetSignatureFile()); }

    // An old-store run with the given reader, as the window starts it.
    ImportOutcome Run(const OldStoreReaderCommand& reader, const ImportReports& reports = {}) {
        TDataModule1 data(reader);
        ImportStart start = StartImport(Paths, ImportSource::Old, data);
        EXPECT_EQ(start.Message, "");
        if (!start.Source) {
            return {};
        }
        return RunImportAt(Paths.Store(), *start.Source, Stop, reports);
    }
};

TEST_F(OldStoreReaderTest, ReaderThatFailsEndsTheRunWithTheMessageAndKeepsTheRows) {
    struct Case {
        const char* Mode;
        std::string_view Text;
        std::int64_t Rows;
        const char* Reason;
    };
    const Case cases[] = {
        {"crash", OldStoreOpenFailedText, 0, "signal 6"},
        {"garbage", OldStoreOpenFailedText, 0, "does not begin with its tag"},
        {"hog", OldStoreOpenFailedText, 0, "the old-store reader"},
        {"crash-after", ImportFailedText, 2, "signal 6"},
        {"garbage-after", ImportFailedText, 2, "unknown message"},
        {"exit-after", ImportFailedText, 2, "exit code 3"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(Paths.Store());
        OldStoreReaderCommand reader = test::FakeOldStoreReader(c.Mode);
        reader.Limits.MemoryBytes = std::uint64_t{256} << 20;
        const ImportOutcome outcome = Run(reader);
        EXPECT_FALSE(outcome.IsReport) << c.Mode;
        EXPECT_EQ(outcome.Text, c.Text) << c.Mode;
        EXPECT_EQ(test::StoreRowCount(Paths.Store()), c.Rows) << c.Mode;
        EXPECT_EQ(outcome.Counters.Imported, c.Rows) << c.Mode;
        EXPECT_NE(outcome.Reason.find(c.Reason), std::string::npos)
            << c.Mode << ": " << outcome.Reason;
    }
}

TEST_F(OldStoreReaderTest, ReaderThatStopsSendingIsKilledByTheWatch) {
    OldStoreReaderCommand hang = test::FakeOldStoreReader("hang");
    hang.Clock = RacingClock(); // nothing ever comes: the first wait finds it stalled
    const ImportOutcome first = Run(hang);
    EXPECT_EQ(first.Text, OldStoreOpenFailedText);
    EXPECT_NE(first.Reason.find("sent nothing"), std::string::npos) << first.Reason;

    TJumpClock after;
    OldStoreReaderCommand hangAfter = test::FakeOldStoreReader("hang-after");
    hangAfter.Clock = after.Clock();
    ImportReports reports;
    reports.SetPosition = [&](int position) {
        if (position == 2) {
            after.Jump(); // both rows are in; the child sends nothing more
        }
    };
    const ImportOutcome second = Run(hangAfter, reports);
    EXPECT_EQ(second.Text, ImportFailedText);
    EXPECT_EQ(second.Counters.Imported, 2);
    EXPECT_EQ(test::StoreRowCount(Paths.Store()), 2);
}

TEST_F(OldStoreReaderTest, StopWhileTheReaderHangsEndsTheRunAndTheChild) {
    ImportReports reports;
    reports.SetPosition = [&](int position) { Stop = position == 2; };
    const ImportOutcome afterRows = Run(test::FakeOldStoreReader("hang-after"), reports);
    EXPECT_EQ(afterRows.Text, ReportText({2, 2, 0}));
    const std::string pid = test::ReadFileBytes(Paths.OldStore() + ".pid");
    ASSERT_FALSE(pid.empty());
    EXPECT_EQ(kill(std::stoi(pid), 0), -1) << "the reader child is killed and reaped";

    Stop = true; // before the reader has sent anything
    const ImportOutcome before = Run(test::FakeOldStoreReader("hang"));
    EXPECT_EQ(before.Text, ReportText({0, 0, 0}));
}

TEST_F(OldStoreReaderTest, WhatTheReaderPrintsGoesNowhere) {
    LODRIN_REQUIRE_SHARED(test::OldFixture("old_store.mdb"));
    std::filesystem::remove(Paths.OldStore());
    std::filesystem::create_symlink(test::OldFixture("old_store.mdb"), Paths.OldStore());
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const ImportOutcome outcome = Run(test::FakeOldStoreReader("print"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(outcome.Text, ReportText({7, 6, 1}));
}

TEST_F(OldStoreReaderTest, ReaderThatCannotStartIsAnOpenFailure) {
    const ImportOutcome missing = Run({{Dir.Folder() + "no such program"}, {}, {}});
    EXPECT_EQ(missing.Text, OldStoreOpenFailedText);
    EXPECT_NE(missing.Reason.find("exit code 127"), std::string::npos) << missing.Reason;
    const ImportOutcome none = Run({{}, {}, {}});
    EXPECT_EQ(none.Text, OldStoreOpenFailedText);
}

TEST(HasJetSignature, KnowsJetAndAceFiles) {
    EXPECT_TRUE(HasJetSignature(std::string("\x00\x01\x00\x00Standard Jet DB\x00\x01", 21)));
    EXPECT_TRUE(HasJetSignature(std::string("\x00\x01\x00\x00Standard ACE DB\x00", 20)));
    EXPECT_FALSE(HasJetSignature(std::string("\x00\x01\x00\x00Standard Jet DB", 19)));
    EXPECT_FALSE(HasJetSignature("SQLite format 3"));
    EXPECT_FALSE(HasJetSignature(""));
}

} // namespace
} // namespace lodrin
