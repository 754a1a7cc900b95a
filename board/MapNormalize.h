#pragma once

#include "board/Board.h"

#include <string_view>

namespace lodrin {

// How a normalization ended.
enum class NormalizeResult { NormalizeOk, WrongKeeperCount, BoxGoalMismatch, NotClosed };

// The outcome with the keeper area's counts (known once the area proved closed).
struct NormalizeOutcome {
    NormalizeResult Result = NormalizeResult::WrongKeeperCount;
    bool CountsKnown = false;
    int Boxes = 0;
    int Goals = 0;
};

// Checks that the board holds one closed keeper area with as many boxes as goals
// (at least one), clears what lies outside it and closes it with walls. Standard
// normalization keeps outside walls and turns outside boxes into walls; minimal
// normalization keeps only the walls that touch the area. The board changes only
// on success.
NormalizeOutcome NormalizeBoard(Board& board, bool minimal);

// The message a normalization result is reported with.
std::string_view NormalizeMessage(NormalizeResult result);

} // namespace lodrin
