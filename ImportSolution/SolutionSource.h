#pragma once

#include "ImportSolution/SolutionStore.h"

#include <atomic>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace lodrin {

// The two stores solutions are imported from.
enum class ImportSource { Mobile, Old };

// What reading the next source row gave.
enum class SourceRow { Valid, Invalid };

// A source that cannot go on: the text the run ends with, and the reason behind it
// (what()).
class TSourceError : public std::runtime_error {
public:
    // `message` is one of the importer's own texts, which live as long as the program.
    TSourceError(std::string_view message, const std::string& reason)
        : std::runtime_error(reason), Message_(message) {}
    std::string_view Message() const { return Message_; }

private:
    std::string_view Message_;
};

// Where a run's rows come from: the rows of one source store, turned into store rows.
class TSolutionSource {
public:
    virtual ~TSolutionSource() = default;

    // Which store this is; it chooses the duplicate test and the insert.
    virtual ImportSource Kind() const = 0;
    // Gets the rows ready; false when the source holds nothing to import (the run then
    // shows the text that asks for the mobile store). A source that waits for its rows
    // looks at StopRequested meanwhile and, when it is set, reports no rows left.
    // Throws on read errors.
    virtual bool Open(const std::atomic<bool>& StopRequested) = 0;
    // The number of rows Open found: the progress maximum.
    virtual std::size_t RowCount() const = 0;
    // Whether every row has been read. Throws on read errors.
    virtual bool AtEnd() = 0;
    // Reads the next row into `row` (only when not AtEnd). Invalid rows give no key and
    // are not stored. Throws on read errors.
    virtual SourceRow Next(SolutionRow& row) = 0;
    // Lets go of what the rows came from (the file, the reader child) once the run has
    // read its last row, before it commits. Throws nothing.
    virtual void Close() {}
};

} // namespace lodrin
