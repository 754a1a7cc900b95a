#pragma once

// Small helpers for tests that write boards as XSB rows.

#include "board/Board.h"
#include "board/XsbRows.h"

#include <string>
#include <vector>

namespace lodrin::test {

inline Board BoardFromRows(const std::vector<std::string>& rows) {
    Board board;
    ReadRowsIntoBoard(rows, board);
    return board;
}

// The board's rows 0..rows-1, columns 0..cols-1 as XSB characters.
inline std::vector<std::string> RowsOf(const Board& board, int rows, int cols) {
    std::vector<std::string> out;
    for (int r = 0; r < rows; ++r) {
        std::string row;
        for (int c = 0; c < cols; ++c) {
            row.push_back(CellToXsbChar(board.At(r, c)));
        }
        out.push_back(row);
    }
    return out;
}

} // namespace lodrin::test
