#include "ImportSolution/SolutionStore.h"
#include "support/SharedData.h"
#include "support/TempDir.h"

#include <SQLiteCpp/Database.h>
#include <gtest/gtest.h>

#include <fstream>

namespace lodrin {
namespace {

using namespace std::string_literals;

std::string MasterSql(SQLite::Database& db, const std::string& name) {
    SQLite::Statement query(db, "SELECT sql FROM sqlite_master WHERE name = ?");
    query.bind(1, name);
    return query.executeStep() ? query.getColumn(0).getString() : std::string();
}

class SolutionStoreTest : public testing::Test {
protected:
    test::TempDir Dir;
    std::string Path = Dir.Folder() + "Lodrin.db";
};

TEST_F(SolutionStoreTest, PrepareCreatesTheTableAndTheIndex) {
    ASSERT_TRUE(PrepareSolutionStoreAt(Path));
    SQLite::Database db(Path, SQLite::OPEN_READWRITE);
    EXPECT_EQ(MasterSql(db, "Tab_Solution"),
              "CREATE TABLE Tab_Solution ( [ID] INTEGER PRIMARY KEY AUTOINCREMENT, [XSB_CRC32] "
              "INTEGER NOT NULL DEFAULT 0, [XSB_CRC_TrunNum] INTEGER NOT NULL DEFAULT 0, [Goals] "
              "INTEGER NOT NULL DEFAULT 0, [Sol_CRC32] INTEGER NOT NULL DEFAULT 0, [Moves] INTEGER "
              "NOT NULL DEFAULT 0, [Pushs] INTEGER NOT NULL DEFAULT 0, [Sol_Text] TEXT NOT NULL "
              "DEFAULT \"\", [XSB_Text] TEXT NOT NULL DEFAULT \"\", [Sol_DateTime] TEXT NOT NULL "
              "DEFAULT \"\" )");
    EXPECT_EQ(MasterSql(db, "sol_Index"),
              "CREATE INDEX sol_Index ON Tab_Solution(XSB_CRC32, Goals, Sol_CRC32)");
    db.exec("INSERT INTO Tab_Solution (XSB_CRC32) VALUES (5)");
    SQLite::Statement row(db, "SELECT Goals, Sol_Text, XSB_Text, Sol_DateTime FROM Tab_Solution");
    ASSERT_TRUE(row.executeStep());
    EXPECT_EQ(row.getColumn(0).getInt(), 0);
    for (int i = 1; i < 4; ++i) {
        EXPECT_EQ(row.getColumn(i).getType(), SQLite::TEXT);
        EXPECT_EQ(row.getColumn(i).getString(), "");
    }
}

TEST_F(SolutionStoreTest, PrepareAgainKeepsRowsAndTakesTheTableInAnyCase) {
    {
        SQLite::Database db(Path, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        db.exec("CREATE TABLE tab_solution (ID INTEGER PRIMARY KEY, XSB_CRC32 INTEGER, Goals "
                "INTEGER, Sol_CRC32 INTEGER)");
        db.exec("INSERT INTO tab_solution (XSB_CRC32, Goals, Sol_CRC32) VALUES (1, 2, 3)");
    }
    ASSERT_TRUE(PrepareSolutionStoreAt(Path)); // no second CREATE TABLE, index built anew
    ASSERT_TRUE(PrepareSolutionStoreAt(Path));
    SQLite::Database db(Path, SQLite::OPEN_READONLY);
    EXPECT_EQ(db.execAndGet("SELECT count(*) FROM Tab_Solution").getInt(), 1);
    EXPECT_EQ(db.execAndGet("SELECT count(*) FROM sqlite_master WHERE name = 'sol_Index'").getInt(),
              1);
}

TEST_F(SolutionStoreTest, DuplicateTestsAndInsertsKeepTextsUnchanged) {
    ASSERT_TRUE(PrepareSolutionStoreAt(Path));
    SQLite::Database db(Path, SQLite::OPEN_READWRITE);
    TSolutionStore store(db);
    SolutionRow row;
    row.XsbCrc32 = INT32_MIN;
    row.TurnNum = 7;
    row.Goals = 3;
    row.SolCrc32 = -1;
    row.Moves = 200000;
    row.Pushs = 4;
    row.SolText = "R'); DROP TABLE Tab_Solution; --\0\"\xff\xfe漢"s;
    row.XsbText = "it's\n#\0#";
    row.DateTime = "2020-01-01 00:00";
    EXPECT_FALSE(store.IsMobileDuplicate(row.Key()));
    EXPECT_FALSE(store.IsOldDuplicate(row.Key()));
    store.InsertMobile(row);
    EXPECT_TRUE(store.IsMobileDuplicate(row.Key()));
    EXPECT_TRUE(store.IsOldDuplicate(row.Key()));
    SolutionRow other = row;
    other.SolCrc32 = 0;
    EXPECT_FALSE(store.IsMobileDuplicate(other.Key()));
    store.InsertOld(other);
    EXPECT_TRUE(store.IsOldDuplicate(other.Key()));

    SQLite::Statement read(db, "SELECT XSB_CRC32, XSB_CRC_TrunNum, Goals, Sol_CRC32, Moves, Pushs, "
                               "Sol_Text, XSB_Text, Sol_DateTime FROM Tab_Solution ORDER BY ID");
    ASSERT_TRUE(read.executeStep());
    EXPECT_EQ(read.getColumn(0).getInt64(), INT32_MIN);
    EXPECT_EQ(read.getColumn(1).getInt(), 7);
    EXPECT_EQ(read.getColumn(3).getInt64(), -1);
    EXPECT_EQ(read.getColumn(4).getInt64(), 200000);
    EXPECT_EQ(read.getColumn(6).getString(), row.SolText);
    EXPECT_EQ(read.getColumn(7).getString(), row.XsbText);
    EXPECT_EQ(read.getColumn(8).getString(), row.DateTime);
    ASSERT_TRUE(read.executeStep());
    EXPECT_EQ(read.getColumn(6).getString(), row.SolText);
    EXPECT_EQ(read.getColumn(7).getString(), "") << "old-store rows keep XSB_Text's default";
}

TEST_F(SolutionStoreTest, PrepareFailsWhereNoStoreCanBeMade) {
    const std::string file = Dir.Folder() + "plain.txt";
    std::ofstream(file) << "a regular file, not a folder";
    EXPECT_FALSE(PrepareSolutionStoreAt(file + "/Lodrin.db")); // fails for root too
    const std::string noise(5000, '\x5a');
    std::ofstream(Path, std::ios::binary) << noise;
    EXPECT_FALSE(PrepareSolutionStoreAt(Path));
    EXPECT_EQ(test::ReadFileBytes(Path), noise) << "a file that is no database stays as it was";
}

} // namespace
} // namespace lodrin
