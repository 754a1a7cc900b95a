// The import run over a mobile store of 100000 solutions of real levels (10 percent of
// them repeated), against its floor: the same rows inserted with one prepared statement
// in one transaction. Also the eight turned checksums of a level, the allocation-free way
// against turning the rows with TurnBoard. Prints the ratios at the end.

#include "ImportSolution/CanonicalLevel.h"
#include "ImportSolution/ImportRun.h"
#include "ImportSolution/ImportStart.h"
#include "ImportSolution/LevelGrids.h"
#include "ImportSolution/MobileStore.h"
#include "ImportSolution/SolutionStore.h"
#include "board/Turn.h"
#include "support/MobileStoreFixture.h"
#include "support/SolvedLevels.h"
#include "support/TempDir.h"

#include "bench/support/RatioReporter.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <iostream>
#include <random>

namespace {

constexpr int RowCount = 100000;
constexpr int RepeatEvery = 10; // every tenth row repeats an earlier one

// The real levels of about 20 x 20 (16 to 24 rows and columns), each with its checked
// solution.
std::vector<lodrin::test::SolvedLevel> RealLevels() {
    std::vector<lodrin::test::SolvedLevel> levels = lodrin::test::LoadSolvedLevels();
    std::vector<lodrin::test::SolvedLevel> large;
    for (const auto& level : levels) {
        std::size_t width = 0;
        for (const std::string& row : level.Rows) {
            width = std::max(width, row.size());
        }
        const std::size_t height = level.Rows.size();
        if (height >= 16 && height <= 24 && width >= 16 && width <= 24) {
            large.push_back(level);
        }
    }
    return large.size() >= 20 ? large : levels;
}

// The mobile rows: each level under its eight turns with its solution turned alike and
// lengthened, and every tenth row a repeat of an earlier row.
std::vector<lodrin::test::GStateRow> MobileRows() {
    const std::vector<lodrin::test::SolvedLevel> levels = RealLevels();
    std::vector<lodrin::test::GStateRow> rows;
    rows.reserve(RowCount);
    std::mt19937 rng(7);
    for (int n = 0; static_cast<int>(rows.size()) < RowCount; ++n) {
        if (rows.size() % RepeatEvery == RepeatEvery - 1) {
            rows.push_back(rows[rng() % rows.size()]);
            continue;
        }
        const auto& level = levels[static_cast<std::size_t>(n) % levels.size()];
        const int turn = static_cast<int>(n / levels.size()) % lodrin::TurnCount;
        const auto variant = static_cast<std::size_t>(n / (levels.size() * lodrin::TurnCount));
        std::string answer = lodrin::TurnLurd(turn, level.Solution);
        for (std::size_t k = 0; k < variant; ++k) {
            answer += "lr";
        }
        rows.push_back({lodrin::test::JoinRows(lodrin::TurnBoard(level.Rows, turn)), answer,
                        static_cast<std::int64_t>(answer.size()), 0, "2024-05-06 07:08:09"});
    }
    return rows;
}

// A folder of its own with the mobile store written once.
struct BenchFolder {
    lodrin::test::TempDir Dir;
    lodrin::ImportPaths Paths = lodrin::ImportPaths::In(Dir.Folder());
    BenchFolder() { lodrin::test::WriteMobileStore(Paths.MobileStore(), MobileRows()); }
    std::string Store() const { return Paths.Store(); }
    // An empty, prepared solution store.
    void FreshStore() const {
        std::filesystem::remove(Store());
        lodrin::PrepareSolutionStoreAt(Store());
    }
};

const BenchFolder& Folder() {
    static const BenchFolder folder;
    return folder;
}

void BM_ImportMobile(benchmark::State& state) {
    const BenchFolder& folder = Folder();
    std::atomic<bool> stop{false};
    lodrin::ImportCounters counters;
    for (auto _ : state) {
        state.PauseTiming();
        folder.FreshStore();
        state.ResumeTiming();
        lodrin::TMobileSource source(folder.Paths.MobileStore());
        counters = lodrin::RunImportAt(folder.Store(), source, stop, {}).Counters;
    }
    state.counters["imported"] = static_cast<double>(counters.Imported);
    state.counters["duplicates"] = static_cast<double>(counters.Duplicates);
    state.counters["invalid"] = static_cast<double>(counters.Invalid());
    state.SetItemsProcessed(state.iterations() * RowCount);
}
BENCHMARK(BM_ImportMobile)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_PlainInsertFloor(benchmark::State& state) {
    const BenchFolder& folder = Folder();
    // The same rows, with their keys and canonical texts worked out beforehand.
    std::vector<lodrin::SolutionRow> rows;
    lodrin::TLevelCanonicalizer canonicalizer;
    lodrin::CanonicalLevel level;
    for (lodrin::test::GStateRow& g : MobileRows()) {
        lodrin::MobileRow in{g.Level, g.Answer, g.Moves, g.Pushs, g.DateTime};
        lodrin::SolutionRow row;
        if (lodrin::MobileRowToSolution(in, canonicalizer, level, row)) {
            rows.push_back(std::move(row));
        }
    }
    for (auto _ : state) {
        state.PauseTiming();
        folder.FreshStore();
        state.ResumeTiming();
        SQLite::Database db(folder.Store(), SQLite::OPEN_READWRITE);
        db.exec("BEGIN TRANSACTION");
        lodrin::TSolutionStore store(db);
        for (const lodrin::SolutionRow& row : rows) {
            store.InsertMobile(row);
        }
        db.exec("COMMIT");
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(rows.size()));
}
BENCHMARK(BM_PlainInsertFloor)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Canonical grids of the real levels, for the two ways to the eight checksums.
std::vector<std::vector<std::string>> CanonicalGrids() {
    std::vector<std::vector<std::string>> grids;
    for (const auto& level : RealLevels()) {
        const lodrin::CanonicalLevel canon =
            lodrin::CanonicalizeLevel(lodrin::test::JoinRows(level.Rows));
        if (canon.Ok) {
            grids.push_back(lodrin::SplitLevelLines(canon.XsbText));
        }
    }
    return grids;
}

void BM_TurnChecksumsFast(benchmark::State& state) {
    std::vector<std::pair<std::string, std::pair<int, int>>> cells;
    for (const auto& grid : CanonicalGrids()) {
        std::string flat;
        for (const std::string& row : grid) {
            flat += row;
        }
        cells.push_back({flat, {static_cast<int>(grid.size()), static_cast<int>(grid[0].size())}});
    }
    for (auto _ : state) {
        for (const auto& [flat, size] : cells) {
            for (int turn = 0; turn < lodrin::TurnCount; ++turn) {
                benchmark::DoNotOptimize(
                    lodrin::TurnedGridCrc32(flat, size.first, size.second, turn));
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(cells.size()));
}
BENCHMARK(BM_TurnChecksumsFast)->Unit(benchmark::kMicrosecond);

void BM_TurnChecksumsTurnBoard(benchmark::State& state) {
    const std::vector<std::vector<std::string>> grids = CanonicalGrids();
    for (auto _ : state) {
        for (const auto& grid : grids) {
            for (int turn = 0; turn < lodrin::TurnCount; ++turn) {
                const std::vector<std::string> turned = lodrin::TurnBoard(grid, turn);
                benchmark::DoNotOptimize(lodrin::test::Crc32Grid(
                    turned, static_cast<int>(turned.size()), static_cast<int>(turned[0].size())));
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(grids.size()));
}
BENCHMARK(BM_TurnChecksumsTurnBoard)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (!std::filesystem::exists(lodrin::test::SolvedLevelsPath())) {
        std::cerr << "shared levels not found: " << lodrin::test::SolvedLevelsPath() << "\n";
        return 1;
    }
    lodrin::bench::TRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("BM_ImportMobile/min_time:2.000", "BM_PlainInsertFloor/min_time:2.000",
                        "import / plain-insert floor (goal: at most 3)");
    reporter.PrintRatio("BM_TurnChecksumsTurnBoard", "BM_TurnChecksumsFast",
                        "TurnBoard checksums / allocation-free checksums");
    benchmark::Shutdown();
    return 0;
}
