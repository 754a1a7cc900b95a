#pragma once

#include "ImportSolution/OldStoreStream.h"
#include "ImportSolution/ReaderChild.h"
#include "ImportSolution/SolutionSource.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lodrin {

// The date and time of an old-store row (days since 1899-12-30, the time of day as the
// fraction) as " yyyy-mm-dd hh:nn"; empty outside the years 100 to 9999.
std::string OldDateText(double oleDate);

// Whether the bytes begin as a Jet (Access) database file does.
bool HasJetSignature(std::string_view firstBytes);

// How the old store's reader is started: the program with the arguments that come
// before the store's path, the limits it runs under, and the clock its watch reads
// (empty: the steady clock).
struct OldStoreReaderCommand {
    std::vector<std::string> Program;
    ReaderLimits Limits;
    MsClock Clock;
};

// The rows of Tab_Solution of an old store, with the keys as stored. A reader child
// (libmdb is not trusted with damaged files in the importer's own process) reads the
// file and streams the rows; any failure of it ends the run with the message for an
// old store that cannot be opened before the first row, the failure message after it.
class TOldSource final : public TSolutionSource {
public:
    TOldSource(std::string path, OldStoreReaderCommand command);
    ~TOldSource() override;

    ImportSource Kind() const override { return ImportSource::Old; }
    bool Open(const std::atomic<bool>& StopRequested) override;
    std::size_t RowCount() const override { return RowCount_; }
    bool AtEnd() override;
    SourceRow Next(SolutionRow& row) override;
    // Kills the reader child if it still runs.
    void Close() override;

private:
    OldStoreMessage Receive();
    void CheckEnd();
    [[noreturn]] void Fail(std::string reason);

    std::string Path_;
    OldStoreReaderCommand Command_;
    std::unique_ptr<TReaderChild> Child_;
    std::unique_ptr<TOldStoreStreamReader> Stream_;
    std::optional<OldStoreMessage> Pending_;
    std::size_t RowCount_ = 0;
    std::int64_t Delivered_ = 0;
    bool Ended_ = false;
};

} // namespace lodrin
