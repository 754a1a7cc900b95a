// Replaying 200000 moves in the trial field: redo all, then undo all.

#include "TrialUnit/TrialHandOver.h"
#include "TrialUnit/TrialPlay.h"
#include "board/XsbRows.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// The keeper pushes the box right, walks round it, pushes it back and returns:
// ten moves, two of them pushes, ending where they began.
const char* const Cycle = "RurrdLulld";

// The cycle repeated up to `count` moves (a multiple of ten).
std::string CycleMoves(std::size_t count) {
    std::string moves;
    while (moves.size() < count) {
        moves += Cycle;
    }
    return moves;
}

// The cycle's room, handed over as the editor does.
lodrin::TrialBoard CycleBoard() {
    lodrin::Board board;
    lodrin::ReadRowsIntoBoard({"#######", "#     #", "#@$   #", "#     #", "#######"}, board);
    return lodrin::HandOverToTrial(board).Board;
}

void BM_RedoAllUndoAll200000(benchmark::State& state) {
    lodrin::TTrialPlay play;
    play.SetBoard(CycleBoard(), lodrin::PlayMode::Forward);
    play.PlayClick(CycleMoves(200000));
    if (play.MoveCount() != 200000) {
        state.SkipWithError("the cycle did not replay");
        return;
    }
    play.UndoAll();
    for (auto _ : state) {
        play.RedoAll();
        play.UndoAll();
    }
    state.SetItemsProcessed(state.iterations() * 2 * 200000);
}
BENCHMARK(BM_RedoAllUndoAll200000)->Unit(benchmark::kMillisecond);

// The clipboard reader takes as many moves as the redo tail holds.
void BM_ClipboardReplay200000(benchmark::State& state) {
    const std::string moves = CycleMoves(200000);
    const lodrin::TrialBoard board = CycleBoard();
    lodrin::TTrialPlay play;
    for (auto _ : state) {
        play.SetBoard(board, lodrin::PlayMode::Forward);
        play.PlayClipboard(moves);
    }
    if (play.MoveCount() != 200000) {
        state.SkipWithError("the clipboard text did not replay");
    }
    state.SetItemsProcessed(state.iterations() * 200000);
}
BENCHMARK(BM_ClipboardReplay200000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
