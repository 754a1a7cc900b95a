#include "ImportSolution/OldStore.h"
#include "ImportSolution/DateModule.h"
#include "ImportSolution/ImportMessages.h"
#include "ImportSolution/ImportRun.h"
#include "ImportSolution/ImportStart.h"
#include "ImportSolution/MobileStore.h"
#include "support/MobileStoreFixture.h"
#include "support/SharedData.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cmath>

namespace lodrin {
namespace {

std::filesystem::path Fixture(const char* name) {
    return test::SharedDir() / "fixtures" / name;
}

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
    TDataModule1 Data;

    // Starts an old-store import as the window does, with "Lodrin.dat" linked to a fixture.
    ImportOutcome RunOld(const char* fixture) {
        std::filesystem::remove(Paths.OldStore());
        std::filesystem::create_symlink(Fixture(fixture), Paths.OldStore());
        ImportStart start = StartImport(Paths, ImportSource::Old, Data);
        EXPECT_EQ(start.Message, "");
        if (!start.Source) {
            return {};
        }
        return RunImportAt(Paths.Store(), *start.Source, Stop, {});
    }
};

TEST_F(OldStoreTest, CopiesTheRowsAndSkipsKnownKeys) {
    LODRIN_REQUIRE_SHARED(Fixture("old_store.mdb"));
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
    LODRIN_REQUIRE_SHARED(Fixture("old_store_password.mdb"));
    RunOld("old_store.mdb");
    EXPECT_EQ(RunOld("old_store.mdb").Text, ReportText({7, 0, 7}));
    EXPECT_EQ(RunOld("old_store_password.mdb").Text, ReportText({7, 0, 7}));
}

TEST_F(OldStoreTest, SameMomentAsTheMobileStoreBehindALeadingSpace) {
    LODRIN_REQUIRE_SHARED(Fixture("old_store.mdb"));
    RunOld("old_store.mdb");
    SQLite::Database db(Paths.Store(), SQLite::OPEN_READONLY);
    const std::string old =
        db.execAndGet("SELECT Sol_DateTime FROM Tab_Solution WHERE ID = 1").getString();
    EXPECT_EQ(old, " " + MobileDateText("2019-03-07 14:05:59"));
}

TEST_F(OldStoreTest, FiveThousandRowsWithEveryTenthKeyRepeated) {
    LODRIN_REQUIRE_SHARED(Fixture("old_store_5000.mdb"));
    std::vector<int> positions;
    int maximum = 0;
    ASSERT_TRUE(PrepareSolutionStoreAt(Paths.Store()));
    ASSERT_EQ(Data.OpenOldStore(Fixture("old_store_5000.mdb").string()), OldStoreOpen::Opened);
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
    LODRIN_REQUIRE_SHARED(Fixture("old_store_5000.mdb"));
    ASSERT_TRUE(PrepareSolutionStoreAt(Paths.Store()));
    ASSERT_EQ(Data.OpenOldStore(Fixture("old_store_5000.mdb").string()), OldStoreOpen::Opened);
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

} // namespace
} // namespace lodrin
