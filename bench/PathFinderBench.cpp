// Box reach and box routes, fast and straightforward finder in the same run, on
// an open 100 x 100 board with scattered walls and boxes, on a 100 x 100 board
// where a quarter of the floor holds boxes, and on the real large levels of
// ../shared/data/large that fit 100 x 100. Prints the ratios at the end.

#include "PathFinder/PathFinder.h"
#include "TrialUnit/TrialHandOver.h"
#include "board/LevelText.h"
#include "board/XsbRows.h"
#include "support/SharedData.h"

#include "bench/support/RatioReporter.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace {

using lodrin::TPathFinder;

struct BenchBoard {
    std::string Name;
    int Cols = 0;
    int Rows = 0;
    std::vector<lodrin::TrialCode> Cells;
    int Keeper = -1;
    int Box = -1;    // the selected box: the one with the widest forward reach found
    int Target = -1; // its marked square farthest away
};

// Walls framing the board, walls and boxes scattered over the floor.
BenchBoard RandomBoard(std::string name, double walls, double boxes, unsigned seed) {
    BenchBoard b{std::move(name),
                 100,
                 100,
                 std::vector<lodrin::TrialCode>(100 * 100, lodrin::TrialCode::Floor),
                 -1,
                 -1,
                 -1};
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    for (int p = 0; p < 100 * 100; ++p) {
        const int r = p / 100, c = p % 100;
        const double x = u(rng);
        if (r == 0 || c == 0 || r == 99 || c == 99 || x < walls) {
            b.Cells[static_cast<std::size_t>(p)] = lodrin::TrialCode::Wall;
        } else if (x < walls + boxes * (1.0 - walls)) {
            b.Cells[static_cast<std::size_t>(p)] = lodrin::TrialCode::Box;
        }
    }
    for (int p = 50 * 100 + 50; p < 100 * 100; ++p) {
        if (b.Cells[static_cast<std::size_t>(p)] == lodrin::TrialCode::Floor) {
            b.Cells[static_cast<std::size_t>(p)] = lodrin::TrialCode::Keeper;
            b.Keeper = p;
            break;
        }
    }
    return b;
}

// A real level read with the project's reader and handed over as the editor does.
bool LevelBoard(const std::filesystem::path& path, BenchBoard& b) {
    lodrin::TMapNode node;
    if (!lodrin::ReadLevelText(lodrin::test::ReadFileBytes(path), node) || node.Rows.size() > 100) {
        return false;
    }
    for (const std::string& row : node.Rows) {
        if (row.size() > 100) {
            return false;
        }
    }
    lodrin::Board board;
    lodrin::ReadRowsIntoBoard(node.Rows, board);
    const lodrin::TrialHandOver h = lodrin::HandOverToTrial(board);
    if (!h.Ok()) {
        return false;
    }
    b.Name = path.stem().string();
    b.Cols = h.Board.Cols;
    b.Rows = h.Board.Rows;
    b.Cells.assign(h.Board.Cells.begin(), h.Board.Cells.begin() + b.Cols * b.Rows);
    const auto keeper = std::find_if(b.Cells.begin(), b.Cells.end(), lodrin::IsKeeperCode);
    b.Keeper = static_cast<int>(keeper - b.Cells.begin());
    return true;
}

int Marked(const TPathFinder& f, int cells) {
    int n = 0;
    for (int p = 0; p < cells; ++p) {
        n += f.IsBoxReachFwd(p);
    }
    return n;
}

// Picks the box (of the 200 nearest the keeper) with the widest forward reach and
// its farthest marked square.
void ChooseBox(BenchBoard& b) {
    std::vector<int> boxes;
    for (int p = 0; p < b.Cols * b.Rows; ++p) {
        if (lodrin::IsBoxCode(b.Cells[static_cast<std::size_t>(p)])) {
            boxes.push_back(p);
        }
    }
    auto distance = [&](int a, int c) {
        return std::abs(a / b.Cols - c / b.Cols) + std::abs(a % b.Cols - c % b.Cols);
    };
    std::sort(boxes.begin(), boxes.end(),
              [&](int x, int y) { return distance(x, b.Keeper) < distance(y, b.Keeper); });
    boxes.resize(std::min<std::size_t>(boxes.size(), 200));
    TPathFinder f;
    f.SetBoardSize(b.Cols, b.Rows);
    f.SetGoThrough(false);
    int best = -1;
    for (const int box : boxes) {
        f.SelectBox(b.Cells, box);
        f.BoxReach(lodrin::PlayMode::Forward, box, b.Keeper);
        const int marked = Marked(f, b.Cols * b.Rows);
        if (marked > best) {
            best = marked;
            b.Box = box;
        }
    }
    f.SelectBox(b.Cells, b.Box);
    f.BoxReach(lodrin::PlayMode::Forward, b.Box, b.Keeper);
    for (int p = 0; p < b.Cols * b.Rows; ++p) {
        if (f.IsBoxReachFwd(p) &&
            (b.Target < 0 || distance(p, b.Box) > distance(b.Target, b.Box))) {
            b.Target = p;
        }
    }
}

