#include "ImportSolution/ImportRun.h"

#include "ImportSolution/ImportMessages.h"

#include <algorithm>
#include <climits>
#include <memory>

namespace lodrin {
namespace {

int ClampToInt(std::int64_t value) {
    return static_cast<int>(std::min<std::int64_t>(value, INT_MAX));
}

ImportOutcome Failed(std::string reason, ImportCounters counters = {},
                     std::string_view text = ImportFailedText) {
    return {std::string(text), false, counters, std::move(reason)};
}

// The outcome of a run that an exception ended, with its reason.
ImportOutcome FailedBy(const ImportCounters& counters) {
    try {
        throw;
    } catch (const TSourceError& error) {
        return Failed(error.what(), counters, error.Message());
    } catch (const std::exception& error) {
        return Failed(error.what(), counters);
    } catch (...) {
        return Failed("an unknown error", counters);
    }
}

// Hands the run's final text to the window and returns the outcome.
ImportOutcome Finished(ImportOutcome outcome, const ImportReports& reports) {
    if (reports.Finish) {
        reports.Finish(outcome.Text);
    }
    return outcome;
}

// The loop over the source rows; throws on any read or write error.
ImportOutcome ImportRows(SQLite::Database& db, TSolutionSource& source,
                         const std::atomic<bool>& StopRequested, const ImportReports& reports,
                         ImportCounters& counters) {
    if (!source.Open(StopRequested)) {
        return {std::string(MobileStoreMissingText), false, counters, {}};
    }
    TSolutionStore store(db);
    const bool old = source.Kind() == ImportSource::Old;
    if (reports.SetMaximum) {
        reports.SetMaximum(ClampToInt(static_cast<std::int64_t>(source.RowCount())));
    }
    SolutionRow row;
    std::int64_t position = 0;
    while (!StopRequested.load(std::memory_order_relaxed) && !source.AtEnd()) {
        if (reports.SetPosition) {
            reports.SetPosition(ClampToInt(++position));
        }
        const SourceRow read = source.Next(row);
        ++counters.Processed;
        if (read == SourceRow::Invalid) {
            continue;
        }
        if (old ? store.IsOldDuplicate(row.Key()) : store.IsMobileDuplicate(row.Key())) {
            ++counters.Duplicates;
            continue;
        }
        old ? store.InsertOld(row) : store.InsertMobile(row);
        ++counters.Imported;
    }
    return {ReportText(counters), true, counters, {}};
}

} // namespace

std::string ReportText(const ImportCounters& counters) {
    return "已处理的答案总数：" + std::to_string(counters.Processed) + "\n成功导入数：" +
           std::to_string(counters.Imported) + "\n因重复未导入数：" +
           std::to_string(counters.Duplicates) + "\n无效答案数：" +
           std::to_string(counters.Invalid());
}

ImportOutcome RunImport(SQLite::Database& store, TSolutionSource& source,
                        const std::atomic<bool>& StopRequested, const ImportReports& reports) {
    try {
        store.exec("BEGIN TRANSACTION");
    } catch (...) {
        return Finished(FailedBy({}), reports);
    }
    ImportCounters counters;
    ImportOutcome outcome;
    try {
        outcome = ImportRows(store, source, StopRequested, reports, counters);
    } catch (...) {
        outcome = FailedBy(counters);
    }
    source.Close();
    // Whatever ended the run, the rows inserted so far are kept.
    try {
        store.exec("COMMIT");
    } catch (...) {
        outcome = FailedBy(counters);
    }
    return Finished(std::move(outcome), reports);
}

ImportOutcome RunImportAt(const std::string& storePath, TSolutionSource& source,
                          const std::atomic<bool>& StopRequested, const ImportReports& reports) {
    std::unique_ptr<SQLite::Database> db;
    try {
        db = std::make_unique<SQLite::Database>(storePath, SQLite::OPEN_READWRITE);
    } catch (...) {
        return Finished(FailedBy({}), reports);
    }
    return RunImport(*db, source, StopRequested, reports);
}

} // namespace lodrin
