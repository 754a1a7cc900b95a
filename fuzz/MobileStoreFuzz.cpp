// Any file as the mobile store "Lodrin_An.db", imported into a fresh solution store: the
// run ends with the report or one of its messages, and the store holds exactly the rows
// the run counts as imported.

#include "ImportSolution/ImportMessages.h"
#include "ImportSolution/ImportRun.h"
#include "ImportSolution/MobileStore.h"
#include "ImportSolution/SolutionStore.h"
#include "fuzz/FuzzInput.h"

#include <SQLiteCpp/Database.h>

using namespace lodrin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string mobile = fuzz::WriteScratchFile("Lodrin_An.db", fuzz::AsText(data, size));
    const std::string store = (fuzz::ScratchFolder() / "Lodrin.db").string();
    std::filesystem::remove(store);
    fuzz::Require(PrepareSolutionStoreAt(store), "a fresh store can be prepared");
    TMobileSource source(mobile);
    std::atomic<bool> stop{false};
    const ImportOutcome outcome = RunImportAt(store, source, stop, {});
    fuzz::Require(outcome.IsReport || outcome.Text == MobileStoreMissingText ||
                      outcome.Text == ImportFailedText,
                  "the run ends with the report or a message");
    SQLite::Database db(store, SQLite::OPEN_READONLY);
    fuzz::Require(db.execAndGet("SELECT count(*) FROM Tab_Solution").getInt64() ==
                      outcome.Counters.Imported,
                  "the store holds the rows counted as imported");
    return 0;
}
