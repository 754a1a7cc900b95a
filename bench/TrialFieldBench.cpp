// The trial window's work per event: drawing the whole board (100 x 100 squares
// at 10 pixels, 30 x 30 at 60, seamless skins, the keeper's reach shown), and a
// click on each real large level of ../shared/data/large with going through on:
// the search, the moves played and the board drawn again.

#include "LoadSkin/SkinFile.h"
#include "TrialUnit/TrialPicture.h"
#include "board/LevelText.h"
#include "board/XsbRows.h"
#include "support/SharedData.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace lodrin;

// A shipped skin, loaded once.
const SkinTiles& Skin(const char* name) {
    static std::vector<std::pair<std::string, std::unique_ptr<SkinTiles>>> loaded;
    for (const auto& [loadedName, tiles] : loaded) {
        if (loadedName == name) {
            return *tiles;
        }
    }
    auto tiles = std::make_unique<SkinTiles>();
    const std::string path = std::string(LODRIN_SKINS_DIR) + "/" + name + ".bmp";
    if (!LoadSkinFile(path, *tiles) || !tiles->Seamless) {
        std::fprintf(stderr, "no seamless skin at %s\n", path.c_str());
        std::exit(1);
    }
    loaded.emplace_back(name, std::move(tiles));
    return *loaded.back().second;
}

// Walls framing the board, wall blocks and single walls, boxes and goals
// scattered over the floor, the keeper near the middle.
TrialBoard Generated(int side, unsigned seed) {
    TrialBoard board;
    board.Rows = side;
    board.Cols = side;
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    for (int r = 0; r < side; ++r) {
        for (int c = 0; c < side; ++c) {
            const double x = u(rng);
            const bool edge = r == 0 || c == 0 || r == side - 1 || c == side - 1;
            TrialCode code = x < 0.12   ? TrialCode::Wall
                             : x < 0.18 ? TrialCode::Box
                             : x < 0.24 ? TrialCode::Goal
                                        : TrialCode::Floor;
            board.Cells[static_cast<std::size_t>(r * side + c)] = edge ? TrialCode::Wall : code;
        }
    }
    // Blocks of 2 x 2 walls, for the corner pieces.
    for (int r = 2; r + 3 < side; r += 7) {
        for (int c = 2; c + 3 < side; c += 9) {
            for (const int p :
                 {r * side + c, r * side + c + 1, (r + 1) * side + c, (r + 1) * side + c + 1}) {
                board.Cells[static_cast<std::size_t>(p)] = TrialCode::Wall;
            }
        }
    }
    board.Cells[static_cast<std::size_t>(side / 2 * side + side / 2 + 1)] = TrialCode::Keeper;
    return board;
}

void DrawMap(benchmark::State& state, int side, int cell, const char* skin) {
    const SkinTiles& tiles = Skin(skin);
    TTrialField field;
    field.HandOver(Generated(side, 7), PlayMode::Forward);
    field.Open();
    field.FitView(side * cell, side * cell, tiles.TileSize);
    if (field.CellSize() != cell) {
        state.SkipWithError("the squares are not of the size asked for");
        return;
    }
    const TTrialPlay& play = field.Play();
    const int keeper = play.KeeperPos();
    field.MouseDown(BoardToView(0, keeper / side, keeper % side, side, side), true);
    if (!field.ShowKeeperReach()) {
        state.SkipWithError("the keeper's reach is not shown");
        return;
    }
    TTrialPicture picture;
    picture.DrawMap(field, tiles); // the tiles scaled once for the size
    for (auto _ : state) {
        benchmark::DoNotOptimize(picture.DrawMap(field, tiles).constBits());
    }
    int marked = 0;
    for (int p = 0; p < play.CellCount(); ++p) {
        marked += field.KeeperMarkAt(p) != KeeperMark::None;
    }
    state.counters["marks"] = marked;
}

