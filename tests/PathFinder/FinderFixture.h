#pragma once

// A path finder on a board written as rows, with helpers that draw its marks.

#include "PathFinder/PathFinder.h"
#include "support/TrialText.h"

#include <functional>
#include <string>
#include <vector>

namespace lodrin::test {

struct FinderBoard {
    explicit FinderBoard(const std::vector<std::string>& rows, bool goThrough = true)
        : board(TrialFromRows(rows)) {
        finder.SetBoardSize(board.Cols, board.Rows);
        finder.SetGoThrough(goThrough);
    }

    int At(int row, int col) const { return board.At(row, col); }
    std::span<const TrialCode> Cells() const { return board.Cells; }

    // The board's rows with 'o' on every square whose mark passes the test.
    std::vector<std::string> Drawn(const std::function<bool(int)>& marked) const {
        std::vector<std::string> rows = RowsOfCells(Cells(), board.Rows, board.Cols);
        for (int p = 0; p < board.Rows * board.Cols; ++p) {
            if (marked(p)) {
                rows[static_cast<std::size_t>(p / board.Cols)]
                    [static_cast<std::size_t>(p % board.Cols)] = 'o';
            }
        }
        return rows;
    }
    std::vector<std::string> KeeperBits(std::uint8_t bits) const {
        return Drawn([&](int p) { return (finder.KeeperMarks(p) & bits) != 0; });
    }
    std::vector<std::string> BoxBits(std::uint8_t bits) const {
        return Drawn([&](int p) { return (finder.BoxMarks(p) & bits) != 0; });
    }

    TrialText board;
    TPathFinder finder;
};

} // namespace lodrin::test
