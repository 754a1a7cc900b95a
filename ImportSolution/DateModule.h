#pragma once

#include "ImportSolution/OldStore.h"

#include <memory>
#include <string>

namespace lodrin {

// How opening the old store before a run went.
enum class OldStoreOpen { Opened, Missing, Failed };

// Holds the connection to the old store "Lodrin.dat": opened by the window before an
// old-store run, used by that run's worker alone, replaced at the next opening.
class TDataModule1 {
public:
    // Closes any earlier connection and opens the file; Missing when it does not exist,
    // Failed when it is no readable old store.
    OldStoreOpen OpenOldStore(const std::string& path);
    // Closes the connection; sources made from it must be gone by then.
    void Close() { ADOConnection1.reset(); }
    bool IsOpen() const { return ADOConnection1 != nullptr; }
    // A source over Tab_Solution of the open store (only while IsOpen()).
    std::unique_ptr<TSolutionSource> MakeQuery() const;

private:
    std::unique_ptr<TOldStoreFile> ADOConnection1;
};

} // namespace lodrin
