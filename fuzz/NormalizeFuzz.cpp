// Board normalization of any rows, standard and minimal: a normalized board normalizes
// again to itself, and a failure leaves the board as it was.

#include "board/LevelText.h"
#include "board/MapNormalize.h"
#include "board/XsbRows.h"
#include "fuzz/FuzzInput.h"

using namespace lodrin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const bool minimal = (data[0] & 1) != 0;
    Board board;
    ReadRowsIntoBoard(SplitTextLines(fuzz::AsText(data + 1, size - 1)), board);
    const Board before = board;
    const NormalizeOutcome outcome = NormalizeBoard(board, minimal);
    if (outcome.Result != NormalizeResult::NormalizeOk) {
        fuzz::Require(board == before, "a failed normalization changes nothing");
        return 0;
    }
    const Board once = board;
    fuzz::Require(NormalizeBoard(board, minimal).Result == NormalizeResult::NormalizeOk,
                  "a normalized board normalizes again");
    fuzz::Require(board == once, "normalizing twice changes nothing more");
    return 0;
}
