#include "TrialUnit/TrialHandOver.h"

#include "board/CellCode.h"
#include "board/LevelText.h"
#include "board/WorkGrid.h"

namespace lodrin {
namespace {

// Trial code of each editor cell code.
constexpr std::array<TrialCode, 7> TrialCodeOfCell = {
    TrialCode::Floor,  TrialCode::Goal,         TrialCode::Box, TrialCode::BoxOnGoal,
    TrialCode::Keeper, TrialCode::KeeperOnGoal, TrialCode::Wall};

TrialCode TrialCodeOf(char ch) {
    return TrialCodeOfCell[static_cast<std::size_t>(XsbCharToCell(ch))];
}

} // namespace

TrialHandOver HandOverToTrial(const Board& board) {
    TrialHandOver out;
    TWorkGrid grid;
    grid.Load(board);
    if (grid.KeeperCount() != 1) {
        out.Error = WrongKeeperCountMessage;
        return out;
    }
    const TWorkGrid::FillResult area = grid.FloodFromKeeper();
    if (!area.Closed) {
        out.Error = OpenAreaMessage;
        return out;
    }
    // The area lies in grid rows and columns 2..99, so the grown box stays on the board.
    TrialBoard& trial = out.Board;
    trial.Rows = area.Bottom - area.Top + 3;
    trial.Cols = area.Right - area.Left + 3;
    trial.Boxes = area.Boxes;
    trial.Top = area.Top - 2;
    trial.Left = area.Left - 2;
    for (int r = 0; r < trial.Rows; ++r) {
        for (int c = 0; c < trial.Cols; ++c) {
            trial.Cells[static_cast<std::size_t>(r * trial.Cols + c)] =
                TrialCodeOf(grid.At(area.Top - 1 + r, area.Left - 1 + c));
        }
    }
    return out;
}

BoardCell TrialOffsetInLevelText(const Board& board, BoardCell origin) {
    const BoundingBox bounds = LevelBounds(board);
    if (bounds.IsEmpty()) {
        return {};
    }
    return {origin.Row - bounds.Top, origin.Col - bounds.Left};
}

std::string_view TrialCaption(PlayMode mode) {
    return IsReverse(mode) ? "逆推演炼场" : "正推演炼场";
}

} // namespace lodrin