std::vector<BenchBoard>& Boards() {
    static std::vector<BenchBoard> boards;
    return boards;
}

TPathFinder MakeFinder(const BenchBoard& b, bool goThrough, bool reference) {
    TPathFinder f;
    f.SetBoardSize(b.Cols, b.Rows);
    f.SetGoThrough(goThrough);
    f.UseReferenceSearch(reference);
    return f;
}

// Whether the fast and the straightforward finder agree on the box marks and the route.
bool Agree(const BenchBoard& b, bool goThrough, std::string& route) {
    TPathFinder fast = MakeFinder(b, goThrough, false);
    TPathFinder reference = MakeFinder(b, goThrough, true);
    for (TPathFinder* f : {&fast, &reference}) {
        f->SelectBox(b.Cells, b.Box);
        f->BoxReach(lodrin::PlayMode::Forward, b.Box, b.Keeper);
    }
    for (int p = 0; p < b.Cols * b.Rows; ++p) {
        if (fast.BoxMarks(p) != reference.BoxMarks(p)) {
            return false;
        }
    }
    route = fast.BoxPath(lodrin::PlayMode::Forward, b.Box, b.Target, b.Keeper);
    return route == reference.BoxPath(lodrin::PlayMode::Forward, b.Box, b.Target, b.Keeper);
}

void BoxReach(benchmark::State& state, const BenchBoard* b, bool goThrough, bool reference) {
    TPathFinder f = MakeFinder(*b, goThrough, reference);
    for (auto _ : state) {
        f.SelectBox(b->Cells, b->Box);
        f.BoxReach(lodrin::PlayMode::Forward, b->Box, b->Keeper);
    }
    state.counters["marked"] = Marked(f, b->Cols * b->Rows);
}

void BoxPath(benchmark::State& state, const BenchBoard* b, bool goThrough, bool reference) {
    TPathFinder f = MakeFinder(*b, goThrough, reference);
    std::size_t moves = 0;
    for (auto _ : state) {
        f.SelectBox(b->Cells, b->Box);
        moves = f.BoxPath(lodrin::PlayMode::Forward, b->Box, b->Target, b->Keeper).size();
    }
    state.counters["moves"] = static_cast<double>(moves);
}

void Register() {
    Boards().push_back(RandomBoard("Open100", 0.06, 0.04, 11));
    Boards().push_back(RandomBoard("QuarterBoxes100", 0.03, 0.25, 12));
    const std::filesystem::path large = lodrin::test::SharedDir() / "data" / "large";
    if (std::filesystem::exists(large)) {
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator(large)) {
            files.push_back(entry.path());
        }
        std::sort(files.begin(), files.end());
        for (const auto& file : files) {
            BenchBoard b;
            if (LevelBoard(file, b)) {
                Boards().push_back(std::move(b));
            }
        }
    } else {
        std::fprintf(stderr, "shared data not found (%s): only the generated boards\n",
                     large.string().c_str());
    }
    for (BenchBoard& b : Boards()) {
        ChooseBox(b);
        for (const bool goThrough : {false, true}) {
            std::string route;
            if (!Agree(b, goThrough, route)) {
                std::fprintf(stderr, "FAST AND REFERENCE DIFFER on %s\n", b.Name.c_str());
                std::exit(1);
            }
            const std::string suffix = b.Name + (goThrough ? "/GoThroughOn" : "/GoThroughOff");
            for (const bool reference : {true, false}) {
                const std::string kind = reference ? "/Reference" : "/Fast";
                benchmark::RegisterBenchmark(("BoxReach/" + suffix + kind).c_str(), BoxReach, &b,
                                             goThrough, reference)
                    ->Unit(benchmark::kMillisecond);
                benchmark::RegisterBenchmark(("BoxPath/" + suffix + kind).c_str(), BoxPath, &b,
                                             goThrough, reference)
                    ->Unit(benchmark::kMillisecond);
            }
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    Register();
    lodrin::bench::TRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintPairs("/Reference", "/Fast");
    benchmark::Shutdown();
    return 0;
}
