// Test helper: imports the mobile store of a folder and, when it is about to process
// row N, prints "inside" and waits on its standard input, so that the test can kill it
// in the middle of the run's transaction.
//   import_child FOLDER N

#include "ImportSolution/ImportRun.h"
#include "ImportSolution/ImportStart.h"
#include "ImportSolution/MobileStore.h"

#include <SQLiteCpp/Database.h>

#include <cstdio>
#include <string>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: import_child FOLDER N\n");
        return 2;
    }
    const lodrin::ImportPaths paths = lodrin::ImportPaths::In(argv[1]);
    const int stopAt = std::stoi(argv[2]);
    SQLite::Database store(paths.Store(), SQLite::OPEN_READWRITE);
    // A small page cache makes the transaction write into the file long before it ends.
    store.exec("PRAGMA cache_size = 20");
    lodrin::TMobileSource source(paths.MobileStore());
    std::atomic<bool> stop{false};
    lodrin::ImportReports reports;
    reports.SetPosition = [stopAt](int position) {
        if (position == stopAt) {
            std::printf("inside\n");
            std::fflush(stdout);
            char byte = 0;
            while (read(STDIN_FILENO, &byte, 1) > 0) {
            }
        }
    };
    const lodrin::ImportOutcome outcome = lodrin::RunImport(store, source, stop, reports);
    std::printf("%s\n", outcome.Text.c_str());
    return outcome.IsReport ? 0 : 1;
}
