#pragma once

#include "ImportSolution/SolutionStore.h"

#include <cstddef>

namespace lodrin {

// The two stores solutions are imported from.
enum class ImportSource { Mobile, Old };

// What reading the next source row gave.
enum class SourceRow { Valid, Invalid };

// Where a run's rows come from: the rows of one source store, turned into store rows.
class TSolutionSource {
public:
    virtual ~TSolutionSource() = default;

    // Which store this is; it chooses the duplicate test and the insert.
    virtual ImportSource Kind() const = 0;
    // Gets the rows ready; false when the source holds nothing to import (the run then
    // shows the text that asks for the mobile store). Throws on read errors.
    virtual bool Open() = 0;
    // The number of rows Open found: the progress maximum.
    virtual std::size_t RowCount() const = 0;
    // Whether every row has been read. Throws on read errors.
    virtual bool AtEnd() = 0;
    // Reads the next row into `row` (only when not AtEnd). Invalid rows give no key and
    // are not stored. Throws on read errors.
    virtual SourceRow Next(SolutionRow& row) = 0;
};

} // namespace lodrin
