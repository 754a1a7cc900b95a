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
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace lodrin {
namespace {

// A child process with a pipe to its standard input and one from its standard output.
class TChild {
public:
    explicit TChild(const std::vector<std::string>& args) {
        int in[2], out[2];
        EXPECT_EQ(pipe(in), 0);
        EXPECT_EQ(pipe(out), 0);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        for (int fd : {in[0], in[1], out[0], out[1]}) {
            posix_spawn_file_actions_addclose(&actions, fd);
        }
        std::vector<char*> argv;
        for (const std::string& arg : args) {
            argv.push_back(const_cast<char*>(arg.c_str()));
        }
        argv.push_back(nullptr);
        EXPECT_EQ(posix_spawn(&Pid_, argv[0], &actions, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        close(in[0]);
        close(out[1]);
        Stdin_ = in[1];
        Stdout_ = out[0];
    }
    ~TChild() {
        close(Stdin_);
        close(Stdout_);
        if (Pid_ > 0) {
            kill(Pid_, SIGKILL);
            waitpid(Pid_, nullptr, 0);
        }
    }
    // The next line the child prints; empty at its end.
    std::string ReadLine() {
        std::string line;
        char ch = 0;
        while (read(Stdout_, &ch, 1) == 1 && ch != '\n') {
            line.push_back(ch);
        }
        return line;
    }
    // Everything the child prints until it closes its standard output.
    std::string ReadAll() {
        std::string all;
        char buffer[4096];
        for (ssize_t n; (n = read(Stdout_, buffer, sizeof buffer)) > 0;) {
            all.append(buffer, static_cast<std::size_t>(n));
        }
        return all;
    }
    // Waits for the child to end; returns its exit code (-1 when a signal ended it).
    int Wait() {
        int status = 0;
        waitpid(Pid_, &status, 0);
        Pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    // Kills the child at once and reaps it; returns the signal that ended it.
    int KillHard() {
        kill(Pid_, SIGKILL);
        int status = 0;
        waitpid(Pid_, &status, 0);
        Pid_ = -1;
        return WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    }

private:
    pid_t Pid_ = -1;
    int Stdin_ = -1;
    int Stdout_ = -1;
};

std::vector<std::string> StoreRows(const std::string& path) {
    SQLite::Database db(path, SQLite::OPEN_READONLY);
    SQLite::Statement rows(
        db, "SELECT ID, XSB_CRC32, Sol_CRC32, Sol_Text FROM Tab_Solution ORDER BY ID");
    std::vector<std::string> out;
    while (rows.executeStep()) {
        out.push_back(rows.getColumn(0).getString() + "|" + rows.getColumn(1).getString() + "|" +
                      rows.getColumn(2).getString() + "|" + rows.getColumn(3).getString());
    }
    return out;
}

TEST(KilledRun, StoreKeepsExactlyTheRowsItHadBefore) {
    test::TempDir dir;
    const ImportPaths paths = ImportPaths::In(dir.Path().string());
    std::vector<test::GStateRow> rows;
    for (int i = 0; i < 5; ++i) {
        rows.push_back({test::SmallLevel, "before" + std::to_string(i)});
    }
    test::WriteMobileStore(paths.MobileStore(), rows);
    ASSERT_TRUE(PrepareSolutionStoreAt(paths.Store()));
    std::atomic<bool> stop{false};
    TMobileSource first(paths.MobileStore());
    ASSERT_EQ(RunImportAt(paths.Store(), first, stop, {}).Counters.Imported, 5);
    const std::vector<std::string> before = StoreRows(paths.Store());
    const std::string bytesBefore = test::ReadFileBytes(paths.Store());

    std::filesystem::remove(paths.MobileStore());
    rows.clear();
    for (int i = 0; i < 30000; ++i) {
        rows.push_back({test::SmallLevel, "during" + std::to_string(i)});
    }
    test::WriteMobileStore(paths.MobileStore(), rows);

    TChild child({LODRIN_IMPORT_CHILD, dir.Path().string(), "20000"});
    ASSERT_EQ(child.ReadLine(), "inside");
    EXPECT_TRUE(std::filesystem::exists(paths.Store() + "-journal")) << "the transaction is open";
    EXPECT_NE(test::ReadFileBytes(paths.Store()), bytesBefore) << "and has written into the file";
    EXPECT_EQ(child.KillHard(), SIGKILL);

    SQLite::Database db(paths.Store(), SQLite::OPEN_READWRITE); // rolls the journal back
    EXPECT_EQ(db.execAndGet("PRAGMA integrity_check").getString(), "ok");
    EXPECT_EQ(StoreRows(paths.Store()), before);
}

// The program itself, started as a script would start it.
TEST(HeadlessProgram, PrintsTheMessageOrTheReportAndExitsWithItsCode) {
    test::TempDir dir("脚本 folder");
    {
        TChild missing(
            {LODRIN_SOLUTIONS_PROGRAM, "--import", "mobile", "--dir", dir.Path().string()});
        EXPECT_EQ(missing.ReadLine(), "没有找到手机版Quarvo的答案库！");
        EXPECT_EQ(missing.ReadLine(), "请先把手机版答案库改名为 Lodrin_An.db 并复制到当前目录下。");
        EXPECT_EQ(missing.Wait(), 1);
    }
    test::WriteMobileStore(dir.Folder() + "Lodrin_An.db", {{test::SmallLevel, "ulR"}});
    TChild report({LODRIN_SOLUTIONS_PROGRAM, "--dir", dir.Path().string(), "--import", "mobile"});
    EXPECT_EQ(report.ReadLine(), "已处理的答案总数：1");
    EXPECT_EQ(report.ReadLine(), "成功导入数：1");
    EXPECT_EQ(report.ReadLine(), "因重复未导入数：0");
    EXPECT_EQ(report.ReadLine(), "无效答案数：0");
    EXPECT_EQ(report.Wait(), 0);
    TChild wrong({LODRIN_SOLUTIONS_PROGRAM, "--import", "somewhere"});
    EXPECT_EQ(wrong.Wait(), 2);
}

TEST(HeadlessProgram, DamagedOldStoreEndsWithTheMessageAndNothingElse) {
    LODRIN_REQUIRE_SHARED(test::OldFixture("old_store.mdb"));
    test::TempDir dir;
    // One changed byte sends libmdb into a loop that takes memory without end: the
    // reader child meets its limit, the program stays in charge.
    test::WriteFileBytes(dir.Folder() + "Lodrin.dat", test::DamagedOldStoreBytes());
    TChild damaged({LODRIN_SOLUTIONS_PROGRAM, "--import", "old", "--dir", dir.Path().string()});
    EXPECT_EQ(damaged.ReadAll(), std::string(OldStoreOpenFailedText) + "\n");
    EXPECT_EQ(damaged.Wait(), 1);
    EXPECT_EQ(test::StoreRowCount(dir.Folder() + "Lodrin.db"), 0);

    // libmdb prints a hex dump of a truncated file; none of it reaches the output.
    const std::string whole = test::ReadFileBytes(test::OldFixture("old_store.mdb"));
    test::WriteFileBytes(dir.Folder() + "Lodrin.dat", whole.substr(0, whole.size() - 8192));
    TChild truncated({LODRIN_SOLUTIONS_PROGRAM, "--import", "old", "--dir", dir.Path().string()});
    const std::string out = truncated.ReadAll();
    const int code = truncated.Wait();
    const bool message = out == std::string(OldStoreOpenFailedText) + "\n" ||
                         out == std::string(ImportFailedText) + "\n";
    const bool report =
        out.rfind("已处理的答案总数：", 0) == 0 && std::count(out.begin(), out.end(), '\n') == 4;
    EXPECT_TRUE(code == 1 ? message : report) << code << ": " << out;
}

} // namespace
} // namespace lodrin
