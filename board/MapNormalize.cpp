#include "board/MapNormalize.h"

#include "board/WorkGrid.h"

#include <memory>

namespace lodrin {
namespace {

// Outside the area: walls (and, in standard normalization, boxes) become walls,
// everything else floor.
void ClearOutside(TWorkGrid& grid, bool minimal) {
    for (int r = 1; r <= BoardSize; ++r) {
        for (int c = 1; c <= BoardSize; ++c) {
            if (grid.Visited(r, c)) {
                continue;
            }
            const char ch = grid.At(r, c);
            const bool keep = !minimal && (ch == '#' || ch == '$' || ch == '*');
            grid.Set(r, c, keep ? '#' : '-');
        }
    }
}

// Every square next to the area (orthogonally or diagonally) that is neither in
// it nor a wall becomes a wall.
void CloseArea(TWorkGrid& grid) {
    for (int r = 1; r <= BoardSize; ++r) {
        for (int c = 1; c <= BoardSize; ++c) {
            if (!grid.Visited(r, c)) {
                continue;
            }
            for (int dr = -1; dr <= 1; ++dr) {
                for (int dc = -1; dc <= 1; ++dc) {
                    if (!grid.Visited(r + dr, c + dc) && grid.At(r + dr, c + dc) != '#') {
                        grid.Set(r + dr, c + dc, '#');
                    }
                }
            }
        }
    }
}

} // namespace

NormalizeOutcome NormalizeBoard(Board& board, bool minimal) {
    NormalizeOutcome outcome;
    auto grid = std::make_unique<TWorkGrid>();
    grid->Load(board);
    if (grid->KeeperCount() != 1) {
        outcome.Result = NormalizeResult::WrongKeeperCount;
        return outcome;
    }
    const TWorkGrid::FillResult fill = grid->FloodFromKeeper();
    if (!fill.Closed) {
        outcome.Result = NormalizeResult::NotClosed;
        return outcome;
    }
    outcome.CountsKnown = true;
    outcome.Boxes = fill.Boxes;
    outcome.Goals = fill.Goals;
    if (fill.Boxes != fill.Goals || fill.Boxes == 0) {
        outcome.Result = NormalizeResult::BoxGoalMismatch;
        return outcome;
    }
    ClearOutside(*grid, minimal);
    CloseArea(*grid);
    grid->Store(board);
    outcome.Result = NormalizeResult::NormalizeOk;
    return outcome;
}

std::string_view NormalizeMessage(NormalizeResult result) {
    switch (result) {
    case NormalizeResult::NormalizeOk:
        return "标准化成功！";
    case NormalizeResult::WrongKeeperCount:
        return "仓管员数不正确！";
    case NormalizeResult::BoxGoalMismatch:
        return "有效的箱子数与目标数不符！";
    case NormalizeResult::NotClosed:
        return "尚未封闭的地图！";
    }
    return {};
}

} // namespace lodrin
