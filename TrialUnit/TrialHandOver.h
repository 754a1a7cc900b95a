#pragma once

#include "board/Board.h"
#include "board/PlayMode.h"
#include "board/TrialCode.h"
#include "board/Turn.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace lodrin {

// The board the editor hands to the trial field: the keeper's area grown by one
// square on every side, in trial codes, row by row.
struct TrialBoard {
    int Rows = 0;
    int Cols = 0;
    std::array<TrialCode, TrialMaxCells> Cells{};
    int Boxes = 0; // boxes in the keeper's area, for the status bar
    int Top = 0;   // editor board row and column of trial cell (0, 0)
    int Left = 0;
    BoardCell Origin() const { return {Top, Left}; }
};

// The hand-over's outcome: the trial board, or the error message to show.
struct TrialHandOver {
    std::string Error; // empty on success
    TrialBoard Board;
    bool Ok() const { return Error.empty(); }
};

inline constexpr std::string_view WrongKeeperCountMessage = "仓管员数不正确！";
inline constexpr std::string_view OpenAreaMessage = "尚未封闭的地图！";

// Checks for exactly one keeper and a closed keeper area and cuts that area,
// grown by one square, out of the editor's board.
TrialHandOver HandOverToTrial(const Board& board);

// Where trial cell (0, 0), at origin on the editor's board, lies in the level text
// MakeLevelText writes for the board, counted from that text's first row and column.
BoardCell TrialOffsetInLevelText(const Board& board, BoardCell origin);

// The trial window's caption for the mode.
std::string_view TrialCaption(PlayMode mode);

} // namespace lodrin
