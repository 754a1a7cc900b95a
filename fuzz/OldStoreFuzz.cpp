// Any file as the old store "Lodrin.dat", read by a reader child (this program itself,
// started with the reader option) as an import reads it: whatever libmdb makes of the
// file in the child, the run ends with the report or one of its messages, and the
// store holds exactly the rows counted as imported.

#include "ImportSolution/DateModule.h"
#include "ImportSolution/ImportMessages.h"
#include "ImportSolution/ImportRun.h"
#include "ImportSolution/ImportStart.h"
#include "ImportSolution/OldStoreReader.h"
#include "fuzz/FuzzInput.h"

#include <SQLiteCpp/Database.h>

#include <cstring>
#include <unistd.h>

using namespace lodrin;

namespace {

// This program, which reads old stores when started with the reader option.
OldStoreReaderCommand SelfReader() {
    std::string self(4096, '\0');
    const ssize_t n = readlink("/proc/self/exe", self.data(), self.size());
    fuzz::Require(n > 0, "the program knows its own path");
    self.resize(static_cast<std::size_t>(n));
    OldStoreReaderCommand reader{{self, ReadOldStoreOption}, {}, {}};
    reader.Limits.StallMs = 20000;
    return reader;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    if (*argc == 3 && std::strcmp((*argv)[1], ReadOldStoreOption) == 0) {
        std::_Exit(RunOldStoreReader((*argv)[2], ReaderStreamFd));
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const OldStoreReaderCommand reader = SelfReader();
    fuzz::WriteScratchFile("Lodrin.dat", fuzz::AsText(data, size));
    const ImportPaths paths = ImportPaths::In(fuzz::ScratchFolder().string());
    std::filesystem::remove(paths.Store());
    TDataModule1 module(reader);
    ImportStart start = StartImport(paths, ImportSource::Old, module);
    if (!start.Source) {
        fuzz::Require(start.Message == OldStoreOpenFailedText, "only a file that is no Jet file");
        return 0;
    }
    std::atomic<bool> stop{false};
    const ImportOutcome outcome = RunImportAt(paths.Store(), *start.Source, stop, {});
    fuzz::Require(outcome.IsReport || outcome.Text == OldStoreOpenFailedText ||
                      outcome.Text == ImportFailedText,
                  "the run ends with the report or a message");
    SQLite::Database db(paths.Store(), SQLite::OPEN_READONLY);
    fuzz::Require(db.execAndGet("SELECT count(*) FROM Tab_Solution").getInt64() ==
                      outcome.Counters.Imported,
                  "the store holds the rows counted as imported");
    return 0;
}
