#pragma once

#include "ImportSolution/OldStore.h"

#include <memory>
#include <string>

namespace lodrin {

// How opening the old store before a run went.
enum class OldStoreOpen { Opened, Missing, Failed };

// Holds the connection to the old store "Lodrin.dat": opened by the window before an
// old-store run, used by that run's worker alone, replaced at the next opening. The
// file itself is read by a reader child that each run starts; opening checks only that
// the file is there and begins as a Jet database does.
class TDataModule1 {
public:
    // `reader` says how each old-store run starts its reader child.
    explicit TDataModule1(OldStoreReaderCommand reader) : Reader_(std::move(reader)) {}

    // Closes any earlier connection and opens the file; Missing when it does not exist,
    // Failed when it is no Jet database (`reason` then says why).
    OldStoreOpen OpenOldStore(const std::string& path, std::string* reason = nullptr);
    // Closes the connection.
    void Close() { ADOConnection1.clear(); }
    bool IsOpen() const { return !ADOConnection1.empty(); }
    // A source over Tab_Solution of the open store (only while IsOpen()).
    std::unique_ptr<TSolutionSource> MakeQuery() const;

private:
    OldStoreReaderCommand Reader_;
    std::string ADOConnection1; // the path of the open store, empty when closed
};

} // namespace lodrin
