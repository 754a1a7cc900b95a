#include "ImportSolution/ImportRun.h"
#include "ImportSolution/CRC_32.h"
#include "ImportSolution/CanonicalLevel.h"
#include "ImportSolution/ImportMessages.h"
#include "ImportSolution/ImportStart.h"
#include "ImportSolution/MobileStore.h"
#include "ImportSolution/OldStoreFiles.h"
#include "support/MobileStoreFixture.h"
#include "support/SharedData.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>

namespace lodrin {
namespace {

using namespace std::string_literals;

const std::string TwoKeepers = "#####\n#@$.#\n#@  #\n#####";
const std::string OtherLevel = "######\n#@$ .#\n######";

// A run's reports, as a window would see them.
struct Recorded {
    std::vector<int> Maximum, Positions;
    std::vector<std::string> Finished;
    ImportReports Reports() {
        return {[this](int m) { Maximum.push_back(m); }, [this](int p) { Positions.push_back(p); },
                [this](const std::string& t) { Finished.push_back(t); }};
    }
};

class ImportRunTest : public testing::Test {
protected:
    test::TempDir Dir{"with space 答案"};
    ImportPaths Paths = ImportPaths::In(Dir.Path().string());
    std::atomic<bool> Stop{false};
    Recorded Seen;

    ImportOutcome RunMobile() {
        EXPECT_TRUE(PrepareSolutionStoreAt(Paths.Store()));
        TMobileSource source(Paths.MobileStore());
        return RunImportAt(Paths.Store(), source, Stop, Seen.Reports());
    }
    std::int64_t StoreRows() { return test::StoreRowCount(Paths.Store()); }
};

TEST_F(ImportRunTest, CountsNewDuplicateAndInvalidRows) {
    test::WriteMobileStore(Paths.MobileStore(), {{test::SmallLevel, "ulR", 3, 1}});
    ASSERT_TRUE(RunMobile().IsReport);
    std::filesystem::remove(Paths.MobileStore());
    test::WriteMobileStore(
        Paths.MobileStore(),
        {{TwoKeepers, "r", 1, 1}, {OtherLevel, "rR", 2, 1}, {test::SmallLevel, "ulR", 9, 9}});
    Seen = {};
    const ImportOutcome outcome = RunMobile();
    EXPECT_TRUE(outcome.IsReport);
    EXPECT_EQ(outcome.Text, "已处理的答案总数：3\n成功导入数：1\n因重复未导入数：1\n无效答案数：1");
    EXPECT_EQ(Seen.Maximum, std::vector<int>{3});
    EXPECT_EQ(Seen.Positions, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(Seen.Finished, std::vector<std::string>{outcome.Text});
    EXPECT_EQ(StoreRows(), 2);
}

TEST_F(ImportRunTest, StoresTheCanonicalLevelAndTheKeys) {
    test::WriteMobileStore(Paths.MobileStore(),
                           {{test::SmallLevel, "ulR", 3, 1, "2019-03-07 14:05:59"}});
    RunMobile();
    SQLite::Database db(Paths.Store(), SQLite::OPEN_READONLY);
    SQLite::Statement row(db, "SELECT XSB_CRC32, XSB_CRC_TrunNum, Goals, Sol_CRC32, Moves, Pushs, "
                              "Sol_Text, XSB_Text, Sol_DateTime FROM Tab_Solution");
    ASSERT_TRUE(row.executeStep());
    EXPECT_EQ(row.getColumn(0).getInt64(), -1453389966);
    EXPECT_EQ(row.getColumn(1).getInt(), 6);
    EXPECT_EQ(row.getColumn(2).getInt(), 1);
    EXPECT_EQ(row.getColumn(3).getInt64(), Crc32("ulR"));
    EXPECT_EQ(row.getColumn(4).getInt(), 3);
    EXPECT_EQ(row.getColumn(5).getInt(), 1);
    EXPECT_EQ(row.getColumn(6).getString(), "ulR");
    EXPECT_EQ(row.getColumn(7).getString(), "__####\n###  #\n#.@$ #\n######");
    EXPECT_EQ(row.getColumn(8).getString(), "2019-03-07 14:05");
}

TEST_F(ImportRunTest, SecondRunFindsEveryValidRowADuplicate) {
    test::WriteMobileStore(Paths.MobileStore(), {{test::SmallLevel, "ulR"},
                                                 {test::SmallLevel, "ulR"}, // equal in one source
                                                 {OtherLevel, "rR"},
                                                 {TwoKeepers, "r"}});
    EXPECT_EQ(RunMobile().Text, ReportText({4, 2, 1}));
    EXPECT_EQ(RunMobile().Text, ReportText({4, 0, 3}));
    EXPECT_EQ(StoreRows(), 2);
}

TEST_F(ImportRunTest, StopEndsTheLoopBeforeTheNextRowAndKeepsTheRows) {
    std::vector<test::GStateRow> rows;
    for (int i = 0; i < 10; ++i) {
        rows.push_back({test::SmallLevel, "ulR" + std::string(static_cast<std::size_t>(i), 'l')});
    }
    test::WriteMobileStore(Paths.MobileStore(), rows);
    ASSERT_TRUE(PrepareSolutionStoreAt(Paths.Store()));
    TMobileSource source(Paths.MobileStore());
    ImportReports reports = Seen.Reports();
    reports.SetPosition = [&](int position) {
        Seen.Positions.push_back(position);
        if (position == 3) {
            Stop = true; // as the window does while row 3 is being processed
        }
    };
    const ImportOutcome outcome = RunImportAt(Paths.Store(), source, Stop, reports);
    EXPECT_EQ(outcome.Text, ReportText({3, 3, 0}));
    EXPECT_EQ(Seen.Positions, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(StoreRows(), 3);
}

TEST_F(ImportRunTest, MissingOrEmptyMobileStoreAsksForIt) {
    const ImportOutcome missing = RunMobile();
    EXPECT_FALSE(missing.IsReport);
    EXPECT_EQ(missing.Text, MobileStoreMissingText);
    EXPECT_FALSE(std::filesystem::exists(Paths.MobileStore())) << "no empty store is created";
    EXPECT_TRUE(Seen.Maximum.empty());

    test::WriteMobileStore(Paths.MobileStore(), {{test::SmallLevel, "ulR", 1, 1, "", 0}});
    EXPECT_EQ(RunMobile().Text, MobileStoreMissingText) << "no row with G_Solution = 1";

    std::filesystem::remove(Paths.MobileStore());
    SQLite::Database(Paths.MobileStore(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE)
        .exec("CREATE TABLE other (x)");
    EXPECT_EQ(RunMobile().Text, MobileStoreMissingText) << "no table G_State";
    EXPECT_EQ(StoreRows(), 0);
}

TEST_F(ImportRunTest, ColumnsAreFoundInAnyCaseAndNullsReadAsEmpty) {
    SQLite::Database db(Paths.MobileStore(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    db.exec("CREATE TABLE g_state (g_solution, l_THIN_xsb, G_ANS, g_moves, g_pushs, g_datetime)");
    db.exec("INSERT INTO g_state VALUES (1, '" + test::SmallLevel + "', NULL, NULL, NULL, NULL)");
    EXPECT_EQ(RunMobile().Text, ReportText({1, 1, 0}));
    SQLite::Database store(Paths.Store(), SQLite::OPEN_READONLY);
    SQLite::Statement row(store,
                          "SELECT Sol_CRC32, Moves, Sol_Text, Sol_DateTime FROM Tab_Solution");
    ASSERT_TRUE(row.executeStep());
    EXPECT_EQ(row.getColumn(0).getInt(), 0) << "an empty solution has checksum 0";
    EXPECT_EQ(row.getColumn(1).getInt(), 0);
    EXPECT_EQ(row.getColumn(2).getString(), "");
    EXPECT_EQ(row.getColumn(3).getString(), "");
}

TEST(MobileDateText, KeepsSixteenCharactersBeforeTheLastThree) {
    EXPECT_EQ(MobileDateText("2019-03-07 14:05:59"), "2019-03-07 14:05");
    EXPECT_EQ(MobileDateText("x2019-03-07 14:05:59"), "2019-03-07 14:05");
    EXPECT_EQ(MobileDateText("2019-03-07 14:05:5"), "2019-03-07 14:05");
    EXPECT_EQ(MobileDateText("2019-03-07"), "2019-03-07");
    EXPECT_EQ(MobileDateText(""), "");
}

TEST_F(ImportRunTest, BadMobileFilesEndWithAMessageAndKeepTheStore) {
    test::WriteMobileStore(Paths.MobileStore(), {{test::SmallLevel, "ulR"}});
    RunMobile();
    std::string random(64 * 1024, '\0');
    for (std::size_t i = 0; i < random.size(); ++i) {
        random[i] = static_cast<char>((i * 2654435761u) >> 13);
    }
    const std::pair<std::string, std::string_view> cases[] = {
        {random, ImportFailedText},
        {"SQLite format 3 but not really\n", ImportFailedText},
        {"", MobileStoreMissingText}, // SQLite takes an empty file for an empty database
    };
    for (const auto& [bytes, text] : cases) {
        std::ofstream(Paths.MobileStore(), std::ios::binary | std::ios::trunc) << bytes;
        EXPECT_EQ(RunMobile().Text, text);
        EXPECT_EQ(test::ReadFileBytes(Paths.MobileStore()), bytes) << "the source is only read";
        EXPECT_EQ(StoreRows(), 1);
    }
}

TEST_F(ImportRunTest, MissingColumnsAreAnError) {
    SQLite::Database db(Paths.MobileStore(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    db.exec("CREATE TABLE G_State (G_Solution, L_thin_XSB, G_Ans, G_Moves, G_DateTime)");
    db.exec("INSERT INTO G_State VALUES (1, '" + test::SmallLevel + "', 'ulR', 3, '')");
    const ImportOutcome outcome = RunMobile();
    EXPECT_EQ(outcome.Text, ImportFailedText);
    EXPECT_EQ(Seen.Finished, std::vector<std::string>{std::string(ImportFailedText)});
    db.exec("DROP TABLE G_State");
    db.exec("CREATE TABLE G_State (L_thin_XSB, G_Ans)");
    EXPECT_EQ(RunMobile().Text, ImportFailedText) << "no G_Solution column to select by";
    EXPECT_EQ(StoreRows(), 0);
}

TEST_F(ImportRunTest, HugeAndOddTextsAreInvalidOrStoredUnchanged) {
    const std::string odd = "R'); DROP TABLE Tab_Solution; --\0\"\xff\xfe漢"s;
    std::string longSolution(250000, 'l');
    longSolution.back() = 'R';
    test::WriteMobileStore(Paths.MobileStore(),
                           {{std::string(10 * 1024 * 1024, '#'), "ulR"},
                            {test::SmallLevel + std::string(10 * 1024 * 1024, '\n'), "rR"},
                            {test::SmallLevel, longSolution},
                            {test::SmallLevel, odd}});
    EXPECT_EQ(RunMobile().Text, ReportText({4, 2, 0}));
    SQLite::Database db(Paths.Store(), SQLite::OPEN_READONLY);
    SQLite::Statement texts(db, "SELECT Sol_Text, Sol_CRC32 FROM Tab_Solution ORDER BY ID");
    std::vector<std::pair<std::string, std::int64_t>> stored;
    while (texts.executeStep()) {
        stored.emplace_back(texts.getColumn(0).getString(), texts.getColumn(1).getInt64());
    }
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[0].first, longSolution) << "a long solution is still a solution";
    EXPECT_EQ(stored[0].second, Crc32(longSolution));
    EXPECT_EQ(stored[1].first, odd);
    EXPECT_EQ(stored[1].second, Crc32(odd));
}

// Points an overflow page of a long value (all `filler`) to a page past the end of the
// file: reading that value fails, counting the rows does not.
bool BreakOverflowChain(const std::string& path, char filler) {
    std::string bytes = test::ReadFileBytes(path);
    const std::size_t pageSize =
        static_cast<unsigned char>(bytes[16]) << 8 | static_cast<unsigned char>(bytes[17]);
    for (std::size_t page = pageSize; page + pageSize <= bytes.size(); page += pageSize) {
        const std::string_view body = std::string_view(bytes).substr(page + 4, pageSize - 4);
        if (bytes.compare(page, 4, std::string(4, '\0')) != 0 &&
            body.find_first_not_of(filler) == std::string_view::npos) {
            bytes.replace(page, 4, "\x7f\xff\xff\xff");
            test::WriteFileBytes(path, bytes);
            return true;
        }
    }
    return false;
}

TEST_F(ImportRunTest, RowThatCannotBeReadEndsTheRunAndKeepsTheRowsBefore) {
    std::vector<test::GStateRow> rows;
    for (int i = 0; i < 100; ++i) {
        rows.push_back(
            {test::SmallLevel, i == 60 ? std::string(20000, 'x') : "u" + std::to_string(i)});
    }
    test::WriteMobileStore(Paths.MobileStore(), rows);
    ASSERT_TRUE(BreakOverflowChain(Paths.MobileStore(), 'x'));
    const ImportOutcome outcome = RunMobile();
    EXPECT_EQ(outcome.Text, ImportFailedText);
    EXPECT_NE(outcome.Reason.find("malformed"), std::string::npos) << outcome.Reason;
    EXPECT_EQ(Seen.Maximum, std::vector<int>{100});
    EXPECT_EQ(outcome.Counters.Imported, 60);
    EXPECT_EQ(StoreRows(), 60) << "the rows before the damaged one are kept";
}

// A source that reads two rows and then breaks, as a damaged file would.
class TBreakingSource : public TSolutionSource {
public:
    ImportSource Kind() const override { return ImportSource::Mobile; }
    bool Open(const std::atomic<bool>&) override { return true; }
    std::size_t RowCount() const override { return 5; }
    bool AtEnd() override { return false; }
    SourceRow Next(SolutionRow& row) override {
        if (++Read_ > 2) {
            throw std::runtime_error("read error");
        }
        row = {};
        row.SolCrc32 = Read_;
        return SourceRow::Valid;
    }

private:
    int Read_ = 0;
};

TEST_F(ImportRunTest, AnErrorDuringAMobileRunCommitsAndSaysSo) {
    ASSERT_TRUE(PrepareSolutionStoreAt(Paths.Store()));
    TBreakingSource source;
    const ImportOutcome outcome = RunImportAt(Paths.Store(), source, Stop, Seen.Reports());
    EXPECT_FALSE(outcome.IsReport);
    EXPECT_EQ(outcome.Text, ImportFailedText);
    EXPECT_EQ(outcome.Reason, "read error");
    EXPECT_EQ(Seen.Finished, std::vector<std::string>{std::string(ImportFailedText)});
    EXPECT_EQ(StoreRows(), 2);
    SQLite::Database db(Paths.Store(), SQLite::OPEN_READONLY);
    EXPECT_EQ(db.execAndGet("PRAGMA integrity_check").getString(), "ok");
}

TEST_F(ImportRunTest, StartPreparesTheStoreOrSaysWhereItCannot) {
    TDataModule1 data(test::RealOldStoreReader());
    const ImportStart mobile = StartImport(Paths, ImportSource::Mobile, data);
    EXPECT_TRUE(mobile.Message.empty());
    ASSERT_NE(mobile.Source, nullptr);
    EXPECT_EQ(mobile.Source->Kind(), ImportSource::Mobile);

    const ImportStart old = StartImport(Paths, ImportSource::Old, data);
    EXPECT_EQ(old.Message, OldStoreMissingText);
    EXPECT_EQ(old.Source, nullptr);
    SQLite::Database db(Paths.Store(), SQLite::OPEN_READONLY);
    EXPECT_TRUE(db.tableExists("Tab_Solution")) << "the store is prepared before the check";
    EXPECT_EQ(db.execAndGet("SELECT count(*) FROM sqlite_master WHERE name = 'sol_Index'").getInt(),
              1);

    const std::string file = Dir.Folder() + "plain.txt";
    std::ofstream(file) << "x";
    const ImportPaths under = ImportPaths::In(file);
    const ImportStart failed = StartImport(under, ImportSource::Mobile, data);
    EXPECT_EQ(failed.Message, "新版的答案库文档创建失败：\n" + file + "/Lodrin.db");
    EXPECT_NE(failed.Reason, "") << "the SQLite error";
    EXPECT_EQ(failed.Source, nullptr);
}

TEST_F(ImportRunTest, StartWithABadOldStoreFailsToOpenIt) {
    TDataModule1 data(test::RealOldStoreReader());
    for (const std::string& bytes :
         {std::string(), std::string("not an Access file\n"), std::string(8192, '\x07')}) {
        std::ofstream(Paths.OldStore(), std::ios::binary | std::ios::trunc) << bytes;
        const ImportStart start = StartImport(Paths, ImportSource::Old, data);
        EXPECT_EQ(start.Message, OldStoreOpenFailedText);
        EXPECT_EQ(start.Reason, "the old store is not a Jet (Access) database file");
        EXPECT_FALSE(data.IsOpen());
    }
}

TEST(ImportPaths, FolderGetsOneTrailingSeparator) {
    EXPECT_EQ(ImportPaths::In("/a b/c").Store(), "/a b/c/Lodrin.db");
    EXPECT_EQ(ImportPaths::In("/a b/c/").MobileStore(), "/a b/c/Lodrin_An.db");
    EXPECT_EQ(ImportPaths::In("/x").OldStore(), "/x/Lodrin.dat");
}

} // namespace
} // namespace lodrin
