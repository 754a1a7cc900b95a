#pragma once

#include "ImportSolution/SolutionSource.h"

#include <SQLiteCpp/Database.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

namespace lodrin {

// The counts of a run; invalid rows are the rest of the processed ones.
struct ImportCounters {
    std::int64_t Processed = 0;
    std::int64_t Imported = 0;
    std::int64_t Duplicates = 0;
    std::int64_t Invalid() const { return Processed - Imported - Duplicates; }
};

// The four-line report of a finished or stopped run.
std::string ReportText(const ImportCounters& counters);

// How a run tells its progress; any callback may be empty.
struct ImportReports {
    std::function<void(int)> SetMaximum;            // number of source rows
    std::function<void(int)> SetPosition;           // row about to be processed, from 1
    std::function<void(const std::string&)> Finish; // the report or a message
};

// How a run ended: its final text, whether that text is the report, the counts, and
// for a run that failed, why (the exception's text, the SQLite error).
struct ImportOutcome {
    std::string Text;
    bool IsReport = false;
    ImportCounters Counters;
    std::string Reason;
};

// Imports every row of the source into the prepared store on `store`, in one
// transaction that is committed whatever happens; checks StopRequested before each row.
// Errors become the failure text; nothing throws.
ImportOutcome RunImport(SQLite::Database& store, TSolutionSource& source,
                        const std::atomic<bool>& StopRequested, const ImportReports& reports);

// RunImport on a connection of its own to the store file.
ImportOutcome RunImportAt(const std::string& storePath, TSolutionSource& source,
                          const std::atomic<bool>& StopRequested, const ImportReports& reports);

} // namespace lodrin
