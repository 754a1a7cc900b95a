#include "ImportSolution/OldStore.h"
#include "ImportSolution/DateModule.h"
#include "ImportSolution/ImportMessages.h"
#include "ImportSolution/ImportRun.h"
#include "ImportSolution/ImportStart.h"
#include "ImportSolution/MobileStore.h"
#include "ImportSolution/OldStoreFiles.h"
#include "support/MobileStoreFixture.h"
#include "support/SharedData.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace lodrin {
namespace {

using test::OldFixture;

TEST(OldDateText, FormatsTheStoredMomentToTheMinute) {
    const std::pair<double, const char*> cases[] = {
        {43531.5874884259, " 2019-03-07 14:05"}, // 14:05:59 is cut, not rounded
        {44196.9993055556, " 2020-12-31 23:59"},
        {44197.0, " 2021-01-01 00:00"},
        {44727.3546875, " 2022-06-15 08:30"},
        {36162.1277777778, " 1999-01-02 03:04"},
        {36585.5, " 2000-02-29 12:00"},
        {0.0, " 1899-12-30 00:00"},
        {-1.25, " 1899-12-29 06:00"}, // before day 0 the fraction is still the time of day
        {43831.99999999999, " 2020-01-02 00:00"}, // within half a millisecond of midnight
        {-657434.0, " 0100-01-01 00:00"},
        {2958465.5, " 9999-12-31 12:00"},
    };
    for (const auto& [ole, text] : cases) {
        EXPECT_EQ(OldDateText(ole), text) << ole;
    }
    EXPECT_EQ(OldDateText(std::nan("")), "");
    EXPECT_EQ(OldDateText(3.0e6), "");
    EXPECT_EQ(OldDateText(-1.0e9), "");
}

class OldStoreTest : public testing::Test {
protected:
    test::TempDir Dir{"旧版 store"};
    ImportPaths Paths = ImportPaths::In(Dir.Path().string());
    std::atomic<bool> Stop{false};
    TDataModule1 Data{test::RealOldStoreReader()};

