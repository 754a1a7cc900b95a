#pragma once

#include "ImportSolution/SolutionSource.h"

#include <memory>
#include <string>

namespace lodrin {

// The date and time of an old-store row (days since 1899-12-30, the time of day as the
// fraction) as " yyyy-mm-dd hh:nn"; empty outside the years 100 to 9999.
std::string OldDateText(double oleDate);

// An open Jet (Access 2000) file of the old answer store, read with libmdb.
class TOldStoreFile {
public:
    // Opens the file and reads its catalog; nullptr when it is no readable Jet file.
    static std::unique_ptr<TOldStoreFile> Open(const std::string& path);
    ~TOldStoreFile();
    TOldStoreFile(const TOldStoreFile&) = delete;
    TOldStoreFile& operator=(const TOldStoreFile&) = delete;

    struct Handle;
    Handle& Get() { return *Handle_; }

private:
    explicit TOldStoreFile(std::unique_ptr<Handle> handle);
    std::unique_ptr<Handle> Handle_;
};

// The rows of Tab_Solution of an open old store, with the keys as stored.
class TOldSource : public TSolutionSource {
public:
    explicit TOldSource(TOldStoreFile& file);
    ~TOldSource() override;

    ImportSource Kind() const override { return ImportSource::Old; }
    bool Open() override;
    std::size_t RowCount() const override;
    bool AtEnd() override;
    SourceRow Next(SolutionRow& row) override;

private:
    struct Table;
    TOldStoreFile& File_;
    std::unique_ptr<Table> Table_;
};

} // namespace lodrin
