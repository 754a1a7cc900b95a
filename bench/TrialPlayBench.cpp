// Replaying 200000 moves in the trial field: redo all, then undo all.

#include "TrialUnit/TrialPlay.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// The keeper pushes the box right, walks round it, pushes it back and returns:
// ten moves, two of them pushes, ending where they began.
const char* const Cycle = "RurrdLulld";

lodrin::TrialBoard CycleBoard() {
    const char* rows[] = {"#######", "#     #", "#@$   #", "#     #", "#######"};
    lodrin::TrialBoard board;
    board.Rows = 5;
    board.Cols = 7;
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 7; ++c) {
            const char ch = rows[r][c];
            board.Cells[static_cast<std::size_t>(r * 7 + c)] = ch == '#'   ? 1
                                                               : ch == '$' ? 4
                                                               : ch == '@' ? 6
                                                                           : 2;
        }
    }
    return board;
}

void BM_RedoAllUndoAll200000(benchmark::State& state) {
    std::string moves;
    while (moves.size() < 200000) {
        moves += Cycle;
    }
    lodrin::TTrialPlay play;
    play.SetBoard(CycleBoard(), false);
    play.PlayClick(moves);
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

// The clipboard reader counts the line feed before the first token, so the
// longest text it takes holds 199999 moves.
void BM_ClipboardReplay199990(benchmark::State& state) {
    std::string moves;
    while (moves.size() < 199990) {
        moves += Cycle;
    }
    lodrin::TTrialPlay play;
    play.SetBoard(CycleBoard(), false);
    for (auto _ : state) {
        play.SetBoard(CycleBoard(), false);
        play.PlayClipboard(moves);
    }
    if (play.MoveCount() != 199990) {
        state.SkipWithError("the clipboard text did not replay");
    }
    state.SetItemsProcessed(state.iterations() * 199990);
}
BENCHMARK(BM_ClipboardReplay199990)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