    // Starts an old-store import as the window does, with "Lodrin.dat" linked to a fixture.
    ImportOutcome RunOld(const char* fixture) {
        std::filesystem::remove(Paths.OldStore());
        std::filesystem::create_symlink(OldFixture(fixture), Paths.OldStore());
        return RunStarted();
    }
    // The same with "Lodrin.dat" holding the given bytes.
    ImportOutcome RunOldBytes(const std::string& bytes) {
        std::filesystem::remove(Paths.OldStore());
        test::WriteFileBytes(Paths.OldStore(), bytes);
        return RunStarted();
    }
    ImportOutcome RunStarted() {
        ImportStart start = StartImport(Paths, ImportSource::Old, Data);
        EXPECT_EQ(start.Message, "");
        if (!start.Source) {
            return {};
        }
        return RunImportAt(Paths.Store(), *start.Source, Stop, {});
    }
    std::vector<std::string> StoredSolutions() const {
        SQLite::Database db(Paths.Store(), SQLite::OPEN_READONLY);
        SQLite::Statement rows(db, "SELECT Sol_Text FROM Tab_Solution ORDER BY ID");
        std::vector<std::string> texts;
        while (rows.executeStep()) {
            texts.push_back(rows.getColumn(0).getString());
        }
        return texts;
    }
};

TEST_F(OldStoreTest, CopiesTheRowsAndSkipsKnownKeys) {
    LODRIN_REQUIRE_SHARED(OldFixture("old_store.mdb"));
    EXPECT_EQ(RunOld("old_store.mdb").Text, ReportText({7, 6, 1}))
        << "row 3 repeats the key of row 1 with other counts and date";
    SQLite::Database db(Paths.Store(), SQLite::OPEN_READONLY);
    SQLite::Statement rows(db, "SELECT XSB_CRC32, XSB_CRC_TrunNum, Goals, Sol_CRC32, Moves, Pushs, "
                               "Sol_Text, XSB_Text, Sol_DateTime FROM Tab_Solution ORDER BY ID");
    struct Expected {
        std::int64_t XsbCrc, Turn, Goals, SolCrc, Moves, Pushs;
        const char *Sol, *Date;
    };
    const Expected expected[] = {
        {-1453389966, 6, 1, 123456789, 3, 1, "ulR", " 2019-03-07 14:05"},
        {-1453389966, 6, 1, -873187034, 10, 2, "llUUrrDDdd", " 2020-12-31 23:59"},
        {17, 0, 2, 42, 5, 2, "R'); DROP TABLE Tab_Solution; --", " 2022-06-15 08:30"},
        {2147483647, 7, 99, -2147483648LL, 200000, 0, "lurd", " 1999-01-02 03:04"},
        {5, 1, 3, 6, 7, 8, "uuLL", ""},
        {-1, 3, 4, 0, 0, 0, "", " 2000-02-29 12:00"},
    };
    for (const Expected& e : expected) {
        ASSERT_TRUE(rows.executeStep());
        EXPECT_EQ(rows.getColumn(0).getInt64(), e.XsbCrc);
        EXPECT_EQ(rows.getColumn(1).getInt64(), e.Turn);
        EXPECT_EQ(rows.getColumn(2).getInt64(), e.Goals);
        EXPECT_EQ(rows.getColumn(3).getInt64(), e.SolCrc);
        EXPECT_EQ(rows.getColumn(4).getInt64(), e.Moves);
        EXPECT_EQ(rows.getColumn(5).getInt64(), e.Pushs);
        EXPECT_EQ(rows.getColumn(6).getString(), e.Sol);
        EXPECT_EQ(rows.getColumn(7).getString(), "");
        EXPECT_EQ(rows.getColumn(8).getString(), e.Date);
    }
    EXPECT_FALSE(rows.executeStep());
}

TEST_F(OldStoreTest, SecondRunAndThePasswordCopyAreAllDuplicates) {
    LODRIN_REQUIRE_SHARED(OldFixture("old_store_password.mdb"));
    RunOld("old_store.mdb");
    EXPECT_EQ(RunOld("old_store.mdb").Text, ReportText({7, 0, 7}));
    EXPECT_EQ(RunOld("old_store_password.mdb").Text, ReportText({7, 0, 7}));
}

TEST_F(OldStoreTest, SameMomentAsTheMobileStoreBehindALeadingSpace) {
    LODRIN_REQUIRE_SHARED(OldFixture("old_store.mdb"));
    RunOld("old_store.mdb");
    SQLite::Database db(Paths.Store(), SQLite::OPEN_READONLY);
    const std::string old =
        db.execAndGet("SELECT Sol_DateTime FROM Tab_Solution WHERE ID = 1").getString();
    EXPECT_EQ(old, " " + MobileDateText("2019-03-07 14:05:59"));
}

TEST_F(OldStoreTest, FiveThousandRowsWithEveryTenthKeyRepeated) {
    LODRIN_REQUIRE_SHARED(OldFixture("old_store_5000.mdb"));
    std::vector<int> positions;
    int maximum = 0;
    ASSERT_TRUE(PrepareSolutionStoreAt(Paths.Store()));
    ASSERT_EQ(Data.OpenOldStore(OldFixture("old_store_5000.mdb").string()), OldStoreOpen::Opened);
    const std::unique_ptr<TSolutionSource> source = Data.MakeQuery();
    const ImportOutcome outcome =
        RunImportAt(Paths.Store(), *source, Stop,
                    {[&](int m) { maximum = m; }, [&](int p) { positions.push_back(p); }, {}});
    EXPECT_EQ(outcome.Text, ReportText({5000, 4500, 500}));
    EXPECT_EQ(maximum, 5000);
    ASSERT_EQ(positions.size(), 5000u);
    EXPECT_EQ(positions.back(), 5000);
    SQLite::Database db(Paths.Store(), SQLite::OPEN_READONLY);
    EXPECT_EQ(db.execAndGet("SELECT sum(Moves) FROM Tab_Solution").getInt64(), 12502500 - 1252500);
    EXPECT_EQ(db.execAndGet("SELECT max(Sol_DateTime) FROM Tab_Solution").getString(),
              " 2020-01-04 11:19");
    EXPECT_EQ(db.execAndGet("SELECT max(length(Sol_Text)) FROM Tab_Solution").getInt(), 50);
}

TEST_F(OldStoreTest, StopKeepsTheRowsSoFar) {
    LODRIN_REQUIRE_SHARED(OldFixture("old_store_5000.mdb"));
    ASSERT_TRUE(PrepareSolutionStoreAt(Paths.Store()));
    ASSERT_EQ(Data.OpenOldStore(OldFixture("old_store_5000.mdb").string()), OldStoreOpen::Opened);
    const std::unique_ptr<TSolutionSource> source = Data.MakeQuery();
    const ImportOutcome outcome =
        RunImportAt(Paths.Store(), *source, Stop, {{}, [&](int p) { Stop = Stop || p == 25; }, {}});
    EXPECT_EQ(outcome.Text, ReportText({25, 23, 2}));
    EXPECT_EQ(test::StoreRowCount(Paths.Store()), 23);
}

TEST_F(OldStoreTest, MissingOldStoreLeavesThePreparedStore) {
    const ImportStart start = StartImport(Paths, ImportSource::Old, Data);
    EXPECT_EQ(start.Message,
              "没有找到旧版的答案库文档：\n请先把旧版答案库文档 Lodrin.dat 复制到当前目录下。");
    EXPECT_EQ(start.Source, nullptr);
    SQLite::Database db(Paths.Store(), SQLite::OPEN_READONLY);
    EXPECT_TRUE(db.tableExists("Tab_Solution"));
    EXPECT_EQ(Data.OpenOldStore(Paths.OldStore()), OldStoreOpen::Missing);
    std::filesystem::create_directory(Paths.OldStore());
    EXPECT_EQ(Data.OpenOldStore(Paths.OldStore()), OldStoreOpen::Failed);
}

// A Lurd text of the given length, every solution of its own.
std::string LongSolution(std::size_t length) {
    std::string text;
    for (std::size_t i = 0; i < length; ++i) {
        text += "lurdLURD"[i * 7 % 8];
    }
    return text;
}

TEST_F(OldStoreTest, LongSolutionsAreStoredWhole) {
    LODRIN_REQUIRE_SHARED(OldFixture("old_store.mdb"));
    const std::string text = LongSolution(250000);
    const std::string bytes = test::OldStoreWithLongSolution("llUUrrDDdd", text);
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(RunOldBytes(bytes).Text, ReportText({7, 6, 1}));
    const std::vector<std::string> stored = StoredSolutions();
    ASSERT_EQ(stored.size(), 6u);
    EXPECT_EQ(stored[1], text) << "the 250000 moves of row 2 arrive whole";
}

TEST_F(OldStoreTest, SolutionsTheReaderCannotReturnWholeAreCountedAndLeftOut) {
    LODRIN_REQUIRE_SHARED(OldFixture("old_store.mdb"));
    const std::string brokenChain =
        test::OldStoreWithLongSolution("llUUrrDDdd", LongSolution(250000), 100000);
    const std::string pastBindSize =
        test::OldStoreWithLongSolution("llUUrrDDdd", LongSolution(OldStoreBindSize));
    for (const std::string& bytes : {brokenChain, pastBindSize}) {
        std::filesystem::remove(Paths.Store());
        const ImportOutcome outcome = RunOldBytes(bytes);
        EXPECT_EQ(outcome.Text, ReportText({7, 5, 1})) << "row 2 counts as invalid";
        const std::vector<std::string> stored = StoredSolutions();
        EXPECT_EQ(std::count(stored.begin(), stored.end(), "llUUrrDDdd"), 0);
        EXPECT_EQ(stored.size(), 5u);
        for (const std::string& text : stored) {
            EXPECT_LT(text.size(), 100u) << "no cut text is stored";
        }
    }
}

TEST(IsMemoTextWhole, NeedsRoomLeftAndTheStoredBytesCovered) {
    struct Case {
        std::size_t Length, Stored, Bind;
        bool Whole;
    };
    const Case cases[] = {
        {0, 0, 100, true},    // an empty or NULL memo
        {3, 5, 100, true},    // compressed: marker and one byte a character
        {10, 20, 100, true},  // UCS-2: two bytes a character
        {3, 11, 100, true},   // compressed, switching to UCS-2 for every character
        {3, 12, 100, false},  // less text than the stored bytes can hold
        {0, 40, 100, false},  // a memo whose pages could not be read
        {96, 96, 100, true},  // the last length that leaves room for any character
        {97, 97, 100, false}, // may have been stopped by the end of the buffer
        {99, 99, 100, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsMemoTextWhole(c.Length, c.Stored, c.Bind), c.Whole)
            << c.Length << " of " << c.Stored << " in " << c.Bind;
    }
}

TEST_F(OldStoreTest, DamagedFileThatHangsLibmdbEndsTheRunWithTheMessage) {
    LODRIN_REQUIRE_SHARED(OldFixture("old_store.mdb"));
    // libmdb loops in its catalog reader and takes memory without end; the reader child
    // meets its memory limit.
    const ImportOutcome outcome = RunOldBytes(test::DamagedOldStoreBytes());
    EXPECT_EQ(outcome.Text, OldStoreOpenFailedText);
    EXPECT_NE(outcome.Reason, "");
    EXPECT_EQ(test::StoreRowCount(Paths.Store()), 0);
}

TEST_F(OldStoreTest, TruncatedFilesEndWithAMessageOrTheRowsTheyHold) {
    LODRIN_REQUIRE_SHARED(OldFixture("old_store.mdb"));
    const std::string whole = test::ReadFileBytes(OldFixture("old_store.mdb"));
    for (const std::size_t size : {std::size_t{64}, std::size_t{4096}, std::size_t{20000},
                                   whole.size() / 2, whole.size() - 4096}) {
        std::filesystem::remove(Paths.Store());
        const ImportOutcome outcome = RunOldBytes(whole.substr(0, size));
        if (!outcome.IsReport) {
            EXPECT_TRUE(outcome.Text == OldStoreOpenFailedText || outcome.Text == ImportFailedText)
                << size << ": " << outcome.Text;
        }
        EXPECT_EQ(test::StoreRowCount(Paths.Store()), outcome.Counters.Imported) << size;
    }
}

} // namespace
} // namespace lodrin
