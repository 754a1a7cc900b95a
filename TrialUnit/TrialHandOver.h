#pragma once

#include "board/Board.h"
#include "board/Turn.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace lodrin {

// Cells the trial field keeps: at most 100 x 100.
inline constexpr int TrialMaxCells = BoardSize * BoardSize;

// Trial codes of the trial field's own board copy.
enum TrialCode : std::int32_t {
    TrialNothing = 0,
    TrialWall = 1,
    TrialFloor = 2,
    TrialGoal = 3,
    TrialBox = 4,
    TrialBoxOnGoal = 5,
    TrialKeeper = 6,
    TrialKeeperOnGoal = 7,
};

// The board the editor hands to the trial field: the keeper's area grown by one
// square on every side, in trial codes, row by row.
struct TrialBoard {
    int Rows = 0;
    int Cols = 0;
    std::array<std::int32_t, TrialMaxCells> Cells{};
    int Boxes = 0; // boxes in the keeper's area, for the status bar
    int Top = 0;   // editor board row and column of trial cell (0, 0)
    int Left = 0;
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

// Where trial cell (0, 0) lies in the level text MakeLevelText writes for the
// board, counted from that text's first row and column.
BoardCell TrialOffsetInLevelText(const Board& board, const TrialBoard& trial);

// The trial window's caption for the mode.
std::string_view TrialCaption(bool reverse);

} // namespace lodrin