// A real level, handed over as the editor does, and the two squares a click
// walks the keeper between: where it starts and the reachable square farthest away.
struct LargeLevel {
    std::string Name;
    TrialBoard Board;
    ViewCell Start;
    ViewCell Far;
};

bool ReadLevel(const std::filesystem::path& path, LargeLevel& level) {
    TMapNode node;
    if (!ReadLevelText(test::ReadFileBytes(path), node) || node.Rows.size() > 100) {
        return false;
    }
    for (const std::string& row : node.Rows) {
        if (row.size() > 100) {
            return false;
        }
    }
    Board board;
    ReadRowsIntoBoard(node.Rows, board);
    const TrialHandOver handOver = HandOverToTrial(board);
    if (!handOver.Ok()) {
        return false;
    }
    level.Name = path.stem().string();
    level.Board = handOver.Board;
    return true;
}

// The reachable square whose path from the keeper is longest.
void ChooseSquares(LargeLevel& level) {
    TTrialField field;
    field.HandOver(level.Board, PlayMode::Forward);
    field.Open();
    const TTrialPlay& play = field.Play();
    const int cols = play.TrialCols();
    TPathFinder finder;
    finder.SetBoardSize(cols, play.TrialRows());
    finder.SetGoThrough(true);
    std::size_t longest = 0;
    int far = play.KeeperPos();
    for (int p = 0; p < play.CellCount(); ++p) {
        if (IsFreeCode(play.Cells()[static_cast<std::size_t>(p)])) {
            const std::size_t length =
                finder.KeeperPath(PlayMode::Forward, play.Cells(), p, play.KeeperPos()).size();
            if (length > longest) {
                longest = length;
                far = p;
            }
        }
    }
    level.Start = {play.KeeperPos() % cols, play.KeeperPos() / cols};
    level.Far = {far % cols, far / cols};
}

// One click per iteration, alternately on the far square and back on the start.
void Click(benchmark::State& state, const LargeLevel* level) {
    const SkinTiles& tiles = Skin("Stone40");
    TTrialField field;
    field.HandOver(level->Board, PlayMode::Forward);
    field.Open();
    field.FitView(800, 540, tiles.TileSize);
    TTrialPicture picture;
    picture.DrawMap(field, tiles);
    std::size_t clicks = 0;
    int moves = 0;
    for (auto _ : state) {
        const ViewCell target = clicks++ % 2 == 0 ? level->Far : level->Start;
        const int before = field.Play().MoveCount();
        if (field.MouseDown(target, true).Redraw) {
            picture.DrawMap(field, tiles);
        }
        moves = std::max(moves, std::abs(field.Play().MoveCount() - before));
    }
    state.counters["moves"] = moves;
    state.counters["cell"] = field.CellSize();
}

void Register() {
    benchmark::RegisterBenchmark("DrawMap/100x100/10px/Stone40", DrawMap, 100, 10, "Stone40")
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("DrawMap/30x30/60px/Ice96", DrawMap, 30, 60, "Ice96")
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("DrawMap/30x30/60px/Garden64", DrawMap, 30, 60, "Garden64")
        ->Unit(benchmark::kMillisecond);
    static std::vector<LargeLevel> levels;
    const std::filesystem::path large = test::SharedDir() / "data" / "large";
    if (!std::filesystem::exists(large)) {
        std::fprintf(stderr, "shared data not found (%s): no click benchmarks\n",
                     large.string().c_str());
        return;
    }
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(large)) {
        files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    levels.reserve(files.size());
    for (const auto& file : files) {
        LargeLevel level;
        if (ReadLevel(file, level)) {
            ChooseSquares(level);
            levels.push_back(std::move(level));
        }
    }
    for (const LargeLevel& level : levels) {
        benchmark::RegisterBenchmark(("Click/" + level.Name).c_str(), Click, &level)
            ->Unit(benchmark::kMillisecond);
    }
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    Register();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
